#pragma once
// Non-visual component for the serial ports COM1..COM4: line settings per
// port, open and close by name, single characters both ways, DTR and RTS,
// line errors and queue counts, and a receive event per port polled on the
// shared tick.
//
// On Linux a port is a termios device: COMn is $VELTOR_COMn when set, else
// /dev/ttyS(n-1). Everything runs on the GUI thread and never blocks: a
// character the device cannot take at once waits in a transmit queue of
// BufferLen characters that the tick drains. A device that disappears while
// open (unplugged, or the other end of a pseudo-terminal closed) makes the
// port count as absent until ProbePorts finds it again.

#include "foundation/tickregistry.h"
#include "host/component.h"
#include "system/comport_model.h"
#include "system/serialdevice.h"

#include <array>
#include <functional>
#include <memory>

namespace Veltor {

// Queue counts and hold state of an open port (see TComPort::PortErrors).
struct TComStat {
  int InQue = 0;         // characters waiting to be read
  int OutQue = 0;        // characters waiting to go out, the transmit queue included
  bool CtsHold = false;  // hardware handshake on and CTS down: output waits
};

class TComPort : public TComponent {
  Q_OBJECT
  Q_PROPERTY(bool Com1Dialog READ Com1Dialog WRITE SetCom1Dialog)
  Q_PROPERTY(bool Com2Dialog READ Com2Dialog WRITE SetCom2Dialog)
  Q_PROPERTY(bool Com3Dialog READ Com3Dialog WRITE SetCom3Dialog)
  Q_PROPERTY(bool Com4Dialog READ Com4Dialog WRITE SetCom4Dialog)
  Q_PROPERTY(int BaudRate1 READ BaudRate1 WRITE SetBaudRate1)
  Q_PROPERTY(int BaudRate2 READ BaudRate2 WRITE SetBaudRate2)
  Q_PROPERTY(int BaudRate3 READ BaudRate3 WRITE SetBaudRate3)
  Q_PROPERTY(int BaudRate4 READ BaudRate4 WRITE SetBaudRate4)
  Q_PROPERTY(bool COM1InUse READ COM1InUse WRITE SetCOM1InUse)
  Q_PROPERTY(bool COM2InUse READ COM2InUse WRITE SetCOM2InUse)
  Q_PROPERTY(bool COM3InUse READ COM3InUse WRITE SetCOM3InUse)
  Q_PROPERTY(bool COM4InUse READ COM4InUse WRITE SetCOM4InUse)
  Q_PROPERTY(bool COM1Avail READ COM1Avail WRITE SetCOM1Avail)
  Q_PROPERTY(bool COM2Avail READ COM2Avail WRITE SetCOM2Avail)
  Q_PROPERTY(bool COM3Avail READ COM3Avail WRITE SetCOM3Avail)
  Q_PROPERTY(bool COM4Avail READ COM4Avail WRITE SetCOM4Avail)
  Q_PROPERTY(bool XOnOff1 READ XOnOff1 WRITE SetXOnOff1)
  Q_PROPERTY(bool XOnOff2 READ XOnOff2 WRITE SetXOnOff2)
  Q_PROPERTY(bool XOnOff3 READ XOnOff3 WRITE SetXOnOff3)
  Q_PROPERTY(bool XOnOff4 READ XOnOff4 WRITE SetXOnOff4)
  Q_PROPERTY(int BufferLen READ BufferLen WRITE SetBufferLen)
  Q_PROPERTY(bool Event1Ena READ Event1Ena WRITE SetEvent1Ena)
  Q_PROPERTY(bool Event2Ena READ Event2Ena WRITE SetEvent2Ena)
  Q_PROPERTY(bool Event3Ena READ Event3Ena WRITE SetEvent3Ena)
  Q_PROPERTY(bool Event4Ena READ Event4Ena WRITE SetEvent4Ena)

 public:
  static constexpr int PortCount = 4;
  using TDeviceFactory = std::function<std::unique_ptr<TSerialDevice>()>;

  explicit TComPort(QObject* owner = nullptr);
  // Closes the ports still open.
  ~TComPort() override;

  // Makes the devices of later probes and opens (a POSIX device by default).
  void SetDeviceFactory(TDeviceFactory factory);

  // Finds out again which ports exist, except those open now.
  void ProbePorts();
  // False when the port is already open, absent, not one of the four names,
  // or cannot take its settings.
  bool OpenPort(const QString& name);
  void ClosePort(const QString& name);
  // False when the port is not open or has no such line.
  bool SetDTR(const QString& name, bool on);
  bool SetRTS(const QString& name, bool on);
  // The TComError bits of the line errors since the last call (or the open),
  // which the call clears; -1 when the port is not open. Fills status when
  // given.
  int PortErrors(const QString& name, TComStat* status = nullptr);
  // True when the character was sent or waits in the transmit queue; False
  // when the port is not open or the queue is full (ceTxFull).
  bool SendChar(const QString& name, char c);
  // Characters waiting to be read; 0 when the port is not open.
  int RxCount(const QString& name);
  // Reads one waiting character; False when there is none.
  bool ReceiveChar(const QString& name, char& c);

  // The line configuration of port 1..4.
  TComConfig PortConfig(int port) const;
  void SetPortConfig(int port, const TComConfig& config);

