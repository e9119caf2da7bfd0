#include "host/designfont.h"

#include <cmath>

namespace Veltor {

QFont DesignerFont(const TFont& font) { return font.ToQFont(); }

TFont MergeDesignerFont(TFont font, const QFont& stored) {
  const auto mask = stored.resolveMask();
  if ((mask & QFont::FamilyResolved) && !stored.family().isEmpty()) font.Name = stored.family();
  if (mask & QFont::SizeResolved) {
    if (stored.pixelSize() > 0) {
      font.Height = -stored.pixelSize();
    } else if (stored.pointSizeF() > 0) {
      font.SetSize(int(std::nearbyint(stored.pointSizeF())));
    }
  }
  auto apply = [&](QFont::ResolveProperties what, TFontStyleFlag flag, bool on) {
    if (mask & what) font.Style.setFlag(flag, on);
  };
  apply(QFont::WeightResolved, fsBold, stored.bold());
  apply(QFont::StyleResolved, fsItalic, stored.italic());
  apply(QFont::UnderlineResolved, fsUnderline, stored.underline());
  apply(QFont::StrikeOutResolved, fsStrikeOut, stored.strikeOut());
  return font;
}

}  // namespace Veltor
