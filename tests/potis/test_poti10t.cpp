#include "buttons/led.h"
#include "foundation/tickregistry.h"
#include "linear_testutil.h"
#include "potis/poti10t.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace Veltor;
using PotiTest::ShownAt;
using VeltorTest::PixelAt;

namespace {

struct TenTurn : ShownAt<TPoti10T> {
  TenTurn() {
    Record(&TPoti10T::onChanging, "changing");
    Record(&TPoti10T::onChanged, "changed");
    Record(&TPoti10T::onPreset, "preset");
  }
  // The point at mouse angle alpha (clockwise from straight down) and the
  // given distance from the centre.
  QPoint At(double alpha, int radius) const {
    const TPoint centre = c->Layout().Dial.Centre;
    const double a = alpha * M_PI / 180;
    return QPoint(centre.X - int(std::lround(radius * std::sin(a))), centre.Y + int(std::lround(radius * std::cos(a))));
  }
  // A press on the fine knob at alpha, then a circle of the mouse by `turn`
  // degrees in steps of 10, then the release.
  void FineTurn(double alpha, int turn) {
    const int r = c->Layout().FineRadius / 2;
    Press(At(alpha, r));
    const int step = turn > 0 ? 10 : -10;
    for (int a = step; std::abs(a) <= std::abs(turn); a += step) Move(At(alpha + a, r));
    Release(At(alpha + turn, r));
  }
};

}  // namespace

TEST(Poti10T, PublishesItsPropertiesWithTheirDefaults) {
  TPoti10T p;
  const std::pair<const char*, QVariant> props[] = {
      {"Value", 0.0},        {"ValueStart", 0.0},   {"ValueEnd", 10.0},   {"ScalaPart", 5},      {"Caption", "Volt"},
      {"CaptEnable", false}, {"PresEnable", false}, {"DispEnable", true}, {"DispItalic", false}, {"DispFixPnt", true},
      {"DragDelay", 0},      {"LedEnable", true},   {"LedOn1", false},    {"LedOn2", false},     {"LedBlink1", false},
      {"LedBlink2", false},  {"Width", 200},        {"Height", 200}};
  for (const auto& [name, value] : props) EXPECT_EQ(p.property(name), value) << name;
  const std::pair<const char*, TColor> colours[] = {
      {"ColPointer1", clRed}, {"ColPointer2", clBlue},         {"ColCaption", clBlack},        {"ColPreset", clBlack},
      {"ColScala", clBlack},  {"ColButton", TColor(12566272)}, {"ColLight", TColor(15790256)}, {"ColShade", clGray},
      {"ColDBack", clBlack},  {"ColDRand", clWhite},           {"ColDisplay", clLime},         {"ColLed1", clRed},
      {"ColLed2", clLime}};
  for (const auto& [name, colour] : colours) EXPECT_EQ(p.property(name).value<TColor>(), colour) << name;
}

TEST(Poti10T, AFullFineTurnMovesATenthOfTheRangeEitherWay) {
  TenTurn s;
  s.c->SetValue(5);
  s.FineTurn(170, 360);  // crosses 6 o'clock on the way
  EXPECT_NEAR(s.c->Value(), 6, 1e-9);
  EXPECT_TRUE(s.c->FineMode());
  s.FineTurn(20, -360);
  EXPECT_NEAR(s.c->Value(), 5, 1e-9);
  s.FineTurn(90, 720);
  EXPECT_NEAR(s.c->Value(), 7, 1e-9);
  const std::string events = s.Events();
  EXPECT_EQ(events.substr(events.size() - 16), "changing changed");

  // The marker follows the fine turning: it stands where the mouse went.
  const TPoti10TLayout l = s.c->Layout();
  const int r = l.FineRadius / 2;
  s.Press(s.At(120, r));
  s.Move(s.At(100, r));
  const TPoint marker = l.Marker(Dial::MouseAlpha(l.Dial.Centre, s.At(100, r).x(), s.At(100, r).y()));
  EXPECT_EQ(PixelAt(s.Picture(), marker.X, marker.Y), clBlue);
  EXPECT_NE(PixelAt(s.Picture(), l.MarkerZero.X, l.MarkerZero.Y), clBlue);
  s.Release(s.At(100, r));
}

