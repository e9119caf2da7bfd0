#include "segments/ctrltimer.h"
#include "segments/segments_classes.h"

#include "formtest.h"
#include "foundation/tickregistry.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

using namespace Veltor;
using namespace Veltor::SegmentEnums;
using VeltorTest::CountColour;

namespace {

constexpr int kTicksPerSecond = 18;  // 1000 ms at 55.5 ms a tick

QPoint Centre(const TRect& r) { return QPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2); }

void Press(TCtrlTimer& t, const TRect& r) { QTest::mouseClick(&t, Qt::LeftButton, Qt::NoModifier, Centre(r)); }
void PressButton(TCtrlTimer& t, int i) { Press(t, t.Geometry().Buttons[size_t(i)]); }

void Seconds(int n) {
  for (int i = 0; i < n * kTicksPerSecond; ++i) TimerTick();
}

}  // namespace

// The count runs down once a second; a trigger fires when the count reaches
// it, triggers left at zero fire on the step to zero, and the end is
// reported one second later.
TEST(CtrlTimer, CountsDownThroughATriggerToTheEnd) {
  VeltorTest::ScriptedModalUI ui;
  TCtrlTimer t;
  t.SurfaceImage();
  t.SetResolution(tcMMSS);
  t.StartTime()->SetValueSeconds(3);
  t.Trigger1()->SetValueSeconds(2);
  t.Trigger2()->SetValueSeconds(3);  // equal to the start: never reached by a step
  t.Trigger3()->SetBeep(-1);
  QSignalSpy started(&t, &TCtrlTimer::OnStart);
  QSignalSpy trig1(&t, &TCtrlTimer::OnTrigger1);
  QSignalSpy trig2(&t, &TCtrlTimer::OnTrigger2);
  QSignalSpy trig3(&t, &TCtrlTimer::OnTrigger3);
  QSignalSpy ended(&t, &TCtrlTimer::OnElapsed);

  PressButton(t, 0);
  EXPECT_EQ(t.Mode(), run);
  EXPECT_EQ(started.count(), 1);
  for (int i = 0; i < kTicksPerSecond - 1; ++i) TimerTick();
  EXPECT_EQ(t.RunTime()->Text(tcMMSS), QStringLiteral("00:03"));
  TimerTick();
  EXPECT_EQ(t.RunTime()->Text(tcMMSS), QStringLiteral("00:02"));
  EXPECT_EQ(trig1.count(), 1);
  EXPECT_EQ(ui.Beeps, 1);
  Seconds(2);
  EXPECT_EQ(t.RunTime()->Packed(), 0);
  EXPECT_EQ(trig2.count(), 0);
  EXPECT_EQ(trig3.count(), 1);
  EXPECT_EQ(ended.count(), 0);
  EXPECT_EQ(ui.Beeps, 1);  // trigger 3 is silent, trigger 2 was not reached
  Seconds(1);
  EXPECT_EQ(ended.count(), 1);
  EXPECT_EQ(t.Mode(), elapsed);
  EXPECT_EQ(ui.Beeps, 2);
  Seconds(3);
  EXPECT_EQ(ended.count(), 1);
  EXPECT_EQ(trig1.count(), 1);

  // The digits blink between the end colour and the segment colour.
  const TRect digits = t.Geometry().Digits;
  t.SurfaceImage();  // shown once, so the blink clock draws on it
  bool red[2];
  for (bool& r : red) {
    for (int i = 0; i < 7; ++i) TimerTick();
    r = CountColour(t.SurfaceImage(), digits, t.ColElapsed()) > 0;
  }
  EXPECT_NE(red[0], red[1]);

  // RUN starts again from the start time.
  PressButton(t, 0);
  EXPECT_EQ(t.RunTime()->Text(tcMMSS), QStringLiteral("00:03"));
  EXPECT_EQ(t.Mode(), run);
}

TEST(CtrlTimer, ButtonsFollowTheModes) {
  VeltorTest::ScriptedModalUI ui;
  TCtrlTimer t;
  QSignalSpy stopped(&t, &TCtrlTimer::OnStop);
  PressButton(t, 1);  // STOP in reset
  EXPECT_EQ(t.Mode(), reset);
  EXPECT_EQ(stopped.count(), 0);
  PressButton(t, 0);
  PressButton(t, 3);  // TRIGGER while running
  EXPECT_EQ(t.Mode(), run);
  PressButton(t, 1);
  EXPECT_EQ(t.Mode(), stop);
  EXPECT_EQ(stopped.count(), 1);
  PressButton(t, 2);
  EXPECT_EQ(t.Mode(), reset);
  PressButton(t, 3);
  EXPECT_EQ(t.Mode(), trig1);
  PressButton(t, 2);
  EXPECT_EQ(t.Mode(), trig3);
  PressButton(t, 3);  // EXIT
  EXPECT_EQ(t.Mode(), reset);
  t.SetMode(elapsed);
  EXPECT_EQ(t.Mode(), reset);
}

