#pragma once
// SDL in tests: a sandbox folder for SDL's files and the disk audio output,
// and virtual joysticks.

#include <QByteArray>
#include <QTemporaryDir>

#include <functional>

struct _SDL_Joystick;

namespace VeltorTest {

// Points HOME and XDG_RUNTIME_DIR into a temporary folder and sends sound
// through audioDriver, for "disk" into a file there. Create it before the
// first component that uses SDL.
struct SdlSandbox {
  explicit SdlSandbox(const char* audioDriver = "disk");
  ~SdlSandbox();
  QString Path(const QString& name) const { return Dir.filePath(name); }
  // The disk output so far; complete once the output device is closed.
  QByteArray AudioOut() const;
  QTemporaryDir Dir;
};

// Calls done() until it is true or ms have passed; its last result.
bool WaitFor(const std::function<bool()>& done, int ms);

// A virtual joystick with three axes and four buttons, attached while alive.
class VirtualStick {
 public:
  VirtualStick();
  ~VirtualStick();
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
