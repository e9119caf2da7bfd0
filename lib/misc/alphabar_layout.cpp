#include "misc/alphabar_layout.h"

namespace Veltor {

std::vector<TAlphaKey> AlphaBarLayout(const QStringList& lines, const TAlphaBarMetrics& m) {
  std::vector<TAlphaKey> keys;
  int y = m.ButtonTopMargin;
  for (const QString& line : lines) {
    // A row that ends in a gap does not take the buttons' height.
    bool gap = false;
    if (line.isEmpty()) {
      y += m.BlankYSize;
      gap = true;
    }
    int x = m.ButtonLeftMargin;
    for (QChar c : line) {
      if (c == QLatin1Char(' ')) {
        x += m.BlankXSize;
        gap = true;
        continue;
      }
      keys.push_back({c, TRect(x, y, x + m.ButtonWidth, y + m.ButtonHeight)});
      x += m.ButtonWidth + m.ButtonXSpacing;
      gap = false;
    }
    if (!gap) y += m.ButtonHeight;
    y += m.ButtonYSpacing;
  }
  return keys;
}

}  // namespace Veltor
