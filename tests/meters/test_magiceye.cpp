#include "meters/magiceye.h"

#include "foundation/numformat.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Veltor;
using VeltorTest::CountColour;
using VeltorTest::PixelAt;

namespace {

std::unique_ptr<TMagicEye> Painted(int w = 150, int h = 30) {
  auto e = std::make_unique<TMagicEye>();
  e->resize(w, h);
  e->PaintNow();
  return e;
}

// The colours along the middle row (or column) of the strip.
int Count(TMagicEye& e, TColor c) {
  const TRect s = e.Strip();
  const int y = (s.Top + s.Bottom) / 2;
  return CountColour(e.SurfaceImage(), TRect(s.Left, y, s.Right, y + 1), c);
}

}  // namespace

TEST(MagicEye, BandRules) {
  // Defaults: 3..7 of 0..10.
  TEyeBand b = MagicEyeBand(0, 10, 3, 7, 100);
  EXPECT_EQ(b.First, 30);
  EXPECT_EQ(b.Last, 70);
  EXPECT_FALSE(b.Inverse);
  // Edges the wrong way round: the same band, inverse.
  b = MagicEyeBand(0, 10, 8, 2, 100);
  EXPECT_EQ(b.First, 20);
  EXPECT_EQ(b.Last, 80);
  EXPECT_TRUE(b.Inverse);
  // Positions outside the scale are held at its ends.
  b = MagicEyeBand(0, 10, -4, 5, 100);
  EXPECT_EQ(b.First, 0);
  EXPECT_EQ(b.Last, 50);
  b = MagicEyeBand(0, 10, 5, 40, 100);
  EXPECT_EQ(b.Last, 100);
  // No width: one pixel, inside the strip even at its far end.
  b = MagicEyeBand(0, 10, 4, 4, 100);
  EXPECT_EQ(b.Last - b.First, 1);
  b = MagicEyeBand(0, 10, 10, 12, 100);
  EXPECT_EQ(b.First, 99);
  EXPECT_EQ(b.Last, 100);
  // A scale not increasing (from a stored form) does not divide by zero.
  b = MagicEyeBand(5, 5, 5, 6, 100);
  EXPECT_EQ(b.Last - b.First, 1);
}

TEST(MagicEye, StripShowsTheBand) {
  auto e = Painted();
  const TRect s = e->Strip();
  const int len = s.Width();
  EXPECT_EQ(Count(*e, clLime), int(RoundHalfEven(0.7 * len)) - int(RoundHalfEven(0.3 * len)));
  const int y = (s.Top + s.Bottom) / 2;
  EXPECT_EQ(PixelAt(e->SurfaceImage(), s.Left, y), clBlack);
  EXPECT_EQ(PixelAt(e->SurfaceImage(), s.Left + len / 2, y), clLime);
  // The sunken edge just outside the strip.
  EXPECT_EQ(PixelAt(e->SurfaceImage(), s.Left - 1, y), clGray);
  EXPECT_EQ(PixelAt(e->SurfaceImage(), s.Right, y), clWhite);

  e->SetStartPos(8);
  e->SetEndPos(2);
  EXPECT_EQ(Count(*e, clLime), 0);
  EXPECT_EQ(Count(*e, clRed), int(RoundHalfEven(0.8 * len)) - int(RoundHalfEven(0.2 * len)));
  e->SetColorEyeInv(clYellow);
  EXPECT_EQ(Count(*e, clRed), 0);
  EXPECT_GT(Count(*e, clYellow), 0);
}

TEST(MagicEye, ScaleEndsStayApart) {
  TMagicEye e;
  e.SetEndValue(0);
  EXPECT_EQ(e.EndValue(), 1);
  e.SetStartValue(3);
  EXPECT_EQ(e.StartValue(), 0);
  e.SetEndValue(20);
  e.SetStartValue(25);
  EXPECT_EQ(e.StartValue(), 19);
}

TEST(MagicEye, VerticalStripCountsFromTheBottom) {
  auto e = Painted(30, 150);
  e->SetDirection(orVertical);
  e->SetStartPos(0);
  e->SetEndPos(2.5);
  const TRect s = e->Strip();
  const int x = (s.Left + s.Right) / 2;
  const QImage img = e->SurfaceImage();
  EXPECT_EQ(PixelAt(img, x, s.Bottom - 1), clLime);
  EXPECT_EQ(PixelAt(img, x, s.Top), clBlack);
  EXPECT_EQ(CountColour(img, TRect(x, s.Top, x + 1, s.Bottom), clLime), int(RoundHalfEven(0.25 * s.Height())));
}
