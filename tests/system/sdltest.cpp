#include "sdltest.h"

#include <SDL.h>

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace VeltorTest {

SdlSandbox::SdlSandbox(const char* audioDriver) {
  qputenv("HOME", Dir.path().toUtf8());
  qputenv("XDG_RUNTIME_DIR", Dir.path().toUtf8());
  qputenv("SDL_AUDIODRIVER", audioDriver);
  qputenv("SDL_DISKAUDIOFILE", Path("audio.raw").toUtf8());
}

SdlSandbox::~SdlSandbox() {
  qunsetenv("SDL_AUDIODRIVER");
  qunsetenv("SDL_DISKAUDIOFILE");
}

QByteArray SdlSandbox::AudioOut() const {
  QFile file(Path("audio.raw"));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WaitFor(const std::function<bool()>& done, int ms) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > ms) return done();
    QThread::msleep(2);
  }
  return true;
}

VirtualStick::VirtualStick() {
  SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
  if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return;
  const int index = SDL_JoystickAttachVirtual(SDL_JOYSTICK_TYPE_GAMECONTROLLER, 3, 4, 0);
  if (index < 0) return;
  FJoystick = SDL_JoystickOpen(index);
  if (FJoystick) FInstance = SDL_JoystickInstanceID(FJoystick);
  // Positions start at 0, not at SDL's centre.
  for (int axis = 0; axis < 3; ++axis) SetAxis(axis, 0);
  DriverUpdate();
}

VirtualStick::~VirtualStick() {
  if (FJoystick) {
    SDL_JoystickClose(FJoystick);
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
      if (SDL_JoystickGetDeviceInstanceID(i) == FInstance) SDL_JoystickDetachVirtual(i);
    }
  }
  SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
}

void VirtualStick::SetAxis(int axis, int position) {
  SDL_JoystickSetVirtualAxis(FJoystick, axis, Sint16(position - 32768));
}

void VirtualStick::SetButton(int button, bool down) { SDL_JoystickSetVirtualButton(FJoystick, button, down ? 1 : 0); }

void VirtualStick::DriverUpdate() { SDL_JoystickUpdate(); }

}  // namespace VeltorTest
