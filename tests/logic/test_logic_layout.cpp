// The display base's and the logic display's layouts and geometry hooks,
// without a widget.
#include "logic/display_layout.h"
#include "logic/logic_layout.h"

#include <gtest/gtest.h>

using namespace Veltor;

namespace {

// A 500 x 300 area inside the frame: the column unit clamps to 35, the footer
// is 300 div 8 = 37 high.
const TRect kInner(0, 0, 500, 300);
const TDisplayParts kComplete;

TLogicLayout CompleteLogic() { return LayoutLogic(LayoutDisplay(kInner, 300, kComplete), true); }

}  // namespace

TEST(DisplayLayout, CompleteAndBareRegions) {
  const TDisplayLayout l = LayoutDisplay(kInner, 300, kComplete);
  EXPECT_EQ(l.NameRect, TRect(1, 1, 69, 299));
  EXPECT_EQ(l.HeadRect, TRect(70, 0, 497, 23));
  EXPECT_EQ(l.FootRect, TRect(70, 263, 497, 300));
  EXPECT_EQ(l.DataOutline, TRect(70, 23, 497, 263));
  EXPECT_EQ(l.DataRect, TRect(71, 24, 497, 263));
  EXPECT_EQ(l.DataWidth, 425);
  EXPECT_EQ(l.DataHeight, 239);
  // The name box: the middle third of the head strip, clear of its bottom.
  EXPECT_EQ(l.HeadBoxOutline, TRect(212, 1, 355, 19));
  EXPECT_EQ(l.HeadBox, TRect(213, 2, 355, 19));

  const TDisplayLayout bare = LayoutDisplay(kInner, 300, TDisplayParts{false, false, false});
  EXPECT_EQ(bare.DataRect, TRect(4, 1, 497, 300));
  EXPECT_TRUE(bare.HeadBox.IsEmpty());
}

TEST(LogicLayout, FooterButtonsFieldsAndPage) {
  const TLogicLayout l = CompleteLogic();
  EXPECT_EQ(l.Names, TRect(1, 24, 63, 263));
  EXPECT_EQ(l.PageLines, 239 / 13 - 1);
  // The block under the names is 35 high: columns 23 wide sharing their
  // edges, a 3-pixel gap before the time zoom, halves split at 265 + 17.
  EXPECT_EQ(l.ButtonSplit, 282);
  EXPECT_EQ(l.ButtonFrames[TLogicLayout::BtnChanZoom], TRect(1, 265, 25, 301));
  EXPECT_EQ(l.Buttons[TLogicLayout::BtnChanZoom], TRect(2, 266, 23, 299));
  EXPECT_EQ(l.Buttons[TLogicLayout::BtnChanUp], TRect(24, 266, 45, 281));
  EXPECT_EQ(l.Buttons[TLogicLayout::BtnChanDown], TRect(24, 283, 45, 299));
  EXPECT_EQ(l.Buttons[TLogicLayout::BtnTimeZoom], TRect(50, 266, 71, 299));
  EXPECT_EQ(l.Buttons[TLogicLayout::BtnPageFwd], TRect(94, 283, 115, 299));
  // Pairs end a fifth of the data width (85) apart after the buttons.
  EXPECT_EQ(l.PairBoxes[0], TRect(131, 265, 201, 300));
  EXPECT_EQ(l.Fields[TLogicLayout::PtrCycField], TRect(132, 266, 200, 282));
  EXPECT_EQ(l.Fields[TLogicLayout::PtrTimeField], TRect(132, 282, 200, 300));
  EXPECT_EQ(l.Fields[TLogicLayout::DiffTimeField], TRect(302, 282, 370, 300));
  EXPECT_EQ(l.Fields[TLogicLayout::ValueField], TRect(392, 266, 496, 282));
  EXPECT_EQ(l.BarBox, TRect(391, 286, 497, 298));
  EXPECT_EQ(l.Fields[TLogicLayout::PosBar], TRect(392, 287, 497, 298));
  EXPECT_EQ(l.StatusFontSize, 8);
  EXPECT_EQ(l.Labels[0], TPoint(204, 275));

  const TLogicLayout none = LayoutLogic(LayoutDisplay(kInner, 300, TDisplayParts{true, true, false}), false);
  EXPECT_TRUE(none.Buttons[TLogicLayout::BtnPageFwd].IsEmpty());
  EXPECT_TRUE(none.Fields[TLogicLayout::PosBar].IsEmpty());
}

