#include "democapture.h"

#include "logic/samplefile.h"

#include <QStringList>

#include <vector>

namespace Tracelo {

namespace {

constexpr int kSamples = 2000;

enum Channel { Cnt0 = 0, Clk = 4, Cs = 5, Mosi = 6, Miso = 7, Txd = 8, Pwm = 9, Irq = 10 };

void SetBit(std::vector<quint16>& s, int at, int channel, bool on) {
  if (at < 0 || at >= int(s.size())) return;
  if (on) {
    s[std::size_t(at)] |= quint16(1u << channel);
  } else {
    s[std::size_t(at)] &= quint16(~(1u << channel));
  }
}

void Level(std::vector<quint16>& s, int from, int to, int channel, bool on) {
  for (int i = from; i < to; ++i) SetBit(s, i, channel, on);
}

// One serial frame, 8N1, least significant bit first: idle high, a start
// bit, eight data bits and a stop bit.
int SerialByte(std::vector<quint16>& s, int at, quint8 byte, int samplesPerBit) {
  Level(s, at, at + samplesPerBit, Txd, false);
  at += samplesPerBit;
  for (int bit = 0; bit < 8; ++bit, at += samplesPerBit) Level(s, at, at + samplesPerBit, Txd, (byte >> bit) & 1);
  Level(s, at, at + samplesPerBit, Txd, true);
  return at + samplesPerBit;
}

// An SPI transfer in mode 0: chip select low, data set up while the clock is
// low and read on the rising edge, most significant bit first.
int SpiTransfer(std::vector<quint16>& s, int at, const QByteArray& out, const QByteArray& in) {
  const int half = 1;
  const int length = 2 + int(out.size()) * 8 * 2 * half + 2;
  Level(s, at, at + length, Cs, false);
  at += 2;
  for (int i = 0; i < out.size(); ++i) {
    for (int bit = 7; bit >= 0; --bit, at += 2 * half) {
      Level(s, at, at + 2 * half, Mosi, (quint8(out[i]) >> bit) & 1);
      Level(s, at, at + 2 * half, Miso, (quint8(in[i]) >> bit) & 1);
      Level(s, at + half, at + 2 * half, Clk, true);
    }
  }
  return at + 2;
}

}  // namespace

QByteArray DemoCaptureFile() {
  std::vector<quint16> s(kSamples, 0);
  // Idle levels: chip select and serial line high.
  Level(s, 0, kSamples, Cs, true);
  Level(s, 0, kSamples, Txd, true);

  // A free-running 4-bit counter, one count every 2 samples.
  for (int i = 0; i < kSamples; ++i) s[std::size_t(i)] |= quint16((i / 2) & 0xF);

  // Pulse-width signal with a 12-sample period and a duty cycle that walks.
  for (int period = 0; period * 12 < kSamples; ++period) {
    const int duty = 1 + period % 11;
    Level(s, period * 12, period * 12 + duty, Pwm, true);
  }

  // Bursts of traffic, each announced by an interrupt pulse: an SPI read of
  // an identification register, then a serial greeting.
  for (int burst = 0; burst * 400 < kSamples; ++burst) {
    const int at = burst * 400;
    Level(s, at + 1, at + 3, Irq, true);
    SpiTransfer(s, at + 4, QByteArray("\x9F\x00\x00", 3), QByteArray("\xFF\xEF\x40", 3));
    int tx = at + 60;
    for (char c : QByteArray("Hi!\r\n")) tx = SerialByte(s, tx, quint8(c), 4) + 2;
  }

  QByteArray buffer;
  buffer.reserve(kSamples * 2);
  for (quint16 v : s) {
    buffer.append(char(v & 0xFF));
    buffer.append(char(v >> 8));
  }
  Veltor::TSampleHeader header;
  header.TimeBase = 1e-6;
  header.TriggerPos = 10;
  header.WidthCode = 1;
  header.BufferSize = int(buffer.size());
  const QStringList names = {QStringLiteral("CNT0"), QStringLiteral("CNT1"), QStringLiteral("CNT2"),
                             QStringLiteral("CNT3"), QStringLiteral("SCK"),  QStringLiteral("/CS"),
                             QStringLiteral("MOSI"), QStringLiteral("MISO"), QStringLiteral("TXD"),
                             QStringLiteral("PWM"),  QStringLiteral("IRQ")};
  return Veltor::EncodeSampleFile(header, names, buffer);
}

}  // namespace Tracelo
