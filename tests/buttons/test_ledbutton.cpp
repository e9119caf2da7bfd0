#include "buttons/ledbutton.h"

#include "foundation/tickregistry.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using namespace Veltor;
using VeltorTest::CountColour;
using VeltorTest::CountOther;
using VeltorTest::PixelAt;

namespace {

const TColor kLimeDark(0x006000);

// The colour at the middle of the button's lamp.
TColor LampCentre(TLedButton& b) {
  const QImage img = b.SurfaceImage();
  const TRect r = b.Layout().Lamp.Bounds();
  return PixelAt(img, r.Left + r.Width() / 2, r.Top + r.Height() / 2);
}

void Click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }

}  // namespace

TEST(LedButtonLayout, LedAndCaptionBoxFollowTheInnerArea) {
  struct Row {
    int width, height;
    TRect inner;
    TCaptType capt;
    TLedShape shape;
    TPanelBevel bevel;
    int cx, cy, r;
    TRect led, captBox, textBox;
  };
  // 30 x 30: frame line, bevel 2 and border 2 leave (5, 5, 25, 25).
  const Row rows[] = {
      {30, 30, {5, 5, 25, 25}, ctBevel, ledCircle, bvNone, 15, 10, 5, {5, 5, 25, 15}, {5, 15, 25, 25}, {}},
      {30, 30, {5, 5, 25, 25}, ctNone, ledCircle, bvNone, 15, 15, 10, {5, 5, 25, 25}, {}, {}},
      // 0.48 x 30 rounds to 14 and leaves a margin of 2.
      {40, 40, {5, 5, 35, 35}, ctBevel, ledCircle, bvRaised, 20, 12, 5, {7, 7, 33, 18}, {9, 22, 31, 31}, {}},
      {40, 40, {5, 5, 35, 35}, ctLed, ledCircle, bvNone, 20, 20, 14, {7, 7, 33, 33}, {}, {9, 9, 31, 31}},
      {40, 40, {5, 5, 35, 35}, ctLed, ledRectangle, bvNone, 20, 20, 14, {7, 7, 33, 33}, {}, {8, 8, 32, 32}},
      // Wider than high: the height sets the size; the box is a third of
      // the width high but starts no higher than half way.
      {90, 30, {5, 5, 85, 25}, ctBevel, ledRectangle, bvNone, 45, 10, 5, {5, 5, 85, 15}, {5, 15, 85, 25}, {}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.width << "x" << row.height << " capt " << row.capt << " shape "
                                    << row.shape);
    TLedButtonModel m;
    m.CaptType = row.capt;
    m.LedShape = row.shape;
    m.CaptBevel = row.bevel;
    const TLedButtonLayout l = LedButtonLayout(row.width, row.height, row.inner, m, true);
    EXPECT_EQ(l.Socket.Cx, row.cx);
    EXPECT_EQ(l.Socket.Cy, row.cy);
    EXPECT_EQ(l.Socket.R, row.r);
    EXPECT_EQ(l.Socket.Box, row.led);
    EXPECT_EQ(l.CaptBox, row.captBox);
    EXPECT_EQ(l.TextBox, row.textBox);
  }
}

TEST(LedButton, SettersKeepTheirRulesAndRedrawOnlyTheLed) {
  TLedButton b;
  b.SetCaption(QStringLiteral("0123456789AB"));
  EXPECT_EQ(b.Caption(), QStringLiteral("0123456789"));
  b.SetGroupIndex(300);
  EXPECT_EQ(b.GroupIndex(), 255);
  b.SetGroupIndex(-5);
  EXPECT_EQ(b.GroupIndex(), 0);
  b.resize(60, 60);
  EXPECT_EQ(LampCentre(b), kLimeDark);
  // Any full paint would wipe this mark in the caption box.
  const TRect box = b.Layout().CaptBox;
  b.Canvas().SetPixel(box.Left, box.Top, clRed);

  b.SetLedOn(true);
  EXPECT_EQ(LampCentre(b), clLime);

  // Blinking with the LED on keeps it lit, switching off darkens it.
  b.SetLedBlink(true);
  EXPECT_EQ(LampCentre(b), clLime);
  b.SetLedOn(false);
  EXPECT_EQ(LampCentre(b), kLimeDark);
  b.SetLedBlink(false);
  EXPECT_EQ(LampCentre(b), kLimeDark);
  // Blinking switched on while off lights at once; switched off, dark again.
  b.SetLedBlink(true);
  EXPECT_EQ(LampCentre(b), clLime);
  b.SetLedBlink(false);
  EXPECT_EQ(LampCentre(b), kLimeDark);

  // ColLed redraws the LED in its state even when the colour is unchanged.
  const TRect lamp = b.Layout().Lamp.Bounds();
  const int mx = lamp.Left + lamp.Width() / 2, my = lamp.Top + lamp.Height() / 2;
  b.Canvas().SetPixel(mx, my, clBlue);
  b.SetColLed(clLime);
  EXPECT_EQ(LampCentre(b), kLimeDark);
  b.SetColLed(clYellow);
  EXPECT_EQ(LampCentre(b), TColor(0x006060));

  EXPECT_EQ(PixelAt(b.SurfaceImage(), box.Left, box.Top), clRed);
}

