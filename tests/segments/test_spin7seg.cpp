#include "segments/spin7seg.h"

#include "formtest.h"
#include "foundation/tickregistry.h"
#include "segments/segments_classes.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

using namespace Veltor;
using namespace Veltor::SegmentEnums;

namespace {

QPoint Centre(const TRect& r) { return QPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2); }

void Ticks(int n) {
  for (int i = 0; i < n; ++i) TimerTick();
}

}  // namespace

TEST(Thumbwheel, StepsWrapsAndLimits) {
  TThumbwheel w;
  int carry = 0;
  w.SetChar(u'9');
  EXPECT_TRUE(w.Next(true, carry));
  EXPECT_EQ(w.Char, QChar(u'0'));
  EXPECT_EQ(carry, 1);
  EXPECT_TRUE(w.Next(false, carry));
  EXPECT_EQ(w.Char, QChar(u'9'));
  EXPECT_EQ(carry, -1);
  w.Limiter = true;
  EXPECT_FALSE(w.Next(true, carry));
  EXPECT_EQ(w.Char, QChar(u'9'));

  w.SetType(hexa);
  EXPECT_FALSE(w.SetChar(u'g'));
  EXPECT_TRUE(w.SetChar(u'b'));
  EXPECT_EQ(w.Char, QChar(u'B'));
  EXPECT_EQ(w.Int, 11);
  EXPECT_FALSE(w.SetInt(16));
  w.SetInt(15);
  EXPECT_FALSE(w.Next(true, carry));

  w.SetType(sign);
  EXPECT_EQ(w.Int, -1);
  EXPECT_FALSE(w.SetInt(3));
  w.Next(true, carry);
  EXPECT_EQ(w.Char, QChar(u'-'));
  w.Next(true, carry);
  EXPECT_EQ(w.Char, QChar(u' '));
  w.Next(false, carry);
  EXPECT_EQ(w.Char, QChar(u'-'));

  w.SetType(alphanum);
  w.Limiter = false;
  w.SetChar(u'Z');
  w.Next(true, carry);
  EXPECT_EQ(w.Char, QChar(u' '));
  EXPECT_EQ(carry, 1);
}

// Two hexadecimal spinners form a byte: the low one's carry and borrow step
// the high one. Holding a button repeats through the shared tick.
TEST(Spin7Seg, HeldButtonCarriesAndBorrowsIntoTheNextSpinner) {
  QWidget window;
  auto* high = new TSpin7Seg(&window);
  auto* low = new TSpin7Seg(&window);
  low->move(52, 0);
  for (TSpin7Seg* s : {high, low}) {
    s->SetDispTyp(hexa);
    s->SetValueInt(0);
  }
  low->SetValueInt(14);
  low->SetRepSpeed(111);  // two ticks per repeat
  QObject::connect(low, &TSpin7Seg::onWrapCarry, high, [high] {
    int c;
    high->NextValue(true, c);
  });
  QObject::connect(low, &TSpin7Seg::onWrapBorrow, high, [high] {
    int c;
    high->NextValue(false, c);
  });
  QSignalSpy changing(low, &TSpin7Seg::onChanging);
  QSignalSpy changed(low, &TSpin7Seg::onChanged);
  QSignalSpy carries(low, &TSpin7Seg::onWrapCarry);
  QSignalSpy borrows(low, &TSpin7Seg::onWrapBorrow);
  auto byte = [&] { return high->ValueInt() * 16 + low->ValueInt(); };

  const QPoint up = Centre(low->Geometry().UpRect);
  QTest::mousePress(low, Qt::LeftButton, Qt::NoModifier, up);
  EXPECT_EQ(byte(), 0x0F);
  Ticks(8);  // the first repeat waits 500 ms, 9 ticks
  EXPECT_EQ(byte(), 0x0F);
  Ticks(1);
  EXPECT_EQ(byte(), 0x10);
  EXPECT_EQ(carries.count(), 1);
  Ticks(4);
  EXPECT_EQ(byte(), 0x12);
  QTest::mouseRelease(low, Qt::LeftButton, Qt::NoModifier, up);
  Ticks(4);
  EXPECT_EQ(byte(), 0x12);
  EXPECT_EQ(changing.count(), 4);
  EXPECT_EQ(changed.count(), 1);

  const QPoint down = Centre(low->Geometry().DownRect);
  QTest::mousePress(low, Qt::LeftButton, Qt::NoModifier, down);
  Ticks(9 + 2);
  EXPECT_EQ(byte(), 0x0F);
  EXPECT_EQ(borrows.count(), 1);
  QTest::mouseRelease(low, Qt::LeftButton, Qt::NoModifier, down);

  // Below 50 ms there is no repeat.
  low->SetRepSpeed(30);
  QTest::mousePress(low, Qt::LeftButton, Qt::NoModifier, down);
  Ticks(30);
  EXPECT_EQ(byte(), 0x0E);
  QTest::mouseRelease(low, Qt::LeftButton, Qt::NoModifier, down);
}

TEST(Spin7Seg, LimiterAndMissedPressesFireNothing) {
  TSpin7Seg s;
  s.SetValueInt(9);
  s.SetLimiter(true);
  QSignalSpy changing(&s, &TSpin7Seg::onChanging);
  QSignalSpy changed(&s, &TSpin7Seg::onChanged);
  QSignalSpy carries(&s, &TSpin7Seg::onWrapCarry);
  const QPoint up = Centre(s.Geometry().UpRect);
  QTest::mouseClick(&s, Qt::LeftButton, Qt::NoModifier, up);
  const TSpin7SegLayout l = s.Geometry();
  const QPoint between(l.Panel.Left + 2, l.Panel.Top + l.Panel.Height() / 2);
  s.SetLimiter(false);
  QTest::mouseClick(&s, Qt::LeftButton, Qt::NoModifier, between);
  EXPECT_EQ(s.ValueInt(), 9);
  EXPECT_EQ(changing.count() + changed.count() + carries.count(), 0);
}

// A wheel notch is a click step with the same events.
TEST(Spin7Seg, WheelStepsLikeAClick) {
  TSpin7Seg s;
  s.SetValueInt(9);
  QSignalSpy changing(&s, &TSpin7Seg::onChanging);
  QSignalSpy changed(&s, &TSpin7Seg::onChanged);
  QSignalSpy carries(&s, &TSpin7Seg::onWrapCarry);
  QWheelEvent e(QPointF(10, 50), QPointF(10, 50), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(&s, &e);
  EXPECT_EQ(s.ValueInt(), 0);
  EXPECT_EQ(changing.count(), 1);
  EXPECT_EQ(changed.count(), 1);
  EXPECT_EQ(carries.count(), 1);
  QWheelEvent back(QPointF(10, 50), QPointF(10, 50), QPoint(), QPoint(0, -240), Qt::NoButton, Qt::NoModifier,
                   Qt::NoScrollPhase, false);
  QApplication::sendEvent(&s, &back);
  EXPECT_EQ(s.ValueInt(), 8);
  EXPECT_EQ(changed.count(), 3);
}

// A stored character goes through the type's rules like one set in code.
TEST(Spin7Seg, StoredCharacterFollowsTheType) {
  RegisterSegmentClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TSpin7Seg" name="Wheel1">
   <property name="DispTyp"><enum>hexa</enum></property>
   <property name="ValueChar"><string>b</string></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* s = form->findChild<TSpin7Seg*>(QStringLiteral("Wheel1"));
  ASSERT_TRUE(s);
  EXPECT_EQ(s->ValueChar(), QChar(u'B'));
  EXPECT_EQ(s->ValueInt(), 11);
}
