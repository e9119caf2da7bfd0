#include "system/sdlservice.h"

#include <SDL.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTimer>

#include <algorithm>
#include <cstring>

namespace Veltor {

namespace {

// SDL must not take over SIGINT and SIGTERM from the application.
bool InitSubsystem(Uint32 flags) {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  return SDL_InitSubSystem(flags) == 0;
}

// SDL axes run -32768..32767; the game port reports 0..65535.
int AxisPosition(SDL_Joystick* joystick, int axis) {
  if (axis >= SDL_JoystickNumAxes(joystick)) return 0;
  return SDL_JoystickGetAxis(joystick, axis) + 32768;
}

constexpr int kButtons = 4;
// Larger files are not sounds for a panel; refusing them keeps memory sane.
constexpr qint64 kMaxWaveFile = 64 * 1024 * 1024;
// Frames per audio buffer: short enough for feedback clicks.
constexpr int kBufferFrames = 512;
// A synchronous play never waits longer than the sound plus this margin.
constexpr int kSyncMarginMs = 2000;
// How long an output device stays open after its sound has ended.
constexpr int kIdleCloseMs = 500;

}  // namespace

// --- joysticks ---

TJoystickHandle::TJoystickHandle(std::shared_ptr<TJoystickService> service, void* joystick)
    : FService(std::move(service)),
      FJoystick(joystick),
      FInstance(SDL_JoystickInstanceID(static_cast<SDL_Joystick*>(joystick))) {
  FService->FHandles.push_back(this);
}

TJoystickHandle::~TJoystickHandle() {
  auto& handles = FService->FHandles;
  handles.erase(std::remove(handles.begin(), handles.end(), this), handles.end());
  SDL_JoystickClose(static_cast<SDL_Joystick*>(FJoystick));
}

bool TJoystickHandle::Attached() const { return SDL_JoystickGetAttached(static_cast<SDL_Joystick*>(FJoystick)); }

TJoyReading TJoystickHandle::Reading() const {
  auto* joystick = static_cast<SDL_Joystick*>(FJoystick);
  TJoyReading reading;
  reading.X = AxisPosition(joystick, 0);
  reading.Y = AxisPosition(joystick, 1);
  reading.Z = AxisPosition(joystick, 2);
  const int buttons = std::min(kButtons, SDL_JoystickNumButtons(joystick));
  for (int b = 0; b < buttons; ++b) {
    if (SDL_JoystickGetButton(joystick, b)) reading.Buttons |= 1 << b;
  }
  return reading;
}

std::vector<TJoyButtonChange> TJoystickHandle::TakeButtonChanges() {
  std::vector<TJoyButtonChange> changes;
  changes.swap(FChanges);
  return changes;
}

std::shared_ptr<TJoystickService> TJoystickService::Acquire() {
  static std::weak_ptr<TJoystickService> current;
  std::shared_ptr<TJoystickService> service = current.lock();
  if (!service) {
    service.reset(new TJoystickService());
    service->FSelf = service;
    current = service;
  }
  return service;
}

TJoystickService::TJoystickService() : FOk(InitSubsystem(SDL_INIT_JOYSTICK)) {}

TJoystickService::~TJoystickService() {
  if (FOk) SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

// The update lets the drivers notice sticks plugged in or out since.
int TJoystickService::DeviceCount() {
  if (!FOk) return 0;
  Update();
  return std::max(0, SDL_NumJoysticks());
}

bool TJoystickService::Query(int id) {
  const std::unique_ptr<TJoystickHandle> handle = Open(id);
  return handle && handle->Attached();
}

std::unique_ptr<TJoystickHandle> TJoystickService::Open(int id) {
  if (!FOk || id < 0 || id >= DeviceCount()) return nullptr;
  SDL_Joystick* joystick = SDL_JoystickOpen(id);
  if (!joystick) return nullptr;
  return std::unique_ptr<TJoystickHandle>(new TJoystickHandle(FSelf.lock(), joystick));
}

void TJoystickService::Update() {
  if (!FOk) return;
  SDL_JoystickUpdate();
  // Every joystick event is taken off the queue so it cannot fill up; the
  // button events go to the handles of their stick.
  SDL_Event events[64];
  int count;
  do {
    count = SDL_PeepEvents(events, 64, SDL_GETEVENT, SDL_JOYAXISMOTION, SDL_JOYBATTERYUPDATED);
    for (int i = 0; i < count; ++i) {
      const SDL_Event& event = events[i];
      if (event.type != SDL_JOYBUTTONDOWN && event.type != SDL_JOYBUTTONUP) continue;
      if (event.jbutton.button >= kButtons) continue;
      for (TJoystickHandle* handle : FHandles) {
        if (handle->FInstance != event.jbutton.which) continue;
        handle->FChanges.push_back({event.jbutton.button, event.type == SDL_JOYBUTTONDOWN});
      }
    }
  } while (count == 64);
}

// --- sound ---

int TWave::DurationMs() const {
  const int frameBytes = Channels * int(SDL_AUDIO_BITSIZE(Format) / 8);
  if (Freq <= 0 || frameBytes <= 0) return 0;
  return int(qint64(Samples.size()) / frameBytes * 1000 / Freq);
}

std::shared_ptr<const TWave> LoadWave(const QString& path) {
  if (path.isEmpty()) return nullptr;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxWaveFile) return nullptr;
  const QByteArray bytes = file.readAll();
  if (bytes.isEmpty()) return nullptr;

  SDL_AudioSpec audio;
  Uint8* buffer = nullptr;
  Uint32 length = 0;
  SDL_RWops* source = SDL_RWFromConstMem(bytes.constData(), int(bytes.size()));
  if (!source || !SDL_LoadWAV_RW(source, 1, &audio, &buffer, &length)) return nullptr;
  auto wave = std::make_shared<TWave>();
  wave->Freq = audio.freq;
  wave->Format = audio.format;
  wave->Channels = audio.channels;
  wave->Samples = QByteArray(reinterpret_cast<const char*>(buffer), int(length));
  SDL_FreeWAV(buffer);
  if (wave->Samples.isEmpty()) return nullptr;
  return wave;
}

std::shared_ptr<TSoundService> TSoundService::Acquire() {
  static std::weak_ptr<TSoundService> current;
  std::shared_ptr<TSoundService> service = current.lock();
  if (!service) {
    service.reset(new TSoundService());
    service->FSelf = service;
    current = service;
  }
  return service;
}

TSoundService::TSoundService() : FOk(InitSubsystem(SDL_INIT_AUDIO)) {
  // Device hot-plug events would only pile up in a queue nobody reads.
  if (FOk) {
    SDL_EventState(SDL_AUDIODEVICEADDED, SDL_IGNORE);
    SDL_EventState(SDL_AUDIODEVICEREMOVED, SDL_IGNORE);
  }
}

TSoundService::~TSoundService() {
  CloseDevice();
  if (FOk) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

// Runs on the audio thread with the device locked.
void TSoundService::Fill(void* self, quint8* stream, int length) {
  auto* service = static_cast<TSoundService*>(self);
  int done = 0;
  if (service->FWave) {
    const QByteArray& samples = service->FWave->Samples;
    while (done < length) {
      if (service->FPos >= samples.size()) {
        if (!service->FLoop) break;
        service->FPos = 0;
      }
      const int chunk = std::min(length - done, int(samples.size()) - service->FPos);
      std::memcpy(stream + done, samples.constData() + service->FPos, size_t(chunk));
      done += chunk;
      service->FPos += chunk;
    }
  }
  std::memset(stream + done, service->FSilence, size_t(length - done));
}

bool TSoundService::OpenFor(const TWave& wave) {
  if (FDevice && FDeviceFreq == wave.Freq && FDeviceFormat == wave.Format && FDeviceChannels == wave.Channels) {
    return true;
  }
  CloseDevice();
  SDL_AudioSpec wanted;
  SDL_zero(wanted);
  wanted.freq = wave.Freq;
  wanted.format = wave.Format;
  wanted.channels = Uint8(wave.Channels);
  wanted.samples = kBufferFrames;
  wanted.callback = &TSoundService::Fill;
  wanted.userdata = this;
  SDL_AudioSpec obtained;
  // No changes allowed: SDL converts to the device's format itself.
  FDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
  if (!FDevice) return false;
  FDeviceFreq = wave.Freq;
  FDeviceFormat = wave.Format;
  FDeviceChannels = wave.Channels;
  FSilence = obtained.silence;
  return true;
}

void TSoundService::CloseDevice() {
  if (!FDevice) return;
  SDL_CloseAudioDevice(FDevice);
  FDevice = 0;
  FWave.reset();
}

bool TSoundService::Play(const std::shared_ptr<const TWave>& wave, TPlayMode mode) {
  if (!wave || !FOk || !OpenFor(*wave)) {
    Stop();
    return false;
  }
  SDL_LockAudioDevice(FDevice);
  FWave = wave;
  FPos = 0;
  FLoop = mode == TPlayMode::Loop;
  SDL_UnlockAudioDevice(FDevice);
  SDL_PauseAudioDevice(FDevice, 0);
  if (mode == TPlayMode::Sync) {
    QElapsedTimer clock;
    clock.start();
    const int limit = wave->DurationMs() + kSyncMarginMs;
    while (Playing() && clock.elapsed() < limit) SDL_Delay(2);
  }
  if (mode != TPlayMode::Loop) CloseWhenIdle(mode == TPlayMode::Sync ? 0 : wave->DurationMs());
  return true;
}

void TSoundService::Stop() { CloseDevice(); }

// An open device streams silence; once the sound is over it is given up,
// unless another sound has started meanwhile.
void TSoundService::CloseWhenIdle(int afterMs) {
  const std::weak_ptr<TSoundService> self = FSelf;
  QTimer::singleShot(afterMs + kIdleCloseMs, [self] {
    const std::shared_ptr<TSoundService> service = self.lock();
    if (service && !service->Playing()) service->CloseDevice();
  });
}

bool TSoundService::Playing() const {
  if (!FDevice) return false;
  SDL_LockAudioDevice(FDevice);
  const bool playing = FWave && (FLoop || FPos < FWave->Samples.size());
  SDL_UnlockAudioDevice(FDevice);
  return playing;
}

}  // namespace Veltor
