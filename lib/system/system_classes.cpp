#include "system/system_classes.h"

#include "host/formloader.h"
#include "system/bitwin.h"
#include "system/comport.h"
#include "system/gameport.h"
#include "system/playsound.h"
#include "system/wavefile.h"
#include "system/scrnsavectrl.h"
#include "system/spy.h"
#include "system/sysinfo.h"

namespace Veltor {

void RegisterSystemClasses() {
  TFormLoader::RegisterClass<TComPort>();
  TFormLoader::RegisterClass<TGamePort>();
  TFormLoader::RegisterClass<TPlaySound>();
  InitSystemSounds();
  TFormLoader::RegisterClass<TSysInfo>();
  TFormLoader::RegisterClass<TSpy>();
  TFormLoader::RegisterClass<TBitWin>();
  TFormLoader::RegisterClass<TScrnSaveCtrl>();
}

}  // namespace Veltor
