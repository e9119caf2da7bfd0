#pragma once
// Non-visual component that brings the shared tick to applications: a
// periodic event, the blink clock, or a fixed number of periods.

#include "foundation/tickregistry.h"
#include "host/component.h"

#include <QtGlobal>

namespace Veltor {

class TSmartTimer : public TComponent {
  Q_OBJECT
  Q_PROPERTY(quint16 Time READ Time WRITE SetTime)
  Q_PROPERTY(TTimerMode TimerMode READ TimerMode WRITE SetTimerMode)
  Q_PROPERTY(int Cycles READ Cycles WRITE SetCycles)

 public:
  enum TTimerMode { tmStopped, tmTicking, tmBlinking, tmIterate };
  Q_ENUM(TTimerMode)

  static constexpr quint16 MinTime = 50;

  explicit TSmartTimer(QObject* owner = nullptr);
  ~TSmartTimer() override;

  // Subscription in the tick registry, -1 when there is none.
  int TimerId() const { return FTimer.Id(); }

  // Period in ms for tmTicking and tmIterate.
  quint16 Time() const { return FTime; }
  void SetTime(quint16 value);

  TTimerMode TimerMode() const { return FTimerMode; }
  void SetTimerMode(TTimerMode value);

  // Periods left in tmIterate; stays 0 after the run until set again.
  int Cycles() const { return FCycles; }
  void SetCycles(int value) { FCycles = value; }

 signals:
  void TimerEvent(QObject* Sender, bool BlinkHigh);

 private:
  void HandleTick();
  void Resubscribe(TTickSubscription subscription);

  TTickSubscription FTimer;
  quint16 FTime = MinTime;
  int FCycles = 1;
  TTimerMode FTimerMode = tmStopped;
};

}  // namespace Veltor
