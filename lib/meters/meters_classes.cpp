#include "meters/meters_classes.h"

#include "buttons/buttons_classes.h"
#include "host/formloader.h"
#include "meters/meter120.h"
#include "meters/meter180.h"
#include "meters/meter270.h"
#include "meters/meter360.h"

namespace Veltor {

void RegisterMeterClasses() {
  RegisterButtonClasses();
  TFormLoader::RegisterClass<TMeter120>();
  TFormLoader::RegisterClass<TMeter180>();
  TFormLoader::RegisterClass<TMeter270>();
  TFormLoader::RegisterClass<TMeter360>();
}

}  // namespace Veltor
