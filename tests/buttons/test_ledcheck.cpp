#include "buttons/buttons_classes.h"
#include "buttons/ledbutton.h"
#include "buttons/ledcheck.h"

#include "formtest.h"
#include "foundation/tickregistry.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <vector>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

const TColor kRedDark(0x000060);

TColor LampCentre(TLedCheck& c) {
  const QImage img = c.SurfaceImage();
  return PixelAt(img, c.Layout().Lamp.Cx, c.Layout().Lamp.Cy);
}

// Pixels of r where red clearly leads: small text is antialiased.
int CountReddish(const QImage& img, const TRect& r) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      const TColor p = PixelAt(img, x, y);
      n += p.Red() > p.Green() + 64 && p.Red() > p.Blue() + 64;
    }
  }
  return n;
}

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(5, 8)); }

// A shown window of checks, one under the other.
struct Panel {
  QWidget window;
  std::vector<TLedCheck*> checks;
  Panel() { window.resize(140, 200); }
  TLedCheck* Add(TCheckMode mode, int group = 0) {
    auto* c = new TLedCheck(&window);
    c->SetBounds(10, 10 + 25 * int(checks.size()), 113, 20);
    c->SetCheckMode(mode);
    c->SetGroupIndex(group);
    checks.push_back(c);
    return c;
  }
  void Show() {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
};

}  // namespace

TEST(LedCheckLayout, LedAndCaptionBoxByCaptionSide) {
  struct Row {
    int width, height, ledSize;
    TOrientType pos;
    TLedShape shape;
    bool framed;
    int cx, cy, lampR;
    TRect lampBox, captBox;
  };
  // No frame: the inner area is the whole control. Font height 11.
  const Row rows[] = {
      {113, 17, 8, orRight, ledCircle, false, 10, 8, 6, {2, 0, 18, 16}, {20, 2, 111, 15}},
      {60, 60, 10, orTop, ledCircle, false, 30, 48, 7, {20, 38, 40, 58}, {2, 22, 58, 36}},
      {60, 60, 10, orBottom, ledCircle, true, 30, 12, 7, {20, 2, 40, 22}, {2, 24, 58, 40}},
      // A box taller than the caption is centred on the LED.
      {113, 30, 8, orLeft, ledCircle, false, 103, 15, 6, {95, 7, 111, 23}, {2, 8, 93, 22}},
      {113, 40, 15, orRight, ledRectangle, false, 17, 20, 15, {6, 9, 28, 31}, {34, 13, 111, 27}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.width << "x" << row.height << " pos " << row.pos);
    TLedCheckModel m;
    m.LedSize = row.ledSize;
    m.CaptPos = row.pos;
    m.LedShape = row.shape;
    m.CaptFrame = row.framed;
    const TLedCheckLayout l =
        LedCheckLayout(row.width, row.height, TRect(0, 0, row.width, row.height), m, clSilver, -11);
    EXPECT_EQ(l.Lamp.Cx, row.cx);
    EXPECT_EQ(l.Lamp.Cy, row.cy);
    EXPECT_EQ(l.Lamp.R, row.lampR);
    EXPECT_EQ(l.Lamp.Box, row.lampBox);
    EXPECT_EQ(l.CaptBox, row.captBox);
    EXPECT_EQ(l.TextTop, row.captBox.Top - 1);
  }
  for (auto [size, ring] : {std::pair{6, 1}, {8, 1}, {9, 2}, {15, 3}, {18, 4}, {30, 6}}) {
    EXPECT_EQ(LedRingWidth(size), ring) << size;
  }
}

TEST(LedCheck, LedSizeIsClampedAndTheSameValueDoesNothing) {
  TLedCheck c;
  c.SetLedSize(40);
  EXPECT_EQ(c.LedSize(), 30);
  c.SetLedSize(2);
  EXPECT_EQ(c.LedSize(), 6);
  c.SetGroupIndex(-3);
  EXPECT_EQ(c.GroupIndex(), 0);
  c.SurfaceImage();
  c.Canvas().SetPixel(60, 1, clBlue);  // a full paint would wipe it
  c.SetLedSize(6);
  c.SetLedSize(5);
  EXPECT_EQ(PixelAt(c.SurfaceImage(), 60, 1), clBlue);
  c.SetLedSize(7);
  EXPECT_NE(PixelAt(c.SurfaceImage(), 60, 1), clBlue);
}

