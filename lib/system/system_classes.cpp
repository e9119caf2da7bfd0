#include "system/system_classes.h"

#include "host/formloader.h"
#include "system/comport.h"
#include "system/gameport.h"
#include "system/playsound.h"
#include "system/wavefile.h"

namespace Veltor {

void RegisterSystemClasses() {
  TFormLoader::RegisterClass<TComPort>();
  TFormLoader::RegisterClass<TGamePort>();
  TFormLoader::RegisterClass<TPlaySound>();
  InitSystemSounds();
}

}  // namespace Veltor
