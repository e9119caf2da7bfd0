// The serial port component over pseudo-terminals (bytes, flow control, a
// vanishing device) and over a fake device (modem lines, error counters, the
// transmit queue of a device that takes nothing).
#include "system/comport.h"

#include "foundation/tickregistry.h"

#include "ptypair.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QElapsedTimer>
#include <QThread>

#include <termios.h>

#include <cerrno>

using namespace Veltor;
using VeltorTest::PtyPair;

namespace {

// Every port points somewhere harmless unless a test says otherwise.
class ComPortTest : public ::testing::Test {
 protected:
  ComPortTest() {
    for (const char* name : kPorts) qputenv(name, "/nonexistent/port");
  }
  ~ComPortTest() override {
    for (const char* name : kPorts) qunsetenv(name);
  }
  static constexpr const char* kPorts[] = {"VELTOR_COM1", "VELTOR_COM2", "VELTOR_COM3", "VELTOR_COM4"};
};

// Ticks until the condition holds; pty bytes travel through a kernel worker.
bool TickUntil(const std::function<bool()>& condition) {
  QElapsedTimer clock;
  clock.start();
  while (!condition() && clock.elapsed() < 2000) {
    QThread::msleep(2);
    TimerTick();
  }
  return condition();
}

// What a pseudo-terminal cannot answer; shared by every device made.
struct FakeLine {
  bool Present = true, LinesSupported = true, CountersSupported = true;
  int Lines = mlCTS;
  int ConfigureResult = 0;
  int Room = 1 << 20;  // bytes the device takes before it says EAGAIN
  TLineCounters Counters;
  QByteArray Sent;
};

class FakeDevice : public TSerialDevice {
 public:
  explicit FakeDevice(std::shared_ptr<FakeLine> line) : L(std::move(line)) {}
  int Open(const QByteArray&) override { return (FOpen = L->Present) ? 3 : -ENOENT; }
  void Close() override { FOpen = false; }
  bool IsOpen() const override { return FOpen; }
  int Configure(const TTermiosSettings&) override { return L->ConfigureResult; }
  int Flush() override { return 0; }
  int Read(char*, int) override { return -EAGAIN; }
  int Write(const char* data, int size) override {
    const int n = qMin(size, L->Room);
    L->Sent.append(data, n);
    L->Room -= n;
    return n ? n : -EAGAIN;
  }
  int InQueue() override { return 0; }
  int OutQueue() override { return 5; }
  int SetModemLines(int lines, bool on) override {
    if (L->LinesSupported) L->Lines = on ? L->Lines | lines : L->Lines & ~lines;
    return L->LinesSupported ? 0 : -ENOTTY;
  }
  int ModemLines() override { return L->LinesSupported ? L->Lines : -ENOTTY; }
  int Counters(TLineCounters& counters) override {
    counters = L->Counters;
    return L->CountersSupported ? 0 : -ENOTTY;
  }

 private:
  std::shared_ptr<FakeLine> L;
  bool FOpen = false;
};

std::shared_ptr<FakeLine> UseFake(TComPort& port) {
  auto line = std::make_shared<FakeLine>();
  port.SetDeviceFactory([line] { return std::make_unique<FakeDevice>(line); });
  port.ProbePorts();
  return line;
}

}  // namespace

TEST_F(ComPortTest, BytesBothWaysWithTheReceiveEventOnTheTick) {
  PtyPair pty;
  qputenv("VELTOR_COM1", pty.SlavePath());
  TComPort port;
  EXPECT_TRUE(port.COM1Avail());
  EXPECT_FALSE(port.COM2Avail());
  EXPECT_FALSE(port.SendChar("COM1", 'z'));  // closed: nothing goes out
  ASSERT_TRUE(port.OpenPort("com1"));
  EXPECT_FALSE(port.OpenPort("COM1"));  // already open: stays open
  EXPECT_TRUE(port.COM1InUse());
  EXPECT_FALSE(port.OpenPort("COM5"));

  // The handler takes one character per event; the rest raises it again.
  QList<int> counts;
  QByteArray received;
  QObject::connect(&port, &TComPort::OnCom1Rx, [&](QObject* sender, int count) {
    EXPECT_EQ(sender, &port);
    counts << count;
    char c;
    if (port.ReceiveChar("COM1", c)) received += c;
  });
  pty.Write(QByteArray("A\0\xff", 3));
  ASSERT_TRUE(TickUntil([&] { return received.size() == 3; }));
  EXPECT_EQ(received, QByteArray("A\0\xff", 3));
  EXPECT_EQ(counts, QList<int>({3, 2, 1}));
  TimerTick();
  EXPECT_EQ(counts.size(), 3);  // nothing waiting, no event

  // Disabled, the event stays away while RxCount still reports.
  port.SetEvent1Ena(false);
  pty.Write("xy");
  ASSERT_TRUE(TickUntil([&] { return port.RxCount("COM1") == 2; }));
  EXPECT_EQ(counts.size(), 3);

  EXPECT_TRUE(port.SendChar("COM1", 'h'));
  EXPECT_TRUE(port.SendChar("COM1", '\x13'));  // no XON/XOFF: plain data
  EXPECT_EQ(pty.Read(2), "h\x13");
  EXPECT_TRUE(pty.SlaveExclusive());
  port.ClosePort("COM1");
  EXPECT_FALSE(pty.SlaveExclusive());  // others may open it again
  EXPECT_FALSE(port.COM1InUse());
  EXPECT_TRUE(port.COM1Avail());
}

