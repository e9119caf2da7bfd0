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

  const TPoint p(10, 10);
  EXPECT_EQ(w.Poll(p, true, false, 0), TRestStep::Nothing);    // first seen
  EXPECT_EQ(w.Poll(p, true, false, 100), TRestStep::Nothing);  // rest starts
  EXPECT_EQ(w.Poll(p, true, false, 599), TRestStep::Nothing);
  EXPECT_EQ(w.Poll(p, true, false, 600), TRestStep::Due);
  EXPECT_EQ(w.Poll(p, true, true, 2000), TRestStep::Nothing);  // once per rest

  // A move takes a shown hint away and starts the rest anew.
  EXPECT_EQ(w.Poll(TPoint(11, 10), true, true, 2100), TRestStep::Hide);
  EXPECT_EQ(w.Poll(TPoint(11, 10), true, false, 2200), TRestStep::Nothing);
  EXPECT_EQ(w.Poll(TPoint(11, 10), true, false, 2699), TRestStep::Nothing);
  EXPECT_EQ(w.Poll(TPoint(11, 10), true, false, 2700), TRestStep::Due);

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

  EXPECT_EQ(NormaliseHintText("one^Mtwo"), "one\r\ntwo");
  // One line: the text and one more "n".
  TBitWinLayout l = BitWinLayout("AB", m, TPoint(100, 50), 0, 0, bwhLeft, bwvTop);
  EXPECT_EQ(l.Lines, 1);
  EXPECT_EQ(l.Bounds, TRect(100, 50, 121, 65));
  // Several lines: (longest + 4) average characters + 2.
  l = BitWinLayout("ab\r\ncdef\r\nx", m, TPoint(100, 50), 0, 0, bwhLeft, bwvTop);
  EXPECT_EQ(l.Lines, 3);
  EXPECT_EQ(l.Bounds, TRect(100, 50, 150, 95));
  EXPECT_EQ(BitWinLayout("", m, TPoint(0, 0), 0, 0, bwhLeft, bwvTop).Bounds.Width(), 10);

  // Offsets: right and up.
  EXPECT_EQ(BitWinLayout("AB", m, TPoint(100, 50), 5, 8, bwhLeft, bwvTop).Bounds, TRect(105, 42, 126, 57));
  EXPECT_EQ(BitWinLayout("AB", m, TPoint(100, 50), 0, 0, bwhCenter, bwvCenter).Bounds, TRect(90, 43, 111, 58));
  EXPECT_EQ(BitWinLayout("AB", m, TPoint(100, 50), 0, 0, bwhRight, bwvBottom).Bounds, TRect(79, 35, 100, 50));
}

namespace {

// A control on a form, a hint over it, and a clock and pointer of our own.
struct THintRig {
  QWidget form;
  QWidget* panel = new QWidget(&form);
  TBitWin bits{&form};
  qint64 now = 0;
  QPoint pointer;
  bool active = true;
  int shows = 0, hides = 0;
  QString shownText = "one^Mtwo";
  bool answer = true;
  QPoint asked;
  QString askedInfo;

  THintRig() {
    form.setGeometry(100, 100, 300, 200);
    panel->setObjectName("Panel");
    panel->setGeometry(20, 30, 200, 100);
    form.show();
    // Activation takes a shown hint away: get it over with first.
    form.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
    bits.SetParent(panel);
    TBitWinProbe probe;
    probe.Clock = [this] { return now; };
    probe.Pointer = [this] { return pointer; };
    probe.AppActive = [this] { return active; };
    bits.Window()->SetProbe(probe);
    QObject::connect(&bits, &TBitWin::OnShow, [this](QObject* sender, QPoint& pos, QString& info, bool& show) {
      EXPECT_EQ(sender, &bits);
      ++shows;
      asked = pos;
      askedInfo = info;
      info = shownText;
      pos += QPoint(3, 4);
      show = answer;
    });
    QObject::connect(&bits, &TBitWin::OnHide, [this](QObject* sender) {
      EXPECT_EQ(sender, &bits);
      ++hides;
    });
  }
  // The pointer rests at p (panel coordinates) for the whole delay.
  void Rest(QPoint p) {
    pointer = panel->mapToGlobal(p);
    TimerTick();
    TimerTick();
    now += bits.ShowDelay();
    TimerTick();
  }
  bool Shown() const { return bits.Window()->Shown() && bits.Window()->isVisible(); }
};

}  // namespace

