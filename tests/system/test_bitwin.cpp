// The rest-time hint: the rest rules on a virtual clock, the hint's size
// and place, and the hint window over a control, driven by the tick and by
// real input events.
#include "system/bitwin.h"
#include "system/system_classes.h"

#include "foundation/tickregistry.h"

#include "formtest.h"

#include <gtest/gtest.h>

#include <QTest>

using namespace Veltor;

TEST(RestWatch, DueOnceAfterTheDelayOfARest) {
  TRestWatch w;
  w.SetDelay(10);
  EXPECT_EQ(w.Delay(), 60);
  w.SetDelay(20000);
  EXPECT_EQ(w.Delay(), 10000);
  w.SetDelay(500);

  const TPoint p(10, 10), q(11, 10);
  EXPECT_EQ(w.Poll(p, true, false, 0), TRestStep::Nothing);    // first seen
  EXPECT_EQ(w.Poll(p, true, false, 100), TRestStep::Nothing);  // the rest starts
  EXPECT_EQ(w.Poll(p, true, false, 599), TRestStep::Nothing);
  EXPECT_EQ(w.Poll(p, true, false, 600), TRestStep::Due);
  EXPECT_EQ(w.Poll(p, true, true, 2000), TRestStep::Nothing);  // once per rest
  // A move takes a shown hint away and starts the rest anew.
  EXPECT_EQ(w.Poll(q, true, true, 2100), TRestStep::Hide);
  EXPECT_EQ(w.Poll(q, true, false, 2200), TRestStep::Nothing);
  EXPECT_EQ(w.Poll(q, true, false, 2700), TRestStep::Due);
  // Outside the control only a shown hint matters.
  EXPECT_EQ(w.Poll(TPoint(500, 10), false, true, 2800), TRestStep::Hide);
  EXPECT_EQ(w.Poll(TPoint(500, 10), false, false, 2900), TRestStep::Nothing);
  // Reset stops the rest time: it must start again.
  w.Poll(p, true, false, 3000);
  w.Poll(p, true, false, 3100);
  w.Reset();
  EXPECT_EQ(w.Poll(p, true, false, 4000), TRestStep::Nothing);
  EXPECT_EQ(w.Poll(p, true, false, 4499), TRestStep::Nothing);
  EXPECT_EQ(w.Poll(p, true, false, 4500), TRestStep::Due);
}

TEST(BitWinLayout, SizeFromTheTextAndPlaceFromTheOrigin) {
  TBitWinMetrics m;
  m.LineHeight = 15;
  m.AvgCharWidth = 6;
  m.TextWidth = [](const QString& s) { return 7 * int(s.size()); };
  const TPoint at(100, 50);
  // One line: the text and one more "n"; several: (longest + 4) average
  // characters + 2; never narrower than 10.
  EXPECT_EQ(BitWinLayout("AB", m, at, 0, 0, bwhLeft, bwvTop).Bounds, TRect(100, 50, 121, 65));
  const TBitWinLayout l = BitWinLayout("ab\r\ncdef\r\nx", m, at, 0, 0, bwhLeft, bwvTop);
  EXPECT_EQ(l.Lines, 3);
  EXPECT_EQ(l.Bounds, TRect(100, 50, 150, 95));
  EXPECT_EQ(BitWinLayout("", m, at, 0, 0, bwhLeft, bwvTop).Bounds.Width(), 10);
  // Offsets go right and up.
  EXPECT_EQ(BitWinLayout("AB", m, at, 5, 8, bwhLeft, bwvTop).Bounds, TRect(105, 42, 126, 57));
  EXPECT_EQ(BitWinLayout("AB", m, at, 0, 0, bwhCenter, bwvCenter).Bounds, TRect(90, 43, 111, 58));
  EXPECT_EQ(BitWinLayout("AB", m, at, 0, 0, bwhRight, bwvBottom).Bounds, TRect(79, 35, 100, 50));
}

namespace {

// A control on an active form, a hint over it, and a clock and pointer of
// our own.
struct THintRig {
  QWidget form;
  QWidget* panel = new QWidget(&form);
  TBitWin bits{&form};
  qint64 now = 0;
  QPoint pointer;
  bool active = true;
  bool answer = true;
  int shows = 0, hides = 0;
  QPoint asked;
  QString askedInfo;

  THintRig() {
    form.setGeometry(100, 100, 300, 200);
    panel->setGeometry(20, 30, 200, 100);
    form.show();
    // Activation takes a shown hint away: get it over with first.
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    bits.SetParent(panel);
    bits.Window()->SetProbe({[this] { return now; }, [this] { return pointer; }, [this] { return active; }});
    QObject::connect(&bits, &TBitWin::OnShow, [this](QObject* sender, QPoint& pos, QString& info, bool& show) {
      EXPECT_EQ(sender, &bits);
      ++shows;
      asked = pos;
      askedInfo = info;
      info = "one^Mtwo";
      pos += QPoint(3, 4);
      show = answer;
    });
    QObject::connect(&bits, &TBitWin::OnHide, [this](QObject* sender) {
      EXPECT_EQ(sender, &bits);
      ++hides;
    });
  }
  // The pointer rests at p (panel coordinates) for the whole delay.
  bool Rest(QPoint p) {
    pointer = panel->mapToGlobal(p);
    TimerTick();
    TimerTick();
    now += bits.ShowDelay();
    TimerTick();
    return Shown();
  }
  bool Shown() const { return bits.Window()->Shown() && bits.Window()->isVisible(); }
};

}  // namespace