  // Published properties by port 1..4.
  bool ComDialog(int port) const;
  // True shows the configuration dialog of a present port.
  void SetComDialog(int port, bool value);
  int BaudRate(int port) const;
  void SetBaudRate(int port, int value);
  bool InUse(int port) const;
  bool Avail(int port) const;
  bool XOnOff(int port) const;
  void SetXOnOff(int port, bool value);
  bool EventEna(int port) const;
  void SetEventEna(int port, bool value);

  // Size of the transmit queue of ports opened from now on.
  int BufferLen() const { return FBufferLen; }
  void SetBufferLen(int value);

  bool Com1Dialog() const { return ComDialog(1); }
  void SetCom1Dialog(bool value) { SetComDialog(1, value); }
  bool Com2Dialog() const { return ComDialog(2); }
  void SetCom2Dialog(bool value) { SetComDialog(2, value); }
  bool Com3Dialog() const { return ComDialog(3); }
  void SetCom3Dialog(bool value) { SetComDialog(3, value); }
  bool Com4Dialog() const { return ComDialog(4); }
  void SetCom4Dialog(bool value) { SetComDialog(4, value); }
  int BaudRate1() const { return BaudRate(1); }
  void SetBaudRate1(int value) { SetBaudRate(1, value); }
  int BaudRate2() const { return BaudRate(2); }
  void SetBaudRate2(int value) { SetBaudRate(2, value); }
  int BaudRate3() const { return BaudRate(3); }
  void SetBaudRate3(int value) { SetBaudRate(3, value); }
  int BaudRate4() const { return BaudRate(4); }
  void SetBaudRate4(int value) { SetBaudRate(4, value); }
  // InUse and Avail follow the port's state; a stored value changes nothing.
  bool COM1InUse() const { return InUse(1); }
  void SetCOM1InUse(bool) {}
  bool COM2InUse() const { return InUse(2); }
  void SetCOM2InUse(bool) {}
  bool COM3InUse() const { return InUse(3); }
  void SetCOM3InUse(bool) {}
  bool COM4InUse() const { return InUse(4); }
  void SetCOM4InUse(bool) {}
  bool COM1Avail() const { return Avail(1); }
  void SetCOM1Avail(bool) {}
  bool COM2Avail() const { return Avail(2); }
  void SetCOM2Avail(bool) {}
  bool COM3Avail() const { return Avail(3); }
  void SetCOM3Avail(bool) {}
  bool COM4Avail() const { return Avail(4); }
  void SetCOM4Avail(bool) {}
  bool XOnOff1() const { return XOnOff(1); }
  void SetXOnOff1(bool value) { SetXOnOff(1, value); }
  bool XOnOff2() const { return XOnOff(2); }
  void SetXOnOff2(bool value) { SetXOnOff(2, value); }
  bool XOnOff3() const { return XOnOff(3); }
  void SetXOnOff3(bool value) { SetXOnOff(3, value); }
  bool XOnOff4() const { return XOnOff(4); }
  void SetXOnOff4(bool value) { SetXOnOff(4, value); }
  bool Event1Ena() const { return EventEna(1); }
  void SetEvent1Ena(bool value) { SetEventEna(1, value); }
  bool Event2Ena() const { return EventEna(2); }
  void SetEvent2Ena(bool value) { SetEventEna(2, value); }
  bool Event3Ena() const { return EventEna(3); }
  void SetEvent3Ena(bool value) { SetEventEna(3, value); }
  bool Event4Ena() const { return EventEna(4); }
  void SetEvent4Ena(bool value) { SetEventEna(4, value); }

 signals:
  void OnCom1Rx(QObject* Sender, int RxCount);
  void OnCom2Rx(QObject* Sender, int RxCount);
  void OnCom3Rx(QObject* Sender, int RxCount);
  void OnCom4Rx(QObject* Sender, int RxCount);

 private:
  enum class TPortState { NotProbed, Absent, Failed, Closed, Open };
  struct TPortSlot {
    TPortState State = TPortState::NotProbed;
    std::unique_ptr<TSerialDevice> Device;
    TComConfig Config;
    TTxQueue Tx;
    TLineCounters Baseline;
    int PendingErrors = 0;  // TComError bits noticed on our side
    bool Dialog = false;
    bool EventEna = true;
  };

  static bool ValidPort(int port) { return port >= 1 && port <= PortCount; }
  // The port named, when it is open.
  TPortSlot* OpenSlot(const QString& name);
  // Passes rc on; a device that has gone is closed and the port marked failed.
  int Check(TPortSlot& slot, int rc);
  // call(device) through Check; -ENODEV when the port is not open (any more).
  template <typename TCall>
  int Ask(TPortSlot& slot, TCall call);
  // Characters waiting in an open port, 0 when that cannot be asked.
  int Waiting(TPortSlot& slot);
  int Drain(TPortSlot& slot);
  void Poll();
  void EmitRx(int port, int count);

  std::array<TPortSlot, PortCount + 1> FPorts;  // [0] stands for every other name
  int FBufferLen = DefaultBufferLen;
  TDeviceFactory FDeviceFactory;
  TTickSubscription FPoll;
};

}  // namespace Veltor
