#include "rules.h"

#include "foundation/helpers.h"
#include "foundation/numformat.h"

namespace VeltorDemo {

using namespace Veltor;

namespace {

TColor NextBeginColor(TColor color) {
  switch (color) {
    case clBlue: return clRed;
    case clRed: return clLime;
    default: return clBlue;
  }
}

}  // namespace

TShade NextShade(const TShade& shade) {
  TShade next = shade;
  switch (shade.Direction) {
    case fdLeftToRight: next.Direction = fdTopToBottom; break;
    case fdTopToBottom: next.Direction = fdRightToLeft; break;
    case fdRightToLeft: next.Direction = fdBottomToTop; break;
    case fdBottomToTop:
      next.Direction = fdLeftToRight;
      next.BeginColor = NextBeginColor(shade.BeginColor);
      break;
  }
  return next;
}

void ApplyLanguage(bool english) {
  SetEnglishMode(english);
  FormatSettings& formats = Formats();
  formats.DecimalSeparator = english ? QLatin1Char('.') : QLatin1Char(',');
  formats.ShortDateFormat = english ? QStringLiteral("mm/dd/yy") : QStringLiteral("dd.mm.yy");
}

}  // namespace VeltorDemo
