#include "potis/potis_classes.h"

#include "foundation/foundation_classes.h"
#include "host/formloader.h"
#include "potis/poti270.h"
#include "potis/selector270.h"

namespace Veltor {

void RegisterPotiClasses() {
  RegisterFoundationClasses();
  TFormLoader::RegisterClass<TPoti270>();
  TFormLoader::RegisterClass<TSelector270>();
}

}  // namespace Veltor
