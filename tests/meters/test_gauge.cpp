#include "meters/gauge.h"
#include "meters/meters_classes.h"

#include "formtest.h"
#include "foundation/numformat.h"
#include "foundation/tickregistry.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace Veltor;
using VeltorTest::CountColour;
using VeltorTest::PixelAt;

namespace {

std::unique_ptr<TGaugeGp> Painted(int w = 100, int h = 18) {
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  auto g = std::make_unique<TGaugeGp>();
  g->show();
  g->resize(w, h);
  g->SetSegmColor(clBlue);
  g->SetColBack(clWhite);
  g->PaintNow();
  return g;
}

TRect StripOf(TGaugeGp& g) { return GaugeLayout(g.InnerRect(), g.Orientation()).Strip; }

}  // namespace

TEST(Gauge, ShapeDecidesOrientationAndLimitsThickness) {
  TGaugeGp g;
  g.show();  // a shown control gets its size changes at once
  EXPECT_EQ(g.Orientation(), orHorizontal);
  EXPECT_EQ(g.Width(), 100);
  EXPECT_EQ(g.Height(), 18);
  g.resize(200, 300);
  EXPECT_EQ(g.Orientation(), orVertical);
  EXPECT_EQ(g.Width(), 100);
  EXPECT_EQ(g.Height(), 300);
  g.resize(300, 5);
  EXPECT_EQ(g.Orientation(), orHorizontal);
  EXPECT_EQ(g.Height(), 12);
  // The orientation follows the shape, whatever is asked for.
  g.PaintNow();
  g.SetOrientation(orVertical);
  EXPECT_EQ(g.Orientation(), orHorizontal);
}

TEST(Gauge, PercentAndValueStayConsistentAndInRange) {
  TGaugeGp g;
  g.SetPercent(150);
  EXPECT_EQ(g.Percent(), 100);
  EXPECT_EQ(g.Value(), 10);
  g.SetPercent(-5);
  EXPECT_EQ(g.Percent(), 0);
  EXPECT_EQ(g.Value(), 0);
  g.SetValue(2.5);
  EXPECT_EQ(g.Percent(), 25);
  g.SetValue(-3);
  EXPECT_EQ(g.Value(), 0);
  g.SetValue(7.5);
  g.SetValueMax(5);  // the value is pulled into the new range
  EXPECT_EQ(g.Value(), 5);
  EXPECT_EQ(g.Percent(), 100);
  g.SetValueMin(5);
  EXPECT_EQ(g.ValueMin(), 4);
  EXPECT_EQ(g.Percent(), 100);
  g.SetValueMax(4);  // no empty range: one unit above the start
  EXPECT_EQ(g.ValueMax(), 5);
  g.SetValueMin(0);
  EXPECT_EQ(g.Percent(), 100);
  g.SetValue(1);
  EXPECT_EQ(g.Percent(), 20);
  g.SetDamping(15);
  EXPECT_EQ(g.Damping(), 10);
}

TEST(Gauge, SegmentCountRounds) {
  EXPECT_EQ(GaugeSegments(0, 92, 8, 1), 0);
  EXPECT_EQ(GaugeSegments(50, 92, 8, 1), 5);    // 46 px / 9
  EXPECT_EQ(GaugeSegments(100, 92, 8, 1), 10);  // 92 / 9 = 10.2
  EXPECT_EQ(GaugeSegments(15, 92, 8, 1), 2);    // 14 px / 9 = 1.56
  EXPECT_EQ(GaugeSegments(14, 92, 4, 0), 3);    // 13 px / 4 = 3.25
}

TEST(Gauge, UnchangedSegmentCountDrawsNothing) {
  auto g = Painted();
  const TRect s = StripOf(*g);
  const int length = s.Width();
  g->SetPercent(50);
  const int n = GaugeSegments(50, length, 8, 1);
  int work = g->PaintWork();
  EXPECT_GT(work, 0);
  // A reading that keeps the rounded count costs no drawing at all.
  for (double p : {50.5, 51.0, 49.5}) {
    ASSERT_EQ(GaugeSegments(p, length, 8, 1), n);
    g->SetPercent(p);
    EXPECT_EQ(g->PaintWork(), work) << p;
  }
  g->SetPercent(70);
  EXPECT_GT(g->PaintWork(), work);
  work = g->PaintWork();
  g->SetPercent(70.2);
  EXPECT_EQ(g->PaintWork(), work);

  // The picture: n lit segments from the left, then outlined unlit ones.
  const int lit = GaugeSegments(70.2, length, 8, 1);
  const QImage img = g->SurfaceImage();
  const int y = (s.Top + s.Bottom) / 2;
  EXPECT_EQ(PixelAt(img, s.Left + (lit - 1) * 9 + 4, y), clBlue);
  EXPECT_EQ(PixelAt(img, s.Left + lit * 9 + 4, y), clWhite);
  EXPECT_EQ(PixelAt(img, s.Left + lit * 9, y), clGray);  // border of the unlit one
}

