#include "system/serialdevice.h"

// The kernel's own termios2 record carries any baud rate (BOTHER); it cannot
// share a file with <termios.h>, so this file talks to the kernel directly.
#include <asm/termbits.h>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <cerrno>

namespace Veltor {

namespace {

int Result(int rc) { return rc < 0 ? -errno : rc; }

int Ioctl(int fd, unsigned long request, void* arg) { return Result(::ioctl(fd, request, arg)); }

int ToTiocm(int lines) {
  int bits = 0;
  if (lines & mlDTR) bits |= TIOCM_DTR;
  if (lines & mlRTS) bits |= TIOCM_RTS;
  return bits;
}

int FromTiocm(int bits) {
  int lines = 0;
  if (bits & TIOCM_DTR) lines |= mlDTR;
  if (bits & TIOCM_RTS) lines |= mlRTS;
  if (bits & TIOCM_CTS) lines |= mlCTS;
  if (bits & TIOCM_DSR) lines |= mlDSR;
  if (bits & TIOCM_RI) lines |= mlRI;
  if (bits & TIOCM_CD) lines |= mlDCD;
  return lines;
}

}  // namespace

TPosixSerialDevice::~TPosixSerialDevice() { Close(); }

int TPosixSerialDevice::Open(const QByteArray& path) {
  Close();
  const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return -errno;
  // TIOCEXCL keeps other processes out but not the superuser; the lock also
  // keeps out a second open of ours (two ports naming one device).
  int rc = Result(::flock(fd, LOCK_EX | LOCK_NB));
  if (rc == 0) rc = Ioctl(fd, TIOCEXCL, nullptr);
  FExclusive = rc == 0;
  if (rc < 0 && rc != -ENOTTY) {
    ::close(fd);
    return rc == -EWOULDBLOCK ? -EBUSY : rc;
  }
  FFd = fd;
  return fd;
}

void TPosixSerialDevice::Close() {
  if (FFd < 0) return;
  // The flag belongs to the terminal, not to our descriptor: left set, it
  // would lock others out for as long as anyone else holds the device open.
  if (FExclusive) ::ioctl(FFd, TIOCNXCL);
  ::close(FFd);
  FFd = -1;
}

int TPosixSerialDevice::Configure(const TTermiosSettings& settings) {
  termios2 t{};
  t.c_iflag = settings.IFlag;
  t.c_oflag = settings.OFlag;
  t.c_lflag = settings.LFlag;
  t.c_cflag = (settings.CFlag & ~(CBAUD | CIBAUD)) | (settings.Speed ? settings.Speed : BOTHER);
  static_assert(sizeof(t.c_cc) == TermiosControlChars, "the kernel's control characters");
  for (int i = 0; i < TermiosControlChars; ++i) t.c_cc[i] = settings.CC[i];
  t.c_ispeed = t.c_ospeed = settings.BaudRate;
  return Ioctl(FFd, TCSETS2, &t);
}

int TPosixSerialDevice::Flush() { return Result(::ioctl(FFd, TCFLSH, TCIOFLUSH)); }

int TPosixSerialDevice::Read(char* data, int size) { return Result(int(::read(FFd, data, size))); }

int TPosixSerialDevice::Write(const char* data, int size) { return Result(int(::write(FFd, data, size))); }

int TPosixSerialDevice::InQueue() {
  int count = 0;
  const int rc = Ioctl(FFd, FIONREAD, &count);
  return rc < 0 ? rc : count;
}

int TPosixSerialDevice::OutQueue() {
  int count = 0;
  const int rc = Ioctl(FFd, TIOCOUTQ, &count);
  return rc < 0 ? rc : count;
}

int TPosixSerialDevice::SetModemLines(int lines, bool on) {
  int bits = ToTiocm(lines);
  return Ioctl(FFd, on ? TIOCMBIS : TIOCMBIC, &bits);
}

int TPosixSerialDevice::ModemLines() {
  int bits = 0;
  const int rc = Ioctl(FFd, TIOCMGET, &bits);
  return rc < 0 ? rc : FromTiocm(bits);
}

int TPosixSerialDevice::Counters(TLineCounters& counters) {
  serial_icounter_struct icount{};
  const int rc = Ioctl(FFd, TIOCGICOUNT, &icount);
  if (rc < 0) return rc;
  counters.Frame = quint32(icount.frame);
  counters.Overrun = quint32(icount.overrun);
  counters.Parity = quint32(icount.parity);
  counters.Break = quint32(icount.brk);
  counters.BufferOverrun = quint32(icount.buf_overrun);
  return 0;
}

}  // namespace Veltor
