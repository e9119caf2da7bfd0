#include "system/system_classes.h"

#include "host/formloader.h"
#include "system/comport.h"

namespace Veltor {

void RegisterSystemClasses() { TFormLoader::RegisterClass<TComPort>(); }

}  // namespace Veltor