TEST(Gauge, VerticalBarGrowsFromTheBottom) {
  auto g = Painted(18, 100);
  ASSERT_EQ(g->Orientation(), orVertical);
  g->SetPercent(30);
  const TRect s = StripOf(*g);
  const QImage img = g->SurfaceImage();
  const int x = (s.Left + s.Right) / 2;
  EXPECT_EQ(PixelAt(img, x, s.Bottom - 4), clBlue);
  const int top = (s.Height() - 8) / 9 * 9;  // the uppermost segment's offset
  EXPECT_EQ(PixelAt(img, x, s.Bottom - top - 4), clWhite);
  EXPECT_EQ(PixelAt(img, x, s.Bottom - top - 8), clGray);
}

TEST(Gauge, MeterModeShowsABandEndingAtTheReading) {
  auto g = Painted(200, 20);
  g->SetMeterMode(true);
  g->SetPercent(50);
  TRect r = StripOf(*g);
  r.Shrink(1);
  const int y = (r.Top + r.Bottom) / 2;
  // PntrPercent 0 still shows one pixel.
  EXPECT_EQ(CountColour(g->SurfaceImage(), TRect(r.Left, y, r.Right, y + 1), clBlue), 1);
  const int pos = r.Left + int(RoundHalfEven(0.5 * r.Width()));
  EXPECT_EQ(PixelAt(g->SurfaceImage(), pos - 1, y), clBlue);
  g->SetPntrPercent(10);
  const int w = int(RoundHalfEven(0.1 * r.Width()));
  EXPECT_EQ(CountColour(g->SurfaceImage(), TRect(r.Left, y, r.Right, y + 1), clBlue), w);
  EXPECT_EQ(PixelAt(g->SurfaceImage(), pos - w, y), clBlue);
  EXPECT_EQ(PixelAt(g->SurfaceImage(), pos, y), clWhite);
  const int work = g->PaintWork();
  g->SetPercent(50.1);  // same pixel
  EXPECT_EQ(g->PaintWork(), work);
  g->SetPntrPercent(150);
  EXPECT_EQ(g->PntrPercent(), 100);
}

TEST(Gauge, DampedReadingMovesOnTheTick) {
  auto g = Painted();
  g->SetDamping(1);
  g->SetPercent(100);
  EXPECT_EQ(g->Model().Shown(), 50);
  TimerTick();
  EXPECT_EQ(g->Model().Shown(), 75);
  g->SetDamping(0);
  TimerTick();
  EXPECT_EQ(g->Model().Shown(), 75);
}

TEST(Gauge, StoredFormNamesTheOrientation) {
  RegisterMeterClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TGaugeGp" name="Pegel">
   <property name="geometry"><rect><x>0</x><y>0</y><width>20</width><height>150</height></rect></property>
   <property name="Orientation"><enum>orVertical</enum></property>
   <property name="MeterMode"><bool>true</bool></property>
   <property name="SegmWidth"><number>0</number></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* g = form->findChild<TGaugeGp*>("Pegel");
  ASSERT_TRUE(g);
  EXPECT_EQ(g->Orientation(), orVertical);
  EXPECT_TRUE(g->MeterMode());
  EXPECT_EQ(g->SegmWidth(), 8);  // below 1: ignored
}

// The value comes before its range in the form; the reading is there
// before the form is shown, and an inverted range is mended.
TEST(Gauge, StoredFormValueShowsItsReadingAndTheRangeIsMended) {
  RegisterMeterClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TGaugeGp" name="Level">
   <property name="geometry"><rect><x>0</x><y>0</y><width>150</width><height>20</height></rect></property>
   <property name="Value"><double>150</double></property>
   <property name="ValueMax"><double>200</double></property>
  </widget>
  <widget class="TGaugeGp" name="Upside">
   <property name="Value"><double>9</double></property>
   <property name="ValueMin"><double>50</double></property>
   <property name="ValueMax"><double>20</double></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* level = form->findChild<TGaugeGp*>("Level");
  auto* upside = form->findChild<TGaugeGp*>("Upside");
  ASSERT_TRUE(level && upside);
  EXPECT_DOUBLE_EQ(level->Model().Percent(), 75);
  EXPECT_DOUBLE_EQ(upside->Model().ValueMin(), 50);
  EXPECT_DOUBLE_EQ(upside->Model().ValueMax(), 51);
  EXPECT_DOUBLE_EQ(upside->Model().Value(), 50);
  EXPECT_DOUBLE_EQ(upside->Model().Percent(), 0);
}

TEST(Gauge, AClickFiresEachEventOnce) {
  auto g = Painted();
  QSignalSpy click(g.get(), &TGaugeGp::OnClick);
  QSignalSpy down(g.get(), &TGaugeGp::OnMouseDown);
  QSignalSpy up(g.get(), &TGaugeGp::OnMouseUp);
  QTest::mouseClick(g.get(), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(click.count(), 1);
  EXPECT_EQ(down.count(), 1);
  EXPECT_EQ(up.count(), 1);
}
