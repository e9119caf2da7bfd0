#pragma once
// Umbrella header of the foundation library.

#include "foundation/tickregistry.h"
