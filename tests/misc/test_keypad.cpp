#include "misc/keypad.h"
#include "misc/misc_classes.h"

#include "formtest.h"
#include "foundation/tickregistry.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

constexpr int kUp = 1, kLeft = 3, kCentre = 4, kRight = 5;

TKeypadModel Joy() { return TKeypadModel(QStringLiteral("ABCDEFGHI"), 4); }
TKeypadModel Pad() { return TKeypadModel(QStringLiteral("UD"), -1); }

QPoint CentreOf(const TRect& r) { return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

void Press(TKeypad& pad, int key) {
  QTest::mousePress(&pad, Qt::LeftButton, Qt::NoModifier, CentreOf(pad.Layout().Keys[key]));
}
void Release(TKeypad& pad, int key) {
  QTest::mouseRelease(&pad, Qt::LeftButton, Qt::NoModifier, CentreOf(pad.Layout().Keys[key]));
}
void Click(TKeypad& pad, int key) {
  Press(pad, key);
  Release(pad, key);
}

}  // namespace

TEST(KeypadModel, LatchingKeysGoDownAndComeUpByClicks) {
  TKeypadModel m = Joy();
  EXPECT_TRUE(m.Press(kUp).Pressed);
  EXPECT_EQ(m.Button(), QLatin1Char('B'));
  EXPECT_TRUE(m.Release().empty());  // latched
  EXPECT_EQ(m.ButtonStatus(), 2);
  EXPECT_TRUE(m.Press(kRight).Pressed);  // no lock: a second key joins
  EXPECT_EQ(m.ButtonStatus(), 2 | 32);
  EXPECT_TRUE(m.Press(kUp).Released);
  EXPECT_EQ(m.Button(), QLatin1Char('b'));
  EXPECT_EQ(m.ButtonStatus(), 32);
}

TEST(KeypadModel, LockModeKeepsOtherKeysOutButNotTheCentre) {
  TKeypadModel m = Joy();
  m.LockMode = true;
  m.Press(kUp);
  const auto refused = m.Press(kLeft);
  EXPECT_FALSE(refused.Pressed || refused.Released);
  EXPECT_EQ(m.ButtonStatus(), 2);
  EXPECT_TRUE(m.Press(kCentre).Pressed);
  EXPECT_EQ(m.ButtonStatus(), 2 | 16);
  EXPECT_TRUE(m.Press(kUp).Released);
  m.Press(kCentre);
  EXPECT_TRUE(m.Press(kLeft).Pressed);  // nothing down any more
}

TEST(KeypadModel, ReleaseRules) {
  TKeypadModel m = Joy();
  m.Press(kCentre);
  EXPECT_EQ(m.Release(), std::vector<int>{kCentre});  // the centre does not latch
  m.RastCenter = true;
  m.Press(kCentre);
  EXPECT_TRUE(m.Release().empty());
  EXPECT_EQ(m.ButtonStatus(), 16);

  TKeypadModel a = Joy();
  a.AllowAllUp = true;
  a.Press(kLeft);
  a.Press(kRight);
  EXPECT_EQ(a.Release(), std::vector<int>{kLeft});  // the first one found down
  EXPECT_EQ(a.Button(), QLatin1Char('d'));
  a.LockMode = true;
  a.Press(kRight);
  a.Press(kRight);
  EXPECT_TRUE(a.Release().empty());  // locked keys stay until clicked
}

TEST(KeypadModel, WritingTheStatusFollowsTheLatchingRules) {
  TKeypadModel m = Joy();
  m.WriteStatus(2 | 16 | 256);
  EXPECT_EQ(m.ButtonStatus(), 2 | 256);  // the centre only when it latches
  EXPECT_EQ(m.Button(), QLatin1Char('I'));
  m.RastCenter = true;
  m.WriteStatus(16);
  EXPECT_EQ(m.ButtonStatus(), 16);
  m.AllowAllUp = true;
  m.WriteStatus(1);
  EXPECT_EQ(m.ButtonStatus(), 0);  // directions are left alone, the centre follows bit 16
  m.AllowAllUp = false;
  m.LockMode = true;
  m.Press(kUp);
  m.WriteStatus(16);
  EXPECT_EQ(m.ButtonStatus(), 2 | 16);

  TKeypadModel p = Pad();
  p.LockMode = true;  // does not stop a two-key pad
  p.WriteStatus(3);
  EXPECT_EQ(p.ButtonStatus(), 3);
  p.AllowAllUp = true;
  p.WriteStatus(0);
  EXPECT_EQ(p.ButtonStatus(), 3);
}

