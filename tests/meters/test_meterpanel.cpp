#include "meters/meterpanelh.h"
#include "meters/meterpanelv.h"
#include "meters/meters_classes.h"

#include "formtest.h"
#include "foundation/numformat.h"
#include "foundation/tickregistry.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>

#include <memory>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

template <typename T>
std::unique_ptr<T> Painted() {
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  auto m = std::make_unique<T>();
  m->PaintNow();
  return m;
}

// Colour in the middle of LED segment i (1 = lowest) of a LedBar meter.
TColor SegmentColour(TMeterPanelV& m, int i) {
  const TRect& b = m.Layout().Bar;
  const double step = double(b.Bottom - b.Top) / m.LedZahl();
  const int y = b.Bottom - int(step * (i - 0.5));
  return PixelAt(m.SurfaceImage(), (b.Left + b.Right) / 2, y);
}

}  // namespace

TEST(MeterPanelV, ZoneBoundsStayInOrder) {
  TMeterPanelV m;
  m.SetValueMin(45);
  EXPECT_EQ(m.ValueMin(), 40);
  m.SetValueMin(-3);
  EXPECT_EQ(m.ValueMin(), 0);
  m.SetValueMid(-1);
  EXPECT_EQ(m.ValueMid(), 0);
  m.SetValueMid(70);
  EXPECT_EQ(m.ValueMid(), 50);
}

TEST(MeterPanelV, RangeSettersResetZonesAndLimits) {
  TMeterPanelV m;
  m.SetValueEnd(20000);
  EXPECT_EQ(m.ValueEnd(), 9999);
  m.SetValueEnd(100);
  EXPECT_EQ(m.ValueMin(), 20);
  EXPECT_EQ(m.ValueMid(), 80);
  EXPECT_EQ(m.UpperLimit(), 80);
  EXPECT_EQ(m.LowerLimit(), 0);
  m.SetValueStart(50);
  EXPECT_EQ(m.ValueMin(), 60);
  EXPECT_EQ(m.ValueMid(), 90);
  EXPECT_EQ(m.LowerLimit(), 60);
  EXPECT_EQ(m.UpperLimit(), 80);
  m.SetValueStart(-20000);
  EXPECT_EQ(m.ValueStart(), -9999);
  m.SetLedZahl(500);
  EXPECT_EQ(m.LedZahl(), 36);  // Height div 10
  m.SetLedZahl(1);
  EXPECT_EQ(m.LedZahl(), 2);
  m.SetMeterStyle(BarGraph);
  m.SetLedZahl(10);
  EXPECT_EQ(m.LedZahl(), 2);  // only a LED bar takes it
}

TEST(MeterPanelV, DecadeScaleResetsZonesLikeTheRangeSetters) {
  TMeterPanelV m;
  m.SetNonLinear(true);
  EXPECT_EQ(m.ValueStart(), 0.001);
  EXPECT_EQ(m.ValueEnd(), 10);
  EXPECT_DOUBLE_EQ(m.ValueMin(), 0.001 + 0.2 * (10 - 0.001));
  EXPECT_DOUBLE_EQ(m.ValueMid(), 0.001 + 0.8 * (10 - 0.001));
  EXPECT_EQ(m.LowerLimit(), m.ValueMin());
  EXPECT_EQ(m.UpperLimit(), m.ValueMid());
}

TEST(MeterPanelH, RangeSettersMoveOneLimitEach) {
  TMeterPanelH m;
  m.SetValueEnd(5000);
  EXPECT_EQ(m.ValueEnd(), 1000);
  m.SetValueEnd(100);
  EXPECT_EQ(m.UpperLimit(), 80);
  EXPECT_EQ(m.LowerLimit(), 0);
  m.SetValueStart(50);
  EXPECT_EQ(m.LowerLimit(), 60);
  EXPECT_EQ(m.UpperLimit(), 80);
  m.SetCaption(QString(40, QLatin1Char('x')));
  EXPECT_EQ(m.Caption().size(), 32);
}

