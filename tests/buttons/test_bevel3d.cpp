#include "buttons/bevel3d.h"

#include "foundation/tickregistry.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <algorithm>

using namespace Veltor;
using VeltorTest::CountColour;
using VeltorTest::CountOther;
using VeltorTest::PixelAt;

namespace {

// The leftmost and rightmost columns of r holding anything but background.
std::pair<int, int> InkColumns(const QImage& img, const TRect& r, TColor background) {
  int first = r.Right, last = r.Left - 1;
  for (int x = r.Left; x < r.Right; ++x) {
    for (int y = r.Top; y < r.Bottom; ++y) {
      if (PixelAt(img, x, y) != background) {
        first = std::min(first, x);
        last = std::max(last, x);
      }
    }
  }
  return {first, last};
}

void Click(QWidget* w) {
  QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
}

// A shown window holding the buttons under test.
struct Panel {
  QWidget window;
  Panel() { window.resize(700, 250); }
  TBevel3D* Add(int x) {
    auto* b = new TBevel3D(&window);
    b->SetBounds(x, 10, 200, 100);
    b->SetCaptEnable(true);
    return b;
  }
  void Show() {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
};

}  // namespace

TEST(Bevel3D, GroupIndexIsKeptWithin0To255) {
  TBevel3D b;
  for (auto [in, stored] : {std::pair{300, 255}, {-5, 0}, {255, 255}, {17, 17}}) {
    b.SetGroupIndex(in);
    EXPECT_EQ(b.GroupIndex(), stored) << in;
  }
}

TEST(Bevel3D, CaptionAreaIsInsetUnlessSilverAndShrinksForItsBevel) {
  struct Row {
    int width, height;
    TColor back;
    TPanelBevel bevel;
    TRect capt;
  };
  // Frame: raised bevel 2 and border 2, so the inner area starts at 4. The
  // inset is 4 % of the inner height (wide controls) or width (tall ones).
  const Row rows[] = {
      {200, 100, clBlue, bvNone, TRect(8, 8, 192, 92)},     {200, 100, clSilver, bvNone, TRect(4, 4, 196, 96)},
      {100, 300, clBlue, bvNone, TRect(8, 8, 92, 292)},     {300, 200, clRed, bvNone, TRect(12, 12, 288, 188)},
      {200, 100, clBlue, bvRaised, TRect(10, 10, 190, 90)}, {200, 100, clSilver, bvLowered, TRect(6, 6, 194, 94)},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.width << "x" << row.height << " back " << std::hex << row.back.Value()
                                    << " bevel " << row.bevel);
    TBevel3D b;
    b.resize(row.width, row.height);
    b.SetColBgnd(clAqua);
    b.SetCaptEnable(true);
    b.SetColCaptBack(row.back);
    b.SetCaptBevel(row.bevel);
    const QImage img = b.SurfaceImage();
    const TRect c = b.CaptRect();
    EXPECT_EQ(c, row.capt);
    EXPECT_EQ(CountOther(img, c, row.back), 0);
    // The frame's background shows in the inset; a silver caption area
    // without a bevel covers it all.
    const TRect inner = b.InnerRect();
    const bool inset = row.back != clSilver;
    EXPECT_EQ(PixelAt(img, inner.Left, inner.Top + inner.Height() / 2) == clAqua, inset);
    if (row.bevel == bvNone) {
      EXPECT_EQ(CountOther(img, inner, clAqua) == inner.Width() * inner.Height(), !inset);
    }
    if (row.bevel != bvNone) {
      const TColor lit = row.bevel == bvRaised ? clWhite : clGray;
      const TColor shade = row.bevel == bvRaised ? clGray : clWhite;
      EXPECT_EQ(PixelAt(img, c.Left - 2, c.Top + 5), lit);
      EXPECT_EQ(PixelAt(img, c.Left + 5, c.Top - 2), lit);
      EXPECT_EQ(PixelAt(img, c.Right + 1, c.Top + 5), shade);
      EXPECT_EQ(PixelAt(img, c.Left + 5, c.Bottom + 1), shade);
      // A ring of the background separates the bevel from the caption.
      EXPECT_EQ(PixelAt(img, c.Left - 1, c.Top + 5), clAqua);
      EXPECT_EQ(PixelAt(img, c.Right, c.Bottom - 5), clAqua);
    }
  }
}