TEST(LedCheck, CannotShrinkBelowTheLedWithItsBevels) {
  QWidget window;
  auto* c = new TLedCheck(&window);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  c->SetLedSize(30);
  c->SetBounds(0, 0, 10, 10);
  EXPECT_EQ(c->Width(), 62);
  EXPECT_EQ(c->Height(), 62);
  c->SetBevWidth(2);
  c->SetBevelOut(bvRaised);
  c->SetHeight(20);
  EXPECT_EQ(c->Height(), 66);
  c->SetBevelIn(bvLowered);
  c->SetWidth(20);
  EXPECT_EQ(c->Width(), 70);
  c->SetBounds(0, 0, 200, 100);
  EXPECT_EQ(c->Width(), 200);
}

TEST(LedCheck, BevelRingAroundTheLamp) {
  for (TPanelBevel bevel : {bvRaised, bvLowered}) {
    for (TLedShape shape : {ledCircle, ledRectangle}) {
      SCOPED_TRACE(testing::Message() << "bevel " << bevel << " shape " << shape);
      TLedCheck c;
      c.resize(113, 40);
      c.SetLedSize(15);  // ring 3 wide
      c.SetLedBevel(bevel);
      c.SetLedShape(shape);
      const TColor lit = bevel == bvRaised ? clWhite : clGray;
      const TColor shade = bevel == bvRaised ? clGray : clWhite;
      const QImage img = c.SurfaceImage();
      const int cx = 17, cy = 20;
      const bool round = shape == ledCircle;
      EXPECT_EQ(PixelAt(img, round ? cx - 10 : cx - 13, round ? cy - 10 : cy), lit);
      EXPECT_EQ(PixelAt(img, round ? cx + 9 : cx + 13, round ? cy + 9 : cy), shade);
      if (!round) {
        // Silver edge, two pixels of ring, one of silver, then the lamp.
        EXPECT_EQ(PixelAt(img, cx - 15, cy), clSilver);
        EXPECT_EQ(PixelAt(img, cx - 14, cy), lit);
        EXPECT_EQ(PixelAt(img, cx - 12, cy), clSilver);
        EXPECT_EQ(PixelAt(img, cx - 11, cy), clBlack);
      }
      EXPECT_EQ(PixelAt(img, cx, cy), kRedDark);
    }
  }
}

TEST(LedCheck, CheckedLightsTheLedAndSwitchesTheCaption) {
  TLedCheck c;
  c.resize(113, 24);
  c.SetCaption(QStringLiteral("off"));
  c.SetCaption1(QStringLiteral("on"));
  c.SetCaptionCol1(clRed);
  c.SetCaptFrmCol(clBlue);
  c.SetCaptAutoFrm(true);
  c.SurfaceImage();
  const TRect box = c.Layout().CaptBox;
  EXPECT_EQ(LampCentre(c), kRedDark);
  EXPECT_EQ(PixelAt(c.SurfaceImage(), box.Left, box.Top + 3), clSilver);
  EXPECT_EQ(CountReddish(c.SurfaceImage(), box), 0);

  c.SetChecked(true);  // a lamp (lcNone) too lights when the program says so
  EXPECT_EQ(LampCentre(c), clRed);
  EXPECT_EQ(PixelAt(c.SurfaceImage(), box.Left, box.Top + 3), clBlue);
  EXPECT_GT(CountReddish(c.SurfaceImage(), box), 0);

  // Always framed: checked or not.
  c.SetCaptFrame(true);
  EXPECT_FALSE(c.CaptAutoFrm());
  c.SetChecked(false);
  EXPECT_EQ(PixelAt(c.SurfaceImage(), box.Left, box.Top + 3), clBlue);
  c.SetCaptAutoFrm(true);
  EXPECT_FALSE(c.CaptFrame());
  EXPECT_EQ(PixelAt(c.SurfaceImage(), box.Left, box.Top + 3), clSilver);
}

