#pragma once
// SDL in tests: a sandbox folder for SDL's files and the disk audio output,
// and virtual joysticks.

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <functional>

struct _SDL_Joystick;

namespace VeltorTest {

// Points HOME and XDG_RUNTIME_DIR into a temporary folder and, unless told
// another driver, sends sound to a file there. Create it before the first
// component that uses SDL.
class SdlSandbox {
 public:
  explicit SdlSandbox(const char* audioDriver = "disk");
  ~SdlSandbox();
  // The disk driver's output so far; empty when never written. Complete
  // only once the output device is closed.
  QByteArray AudioOut() const;
  bool AudioOutExists() const;
  QString Path(const QString& name) const { return FDir.filePath(name); }

 private:
  QTemporaryDir FDir;
};

// Calls done() until it is true or ms have passed; the result of the last
// call.
bool WaitFor(const std::function<bool()>& done, int ms);

// A virtual joystick with three axes and four buttons, attached while alive.
class VirtualStick {
 public:
  VirtualStick();
  ~VirtualStick();
  VirtualStick(const VirtualStick&) = delete;
  VirtualStick& operator=(const VirtualStick&) = delete;

  bool Ok() const { return FJoystick != nullptr; }
  // position 0..65535 of axis 0 (x), 1 (y) or 2 (z).
  void SetAxis(int axis, int position);
  void SetButton(int button, bool down);
  // Lets the driver take the state now, as a real driver would between two
  // polls of a game port.
  static void DriverUpdate();

 private:
  _SDL_Joystick* FJoystick = nullptr;
  int FInstance = -1;
};

}  // namespace VeltorTest
