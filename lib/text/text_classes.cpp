#include "text/text_classes.h"

#include "host/formloader.h"

namespace Veltor {

void RegisterTextClasses() {}

}  // namespace Veltor
