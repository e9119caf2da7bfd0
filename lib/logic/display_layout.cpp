#include "logic/display_layout.h"

#include <algorithm>

namespace Veltor {

using namespace DisplayMeasures;

TDisplayLayout LayoutDisplay(const TRect& inner, int height, TDisplayParts parts) {
  const int share = height / kHeightShare;
  const int column = std::clamp(share, kMinColumnUnit, kMaxColumnUnit);
  const int footer = std::clamp(share, kMinFooter, kMaxFooter);
  const TRect w(inner.Left, inner.Top, inner.Right - kRightGap, inner.Bottom);

  TDisplayLayout l;
  const TRect names(w.Left, w.Top, w.Left + 2 * column, w.Bottom);
  l.HeadRect = TRect(names.Right, w.Top, w.Right, w.Top + kHeadHeight);
  l.FootRect = TRect(names.Right, w.Bottom - footer, w.Right, w.Bottom);
  TRect data = w;
  if (parts.Names) {
    data.Left = names.Right;
  } else {
    data.Left += kBareIndent;
  }
  if (parts.Head) data.Top = l.HeadRect.Bottom;
  if (parts.Footer) data.Bottom = l.FootRect.Top;

  // The outline runs on the data area's edge; the area proper starts inside
  // it at the left and the top.
  l.DataOutline = data;
  l.DataRect = TRect(data.Left + 1, data.Top + 1, data.Right, data.Bottom);
  l.DataWidth = l.DataRect.Right - l.DataRect.Left - 1;
  l.DataHeight = l.DataRect.Bottom - l.DataRect.Top;
  l.NameRect = names;
  l.NameRect.Shrink(1);

  if (parts.Head) {
    const TRect& h = l.HeadRect;
    const int third = h.Width() / 3;
    l.HeadBoxOutline = TRect(h.Left + third, h.Top + 1, h.Right - third, h.Bottom - kHeadBoxBottomGap);
    l.HeadBox =
        TRect(l.HeadBoxOutline.Left + 1, l.HeadBoxOutline.Top + 1, l.HeadBoxOutline.Right, l.HeadBoxOutline.Bottom);
  }
  return l;
}

}  // namespace Veltor