TEST(KeypadModel, RepeatNeedsMomentaryKeysAndAPeriod) {
  TKeypadModel m = Joy();
  m.RepSpeed = 100;
  EXPECT_FALSE(m.Press(kUp).ArmRepeat);  // latching keys do not repeat
  m.Press(kUp);
  m.AllowAllUp = true;
  EXPECT_TRUE(m.Press(kUp).ArmRepeat);
  int period = 0;
  EXPECT_TRUE(m.RepeatStep(&period));
  EXPECT_EQ(period, 100);
  EXPECT_TRUE(m.Repeating());
  m.Release();
  m.Press(kCentre);
  EXPECT_FALSE(m.RepeatStep(&period));  // the centre alone does not repeat
  m.RepSpeed = 2500;
  m.RepeatStep(&period);
  EXPECT_EQ(period, 499);
  m.RepSpeed = 49;
  EXPECT_FALSE(m.RepeatStep(&period));
  EXPECT_EQ(period, 0);
}

TEST(KeypadLayout, SizesAndSquares) {
  const TFrameLook look;  // raised 2-pixel bevel and 2-pixel border
  EXPECT_EQ(KeypadSize(TKeypadShape::Grid, look, 30, 100), QSize(60, 60));
  EXPECT_EQ(KeypadSize(TKeypadShape::Grid, look, 90, 40), QSize(90, 90));
  EXPECT_EQ(KeypadSize(TKeypadShape::Column, look, 40, 10), QSize(40, 72));
  EXPECT_EQ(KeypadSize(TKeypadShape::Row, look, 10, 10), QSize(32, 20));
  TFrameLook in = look;
  in.BevelIn = bvLowered;
  EXPECT_EQ(KeypadSize(TKeypadShape::Column, in, 40, 0), QSize(40, 68));

  const TKeypadLayout grid = KeypadLayout(TKeypadShape::Grid, look, 90, 90);
  EXPECT_EQ(grid.KeySize, 27);  // inner 82 / 3
  EXPECT_EQ(grid.Keys[0], TRect(4, 4, 31, 31));
  EXPECT_EQ(grid.Keys[5], TRect(58, 31, 85, 58));
  const TKeypadLayout column = KeypadLayout(TKeypadShape::Column, look, 40, 72);
  EXPECT_EQ(column.Keys[1], TRect(4, 36, 36, 68));
  TFrameLook noRight = look;
  noRight.BordRight = false;
  EXPECT_EQ(KeypadLayout(TKeypadShape::Grid, noRight, 90, 90).KeySize, 27);
  TFrameLook open = look;
  open.BordRight = false;
  open.BordTop = false;
  const TKeypadLayout row = KeypadLayout(TKeypadShape::Row, open, 72, 40);
  // The missing right and top rings are taken back.
  EXPECT_EQ(row.KeySize, 32);
  EXPECT_EQ(row.Keys[0], TRect(4, 4, 36, 36));
}

TEST(KeypadLayout, ArrowsAreOneShapeTurned) {
  const TRect f(10, 20, 40, 50);
  const int s = 38;  // a = 15, b = 10, c = 8
  const std::vector<TPoint> up = {{25, 20}, {40, 35}, {30, 35}, {30, 50}, {20, 50}, {20, 35}, {10, 35}};
  EXPECT_EQ(ArrowPolygon(TArrow::Up, f, s), up);
  EXPECT_EQ(ArrowPolygon(TArrow::Down, f, s)[0], TPoint(25, 50));
  EXPECT_EQ(ArrowPolygon(TArrow::Left, f, s)[0], TPoint(10, 35));
  EXPECT_EQ(ArrowPolygon(TArrow::Left, f, s)[3], TPoint(40, 40));
  EXPECT_EQ(ArrowPolygon(TArrow::Right, f, s)[0], TPoint(40, 35));
  const std::vector<TPoint> upLeft = {{10, 20}, {32, 20}, {25, 28}, {40, 42}, {32, 50}, {18, 35}, {10, 42}};
  EXPECT_EQ(ArrowPolygon(TArrow::UpLeft, f, s), upLeft);
  EXPECT_EQ(ArrowPolygon(TArrow::DownRight, f, s)[0], TPoint(40, 50));
}

TEST(JoyStick, ClicksGiveEventsAndLetters) {
  TJoyStick j;
  EXPECT_EQ(j.Width(), 90);
  EXPECT_EQ(j.ColorMain(), clRed);
  EXPECT_EQ(j.ColorSek(), clBlue);
  QSignalSpy downs(&j, &TKeypad::OnDown), ups(&j, &TKeypad::OnUp);
  Click(j, kUp);
  EXPECT_EQ(downs.count(), 1);
  EXPECT_EQ(j.Button(), QLatin1Char('B'));
  Click(j, kUp);
  EXPECT_EQ(ups.count(), 1);
  EXPECT_EQ(j.Button(), QLatin1Char('b'));
  EXPECT_EQ(j.ButtonStatus(), 0);
}

