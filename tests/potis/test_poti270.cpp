#include "potis/poti270.h"

#include "formtest.h"
#include "foundation/tickregistry.h"
#include "potis/potis_classes.h"
#include "rotary_testutil.h"
#include "testutil.h"

#include <gtest/gtest.h>

using namespace Veltor;
using PotiTest::Colour;
using PotiTest::kPointerOnBody;
using PotiTest::Shown;
using VeltorTest::CountColour;

TEST(Poti270, PublishesItsPropertiesWithTheirDefaults) {
  TPoti270 p;
  const std::pair<const char*, TColor> colours[] = {
      {"FontColor", clBlack}, {"ColPointer", clSilver},        {"ColCaption", clBlack},        {"ColPreset", clBlack},
      {"ColScala", clBlack},  {"ColButton", TColor(12566272)}, {"ColLight", TColor(15790256)}, {"ColShade", clGray}};
  for (const auto& [name, colour] : colours) EXPECT_EQ(Colour(p, name), colour) << name;
  const std::pair<const char*, QVariant> others[] = {
      {"FontAutom", true},    {"Value", 0.0},      {"ValueStart", 0.0},   {"ValueEnd", 10.0},
      {"ScalaPart", 5},       {"Caption", "Volt"}, {"CaptEnable", false}, {"PresEnable", false},
      {"ButtonSmall", false}, {"DragDelay", 0},    {"Width", 200},        {"Height", 200}};
  for (const auto& [name, value] : others) EXPECT_EQ(p.property(name), value) << name;
  EXPECT_EQ(p.property("CaptBevel").value<TPanelBevel>(), bvNone);
}

TEST(Poti270, SettersClampAndAValueSetByProgramFiresNothing) {
  Shown<TPoti270> s;
  s.c->SetDragDelay(21);
  EXPECT_EQ(s.c->DragDelay(), 20);
  s.c->SetCaption("Frequency Hz");
  EXPECT_EQ(s.c->Caption(), "Frequency ");
  s.c->Repaint();

  const QImage atZero = s.Picture();
  s.c->SetValue(12);
  EXPECT_EQ(s.c->Value(), 10);
  EXPECT_NE(s.c->PointerTip(), s.c->Layout().ZeroPoint);
  s.c->SetValue(-1);
  EXPECT_EQ(s.c->Value(), 0);
  // The pointer is erased exactly where it was drawn.
  EXPECT_EQ(VeltorTest::ImageDifference(s.Picture(), atZero), QString());
  EXPECT_EQ(s.Events(), "");
}

TEST(Poti270, LayoutInnerRectIsWhatThePaintLeaves) {
  Shown<TPoti270> s;
  s.c->SetBordLeft(false);
  s.c->SetBevelIn(bvLowered);
  s.c->SetBevWidth(3);
  s.c->Repaint();
  EXPECT_EQ(s.c->Layout().Inner, s.c->InnerRect());
}

TEST(Poti270, TurningTheKnobFiresChangingPerChangeAndChangedAtMouseUp) {
  Shown<TPoti270> s;
  s.Press(s.At(180));  // 12 o'clock
  EXPECT_DOUBLE_EQ(s.c->Value(), 5);
  s.Move(s.At(225));
  EXPECT_NEAR(s.c->Value(), 180.0 / 27, 1e-9);
  s.Move(s.At(225));  // no change, no event
  s.Move(s.At(210));
  s.Release(s.At(210));
  EXPECT_NEAR(s.c->Value(), 165.0 / 27, 0.02);  // the mouse lands on whole pixels
  EXPECT_EQ(s.Events(), "changing changing changing changed");
  // The pointer shows the value without a repaint.
  EXPECT_EQ(s.c->PointerTip(), PointerEnd(s.c->Layout(), 27 * s.c->Value()));
}

