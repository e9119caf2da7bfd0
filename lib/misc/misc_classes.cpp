#include "misc/misc_classes.h"

#include "foundation/foundation_classes.h"
#include "host/formloader.h"
#include "misc/background.h"
#include "misc/inieditor.h"
#include "misc/keypad.h"
#include "misc/numedit.h"

namespace Veltor {

void RegisterMiscClasses() {
  RegisterFoundationClasses();
  TFormLoader::RegisterClass<TBackGround>();
  TFormLoader::RegisterClass<TIniEditor>();
  TFormLoader::RegisterClass<TNumEdit>();
  TFormLoader::RegisterClass<TJoyStick>();
  TFormLoader::RegisterClass<TUpDownT>();
  TFormLoader::RegisterClass<TLeftRightT>();
}

}  // namespace Veltor
