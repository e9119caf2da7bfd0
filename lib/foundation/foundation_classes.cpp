#include "foundation/foundation_classes.h"

#include "foundation/panel.h"
#include "foundation/rahmen.h"
#include "foundation/smarttimer.h"
#include "foundation/speedbutton.h"
#include "host/formloader.h"
#include "host/label.h"

namespace Veltor {

void RegisterFoundationClasses() {
  TFormLoader::RegisterClass<TRahmen>();
  TFormLoader::RegisterClass<TLabel>();
  TFormLoader::RegisterClass<TPanel>();
  TFormLoader::RegisterClass<TSpeedButton>();
  TFormLoader::RegisterClass<TSmartTimer>();
}

}  // namespace Veltor
