#pragma once
// Non-visual component playing a wave file: once and wait, once and return,
// or repeatedly with a pause between the starts (RepDelay seconds, 0 for a
// seamless loop). The repeats run on the shared tick.
//
// Sound goes through SDL's audio output, shared by every player: a new
// sound cuts off the one playing and psStopped silences any of them. A
// missing, unreadable or non-wave file, or no audio device, plays nothing;
// nothing is raised or shown.

#include "foundation/tickregistry.h"
#include "host/component.h"
#include "system/sdlservice.h"
#include "system/systemtypes.h"

#include <memory>

namespace Veltor {

class TPlaySound : public TComponent {
  Q_OBJECT
  Q_PROPERTY(QString WaveFile READ WaveFile WRITE SetWaveFile)
  Q_PROPERTY(Veltor::SystemEnums::tPlayState PlayState READ PlayState WRITE SetPlayState)
  Q_PROPERTY(double RepDelay READ RepDelay WRITE SetRepDelay)

 public:
  static constexpr double MinRepDelay = 0.3;
  static constexpr double MaxRepDelay = 120.0;

  explicit TPlaySound(QObject* owner = nullptr);
  ~TPlaySound() override;

  QString WaveFile() const { return FWaveFile; }
  // Any path QFile opens, of any length, Qt resources too. Taken at the next
  // change of PlayState.
  void SetWaveFile(const QString& value) { FWaveFile = value; }

  tPlayState PlayState() const { return FPlayState; }
  // psStartWait plays the file and returns when it has ended, psStartExit
  // starts it and returns; both read back as psStopped. psContinous plays
  // until psStopped is written. Writing the current state does nothing.
  void SetPlayState(tPlayState value);

  double RepDelay() const { return FRepDelay; }
  // 0 loops seamlessly; other values are clamped to MinRepDelay..MaxRepDelay
  // and apply from the next repeat.
  void SetRepDelay(double value);

  // The repeat period in milliseconds.
  int RepeatMs() const;
  // True while the continuous repeat is armed on the tick.
  bool RepeatArmed() const;

 private:
  void Start(TPlayMode mode);
  void Repeat();
  TSoundService& Service();

  QString FWaveFile;
  tPlayState FPlayState = psStopped;
  double FRepDelay = 2.0;
  std::shared_ptr<TSoundService> FService;
  // The file as read at the last change of PlayState; the repeats play it.
  std::shared_ptr<const TWave> FWave;
  TTickSubscription FRepeat;
};

}  // namespace Veltor