// Digits are set by clicking their upper or lower half; tens of minutes and
// seconds wrap at 5, the rest at 9; only in reset and the trigger modes.
TEST(CtrlTimer, ClickedDigitsStepAndWrap) {
  VeltorTest::ScriptedModalUI ui;
  TCtrlTimer t;
  const TCtrlTimerLayout l = t.Geometry();
  ASSERT_EQ(l.Cells.size(), 6u);
  Press(t, l.DownZones[2]);  // tens of minutes 0 -> 5
  Press(t, l.DownZones[1]);  // hours 0 -> 9
  Press(t, l.UpZones[5]);
  EXPECT_EQ(t.StartTime()->Text(tcHHMMSS), QStringLiteral("09:50:01"));
  PressButton(t, 3);
  Press(t, l.UpZones[4]);
  EXPECT_EQ(t.Trigger1()->ValueSeconds(), 10);
  PressButton(t, 3);
  PressButton(t, 0);
  Press(t, l.UpZones[4]);
  EXPECT_EQ(ui.Beeps, 1);
  EXPECT_EQ(t.RunTime()->ValueSeconds(), 1);
}

TEST(CtrlTimer, TimesKeepTheirRanges) {
  TCtrlTimer t;
  t.StartTime()->SetValueMinutes(75);
  EXPECT_EQ(t.StartTime()->ValueMinutes(), 0);
  t.StartTime()->SetValueMinutes(45);
  t.Trigger2()->SetValueHours(99);
  t.SetResolution(tcHH);
  EXPECT_EQ(t.StartTime()->Packed(), 0);
  EXPECT_EQ(t.Trigger2()->Packed(), 0);
  t.StartTime()->SetValueMinutes(5);
  EXPECT_EQ(t.StartTime()->ValueMinutes(), 0);
  t.SetCaption(QStringLiteral("Countdown timer"));
  EXPECT_EQ(t.Caption(), QStringLiteral("Countdown "));
}

// A timer written into a form comes back with the same times, including
// fields of a resolution that is set in the same form.
TEST(CtrlTimer, TimesRoundTripThroughAForm) {
  TCtrlTimer source;
  source.SetResolution(tcMMSS);
  source.StartTime()->SetValueMinutes(12);
  source.StartTime()->SetValueSeconds(34);
  source.Trigger2()->SetValueSeconds(30);
  source.Trigger3()->SetBeep(-1);
  source.SetCaption(QStringLiteral("Oven"));

  QString body = QStringLiteral("<widget class=\"TCtrlTimer\" name=\"Timer1\">\n");
  body += QStringLiteral("<property name=\"Caption\"><string>%1</string></property>\n").arg(source.Caption());
  for (const char* name : {"StartTime", "Trigger1", "Trigger2", "Trigger3"}) {
    const QObject* group = source.property(name).value<QObject*>();
    ASSERT_TRUE(group);
    const QMetaObject* meta = group->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
      const QMetaProperty field = meta->property(i);
      body += QStringLiteral("<property name=\"%1.%2\"><number>%3</number></property>\n")
                  .arg(name, field.name())
                  .arg(field.read(group).toInt());
    }
  }
  body += QStringLiteral("<property name=\"Resolution\"><enum>tcMMSS</enum></property>\n</widget>");

  RegisterSegmentClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(body);
  ASSERT_TRUE(form);
  auto* t = form->findChild<TCtrlTimer*>(QStringLiteral("Timer1"));
  ASSERT_TRUE(t);
  EXPECT_EQ(t->Resolution(), tcMMSS);
  EXPECT_EQ(t->Caption(), QStringLiteral("Oven"));
  EXPECT_EQ(t->StartTime()->Text(tcMMSS), QStringLiteral("12:34"));
  EXPECT_EQ(t->Trigger2()->ValueSeconds(), 30);
  EXPECT_EQ(t->Trigger3()->Beep(), -1);
  EXPECT_EQ(t->Trigger1()->Packed(), 0);
}
