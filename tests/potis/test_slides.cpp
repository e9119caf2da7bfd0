#include "formtest.h"
#include "foundation/tickregistry.h"
#include "linear_testutil.h"
#include "potis/potis_classes.h"
#include "potis/potislide.h"
#include "potis/selectorslide.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Veltor;
using PotiTest::ShownAt;

namespace {

struct Pot : ShownAt<TPotiSlide> {
  Pot() {
    Record(&TCustomSlide::onChanging, "changing");
    Record(&TCustomSlide::onChanged, "changed");
    Record(&TCustomSlide::onPreset, "preset");
  }
  TSlideLayout L() const { return c->Layout(); }
  QPoint Row(int y) const { return QPoint(L().X0, y); }
};

struct Switch : ShownAt<TSelectorSlide> {
  Switch() : ShownAt(QSize(90, 180)) {
    Record(&TCustomSlide::onChanging, "changing");
    Record(&TCustomSlide::onChanged, "changed");
  }
  QPoint Row(int y) const { return QPoint(c->Layout().X0, y); }
};

// Pixels that differ between a and b outside the rectangles.
int ChangedOutside(const QImage& a, const QImage& b, const TRect& r1, const TRect& r2) {
  int n = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (!r1.Contains(x, y) && !r2.Contains(x, y) && a.pixel(x, y) != b.pixel(x, y)) ++n;
  return n;
}

}  // namespace

TEST(PotiSlide, PublishesItsPropertiesWithTheirDefaults) {
  TPotiSlide p;
  const std::pair<const char*, QVariant> props[] = {{"Value", 0.0},        {"ValueStart", 0.0},  {"ValueEnd", 10.0},
                                                    {"ScalaPart", 5},      {"Caption", "Volt"},  {"CaptEnable", false},
                                                    {"PresEnable", false}, {"NonLinear", false}, {"DragDelay", 0},
                                                    {"FontAutom", true},   {"Width", 60},        {"Height", 300}};
  for (const auto& [name, value] : props) EXPECT_EQ(p.property(name), value) << name;
  EXPECT_EQ(p.property("ColButton").value<TColor>(), TColor(12566272));
  EXPECT_EQ(p.property("ColScala").value<TColor>(), clBlack);
  EXPECT_EQ(p.cursor().shape(), Qt::SizeVerCursor);

  TSelectorSlide s;
  EXPECT_EQ(s.PosText(), QStringList({"Ch 1", "Ch 2", "Ext 1", "Ext 2"}));
  EXPECT_EQ(s.property("ScalaPart"), 3);
  EXPECT_EQ(s.property("Caption"), "Select");
  EXPECT_EQ(s.size(), QSize(58, 98));
}

TEST(PotiSlide, PressAndDragFollowTheTrackAndFireTheEvents) {
  Pot s;
  const TSlideLayout l = s.L();
  s.Press(s.Row(l.Bottom() + 15));    // below the slot: the start, no change
  s.Move(s.Row(l.Track.Start - 30));  // beyond the top: the end
  EXPECT_EQ(s.c->Value(), 10);
  s.Move(s.Row(l.Track.Start + l.Track.Length / 4));
  s.Release(s.Row(0));
  EXPECT_NEAR(s.c->Value(), 7.5, 10.0 / l.Track.Length);
  EXPECT_EQ(s.Events(), "changing changing changed");
  // The knob shows the value it was dragged to.
  const int knobRow = s.c->KnobRect().Top + l.KnobHalf;
  EXPECT_NEAR(s.c->ValueAtRow(l, knobRow), s.c->Value(), 10.0 / l.Track.Length + 1e-9);

  // Only the left button alone drags.
  s.Press(s.Row(l.Bottom()), Qt::ShiftModifier);
  s.Move(s.Row(l.Bottom()));
  s.Release(s.Row(l.Bottom()));
  EXPECT_NEAR(s.c->Value(), 7.5, 0.1);
  EXPECT_EQ(s.Events(), "");
}

TEST(PotiSlide, KnobMovesTouchOnlyTheKnobRectangles) {
  Pot s;
  const QImage atZero = s.Picture();
  const TRect from = s.c->KnobRect();
  s.c->SetValue(6);
  const TRect to = s.c->KnobRect();
  EXPECT_EQ(to, s.L().KnobAt(s.L().Track.Start + s.L().Track.Length * 4 / 10));
  const QImage atSix = s.Picture();
  EXPECT_EQ(ChangedOutside(atZero, atSix, from, to), 0);
  EXPECT_GT(VeltorTest::CountColour(atSix, to, s.c->ColButton()), to.Width() * to.Height() / 5);
  // Back at the start the saved background is put back exactly.
  s.c->SetValue(-4);
  EXPECT_EQ(VeltorTest::ImageDifference(s.Picture(), atZero), QString());
  EXPECT_EQ(s.Events(), "");
}

TEST(PotiSlide, DecadeScaleMapsRowsToRatios) {
  Pot s;
  s.c->SetNonLinear(true);
  EXPECT_EQ(s.c->ValueStart(), 0.001);
  EXPECT_EQ(s.c->ValueEnd(), 10);
  s.c->Repaint();
  const TSlideLayout l = s.L();
  s.Click(s.Row(l.Track.Start + l.Track.Length / 2));  // two decades down
  EXPECT_NEAR(std::log10(s.c->Value()), -1, 4.0 / l.Track.Length);
  EXPECT_EQ(s.Events(), "changing changed");
  s.c->SetValueStart(35);  // the end is 10: a decade below it
  EXPECT_EQ(s.c->ValueStart(), 1);
}

