#include "buttons/buttons_classes.h"

#include "foundation/foundation_classes.h"

namespace Veltor {

void RegisterButtonClasses() { RegisterFoundationClasses(); }

}  // namespace Veltor
