#pragma once
// Umbrella header of the foundation library.

#include "foundation/smarttimer.h"
#include "foundation/tickregistry.h"
