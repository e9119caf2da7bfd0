#pragma once
// Where the parts of a roll-up bar go, and the heights its roll animation
// passes through.

#include "foundation/panel.h"

#include <vector>

namespace Veltor {

constexpr int kMinCapHeight = 13;
constexpr int kMaxCapHeight = 20;
// The caption text starts this far right of the last button before it.
constexpr int kCaptionTextGap = 6;

struct TRollBarLayout {
  TRect Caption;      // the caption bar, inside the rings
  int Collapsed = 0;  // the bar's height when rolled up
  int ButtonSize = 0;
  TRect Close;
  TRect Menu;
  TRect Roll;   // the roll-up and roll-down buttons share this place
  TPoint Text;  // where the caption text starts
};

TRollBarLayout RollBarLayout(int width, const TPanelLook& look, int capHeight, bool menuShown);

// The heights rolling up passes through, from the current height down to
// the collapsed one in steps of step pixels; the last is always collapsed.
std::vector<int> RollUpHeights(int from, int collapsed, int step);
// The same rolling down, growing by two thirds of the step each time.
std::vector<int> RollDownHeights(int from, int full, int step);

}  // namespace Veltor
