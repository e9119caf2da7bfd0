#include "meters/meter270.h"
#include "meters/meters_classes.h"

#include "buttons/led.h"
#include "formtest.h"
#include "foundation/helpers.h"
#include "foundation/tickregistry.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <cmath>
#include <memory>

using namespace Veltor;
using VeltorTest::CountColour;
using VeltorTest::PixelAt;

namespace {

std::unique_ptr<TMeter270> Painted() {
  auto m = std::make_unique<TMeter270>();
  m->PaintNow();
  return m;
}

// The pixel at `units` dial units from the centre in the direction of value v.
TColor DialPixel(TMeter270& m, double v, int units) {
  const TMeter270Layout& l = m.Layout();
  const double a = -135 + m.Model().Fraction(v) * TMeter270::kSweep;
  const TPoint p = RotatePoint(l.C, l.P(0, units), a);
  return PixelAt(m.SurfaceImage(), p.X, p.Y);
}

}  // namespace

TEST(Meter270, LayoutOfTheDefaultMeter) {
  auto m = Painted();
  const TMeter270Layout& l = m->Layout();
  EXPECT_EQ(l.M, 5);
  const TPoint c = l.C;
  const auto unturned = [&](TPoint p) { return RotatePoint(c, p, 135); };
  EXPECT_EQ(unturned(l.Needle[2]).X - unturned(l.Needle[1]).X, 10);
  EXPECT_EQ(unturned(l.Peak[2]).X - unturned(l.Peak[1]).X, 16);  // 2 x (5 x 17 div 10)
  EXPECT_LT(unturned(l.Needle[0]).Y, c.Y - l.HubRadius);         // tip above the hub
  EXPECT_EQ(l.LedRadius, l.HubRadius / 2);
  EXPECT_EQ(m->InnerRect(), l.R);
}

TEST(Meter270, ZonesNeedleAndLeds) {
  auto m = Painted();
  EXPECT_EQ(DialPixel(*m, 5, 615), clYellow);
  EXPECT_EQ(DialPixel(*m, 30, 615), clNavy);
  EXPECT_EQ(DialPixel(*m, 62, 615), clLime);
  EXPECT_EQ(DialPixel(*m, 90, 615), clRed);
  EXPECT_EQ(DialPixel(*m, 50, 500), clNavy);

  // Needle at the start (lower left), then at the end (lower right).
  EXPECT_EQ(DialPixel(*m, 0, 500), clRed);
  m->SetValue(100);
  EXPECT_EQ(DialPixel(*m, 0, 500), clNavy);
  EXPECT_EQ(DialPixel(*m, 100, 500), clRed);
  EXPECT_EQ(DialPixel(*m, 50, 500), clNavy);

  m->SetLedOn1(true);
  const TMeter270Layout& l = m->Layout();
  EXPECT_EQ(PixelAt(m->SurfaceImage(), l.Leds[0].X, l.Leds[0].Y), clRed);
  EXPECT_EQ(PixelAt(m->SurfaceImage(), l.Leds[1].X, l.Leds[1].Y), LedDarkColor(clLime));
  m->SetValue(40);  // recomposed: the LEDs stay
  EXPECT_EQ(PixelAt(m->SurfaceImage(), l.Leds[0].X, l.Leds[0].Y), clRed);
}

TEST(Meter270, PeakPointerStaysAtTheHighestValue) {
  auto m = Painted();
  m->SetPeakMode(ppPeak);
  m->SetValue(80);
  m->SetValue(20);
  const TMeter270Layout& l = m->Layout();
  const double a = m->Model().Fraction(80) * TMeter270::kSweep;
  const auto centroid = [&] {
    int x = 0, y = 0;
    for (const TPoint& p : l.Peak) {
      const TPoint q = RotatePoint(l.C, p, a);
      x += q.X;
      y += q.Y;
    }
    return PixelAt(m->SurfaceImage(), x / 3, y / 3);
  };
  EXPECT_EQ(centroid(), clYellow);
  m->ResetPeak();
  EXPECT_NE(centroid(), clYellow);
}

