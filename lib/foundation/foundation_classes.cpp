#include "foundation/foundation_classes.h"

#include "foundation/rahmen.h"
#include "host/formloader.h"

namespace Veltor {

void RegisterFoundationClasses() {
  TFormLoader::RegisterClass<TRahmen>();
}

}  // namespace Veltor
