// Spy eyes: the geometry, where a pupil sits for a pointer on and off the
// axes, and the pupils drawn on the control.
#include "system/spy.h"

#include "testutil.h"

#include <gtest/gtest.h>

using namespace Veltor;
using VeltorTest::PixelAt;

TEST(SpyLayout, EyesPupilAndMargin) {
  const TSpyLayout l = SpyLayout(100, 100);
  EXPECT_EQ(l.Eye[0].Right, 49);
  EXPECT_EQ(l.Eye[1].Left, 51);
  EXPECT_EQ(l.Eye[1].Right, 100);
  EXPECT_EQ(l.Centre[0], QPointF(25, 50));
  EXPECT_EQ(l.Centre[1], QPointF(76, 50));
  EXPECT_EQ(l.PupilRadius, 13);  // (100 + 100) div 15
  EXPECT_EQ(l.Margin, 17);       // trunc(13 * 1.175) + 2
  EXPECT_DOUBLE_EQ(l.A[0], 7.5);
  EXPECT_DOUBLE_EQ(l.A[1], 7.5);
  EXPECT_DOUBLE_EQ(l.B, 33);
  // A tiny control has a one-pixel pupil.
  EXPECT_EQ(SpyLayout(10, 40).PupilRadius, 1);
  EXPECT_EQ(SpyLayout(40, 10).PupilRadius, 1);
  EXPECT_EQ(SpyLayout(11, 11).PupilRadius, 1);
  EXPECT_EQ(SpyLayout(40, 11).PupilRadius, 3);
  EXPECT_EQ(SpyLayout(10, 40).Margin, 3);
  // Eyes narrower than their margins leave no room across, never less.
  const TSpyLayout tall = SpyLayout(60, 120);
  EXPECT_EQ(tall.A[0], 0);
  EXPECT_EQ(tall.B, 44);
  EXPECT_EQ(PupilPosition(TPoint(30, -300), tall.Centre[0], tall.A[0], tall.B), TPoint(15, 16));
}

TEST(SpyPupil, OnTheAxesEachCoordinateIsClampedAlone) {
  const QPointF c(25, 50);
  EXPECT_EQ(PupilPosition(TPoint(200, 50), c, 7.5, 33), TPoint(32, 50));
  EXPECT_EQ(PupilPosition(TPoint(-200, 50), c, 7.5, 33), TPoint(17, 50));
  EXPECT_EQ(PupilPosition(TPoint(28, 50), c, 7.5, 33), TPoint(28, 50));
  EXPECT_EQ(PupilPosition(TPoint(25, 0), c, 7.5, 33), TPoint(25, 17));
  EXPECT_EQ(PupilPosition(TPoint(25, 500), c, 7.5, 33), TPoint(25, 83));
  EXPECT_EQ(PupilPosition(TPoint(25, 60), c, 7.5, 33), TPoint(25, 60));
  EXPECT_EQ(PupilPosition(TPoint(25, 50), c, 7.5, 33), TPoint(25, 50));
}

TEST(SpyPupil, OffTheAxesThePupilMeetsTheEllipse) {
  const QPointF c(25, 50);
  // 45 degrees: rho = 7.5 * 33 / sqrt((33^2 + 7.5^2) / 2) = 10.343.
  EXPECT_EQ(PupilPosition(TPoint(125, 150), c, 7.5, 33), TPoint(32, 57));
  EXPECT_EQ(PupilPosition(TPoint(-75, 150), c, 7.5, 33), TPoint(17, 57));
  EXPECT_EQ(PupilPosition(TPoint(-75, -50), c, 7.5, 33), TPoint(17, 42));
  // Nearly straight down, the tall semi-axis is the one that counts.
  EXPECT_EQ(PupilPosition(TPoint(26, 150), c, 7.5, 33), TPoint(25, 82));
  // Inside the room the pupil sits at the pointer.
  EXPECT_EQ(PupilPosition(TPoint(27, 52), c, 7.5, 33), TPoint(27, 52));
  EXPECT_EQ(PupilPosition(TPoint(26, 80), c, 7.5, 33), TPoint(26, 80));
}

TEST(Spy, DefaultsAndNoWiderThanHigh) {
  TSpy spy;
  EXPECT_EQ(spy.size(), QSize(100, 100));
  EXPECT_TRUE(spy.Active());
  EXPECT_EQ(spy.EyeColor(), clWhite);
  EXPECT_EQ(spy.BordColor(), clNavy);
  EXPECT_EQ(spy.PupilColor(), clBlack);
  spy.show();
  spy.resize(200, 80);
  EXPECT_EQ(spy.size(), QSize(80, 80));
  spy.resize(60, 90);
  EXPECT_EQ(spy.size(), QSize(60, 90));
}

TEST(Spy, PupilsFollowThePointerAndLeaveNoTrace) {
  TSpy spy;
  spy.SetPupilColor(clRed);
  spy.PaintNow();
  EXPECT_EQ(spy.DrawnPupil(0), TPoint(-1, -1));

  spy.Follow(spy.mapToGlobal(QPoint(1000, 50)));
  EXPECT_EQ(spy.DrawnPupil(0), TPoint(32, 50));
  EXPECT_EQ(spy.DrawnPupil(1), TPoint(83, 50));
  QImage img = spy.SurfaceImage();
  EXPECT_EQ(PixelAt(img, 32, 50), clRed);
  EXPECT_EQ(PixelAt(img, 83, 50), clRed);
  EXPECT_EQ(PixelAt(img, 40, 50), clRed);
  EXPECT_EQ(PixelAt(img, 25, 20), clWhite);

  spy.Follow(spy.mapToGlobal(QPoint(-1000, 50)));
  EXPECT_EQ(spy.DrawnPupil(0), TPoint(17, 50));
  img = spy.SurfaceImage();
  EXPECT_EQ(PixelAt(img, 17, 50), clRed);
  EXPECT_EQ(PixelAt(img, 40, 50), clWhite);  // the old pupils are gone
  EXPECT_EQ(PixelAt(img, 91, 50), clWhite);
}

TEST(Spy, InactiveEyesHaveNoPupilsAfterARepaint) {
  TSpy spy;
  spy.PaintNow();
  spy.Follow(spy.mapToGlobal(QPoint(1000, 50)));
  spy.SetActive(false);
  EXPECT_FALSE(spy.Active());
  spy.PaintNow();
  EXPECT_EQ(spy.DrawnPupil(0), TPoint(-1, -1));
  EXPECT_EQ(PixelAt(spy.SurfaceImage(), 32, 50), clWhite);
  // Active again, a repaint shows the pupils where the pointer was seen.
  spy.SetActive(true);
  spy.PaintNow();
  EXPECT_EQ(spy.DrawnPupil(0), TPoint(32, 50));
  EXPECT_EQ(PixelAt(spy.SurfaceImage(), 32, 50), clBlack);
}