TEST(Poti270, OnlyTheLeftButtonAloneTurnsTheKnob) {
  Shown<TPoti270> s;
  const QImage before = s.Picture();
  s.Press(s.At(270), Qt::ShiftModifier);
  s.Move(s.At(290), Qt::ShiftModifier);
  s.Release(s.At(290), Qt::ShiftModifier);
  s.Press(s.At(270), Qt::NoModifier, Qt::RightButton);
  s.Move(s.At(290), Qt::NoModifier, Qt::RightButton);
  s.Release(s.At(290), Qt::NoModifier, Qt::RightButton);
  // Letting go of shift during a shifted press does not start a turn.
  s.Press(s.At(50), Qt::ShiftModifier);
  s.Move(s.At(60));
  s.Release(s.At(60));
  EXPECT_EQ(s.c->Value(), 0);
  EXPECT_EQ(s.Events(), "");
  EXPECT_EQ(VeltorTest::ImageDifference(s.Picture(), before), QString());
}

TEST(Poti270, TheDeadGapNeverFlipsTheKnobFromEndToEnd) {
  Shown<TPoti270> s;
  s.Press(s.At(0));  // straight below: the start
  s.Release(s.At(0));
  EXPECT_EQ(s.c->Value(), 0);
  s.Press(s.At(350));  // right of 6 o'clock: the end
  EXPECT_EQ(s.c->Value(), 10);
  // On through the gap, past 6 o'clock and up the start's side.
  for (double alpha : {340.0, 359.0, 5.0, 30.0, 45.0, 60.0}) s.Move(s.At(alpha));
  EXPECT_EQ(s.c->Value(), 10);
  // 65 degrees from the end is too far a jump; within 45 it turns again.
  s.Move(s.At(250));
  EXPECT_EQ(s.c->Value(), 10);
  s.Move(s.At(300));
  s.Release(s.At(300));
  EXPECT_NEAR(s.c->Value(), 255.0 / 27, 0.02);
  EXPECT_EQ(s.Events(), "changing changing changed");
}

TEST(Poti270, DelayedDragCrawlsOneThirtiethPerTickWhileHeld) {
  Shown<TPoti270> s;
  s.c->SetDragDelay(2);
  s.Press(s.At(315));
  EXPECT_EQ(s.c->Value(), 0);  // the press only sets the target
  for (int i = 0; i < 3; ++i) TimerTick();
  EXPECT_NEAR(s.c->Value(), 1.0, 1e-9);
  EXPECT_EQ(s.Events(), "changing changing changing");
  s.Release(s.At(315));
  TimerTick();
  EXPECT_NEAR(s.c->Value(), 1.0, 1e-9);
  EXPECT_EQ(s.Events(), "changing changing changing changed");

  // A press where the knob stands holds it there, whatever the target of
  // the last press was.
  s.c->SetValue(5);
  s.Press(s.At(315));
  TimerTick();
  s.Release(s.At(315));
  s.c->SetValue(5);
  s.events.clear();
  s.Press(s.At(180));
  for (int i = 0; i < 3; ++i) TimerTick();
  s.Release(s.At(180));
  EXPECT_EQ(s.c->Value(), 5);
  EXPECT_EQ(s.Events(), "");
}

