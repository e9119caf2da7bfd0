// The widget-free parts of the straight controls and the ten-turn pot: the
// decade range, value <-> pixel mappings, detents, the slider's geometry,
// the fine turn and the read-out text.

#include "foundation/numformat.h"
#include "potis/poti10t_layout.h"
#include "potis/poti_model.h"
#include "potis/slide_model.h"
#include "potis/slider_layout.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Veltor;

namespace {

TPotiModel Range(double start, double end, double value, bool decades = false) {
  TPotiModel m(1000);
  m.SetEnd(end);
  m.SetStart(start);
  m.SetEnd(end);
  m.SetDecadeMode(decades);
  m.SetValue(value);
  return m;
}

}  // namespace

TEST(DecadeRange, SwitchingOnBringsTheRangeAboveZeroInWholeDecades) {
  TPotiModel m(1000);  // 0..10, value 0
  m.SetDecadeMode(true);
  EXPECT_DOUBLE_EQ(m.Start(), 0.001);
  EXPECT_DOUBLE_EQ(m.End(), 10);
  EXPECT_DOUBLE_EQ(m.Value(), 0.001);

  TPotiModel upsideDown(1000);
  upsideDown.LoadStart(3);
  upsideDown.LoadEnd(2);
  upsideDown.SetDecadeMode(true);  // an empty range becomes a hundredfold
  EXPECT_DOUBLE_EQ(upsideDown.Start(), 1);
  EXPECT_DOUBLE_EQ(upsideDown.End(), 100);
  EXPECT_DOUBLE_EQ(upsideDown.Value(), 1);
}

TEST(DecadeRange, EndsSnapToTheirDecadeAndStayADecadeApart) {
  TPotiModel m = Range(1, 100, 5, true);
  m.SetStart(35);  // snaps down to its decade
  EXPECT_DOUBLE_EQ(m.Start(), 10);
  m.SetEnd(15);  // would snap onto the start: kept a decade above it
  EXPECT_DOUBLE_EQ(m.End(), 100);
  m.SetStart(100);  // at the end: one below, then a decade below the end
  EXPECT_DOUBLE_EQ(m.Start(), 10);
  m.SetEnd(2000);
  EXPECT_DOUBLE_EQ(m.End(), 1000);
  m.SetStart(0.0004);
  EXPECT_DOUBLE_EQ(m.Start(), 0.001);
  // Off again, the linear rules alone apply.
  m.SetDecadeMode(false);
  m.SetStart(35);
  EXPECT_DOUBLE_EQ(m.Start(), 35);
}

TEST(SlideTrack, LinearValuesRoundTripThroughTheirRow) {
  const TTrack track{20, 200};
  TPotiModel m = Range(0, 10, 10);
  EXPECT_EQ(Track::LinearRow(m, track), 20);  // the end at the top
  m.SetValue(0);
  EXPECT_EQ(Track::LinearRow(m, track), 220);
  m.SetValue(2.5);
  EXPECT_EQ(Track::LinearRow(m, track), 170);
  EXPECT_DOUBLE_EQ(Track::LinearValueAt(m, track, 170), 2.5);
  EXPECT_DOUBLE_EQ(Track::LinearValueAt(m, track, 240), -1);  // not clamped

  TPotiModel wide = Range(-300, 700, 0);
  for (double v = -300; v <= 700; v += 12.5) {
    wide.SetValue(v);
    EXPECT_NEAR(Track::LinearValueAt(wide, track, Track::LinearRow(wide, track)), v, 1000.0 / 200) << v;
  }
}

TEST(SlideTrack, DecadeValuesRoundTripThroughTheirRow) {
  const TTrack track{10, 200};
  TPotiModel m = Range(0.001, 10, 0.1, true);  // four decades, 50 rows each
  EXPECT_EQ(Track::DecadeRow(m, track), 110);
  EXPECT_NEAR(Track::DecadeValueAt(m, track, 160), 0.01, 1e-6);
  EXPECT_NEAR(Track::DecadeValueAt(m, track, 10), 10, 1e-4);
  for (int k = 0; k <= 32; ++k) {
    const double v = 0.001 * std::pow(10, k / 8.0);
    m.SetValue(v);
    const double back = Track::DecadeValueAt(m, track, Track::DecadeRow(m, track));
    // One row is a fiftieth of a decade.
    EXPECT_LT(std::fabs(std::log10(back / v)), 1.0 / 50) << v;
  }
}

TEST(SlideTrack, DetentsLieEvenlyFromTheBottomUp) {
  const TTrack track{10, 90};
  for (int p = 0; p <= 3; ++p) {
    EXPECT_EQ(Track::DetentRow(3, track, p), 100 - 30 * p);
    EXPECT_EQ(Track::DetentAt(3, track, 100 - 30 * p + 14), p);
    EXPECT_EQ(Track::DetentAt(3, track, 100 - 30 * p - 14), p);
  }
  EXPECT_GT(Track::DetentAt(3, track, -20), 3);
  EXPECT_LT(Track::DetentAt(3, track, 120), 0);
}

