#include "meters/meters_classes.h"

#include "buttons/buttons_classes.h"
#include "host/formloader.h"
#include "meters/gauge.h"
#include "meters/magiceye.h"
#include "meters/meter270.h"
#include "meters/meterpanelh.h"
#include "meters/meterpanelv.h"

namespace Veltor {

void RegisterMeterClasses() {
  RegisterButtonClasses();
  TFormLoader::RegisterClass<TMeter270>();
  TFormLoader::RegisterClass<TMeterPanelH>();
  TFormLoader::RegisterClass<TMeterPanelV>();
  TFormLoader::RegisterClass<TGaugeGp>();
  TFormLoader::RegisterClass<TMagicEye>();
}

}  // namespace Veltor
