#include "foundation/smarttimer.h"

#include "foundation/tickregistry.h"

#include <QPointer>

namespace Veltor {

TSmartTimer::TSmartTimer(QObject* owner) : TComponent(owner) {}

TSmartTimer::~TSmartTimer() {
  if (FTimerId != -1) RemoveTicker(FTimerId);
}

void TSmartTimer::SetTime(quint16 value) {
  value = qMax(value, MinTime);
  if (value == FTime) return;
  FTime = value;
  // An iteration keeps its period until the mode is set again.
  if (FTimerId != -1 && FTimerMode == tmTicking) SetTickInterval(FTimerId, FTime);
}

void TSmartTimer::SetTimerMode(TTimerMode value) {
  if (value == FTimerMode) return;
  FTimerMode = value;
  switch (value) {
    case tmStopped:
      // Keep the entry: a later start replaces it anyway.
      if (FTimerId != -1) StopTicker(FTimerId);
      break;
    case tmTicking:
    case tmIterate:
      Resubscribe(AddTicker([this] { HandleTick(); }));
      SetTickInterval(FTimerId, FTime);
      break;
    case tmBlinking:
      Resubscribe(AddBlinker([this] { HandleTick(); }));
      break;
  }
}

void TSmartTimer::Resubscribe(int newId) {
  // The old entry goes only after the new one exists, so the new id always
  // differs from the one given up and a stale handle cannot reach it.
  if (FTimerId != -1) {
    StopTicker(FTimerId);
    RemoveTicker(FTimerId);
  }
  FTimerId = newId;
}

void TSmartTimer::HandleTick() {
  if (FTimerMode == tmIterate) --FCycles;
  // A handler may delete the timer.
  const QPointer<TSmartTimer> alive(this);
  emit TimerEvent(this, BlinkState());
  if (!alive) return;
  if (FTimerMode == tmIterate && FCycles < 1) {
    FCycles = 0;
    StopTicker(FTimerId);
    // Not through the setter: the stopped entry stays until the next start.
    FTimerMode = tmStopped;
  }
}

}  // namespace Veltor
