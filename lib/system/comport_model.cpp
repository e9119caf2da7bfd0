#include "system/comport_model.h"

#include <termios.h>

#include <cerrno>
#include <iterator>

namespace Veltor {

namespace {

struct TSpeed {
  int Rate;
  speed_t Code;
};

constexpr TSpeed kSpeeds[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},       {150, B150},         {200, B200},
    {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},     {2400, B2400},       {4800, B4800},
    {9600, B9600},     {19200, B19200},   {38400, B38400},   {57600, B57600},   {115200, B115200},   {230400, B230400},
    {460800, B460800}, {500000, B500000}, {576000, B576000}, {921600, B921600}, {1000000, B1000000},
};

static_assert(VSTART < TermiosControlChars && VSTOP < TermiosControlChars && VMIN < TermiosControlChars,
              "control character indexes of the kernel's termios");

quint32 DataBitsFlag(int bits) {
  switch (bits) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
  }
}

quint32 ParityFlags(TComParity parity) {
  switch (parity) {
    case cpOdd: return PARENB | PARODD;
    case cpEven: return PARENB;
    case cpMark: return PARENB | CMSPAR | PARODD;
    case cpSpace: return PARENB | CMSPAR;
    case cpNone: break;
  }
  return 0;
}

}  // namespace

quint32 StandardSpeed(int rate) {
  for (const TSpeed& speed : kSpeeds) {
    if (speed.Rate == rate) return speed.Code;
  }
  return 0;
}

bool MapToTermios(const TComConfig& config, TTermiosSettings& settings) {
  if (config.BaudRate <= 0 || config.DataBits < 5 || config.DataBits > 8) return false;
  // The UART sends one and a half stop bits for "two" with five data bits,
  // so 1.5 exists only there and 2 only with six to eight.
  if (config.StopBits == csOneHalf && config.DataBits != 5) return false;
  if (config.StopBits == csTwo && config.DataBits == 5) return false;
  if (config.XOnOff() && config.XonChar == config.XoffChar) return false;

  TTermiosSettings s;
  // Binary: breaks are not read as NUL characters (the error counters
  // still see them), nothing is translated on the way in or out.
  s.IFlag = IGNBRK;
  if (config.ParityCheck && config.Parity != cpNone) s.IFlag |= INPCK;
  if (config.OutX) s.IFlag |= IXON;
  if (config.InX) s.IFlag |= IXOFF;
  s.CFlag = CREAD | CLOCAL | HUPCL | DataBitsFlag(config.DataBits) | ParityFlags(config.Parity);
  if (config.StopBits != csOne) s.CFlag |= CSTOPB;
  if (config.RtsCtsFlow) s.CFlag |= CRTSCTS;
  // A read returns what is there or EAGAIN; 0 then means the line hung up.
  s.CC[VMIN] = 1;
  s.CC[VTIME] = 0;
  s.CC[VSTART] = static_cast<quint8>(config.XonChar);
  s.CC[VSTOP] = static_cast<quint8>(config.XoffChar);
  s.Speed = StandardSpeed(config.BaudRate);
  s.BaudRate = config.BaudRate;
  settings = s;
  return true;
}

int LineErrorMask(const TLineCounters& before, const TLineCounters& now) {
  // Unsigned differences: a counter that wrapped still counts as grown.
  int mask = 0;
  if (now.BufferOverrun - before.BufferOverrun) mask |= ceRxOver;
  if (now.Overrun - before.Overrun) mask |= ceOverrun;
  if (now.Parity - before.Parity) mask |= ceRxParity;
  if (now.Frame - before.Frame) mask |= ceFrame;
  if (now.Break - before.Break) mask |= ceBreak;
  return mask;
}

bool TTxQueue::Push(char c) {
  if (FBytes.size() >= FCapacity) return false;
  FBytes.append(c);
  return true;
}

int TTxQueue::Drain(const TWrite& write) {
  while (!FBytes.isEmpty()) {
    const int taken = write(FBytes.constData(), FBytes.size());
    if (taken == -EAGAIN || taken == 0) return 0;
    if (taken < 0) return taken;
    FBytes.remove(0, taken);
  }
  return 0;
}

int RxEventCount(const TRxPoll& poll) { return poll.InUse && poll.Enabled && poll.Count > 0 ? poll.Count : 0; }

bool DeviceGone(int rc) { return rc == -EIO || rc == -ENXIO || rc == -ENODEV || rc == -EBADF || rc == -EPIPE; }

int PortIndex(const QString& name) {
  static const QString kNames[] = {QStringLiteral("COM1"), QStringLiteral("COM2"), QStringLiteral("COM3"),
                                   QStringLiteral("COM4")};
  for (int i = 0; i < int(std::size(kNames)); ++i) {
    if (name.compare(kNames[i], Qt::CaseInsensitive) == 0) return i + 1;
  }
  return 0;
}

QByteArray DevicePath(int port) {
  const QByteArray variable = "VELTOR_COM" + QByteArray::number(port);
  if (qEnvironmentVariableIsSet(variable.constData())) return qgetenv(variable.constData());
  return "/dev/ttyS" + QByteArray::number(port - 1);
}

}  // namespace Veltor
