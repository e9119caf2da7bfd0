#pragma once
// Non-visual component reporting up to two joysticks: their positions
// (0..65535 per axis) and four buttons each, as move, button-down and
// button-up events per stick.
//
// The sticks are SDL joysticks 1 and 2 (device indices 0 and 1). While the
// port is enabled it polls its captured sticks on the shared tick and makes
// events from the changes. Without SDL or without joysticks the flags stay
// False and no events arrive; nothing is raised.

#include "foundation/tickregistry.h"
#include "host/component.h"
#include "system/gameport_model.h"
#include "system/systemtypes.h"

#include <array>
#include <memory>

namespace Veltor {

class TGamePort : public TComponent {
  Q_OBJECT
  Q_PROPERTY(bool PortOk READ PortOk WRITE SetPortOk)
  Q_PROPERTY(bool StickOk1 READ StickOk1 WRITE SetStickOk1)
  Q_PROPERTY(bool StickOk2 READ StickOk2 WRITE SetStickOk2)
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(Veltor::SystemEnums::TUseDevice UseDevice READ UseDevice WRITE SetUseDevice)

 public:
  static constexpr int StickCount = 2;

  explicit TGamePort(QObject* owner = nullptr);
  // Releases the captured sticks.
  ~TGamePort() override;

  // True when at least one joystick is there; asked anew on every read.
  bool PortOk() const;
  bool StickOk1() const { return FSticks[0].Ok; }
  bool StickOk2() const { return FSticks[1].Ok; }
  // The flags follow the devices; stored values change nothing.
  void SetPortOk(bool) {}
  void SetStickOk1(bool) {}
  void SetStickOk2(bool) {}

  bool Enabled() const { return FEnabled; }
  // True captures the sticks of UseDevice that answer; False releases them.
  void SetEnabled(bool value);
  TUseDevice UseDevice() const { return FUseDevice; }
  // Keeps the sticks of value that answer. Set it before Enabled: a stick
  // added while enabled is captured at the next enable.
  void SetUseDevice(TUseDevice value);

  // Joysticks the system reported at the last enable, at most 2.
  int DeviceCount() const { return FDeviceCount; }
  // True while stick 1 or 2 is captured.
  bool Captured(int stick) const { return ValidStick(stick) && FSticks[size_t(stick - 1)].Handle != nullptr; }
  // Stick 1 or 2 as last reported, with the change of the last move; other
  // numbers give stick 1.
  const TStickTracker& Stick(int stick) const { return FSticks[ValidStick(stick) ? size_t(stick - 1) : 0].Tracker; }

  // One poll: reads the captured sticks and fires their events. Runs on the
  // shared tick while enabled.
  void Poll();

 signals:
  void OnJoy1Move(QObject* Sender, int x, int y, int z, int Button);
  void OnJoy2Move(QObject* Sender, int x, int y, int z, int Button);
  void OnJoy1ButtonDown(QObject* Sender, int x, int y, int z, int Button, int ButtonChanged);
  void OnJoy2ButtonDown(QObject* Sender, int x, int y, int z, int Button, int ButtonChanged);
  void OnJoy1ButtonUp(QObject* Sender, int x, int y, int z, int Button, int ButtonChanged);
  void OnJoy2ButtonUp(QObject* Sender, int x, int y, int z, int Button, int ButtonChanged);

 protected:
  // A stored form enables the port only after its UseDevice is known.
  void Loaded() override;

 private:
  struct TStick {
    bool Ok = false;
    std::unique_ptr<TJoystickHandle> Handle;
    TStickTracker Tracker;
  };

  static bool ValidStick(int stick) { return stick >= 1 && stick <= StickCount; }
  bool Designing() const { return ComponentState().testFlag(csDesigning); }
  // SDL starts with the first use, not with the component.
  TJoystickService& Service() const;
  bool Capture(int index);
  void Release();
  void Fire(int stick, const TJoyEvent& event);

  mutable std::shared_ptr<TJoystickService> FService;
  std::array<TStick, StickCount> FSticks;
  TUseDevice FUseDevice;
  bool FEnabled = false;
  bool FEnableAfterLoad = false;
  int FDeviceCount = 0;
  TTickSubscription FPoll;
};

}  // namespace Veltor
