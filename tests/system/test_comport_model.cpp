// The serial port's rules without a device: termios settings, line error
// masks, the receive event of a poll step, port names. (The transmit queue is
// tested through a device that takes nothing, in test_comport.cpp.)
#include "system/comport_model.h"

#include <termios.h>

#include <gtest/gtest.h>

using namespace Veltor;

namespace {

TTermiosSettings Mapped(const TComConfig& config) {
  TTermiosSettings settings;
  EXPECT_TRUE(MapToTermios(config, settings));
  return settings;
}

}  // namespace

TEST(ComPortModel, LineSettingsBecomeTermiosFlags) {
  // The start configuration: 9600 8N2, raw, no flow control.
  const TTermiosSettings plain = Mapped(TComConfig());
  EXPECT_EQ(plain.Speed, quint32(B9600));
  EXPECT_EQ(plain.CFlag & (CSIZE | PARENB | CSTOPB | CRTSCTS | CREAD | CLOCAL), quint32(CS8 | CSTOPB | CREAD | CLOCAL));
  EXPECT_EQ(plain.IFlag & (IXON | IXOFF | INPCK | ICRNL | ISTRIP), 0u);
  EXPECT_EQ(plain.LFlag & (ICANON | ECHO | ISIG), 0u);

  TComConfig config;
  config.BaudRate = 31250;  // no B-constant: BOTHER with the rate itself
  config.DataBits = 7;
  config.Parity = cpOdd;
  config.ParityCheck = true;
  config.StopBits = csOne;
  config.RtsCtsFlow = true;
  config.SetXOnOff(true);
  config.XonChar = 0x01;
  const TTermiosSettings s = Mapped(config);
  EXPECT_EQ(s.Speed, 0u);
  EXPECT_EQ(s.BaudRate, 31250);
  EXPECT_EQ(s.CFlag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS), quint32(CS7 | PARENB | PARODD | CRTSCTS));
  EXPECT_EQ(s.IFlag & (IXON | IXOFF | INPCK), quint32(IXON | IXOFF | INPCK));
  EXPECT_EQ(s.CC[VSTART], 0x01);
  EXPECT_EQ(s.CC[VSTOP], 19);

  const struct {
    TComParity Parity;
    quint32 Flags;
  } parities[] = {{cpNone, 0}, {cpEven, PARENB}, {cpMark, PARENB | CMSPAR | PARODD}, {cpSpace, PARENB | CMSPAR}};
  for (const auto& row : parities) {
    config = TComConfig();
    config.Parity = row.Parity;
    EXPECT_EQ(Mapped(config).CFlag & (PARENB | PARODD | CMSPAR), row.Flags) << row.Parity;
  }
  config = TComConfig();
  config.DataBits = 5;
  config.StopBits = csOneHalf;
  EXPECT_EQ(Mapped(config).CFlag & (CSIZE | CSTOPB), quint32(CS5 | CSTOPB));
}

TEST(ComPortModel, SettingsThatCannotBeSetAreRefused) {
  const auto refused = [](auto change) {
    TComConfig config;
    change(config);
    TTermiosSettings s;
    return !MapToTermios(config, s);
  };
  EXPECT_TRUE(refused([](TComConfig& c) { c.DataBits = 4; }));
  EXPECT_TRUE(refused([](TComConfig& c) { c.DataBits = 9; }));
  EXPECT_TRUE(refused([](TComConfig& c) { c.BaudRate = 0; }));
  EXPECT_TRUE(refused([](TComConfig& c) { c.StopBits = csOneHalf; }));  // with 8 data bits
  EXPECT_TRUE(refused([](TComConfig& c) { c.DataBits = 5; }));          // with two stop bits
  EXPECT_TRUE(refused([](TComConfig& c) { c.SetXOnOff(true), c.XoffChar = c.XonChar; }));
  EXPECT_FALSE(refused([](TComConfig& c) { c.XoffChar = c.XonChar; }));  // no XON/XOFF: no clash
}

TEST(ComPortModel, ErrorMaskAndReceiveEvent) {
  TLineCounters before;
  before.Parity = 0xFFFFFFFFu;  // about to wrap
  TLineCounters now = before;
  EXPECT_EQ(LineErrorMask(before, now), 0);
  now.Parity = 0;
  EXPECT_EQ(LineErrorMask(before, now), ceRxParity);
  const std::pair<quint32 TLineCounters::*, int> rows[] = {{&TLineCounters::Frame, ceFrame},
                                                           {&TLineCounters::Overrun, ceOverrun},
                                                           {&TLineCounters::Break, ceBreak},
                                                           {&TLineCounters::BufferOverrun, ceRxOver}};
  for (const auto& [counter, bit] : rows) {
    now = before;
    ++(now.*counter);
    EXPECT_EQ(LineErrorMask(before, now), bit);
  }

  EXPECT_EQ(RxEventCount({true, true, 3}), 3);
  EXPECT_EQ(RxEventCount({false, true, 3}), 0);
  EXPECT_EQ(RxEventCount({true, false, 3}), 0);
  EXPECT_EQ(RxEventCount({true, true, 0}), 0);
}

TEST(ComPortModel, PortNamesAndDevices) {
  EXPECT_EQ(PortIndex("com3"), 3);
  EXPECT_EQ(PortIndex("Com4"), 4);
  EXPECT_EQ(PortIndex("COM5"), 0);
  qunsetenv("VELTOR_COM2");
  EXPECT_EQ(DevicePath(2), "/dev/ttyS1");
  qputenv("VELTOR_COM2", "/tmp/line");
  EXPECT_EQ(DevicePath(2), "/tmp/line");
  qunsetenv("VELTOR_COM2");
}