TEST(JoyStick, PressedKeyIsDrawnSunkenAndARepaintKeepsIt) {
  TJoyStick j;
  j.PaintNow();
  const TRect key = j.Layout().Keys[kLeft];
  const int x = key.Left + 4, y = key.Top + 4;  // face, clear of the arrow
  EXPECT_EQ(PixelAt(j.SurfaceImage(), x, y), clSilver);
  Click(j, kLeft);
  EXPECT_EQ(PixelAt(j.SurfaceImage(), x, y), TColor(0xB8B8B8));
  j.Invalidate();
  j.PaintNow();
  EXPECT_EQ(PixelAt(j.SurfaceImage(), x, y), TColor(0xB8B8B8));
  EXPECT_EQ(j.ButtonStatus(), 8);
  // The arrow is filled with the key's colour.
  const QPoint mid = CentreOf(key);
  EXPECT_EQ(PixelAt(j.SurfaceImage(), mid.x(), mid.y()), clRed);
  const QPoint corner = CentreOf(j.Layout().Keys[0]);
  EXPECT_EQ(PixelAt(j.SurfaceImage(), corner.x(), corner.y()), clBlue);
}

TEST(JoyStick, StatusWrittenByProgramShowsAtOnce) {
  TJoyStick j;
  j.PaintNow();
  QSignalSpy downs(&j, &TKeypad::OnDown);
  j.SetButtonStatus(32);
  const TRect key = j.Layout().Keys[kRight];
  EXPECT_EQ(PixelAt(j.SurfaceImage(), key.Left + 4, key.Top + 4), TColor(0xB8B8B8));
  EXPECT_EQ(downs.count(), 0);
}

TEST(Keypads, HeldKeyRepeatsOnTheTick) {
  TUpDownT pad;
  pad.SetAllowAllUp(true);
  pad.SetRepSpeed(100);
  pad.PaintNow();
  QSignalSpy downs(&pad, &TKeypad::OnDown), ups(&pad, &TKeypad::OnUp);
  Press(pad, 1);
  EXPECT_EQ(downs.count(), 1);
  EXPECT_EQ(pad.Button(), QLatin1Char('D'));
  for (int i = 0; i < 8; ++i) TimerTick();
  EXPECT_EQ(downs.count(), 1);
  TimerTick();  // 500 ms: nine ticks of 55.5 ms
  EXPECT_EQ(downs.count(), 2);
  for (int i = 0; i < 6; ++i) TimerTick();  // 100 ms: every second tick
  EXPECT_EQ(downs.count(), 5);
  Release(pad, 1);
  EXPECT_EQ(ups.count(), 1);
  EXPECT_EQ(pad.ButtonStatus(), 0);
  for (int i = 0; i < 20; ++i) TimerTick();
  EXPECT_EQ(downs.count(), 5);
}

TEST(Keypads, RepeatPeriodIsTakenModulo2001) {
  TLeftRightT pad;
  EXPECT_EQ(pad.Height(), 40);
  EXPECT_EQ(pad.Width(), 72);
  pad.SetAllowAllUp(true);
  pad.SetRepSpeed(2100);  // 99 ms
  pad.PaintNow();
  QSignalSpy downs(&pad, &TKeypad::OnDown);
  Press(pad, 0);
  for (int i = 0; i < 9 + 4; ++i) TimerTick();
  EXPECT_EQ(downs.count(), 1 + 1 + 2);
  EXPECT_EQ(pad.Button(), QLatin1Char('L'));
}

TEST(Keypads, StoredFormsMakeEveryPad) {
  RegisterMiscClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TJoyStick" name="Joy">
   <property name="RepSpeed"><number>150</number></property>
   <property name="ColorSek"><string>clLime</string></property>
  </widget>
  <widget class="TUpDownT" name="UpDown"/>
  <widget class="TLeftRightT" name="LeftRight">
   <property name="LockMode"><bool>true</bool></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* joy = form->findChild<TJoyStick*>("Joy");
  ASSERT_TRUE(joy);
  EXPECT_EQ(joy->RepSpeed(), 150);
  EXPECT_EQ(joy->ColorSek(), clLime);
  auto* lr = form->findChild<TLeftRightT*>("LeftRight");
  ASSERT_TRUE(lr);
  EXPECT_TRUE(lr->LockMode());
  EXPECT_EQ(form->findChild<TUpDownT*>("UpDown")->ColorUp(), clAqua);
}