TEST(MeterPanelV, ReadoutText) {
  EXPECT_EQ(PanelReadoutText(12.5, 0, 50, false), "12.50");
  EXPECT_EQ(PanelReadoutText(5, 0, 50, false), "5.000");
  EXPECT_EQ(PanelReadoutText(0.5, 0, 50, true), " 0.50");
  EXPECT_EQ(PanelReadoutText(0.5, 0, 5, true), "0.500");
  EXPECT_EQ(PanelReadoutText(123.4, 0, 500, true), "123.4");
  EXPECT_EQ(PanelReadoutText(1234, 0, 500, false), "1234");
  // Scales reaching 1000 take five digits in six characters.
  EXPECT_EQ(PanelReadoutText(5, 0, 5000, false), " 5.000");
  EXPECT_EQ(PanelReadoutText(50, 0, 5000, false), "50.000");
  EXPECT_EQ(PanelReadoutText(1234.5, 0, 5000, false), "1234.5");
  EXPECT_EQ(PanelReadoutText(500, -1000, 0, true), "500.00");
  auto m = Painted<TMeterPanelV>();
  m->SetValue(26);
  EXPECT_EQ(m->ReadoutText(), "26.00");
}

TEST(MeterPanelV, LedBarLightsTheSegmentsTheValuePassed) {
  auto m = Painted<TMeterPanelV>();
  ASSERT_EQ(m->MeterStyle(), LedBar);
  m->SetValue(26);  // segments of 2.5: the eleventh starts at 25
  for (int i = 1; i <= 20; ++i) {
    // Zones: up to 10 yellow, up to 40 lime, above red.
    const double lower = (i - 1) * 2.5;
    const TColor zone = lower >= 40 ? clRed : lower >= 10 ? clLime : clYellow;
    EXPECT_EQ(SegmentColour(*m, i), i <= 11 ? zone : m->Dimmed(zone)) << i;
  }
  m->SetValue(0);
  EXPECT_EQ(SegmentColour(*m, 1), m->Dimmed(clYellow));
  // The peak pointer lights the segment it stands in.
  m->SetPeakMode(ppPeak);
  m->SetValue(33);
  m->SetValue(5);
  EXPECT_EQ(SegmentColour(*m, 14), clLime);
  EXPECT_EQ(SegmentColour(*m, 13), m->Dimmed(clLime));
  EXPECT_EQ(SegmentColour(*m, 2), clYellow);
}

TEST(MeterPanelV, LedSegmentLightsWhenTheValueReachesItsLowerEdge) {
  auto m = Painted<TMeterPanelV>();
  const TMeterPanelVLayout& l = m->Layout();
  const TRect& b = l.Bar;
  const double step = double(b.Bottom - b.Top) / m->LedZahl();
  // The value whose row is exactly the lower edge of segment k.
  const auto valueAtEdge = [&](int k) {
    const int row = b.Bottom - int(RoundHalfEven(step * (k - 1)));
    return 50.0 * (l.ScaleBottom - row) / (l.ScaleBottom - l.ScaleTop);
  };
  m->SetValue(valueAtEdge(8));
  EXPECT_EQ(SegmentColour(*m, 8), clLime);
  EXPECT_EQ(SegmentColour(*m, 9), m->Dimmed(clLime));
  // A peak standing on a segment's top edge lights that segment.
  m->SetPeakMode(ppPeak);
  m->SetValue(valueAtEdge(9));
  m->SetValue(0);
  EXPECT_EQ(SegmentColour(*m, 8), clLime);
  EXPECT_EQ(SegmentColour(*m, 9), m->Dimmed(clLime));
  EXPECT_EQ(SegmentColour(*m, 7), m->Dimmed(clLime));
}

TEST(MeterPanelV, PeakPointerStaysVisibleWithTheRightSideOff) {
  auto m = Painted<TMeterPanelV>();
  m->SetMeterStyle(simpleMeter);
  m->SetBordRight(false);
  m->PaintNow();
  m->SetPeakMode(ppPeak);
  m->SetValue(30);
  const TMeterPanelVLayout& l = m->Layout();
  EXPECT_LT(l.PeakBase, m->Width());
  EXPECT_EQ(PixelAt(m->SurfaceImage(), l.PeakBase - 1, m->PeakPos()), clYellow);
}

TEST(MeterPanelV, BarGraphSplitsEachZoneAtTheValue) {
  auto m = Painted<TMeterPanelV>();
  m->SetMeterStyle(BarGraph);
  m->SetValue(30);
  const TMeterPanelVLayout& l = m->Layout();
  const int x = (l.Bar.Left + l.Bar.Right) / 2;
  const auto row = [&](double v) { return l.ScaleBottom - int((v / 50) * (l.ScaleBottom - l.ScaleTop)); };
  const QImage img = m->SurfaceImage();
  EXPECT_EQ(PixelAt(img, x, row(5)), clYellow);
  EXPECT_EQ(PixelAt(img, x, row(25)), clLime);
  EXPECT_EQ(PixelAt(img, x, row(35)), m->Dimmed(clLime));
  EXPECT_EQ(PixelAt(img, x, row(45)), m->Dimmed(clRed));
}

