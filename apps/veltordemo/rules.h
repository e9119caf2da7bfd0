#pragma once
// The launcher's own rules, without widgets: the shade button's walk through
// the background's gradients, and the language switch with its number and
// date format.

#include "host/color.h"
#include "misc/misctypes.h"

namespace VeltorDemo {

// The background's gradient as the shade button leaves it.
struct TShade {
  Veltor::TFillDirection Direction = Veltor::fdLeftToRight;
  Veltor::TColor BeginColor = Veltor::clBlue;
};

// The next gradient: the direction turns left-to-right, top-to-bottom,
// right-to-left, bottom-to-top and round again; when it comes round, the
// begin colour steps blue, red, lime and back to blue (any other colour
// restarts at blue).
TShade NextShade(const TShade& shade);

// Switches the library's language and the process-wide number and date
// format: English "." and "mm/dd/yy", German "," and "dd.mm.yy".
void ApplyLanguage(bool english);

}  // namespace VeltorDemo