TEST(BitWin, DefaultsAndClamps) {
  TBitWin bits;
  EXPECT_EQ(bits.Color(), TColor(0x80FFFF));
  EXPECT_EQ(bits.Info(), "Hallo");
  EXPECT_EQ(bits.ShowDelay(), 2000);
  EXPECT_EQ(bits.Font().Size(), 8);
  EXPECT_EQ(bits.Font().Color, clInfoText);
  bits.SetShowDelay(10);
  EXPECT_EQ(bits.ShowDelay(), 60);
  bits.SetOffSetX(-99);
  bits.SetOffSetY(99);
  EXPECT_EQ(QPoint(bits.OffSetX(), bits.OffSetY()), QPoint(-50, 20));
  bits.SetOffSetX(51);
  bits.SetOffSetY(-21);
  EXPECT_EQ(QPoint(bits.OffSetX(), bits.OffSetY()), QPoint(50, -20));
}

TEST(BitWin, ShowsAfterTheRestWhereTheHandlerSays) {
  THintRig rig;
  rig.pointer = rig.panel->mapToGlobal(QPoint(40, 50));
  TimerTick();
  TimerTick();
  rig.now += 1999;
  TimerTick();
  EXPECT_EQ(rig.shows, 0);
  rig.now += 1;
  TimerTick();
  ASSERT_EQ(rig.shows, 1);
  EXPECT_EQ(rig.asked, QPoint(40, 50));
  EXPECT_EQ(rig.askedInfo, "Hallo");
  ASSERT_TRUE(rig.Shown());
  EXPECT_EQ(rig.bits.Info(), "one\r\ntwo");  // "^M" became a line break
  const TBitWinMetrics& m = rig.bits.Window()->Metrics();
  EXPECT_EQ(rig.bits.Window()->geometry(),
            QRect(rig.panel->mapToGlobal(QPoint(43, 54)), QSize(7 * m.AvgCharWidth + 2, 2 * m.LineHeight)));
  rig.now += 5000;
  TimerTick();
  EXPECT_EQ(rig.shows, 1);

  // No hint unless the handler asks for one; none while hidden or inactive.
  rig.answer = false;
  EXPECT_FALSE(rig.Rest(QPoint(10, 10)));
  EXPECT_EQ(rig.shows, 2);
  rig.bits.SetHide(true);
  rig.Rest(QPoint(20, 10));
  rig.bits.SetHide(false);
  rig.active = false;
  rig.Rest(QPoint(30, 10));
  EXPECT_EQ(rig.shows, 2);
}

TEST(BitWin, MovesLeavesInputAndHideTakeTheHintAway) {
  THintRig rig;
  ASSERT_TRUE(rig.Rest(QPoint(10, 10)));
  rig.pointer += QPoint(1, 0);
  TimerTick();
  EXPECT_FALSE(rig.Shown());
  EXPECT_EQ(rig.hides, 1);

  ASSERT_TRUE(rig.Rest(QPoint(10, 10)));
  rig.pointer = rig.panel->mapToGlobal(QPoint(-5, 10));
  TimerTick();
  EXPECT_EQ(rig.hides, 2);

  ASSERT_TRUE(rig.Rest(QPoint(10, 10)));
  QTest::keyPress(&rig.form, Qt::Key_A);
  EXPECT_FALSE(rig.Shown());
  EXPECT_EQ(rig.hides, 3);
  QTest::keyRelease(&rig.form, Qt::Key_A);

  ASSERT_TRUE(rig.Rest(QPoint(10, 11)));
  QTest::mousePress(rig.panel, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(rig.hides, 4);
  QTest::mouseRelease(rig.panel, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(rig.hides, 4);  // only a shown hint is taken away

  // A plain move is no reason; the rest rules deal with it.
  ASSERT_TRUE(rig.Rest(QPoint(10, 12)));
  QTest::mouseMove(rig.panel, QPoint(12, 12));
  EXPECT_TRUE(rig.Shown());
  rig.bits.SetHide(true);
  EXPECT_FALSE(rig.Shown());
  EXPECT_EQ(rig.hides, 5);
}

TEST(BitWin, FormNamesTheControl) {
  RegisterSystemClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TBitWin" name="Bits">
   <property name="Parent"><string>Panel</string></property>
   <property name="ShowDelay"><number>500</number></property>
   <property name="OriginHor"><enum>Veltor::SystemEnums::bwhCenter</enum></property>
  </widget>
  <widget class="QWidget" name="Panel"/>)");
  ASSERT_TRUE(form);
  auto* bits = form->findChild<TBitWin*>("Bits");
  ASSERT_TRUE(bits);
  EXPECT_EQ(bits->Parent(), form->findChild<QWidget*>("Panel"));
  EXPECT_EQ(bits->ShowDelay(), 500);
  EXPECT_EQ(bits->OriginHor(), bwhCenter);
}
