#pragma once
// Pseudo-terminal pairs for the serial port tests: the port opens the slave
// by its name, the test talks through the master.

#include <QByteArray>

namespace VeltorTest {

class PtyPair {
 public:
  PtyPair();  // fails the test when no pair can be had
  ~PtyPair();
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  QByteArray SlavePath() const { return FSlavePath; }
  void Write(const QByteArray& bytes);
  // What arrives within timeoutMs, returning once count bytes are in.
  QByteArray Read(int count, int timeoutMs = 2000);
  // Hangs the slave up.
  void CloseMaster();

  // The slave's termios as the kernel keeps it.
  struct TTermios {
    unsigned IFlag = 0, CFlag = 0, Speed = 0;
  };
  TTermios SlaveTermios() const;
  // Whether the slave is in exclusive use (TIOCEXCL).
  bool SlaveExclusive() const;

 private:
  int FMaster = -1;
  int FSlave = -1;
  QByteArray FSlavePath;
};

}  // namespace VeltorTest
