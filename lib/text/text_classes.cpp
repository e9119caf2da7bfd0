#include "text/text_classes.h"

#include "foundation/foundation_classes.h"
#include "host/formloader.h"
#include "text/stroke.h"
#include "text/textscroller.h"

namespace Veltor {

void RegisterTextClasses() {
  RegisterFoundationClasses();
  TFormLoader::RegisterClass<TStroke>();
  TFormLoader::RegisterClass<TTextScroller>();
}

}  // namespace Veltor