TEST(PotiSlide, DelayedDragCrawlsAFifteenthPerTickAndStopsAtRelease) {
  Pot s;
  s.c->SetDragDelay(1);
  s.Press(s.Row(s.L().Track.Start));
  EXPECT_EQ(s.c->Value(), 0);
  for (int i = 0; i < 3; ++i) TimerTick();
  EXPECT_NEAR(s.c->Value(), 2, 1e-9);
  s.Release(s.Row(s.L().Track.Start));
  TimerTick();
  EXPECT_NEAR(s.c->Value(), 2, 1e-9);
  EXPECT_EQ(s.Events(), "changing changing changing changed");
}

TEST(PotiSlide, PresetAndWheel) {
  Pot s;
  s.c->SetPresEnable(true);
  s.c->Repaint();
  const TRect preset = s.L().Preset;
  EXPECT_GT(preset.Left, s.c->Width() / 2);  // lower right
  s.Press(QPoint(preset.Left + 3, preset.Top + 3));
  s.Release(QPoint(0, 0));
  EXPECT_EQ(s.Events(), "preset");
  EXPECT_EQ(s.c->Value(), 0);

  s.Wheel(240);  // two notches of half a division
  EXPECT_DOUBLE_EQ(s.c->Value(), 2);
  EXPECT_EQ(s.Events(), "changing changed changing changed");
  s.Wheel(-600);
  EXPECT_DOUBLE_EQ(s.c->Value(), 0);
  EXPECT_EQ(s.Events(), "changing changed changing changed");
}

TEST(PotiSlide, StoredFormValuesAreTakenAsTheyAreThenBroughtIntoRange) {
  RegisterPotiClasses();
  VeltorTest::FormFiles files;
  auto form = files.LoadBody(R"(
    <widget class="Veltor::TPotiSlide" name="Pot">
      <property name="Value"><double>50</double></property>
      <property name="ValueEnd"><double>20</double></property>
      <property name="NonLinear"><bool>true</bool></property>
    </widget>)");
  auto* pot = form->findChild<TPotiSlide*>("Pot");
  ASSERT_NE(pot, nullptr);
  EXPECT_TRUE(pot->NonLinear());
  EXPECT_DOUBLE_EQ(pot->ValueStart(), 0.001);
  EXPECT_DOUBLE_EQ(pot->ValueEnd(), 10);
  EXPECT_DOUBLE_EQ(pot->Value(), 10);
}

TEST(SelectorSlide, PressesPickTheNearestDetent) {
  Switch s;
  const TSlideLayout l = s.c->Layout();
  s.Click(s.Row(l.Track.Start + 3));  // near the top
  EXPECT_EQ(s.c->Position(), 3);
  EXPECT_EQ(s.c->PosString(), "Ext 2");
  EXPECT_EQ(s.c->Posinteger(), 0);  // no value part
  EXPECT_EQ(s.Events(), "changing changed");
  EXPECT_EQ(s.c->KnobRect(), l.KnobAt(l.Track.Start));

  s.c->SetPosition(1);
  s.Click(s.Row(l.Track.Start + 3));  // the same row again: nothing
  EXPECT_EQ(s.c->Position(), 1);
  s.Click(s.Row(l.Track.Start - l.Track.Length / 4));  // beyond the top
  s.Click(s.Row(l.Bottom() + l.Track.Length / 4));     // below the bottom
  EXPECT_EQ(s.c->Position(), 1);
  EXPECT_EQ(s.Events(), "");
  s.Press(s.Row(l.Bottom()));
  s.Move(s.Row(l.Bottom() - l.Track.Length * 2 / 3));
  s.Release(s.Row(0));
  EXPECT_EQ(s.c->Position(), 2);
  EXPECT_EQ(s.Events(), "changing changing changed");
}

TEST(SelectorSlide, EntryValuesSelectAndScalaPartLowersThePosition) {
  Switch s;
  s.c->SetPosText({"Off", "DC|7|1.5", "AC|$0000FF|2.5", "Ext|7"});
  s.c->SetPosinteger(7);
  EXPECT_EQ(s.c->Position(), 1);
  s.c->SetPosFloat(2.5);
  EXPECT_EQ(s.c->Position(), 2);
  EXPECT_EQ(s.c->PosColor(), clRed);
  s.c->SetPosinteger(99);  // no entry has it
  EXPECT_EQ(s.c->Position(), 2);
  s.c->SetPosition(7);  // beyond ScalaPart: refused
  EXPECT_EQ(s.c->Position(), 2);
  s.c->SetScalaPart(1);
  EXPECT_EQ(s.c->Position(), 1);
  s.c->SetScalaPart(30);
  EXPECT_EQ(s.c->ScalaPart(), 20);
  s.Wheel(120);
  EXPECT_EQ(s.c->Position(), 2);
  EXPECT_EQ(s.Events(), "changing changed");
}
