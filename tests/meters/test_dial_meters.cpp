#include "meters/meter120.h"
#include "meters/meter180.h"
#include "meters/meter270.h"
#include "meters/meter360.h"
#include "meters/meters_classes.h"

// Both enumerations named TOrientType must be usable side by side.
#include "buttons/buttontypes.h"
#include "meters/meterstypes.h"

#include "buttons/led.h"
#include "formtest.h"
#include "foundation/tickregistry.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

const MeterEnums::TOrientType kOrients[] = {MeterEnums::orTop, MeterEnums::orBottom, MeterEnums::orLeft,
                                            MeterEnums::orRight};

// The pixel `units` dial units from the pivot (measured along the template
// axis) in the screen direction `clock` degrees clockwise from 12 o'clock.
TColor PixelToward(TDialMeter& m, double clock, int units) {
  const TDialLayout& l = m.Layout();
  const int r = std::abs(l.P(0, units).Y - l.C.Y);
  const double a = clock * M_PI / 180;
  const int x = l.C.X + int(std::lround(r * std::sin(a)));
  const int y = l.C.Y - int(std::lround(r * std::cos(a)));
  return PixelAt(m.SurfaceImage(), x, y);
}

// Screen directions (degrees clockwise from 12 o'clock) of the scale start,
// middle and end for each orientation.
struct TDirections {
  double Start, Mid, End;
};

// Square, wide and tall controls take the different ways the frames fit.
template <typename TMeter>
void ExpectNeedleDirections(const TDirections (&expected)[4], int units) {
  const TPoint sizes[] = {{400, 400}, {600, 200}, {200, 600}};
  for (int i = 0; i < 12; ++i) {
    SCOPED_TRACE(i);
    TMeter m;
    m.resize(sizes[i / 4].X, sizes[i / 4].Y);
    m.SetOrientation(kOrients[i % 4]);
    m.PaintNow();
    const TDirections& d = expected[i % 4];
    EXPECT_EQ(PixelToward(m, d.Start, units), clRed);
    EXPECT_NE(PixelToward(m, d.End, units), clRed);
    m.SetValue(50);
    EXPECT_EQ(PixelToward(m, d.Mid, units), clRed);
    EXPECT_NE(PixelToward(m, d.Mid + 180, units), clRed);
    m.SetValue(100);
    EXPECT_EQ(PixelToward(m, d.End, units), clRed);
    m.SetValue(250);  // parked at the end
    EXPECT_EQ(PixelToward(m, d.End, units), clRed);
  }
}

double Distance(TPoint c, int x, int y) { return std::hypot(x - c.X, y - c.Y); }

// Nearest and farthest distance of a rectangle's points from c.
double Nearest(TPoint c, const TRect& r) {
  const int x = std::clamp(c.X, r.Left, r.Right);
  const int y = std::clamp(c.Y, r.Top, r.Bottom);
  return Distance(c, x, y);
}

double Farthest(TPoint c, const TRect& r) {
  return std::max({Distance(c, r.Left, r.Top), Distance(c, r.Right, r.Top), Distance(c, r.Left, r.Bottom),
                   Distance(c, r.Right, r.Bottom)});
}

bool Meet(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

// Radius in pixels of the tick ends at `units`: ticks are turned copies of
// one along the template axis.
double Radius(const TDialLayout& l, int units) { return std::abs(l.P(0, units).Y - l.C.Y); }

// Every label of a single-needle dial lies beyond the outer tick end, off the
// hub, the read-out box and the caption.
void ExpectLabelsClear(TRoundMeter& m) {
  const TDialLayout& l = m.Layout();
  ASSERT_GE(m.LabelBoxes().size(), 11u);
  for (const TRect& box : m.LabelBoxes()) {
    EXPECT_GT(Nearest(l.C, box), Radius(l, l.TickOuter)) << box.Left << "," << box.Top;
    EXPECT_GT(Nearest(l.C, box), l.HubRadius);
    EXPECT_FALSE(Meet(box, l.Readout));
    EXPECT_FALSE(Meet(box, m.CaptionBox()));
  }
}

}  // namespace

TEST(OrientedMeters, NeedleRunsTheWayTheOrientationSays) {
  // 120: 10 -> 2 o'clock over the top, 8 -> 4 under the bottom, 5 -> 1 and
  // 7 -> 11 o'clock along the sides.
  const TDirections m120[4] = {{-60, 0, 60}, {240, 180, 120}, {150, 90, 30}, {210, 270, 330}};
  ExpectNeedleDirections<TMeter120>(m120, 620);
  // 180: 9 -> 3 over the top or under the bottom, 6 -> 12 on either side.
  const TDirections m180[4] = {{270, 0, 90}, {270, 180, 90}, {180, 90, 0}, {180, 270, 0}};
  ExpectNeedleDirections<TMeter180>(m180, 500);
}

