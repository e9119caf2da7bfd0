#include "system/gameport.h"

namespace Veltor {

namespace {
// Every tick.
constexpr int kPollInterval = 55;
}  // namespace

TGamePort::TGamePort(QObject* owner) : TComponent(owner) {
  FPoll = TTickSubscription::Ticker([this] { Poll(); });
}

TGamePort::~TGamePort() {
  if (FEnabled) SetEnabled(false);
}

TJoystickService& TGamePort::Service() const {
  if (!FService) FService = TJoystickService::Acquire();
  return *FService;
}

bool TGamePort::PortOk() const { return Service().DeviceCount() > 0; }

void TGamePort::SetUseDevice(TUseDevice value) {
  if (Designing()) {
    FUseDevice = value;
    return;
  }
  if (value == FUseDevice) return;
  FUseDevice = {};
  const TUseDeviceItem items[StickCount] = {udJoystick1, udJoystick2};
  for (int i = 0; i < StickCount; ++i) {
    if (!value.testFlag(items[i]) || !Service().Query(i)) continue;
    FSticks[size_t(i)].Ok = true;
    FUseDevice |= items[i];
  }
}

bool TGamePort::Capture(int index) {
  TStick& stick = FSticks[size_t(index)];
  stick.Handle = Service().Open(index);
  if (!stick.Handle) return false;
  // A stick opened for the first time has its state after the next update.
  Service().Update();
  stick.Tracker.Reset(stick.Handle->Reading());
  stick.Handle->TakeButtonChanges();
  if (Designing()) stick.Handle.reset();
  return true;
}

void TGamePort::Release() {
  for (TStick& stick : FSticks) stick.Handle.reset();
}

void TGamePort::SetEnabled(bool value) {
  if (Loading()) {
    FEnableAfterLoad = value;
    return;
  }
  if (value == FEnabled) return;
  if (value) {
    FDeviceCount = qMin(Service().DeviceCount(), StickCount);
    if (FUseDevice.testFlag(udJoystick1)) FSticks[0].Ok = Capture(0);
    if (FUseDevice.testFlag(udJoystick2)) FSticks[1].Ok = Capture(1);
    if (!Designing()) FPoll.SetInterval(kPollInterval);
  } else {
    FPoll.Stop();
    Release();
  }
  FEnabled = value;
}

void TGamePort::Loaded() {
  if (FEnableAfterLoad) SetEnabled(true);
}

void TGamePort::Poll() {
  if (!FService) return;
  FService->Update();
  for (int i = 0; i < StickCount; ++i) {
    TStick& stick = FSticks[size_t(i)];
    if (!stick.Handle || !stick.Handle->Attached()) continue;
    const std::vector<TJoyEvent> events =
        stick.Tracker.Update(stick.Handle->Reading(), stick.Handle->TakeButtonChanges());
    for (const TJoyEvent& event : events) {
      // A handler may disable the port; the rest of the poll is then dropped.
      if (!stick.Handle) return;
      Fire(i + 1, event);
    }
  }
}

void TGamePort::Fire(int stick, const TJoyEvent& event) {
  const int x = event.X, y = event.Y, z = event.Z, b = event.Button, c = event.ButtonChanged;
  switch (event.Kind) {
    case TJoyEventKind::Move: stick == 1 ? emit OnJoy1Move(this, x, y, z, b) : emit OnJoy2Move(this, x, y, z, b); break;
    case TJoyEventKind::ButtonDown:
      stick == 1 ? emit OnJoy1ButtonDown(this, x, y, z, b, c) : emit OnJoy2ButtonDown(this, x, y, z, b, c);
      break;
    case TJoyEventKind::ButtonUp:
      stick == 1 ? emit OnJoy1ButtonUp(this, x, y, z, b, c) : emit OnJoy2ButtonUp(this, x, y, z, b, c);
      break;
  }
}

}  // namespace Veltor