TEST_F(ComPortTest, EveryByteValuePassesUnchangedBothWays) {
  PtyPair pty;
  qputenv("VELTOR_COM2", pty.SlavePath());
  TComPort port;
  ASSERT_TRUE(port.OpenPort("COM2"));
  QByteArray all;
  for (int i = 0; i < 256; ++i) all += char(i);

  // No byte is translated, dropped or taken as a control character.
  for (char c : all) ASSERT_TRUE(port.SendChar("COM2", c));
  QByteArray sent;
  ASSERT_TRUE(TickUntil([&] {
    sent += pty.Read(256 - int(sent.size()), 5);
    return sent.size() >= 256;
  }));
  EXPECT_EQ(sent, all);

  pty.Write(all);
  QByteArray received;
  ASSERT_TRUE(TickUntil([&] {
    char c;
    while (port.ReceiveChar("COM2", c)) received += c;
    return received.size() >= 256;
  }));
  EXPECT_EQ(received, all);
}

TEST_F(ComPortTest, SettingsReachTheLineAndXoffHoldsOutput) {
  PtyPair pty;
  qputenv("VELTOR_COM1", pty.SlavePath());
  TComPort port;
  TComConfig config = port.PortConfig(1);
  config.DataBits = 9;
  port.SetPortConfig(1, config);
  // Settings the line cannot take fail the open and leave the port closed.
  EXPECT_FALSE(port.OpenPort("COM1"));
  EXPECT_FALSE(port.COM1InUse());
  config.DataBits = 8;
  config.StopBits = csOne;
  config.BaudRate = 31250;  // no B-constant
  config.SetXOnOff(true);
  port.SetPortConfig(1, config);
  ASSERT_TRUE(port.OpenPort("COM1"));
  // (A pty keeps 8 data bits without parity whatever it is told.)
  const PtyPair::TTermios t = pty.SlaveTermios();
  EXPECT_EQ(t.Speed, 31250u);
  EXPECT_EQ(t.CFlag & (CSTOPB | CLOCAL), unsigned(CLOCAL));
  EXPECT_EQ(t.IFlag & (IXON | IXOFF | ICRNL), unsigned(IXON | IXOFF));

  // XOFF is taken by the line, the marker behind it is data.
  pty.Write("\x13m");
  ASSERT_TRUE(TickUntil([&] { return port.RxCount("COM1") == 1; }));
  EXPECT_TRUE(port.SendChar("COM1", 'a'));
  EXPECT_TRUE(port.SendChar("COM1", 'b'));
  EXPECT_EQ(pty.Read(1, 100), "");
  TComStat stat;
  EXPECT_EQ(port.PortErrors("COM1", &stat), 0);
  EXPECT_EQ(stat.InQue, 1);
  EXPECT_EQ(stat.OutQue, 2);
  pty.Write("\x11");
  QByteArray out;
  ASSERT_TRUE(TickUntil([&] { return (out += pty.Read(2, 1)).size() == 2; }));
  EXPECT_EQ(out, "ab");
}

TEST_F(ComPortTest, VanishedOrBusyDeviceNeverPassesForOpen) {
  PtyPair pty;
  qputenv("VELTOR_COM1", pty.SlavePath());
  qputenv("VELTOR_COM3", pty.SlavePath());
  TComPort port;
  EXPECT_TRUE(port.COM3Avail());
  ASSERT_TRUE(port.OpenPort("COM1"));
  // One device, one user, within this process too.
  EXPECT_FALSE(port.OpenPort("COM3"));
  EXPECT_FALSE(port.COM3Avail());

  // A pty without modem lines is still a working port.
  EXPECT_FALSE(port.SetDTR("COM1", true));
  EXPECT_EQ(port.PortErrors("COM1"), 0);
  EXPECT_TRUE(port.COM1InUse());

  pty.CloseMaster();
  ASSERT_TRUE(TickUntil([&] { return !port.COM1InUse(); }));
  EXPECT_FALSE(port.COM1Avail());
  EXPECT_FALSE(port.SendChar("COM1", 'x'));
  EXPECT_EQ(port.RxCount("COM1"), 0);
  EXPECT_EQ(port.PortErrors("COM1"), -1);
  char c;
  EXPECT_FALSE(port.ReceiveChar("COM1", c));
  EXPECT_FALSE(port.OpenPort("COM1"));  // absent until probed again
}