TEST(OrientedMeters, PivotSitsAtTheEdgeTheScaleTurnsAwayFrom) {
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(i);
    TMeter120 m120;
    TMeter180 m180;
    for (TOrientedMeter* m : {static_cast<TOrientedMeter*>(&m120), static_cast<TOrientedMeter*>(&m180)}) {
      m->SetOrientation(kOrients[i]);
      m->PaintNow();
    }
    // The 120's pivot lies outside the face, the 180's just inside it.
    const TDialLayout& a = m120.Layout();
    const TDialLayout& b = m180.Layout();
    const int across120[4] = {a.C.Y - a.R.Bottom, a.R.Top - a.C.Y, a.R.Left - a.C.X, a.C.X - a.R.Right};
    const int across180[4] = {b.C.Y - b.R.Bottom, b.R.Top - b.C.Y, b.R.Left - b.C.X, b.C.X - b.R.Right};
    EXPECT_GT(across120[i], 0);
    EXPECT_LT(across180[i], 0);
    EXPECT_GT(across180[i], -b.R.Width() / 4);
    // No hub on the 120, one on the 180.
    EXPECT_EQ(a.HubRadius, 0);
    EXPECT_GT(b.HubRadius, 0);
  }
}

TEST(OrientedMeters, Meter120NeedleStaysOnTheFace) {
  for (MeterEnums::TOrientType o : kOrients) {
    SCOPED_TRACE(int(o));
    TMeter120 m;
    m.SetOrientation(o);
    m.SetBordLeft(false);
    m.PaintNow();
    const QImage atStart = m.SurfaceImage();
    m.SetPeakMode(ppPeak);
    m.SetValue(100);
    const QImage atEnd = m.SurfaceImage();
    const TRect face = m.Layout().FaceRect;
    int changedOutside = 0;
    for (int y = 0; y < atStart.height(); ++y)
      for (int x = 0; x < atStart.width(); ++x)
        if (!face.Contains(x, y) && atStart.pixel(x, y) != atEnd.pixel(x, y)) ++changedOutside;
    EXPECT_EQ(changedOutside, 0);
  }
}

TEST(OrientedMeters, DefaultsAndStoredOrientation) {
  TMeter120 m120;
  TMeter180 m180;
  EXPECT_EQ(m120.Width(), 250);
  EXPECT_EQ(m120.Height(), 112);
  EXPECT_EQ(m120.Caption(), "l/min");
  EXPECT_EQ(m180.Height(), 144);
  EXPECT_EQ(m180.Caption(), "U/min x100");
  EXPECT_EQ(m180.Orientation(), MeterEnums::orTop);
  EXPECT_EQ(m180.Shape(), smtRoundrect);

  // The buttons' enumeration of the same name lives on beside it.
  const TOrientType buttonSide = Veltor::orLeft;
  EXPECT_EQ(int(buttonSide), int(MeterEnums::orLeft));

  RegisterMeterClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TMeter180" name="Tacho">
   <property name="Orientation"><enum>orRight</enum></property>
   <property name="Shape"><enum>smtRectangle</enum></property>
  </widget>
  <widget class="TMeter360" name="Hoehe">
   <property name="ValueEnd2"><double>20000</double></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* tacho = form->findChild<TMeter180*>("Tacho");
  ASSERT_TRUE(tacho);
  EXPECT_EQ(tacho->Orientation(), MeterEnums::orRight);
  EXPECT_EQ(tacho->Shape(), smtRectangle);
  auto* hoehe = form->findChild<TMeter360*>("Hoehe");
  ASSERT_TRUE(hoehe);
  EXPECT_EQ(hoehe->ValueEnd2(), 20000);
}

