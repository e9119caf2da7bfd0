#include "foundation/smarttimer.h"

#include "foundation/tickregistry.h"

#include <QPointer>

namespace Veltor {

TSmartTimer::TSmartTimer(QObject* owner) : TComponent(owner) {}

TSmartTimer::~TSmartTimer() = default;

void TSmartTimer::SetTime(quint16 value) {
  value = qMax(value, MinTime);
  if (value == FTime) return;
  FTime = value;
  // An iteration keeps its period until the mode is set again.
  if (FTimerMode == tmTicking) FTimer.SetInterval(FTime);
}

void TSmartTimer::SetTimerMode(TTimerMode value) {
  if (value == FTimerMode) return;
  FTimerMode = value;
  switch (value) {
    case tmStopped:
      // Keep the entry: a later start replaces it anyway.
      FTimer.Stop();
      break;
    case tmTicking:
    case tmIterate:
      Resubscribe(TTickSubscription::Ticker([this] { HandleTick(); }));
      FTimer.SetInterval(FTime);
      break;
    case tmBlinking: Resubscribe(TTickSubscription::Blinker([this] { HandleTick(); })); break;
  }
}

void TSmartTimer::Resubscribe(TTickSubscription subscription) {
  // The old entry goes only after the new one exists, so the new id always
  // differs from the one given up and a stale handle cannot reach it.
  FTimer.Stop();
  FTimer = std::move(subscription);
}

void TSmartTimer::HandleTick() {
  if (FTimerMode == tmIterate) --FCycles;
  // A handler may delete the timer.
  const QPointer<TSmartTimer> alive(this);
  emit TimerEvent(this, BlinkState());
  if (!alive) return;
  if (FTimerMode == tmIterate && FCycles < 1) {
    FCycles = 0;
    FTimer.Stop();
    // Not through the setter: the stopped entry stays until the next start.
    FTimerMode = tmStopped;
  }
}

}  // namespace Veltor
