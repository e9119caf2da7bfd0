#pragma once
// A shown rotary control with its events recorded in order, and real mouse
// and wheel input at dial angles.

#include "potis/rotary.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>

#include <cmath>
#include <string>
#include <vector>

namespace PotiTest {

// The pointer's colour over the knob body: silver exclusive-or'd onto it.
constexpr Veltor::TColor kPointerOnBody = 0xC0C0C0 ^ 0xBFBF00;

// A colour property of a control, read through its published name.
inline Veltor::TColor Colour(const QObject& o, const char* name) { return o.property(name).value<Veltor::TColor>(); }

template <typename Control>
struct Shown {
  QWidget window;
  Control* c = new Control(&window);
  std::vector<std::string> events;

  Shown() {
    QObject::connect(c, &Veltor::TCustomRotary::onChanging, [this] { events.push_back("changing"); });
    QObject::connect(c, &Veltor::TCustomRotary::onChanged, [this] { events.push_back("changed"); });
    QObject::connect(c, &Veltor::TCustomRotary::onPreset, [this] { events.push_back("preset"); });
    window.resize(220, 220);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    c->Repaint();
  }

  // The point at mouse angle alpha (clockwise from straight down) and the
  // given distance from the knob centre.
  QPoint At(double alpha, int radius = 60) const {
    const Veltor::TPoint centre = c->Layout().Centre;
    const double a = alpha * M_PI / 180;
    return QPoint(centre.X - int(std::lround(radius * std::sin(a))), centre.Y + int(std::lround(radius * std::cos(a))));
  }

  void Press(QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mousePress(c, b, mods, p);
  }
  // QTest's moves carry no buttons: a real move with the button held.
  void Move(QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier, Qt::MouseButtons held = Qt::LeftButton) {
    QMouseEvent move(QEvent::MouseMove, QPointF(p), QPointF(c->mapToGlobal(p)), Qt::NoButton, held, mods);
    QCoreApplication::sendEvent(c, &move);
  }
  void Release(QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier, Qt::MouseButton b = Qt::LeftButton) {
    QTest::mouseRelease(c, b, mods, p);
  }
  void Wheel(int angleDelta) {
    const QPointF p(c->width() / 2, c->height() / 2);
    QWheelEvent e(p, c->mapToGlobal(p), QPoint(), QPoint(0, angleDelta), Qt::NoButton, Qt::NoModifier,
                  Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(c, &e);
  }

  QImage Picture() { return c->SurfaceImage(); }
  std::string Events() const {
    std::string s;
    for (const std::string& e : events) s += (s.empty() ? "" : " ") + e;
    return s;
  }
};

}  // namespace PotiTest
