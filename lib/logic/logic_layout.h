#pragma once
// Where the logic display puts things, apart from the widget: the channel
// names beside the data area, the text page, the footer's eight buttons, the
// status fields and the position bar; and the geometry hooks the mouse and
// the painters share (sample under a point, x of a line, the rubber band's
// samples and channels, the red part of the position bar).

#include "logic/diagram.h"
#include "logic/display_layout.h"
#include "logic/logic_model.h"

namespace Veltor {

// The footer's buttons and fields, by name.
struct TLogicFooterParts {
  enum TFooterButton {
    BtnChanZoom,
    BtnChanUp,
    BtnChanDown,
    BtnTimeZoom,
    BtnStepBack,
    BtnStepFwd,
    BtnPageBack,
    BtnPageFwd
  };
  static constexpr int kFooterButtons = 8;
  enum TStatusField {
    PtrCycField,
    PtrTimeField,
    MrkCycField,
    MrkTimeField,
    DiffCycField,
    DiffTimeField,
    ValueField,
    PosBar
  };
  static constexpr int kStatusFields = 8;
  static constexpr int kStatusPairs = 3;
};

namespace LogicMeasures {
constexpr int kLineHeight = 13;      // text-mode line pitch
constexpr int kNamesRightGap = 6;    // between the channel names and the data area
constexpr int kFooterTopGap = 2;     // between the data area's outline and the buttons
constexpr int kButtonsRightGap = 2;  // between the buttons and the data area's left edge
constexpr int kTimeZoomGap = 3;      // before the time-zoom button
constexpr double kPairStep = 0.2;    // share of the data width from one pair's end to the next
constexpr int kRestGap = 20;         // between the last pair and value field / position bar
constexpr int kBarTopInset = 4;      // the position bar is lower than its field
constexpr int kBarBottomInset = 2;
constexpr int kLabelGap = 4;  // between a pair and its letter
}  // namespace LogicMeasures

struct TLogicLayout : TLogicFooterParts {
  TRect Data;  // the data area (as the display base lays it out)
  int DataWidth = 0;
  int DataHeight = 0;
  TRect Names;        // the channel names, beside the data area
  int PageLines = 0;  // lines of a text page after the first (LinesPerPage)

  // Everything below is empty without a footer.
  bool HasFooter = false;
  TRect ButtonFrames[kFooterButtons];  // the frame rectangles (right and bottom exclusive)
  TRect Buttons[kFooterButtons];       // the raised faces inside them: the hit areas
  int ButtonSplit = 0;                 // where the two-glyph buttons split their glyphs
  TRect PairBoxes[kStatusPairs];       // sunken outlines: P, M and D pairs
  TRect ValueBox;
  TRect BarBox;
  TRect Fields[kStatusFields];  // the fields' insides; PosBar is the bar proper
  int StatusFontSize = 0;
  int LabelSize = 0;
  TPoint Labels[kStatusPairs];  // where "P", "M" and "D" are written
};

// The logic display's layout over the display base's.
TLogicLayout LayoutLogic(const TDisplayLayout& display, bool hasFooter);

// The diagram's rows and columns for a view.
TDiagramGeometry DiagramGeometryOf(const TLogicLayout& l, const TLogicView& v);

// The sample under a point of the data area, clamped to the view: by column
// in the diagram, by line in text mode.
int PositionAt(const TLogicLayout& l, const TLogicView& v, int x, int y);

// The x of the pointer or marker line for a sample position.
int LineX(const TLogicLayout& l, const TLogicView& v, int position);

// What a rubber band from (x1, y1) to (x2, y2) picks: the samples under its
// left and right edges and the channel rows its top and bottom edges fall
// in. Nothing when both edges map to one sample.
struct TZoomBand {
  bool Positions = false;
  int StartPos = 0;
  int EndPos = 0;
  bool Channels = false;
  int ChanFirst = 0;
  int ChanLast = 0;
};
TZoomBand ZoomBandOf(const TLogicLayout& l, const TLogicView& v, int x1, int y1, int x2, int y2);

// The red part of the position bar for a view of a buffer of `count`
// samples: the view's share of the bar, at least a pixel wide, always within
// the bar.
TRect PositionBarSpan(const TRect& bar, int start, int end, int count);

}  // namespace Veltor