TEST(Bevel3D, CaptionIsFittedAndAligned) {
  struct Row {
    TTextStyle adjust;
    int expectedLeft;   // -1: not checked
    int expectedRight;  // -1: not checked
  };
  TBevel3D probe;
  probe.SetCaptEnable(true);
  probe.SurfaceImage();
  const TRect c = probe.CaptRect();
  const Row rows[] = {{ttLeft, c.Left + 1, -1}, {ttRight, -1, c.Right - 2}, {ttCenter, -1, -1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.adjust);
    TBevel3D b;
    b.SetCaptEnable(true);
    b.SetFontAutom(false);
    b.SetCaption(QStringLiteral("Mid"));
    b.SetTextAdjust(row.adjust);
    const QImage img = b.SurfaceImage();
    const auto [first, last] = InkColumns(img, c, clBlue);
    ASSERT_LE(first, last);
    // Glyphs start a pixel or two after their pen position.
    if (row.expectedLeft >= 0) {
      EXPECT_NEAR(first, row.expectedLeft, 2);
    }
    if (row.expectedRight >= 0) {
      EXPECT_NEAR(last, row.expectedRight, 2);
    }
    if (row.adjust == ttCenter) {
      EXPECT_NEAR(first - c.Left, c.Right - 1 - last, 3);
    }
  }

  // Fitting grows the default font to fill the area.
  TBevel3D fitted;
  fitted.SetCaptEnable(true);
  fitted.SetCaption(QStringLiteral("Mid"));
  const QImage img = fitted.SurfaceImage();
  const auto [first, last] = InkColumns(img, fitted.CaptRect(), clBlue);
  EXPECT_GT(last - first, 100);
  EXPECT_EQ(fitted.Font().Height, TBevel3D().Font().Height);  // the property itself is untouched
}

TEST(Bevel3D, WordWrapBreaksLinesAndGivesWayToFontFitting) {
  TBevel3D b;
  b.SetCaptEnable(true);
  b.SetWordWrap(true);
  EXPECT_FALSE(b.FontAutom());
  b.SetCaption(QStringLiteral("Upper|Lower"));
  QImage img = b.SurfaceImage();
  const TRect c = b.CaptRect();
  const int mid = c.Top + c.Height() / 2;
  EXPECT_GT(CountOther(img, TRect(c.Left, c.Top, c.Right, mid), clBlue), 0);
  EXPECT_GT(CountOther(img, TRect(c.Left, mid, c.Right, c.Bottom), clBlue), 0);

  // Fitting switched back on wins at the next paint.
  b.SetFontAutom(true);
  img = b.SurfaceImage();
  EXPECT_FALSE(b.WordWrap());
  EXPECT_TRUE(b.FontAutom());
}

