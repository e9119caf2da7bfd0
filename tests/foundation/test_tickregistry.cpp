#include "foundation/tickregistry.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTimer>

#include <vector>

using namespace Veltor;

namespace {

// Adds a ticker that counts its calls, with the given period in ms.
int AddCounter(TimerRegistry& reg, int& calls, int ms) {
  const int id = reg.AddTicker([&calls] { ++calls; });
  reg.SetTickInterval(id, ms);
  return id;
}

}  // namespace

TEST(TickRegistry, NewTickerWaitsForAnIntervalAndIdsFollowTheLargest) {
  TimerRegistry reg;
  int calls = 0;
  EXPECT_EQ(reg.AddTicker([&] { ++calls; }), 0);
  EXPECT_EQ(reg.AddTicker({}), 1);
  EXPECT_EQ(reg.AddTicker({}), 2);
  const TimerEntry* e = reg.Find(0);
  ASSERT_NE(e, nullptr);
  EXPECT_FALSE(e->Active);
  EXPECT_FALSE(e->Blink);
  EXPECT_EQ(e->Reload, 1000);
  EXPECT_EQ(e->Countdown, 1000);
  for (int i = 0; i < 1001; ++i) reg.Tick();
  EXPECT_EQ(calls, 0);

  reg.RemoveTicker(1);
  EXPECT_EQ(reg.Find(1), nullptr);
  EXPECT_EQ(reg.Count(), 2);
  EXPECT_EQ(reg.AddTicker({}), 3);
  reg.RemoveTicker(3);
  EXPECT_EQ(reg.AddTicker({}), 3);
  for (int id : {0, 2, 3}) reg.RemoveTicker(id);
  EXPECT_EQ(reg.Count(), 0);
  EXPECT_EQ(reg.AddTicker({}), 0);
}

TEST(TickRegistry, IntervalRoundsToNearestTickAndAtLeastOne) {
  struct Case {
    int ms;
    int ticks;
  } cases[] = {{1, 1}, {27, 1}, {50, 1}, {83, 1}, {84, 2}, {138, 2}, {139, 3}, {1000, 18}, {65535, 1181}};
  TimerRegistry reg;
  const int id = reg.AddTicker({});
  for (const Case& c : cases) {
    reg.SetTickInterval(id, c.ms);
    EXPECT_EQ(reg.Find(id)->Reload, c.ticks) << c.ms;
    EXPECT_EQ(reg.Find(id)->Countdown, c.ticks) << c.ms;
    EXPECT_TRUE(reg.Find(id)->Active);
  }
}

TEST(TickRegistry, TickersFireOncePerPeriodUntilStopped) {
  TimerRegistry reg;
  int fast = 0, slow = 0;
  const int fastId = AddCounter(reg, fast, 50);
  AddCounter(reg, slow, 1000);
  std::vector<int> slowTicks;
  for (int t = 1; t <= 40; ++t) {
    const int before = slow;
    reg.Tick();
    if (slow != before) slowTicks.push_back(t);
  }
  EXPECT_EQ(fast, 40);
  EXPECT_EQ(slowTicks, (std::vector<int>{18, 36}));

  reg.SetTickInterval(fastId, 1000);
  reg.SetTickInterval(fastId, 0);  // ignored
  EXPECT_EQ(reg.Find(fastId)->Reload, 18);
  reg.StopTicker(fastId);
  for (int t = 0; t < 18; ++t) reg.Tick();
  EXPECT_EQ(fast, 40);
  ASSERT_NE(reg.Find(fastId), nullptr);
  reg.SetTickInterval(fastId, 50);
  reg.Tick();
  EXPECT_EQ(fast, 41);
  reg.StopTicker(-1);
  reg.RemoveTicker(99);
  EXPECT_EQ(reg.Count(), 2);
}