TEST(DialLabels, StayClearOfTicksHubCaptionsAndReadoutAtEverySize) {
  const int sides[] = {80, 130, 200, 310, 450, 600};
  for (int w : sides) {
    for (int h : sides) {
      SCOPED_TRACE(QString("%1x%2").arg(w).arg(h).toStdString());
      for (MeterEnums::TOrientType o : kOrients) {
        TMeter120 m120;
        TMeter180 m180;
        for (TOrientedMeter* m : {static_cast<TOrientedMeter*>(&m120), static_cast<TOrientedMeter*>(&m180)}) {
          m->resize(w, h);
          m->SetOrientation(o);
          m->PaintNow();
          ExpectLabelsClear(*m);
        }
      }
      TMeter360 m;
      m.resize(w, h);
      m.PaintNow();
      const TDialLayout& l = m.Layout();
      ASSERT_EQ(m.InnerLabelBoxes().size(), 10u);  // 0 .. 9000; 10000 would sit on 0
      for (const TRect& box : m.InnerLabelBoxes()) {
        EXPECT_LT(Farthest(l.C, box), Radius(l, 620));
        EXPECT_GT(Nearest(l.C, box), l.HubRadius);
        EXPECT_FALSE(Meet(box, m.Caption1Rect()));
        EXPECT_FALSE(Meet(box, m.Caption2Rect()));
      }
    }
  }
}

TEST(Meter360, TwoNeedlesReadTwoScalesAndGoRound) {
  TMeter360 m;
  m.resize(300, 300);
  m.PaintNow();
  EXPECT_EQ(m.ValueEnd2(), 10000);
  EXPECT_EQ(m.Caption1(), "ALTITUDE");
  EXPECT_EQ(m.ColLed4(), clAqua);
  // Both needles start at the bottom.
  EXPECT_EQ(PixelToward(m, 180, 500), clRed);
  EXPECT_EQ(PixelToward(m, 180, 720), clRed);

  // A quarter of scale 1 is 9 o'clock; three quarters of scale 2 are 3 o'clock.
  m.SetValue1(25);
  m.SetValue2(7500);
  EXPECT_EQ(PixelToward(m, 270, 720), clRed);
  EXPECT_EQ(PixelToward(m, 90, 500), clRed);
  EXPECT_NE(PixelToward(m, 90, 720), clRed);  // needle 2 is the short one
  EXPECT_NE(PixelToward(m, 180, 500), clRed);

  // 12000 on a 0..10000 scale points where 2000 does; the peak stays there.
  m.SetPeakMode(ppPeak);
  m.SetValue2(12000);
  const double at2000 = 180 + 72;
  EXPECT_EQ(PixelToward(m, at2000, 500), clRed);
  m.SetValue2(0);
  EXPECT_EQ(m.Scale2().PeakValue(), 12000);
  EXPECT_EQ(PixelToward(m, at2000, 640), clLime);
  m.ResetPeak();
  EXPECT_NE(PixelToward(m, at2000, 640), clLime);
}

TEST(Meter360, IncrementalPictureEqualsAFullRepaint) {
  TMeter360 m;
  m.PaintNow();
  m.SetPeakMode(ppDrag);
  m.SetLedOn2(true);
  m.SetLedOn4(true);
  for (double v : {3000.0, 8000.0, 14500.0, 200.0}) {
    m.SetValue2(v);
    m.SetValue1(v / 100);
  }
  const QImage incremental = m.SurfaceImage();
  m.Invalidate();
  m.PaintNow();
  EXPECT_EQ(VeltorTest::ImageDifference(incremental, m.SurfaceImage()), QString());
}

TEST(Meter360, LedPairsFollowTheirEnableFlagsAndBlink) {
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  TMeter360 m;
  m.PaintNow();
  const TDialLayout& l = m.Layout();
  ASSERT_EQ(l.Leds.size(), 4u);
  const auto lamp = [&](int i) { return PixelAt(m.SurfaceImage(), l.Leds[i].X, l.Leds[i].Y); };
  // LEDs 3 and 4 sit in the upper corners.
  EXPECT_LT(l.Leds[2].Y, l.C.Y);
  EXPECT_LT(l.Leds[2].X, l.Leds[3].X);
  m.SetLedOn3(true);
  EXPECT_EQ(lamp(2), clYellow);
  EXPECT_EQ(lamp(3), LedDarkColor(clAqua));

  // LED 4 blinks with the blink clock.
  m.SetLedBlink4(true);
  std::set<TColor> seen;
  for (int i = 0; i < 16; ++i) {
    TimerTick();
    seen.insert(lamp(3));
  }
  EXPECT_EQ(seen, (std::set<TColor>{clAqua, LedDarkColor(clAqua)}));

  m.SetLedEnable2(false);
  EXPECT_EQ(lamp(2), clNavy);
  EXPECT_EQ(lamp(0), LedDarkColor(clRed));
}
