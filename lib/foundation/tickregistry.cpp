#include "foundation/tickregistry.h"

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <new>
#include <stdexcept>

namespace Veltor {

namespace {

constexpr int kBlinkTicks = 7;
constexpr int kSystemTickMs = 55;
constexpr quint16 kInitialPeriod = 1000;
// Ticks per millisecond of the nominal 55.5 ms tick.
constexpr double kTicksPerMs = 0.018018018;

}  // namespace

// Counts the walks in progress; the outermost one erases the entries that
// were removed while it ran. Entries keep their index until then, so every
// walk can go on by index whatever its callbacks do to the list.
class TimerRegistry::WalkScope {
 public:
  explicit WalkScope(TimerRegistry& registry) : FRegistry(registry) { ++FRegistry.FWalkDepth; }
  ~WalkScope() {
    if (--FRegistry.FWalkDepth == 0 && FRegistry.FHasRemoved) FRegistry.EraseRemoved();
  }
  WalkScope(const WalkScope&) = delete;
  WalkScope& operator=(const WalkScope&) = delete;

 private:
  TimerRegistry& FRegistry;
};

TimerRegistry::~TimerRegistry() {
  // Callbacks released here may still call back into the registry.
  auto nodes = std::move(FNodes);
  FNodes.clear();
}

TimerRegistry& TimerRegistry::Global() {
  static TimerRegistry registry;
  return registry;
}

TimerRegistry::Node* TimerRegistry::FindNode(int id) const {
  for (const auto& node : FNodes)
    if (!node->Removed && node->Entry.Id == id) return node.get();
  return nullptr;
}

const TimerEntry* TimerRegistry::Find(int id) const {
  const Node* node = FindNode(id);
  return node ? &node->Entry : nullptr;
}

int TimerRegistry::Count() const {
  return int(
      std::count_if(FNodes.begin(), FNodes.end(), [](const std::unique_ptr<Node>& node) { return !node->Removed; }));
}

int TimerRegistry::AddTicker(TTickCallback callback) {
  // Removed entries still waiting to be erased count here: their ids may
  // still be held by someone who has not yet noticed the removal.
  int id = 0;
  for (const auto& node : FNodes) id = std::max(id, node->Entry.Id + 1);
  try {
    auto node = std::make_unique<Node>();
    node->Entry.Id = id;
    node->Entry.Reload = kInitialPeriod;
    node->Entry.Countdown = kInitialPeriod;
    node->Entry.Callback = std::move(callback);
    FNodes.push_back(std::move(node));
  } catch (const std::bad_alloc&) {
    return -1;
  }
  return id;
}

int TimerRegistry::AddBlinker(TTickCallback callback) {
  const int id = AddTicker(std::move(callback));
  if (Node* node = FindNode(id)) {
    node->Entry.Blink = true;
    node->Entry.Active = true;
    node->Entry.Reload = quint16(FNextBlinkPhase);
    FNextBlinkPhase = (FNextBlinkPhase + 1) % kBlinkTicks;
  }
  return id;
}

void TimerRegistry::SetTickInterval(int id, int ms) {
  if (ms <= 0) return;
  Node* node = FindNode(id);
  if (!node) return;
  // Default rounding mode: nearest, ties to even.
  const double ticks = std::nearbyint(ms * kTicksPerMs);
  const quint16 reload = quint16(std::clamp(ticks, 1.0, 65535.0));
  node->Entry.Reload = reload;
  node->Entry.Countdown = reload;
  node->Entry.Active = true;
}

void TimerRegistry::StopTicker(int id) {
  if (Node* node = FindNode(id)) node->Entry.Active = false;
}

void TimerRegistry::RemoveTicker(int id) {
  const auto it = std::find_if(FNodes.begin(), FNodes.end(),
                               [id](const auto& node) { return !node->Removed && node->Entry.Id == id; });
  if (it == FNodes.end()) return;
  if (FWalkDepth > 0) {
    // A walk is indexing the list, and the callback may be the one running.
    (*it)->Removed = true;
    (*it)->Entry.Active = false;
    FHasRemoved = true;
    return;
  }
  // Release the callback only after the list is consistent again.
  std::unique_ptr<Node> node = std::move(*it);
  FNodes.erase(it);
}

void TimerRegistry::EraseRemoved() {
  std::vector<std::unique_ptr<Node>> removed;
  auto keep = FNodes.begin();
  for (auto& node : FNodes) {
    if (node->Removed)
      removed.push_back(std::move(node));
    else
      *keep++ = std::move(node);
  }
  FNodes.erase(keep, FNodes.end());
  FHasRemoved = false;
}

void TimerRegistry::CallEntry(TimerEntry& entry) {
  struct BusyScope {
    TimerEntry& Entry;
    explicit BusyScope(TimerEntry& e) : Entry(e) { Entry.Busy = true; }
    ~BusyScope() { Entry.Busy = false; }
  } busy(entry);
  entry.Callback();
}

void TimerRegistry::Tick() {
  if (++FTickCounter >= kBlinkTicks) {
    FTickCounter = 0;
    FBlinkState = !FBlinkState;
  }
  // A nested tick moves the counter on; this walk keeps to its own tick.
  const int counter = FTickCounter;
  WalkScope walk(*this);
  // Entries added by callbacks start with the next tick.
  const std::size_t count = FNodes.size();
  for (std::size_t i = 0; i < count; ++i) {
    Node& node = *FNodes[i];
    TimerEntry& entry = node.Entry;
    if (node.Removed || !entry.Callback || !entry.Active) continue;
    if (entry.Blink) {
      if (entry.Reload == counter && !entry.Busy) CallEntry(entry);
      continue;
    }
    if (--entry.Countdown != 0) continue;
    if (entry.Busy) {
      // Fell due during its own call (a nested tick): try again next tick.
      entry.Countdown = 1;
      continue;
    }
    // Reloaded before the call so that nested ticks during the call count
    // down the new period instead of running below zero.
    entry.Countdown = entry.Reload;
    CallEntry(entry);
  }
}

TTickSubscription& TTickSubscription::operator=(TTickSubscription&& other) noexcept {
  if (this != &other) {
    Reset();
    FRegistry = other.FRegistry;
    FId = other.FId;
    other.FRegistry = nullptr;
    other.FId = -1;
  }
  return *this;
}

TTickSubscription TTickSubscription::Ticker(TTickCallback callback, TimerRegistry& registry) {
  return TTickSubscription(&registry, registry.AddTicker(std::move(callback)));
}

TTickSubscription TTickSubscription::Blinker(TTickCallback callback, TimerRegistry& registry) {
  return TTickSubscription(&registry, registry.AddBlinker(std::move(callback)));
}

void TTickSubscription::SetInterval(int ms) const {
  if (FRegistry) FRegistry->SetTickInterval(FId, ms);
}

void TTickSubscription::Stop() const {
  if (FRegistry) FRegistry->StopTicker(FId);
}

void TTickSubscription::Reset() {
  if (FRegistry && FId != -1) FRegistry->RemoveTicker(FId);
  FRegistry = nullptr;
  FId = -1;
}

int AddTicker(TTickCallback callback) { return TimerRegistry::Global().AddTicker(std::move(callback)); }

int AddBlinker(TTickCallback callback) { return TimerRegistry::Global().AddBlinker(std::move(callback)); }

void SetTickInterval(int id, int ms) { TimerRegistry::Global().SetTickInterval(id, ms); }

void StopTicker(int id) { TimerRegistry::Global().StopTicker(id); }

void RemoveTicker(int id) { TimerRegistry::Global().RemoveTicker(id); }

bool BlinkState() { return TimerRegistry::Global().BlinkState(); }

void TimerTick() { TimerRegistry::Global().Tick(); }

namespace {

// Parented to the application object, so it stops and goes away with it.
QPointer<QTimer>& SystemTimerHolder() {
  static QPointer<QTimer> timer;
  return timer;
}

}  // namespace

void StartSystemTimer() {
  QPointer<QTimer>& holder = SystemTimerHolder();
  if (holder) return;
  QCoreApplication* app = QCoreApplication::instance();
  if (!app || !QAbstractEventDispatcher::instance()) throw std::runtime_error("no more timers");
  auto timer = std::make_unique<QTimer>(app);
  timer->setObjectName(QStringLiteral("VeltorSystemTick"));
  // A coarse timer drifts to about 52 ms; blink and repeat rates follow it.
  timer->setTimerType(Qt::PreciseTimer);
  timer->setInterval(kSystemTickMs);
  QObject::connect(timer.get(), &QTimer::timeout, timer.get(), [] { TimerTick(); });
  timer->start();
  if (!timer->isActive()) throw std::runtime_error("no more timers");
  holder = timer.release();
}

void StopSystemTimer() {
  QPointer<QTimer>& holder = SystemTimerHolder();
  if (!holder) return;
  holder->stop();
  // May be called from a tick callback, i.e. from inside the timer's signal.
  holder->deleteLater();
  holder = nullptr;
}

const QTimer* SystemTimer() { return SystemTimerHolder().data(); }

void InitFoundation() {
  TimerRegistry::Global();
  if (!qEnvironmentVariableIsEmpty("VELTOR_NO_SYSTEM_TICK")) return;
  StartSystemTimer();
}

Q_COREAPP_STARTUP_FUNCTION(InitFoundation)

}  // namespace Veltor
