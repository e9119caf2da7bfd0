#include "text/text_classes.h"

#include "foundation/foundation_classes.h"
#include "host/formloader.h"
#include "text/stroke.h"

namespace Veltor {

void RegisterTextClasses() {
  RegisterFoundationClasses();
  TFormLoader::RegisterClass<TStroke>();
}

}  // namespace Veltor