TEST(Poti10T, APressOnTheDialSetsTheValueByAngle) {
  TenTurn s;
  const int dial = (s.c->Layout().FineRadius * 3) / 2 + 10;
  s.Click(s.At(180, dial));  // 12 o'clock: the middle
  EXPECT_DOUBLE_EQ(s.c->Value(), 5);
  EXPECT_FALSE(s.c->FineMode());
  EXPECT_EQ(s.Events(), "changing changed");
  s.Press(s.At(180, dial));
  s.Move(s.At(200, dial));
  s.Move(s.At(10, dial));  // a jump across the dead gap is ignored
  s.Release(s.At(10, dial));
  EXPECT_NEAR(s.c->Value(), 155.0 / 27, 0.05);
  EXPECT_EQ(s.Events(), "changing changed");
}

TEST(Poti10T, ReadoutShowsTheValueAndChangesOnlyWithIt) {
  TenTurn s;
  EXPECT_EQ(s.c->ReadoutShown(), " 0.00");
  const TPoti10TLayout l = s.c->Layout();
  const QImage zero = s.Picture();
  EXPECT_GT(VeltorTest::CountColour(zero, l.ReadoutCells, clLime), 0);
  s.c->SetValue(7.25);
  EXPECT_EQ(s.c->ReadoutShown(), " 7.25");
  EXPECT_NE(VeltorTest::ImageDifference(s.Picture(), zero), QString());
  // The pointer sits at the value's angle.
  const auto triangle = l.Pointer(270 * 0.725);
  const int x = (triangle[0].X + triangle[1].X + triangle[2].X) / 3;
  const int y = (triangle[0].Y + triangle[1].Y + triangle[2].Y) / 3;
  EXPECT_EQ(PixelAt(s.Picture(), x, y), clRed);
  s.c->SetDispFixPnt(false);
  s.c->Repaint();
  EXPECT_EQ(s.c->ReadoutShown(), "7.250");
  s.c->SetValue(0);
  EXPECT_EQ(s.c->ReadoutShown(), "0.000");
  EXPECT_EQ(s.Events(), "");
}

TEST(Poti10T, LedsBlinkInOppositePhasesWhenOneIsOn) {
  TenTurn s;
  s.c->SetLedBlink1(true);
  s.c->SetLedBlink2(true);
  s.c->SetLedOn1(true);
  const TPoti10TLayout l = s.c->Layout();
  const auto colourOf = [&](int i) { return PixelAt(s.Picture(), l.Leds[i].X, l.Leds[i].Y); };
  int litTicks = 0;
  for (int tick = 0; tick < 28; ++tick) {
    TimerTick();
    litTicks += s.c->LedLit(0);
    EXPECT_NE(s.c->LedLit(0), s.c->LedLit(1)) << tick;
    EXPECT_EQ(colourOf(0), LedColor(clRed, s.c->LedLit(0))) << tick;
    EXPECT_EQ(colourOf(1), LedColor(clLime, s.c->LedLit(1))) << tick;
  }
  // Both phases came by.
  EXPECT_GT(litTicks, 0);
  EXPECT_LT(litTicks, 28);
}

TEST(Poti10T, SettingAnLedColourAlwaysRedrawsIt) {
  TenTurn s;
  const TPoint led = s.c->Layout().Leds[1];
  s.c->Canvas().SetPixel(led.X, led.Y, clBlue);
  s.c->SetColLed2(s.c->ColLed2());
  EXPECT_EQ(PixelAt(s.Picture(), led.X, led.Y), LedColor(clLime, false));
  s.c->SetLedOn2(true);
  EXPECT_EQ(PixelAt(s.Picture(), led.X, led.Y), clLime);
}

TEST(Poti10T, DelayedDragPresetAndWheel) {
  TenTurn s;
  s.c->SetDragDelay(2);
  s.c->SetPresEnable(true);
  s.c->Repaint();
  const int dial = (s.c->Layout().FineRadius * 3) / 2 + 10;
  s.Press(s.At(315, dial));
  for (int i = 0; i < 3; ++i) TimerTick();
  s.Release(s.At(315, dial));
  EXPECT_NEAR(s.c->Value(), 1, 1e-9);
  EXPECT_EQ(s.Events(), "changing changing changing changed");

  const TRect preset = s.c->Layout().Dial.Preset;
  s.Press(QPoint(preset.Left + 3, preset.Top + 3));
  s.Release(QPoint(100, 100));
  EXPECT_EQ(s.Events(), "preset");

  s.Wheel(120);
  EXPECT_DOUBLE_EQ(s.c->Value(), 2);
  EXPECT_EQ(s.Events(), "changing changed");
}
