#include "formtest.h"
#include "foundation/tickregistry.h"
#include "linear_testutil.h"
#include "potis/potis_classes.h"
#include "potis/slider.h"
#include "testutil.h"

#include <gtest/gtest.h>

using namespace Veltor;
using PotiTest::ShownAt;

namespace {

struct Fader : ShownAt<TSlider> {
  explicit Fader(QSize size = QSize(220, 30)) : ShownAt(size) {
    Record(&TSlider::OnChanging, "changing");
    Record(&TSlider::OnChanged, "changed");
  }
  // The point over the track at the given fraction of its length from the
  // near end.
  QPoint At(double fraction) const {
    const TSliderLayout l = c->Layout();
    const int along = int(std::lround(fraction * l.Track.Length));
    if (l.Vertical) return QPoint(l.Middle, l.Track.Start + l.Track.Length - along);
    return QPoint(l.Track.Start + along, l.Middle);
  }
};

}  // namespace

TEST(Slider, PublishesItsPropertiesWithTheirDefaults) {
  TSlider s;
  const std::pair<const char*, QVariant> props[] = {
      {"CaptEna", false},  {"Caption", ""},   {"CaptOffset", 0},  {"Selector", false},
      {"ValueMax", 100.0}, {"ValueMin", 0.0}, {"Value", 0.0},     {"TrenchWidth", 2},
      {"Position", 0},     {"DragDelay", 0},  {"ButtonSize", 10}, {"ScalaShow", true},
      {"ScalaPart", 10},   {"BevWidth", 1},   {"Width", 150},     {"Height", 20}};
  for (const auto& [name, value] : props) EXPECT_EQ(s.property(name), value) << name;
  const std::pair<const char*, TColor> colours[] = {
      {"CaptColor", clBlack}, {"ScalaColor", clRed}, {"ButtonColor", clLime}, {"TrenchColor", clOlive}};
  for (const auto& [name, colour] : colours) EXPECT_EQ(s.property(name).value<TColor>(), colour) << name;
  EXPECT_EQ(s.Alignment(), taCenter);
  EXPECT_EQ(s.ButtonDir(), btLengthWise);
  EXPECT_EQ(s.BtnStyle(), bsAutoDetect);
  EXPECT_EQ(s.TrenchStyle(), bvLowered);
  EXPECT_EQ(s.Orientation(), orHorizontal);
}

TEST(Slider, SettersClamp) {
  TSlider s;
  s.SetTrenchWidth(0);
  EXPECT_EQ(s.TrenchWidth(), 1);
  s.SetTrenchWidth(9);
  EXPECT_EQ(s.TrenchWidth(), 6);
  s.SetButtonSize(3);
  EXPECT_EQ(s.ButtonSize(), 6);
  s.SetButtonSize(31);
  EXPECT_EQ(s.ButtonSize(), 30);
  s.SetValueMin(100);  // at the end: one below it
  EXPECT_EQ(s.ValueMin(), 99);
  s.SetValueMin(-20000);
  EXPECT_EQ(s.ValueMin(), -10000);
  s.SetScalaPart(0);
  EXPECT_EQ(s.ScalaPart(), 1);
  s.SetScalaPart(101);
  EXPECT_EQ(s.ScalaPart(), 100);
  s.SetCaptOffset(-40);  // horizontal, 20 high: down to -10
  EXPECT_EQ(s.CaptOffset(), -10);
}

TEST(Slider, OrientationFollowsTheShapeAndTheCrossSideIsLimited) {
  Fader f;
  TSlider& s = *f.c;
  s.resize(30, 200);
  EXPECT_EQ(s.Orientation(), orVertical);
  EXPECT_EQ(s.size(), QSize(30, 200));
  s.resize(200, 80);
  EXPECT_EQ(s.Orientation(), orHorizontal);
  EXPECT_EQ(s.size(), QSize(200, 50));
  s.resize(10, 200);
  EXPECT_EQ(s.size(), QSize(15, 200));
  s.SetOrientation(orHorizontal);  // the shape says otherwise
  EXPECT_EQ(s.Orientation(), orVertical);
}

