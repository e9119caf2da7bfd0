#include "system/playsound.h"

#include "foundation/numformat.h"
#include "system/wavefile.h"

#include <cmath>

namespace Veltor {

TPlaySound::TPlaySound(QObject* owner) : TComponent(owner) {
  InitSystemSounds();
  FRepeat = TTickSubscription::Ticker([this] { Repeat(); });
}

// A loop of a player that is gone would never end.
TPlaySound::~TPlaySound() {
  if (FPlayState == psContinous && FService) FService->Stop();
}

TSoundService& TPlaySound::Service() {
  if (!FService) FService = TSoundService::Acquire();
  return *FService;
}

int TPlaySound::RepeatMs() const { return int(RoundHalfEven(FRepDelay * 1000.0)); }

bool TPlaySound::RepeatArmed() const {
  const TimerEntry* entry = TimerRegistry::Global().Find(FRepeat.Id());
  return entry && entry->Active;
}

void TPlaySound::Start(TPlayMode mode) { Service().Play(FWave, mode); }

void TPlaySound::SetPlayState(tPlayState value) {
  if (value == FPlayState) return;
  FPlayState = value;
  FWave = value == psStopped ? nullptr : LoadWave(FWaveFile);
  switch (value) {
    case psStartWait:
      FRepeat.Stop();
      Start(TPlayMode::Sync);
      FPlayState = psStopped;
      break;
    case psStartExit:
      FRepeat.Stop();
      Start(TPlayMode::Async);
      FPlayState = psStopped;
      break;
    case psContinous:
      if (FRepDelay == 0.0) {
        FRepeat.Stop();
        Start(TPlayMode::Loop);
      } else {
        Start(TPlayMode::Async);
        FRepeat.SetInterval(RepeatMs());
      }
      break;
    case psStopped:
      FRepeat.Stop();
      Service().Stop();
      break;
  }
}

void TPlaySound::Repeat() {
  Start(TPlayMode::Async);
  if (FPlayState == psContinous) {
    FRepeat.SetInterval(RepeatMs());
  } else {
    FRepeat.Stop();
  }
}

void TPlaySound::SetRepDelay(double value) {
  if (value == 0.0) {
    FRepDelay = 0.0;
    FRepeat.Stop();
    return;
  }
  // Stored forms are clamped too: the period becomes a timer interval.
  FRepDelay = std::isnan(value) ? MinRepDelay : qBound(MinRepDelay, value, MaxRepDelay);
}

}  // namespace Veltor
