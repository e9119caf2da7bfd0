#include "segments/segments_classes.h"

#include "buttons/buttons_classes.h"
#include "host/formloader.h"
#include "segments/ctrltimer.h"
#include "segments/disp7seg.h"
#include "segments/spin7seg.h"

namespace Veltor {

void RegisterSegmentClasses() {
  RegisterButtonClasses();
  TFormLoader::RegisterClass<TDisp7Seg>();
  TFormLoader::RegisterClass<TSpin7Seg>();
  TFormLoader::RegisterClass<TCtrlTimer>();
}

}  // namespace Veltor
