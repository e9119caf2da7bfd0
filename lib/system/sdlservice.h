#pragma once
// The parts of SDL2 the device components use: joysticks read by polling, and
// one audio output shared by every sound player. Each service starts its SDL
// subsystem with its first user and stops it with its last. When SDL cannot
// start, the joystick service reports no devices and the sound service plays
// nothing; neither raises.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <memory>
#include <vector>

namespace Veltor {

// A joystick's state: axes 0..65535 (32768 is the centre, 0 when the stick
// has no such axis), buttons 1..4 as bits 0..3.
struct TJoyReading {
  int X = 0;
  int Y = 0;
  int Z = 0;
  int Buttons = 0;
  bool operator==(const TJoyReading& other) const {
    return X == other.X && Y == other.Y && Z == other.Z && Buttons == other.Buttons;
  }
};

// One of buttons 0..3 going down or up, in the order the driver saw it.
struct TJoyButtonChange {
  int Button = 0;
  bool Down = false;
};

class TJoystickService;

// An open joystick; holding one is what a game port calls a capture.
class TJoystickHandle {
 public:
  ~TJoystickHandle();
  TJoystickHandle(const TJoystickHandle&) = delete;
  TJoystickHandle& operator=(const TJoystickHandle&) = delete;

  // False once the device has gone.
  bool Attached() const;
  // The state as of the service's last Update.
  TJoyReading Reading() const;
  // The button changes of buttons 0..3 that the driver reported since the
  // last call, so a press and release between two polls is not lost.
  std::vector<TJoyButtonChange> TakeButtonChanges();

 private:
  friend class TJoystickService;
  TJoystickHandle(std::shared_ptr<TJoystickService> service, void* joystick);

  std::shared_ptr<TJoystickService> FService;
  void* FJoystick;  // SDL_Joystick
  int FInstance;
  std::vector<TJoyButtonChange> FChanges;
};

class TJoystickService {
 public:
  // The service shared by all current users; started on first use.
  static std::shared_ptr<TJoystickService> Acquire();
  ~TJoystickService();

  // False when SDL's joystick subsystem could not start.
  bool Ok() const { return FOk; }
  int DeviceCount();
  // True when stick id (0-based) is there and its state can be read.
  bool Query(int id);
  // Opens stick id; nullptr when it cannot be opened.
  std::unique_ptr<TJoystickHandle> Open(int id);
  // Reads the drivers and hands the button changes to the open handles.
  void Update();

 private:
  friend class TJoystickHandle;
  TJoystickService();

  bool FOk = false;
  std::weak_ptr<TJoystickService> FSelf;
  std::vector<TJoystickHandle*> FHandles;
};

// A decoded wave: its sample format and the raw sample bytes.
struct TWave {
  int Freq = 0;
  quint16 Format = 0;  // SDL_AudioFormat
  int Channels = 0;
  QByteArray Samples;
  // Playing time in milliseconds.
  int DurationMs() const;
};

// Reads a wave file (any path QFile opens, Qt resources included); nullptr
// when the file is missing, unreadable, too large or not a wave.
std::shared_ptr<const TWave> LoadWave(const QString& path);

enum class TPlayMode { Sync, Async, Loop };

// The one sound output of the process: a new sound cuts off the one playing,
// as the system's simple sound service does.
class TSoundService {
 public:
  static std::shared_ptr<TSoundService> Acquire();
  ~TSoundService();

  // False when SDL's audio subsystem could not start.
  bool Ok() const { return FOk; }
  // Starts wave in mode; Sync returns when it has played. False (and
  // silence) when there is no wave or no output device.
  bool Play(const std::shared_ptr<const TWave>& wave, TPlayMode mode);
  // Ends any sound and gives the output device up.
  void Stop();
  // True while the output device is held; it is given up shortly after a
  // sound that was not a loop has ended.
  bool DeviceOpen() const { return FDevice != 0; }
  // True while a sound is being played (a loop plays until stopped).
  bool Playing() const;

 private:
  TSoundService();
  static void Fill(void* self, quint8* stream, int length);
  bool OpenFor(const TWave& wave);
  void CloseDevice();
  // Closes the device afterMs later if nothing plays then (needs the event
  // loop).
  void CloseWhenIdle(int afterMs);

  bool FOk = false;
  std::weak_ptr<TSoundService> FSelf;
  quint32 FDevice = 0;  // SDL_AudioDeviceID, 0 when closed
  int FDeviceFreq = 0;
  quint16 FDeviceFormat = 0;
  int FDeviceChannels = 0;
  quint8 FSilence = 0;
  // Shared with the audio thread under the device lock.
  std::shared_ptr<const TWave> FWave;
  int FPos = 0;
  bool FLoop = false;
};

}  // namespace Veltor
