#include "meters/meters_classes.h"

#include "buttons/buttons_classes.h"
#include "host/formloader.h"
#include "meters/meter270.h"

namespace Veltor {

void RegisterMeterClasses() {
  RegisterButtonClasses();
  TFormLoader::RegisterClass<TMeter270>();
}

}  // namespace Veltor
