#pragma once
// The device under a serial port: a small interface over the calls
// TComPort makes, so tests can answer what pseudo-terminals cannot (modem
// lines, error counters), and its POSIX implementation on termios.

#include "system/comport_model.h"

#include <QByteArray>

namespace Veltor {

// Modem lines, as SetModemLines and ModemLines name them.
enum TModemLine { mlDTR = 0x01, mlRTS = 0x02, mlCTS = 0x04, mlDSR = 0x08, mlRI = 0x10, mlDCD = 0x20 };

// Every call answers 0 or a count on success and -errno on failure. -ENOTTY
// means the device cannot do that at all (a pseudo-terminal has no modem
// lines), which is no fault of the port.
class TSerialDevice {
 public:
  virtual ~TSerialDevice() = default;

  // Opens path for reading and writing, non-blocking and for this process
  // alone; an open device is closed first.
  virtual int Open(const QByteArray& path) = 0;
  virtual void Close() = 0;
  virtual bool IsOpen() const = 0;
  virtual int Configure(const TTermiosSettings& settings) = 0;
  // Discards both queues.
  virtual int Flush() = 0;
  // The bytes read; -EAGAIN when nothing is waiting; 0 when the line hung up.
  virtual int Read(char* data, int size) = 0;
  // The bytes taken; -EAGAIN when the device takes nothing now.
  virtual int Write(const char* data, int size) = 0;
  // Characters waiting to be read, and waiting to go out.
  virtual int InQueue() = 0;
  virtual int OutQueue() = 0;
  // Raises (on) or drops the TModemLine bits in lines.
  virtual int SetModemLines(int lines, bool on) = 0;
  // The TModemLine bits that are up.
  virtual int ModemLines() = 0;
  virtual int Counters(TLineCounters& counters) = 0;
};

class TPosixSerialDevice : public TSerialDevice {
 public:
  TPosixSerialDevice() = default;
  ~TPosixSerialDevice() override;
  TPosixSerialDevice(const TPosixSerialDevice&) = delete;
  TPosixSerialDevice& operator=(const TPosixSerialDevice&) = delete;

  int Open(const QByteArray& path) override;
  void Close() override;
  bool IsOpen() const override { return FFd >= 0; }
  int Configure(const TTermiosSettings& settings) override;
  int Flush() override;
  int Read(char* data, int size) override;
  int Write(const char* data, int size) override;
  int InQueue() override;
  int OutQueue() override;
  int SetModemLines(int lines, bool on) override;
  int ModemLines() override;
  int Counters(TLineCounters& counters) override;

  // The file descriptor, -1 when closed.
  int Descriptor() const { return FFd; }

 private:
  int FFd = -1;
  bool FExclusive = false;
};

}  // namespace Veltor
