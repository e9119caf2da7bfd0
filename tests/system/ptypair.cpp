#include "ptypair.h"

// The kernel's termios2 shows any rate; <pty.h> would bring glibc's termios,
// which cannot live beside it, so openpty is declared here.
#include <asm/termbits.h>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

extern "C" int openpty(int* master, int* slave, char* name, const void* termp, const void* winp);

namespace VeltorTest {

PtyPair::PtyPair() {
  char name[128] = {};
  if (openpty(&FMaster, &FSlave, name, nullptr, nullptr) != 0) {
    ADD_FAILURE() << "openpty failed";
    return;
  }
  ::fcntl(FMaster, F_SETFL, O_NONBLOCK);
  FSlavePath = name;
}

PtyPair::~PtyPair() {
  CloseMaster();
  if (FSlave >= 0) ::close(FSlave);
}

void PtyPair::Write(const QByteArray& bytes) {
  EXPECT_EQ(::write(FMaster, bytes.constData(), bytes.size()), bytes.size());
}

QByteArray PtyPair::Read(int count, int timeoutMs) {
  QByteArray bytes;
  QElapsedTimer clock;
  clock.start();
  while (bytes.size() < count && clock.elapsed() < timeoutMs) {
    char buffer[256];
    const ssize_t n = ::read(FMaster, buffer, sizeof buffer);
    if (n > 0)
      bytes.append(buffer, int(n));
    else
      QThread::msleep(2);
  }
  return bytes;
}

void PtyPair::CloseMaster() {
  if (FMaster >= 0) ::close(FMaster);
  FMaster = -1;
}

PtyPair::TTermios PtyPair::SlaveTermios() const {
  termios2 t{};
  EXPECT_EQ(::ioctl(FSlave, TCGETS2, &t), 0);
  return {t.c_iflag, t.c_cflag, t.c_ospeed};
}

bool PtyPair::SlaveExclusive() const {
  int exclusive = 0;
  EXPECT_EQ(::ioctl(FSlave, TIOCGEXCL, &exclusive), 0);
  return exclusive != 0;
}

}  // namespace VeltorTest