// A form that is not shown yet already knows its tall sliders stand upright.
TEST(Slider, StoredFormGivesTheOrientationBeforeTheFormIsShown) {
  RegisterPotiClasses();
  VeltorTest::FormFiles files;
  auto form = files.LoadBody(R"(
    <widget class="Veltor::TSlider" name="Fader">
      <property name="geometry"><rect><x>0</x><y>0</y><width>30</width><height>160</height></rect></property>
    </widget>)");
  auto* fader = form->findChild<TSlider*>("Fader");
  ASSERT_NE(fader, nullptr);
  EXPECT_FALSE(fader->isVisible());
  EXPECT_EQ(fader->Orientation(), orVertical);
}

TEST(Slider, SelectorModeSnapsValueAndPosition) {
  TSlider s;
  s.SetSelector(true);
  s.SetScalaPart(4);
  s.SetValue(60);
  EXPECT_EQ(s.Position(), 2);
  EXPECT_EQ(s.Value(), 50);
  s.SetPosition(3);
  EXPECT_EQ(s.Value(), 75);
  s.SetPosition(9);
  EXPECT_EQ(s.Position(), 4);
  EXPECT_EQ(s.Value(), 100);
}

TEST(Slider, MouseSetsTheValueAlongTheTrackBothWays) {
  for (const QSize size : {QSize(220, 30), QSize(30, 220)}) {
    Fader s(size);
    s.Press(s.At(0.25));
    EXPECT_NEAR(s.c->Value(), 25, 1.0) << size.width();
    s.Move(s.At(1.5));  // beyond the far end
    EXPECT_EQ(s.c->Value(), 100);
    s.Release(s.At(1.5));
    EXPECT_EQ(s.Events(), "changing changing changed");
    const TSliderLayout l = s.c->Layout();
    EXPECT_EQ(s.c->ButtonRect(), l.ButtonAt(l.Vertical ? l.Trench.Top : l.Trench.Right));
    s.Press(s.At(0.5), Qt::ControlModifier);
    s.Release(s.At(0.5));
    EXPECT_EQ(s.c->Value(), 100);
    EXPECT_EQ(s.Events(), "");
  }
}

TEST(Slider, ButtonMovesTouchOnlyItsRectangles) {
  Fader s;
  const QImage atZero = s.Picture();
  s.c->SetValue(50);
  const TSliderLayout l = s.c->Layout();
  EXPECT_EQ(s.c->ButtonRect(), l.ButtonAt(l.Track.Start + l.Track.Length / 2));
  EXPECT_GT(VeltorTest::CountColour(s.Picture(), s.c->ButtonRect(), clLime), 0);
  s.c->SetValue(0);
  EXPECT_EQ(VeltorTest::ImageDifference(s.Picture(), atZero), QString());
}

TEST(Slider, DelayedDragAndSelectorPresses) {
  Fader s;
  s.c->SetDragDelay(1);
  s.Press(s.At(1));
  for (int i = 0; i < 2; ++i) TimerTick();
  EXPECT_NEAR(s.c->Value(), 2 * 100.0 / 15, 1e-9);
  s.Release(s.At(1));
  EXPECT_EQ(s.Events(), "changing changing changed");

  // In selector mode the drag delay does nothing: presses snap at once.
  s.c->SetSelector(true);
  s.c->SetScalaPart(4);
  s.Press(s.At(0.8));
  EXPECT_EQ(s.c->Position(), 3);
  EXPECT_EQ(s.c->Value(), 75);
  s.Release(s.At(0.8));
  TimerTick();
  EXPECT_EQ(s.c->Value(), 75);
  EXPECT_EQ(s.Events(), "changing changed");
}

TEST(Slider, WheelStepsADivisionOrADetent) {
  Fader s;
  s.Wheel(240);
  EXPECT_DOUBLE_EQ(s.c->Value(), 20);
  EXPECT_EQ(s.Events(), "changing changed changing changed");
  s.c->SetSelector(true);
  s.c->SetScalaPart(4);
  s.Wheel(-120);
  EXPECT_EQ(s.c->Position(), 0);
  s.Wheel(-120);  // at the start already: nothing
  EXPECT_EQ(s.Events(), "changing changed");
}