TEST_F(ComPortTest, ModemLinesLineErrorsAndAFullQueueThroughTheDevice) {
  TComPort port;
  const auto line = UseFake(port);
  line->ConfigureResult = -EINVAL;  // a line refusing its settings is not left open
  EXPECT_FALSE(port.OpenPort("COM4"));
  EXPECT_FALSE(port.COM4InUse());
  line->ConfigureResult = 0;

  line->Counters.Frame = 4;  // from before the open: not ours
  port.SetBufferLen(100);    // 255 at least
  TComConfig config = port.PortConfig(4);
  config.RtsCtsFlow = true;
  port.SetPortConfig(4, config);
  ASSERT_TRUE(port.OpenPort("COM4"));
  EXPECT_TRUE(port.SetDTR("COM4", true));
  EXPECT_TRUE(port.SetRTS("COM4", true));
  EXPECT_TRUE(port.SetRTS("COM4", false));
  EXPECT_EQ(line->Lines, mlCTS | mlDTR);
  EXPECT_FALSE(port.SetDTR("COM3", true));  // not open

  EXPECT_EQ(port.PortErrors("COM4"), 0);
  line->Counters.Frame += 1;
  line->Counters.Break += 2;
  EXPECT_EQ(port.PortErrors("COM4"), ceFrame | ceBreak);
  EXPECT_EQ(port.PortErrors("COM4"), 0);  // cleared by the call

  // The device takes nothing: BufferLen characters wait, the next is refused.
  line->Room = 0;
  line->Lines = 0;  // CTS down
  for (int i = 0; i < 255; ++i) ASSERT_TRUE(port.SendChar("COM4", char(i)));
  EXPECT_FALSE(port.SendChar("COM4", 'x'));
  TComStat stat;
  EXPECT_EQ(port.PortErrors("COM4", &stat), ceTxFull);
  EXPECT_EQ(stat.OutQue, 255 + 5);
  EXPECT_TRUE(stat.CtsHold);
  line->Room = 1000;
  TimerTick();
  ASSERT_EQ(line->Sent.size(), 255);
  EXPECT_EQ(quint8(line->Sent[254]), 254);

  line->CountersSupported = line->LinesSupported = false;
  EXPECT_EQ(port.PortErrors("COM4"), 0);
  EXPECT_FALSE(port.SetDTR("COM4", false));
  EXPECT_TRUE(port.COM4InUse());
}

TEST_F(ComPortTest, PublishedSettingsKeepTheirRules) {
  TComPort port;
  port.SetBaudRate1(50);
  port.SetBaudRate1(200000);
  EXPECT_EQ(port.BaudRate1(), 9600);
  port.SetBaudRate1(115200);
  EXPECT_EQ(port.BaudRate1(), 115200);

  port.SetBufferLen(100);
  EXPECT_EQ(port.BufferLen(), 255);
  EXPECT_EQ(port.PortConfig(3).XonLim, 204);
  EXPECT_EQ(port.PortConfig(3).XoffLim, 229);
  port.SetBufferLen(20000);
  EXPECT_EQ(port.BufferLen(), 16000);
  port.SetXOnOff2(true);
  EXPECT_TRUE(port.PortConfig(2).OutX && port.PortConfig(2).InX);
}

TEST_F(ComPortTest, ConfigurationDialogEditsAPresentPort) {
  TComPort port;
  const auto line = UseFake(port);
  VeltorTest::ScriptedModalUI ui;
  bool flagDuringDialog = false;
  ui.OnExec = [&](QDialog* dialog) {
    flagDuringDialog = port.Com2Dialog();
    auto* rate = dialog->findChild<QComboBox*>("BaudRate");
    rate->setCurrentIndex(rate->findText("19200"));
    dialog->findChild<QComboBox*>("Parity")->setCurrentIndex(cpEven);
    return int(QDialog::Accepted);
  };
  port.SetCom2Dialog(true);
  EXPECT_TRUE(flagDuringDialog);
  EXPECT_FALSE(port.Com2Dialog());
  EXPECT_EQ(port.BaudRate2(), 19200);
  EXPECT_EQ(port.PortConfig(2).Parity, cpEven);
  ui.OnExec = [](QDialog* dialog) {
    dialog->findChild<QComboBox*>("Parity")->setCurrentIndex(cpOdd);
    return int(QDialog::Rejected);
  };
  port.SetCom2Dialog(true);
  EXPECT_EQ(port.PortConfig(2).Parity, cpEven);

  line->Present = false;
  port.ProbePorts();
  port.SetCom2Dialog(true);  // absent: no dialog
  EXPECT_EQ(ui.Executed.size(), 2);
}