TEST(Poti270, PresetButtonFiresOnlyOnPresetAtMouseUp) {
  Shown<TPoti270> s;
  s.c->SetPresEnable(true);
  s.c->Repaint();
  const TRect b = s.c->Layout().Preset;
  const QImage released = s.Picture();
  s.Press(QPoint(b.Left + 3, b.Top + 3));
  EXPECT_NE(VeltorTest::ImageDifference(s.Picture(), released), QString());  // drawn pressed
  s.Move(s.At(180));
  s.Release(s.At(180));  // released away from the button
  EXPECT_EQ(s.c->Value(), 0);
  EXPECT_EQ(s.Events(), "preset");
  EXPECT_EQ(VeltorTest::ImageDifference(s.Picture(), released), QString());
  // The preset press is over: another button's release fires nothing.
  s.Press(s.At(180), Qt::NoModifier, Qt::RightButton);
  s.Release(s.At(180), Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(s.Events(), "preset");
}

TEST(Poti270, WheelStepsHalfADivisionPerNotch) {
  Shown<TPoti270> s;
  s.Wheel(120);
  EXPECT_DOUBLE_EQ(s.c->Value(), 1);
  s.Wheel(240);
  EXPECT_DOUBLE_EQ(s.c->Value(), 3);
  s.Wheel(-120);
  EXPECT_DOUBLE_EQ(s.c->Value(), 2);
  EXPECT_EQ(s.Events(), "changing changed changing changed changing changed changing changed");
  EXPECT_EQ(s.c->PointerTip(), PointerEnd(s.c->Layout(), 54));
  s.events.clear();
  s.c->SetValue(10);
  s.Wheel(120);  // at the end: nothing to change
  EXPECT_EQ(s.Events(), "");
}

TEST(Poti270, PointerAndScaleAtKnownPlaces) {
  Shown<TPoti270> s;
  const TRotaryLayout l = s.c->Layout();
  const int cx = l.Centre.X, cy = l.Centre.Y;
  // At the start the pointer points to the lower left, not the lower right.
  QImage img = s.Picture();
  EXPECT_GT(CountColour(img, TRect(cx - 20, cy + 8, cx - 8, cy + 20), kPointerOnBody), 8);
  EXPECT_EQ(CountColour(img, TRect(cx + 8, cy + 8, cx + 20, cy + 20), kPointerOnBody), 0);
  // Half-way it points straight up, two pixels wide.
  s.c->SetValue(5);
  img = s.Picture();
  EXPECT_EQ(CountColour(img, TRect(cx - 4, cy - 30, cx + 4, cy - 20), kPointerOnBody), 20);
  EXPECT_EQ(CountColour(img, TRect(cx - 20, cy + 8, cx - 8, cy + 20), kPointerOnBody), 0);

  // The arc runs over the top: it is there at 9 o'clock, not at 6.
  const int left = l.Frame.PixelX(-670), bottom = l.Frame.PixelY(-670);
  EXPECT_GT(CountColour(img, TRect(left - 2, cy - 2, left + 3, cy + 3), clBlack), 2);
  EXPECT_EQ(CountColour(img, TRect(cx - 5, bottom - 3, cx + 6, bottom + 4), clBlack), 0);

  // The tick at 12 o'clock is a thin half-way tick with five divisions and
  // a main tick with two.
  const TRect tick(cx - 4, l.TickOuter.Y + 2, cx + 5, l.TickInner.Y - 1);
  EXPECT_EQ(CountColour(img, tick, clBlack), tick.Height());
  s.c->SetScalaPart(2);
  s.c->Repaint();
  EXPECT_EQ(CountColour(s.Picture(), tick, clBlack), 2 * tick.Height());
}

TEST(Poti270, StoredFormValuesAreTakenAsTheyAreThenKeptInRange) {
  RegisterPotiClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TPoti270" name="Wide">
   <property name="Value"><double>150</double></property>
   <property name="ValueStart"><double>100</double></property>
   <property name="ValueEnd"><double>200</double></property>
   <property name="ScalaPart"><number>12</number></property>
   <property name="Caption"><string>Lautstaerke</string></property>
   <property name="CaptBevel"><enum>bvLowered</enum></property>
  </widget>
  <widget class="TPoti270" name="Upside">
   <property name="Value"><double>-40</double></property>
   <property name="ValueEnd"><double>-30</double></property>
   <property name="ValueStart"><double>-20</double></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* wide = form->findChild<TPoti270*>("Wide");
  ASSERT_TRUE(wide);
  EXPECT_EQ(wide->ValueStart(), 100);
  EXPECT_EQ(wide->ValueEnd(), 200);
  EXPECT_EQ(wide->Value(), 150);
  EXPECT_EQ(wide->ScalaPart(), 10);
  EXPECT_EQ(wide->Caption(), "Lautstaerk");
  EXPECT_EQ(wide->CaptBevel(), bvLowered);
  // Ends the wrong way round cannot make a scale: the end moves above the start.
  auto* upside = form->findChild<TPoti270*>("Upside");
  ASSERT_TRUE(upside);
  EXPECT_EQ(upside->ValueStart(), -20);
  EXPECT_EQ(upside->ValueEnd(), -19);
  EXPECT_EQ(upside->Value(), -20);
}
