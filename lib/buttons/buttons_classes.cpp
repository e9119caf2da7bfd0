#include "buttons/buttons_classes.h"

#include "buttons/bevel3d.h"
#include "buttons/boxline.h"
#include "buttons/ledbutton.h"
#include "buttons/ledcheck.h"
#include "buttons/multibmp.h"
#include "buttons/pictbutton.h"
#include "buttons/slidebutton.h"
#include "buttons/textspin.h"
#include "foundation/foundation_classes.h"
#include "host/formloader.h"

// Resources of a static library must be brought in by hand, outside any
// namespace.
static void InitButtonGlyphs() { Q_INIT_RESOURCE(buttonglyphs); }

namespace Veltor {

void RegisterButtonClasses() {
  InitButtonGlyphs();
  RegisterFoundationClasses();
  TFormLoader::RegisterClass<TBevel3D>();
  TFormLoader::RegisterClass<TTextSpin>();
  TFormLoader::RegisterClass<TSerieSpin>();
  TFormLoader::RegisterClass<TLedButton>();
  TFormLoader::RegisterClass<TLedCheck>();
  TFormLoader::RegisterClass<TSlideButton>();
  TFormLoader::RegisterClass<TPictButton>();
  TFormLoader::RegisterClass<TMultiBmp>();
  TFormLoader::RegisterClass<TBoxLine>();
}

}  // namespace Veltor
