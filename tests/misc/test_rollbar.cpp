#include "misc/rollbar.h"

#include "foundation/tickregistry.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace Veltor;

namespace {

struct Bench {
  QWidget window;
  TRollBar* bar = new TRollBar(&window);

  Bench() { window.resize(400, 300); }
  void Show() {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  // Ticks until the roll is over; the heights it passed through.
  std::vector<int> Ticks() {
    std::vector<int> heights{bar->Height()};
    for (int i = 0; i < 100 && bar->Rolling(); ++i) {
      TimerTick();
      heights.push_back(bar->Height());
    }
    return heights;
  }
};

void Mouse(QWidget* w, QEvent::Type type, QPoint local, Qt::MouseButtons buttons) {
  QMouseEvent e(type, local, w->mapToGlobal(local), Qt::LeftButton, buttons, Qt::NoModifier);
  QApplication::sendEvent(w, &e);
}

}  // namespace

TEST(RollBar, CaptionHeightIsClampedAndSetsTheFont) {
  TRollBar bar;
  bar.SetCapHeight(30);
  EXPECT_EQ(bar.CapHeight(), 20);
  bar.SetCapHeight(5);
  EXPECT_EQ(bar.CapHeight(), 13);
  bar.SetCapHeight(15);
  EXPECT_FALSE(bar.Font().Style & fsBold);
  EXPECT_FALSE(bar.CloseButton()->Font().Style & fsBold);
  bar.SetCapHeight(16);
  EXPECT_TRUE(bar.Font().Style & fsBold);
  EXPECT_TRUE(bar.CloseButton()->Font().Style & fsBold);
  EXPECT_EQ(bar.Font().Height, 16);
  EXPECT_EQ(bar.CloseButton()->Font().Height, 14);
  EXPECT_EQ(bar.CloseButton()->Width(), 14);
}

TEST(RollBar, RollHeightsStepDownAndUp) {
  std::vector<int> up;
  for (int h = 150; h >= 20; h -= 10) up.push_back(h);
  up.push_back(18);
  EXPECT_EQ(RollUpHeights(150, 18, 10), up);
  EXPECT_EQ(RollUpHeights(150, 18, 0), std::vector<int>{18});
  // Landing on the collapsed height does not pass it twice.
  EXPECT_EQ(RollUpHeights(38, 18, 10), (std::vector<int>{38, 28, 18}));
  EXPECT_EQ(RollDownHeights(18, 30, 9), (std::vector<int>{18, 24, 30}));
  // Down grows by two thirds of the step.
  EXPECT_EQ(RollDownHeights(18, 40, 10), (std::vector<int>{18, 24, 30, 36, 40}));
  EXPECT_EQ(RollDownHeights(18, 40, 0), std::vector<int>{40});
}

TEST(RollBar, LayoutFollowsTheRings) {
  TPanelLook look;  // a raised outer bevel of width 1
  TRollBarLayout l = RollBarLayout(130, look, 18, false);
  EXPECT_EQ(l.Caption, TRect(2, 2, 127, 16));
  EXPECT_EQ(l.Collapsed, 18 + 1 + 2);
  EXPECT_EQ(l.Close, TRect(2, 2, 18, 18));
  EXPECT_EQ(l.Roll, TRect(111, 2, 127, 18));
  // Without a menu the text follows the close button, with one the menu.
  EXPECT_EQ(l.Text, TPoint(18 + 6, 1));
  EXPECT_EQ(RollBarLayout(130, look, 18, true).Text, TPoint(l.Menu.Right + 6, 1));
  EXPECT_EQ(l.Menu.Left, 2 + 16 + 2);

  look.BevelOuter = bvNone;
  look.BevelInner = bvLowered;
  look.BevelWidth = 2;
  look.BorderWidth = 3;
  look.BorderStyle = bsSingle;
  l = RollBarLayout(130, look, 18, false);
  EXPECT_EQ(l.Caption, TRect(6, 6, 123, 12));
  EXPECT_EQ(l.Collapsed, 18 + 1 + 4 + 3 + 1);

  look.BevelInner = bvNone;
  look.BorderStyle = bsNone;
  EXPECT_EQ(RollBarLayout(130, look, 18, false).Collapsed, 18);
}

TEST(RollBar, RollsUpAndDownOnTheTick) {
  Bench b;
  b.bar->SetBevelOuter(bvNone);
  b.bar->SetHeightMax(150);
  b.bar->SetRollSpeed(trSlow);
  b.Show();
  QSignalSpy rolled(b.bar, &TRollBar::OnUpDown);
  b.bar->SetDown(false);
  EXPECT_FALSE(b.bar->Down());
  std::vector<int> up;
  for (int h = 150; h >= 20; h -= 10) up.push_back(h);
  up.push_back(18);
  EXPECT_EQ(b.Ticks(), up);
  EXPECT_TRUE(b.bar->RollDownButton()->isVisible());
  EXPECT_FALSE(b.bar->RollUpButton()->isVisible());
  // Set by the program: no event.
  EXPECT_EQ(rolled.count(), 0);

  b.bar->RollDownButton()->Click();
  const std::vector<int> down = b.Ticks();
  EXPECT_EQ(down[1] - down[0], 6);
  EXPECT_EQ(down.back(), 150);
  EXPECT_TRUE(b.bar->Down());
  EXPECT_TRUE(b.bar->RollUpButton()->isVisible());
  EXPECT_EQ(rolled.count(), 1);
}

TEST(RollBar, StoredRolledUpOpensRolledUp) {
  Bench b;
  b.bar->SetDown(false);
  EXPECT_EQ(b.bar->Height(), 150);
  b.Show();
  EXPECT_EQ(b.bar->Height(), b.bar->BarLayout().Collapsed);
  EXPECT_TRUE(b.bar->RollDownButton()->isVisible());
  // At once, the speed being trImmediate.
  b.bar->SetDown(true);
  EXPECT_EQ(b.bar->Height(), b.bar->HeightMax());
}

TEST(RollBar, CloseHidesAndMenuButtonNeedsAMenu) {
  Bench b;
  b.Show();
  QSignalSpy closed(b.bar, &TRollBar::OnClose);
  EXPECT_FALSE(b.bar->MenuButton()->isVisible());
  QMenu menu;
  b.bar->SetPopupMenuObject(&menu);
  b.bar->hide();
  b.bar->show();
  EXPECT_TRUE(b.bar->MenuButton()->isVisible());
  b.bar->CloseButton()->Click();
  EXPECT_FALSE(b.bar->isVisible());
  EXPECT_EQ(closed.count(), 1);
  b.bar->SetCanClose(false);
  EXPECT_TRUE(b.bar->CloseButton()->isHidden());
  b.bar->SetCanRoll(false);
  EXPECT_FALSE(b.bar->RollUpButton()->isEnabled());
}

TEST(RollBar, DragsByTheCaptionOnlyWhenAllowed) {
  Bench b;
  b.bar->move(20, 20);
  b.Show();
  const QPoint grip(60, 8);
  auto drag = [&](QPoint from) {
    Mouse(b.bar, QEvent::MouseButtonPress, from, Qt::LeftButton);
    Mouse(b.bar, QEvent::MouseMove, from + QPoint(15, 7), Qt::LeftButton);
    // The bar moved with the pointer: the release is at the grip again.
    Mouse(b.bar, QEvent::MouseButtonRelease, from, Qt::NoButton);
  };
  drag(grip);
  EXPECT_EQ(b.bar->pos(), QPoint(20, 20));
  b.bar->SetCanMove(true);
  drag(grip);
  EXPECT_EQ(b.bar->pos(), QPoint(35, 27));
  // Below the caption bar nothing moves.
  drag(QPoint(60, 80));
  EXPECT_EQ(b.bar->pos(), QPoint(35, 27));
}
