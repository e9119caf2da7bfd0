#include "misc/misc_classes.h"

#include "host/formloader.h"
#include "misc/background.h"

namespace Veltor {

void RegisterMiscClasses() { TFormLoader::RegisterClass<TBackGround>(); }

}  // namespace Veltor
