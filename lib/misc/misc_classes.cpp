#include "misc/misc_classes.h"

#include "foundation/foundation_classes.h"
#include "host/formloader.h"
#include "misc/inieditor.h"

namespace Veltor {

void RegisterMiscClasses() {
  RegisterFoundationClasses();
  TFormLoader::RegisterClass<TIniEditor>();
}

}  // namespace Veltor
