#include "misc/misc_classes.h"

#include "host/formloader.h"

namespace Veltor {

void RegisterMiscClasses() {}

}  // namespace Veltor