TEST(LedButton, CaptionBoxShowsCaption1WhileDown) {
  TLedButton b;
  b.resize(80, 80);
  b.SetCaption(QStringLiteral("OFF"));
  b.SetCaption1(QStringLiteral("ON"));
  b.SetColCaption1(clRed);
  b.SurfaceImage();
  const TRect box = b.Layout().CaptBox;
  EXPECT_GT(CountOther(b.SurfaceImage(), box, clSilver), 0);
  EXPECT_EQ(CountColour(b.SurfaceImage(), box, clRed), 0);
  b.SetDown(true);
  EXPECT_GT(CountColour(b.SurfaceImage(), box, clRed), 0);

  // Without Caption the box stays empty, whatever Caption1 says.
  b.SetCaption(QString());
  EXPECT_EQ(CountOther(b.SurfaceImage(), box, clSilver), 0);
  b.SetDown(false);
  EXPECT_EQ(CountOther(b.SurfaceImage(), box, clSilver), 0);
}

TEST(LedButton, GroupOfThreeWithRealClicks) {
  for (bool allowAllUp : {false, true}) {
    SCOPED_TRACE(allowAllUp);
    QWidget window;
    window.resize(200, 60);
    std::vector<TLedButton*> group;
    for (int i = 0; i < 3; ++i) {
      auto* b = new TLedButton(&window);
      b->SetBounds(10 + 40 * i, 10, 30, 30);
      b->SetGroupIndex(4);
      b->SetAllowAllUp(allowAllUp);
      group.push_back(b);
    }
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    TLedButton *a = group[0], *b = group[1], *c = group[2];
    QSignalSpy bClicks(b, &TRahmen::OnClick);

    Click(a);
    EXPECT_TRUE(a->Down());
    Click(b);
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(a->Down());
    EXPECT_FALSE(c->Down());
    EXPECT_EQ(bClicks.count(), 1);
    // The down button clicked again: ignored, or released when all may be up.
    Click(b);
    EXPECT_EQ(b->Down(), !allowAllUp);
    EXPECT_EQ(bClicks.count(), allowAllUp ? 2 : 1);
    EXPECT_FALSE(a->Down());
    // Down set by program releases the others too.
    c->SetDown(true);
    a->SetDown(true);
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(c->Down());
    EXPECT_TRUE(a->Down());
  }
}

TEST(LedButton, BlinkersSpreadOverTheSevenTicks) {
  constexpr int kCount = 14;
  std::vector<std::unique_ptr<TLedButton>> leds;
  for (int i = 0; i < kCount; ++i) {
    leds.push_back(std::make_unique<TLedButton>());
    leds.back()->SetLedOn(i % 2 == 1);
    leds.back()->SetLedBlink(true);
    leds.back()->SurfaceImage();
  }
  for (int t = 0; t < 7; ++t) TimerTick();

  std::vector<int> changes(kCount, 0);
  for (int t = 0; t < 14; ++t) {
    std::vector<bool> before;
    for (auto& l : leds) before.push_back(l->LitShown());
    TimerTick();
    int changedNow = 0;
    for (int i = 0; i < kCount; ++i) {
      if (leds[i]->LitShown() == before[i]) continue;
      ++changedNow;
      ++changes[i];
      // A blinking LED that is on is dark in the phase an unlit one is lit.
      EXPECT_EQ(leds[i]->LitShown(), BlinkState() != leds[i]->LedOn()) << i;
    }
    // Fourteen blinkers over seven phases: two redraw on each tick.
    EXPECT_EQ(changedNow, 2) << "tick " << t;
  }
  for (int i = 0; i < kCount; ++i) {
    EXPECT_EQ(changes[i], 2) << i;
    EXPECT_EQ(LampCentre(*leds[i]), leds[i]->LitShown() ? clLime : kLimeDark) << i;
  }
}
