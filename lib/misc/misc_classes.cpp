#include "misc/misc_classes.h"

#include "foundation/foundation_classes.h"
#include "host/formloader.h"
#include "misc/alphabar.h"
#include "misc/background.h"
#include "misc/fifo.h"
#include "misc/inieditor.h"
#include "misc/keypad.h"
#include "misc/numedit.h"
#include "misc/rollbar.h"
#include "misc/rotlabel.h"

namespace Veltor {

void RegisterMiscClasses() {
  RegisterFoundationClasses();
  TFormLoader::RegisterClass<TBackGround>();
  TFormLoader::RegisterClass<TIniEditor>();
  TFormLoader::RegisterClass<TNumEdit>();
  TFormLoader::RegisterClass<TJoyStick>();
  TFormLoader::RegisterClass<TUpDownT>();
  TFormLoader::RegisterClass<TLeftRightT>();
  TFormLoader::RegisterClass<TRotLabel>();
  TFormLoader::RegisterClass<TRollBar>();
  TFormLoader::RegisterClass<TFiFo>();
  TFormLoader::RegisterClass<TAlphaBar>();
}

}  // namespace Veltor
