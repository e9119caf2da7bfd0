#include "system/comport.h"

#include "system/comdialog.h"

#include <QPointer>
#include <QWidget>

#include <cerrno>

namespace Veltor {

namespace {

// The poll runs on every tick.
constexpr int kPollInterval = 50;

}  // namespace

TComPort::TComPort(QObject* owner)
    : TComponent(owner), FDeviceFactory([] { return std::make_unique<TPosixSerialDevice>(); }) {
  for (TPortSlot& slot : FPorts) slot.Config.SetLimits(FBufferLen);
  ProbePorts();
  FPoll = TTickSubscription::Ticker([this] { Poll(); });
  FPoll.SetInterval(kPollInterval);
}

// The poll subscription goes first (declared last), then the devices close
// with their slots.
TComPort::~TComPort() = default;

TComPort::TPortSlot* TComPort::OpenSlot(const QString& name) {
  TPortSlot& slot = FPorts[PortIndex(name)];
  return slot.State == TPortState::Open ? &slot : nullptr;
}

int TComPort::Check(TPortSlot& slot, int rc) {
  if (DeviceGone(rc) && slot.State == TPortState::Open) {
    slot.Device.reset();
    slot.Tx.Clear();
    slot.State = TPortState::Failed;
  }
  return rc;
}

template <typename TCall>
int TComPort::Ask(TPortSlot& slot, TCall call) {
  return slot.State == TPortState::Open ? Check(slot, call(*slot.Device)) : -ENODEV;
}

int TComPort::Waiting(TPortSlot& slot) {
  return qMax(0, Ask(slot, [](TSerialDevice& device) { return device.InQueue(); }));
}

int TComPort::Drain(TPortSlot& slot) {
  return slot.Tx.Drain([this, &slot](const char* data, int size) {
    return Ask(slot, [data, size](TSerialDevice& device) { return device.Write(data, size); });
  });
}

void TComPort::SetDeviceFactory(TDeviceFactory factory) { FDeviceFactory = std::move(factory); }

void TComPort::ProbePorts() {
  for (int port = 1; port <= PortCount; ++port) {
    TPortSlot& slot = FPorts[port];
    if (slot.State == TPortState::Open) continue;
    const std::unique_ptr<TSerialDevice> device = FDeviceFactory();
    slot.State = device->Open(DevicePath(port)) >= 0 ? TPortState::Closed : TPortState::Absent;
    device->Close();
  }
}

bool TComPort::OpenPort(const QString& name) {
  const int port = PortIndex(name);
  TPortSlot& slot = FPorts[port];
  if (!ValidPort(port) || slot.State != TPortState::Closed) return false;

  std::unique_ptr<TSerialDevice> device = FDeviceFactory();
  if (device->Open(DevicePath(port)) < 0) {
    // Absent until probed again.
    slot.State = TPortState::Failed;
    return false;
  }
  // A port that cannot take its settings is not left open: it would stay
  // busy while the caller believes the open failed.
  TTermiosSettings settings;
  if (!MapToTermios(slot.Config, settings)) return false;
  int rc = device->Configure(settings);
  if (rc == 0 || rc == -ENOTTY) rc = device->Flush();
  if (rc < 0 && rc != -ENOTTY) {
    if (DeviceGone(rc)) slot.State = TPortState::Failed;
    return false;
  }
  // Errors counted before the open are not this session's.
  slot.Baseline = TLineCounters();
  device->Counters(slot.Baseline);
  slot.PendingErrors = 0;
  slot.Tx.Clear();
  slot.Tx.SetCapacity(FBufferLen);
  slot.Device = std::move(device);
  slot.State = TPortState::Open;
  return true;
}

void TComPort::ClosePort(const QString& name) {
  TPortSlot* slot = OpenSlot(name);
  if (!slot) return;
  // What the device takes now goes out; the rest of the queue is dropped.
  Drain(*slot);
  if (slot->State != TPortState::Open) return;
  slot->Tx.Clear();
  slot->Device.reset();
  slot->State = TPortState::Closed;
}

bool TComPort::SetDTR(const QString& name, bool on) {
  TPortSlot* slot = OpenSlot(name);
  return slot && Ask(*slot, [on](TSerialDevice& device) { return device.SetModemLines(mlDTR, on); }) == 0;
}

bool TComPort::SetRTS(const QString& name, bool on) {
  TPortSlot* slot = OpenSlot(name);
  return slot && Ask(*slot, [on](TSerialDevice& device) { return device.SetModemLines(mlRTS, on); }) == 0;
}

int TComPort::PortErrors(const QString& name, TComStat* status) {
  TPortSlot* slot = OpenSlot(name);
  if (!slot) return -1;
  TLineCounters now;
  const bool counted = Ask(*slot, [&now](TSerialDevice& device) { return device.Counters(now); }) == 0;
  TComStat stat;
  if (status) {
    stat.InQue = Waiting(*slot);
    stat.OutQue = qMax(0, Ask(*slot, [](TSerialDevice& device) { return device.OutQueue(); })) + slot->Tx.Count();
    if (slot->Config.RtsCtsFlow) {
      const int lines = Ask(*slot, [](TSerialDevice& device) { return device.ModemLines(); });
      stat.CtsHold = lines >= 0 && !(lines & mlCTS);
    }
  }
  if (slot->State != TPortState::Open) return -1;

  int mask = slot->PendingErrors;
  slot->PendingErrors = 0;
  if (counted) {
    mask |= LineErrorMask(slot->Baseline, now);
    slot->Baseline = now;
  }
  if (status) *status = stat;
  return mask;
}

bool TComPort::SendChar(const QString& name, char c) {
  TPortSlot* slot = OpenSlot(name);
  if (!slot || Drain(*slot) < 0) return false;
  if (slot->Tx.IsEmpty()) {
    const int rc = Ask(*slot, [c](TSerialDevice& device) { return device.Write(&c, 1); });
    if (rc == 1) return true;
    if (rc < 0 && rc != -EAGAIN) return false;
  }
  // Waits behind what is queued; goes out when the device takes it.
  if (slot->Tx.Push(c)) return true;
  slot->PendingErrors |= ceTxFull;
  return false;
}

int TComPort::RxCount(const QString& name) {
  TPortSlot* slot = OpenSlot(name);
  return slot ? Waiting(*slot) : 0;
}

bool TComPort::ReceiveChar(const QString& name, char& c) {
  if (RxCount(name) <= 0) return false;
  TPortSlot& slot = *OpenSlot(name);
  return Ask(slot, [&c](TSerialDevice& device) { return device.Read(&c, 1); }) == 1;
}

TComConfig TComPort::PortConfig(int port) const { return ValidPort(port) ? FPorts[port].Config : TComConfig(); }

void TComPort::SetPortConfig(int port, const TComConfig& config) {
  if (ValidPort(port)) FPorts[port].Config = config;
}

bool TComPort::ComDialog(int port) const { return ValidPort(port) && FPorts[port].Dialog; }

void TComPort::SetComDialog(int port, bool value) {
  // A stored form never opens a dialog while it is being built.
  if (!value || !ValidPort(port) || Loading()) return;
  TPortSlot& slot = FPorts[port];
  if (slot.Dialog || (slot.State != TPortState::Closed && slot.State != TPortState::Open)) return;
  auto* form = qobject_cast<QWidget*>(parent());
  TComConfig config = slot.Config;
  const QPointer<TComPort> alive(this);
  slot.Dialog = true;
  const bool accepted = EditComConfig(form ? form->window() : nullptr, QStringLiteral("COM%1").arg(port), config);
  if (!alive) return;
  slot.Dialog = false;
  if (accepted) slot.Config = config;
}

int TComPort::BaudRate(int port) const { return PortConfig(port).BaudRate; }

void TComPort::SetBaudRate(int port, int value) {
  if (!ValidPort(port)) return;
  if (BaudRateAccepted(value) || Loading()) FPorts[port].Config.BaudRate = value;
}

bool TComPort::InUse(int port) const { return ValidPort(port) && FPorts[port].State == TPortState::Open; }

bool TComPort::Avail(int port) const {
  return ValidPort(port) && (FPorts[port].State == TPortState::Closed || FPorts[port].State == TPortState::Open);
}

bool TComPort::XOnOff(int port) const { return PortConfig(port).XOnOff(); }

void TComPort::SetXOnOff(int port, bool value) {
  if (ValidPort(port)) FPorts[port].Config.SetXOnOff(value);
}

bool TComPort::EventEna(int port) const { return ValidPort(port) && FPorts[port].EventEna; }

void TComPort::SetEventEna(int port, bool value) {
  if (ValidPort(port)) FPorts[port].EventEna = value;
}

void TComPort::SetBufferLen(int value) {
  if (!Loading()) value = qBound(MinBufferLen, value, MaxBufferLen);
  if (value == FBufferLen) return;
  FBufferLen = value;
  for (TPortSlot& slot : FPorts) slot.Config.SetLimits(value);
}

void TComPort::Poll() {
  const QPointer<TComPort> alive(this);
  for (int port = 1; port <= PortCount; ++port) {
    TPortSlot& slot = FPorts[port];
    if (slot.State != TPortState::Open) continue;
    Drain(slot);
    // Asked for every open port, so one that has gone is noticed at once.
    const int waiting = Waiting(slot);
    const int count = RxEventCount({InUse(port), slot.EventEna, waiting});
    if (count == 0) continue;
    EmitRx(port, count);
    // A handler may free the component.
    if (!alive) return;
  }
}

void TComPort::EmitRx(int port, int count) {
  switch (port) {
    case 1: emit OnCom1Rx(this, count); break;
    case 2: emit OnCom2Rx(this, count); break;
    case 3: emit OnCom3Rx(this, count); break;
    case 4: emit OnCom4Rx(this, count); break;
  }
}

}  // namespace Veltor
