#include "host/control.h"
#include "host/modalui.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QTest>

#include <memory>
#include <vector>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

class Probe : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int Paints = 0;
  std::vector<TMessage> Received;
  qintptr Answer = 0;
  struct Mouse {
    char kind;
    TMouseButton button;
    TShiftState shift;
    int x, y;
  };
  std::vector<Mouse> MouseLog;

  void DrawMarkOutsidePaint() {
    Canvas().Brush.Color = clRed;
    Canvas().FillRect(TRect(0, 0, 5, 5));
  }

 protected:
  void Paint() override {
    ++Paints;
    TCustomControl::Paint();
  }
  void WndProc(TMessage& m) override {
    Received.push_back(m);
    m.Result = Answer;
  }
  void MouseDown(TMouseButton b, TShiftState s, int x, int y) override { MouseLog.push_back({'d', b, s, x, y}); }
  void MouseMove(TShiftState s, int x, int y) override { MouseLog.push_back({'m', mbLeft, s, x, y}); }
  void MouseUp(TMouseButton b, TShiftState s, int x, int y) override { MouseLog.push_back({'u', b, s, x, y}); }
};

}  // namespace

TEST(Control, PaintRunsOnlyWhenInvalidatedAndKeepsDirectDrawing) {
  QWidget parent;
  auto* p = new Probe(&parent);
  p->SetBounds(0, 0, 50, 30);
  p->SetColor(clAqua);
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  const int afterShow = p->Paints;
  EXPECT_GE(afterShow, 1);

  // An expose without invalidation only copies the surface.
  p->repaint();
  EXPECT_EQ(p->Paints, afterShow);

  // Drawing outside Paint stays on the surface and reaches the screen.
  p->DrawMarkOutsidePaint();
  p->repaint();
  EXPECT_EQ(PixelAt(p->grab().toImage(), 1, 1), clRed);
  EXPECT_EQ(PixelAt(p->grab().toImage(), 10, 10), clAqua);
  EXPECT_EQ(p->Paints, afterShow);

  p->Invalidate();
  p->repaint();
  EXPECT_EQ(p->Paints, afterShow + 1);
  EXPECT_EQ(PixelAt(p->SurfaceImage(), 1, 1), clAqua);

  // Setting the same colour again does not ask for a paint.
  p->SetColor(clAqua);
  p->repaint();
  EXPECT_EQ(p->Paints, afterShow + 1);

  // A resize repaints the whole surface at the new size.
  p->SetWidth(80);
  p->repaint();
  EXPECT_EQ(p->Paints, afterShow + 2);
  EXPECT_EQ(p->SurfaceImage().width(), 80);
}

TEST(Control, HiddenControlsPaintOnDemand) {
  Probe p;
  p.SetBounds(0, 0, 12, 9);
  p.SetColor(clLime);
  const QImage img = p.SurfaceImage();
  EXPECT_EQ(img.size(), QSize(12, 9));
  EXPECT_EQ(PixelAt(img, 11, 8), clLime);
  EXPECT_EQ(p.Paints, 1);
  p.SurfaceImage();
  EXPECT_EQ(p.Paints, 1);
}

TEST(Control, PerformAndBroadcastDeliverMessagesSynchronously) {
  QWidget parent;
  auto* a = new Probe(&parent);
  auto* b = new Probe(&parent);
  auto* c = new Probe(&parent);
  new QWidget(&parent);  // not a control: skipped

  EXPECT_EQ(a->Perform(WM_USER, 7, -3), 0);
  ASSERT_EQ(a->Received.size(), 1u);
  EXPECT_EQ(a->Received[0].Msg, WM_USER);
  EXPECT_EQ(a->Received[0].WParam, 7);
  EXPECT_EQ(a->Received[0].LParam, -3);

  EXPECT_EQ(Broadcast(&parent, 0xB018, 1, 2), 0);
  EXPECT_EQ(a->Received.size(), 2u);
  EXPECT_EQ(b->Received.size(), 1u);
  EXPECT_EQ(c->Received.size(), 1u);

  // The first control that answers ends the broadcast.
  b->Answer = 42;
  EXPECT_EQ(Broadcast(&parent, 0xB018), 42);
  EXPECT_EQ(c->Received.size(), 1u);

  // Posted messages arrive through the event loop.
  c->PostMessage(WM_USER + 1);
  EXPECT_EQ(c->Received.size(), 1u);
  QCoreApplication::sendPostedEvents(c);
  ASSERT_EQ(c->Received.size(), 2u);
  EXPECT_EQ(c->Received[1].Msg, WM_USER + 1);
}

