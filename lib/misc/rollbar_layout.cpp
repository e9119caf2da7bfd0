#include "misc/rollbar_layout.h"

namespace Veltor {

TRollBarLayout RollBarLayout(int width, const TPanelLook& look, int capHeight, bool menuShown) {
  TRollBarLayout l;
  l.Caption = TRect(1, 1, width - 2, capHeight - 1);
  l.Collapsed = capHeight;
  const bool single = look.BorderStyle == bsSingle;
  if (look.BevelOuter != bvNone || look.BevelInner != bvNone || single) l.Collapsed += 1;
  if (look.BevelOuter != bvNone) {
    l.Caption.Shrink(look.BevelWidth);
    l.Collapsed += 2 * look.BevelWidth;
  }
  if (look.BevelInner != bvNone) {
    l.Caption.Shrink(look.BevelWidth + look.BorderWidth);
    l.Collapsed += 2 * look.BevelWidth + look.BorderWidth;
  }
  if (single) l.Collapsed += 1;

  const int s = capHeight - 2;
  l.ButtonSize = s;
  const int top = l.Caption.Top;
  l.Close = TRect(l.Caption.Left, top, l.Caption.Left + s, top + s);
  l.Menu = TRect(l.Close.Left + s + 2, top, l.Close.Left + 2 * s + 2, top + s);
  l.Roll = TRect(l.Caption.Right - s, top, l.Caption.Right, top + s);
  l.Text = TPoint((menuShown ? l.Menu.Right : l.Close.Right) + kCaptionTextGap, top - 1);
  return l;
}

std::vector<int> RollUpHeights(int from, int collapsed, int step) {
  std::vector<int> heights;
  if (step > 0) {
    for (int h = from; h > collapsed; h -= step) heights.push_back(h);
  }
  heights.push_back(collapsed);
  return heights;
}

std::vector<int> RollDownHeights(int from, int full, int step) {
  std::vector<int> heights;
  const int grow = 2 * step / 3;
  if (grow > 0) {
    for (int h = from; h < full; h += grow) heights.push_back(h);
  }
  heights.push_back(full);
  return heights;
}

}  // namespace Veltor
