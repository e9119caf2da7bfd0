#include "logic/logic_classes.h"

#include "foundation/foundation_classes.h"
#include "host/formloader.h"
#include "logic/logic.h"

namespace Veltor {

void RegisterLogicClasses() {
  RegisterFoundationClasses();
  TFormLoader::RegisterClass<TDisplay>();
  TFormLoader::RegisterClass<TLogic>();
}

}  // namespace Veltor
