#include "meters/meters_classes.h"

#include "buttons/buttons_classes.h"
#include "host/formloader.h"
#include "meters/gauge.h"
#include "meters/magiceye.h"
#include "meters/meter120.h"
#include "meters/meter180.h"
#include "meters/meter270.h"
#include "meters/meter360.h"
#include "meters/meterpanelh.h"
#include "meters/meterpanelv.h"

namespace Veltor {

void RegisterMeterClasses() {
  RegisterButtonClasses();
  TFormLoader::RegisterClass<TMeter120>();
  TFormLoader::RegisterClass<TMeter180>();
  TFormLoader::RegisterClass<TMeter270>();
  TFormLoader::RegisterClass<TMeter360>();
  TFormLoader::RegisterClass<TMeterPanelH>();
  TFormLoader::RegisterClass<TMeterPanelV>();
  TFormLoader::RegisterClass<TGaugeGp>();
  TFormLoader::RegisterClass<TMagicEye>();
}

}  // namespace Veltor
