#include "foundation/foundation.h"
