#pragma once
// A shown control with chosen events recorded in order, and real mouse and
// wheel input at points of it.

#include "testutil.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <string>
#include <vector>

namespace PotiTest {

template <typename Control>
struct ShownAt {
  QWidget window;
  Control* c = new Control(&window);
  std::vector<std::string> events;

  explicit ShownAt(QSize size = QSize()) {
    if (size.isValid()) c->resize(size);
    window.resize(c->width() + 20, c->height() + 20);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    c->Repaint();
  }

  // Records each emission of signal under name.
  template <typename Signal>
  void Record(Signal signal, const char* name) {
    QObject::connect(c, signal, [this, name] { events.push_back(name); });
  }

  void Press(QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mousePress(c, b, mods, p);
  }
  // QTest's moves carry no buttons: a real move with the button held.
  void Move(QPoint p, Qt::MouseButtons held = Qt::LeftButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(c->mapToGlobal(p)), Qt::NoButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(c, &move);
  }
  void Release(QPoint p, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(c, b, Qt::NoModifier, p); }
  void Click(QPoint p) {
    Press(p);
    Release(p);
  }
  void Wheel(int angleDelta) {
    const QPointF p(c->width() / 2, c->height() / 2);
    QWheelEvent e(p, c->mapToGlobal(p), QPoint(), QPoint(0, angleDelta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(c, &e);
  }

  QImage Picture() { return c->SurfaceImage(); }
  std::string Events() {
    std::string s;
    for (const std::string& e : events) s += (s.empty() ? "" : " ") + e;
    events.clear();
    return s;
  }
};

}  // namespace PotiTest
