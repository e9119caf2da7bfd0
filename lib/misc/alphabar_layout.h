#pragma once
// Where the buttons of an alphabet bar go: one row per line of the layout
// text, one button per character, blanks and empty lines leave gaps.

#include "host/types.h"

#include <QStringList>

#include <vector>

namespace Veltor {

struct TAlphaBarMetrics {
  int BlankXSize = 9;
  int BlankYSize = 9;
  int ButtonHeight = 18;
  int ButtonLeftMargin = 2;
  int ButtonTopMargin = 2;
  int ButtonWidth = 18;
  int ButtonXSpacing = -1;
  int ButtonYSpacing = -1;
};

struct TAlphaKey {
  QChar Char;
  TRect Bounds;
};

std::vector<TAlphaKey> AlphaBarLayout(const QStringList& lines, const TAlphaBarMetrics& m);

}  // namespace Veltor
