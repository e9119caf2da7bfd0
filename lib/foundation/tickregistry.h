#pragma once
// The shared tick service: one 55 ms timer steps every subscriber, and one
// blink clock keeps every blinking element of a panel in step.

#include <QtGlobal>

#include <functional>
#include <memory>
#include <vector>

class QTimer;

namespace Veltor {

using TTickCallback = std::function<void()>;

// One subscription. Owned by the registry; ids are the subscriber's handle.
struct TimerEntry {
  bool Busy = false;    // callback running: a nested tick must not enter it
  bool Active = false;  // stepped on each tick
  int Id = 0;
  quint16 Reload = 0;     // ticks per period; for blink entries the phase 0..6
  quint16 Countdown = 0;  // ticks left in the current period
  TTickCallback Callback;
  bool Blink = false;
};

class TimerRegistry {
 public:
  TimerRegistry() = default;
  ~TimerRegistry();
  TimerRegistry(const TimerRegistry&) = delete;
  TimerRegistry& operator=(const TimerRegistry&) = delete;

  // The process-wide registry driven by the system tick.
  static TimerRegistry& Global();

  // New inactive entry with a period of 1000 ticks; -1 if it cannot be made.
  // The id is one more than the largest id still held, 0 when none is held.
  // Entries removed during a tick are held until that tick ends, so a
  // subscriber added from a callback never receives an id that was just
  // given up.
  int AddTicker(TTickCallback callback);
  // Active entry called once every 7 ticks; successive blinkers get the
  // phases 0..6 in turn so their repaints spread over the half period.
  int AddBlinker(TTickCallback callback);
  // Period in ms, 55.5 ms per tick rounded half to even, at least one tick.
  // Also (re)activates the entry. ms <= 0 or an unknown id does nothing.
  void SetTickInterval(int id, int ms);
  void StopTicker(int id);
  void RemoveTicker(int id);

  bool BlinkState() const { return FBlinkState; }
  int TickCounter() const { return FTickCounter; }

  // One step of the clock: advances the blink clock and calls every due
  // subscriber in list order. Subscribers may add or remove entries and may
  // run a nested tick from their callback.
  void Tick();

  const TimerEntry* Find(int id) const;
  int Count() const;

 private:
  struct Node {
    TimerEntry Entry;
    bool Removed = false;  // given up during a tick; erased when it ends
  };
  class WalkScope;

  Node* FindNode(int id) const;
  void CallEntry(TimerEntry& entry);
  void EraseRemoved();

  std::vector<std::unique_ptr<Node>> FNodes;
  int FTickCounter = 0;
  bool FBlinkState = false;
  int FNextBlinkPhase = 0;
  int FWalkDepth = 0;
  bool FHasRemoved = false;
};

// Owns one subscription of a registry (the global one by default) and gives
// it up when destroyed, so a control's callback can never be called after the
// control is gone. Move-only; a default-constructed handle holds nothing.
class TTickSubscription {
 public:
  TTickSubscription() = default;
  ~TTickSubscription() { Reset(); }
  TTickSubscription(TTickSubscription&& other) noexcept { *this = std::move(other); }
  TTickSubscription& operator=(TTickSubscription&& other) noexcept;
  TTickSubscription(const TTickSubscription&) = delete;
  TTickSubscription& operator=(const TTickSubscription&) = delete;

  // An inactive ticker (start it with SetInterval), or an active blinker.
  static TTickSubscription Ticker(TTickCallback callback, TimerRegistry& registry = TimerRegistry::Global());
  static TTickSubscription Blinker(TTickCallback callback, TimerRegistry& registry = TimerRegistry::Global());

  // The registry id, -1 when nothing is held.
  int Id() const { return FId; }
  explicit operator bool() const { return FId != -1; }

  void SetInterval(int ms) const;
  void Stop() const;
  // Gives the subscription up now.
  void Reset();

 private:
  TTickSubscription(TimerRegistry* registry, int id) : FRegistry(registry), FId(id) {}

  TimerRegistry* FRegistry = nullptr;
  int FId = -1;
};

// The same operations on TimerRegistry::Global().
int AddTicker(TTickCallback callback);
int AddBlinker(TTickCallback callback);
void SetTickInterval(int id, int ms);
void StopTicker(int id);
void RemoveTicker(int id);
bool BlinkState();
void TimerTick();

// Start-up of the foundation library; runs inside the QApplication
// constructor and may be called again at no cost. Starts the system tick
// unless VELTOR_NO_SYSTEM_TICK is set (tests drive TimerTick by hand).
void InitFoundation();
// Starts the 55 ms system tick if it is not running; throws
// std::runtime_error("no more timers") when no timer can be had.
void StartSystemTimer();
void StopSystemTimer();
// The running system tick timer, or nullptr.
const QTimer* SystemTimer();

}  // namespace Veltor
