#include "foundation/smarttimer.h"

#include "foundation/tickregistry.h"

#include <gtest/gtest.h>

#include <QVariant>

#include <vector>

using namespace Veltor;

namespace {

const TimerEntry* EntryOf(const TSmartTimer& timer) { return TimerRegistry::Global().Find(timer.TimerId()); }

// Records the BlinkHigh argument of every TimerEvent and checks the sender.
struct EventLog {
  std::vector<bool> blinkHigh;
  explicit EventLog(TSmartTimer& timer) {
    QObject::connect(&timer, &TSmartTimer::TimerEvent, [this, &timer](QObject* sender, bool high) {
      EXPECT_EQ(sender, &timer);
      EXPECT_EQ(high, BlinkState());
      blinkHigh.push_back(high);
    });
  }
};

void Ticks(int n) {
  for (int i = 0; i < n; ++i) TimerTick();
}

}  // namespace

TEST(SmartTimer, StartsStoppedAndKeepsTimeAtLeastFifty) {
  TSmartTimer timer;
  EXPECT_EQ(timer.TimerId(), -1);
  EXPECT_EQ(timer.Time(), 50);
  EXPECT_EQ(timer.Cycles(), 1);
  EXPECT_EQ(timer.TimerMode(), TSmartTimer::tmStopped);
  timer.SetTime(10);
  EXPECT_EQ(timer.Time(), 50);
  EXPECT_TRUE(timer.setProperty("Time", QVariant(1000)));
  EXPECT_EQ(timer.Time(), 1000);
  EXPECT_TRUE(timer.setProperty("TimerMode", QVariant(QStringLiteral("tmBlinking"))));
  EXPECT_EQ(timer.TimerMode(), TSmartTimer::tmBlinking);
}

TEST(SmartTimer, TickingFiresEveryPeriodAndTakesNewTimeAtOnce) {
  const int before = TimerRegistry::Global().Count();
  {
    TSmartTimer timer;
    EventLog log(timer);
    timer.SetTimerMode(TSmartTimer::tmTicking);
    const int id = timer.TimerId();
    ASSERT_NE(EntryOf(timer), nullptr);
    Ticks(3);
    EXPECT_EQ(log.blinkHigh.size(), 3u);

    timer.SetTime(1000);
    EXPECT_EQ(EntryOf(timer)->Reload, 18);
    timer.SetTimerMode(TSmartTimer::tmTicking);  // unchanged: same subscription
    EXPECT_EQ(timer.TimerId(), id);
    Ticks(36);
    EXPECT_EQ(log.blinkHigh.size(), 5u);
  }
  EXPECT_EQ(TimerRegistry::Global().Count(), before);
}

TEST(SmartTimer, IterateRunsCyclesThenStopsItself) {
  TSmartTimer timer;
  EventLog log(timer);
  timer.SetCycles(3);
  timer.SetTimerMode(TSmartTimer::tmIterate);
  timer.SetTime(1000);  // an iteration keeps the period it started with
  EXPECT_EQ(EntryOf(timer)->Reload, 1);
  Ticks(10);
  EXPECT_EQ(log.blinkHigh.size(), 3u);
  EXPECT_EQ(timer.TimerMode(), TSmartTimer::tmStopped);
  EXPECT_EQ(timer.Cycles(), 0);
  ASSERT_NE(EntryOf(timer), nullptr);
  EXPECT_FALSE(EntryOf(timer)->Active);

  timer.SetTimerMode(TSmartTimer::tmIterate);  // Cycles still 0: one event, then stop
  EXPECT_EQ(EntryOf(timer)->Reload, 18);
  Ticks(40);
  EXPECT_EQ(log.blinkHigh.size(), 4u);
  EXPECT_EQ(timer.Cycles(), 0);
}

TEST(SmartTimer, RestartAfterStopTakesAFreshSubscription) {
  TSmartTimer timer;
  EventLog log(timer);
  timer.SetTimerMode(TSmartTimer::tmTicking);
  const int oldId = timer.TimerId();
  timer.SetTimerMode(TSmartTimer::tmStopped);
  EXPECT_EQ(timer.TimerId(), oldId);
  ASSERT_NE(EntryOf(timer), nullptr);
  Ticks(2);
  EXPECT_TRUE(log.blinkHigh.empty());

  timer.SetTimerMode(TSmartTimer::tmTicking);
  EXPECT_NE(timer.TimerId(), oldId);
  EXPECT_EQ(TimerRegistry::Global().Find(oldId), nullptr);
  Ticks(1);
  EXPECT_EQ(log.blinkHigh.size(), 1u);
}

TEST(SmartTimer, BlinkingFiresOncePerHalfPeriodWithAlternatingState) {
  TSmartTimer timer;
  timer.SetTime(1000);
  EventLog log(timer);
  timer.SetTimerMode(TSmartTimer::tmBlinking);
  EXPECT_TRUE(EntryOf(timer)->Blink);
  Ticks(21);
  ASSERT_EQ(log.blinkHigh.size(), 3u);
  EXPECT_NE(log.blinkHigh[0], log.blinkHigh[1]);
  EXPECT_NE(log.blinkHigh[1], log.blinkHigh[2]);
}

TEST(SmartTimer, HandlerMayDeleteTheTimer) {
  const int before = TimerRegistry::Global().Count();
  auto* timer = new TSmartTimer;
  int events = 0;
  QObject::connect(timer, &TSmartTimer::TimerEvent, [&](QObject* sender, bool) {
    ++events;
    delete sender;
  });
  timer->SetCycles(1);
  timer->SetTimerMode(TSmartTimer::tmIterate);
  Ticks(3);
  EXPECT_EQ(events, 1);
  EXPECT_EQ(TimerRegistry::Global().Count(), before);
}