TEST(TickRegistry, BlinkStateFlipsEverySeventhTickAndBlinkersSpreadOverPhases) {
  TimerRegistry reg;
  constexpr int kBlinkers = 10;
  std::vector<std::vector<bool>> seen(kBlinkers);
  int callsThisTick = 0;
  for (int i = 0; i < kBlinkers; ++i) {
    const int id = reg.AddBlinker([&, i] {
      ++callsThisTick;
      EXPECT_EQ(reg.TickCounter(), i % 7) << i;
      seen[i].push_back(reg.BlinkState());
    });
    EXPECT_TRUE(reg.Find(id)->Active);
    EXPECT_EQ(reg.Find(id)->Reload, i % 7) << i;
  }
  EXPECT_FALSE(reg.BlinkState());
  for (int t = 1; t <= 28; ++t) {
    callsThisTick = 0;
    reg.Tick();
    EXPECT_LE(callsThisTick, 2);
    EXPECT_EQ(reg.BlinkState(), t / 7 % 2 == 1) << "tick " << t;
  }
  for (int i = 0; i < kBlinkers; ++i) {
    ASSERT_EQ(seen[i].size(), 4u) << i;
    for (std::size_t k = 1; k < seen[i].size(); ++k) EXPECT_NE(seen[i][k], seen[i][k - 1]) << i;
  }
}

TEST(TickRegistry, CallbacksMayRemoveThemselvesOrOthers) {
  TimerRegistry reg;
  int a = 0, b = 0, c = 0, d = 0;
  const int idA = AddCounter(reg, a, 50);
  const int idB = reg.AddTicker([&] {
    ++b;
    reg.RemoveTicker(idA);  // earlier in the list
    reg.RemoveTicker(1);    // itself
  });
  reg.SetTickInterval(idB, 50);
  const int idC = reg.AddTicker([&] {
    ++c;
    reg.RemoveTicker(3);  // later in the list
  });
  reg.SetTickInterval(idC, 50);
  AddCounter(reg, d, 50);
  reg.Tick();
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 1);
  EXPECT_EQ(c, 1);
  EXPECT_EQ(d, 0);  // removed before its turn
  EXPECT_EQ(reg.Count(), 1);
  EXPECT_EQ(reg.Find(idA), nullptr);
  reg.Tick();
  EXPECT_EQ(a + b + c + d, 4);
}

TEST(TickRegistry, SubscribersAddedDuringATickStartWithTheNextTick) {
  TimerRegistry reg;
  int added = 0, late = 0;
  int newId = -1;
  const int first = reg.AddTicker([&] {
    if (newId != -1) return;
    reg.RemoveTicker(1);  // the largest id, given up during the walk
    newId = reg.AddTicker([&] { ++added; });
    reg.SetTickInterval(newId, 50);
  });
  reg.SetTickInterval(first, 50);
  AddCounter(reg, late, 50);
  reg.Tick();
  EXPECT_EQ(added, 0);
  EXPECT_EQ(late, 0);
  EXPECT_EQ(newId, 2);  // the id just given up is not handed out again
  EXPECT_EQ(reg.Find(1), nullptr);
  reg.Tick();
  EXPECT_EQ(added, 1);
}

TEST(TickRegistry, NestedTickSkipsBusyTickerAndRetriesItNextTick) {
  TimerRegistry reg;
  int pump = 0, other = 0, victim = 0;
  bool pumping = false;
  const int pumpId = reg.AddTicker([&] {
    if (++pump > 1) return;
    pumping = true;
    for (int i = 0; i < 4; ++i) reg.Tick();  // as if the callback pumped messages
    pumping = false;
    EXPECT_EQ(reg.Find(pumpId)->Countdown, 1);
  });
  reg.SetTickInterval(pumpId, 200);  // 4 ticks
  const int otherId = reg.AddTicker([&] {
    ++other;
    if (pumping) reg.RemoveTicker(2);  // removal inside the nested walk
  });
  reg.SetTickInterval(otherId, 50);
  AddCounter(reg, victim, 50);
  for (int t = 0; t < 4; ++t) reg.Tick();
  EXPECT_EQ(pump, 1);
  EXPECT_EQ(other, 3 + 4 + 1);
  EXPECT_EQ(victim, 3);
  EXPECT_EQ(reg.Count(), 2);
  EXPECT_FALSE(reg.Find(pumpId)->Busy);
  reg.Tick();
  EXPECT_EQ(pump, 2);  // the retry
  EXPECT_EQ(reg.Find(pumpId)->Countdown, 4);
}