TEST(Bevel3D, Caption1ShowsWhileDown) {
  Panel p;
  TBevel3D* toggle = p.Add(10);
  TBevel3D* push = p.Add(220);
  for (TBevel3D* b : {toggle, push}) {
    b->SetCaption(QStringLiteral("OFF"));
    b->SetCaption1(QStringLiteral("ON"));
    b->SetColCaption(clYellow);
    b->SetColCaption1(clRed);
  }
  toggle->SetButtonStyle(tsPushPull);
  push->SetButtonStyle(tsPush);
  p.Show();
  auto reds = [](TBevel3D* b) { return CountColour(b->SurfaceImage(), b->CaptRect(), clRed) > 0; };
  EXPECT_FALSE(reds(toggle));
  QTest::mousePress(toggle, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_TRUE(toggle->Down());
  EXPECT_TRUE(reds(toggle));
  QTest::mouseRelease(toggle, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_TRUE(reds(toggle));
  Click(toggle);
  EXPECT_FALSE(toggle->Down());
  EXPECT_FALSE(reds(toggle));

  // A push button shows Caption1 while held and Caption again once released.
  QTest::mousePress(push, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_TRUE(reds(push));
  QTest::mouseRelease(push, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_FALSE(push->Down());
  EXPECT_FALSE(reds(push));
}

TEST(Bevel3D, GroupButtonsReleaseEachOther) {
  Panel p;
  TBevel3D* a = p.Add(10);
  TBevel3D* b = p.Add(220);
  TBevel3D* other = p.Add(430);
  for (TBevel3D* x : {a, b}) x->SetGroupIndex(1);
  other->SetGroupIndex(2);
  for (TBevel3D* x : {a, b, other}) x->SetButtonStyle(tsPushPull);
  p.Show();
  QSignalSpy aUp(a, &TRahmen::OnUp);
  QSignalSpy bClicks(b, &TRahmen::OnClick);

  Click(other);
  Click(a);
  EXPECT_TRUE(a->Down());
  // b going down releases a at once, before the press handling returns.
  QTest::mousePress(b, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_TRUE(b->Down());
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(other->Down());                            // another group
  EXPECT_EQ(aUp.count(), 0);                             // released by the group, not by the user
  EXPECT_EQ(PixelAt(a->SurfaceImage(), 1, 1), clWhite);  // raised again
  QTest::mouseRelease(b, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(bClicks.count(), 1);

  // The down button of the group cannot be clicked up...
  Click(b);
  EXPECT_TRUE(b->Down());
  EXPECT_EQ(bClicks.count(), 1);
  // ...unless the group may be all up.
  b->SetAllowAllUp(true);
  Click(b);
  EXPECT_FALSE(b->Down());
  EXPECT_EQ(bClicks.count(), 2);

  // Setting Down in code releases the others too.
  a->SetDown(true);
  b->SetDown(true);
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(b->Down());
}

TEST(Bevel3D, GroupMessageFromAStrangerIsIgnored) {
  Panel p;
  TBevel3D* a = p.Add(10);
  a->SetGroupIndex(3);
  a->SetButtonStyle(tsPushPull);
  a->SetDown(true);
  // The sender named in the message is no button of this parent.
  Broadcast(&p.window, kGroupDownMessage, 3, 12345);
  Broadcast(&p.window, kGroupDownMessage, 3, reinterpret_cast<qintptr>(&p.window));
  EXPECT_TRUE(a->Down());
}

TEST(Bevel3D, CaptionBlinksWithTheBlinkClock) {
  TBevel3D b;
  b.SetCaptEnable(true);
  b.SetCaption(QStringLiteral("Alarm"));
  b.SetCaptBlink(true);
  b.SurfaceImage();
  bool seenShown = false, seenHidden = false;
  // Two half periods of the blink clock call the blinker twice.
  for (int tick = 0; tick < 14; ++tick) {
    TimerTick();
    const bool shown = CountOther(b.SurfaceImage(), b.CaptRect(), clBlue) > 0;
    (shown ? seenShown : seenHidden) = true;
  }
  EXPECT_TRUE(seenShown);
  EXPECT_TRUE(seenHidden);

  // Switching blinking off brings the caption back.
  b.SetCaptBlink(false);
  EXPECT_GT(CountOther(b.SurfaceImage(), b.CaptRect(), clBlue), 0);
}

TEST(Bevel3D, BlinkWithAnEmptyCaptionDrawsNothing) {
  TBevel3D b;
  b.SetCaptEnable(true);
  b.SetCaptBlink(true);
  b.SurfaceImage();
  // A mark in the caption area would be wiped by any caption drawing.
  const TRect c = b.CaptRect();
  b.Canvas().SetPixel(c.Left + 10, c.Top + 10, clRed);
  const QImage before = b.SurfaceImage();
  for (int tick = 0; tick < 14; ++tick) TimerTick();
  EXPECT_EQ(VeltorTest::ImageDifference(before, b.SurfaceImage()), QString());

  // With a caption the same ticks do draw.
  b.SetCaption(QStringLiteral("X"));
  b.SurfaceImage();
  b.Canvas().SetPixel(c.Left + 1, c.Top + 1, clRed);
  for (int tick = 0; tick < 14; ++tick) TimerTick();
  EXPECT_EQ(PixelAt(b.SurfaceImage(), c.Left + 1, c.Top + 1), clBlue);
}
