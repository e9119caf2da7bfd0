#pragma once
// The rules of the serial port component that need no device: line settings
// and their termios form, the transmit queue, line error masks and the
// receive event of a poll step.

#include "system/systemtypes.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <array>
#include <functional>

namespace Veltor {

// Baud rates the BaudRate properties accept.
constexpr int MinBaudRate = 75;
constexpr int MaxBaudRate = 115200;
constexpr bool BaudRateAccepted(int rate) { return rate >= MinBaudRate && rate <= MaxBaudRate; }

// Queue size of the transmit queue (BufferLen).
constexpr int MinBufferLen = 255;
constexpr int MaxBufferLen = 16000;
constexpr int DefaultBufferLen = 1000;

// The line configuration of one port. Takes effect when the port is opened.
struct TComConfig {
  int BaudRate = 9600;
  int DataBits = 8;  // 5..8
  TComParity Parity = cpNone;
  bool ParityCheck = false;  // received characters with a wrong parity count as errors
  TComStopBits StopBits = csTwo;
  bool RtsCtsFlow = false;  // hardware handshake: output waits for CTS, RTS follows the input
  bool OutX = false;        // output stops on XOFF and goes on at XON
  bool InX = false;         // XOFF is sent when the input fills up, XON when it drains
  // Thresholds kept with the settings; the Linux line discipline uses its own.
  int XonLim = 700;
  int XoffLim = 800;
  char XonChar = 17;
  char XoffChar = 19;

  bool XOnOff() const { return OutX || InX; }
  void SetXOnOff(bool on) { OutX = InX = on; }
  // XON and XOFF thresholds derived from a queue size.
  void SetLimits(int bufferLen) {
    XonLim = bufferLen * 8 / 10;
    XoffLim = bufferLen * 9 / 10;
  }
};

// Control characters the termios record holds (the kernel's NCCS).
constexpr int TermiosControlChars = 19;

// A line configuration in termios terms, for the kernel's termios2 record.
// Speed is the B-constant for standard rates, 0 when the rate needs BOTHER.
struct TTermiosSettings {
  quint32 IFlag = 0;
  quint32 OFlag = 0;
  quint32 CFlag = 0;  // without the speed bits
  quint32 LFlag = 0;
  std::array<quint8, TermiosControlChars> CC{};
  quint32 Speed = 0;
  int BaudRate = 0;
};

// The B-constant of a standard rate, 0 for any other rate.
quint32 StandardSpeed(int rate);

// Raw, non-blocking-friendly termios settings for config. False when the
// combination cannot be set (data bits outside 5..8, stop bits that do not fit
// the data bits, a rate of 0 or below, XON equal to XOFF with XON/XOFF on).
bool MapToTermios(const TComConfig& config, TTermiosSettings& settings);

// Line error counters of a port (TIOCGICOUNT).
struct TLineCounters {
  quint32 Frame = 0;
  quint32 Overrun = 0;
  quint32 Parity = 0;
  quint32 Break = 0;
  quint32 BufferOverrun = 0;
};

// The TComError bits for the counters that grew from before to now.
int LineErrorMask(const TLineCounters& before, const TLineCounters& now);

// Characters accepted for sending that the device could not take yet, in
// order, at most Capacity of them.
class TTxQueue {
 public:
  // Hands bytes to the device: the number taken, or -errno.
  using TWrite = std::function<int(const char* data, int size)>;

  int Capacity() const { return FCapacity; }
  void SetCapacity(int capacity) { FCapacity = capacity; }
  int Count() const { return FBytes.size(); }
  bool IsEmpty() const { return FBytes.isEmpty(); }
  // False when the queue is full.
  bool Push(char c);
  // Writes queued bytes until the device takes no more. 0, or the -errno of
  // a failed write (-EAGAIN, "come back later", counts as 0).
  int Drain(const TWrite& write);
  void Clear() { FBytes.clear(); }

 private:
  QByteArray FBytes;
  int FCapacity = DefaultBufferLen;
};

// One port's part of a poll step. A receive event nobody connected is
// emitted to nobody, so whether one is assigned needs no check.
struct TRxPoll {
  bool InUse = false;
  bool Enabled = false;  // EventNEna
  int Count = 0;         // characters waiting
};
// The count the receive event reports on this tick, 0 for no event.
int RxEventCount(const TRxPoll& poll);

// Whether a call's -errno says the device has gone (unplugged, or the other
// end of a pseudo-terminal closed): the port cannot be used any more.
bool DeviceGone(int rc);

// The port 1..4 a name "COM1".."COM4" (any case) selects; 0 for any other.
int PortIndex(const QString& name);
// The device of port 1..4: $VELTOR_COMn when set, else /dev/ttyS(n-1).
QByteArray DevicePath(int port);

}  // namespace Veltor
