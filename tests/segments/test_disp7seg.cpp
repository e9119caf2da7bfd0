#include "segments/disp7seg.h"

#include "foundation/tickregistry.h"
#include "testutil.h"

#include <gtest/gtest.h>

using namespace Veltor;
using VeltorTest::CountColour;
using VeltorTest::PixelAt;

namespace {

int LitPixels(TDisp7Seg& d, int cell) {
  return CountColour(
      d.SurfaceImage(),
      [&] {
        TRect r = d.Geometry().Cells;
        const int w = r.Width() / d.DispSize();
        r.Left += (cell - 1) * w;
        r.Right = r.Left + w;
        return r;
      }(),
      d.ColSegm());
}

}  // namespace

// Values become cells right-aligned; what cannot be shown truthfully becomes
// "8." in every cell rather than a different number.
TEST(Disp7SegText, ValuesFillTheCellsOrOverflow) {
  const QString overflow = QStringLiteral("8.8.8.8.8.8.8.8.8.8.");
  EXPECT_EQ(Disp7SegIntText(7, 3), QStringLiteral("  7"));
  EXPECT_EQ(Disp7SegIntText(-12, 3), QStringLiteral("-12"));
  EXPECT_EQ(Disp7SegIntText(123, 2), overflow);

  EXPECT_EQ(Disp7SegFloatText(3.14159, 3), QStringLiteral("3.14"));
  EXPECT_EQ(Disp7SegFloatText(123.456, 3), QStringLiteral("123."));
  EXPECT_EQ(Disp7SegFloatText(1234.5, 3), overflow);
  EXPECT_EQ(Disp7SegFloatText(0.123456, 3), QStringLiteral("0.12"));
  // The point shares its digit's cell, so the padding counts cells.
  EXPECT_EQ(Disp7SegFloatText(2.5, 4), QStringLiteral("  2.5"));
  EXPECT_EQ(Disp7SegFloatText(-2.5, 3), QStringLiteral("-2.5"));
  // Cutting an exponent or a sign's digits would show another number.
  EXPECT_EQ(Disp7SegFloatText(1.5e20, 4), overflow);
  EXPECT_EQ(Disp7SegFloatText(1.5e20, 5), QStringLiteral("1.5E20"));
  EXPECT_EQ(Disp7SegFloatText(-0.5, 1), overflow);
}

TEST(Disp7SegText, SideAreaAndRingsShapeTheLayout) {
  const TRect inner(4, 4, 296, 76);
  const TDisp7SegLayout withSide = Disp7SegLayout(300, 80, inner, TDisp7SegFlags{});
  TDisp7SegFlags plain;
  plain.SideArea = false;
  const TDisp7SegLayout without = Disp7SegLayout(300, 80, inner, plain);
  // Side area 0.7 H = 56, margin 4, cell inset 16 / 3 = 5.
  EXPECT_EQ(withSide.Cells, TRect(13, 13, 296 - 56 - 4 - 5, 76 - 4 - 5));
  EXPECT_EQ(without.Cells.Right, 296 - 4 - 5);
  EXPECT_EQ(withSide.TextBox.Top, 4 + 4 + 5);
  plain.BordLeft = false;
  const TDisp7SegLayout open = Disp7SegLayout(300, 80, inner, plain);
  EXPECT_EQ(open.Panel.Left, 4 - 16);
  EXPECT_EQ(open.Cells.Left, 4 + 5);
}

TEST(Disp7Seg, SettersKeepTheirRanges) {
  TDisp7Seg d;
  d.SetDispSize(0);
  EXPECT_EQ(d.DispSize(), 1);
  d.SetDispSize(12);
  EXPECT_EQ(d.DispSize(), 8);
  d.SetDispSize(3);
  d.SetCharPos(5);
  EXPECT_EQ(d.CharPos(), 3);
  d.SetTextEinh(QStringLiteral("0123456789AB"));
  EXPECT_EQ(d.TextEinh(), QStringLiteral("0123456789"));
  d.SetLedEnable(false);
  d.SetLedOn1(true);
  EXPECT_FALSE(d.LedOn1());
  d.SetValueStr(QStringLiteral("ab"));
  EXPECT_EQ(d.ValueStr(), QStringLiteral("AB"));
}

TEST(Disp7Seg, ValueChangesRedrawOnlyChangedCells) {
  TDisp7Seg d;
  d.resize(300, 80);
  d.SetDispSize(3);
  d.SetValueInt(7);
  d.SurfaceImage();
  EXPECT_EQ(LitPixels(d, 1), 0);
  EXPECT_EQ(LitPixels(d, 2), 0);
  EXPECT_GT(LitPixels(d, 3), 0);

  // Paint over the first cell behind the control's back: a value that leaves
  // the cell blank must not touch it, one that changes it must.
  const TRect first = d.Geometry().Cells;
  d.Canvas().Brush.Color = clRed;
  d.Canvas().FillRect(TRect(first.Left, first.Top, first.Left + 4, first.Top + 4));
  d.SetValueInt(8);
  EXPECT_EQ(PixelAt(d.SurfaceImage(), first.Left + 1, first.Top + 1), clRed);
  d.SetValueInt(100);
  EXPECT_EQ(PixelAt(d.SurfaceImage(), first.Left + 1, first.Top + 1), d.ColBack());

  d.SetCharPos(2);
  d.SetValueChar(u'-');
  EXPECT_EQ(d.ValueChar(), QChar(u'-'));
  EXPECT_LT(LitPixels(d, 2), LitPixels(d, 3));
}

TEST(Disp7Seg, SilverLeavesOutThePanelButNotTheCells) {
  TDisp7Seg d;
  d.resize(300, 80);
  d.SetColBack(clSilver);
  d.SetValueStr(QStringLiteral("  "));
  const QImage img = d.SurfaceImage();
  const TDisp7SegLayout& l = d.Geometry();
  EXPECT_EQ(CountColour(img, TRect(l.Panel.Left, l.Panel.Top, l.Panel.Right, l.Panel.Top + 1), clWhite), 0);
  EXPECT_EQ(PixelAt(img, l.Cells.Left + 2, l.Cells.Top + 2), clSilver);
}

// Blinking LEDs follow the shared blink clock; one switched on blinks in the
// opposite phase to one switched off.
TEST(Disp7Seg, LedsBlinkInOppositePhases) {
  TDisp7Seg d;
  d.resize(300, 80);
  d.SurfaceImage();
  d.SetLedBlink1(true);
  d.SetLedOn2(true);
  d.SetLedBlink2(true);
  auto lit = [&](int i) {
    const TPoint c = i == 1 ? d.Geometry().Led1 : d.Geometry().Led2;
    return PixelAt(d.SurfaceImage(), c.X, c.Y) == (i == 1 ? d.ColLed1() : d.ColLed2());
  };
  bool first[2];
  for (bool& f : first) {
    for (int i = 0; i < 7; ++i) TimerTick();
    f = lit(1);
    EXPECT_NE(lit(2), f);
  }
  EXPECT_NE(first[0], first[1]);
}
