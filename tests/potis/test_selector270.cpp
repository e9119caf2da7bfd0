#include "potis/selector270.h"

#include "formtest.h"
#include "potis/potis_classes.h"
#include "rotary_testutil.h"
#include "testutil.h"

#include <gtest/gtest.h>

using namespace Veltor;
using PotiTest::Colour;
using PotiTest::kPointerOnBody;
using PotiTest::Shown;
using VeltorTest::CountColour;

TEST(Selector270, PublishesItsPropertiesWithTheirDefaults) {
  TSelector270 s;
  const std::pair<const char*, TColor> colours[] = {
      {"FontColor", clNavy},  {"ColPointer", clSilver},        {"ColScala", clMaroon},         {"ColCaption", clBlack},
      {"ColPreset", clBlack}, {"ColButton", TColor(12566272)}, {"ColLight", TColor(15790256)}, {"ColShade", clGray}};
  for (const auto& [name, colour] : colours) EXPECT_EQ(Colour(s, name), colour) << name;
  const std::pair<const char*, QVariant> others[] = {{"PosText", QStringList({"1", "2", "3", "4", "5"})},
                                                     {"FontAutom", true},
                                                     {"ScalaPart", 4},
                                                     {"Position", 0},
                                                     {"Caption", "Eingang"},
                                                     {"CaptEnable", false},
                                                     {"PresEnable", false},
                                                     {"ButtonSmall", false},
                                                     {"PosString", "1"},
                                                     {"Posinteger", 1},
                                                     {"Width", 200},
                                                     {"Height", 200}};
  for (const auto& [name, value] : others) EXPECT_EQ(s.property(name), value) << name;
  EXPECT_EQ(s.property("CaptBevel").value<TPanelBevel>(), bvNone);
}

TEST(Selector270, SettersKeepThePositionOnTheDialAndFireNothing) {
  Shown<TSelector270> s;
  s.c->SetPosition(7);
  EXPECT_EQ(s.c->Position(), 0);
  s.c->SetPosition(3);
  EXPECT_EQ(s.c->PointerTip(), PointerEnd(s.c->Layout(), 202.5));
  s.c->SetScalaPart(1);
  EXPECT_EQ(s.c->Position(), 1);
  s.c->SetScalaPart(4);
  s.c->SetPosText({"Off|0", "Low|10|0.5", "Mid|20|1.0", "High|clRed|2.5"});
  s.c->SetPosinteger(20);
  EXPECT_EQ(s.c->Position(), 2);
  s.c->SetPosinteger(99);  // no such entry
  EXPECT_EQ(s.c->Position(), 2);
  s.c->SetPosColor(clRed);
  EXPECT_EQ(s.c->Position(), 3);
  s.c->SetPosString("Off");  // has no effect
  EXPECT_EQ(s.c->Position(), 3);
  EXPECT_EQ(s.Events(), "");
}

TEST(Selector270, TurningSelectsTheNearestDetent) {
  Shown<TSelector270> s;
  s.Press(s.At(180));  // 12 o'clock
  EXPECT_EQ(s.c->Position(), 2);
  s.Move(s.At(200));  // still nearest to 2
  s.Move(s.At(250));
  EXPECT_EQ(s.c->Position(), 3);
  s.Release(s.At(250));
  EXPECT_EQ(s.Events(), "changing changing changed");
  EXPECT_EQ(s.c->PointerTip(), PointerEnd(s.c->Layout(), 202.5));

  s.events.clear();
  s.Press(s.At(0), Qt::ShiftModifier);
  s.Release(s.At(0), Qt::ShiftModifier);
  s.Press(s.At(0), Qt::NoModifier, Qt::RightButton);
  s.Release(s.At(0), Qt::NoModifier, Qt::RightButton);
  EXPECT_EQ(s.c->Position(), 3);
  EXPECT_EQ(s.Events(), "");
}

TEST(Selector270, TheDeadGapDoesNotJumpFromTheLastPositionToTheFirst) {
  Shown<TSelector270> s;
  s.Press(s.At(350));  // right of 6 o'clock: the last position
  EXPECT_EQ(s.c->Position(), 4);
  for (double alpha : {359.0, 5.0, 30.0, 60.0}) s.Move(s.At(alpha));
  EXPECT_EQ(s.c->Position(), 4);
  // 65 degrees back from the end is a turn, not a jump.
  s.Move(s.At(250));
  s.Release(s.At(250));
  EXPECT_EQ(s.c->Position(), 3);
  EXPECT_EQ(s.Events(), "changing changing changed");
  // Left of 6 o'clock is the first position.
  s.Press(s.At(10));
  s.Release(s.At(10));
  EXPECT_EQ(s.c->Position(), 0);
}

TEST(Selector270, WheelStepsOnePositionPerNotch) {
  Shown<TSelector270> s;
  s.Wheel(120);
  EXPECT_EQ(s.c->Position(), 1);
  s.Wheel(600);  // five notches, room for three
  EXPECT_EQ(s.c->Position(), 4);
  EXPECT_EQ(s.Events(), "changing changed changing changed changing changed changing changed");
  s.events.clear();
  s.Wheel(-120);
  EXPECT_EQ(s.c->Position(), 3);
  EXPECT_EQ(s.Events(), "changing changed");
}

TEST(Selector270, DotsSitAtTheDetentsAndThePointerOnThePosition) {
  Shown<TSelector270> s;
  const TRotaryLayout l = s.c->Layout();
  const int cx = l.Centre.X, cy = l.Centre.Y;
  const int dotY = l.Frame.PixelY(710);
  const TRect top(cx - 2, dotY - 2, cx + 3, dotY + 3);
  QImage img = s.Picture();
  // Four divisions put the middle detent at 12 o'clock; nothing below.
  EXPECT_EQ(CountColour(img, top, clMaroon), 25);
  EXPECT_EQ(CountColour(img, TRect(cx - 6, 2 * cy - dotY - 6, cx + 7, 2 * cy - dotY + 7), clMaroon), 0);
  // The pointer rests at the lower left.
  EXPECT_GT(CountColour(img, TRect(cx - 20, cy + 8, cx - 8, cy + 20), kPointerOnBody), 8);

  // Three divisions have no detent at 12 o'clock.
  s.c->SetScalaPart(3);
  s.c->Repaint();
  EXPECT_EQ(CountColour(s.Picture(), top, clMaroon), 0);
}

TEST(Selector270, StoredFormKeepsThePositionWhateverTheOrder) {
  RegisterPotiClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TSelector270" name="Input">
   <property name="Position"><number>5</number></property>
   <property name="Posinteger"><number>1</number></property>
   <property name="ScalaPart"><number>6</number></property>
   <property name="PosText"><stringlist><string>A|1</string><string>B|2</string></stringlist></property>
   <property name="Caption"><string>Kanal</string></property>
  </widget>
  <widget class="TSelector270" name="Beyond">
   <property name="Position"><number>9</number></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* input = form->findChild<TSelector270*>("Input");
  ASSERT_TRUE(input);
  EXPECT_EQ(input->ScalaPart(), 6);
  EXPECT_EQ(input->Position(), 5);
  EXPECT_EQ(input->PosString(), "");
  EXPECT_EQ(input->PosText().size(), 2);
  EXPECT_EQ(input->Caption(), "Kanal");
  auto* beyond = form->findChild<TSelector270*>("Beyond");
  ASSERT_TRUE(beyond);
  EXPECT_EQ(beyond->Position(), 4);
}