TEST(Meter270, EndLabelBlinksAboveTheScale) {
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  auto m = Painted();
  const TRect box = m->EndLabelBox();
  ASSERT_FALSE(box.IsEmpty());
  const QImage before = m->SurfaceImage();
  m->SetValue(150);
  EXPECT_EQ(m->ReadoutText(), "150.0");
  const QImage marked = m->SurfaceImage();
  const TPoint p{box.Left + 1, box.Top + 1};
  EXPECT_NE(PixelAt(marked, p.X, p.Y), PixelAt(before, p.X, p.Y));
  for (int i = 0; i < 7; ++i) TimerTick();  // one blink half period
  EXPECT_EQ(PixelAt(m->SurfaceImage(), p.X, p.Y), PixelAt(before, p.X, p.Y));
  m->SetValue(50);
  for (int i = 0; i < 14; ++i) TimerTick();
  EXPECT_EQ(PixelAt(m->SurfaceImage(), p.X, p.Y), PixelAt(before, p.X, p.Y));
}

TEST(Meter270, DampedNeedleMovesOnTheTick) {
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  auto m = Painted();
  QSignalSpy upper(m.get(), &TMeter270::OnUpperLim);
  m->SetDamping(1);
  m->SetValue(100);
  EXPECT_EQ(m->Model().ShownValue(), 50);
  TimerTick();
  EXPECT_EQ(m->Model().ShownValue(), 75);
  TimerTick();
  EXPECT_EQ(m->Model().ShownValue(), 87.5);
  EXPECT_EQ(upper.count(), 1);
  m->SetDamping(0);
  TimerTick();
  EXPECT_EQ(m->Model().ShownValue(), 87.5);
}

TEST(Meter270, StoredFormKeepsValuesAndARangeWithoutWidthDrawsAOneUnitScale) {
  RegisterMeterClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TMeter270" name="Drehzahl">
   <property name="geometry"><rect><x>0</x><y>0</y><width>200</width><height>200</height></rect></property>
   <property name="Shape"><enum>sstCircle</enum></property>
   <property name="PeakMode"><enum>ppDrag</enum></property>
   <property name="ValueStart"><double>10</double></property>
   <property name="ValueEnd"><double>5</double></property>
   <property name="ValueMinE"><double>-50</double></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* m = form->findChild<TMeter270*>("Drehzahl");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->Shape(), sstCircle);
  EXPECT_EQ(m->PeakMode(), ppDrag);
  EXPECT_EQ(m->ValueEnd(), 5);
  EXPECT_EQ(m->ValueMinE(), -50);
  m->PaintNow();
  m->SetValue(10.5);  // half way: the needle points straight up
  const TMeter270Layout& l = m->Layout();
  const QImage img = m->SurfaceImage();
  EXPECT_EQ(PixelAt(img, l.C.X, l.P(0, 500).Y), clRed);
  EXPECT_FALSE(m->EndLabelBox().IsEmpty());
  EXPECT_GT(m->EndLabelBox().Left, l.C.X);
}

TEST(Meter270, DecadeScaleHasALabelPerDecade) {
  auto m = Painted();
  m->SetNonLinear(true);
  EXPECT_EQ(m->Model().Decades(), 5);
  m->SetValue(1);
  EXPECT_EQ(DialPixel(*m, 1, 500), clRed);
  EXPECT_GT(m->EndLabelBox().Left, m->Layout().C.X);
  EXPECT_LT(m->StartLabelBox().Left, m->Layout().C.X);
}

TEST(Meter270, IncrementalPictureEqualsAFullRepaint) {
  auto m = Painted();
  m->SetPeakMode(ppPeak);
  m->SetLedOn2(true);
  for (double v : {30.0, 70.0, 45.5, 99.0, 12.34, 12.35}) m->SetValue(v);
  const QImage incremental = m->SurfaceImage();
  m->Invalidate();
  m->PaintNow();
  EXPECT_EQ(VeltorTest::ImageDifference(incremental, m->SurfaceImage()), QString());
  EXPECT_EQ(m->ReadoutText(), "12.35");
}
