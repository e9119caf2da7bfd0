#include "buttons/buttons_classes.h"

#include "buttons/bevel3d.h"
#include "buttons/ledbutton.h"
#include "buttons/ledcheck.h"
#include "buttons/textspin.h"
#include "foundation/foundation_classes.h"
#include "host/formloader.h"

namespace Veltor {

void RegisterButtonClasses() {
  RegisterFoundationClasses();
  TFormLoader::RegisterClass<TBevel3D>();
  TFormLoader::RegisterClass<TTextSpin>();
  TFormLoader::RegisterClass<TSerieSpin>();
  TFormLoader::RegisterClass<TLedButton>();
  TFormLoader::RegisterClass<TLedCheck>();
}

}  // namespace Veltor