TEST(BitWin, DefaultsAndClamps) {
  TBitWin bits;
  EXPECT_EQ(bits.Color(), TColor(0x80FFFF));
  EXPECT_EQ(bits.Info(), "Hallo");
  EXPECT_EQ(bits.ShowDelay(), 2000);
  EXPECT_FALSE(bits.Hide());
  EXPECT_EQ(bits.Font().Name, "MS Sans Serif");
  EXPECT_EQ(bits.Font().Size(), 8);
  EXPECT_EQ(bits.Font().Color, clInfoText);
  EXPECT_EQ(bits.OriginHor(), bwhLeft);
  EXPECT_EQ(bits.OriginVert(), bwvTop);
  bits.SetShowDelay(10);
  EXPECT_EQ(bits.ShowDelay(), 60);
  bits.SetOffSetX(-99);
  EXPECT_EQ(bits.OffSetX(), -50);
  bits.SetOffSetX(51);
  EXPECT_EQ(bits.OffSetX(), 50);
  bits.SetOffSetY(-21);
  EXPECT_EQ(bits.OffSetY(), -20);
  bits.SetOffSetY(99);
  EXPECT_EQ(bits.OffSetY(), 20);
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
  // "^M" became a line break, stored as such.
  EXPECT_EQ(rig.bits.Info(), "one\r\ntwo");
  const TBitWinMetrics& m = rig.bits.Window()->Metrics();
  EXPECT_EQ(rig.bits.Window()->geometry(),
            QRect(rig.panel->mapToGlobal(QPoint(43, 54)), QSize(7 * m.AvgCharWidth + 2, 2 * m.LineHeight)));
  // Once per rest.
  rig.now += 5000;
  TimerTick();
  EXPECT_EQ(rig.shows, 1);
  EXPECT_TRUE(rig.Shown());
}

TEST(BitWin, NoHintUnlessTheHandlerAsksForOne) {
  THintRig rig;
  rig.answer = false;
  rig.Rest(QPoint(10, 10));
  EXPECT_EQ(rig.shows, 1);
  EXPECT_FALSE(rig.Shown());
  // Hide suppresses the question altogether.
  rig.bits.SetHide(true);
  rig.Rest(QPoint(20, 10));
  EXPECT_EQ(rig.shows, 1);
  // An inactive application gets no hints either.
  rig.bits.SetHide(false);
  rig.active = false;
  rig.Rest(QPoint(30, 10));
  EXPECT_EQ(rig.shows, 1);
}

TEST(BitWin, PointerMovesAndLeavesTakeTheHintAway) {
  THintRig rig;
  rig.Rest(QPoint(10, 10));
  ASSERT_TRUE(rig.Shown());
  rig.pointer += QPoint(1, 0);
  TimerTick();
  EXPECT_FALSE(rig.Shown());
  EXPECT_EQ(rig.hides, 1);

  rig.Rest(QPoint(10, 10));
  ASSERT_TRUE(rig.Shown());
  rig.pointer = rig.panel->mapToGlobal(QPoint(-5, 10));
  TimerTick();
  EXPECT_FALSE(rig.Shown());
  EXPECT_EQ(rig.hides, 2);

  rig.Rest(QPoint(10, 10));
  ASSERT_TRUE(rig.Shown());
  rig.bits.SetHide(true);
  EXPECT_FALSE(rig.Shown());
  EXPECT_EQ(rig.hides, 3);
}

TEST(BitWin, InputTakesTheHintAway) {
  THintRig rig;
  const auto again = [&] {
    rig.Rest(QPoint(10, 10 + rig.shows));
    return rig.Shown();
  };
  ASSERT_TRUE(again());
  QTest::keyClick(&rig.form, Qt::Key_A);
  EXPECT_FALSE(rig.Shown());
  EXPECT_EQ(rig.hides, 1);

  ASSERT_TRUE(again());
  QTest::mousePress(rig.panel, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_FALSE(rig.Shown());
  EXPECT_EQ(rig.hides, 2);
  QTest::mouseRelease(rig.panel, Qt::RightButton, {}, QPoint(10, 10));
  EXPECT_EQ(rig.hides, 2);  // only a shown hint is taken away

  // A plain move is no reason; the rest rules deal with it.
  ASSERT_TRUE(again());
  QTest::mouseMove(rig.panel, QPoint(12, 12));
  EXPECT_TRUE(rig.Shown());
}

TEST(BitWin, FormNamesTheControlAndBindsTheEvents) {
  RegisterSystemClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="QWidget" name="Panel"/>
  <widget class="TBitWin" name="Bits">
   <property name="Parent"><string>Panel</string></property>
   <property name="Info"><string>bit 7</string></property>
   <property name="ShowDelay"><number>500</number></property>
   <property name="OriginHor"><enum>Veltor::SystemEnums::bwhCenter</enum></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* bits = form->findChild<TBitWin*>("Bits");
  ASSERT_TRUE(bits);
  EXPECT_EQ(bits->Parent(), form->findChild<QWidget*>("Panel"));
  EXPECT_EQ(bits->Info(), "bit 7");
  EXPECT_EQ(bits->ShowDelay(), 500);
  EXPECT_EQ(bits->OriginHor(), bwhCenter);
}