TEST(TickRegistry, NestedTickSkipsBusyBlinkerAndOuterWalkKeepsItsPhase) {
  TimerRegistry reg;
  int first = 0, second = 0;
  reg.AddBlinker([&] {
    if (++first == 1)
      for (int i = 0; i < 8; ++i) reg.Tick();  // comes round to its own phase once
  });
  reg.AddBlinker([&] { ++second; });
  for (int t = 0; t < 7; ++t) reg.Tick();
  EXPECT_EQ(first, 1);
  EXPECT_EQ(second, 3);  // tick 1, then the first and eighth nested ticks
}

TEST(TickRegistry, FreeFunctionsUseTheGlobalRegistry) {
  TimerRegistry& global = TimerRegistry::Global();
  const int before = global.Count();
  int calls = 0;
  const int id = AddTicker([&] { ++calls; });
  SetTickInterval(id, 50);
  ASSERT_NE(global.Find(id), nullptr);
  const bool blink = BlinkState();
  for (int t = 0; t < 7; ++t) TimerTick();
  EXPECT_EQ(calls, 7);
  EXPECT_NE(BlinkState(), blink);
  StopTicker(id);
  EXPECT_FALSE(global.Find(id)->Active);
  RemoveTicker(id);
  EXPECT_EQ(global.Count(), before);
}

TEST(TickRegistry, SystemTimerIsOnePreciseTimerOwnedByTheApplication) {
  InitFoundation();  // the test main asks for no system tick
  EXPECT_EQ(SystemTimer(), nullptr);
  StartSystemTimer();
  const QTimer* timer = SystemTimer();
  ASSERT_NE(timer, nullptr);
  EXPECT_TRUE(timer->isActive());
  EXPECT_EQ(timer->interval(), 55);
  EXPECT_EQ(timer->timerType(), Qt::PreciseTimer);
  EXPECT_EQ(timer->parent(), QCoreApplication::instance());
  StartSystemTimer();
  EXPECT_EQ(SystemTimer(), timer);
  StopSystemTimer();
  EXPECT_EQ(SystemTimer(), nullptr);
  EXPECT_FALSE(timer->isActive());
}

TEST(TickSubscription, OwnsItsEntryThroughMovesAndGivesItUpWhenDestroyed) {
  TimerRegistry reg;
  int calls = 0;
  {
    auto first = TTickSubscription::Ticker([&] { ++calls; }, reg);
    first.SetInterval(55);
    const int id = first.Id();
    TTickSubscription owner = std::move(first);
    EXPECT_FALSE(first);
    EXPECT_EQ(owner.Id(), id);
    reg.Tick();
    EXPECT_EQ(calls, 1);
    // A moved-from handle removes nothing when it goes.
    { TTickSubscription gone = std::move(first); }
    EXPECT_NE(reg.Find(id), nullptr);
  }
  // The owner went between two ticks: the callback is never called again.
  EXPECT_EQ(reg.Count(), 0);
  reg.Tick();
  EXPECT_EQ(calls, 1);
}

TEST(TickSubscription, AssigningANewOneReleasesTheOldAfterTheNewExists) {
  TimerRegistry reg;
  auto sub = TTickSubscription::Blinker({}, reg);
  const int oldId = sub.Id();
  sub = TTickSubscription::Blinker({}, reg);
  EXPECT_NE(sub.Id(), oldId);
  EXPECT_EQ(reg.Find(oldId), nullptr);
  EXPECT_EQ(reg.Count(), 1);
}
