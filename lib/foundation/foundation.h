#pragma once
// Umbrella header of the foundation library.

#include "foundation/frame.h"
#include "foundation/helpers.h"
#include "foundation/numformat.h"
#include "foundation/rahmen.h"
#include "foundation/smarttimer.h"
#include "foundation/tickregistry.h"
