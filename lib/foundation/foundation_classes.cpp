#include "foundation/foundation_classes.h"

#include "foundation/rahmen.h"
#include "foundation/smarttimer.h"
#include "host/formloader.h"

namespace Veltor {

void RegisterFoundationClasses() {
  TFormLoader::RegisterClass<TRahmen>();
  TFormLoader::RegisterClass<TSmartTimer>();
}

}  // namespace Veltor