TEST(LedCheck, ModesByRealClicks) {
  Panel p;
  TLedCheck* lamp = p.Add(lcNone);
  TLedCheck* push = p.Add(lcButton);
  TLedCheck* box = p.Add(lcCheckBox);
  p.Show();
  EXPECT_EQ(push->ButtonStyle(), tsPush);
  EXPECT_EQ(box->ButtonStyle(), tsPushPull);

  // A plain lamp only reports the click, also when the program lit it.
  QSignalSpy lampClicks(lamp, &TRahmen::OnClick);
  Click(lamp);
  EXPECT_FALSE(lamp->Checked());
  lamp->SetChecked(true);
  Click(lamp);
  EXPECT_TRUE(lamp->Checked());
  EXPECT_EQ(LampCentre(*lamp), clRed);
  EXPECT_EQ(lampClicks.count(), 2);

  // A push button is lit while held.
  QTest::mousePress(push, Qt::LeftButton, Qt::NoModifier, QPoint(5, 8));
  EXPECT_TRUE(push->Checked());
  EXPECT_EQ(LampCentre(*push), clRed);
  QTest::mouseRelease(push, Qt::LeftButton, Qt::NoModifier, QPoint(5, 8));
  EXPECT_FALSE(push->Checked());
  EXPECT_EQ(LampCentre(*push), kRedDark);

  // A check box toggles on each click.
  Click(box);
  EXPECT_TRUE(box->Checked());
  EXPECT_EQ(LampCentre(*box), clRed);
  Click(box);
  EXPECT_FALSE(box->Checked());
  EXPECT_EQ(LampCentre(*box), kRedDark);
}

TEST(LedCheck, RadioGroupOfThree) {
  Panel p;
  TLedCheck* a = p.Add(lcRadioBtn, 2);
  TLedCheck* b = p.Add(lcRadioBtn, 2);
  TLedCheck* c = p.Add(lcRadioBtn, 2);
  TLedCheck* box = p.Add(lcCheckBox, 2);  // same index, not a radio LED
  box->SetChecked(true);
  Panel elsewhere;
  TLedCheck* stranger = elsewhere.Add(lcRadioBtn, 2);
  stranger->SetChecked(true);
  p.Show();

  Click(a);
  EXPECT_TRUE(a->Checked());
  Click(b);
  EXPECT_TRUE(b->Checked());
  EXPECT_FALSE(a->Checked());
  EXPECT_EQ(LampCentre(*a), kRedDark);
  // The checked one ignores clicks.
  QSignalSpy bClicks(b, &TRahmen::OnClick);
  Click(b);
  EXPECT_TRUE(b->Checked());
  EXPECT_EQ(bClicks.count(), 0);
  // Checked by program unchecks the others as well.
  c->SetChecked(true);
  EXPECT_FALSE(b->Checked());
  EXPECT_EQ(LampCentre(*b), kRedDark);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(box->Checked());
  EXPECT_TRUE(stranger->Checked());
}

TEST(LedCheck, OnlyACheckedLedBlinks) {
  TLedCheck c;
  c.SetLedBlink(true);
  // How often the LED shows lit over two blink periods.
  auto litTicks = [&c] {
    int lit = 0;
    for (int t = 0; t < 28; ++t) {
      TimerTick();
      lit += LampCentre(c) == clRed;
    }
    return lit;
  };
  EXPECT_EQ(litTicks(), 0);
  c.SetChecked(true);
  const int lit = litTicks();
  EXPECT_GT(lit, 7);
  EXPECT_LT(lit, 21);
  c.SetChecked(false);
  EXPECT_EQ(LampCentre(c), kRedDark);
  EXPECT_EQ(litTicks(), 0);
}

TEST(LedCheck, StoredFormBuildsBothLedClasses) {
  RegisterButtonClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TLedButton" name="Pump">
   <property name="CaptType"><enum>ctLed</enum></property>
   <property name="LedShape"><enum>ledRectangle</enum></property>
   <property name="Caption"><string>Pumpe 1 ein</string></property>
  </widget>
  <widget class="TLedCheck" name="English">
   <property name="CheckMode"><enum>lcRadioBtn</enum></property>
   <property name="CaptPos"><enum>orLeft</enum></property>
   <property name="Checked"><bool>true</bool></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* pump = form->findChild<TLedButton*>("Pump");
  ASSERT_TRUE(pump);
  EXPECT_EQ(pump->CaptType(), ctLed);
  EXPECT_EQ(pump->LedShape(), ledRectangle);
  EXPECT_EQ(pump->Caption(), QStringLiteral("Pumpe 1 ei"));
  auto* english = form->findChild<TLedCheck*>("English");
  ASSERT_TRUE(english);
  EXPECT_EQ(english->ButtonStyle(), tsPushPull);
  EXPECT_EQ(english->CaptPos(), orLeft);
  EXPECT_TRUE(english->Checked());
}