TEST(LogicLayout, ButtonFacesAreApartAndInsideTheirFrames) {
  for (int height : {100, 240, 300, 333, 800}) {
    const TLogicLayout l = LayoutLogic(LayoutDisplay(TRect(2, 2, 640, height - 2), height, kComplete), true);
    for (int a = 0; a < TLogicLayout::kFooterButtons; ++a) {
      const TRect& face = l.Buttons[a];
      const TRect& frame = l.ButtonFrames[a];
      EXPECT_FALSE(face.IsEmpty()) << height << " " << a;
      EXPECT_TRUE(face.Left > frame.Left && face.Top > frame.Top && face.Right < frame.Right - 1 &&
                  face.Bottom < frame.Bottom - 1)
          << height << " " << a;
      for (int b = a + 1; b < TLogicLayout::kFooterButtons; ++b) {
        const TRect& o = l.Buttons[b];
        const bool overlap = face.Left < o.Right && o.Left < face.Right && face.Top < o.Bottom && o.Top < face.Bottom;
        EXPECT_FALSE(overlap) << height << " " << a << " " << b;
      }
    }
  }
}

TEST(LogicLayout, SampleUnderAPointAndLineColumns) {
  TLogicLayout l;
  l.Data = TRect(100, 50, 601, 350);
  l.DataWidth = 500;
  l.DataHeight = 300;
  TLogicView v;
  v.Start = 30;
  v.End = 55;  // 25 samples, 20 pixels each
  EXPECT_EQ(LineX(l, v, 30), 101);
  EXPECT_EQ(LineX(l, v, 31), 121);
  // Halves go to the even neighbour: 1.5 samples in is 2, 0.5 is 0.
  EXPECT_EQ(PositionAt(l, v, 130, 60), 32);
  EXPECT_EQ(PositionAt(l, v, 110, 60), 30);
  EXPECT_EQ(PositionAt(l, v, 50, 60), 30);   // left of the area: the first
  EXPECT_EQ(PositionAt(l, v, 900, 60), 55);  // right of it: the last
  v.Text = true;
  EXPECT_EQ(PositionAt(l, v, 0, 50 + 13 * 3 + 12), 33);
  EXPECT_EQ(PositionAt(l, v, 0, 50 + 13 * 3 + 13), 34);
  EXPECT_EQ(PositionAt(l, v, 0, 50 + 13 * 30), 55);  // past the page's last line
}

TEST(LogicLayout, RubberBandPicksSamplesAndRows) {
  TLogicLayout l;
  l.Data = TRect(100, 50, 601, 350);
  l.DataWidth = 500;
  TLogicView v;
  v.Start = 30;
  v.End = 55;
  v.ChanFirst = 4;
  v.ChanLast = 7;  // four rows of 75 pixels
  const TZoomBand band = ZoomBandOf(l, v, 400, 210, 200, 60);
  EXPECT_TRUE(band.Positions);
  EXPECT_EQ(band.StartPos, 35);
  EXPECT_EQ(band.EndPos, 45);
  EXPECT_TRUE(band.Channels);
  EXPECT_EQ(band.ChanFirst, 4);
  EXPECT_EQ(band.ChanLast, 6);
  // A top edge on a row's last pixel still picks that row.
  EXPECT_EQ(ZoomBandOf(l, v, 200, 124, 400, 300).ChanFirst, 4);
  EXPECT_EQ(ZoomBandOf(l, v, 200, 125, 400, 300).ChanFirst, 5);
  // Both edges on one sample: nothing.
  EXPECT_FALSE(ZoomBandOf(l, v, 200, 60, 205, 300).Positions);
}

TEST(LogicLayout, PositionBarSpanStaysInTheBar) {
  const TRect bar(10, 5, 110, 9);  // 100 pixels
  struct Row {
    int start, end, count;
    TRect span;
  } rows[] = {
      {0, 499, 1000, TRect(10, 5, 59, 9)},    // the first half
      {500, 501, 1000, TRect(59, 5, 60, 9)},  // one pixel: it grows to the left
      {0, 2, 1000, TRect(10, 5, 11, 9)},      // at the start it grows to the right
      {0, 39, 25, TRect(10, 5, 106, 9)},      // a text page past a short buffer
      {30, 60, 25, TRect(105, 5, 106, 9)},    // a view wholly past it
      {7, 5, 1000, TRect(10, 5, 11, 9)},      // ends the wrong way round
  };
  for (const Row& r : rows) {
    EXPECT_EQ(PositionBarSpan(bar, r.start, r.end, r.count), r.span) << r.start << ".." << r.end << " of " << r.count;
  }
  EXPECT_TRUE(PositionBarSpan(TRect(10, 5, 10, 9), 0, 5, 25).IsEmpty());
  EXPECT_TRUE(PositionBarSpan(TRect(10, 5, 4, 9), 0, 5, 25).IsEmpty());
}