TEST(MeterPanelV, UpperLimitFiresOncePerCrossing) {
  auto m = Painted<TMeterPanelV>();
  QSignalSpy upper(m.get(), &TMeterPanelV::OnUpperLim);
  QSignalSpy lower(m.get(), &TMeterPanelV::OnLowerLim);
  m->SetDamping(1);
  m->SetValue(50);  // 25, 37.5, 43.75, 46.9 ...
  EXPECT_EQ(upper.count(), 0);
  for (int i = 0; i < 6; ++i) TimerTick();
  EXPECT_EQ(upper.count(), 1);
  m->SetLowerLimit(10);
  m->SetValue(0);
  for (int i = 0; i < 10; ++i) TimerTick();
  EXPECT_EQ(lower.count(), 1);
  EXPECT_EQ(upper.count(), 1);
}

TEST(MeterPanelV, LedsIgnoredWhileDisabled) {
  auto m = Painted<TMeterPanelV>();
  m->SetLedOn1(true);
  const TMeterPanelVLayout& l = m->Layout();
  EXPECT_EQ(PixelAt(m->SurfaceImage(), l.Leds[0].X, l.Leds[0].Y), clRed);
  m->SetLedEnable(false);
  m->SetLedOn2(true);
  EXPECT_FALSE(m->LedOn2());
}

TEST(MeterPanelH, PointerAndPeakFollowTheValue) {
  auto m = Painted<TMeterPanelH>();
  const TMeterPanelHLayout& l = m->Layout();
  m->SetValue(25);
  const int x = l.Scale.Left + int(RoundHalfEven(0.5 * l.Scale.Width()));
  EXPECT_EQ(m->PointerPos(), x);
  EXPECT_EQ(PixelAt(m->SurfaceImage(), x, l.Scale.Bottom - 2), clRed);
  m->SetPeakMode(ppPeak);
  m->SetValue(40);
  m->SetValue(10);
  const int peakX = l.Scale.Left + int(RoundHalfEven(0.8 * l.Scale.Width()));
  EXPECT_EQ(m->PeakPos(), peakX);
  EXPECT_EQ(PixelAt(m->SurfaceImage(), peakX, l.PeakTip - 2), clYellow);
  EXPECT_NE(PixelAt(m->SurfaceImage(), peakX, l.Scale.Bottom - 2), clRed);
  m->ResetPeak();  // back to the needle, which is above the start
  EXPECT_EQ(m->PeakPos(), m->PointerPos());
  EXPECT_LT(m->PeakPos(), peakX);
}

TEST(MeterPanelH, EndLabelBlinksAboveTheScale) {
  auto m = Painted<TMeterPanelH>();
  const TRect box = m->EndLabelBox();
  ASSERT_FALSE(box.IsEmpty());
  const TPoint p{box.Left + 1, box.Top + 1};
  const TColor before = PixelAt(m->SurfaceImage(), p.X, p.Y);
  m->SetValue(80);
  EXPECT_NE(PixelAt(m->SurfaceImage(), p.X, p.Y), before);
  EXPECT_EQ(m->PointerPos(), m->Layout().Scale.Right);  // parked at the end
  for (int i = 0; i < 7; ++i) TimerTick();
  EXPECT_EQ(PixelAt(m->SurfaceImage(), p.X, p.Y), before);
  m->SetValue(20);
  for (int i = 0; i < 14; ++i) TimerTick();
  EXPECT_EQ(PixelAt(m->SurfaceImage(), p.X, p.Y), before);
}

TEST(MeterPanelV, StoredFormKeepsStyleAndRange) {
  RegisterMeterClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TMeterPanelV" name="Strom">
   <property name="geometry"><rect><x>0</x><y>0</y><width>80</width><height>360</height></rect></property>
   <property name="MeterStyle"><enum>BarGraph</enum></property>
   <property name="Shape"><enum>smtRectangle</enum></property>
   <property name="ValueEnd"><double>5000</double></property>
   <property name="ValueMin"><double>7000</double></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* m = form->findChild<TMeterPanelV*>("Strom");
  ASSERT_TRUE(m);
  EXPECT_EQ(m->MeterStyle(), BarGraph);
  EXPECT_EQ(m->Shape(), smtRectangle);
  EXPECT_EQ(m->ValueEnd(), 5000);
  EXPECT_EQ(m->ValueMin(), 7000);
  m->PaintNow();
  m->SetValue(1234.5);
  EXPECT_EQ(m->ReadoutText(), "1234.5");
}