TEST(SliderGeometry, ButtonShapeAndTrenchFollowTheProperties) {
  TSliderLook look;
  look.ButtonSize = 10;
  look.TrenchWidth = 3;
  const std::tuple<TButtonDir, int, int> shapes[] = {{btCrossWise, 4, 10}, {btLengthWise, 10, 4}, {btSquare, 10, 10}};
  for (const auto& [dir, along, across] : shapes) {
    look.ButtonDir = dir;
    const TSliderLayout l = SliderLayout(look, 150, 30);
    EXPECT_EQ(l.Along, along) << dir;
    EXPECT_EQ(l.Across, across) << dir;
    EXPECT_EQ(l.Trench, TRect(l.Inner.Left + along, 12, l.Inner.Right - along, 18)) << dir;
    EXPECT_EQ(l.ButtonAt(50), TRect(50 - along, 15 - across, 50 + along, 15 + across)) << dir;
  }
  look.Vertical = true;
  const TSliderLayout v = SliderLayout(look, 30, 150);
  EXPECT_EQ(v.Trench, TRect(12, v.Inner.Top + 10, 18, v.Inner.Bottom - 10));
  EXPECT_EQ(v.Track.Start, v.Trench.Top);
  EXPECT_EQ(v.Track.Length, v.Trench.Height());
}

TEST(SliderGeometry, ShapeDecidesTheOrientationAndLimitsTheCrossSide) {
  const std::tuple<int, int, TOrientation, int, int> cases[] = {
      {30, 200, orVertical, 30, 200},   {200, 80, orHorizontal, 200, 50}, {10, 200, orVertical, 15, 200},
      {200, 10, orHorizontal, 200, 15}, {40, 40, orHorizontal, 40, 40},   {80, 90, orVertical, 50, 90}};
  for (const auto& [w, h, orientation, width, height] : cases) {
    const TSliderShape s = SliderShape(w, h);
    EXPECT_EQ(s.Orientation, orientation) << w << "x" << h;
    EXPECT_EQ(QSize(s.Width, s.Height), QSize(width, height)) << w << "x" << h;
  }
}

TEST(SliderGeometry, ValueAndButtonCentreRoundTripBothWays) {
  TSliderLook look;
  TPotiModel m = Range(-50, 150, 0);
  for (const bool vertical : {false, true}) {
    look.Vertical = vertical;
    const TSliderLayout l = SliderLayout(look, vertical ? 30 : 220, vertical ? 220 : 30);
    for (double v = -50; v <= 150; v += 10) {
      m.SetValue(v);
      const int centre = SliderButtonCentre(m, l);
      const double back = vertical ? SliderValueAt(m, l, 0, centre) : SliderValueAt(m, l, centre, 0);
      EXPECT_NEAR(back, v, 200.0 / l.Track.Length) << v << (vertical ? " vertical" : " horizontal");
    }
    m.SetValue(-50);  // the near end: left, or bottom
    EXPECT_EQ(SliderButtonCentre(m, l), vertical ? l.Trench.Bottom : l.Trench.Left);
  }
  // Beyond the ends the value is clamped.
  const TSliderLayout h = SliderLayout(TSliderLook{}, 220, 30);
  EXPECT_EQ(SliderValueAt(m, h, h.Trench.Right + 30, 0), 150);
  EXPECT_EQ(SliderValueAt(m, h, 0, 0), -50);
}

TEST(SliderGeometry, DetentsAndTicks) {
  const TPotiModel m = Range(0, 100, 0);
  EXPECT_EQ(SliderDetent(m, 4, 60), 2);  // 2.4
  EXPECT_EQ(SliderDetent(m, 4, 65), 3);  // 2.6
  EXPECT_DOUBLE_EQ(SliderDetentValue(m, 4, 3), 75);

  TSliderLook look;
  look.ButtonSize = 10;
  const TSliderLayout l = SliderLayout(look, 150, 20);
  const std::vector<int> ticks = l.TickPlaces(2);
  const int left = l.Trench.Left, width = l.Trench.Width();
  // The end ticks sit one pixel further in.
  EXPECT_EQ(ticks, (std::vector<int>{left + 1, left + int(RoundHalfEven(width / 2.0)), left + width - 1}));
}

TEST(FineTurn, AWholeTurnIsATenthOfTheRangeWhereverTheSeamIs) {
  double sum = 0;
  for (int step = 0; step < 36; ++step) sum += FineStep(20, (200 + 10 * step) % 360, (210 + 10 * step) % 360);
  EXPECT_NEAR(sum, 2, 1e-9);
  EXPECT_NEAR(FineStep(10, 350, 10), 10 * 20.0 / 3600, 1e-12);  // across 6 o'clock
  EXPECT_NEAR(FineStep(10, 10, 350), -10 * 20.0 / 3600, 1e-12);
  EXPECT_NEAR(FineStep(10, 90, 60), -10 * 30.0 / 3600, 1e-12);
}

TEST(Readout, DecimalsFollowTheRangeOrTheValue) {
  EXPECT_EQ(ReadoutDecimals(true, 0, 0, 10), 2);  // the end 10 is not below 10
  EXPECT_EQ(ReadoutDecimals(true, 0, 0, 9.5), 3);
  EXPECT_EQ(ReadoutDecimals(true, 0, -10, 5), 2);
  EXPECT_EQ(ReadoutDecimals(true, 0, -100, 50), 1);
  EXPECT_EQ(ReadoutDecimals(true, 0, 0, 1000), 0);
  EXPECT_EQ(ReadoutDecimals(false, 9.5, 0, 100), 3);
  EXPECT_EQ(ReadoutDecimals(false, -99, 0, 100), 2);
  EXPECT_EQ(ReadoutDecimals(false, 500, 0, 1000), 1);
  EXPECT_EQ(ReadoutDecimals(false, 1000, 0, 1000), 0);

  EXPECT_EQ(ReadoutText(0, 2), " 0.00");
  EXPECT_EQ(ReadoutText(3.217, 2), " 3.22");
  EXPECT_EQ(ReadoutText(-12.5, 2), "-12.50");
  EXPECT_EQ(ReadoutText(7, 0), "7");  // no padding without decimals
}
