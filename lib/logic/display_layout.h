#pragma once
// Where the display base puts its regions inside the frame: a channel-name
// column on the left, a head strip with a name box on top, a footer strip at
// the bottom and the sunken data area, by the display type.

#include "host/types.h"

namespace Veltor {

// The regions the data area leaves room for; each display type is one
// combination (dispOnly none, complete all three).
struct TDisplayParts {
  bool Names = true;
  bool Head = true;
  bool Footer = true;
};

// The measures of the regions.
namespace DisplayMeasures {
// The column unit (two of them make the name column) and the footer height
// are an eighth of the control's height, each within its own bounds.
constexpr int kHeightShare = 8;
constexpr int kMinColumnUnit = 25;
constexpr int kMaxColumnUnit = 35;
constexpr int kMinFooter = 30;
constexpr int kMaxFooter = 40;
constexpr int kRightGap = 3;  // between the regions and the frame on the right
constexpr int kHeadHeight = 23;
constexpr int kBareIndent = 3;  // data area indent on the left without a name column
constexpr int kHeadBoxBottomGap = 4;
}  // namespace DisplayMeasures

struct TDisplayLayout {
  TRect NameRect;        // the channel-name column, one pixel inside its region
  TRect HeadRect;        // the head strip
  TRect FootRect;        // the footer strip
  TRect DataOutline;     // the sunken outline around the data area
  TRect DataRect;        // the data area, inside the outline at left and top
  int DataWidth = 0;     // DataRect right - left - 1
  int DataHeight = 0;    // DataRect bottom - top
  TRect HeadBoxOutline;  // the sunken outline of the name box (empty without a head)
  TRect HeadBox;         // the name box inside its outline at left and top
};

// The regions for the rectangle the frame leaves inside (`inner`) of a
// control `height` pixels high.
TDisplayLayout LayoutDisplay(const TRect& inner, int height, TDisplayParts parts);

}  // namespace Veltor
