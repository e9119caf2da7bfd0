#include "potis/potis_classes.h"

#include "foundation/foundation_classes.h"
#include "host/formloader.h"
#include "potis/poti10t.h"
#include "potis/poti270.h"
#include "potis/potislide.h"
#include "potis/selector270.h"
#include "potis/selectorslide.h"
#include "potis/slider.h"

namespace Veltor {

void RegisterPotiClasses() {
  RegisterFoundationClasses();
  TFormLoader::RegisterClass<TPoti270>();
  TFormLoader::RegisterClass<TSelector270>();
  TFormLoader::RegisterClass<TPotiSlide>();
  TFormLoader::RegisterClass<TSelectorSlide>();
  TFormLoader::RegisterClass<TSlider>();
  TFormLoader::RegisterClass<TPoti10T>();
}

}  // namespace Veltor