TEST(Control, MouseEventsCarryButtonShiftStateAndPosition) {
  QWidget parent;
  auto* p = new Probe(&parent);
  p->SetBounds(0, 0, 60, 40);
  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));

  QTest::mousePress(p, Qt::LeftButton, Qt::ShiftModifier, QPoint(10, 12));
  QTest::mouseMove(p, QPoint(20, 22));
  QTest::mouseRelease(p, Qt::LeftButton, Qt::ControlModifier, QPoint(30, 32));
  QTest::mousePress(p, Qt::RightButton, Qt::NoModifier, QPoint(5, 6));
  QTest::mouseRelease(p, Qt::RightButton, Qt::NoModifier, QPoint(5, 6));

  ASSERT_GE(p->MouseLog.size(), 5u);
  const auto& down = p->MouseLog.front();
  EXPECT_EQ(down.kind, 'd');
  EXPECT_EQ(down.button, mbLeft);
  EXPECT_EQ(down.shift, TShiftState(ssShift | ssLeft));
  EXPECT_EQ(down.x, 10);
  EXPECT_EQ(down.y, 12);

  const auto& move = p->MouseLog[1];
  EXPECT_EQ(move.kind, 'm');
  EXPECT_TRUE(move.shift.testFlag(ssLeft));
  EXPECT_EQ(move.x, 20);

  // At mouse-up the released button is no longer in the set.
  const auto& up = p->MouseLog[2];
  EXPECT_EQ(up.kind, 'u');
  EXPECT_EQ(up.shift, TShiftState(ssCtrl));
  EXPECT_EQ(up.x, 30);

  const auto& right = p->MouseLog[3];
  EXPECT_EQ(right.button, mbRight);
  EXPECT_EQ(right.shift, TShiftState(ssRight));
}

TEST(Control, AlignedChildrenShareTheParent) {
  QWidget parent;
  parent.resize(300, 200);
  auto* top = new Probe(&parent);
  top->SetHeight(30);
  auto* bottom = new Probe(&parent);
  bottom->SetHeight(20);
  auto* left = new Probe(&parent);
  left->SetWidth(50);
  auto* client = new Probe(&parent);
  top->SetAlign(alTop);
  bottom->SetAlign(alBottom);
  left->SetAlign(alLeft);
  client->SetAlign(alClient);

  EXPECT_EQ(top->geometry(), QRect(0, 0, 300, 30));
  EXPECT_EQ(bottom->geometry(), QRect(0, 180, 300, 20));
  EXPECT_EQ(left->geometry(), QRect(0, 30, 50, 150));
  EXPECT_EQ(client->geometry(), QRect(50, 30, 250, 150));

  parent.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&parent));
  parent.resize(400, 300);
  EXPECT_EQ(bottom->geometry(), QRect(0, 280, 400, 20));
  EXPECT_EQ(client->geometry(), QRect(50, 30, 350, 250));
}

TEST(Control, OwnEnabledFlagSurvivesADisabledParent) {
  TCustomControl parent;
  Probe child(&parent);
  parent.SetEnabled(false);
  EXPECT_TRUE(child.Enabled());
  child.SetEnabled(false);
  EXPECT_FALSE(child.Enabled());
  parent.SetEnabled(true);
  EXPECT_FALSE(child.Enabled());
  EXPECT_FALSE(child.isEnabled());
  child.SetEnabled(true);
  EXPECT_TRUE(child.isEnabled());
}

TEST(Control, TabOrderWalksTheFocusableControlsAndKeysNobodyTakesReachTheParent) {
  QWidget window;
  TCustomControl a(&window), b(&window), c(&window);
  for (TCustomControl* w : {&a, &b, &c}) w->SetTabStop(true);
  // Put c first, then a, then b.
  c.SetTabOrder(0);
  EXPECT_EQ(c.TabOrder(), 0);
  EXPECT_EQ(a.TabOrder(), 1);
  EXPECT_EQ(b.TabOrder(), 2);

  QList<QObject*> entered;
  for (TCustomControl* w : {&a, &b, &c})
    QObject::connect(w, &TControl::OnEnter, [&entered](QObject* s) { entered.append(s); });
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  c.setFocus();
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  EXPECT_EQ(entered, QList<QObject*>({&c, &a, &b}));

  // Escape nobody consumed goes on to the parent; a consumed one stops.
  struct KeyLog : QObject {
    int Escapes = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_Escape) ++Escapes;
      return false;
    }
  } log;
  window.installEventFilter(&log);
  QTest::keyClick(&b, Qt::Key_Escape);
  EXPECT_EQ(log.Escapes, 1);
  QObject::connect(&b, &TControl::OnKeyDown, [](QObject*, quint16& key, TShiftState) { key = 0; });
  QTest::keyClick(&b, Qt::Key_Escape);
  EXPECT_EQ(log.Escapes, 1);
}

TEST(Control, HintsSplitIntoToolTipAndStatusText) {
  TCustomControl panel;
  TCustomControl button(&panel);
  button.SetHint("Bevel|A caption button with LEDs");
  EXPECT_TRUE(button.toolTip().isEmpty());
  // The button follows its parent's ShowHint until it gets its own.
  panel.SetShowHint(true);
  EXPECT_EQ(button.toolTip(), "Bevel");
  button.SetShowHint(false);
  EXPECT_TRUE(button.toolTip().isEmpty());

  QString status;
  const auto connection =
      QObject::connect(&THintBroker::Instance(), &THintBroker::OnHint, [&status](const QString& h) { status = h; });
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(&button, &enter);
  QObject::disconnect(connection);
  EXPECT_EQ(status, "A caption button with LEDs");
  EXPECT_EQ(GetShortHint("plain"), "plain");
  EXPECT_EQ(GetLongHint("plain"), "plain");
}
