#include "system/wavefile.h"

#include <QSaveFile>
#include <QtEndian>

#include <cmath>

// Resources of a static library are linked in only when named.
static void InitSoundsResource() { Q_INIT_RESOURCE(sounds); }

namespace Veltor {

namespace {

void Append16(QByteArray& bytes, quint16 value) {
  char le[2];
  qToLittleEndian(value, le);
  bytes.append(le, 2);
}

void Append32(QByteArray& bytes, quint32 value) {
  char le[4];
  qToLittleEndian(value, le);
  bytes.append(le, 4);
}

// A sine of freq Hz at amplitude (0..1 of full scale) at sample i.
double Tone(int i, double freq, double amplitude) {
  return amplitude * 32767.0 * std::sin(2.0 * M_PI * freq * i / kSoundFreq);
}

qint16 Clip(double value) { return qint16(std::lround(std::fmax(-32768.0, std::fmin(32767.0, value)))); }

}  // namespace

void InitSystemSounds() {
  static const bool done = (InitSoundsResource(), true);
  Q_UNUSED(done);
}

QByteArray WaveBytes(const std::vector<qint16>& samples, int freq, int channels) {
  const quint32 dataBytes = quint32(samples.size() * 2);
  const quint16 blockAlign = quint16(channels * 2);
  QByteArray bytes;
  bytes.reserve(int(44 + dataBytes));
  bytes.append("RIFF", 4);
  Append32(bytes, 36 + dataBytes);
  bytes.append("WAVEfmt ", 8);
  Append32(bytes, 16);  // size of the PCM format chunk
  Append16(bytes, 1);   // PCM
  Append16(bytes, quint16(channels));
  Append32(bytes, quint32(freq));
  Append32(bytes, quint32(freq) * blockAlign);
  Append16(bytes, blockAlign);
  Append16(bytes, 16);  // bits per sample
  bytes.append("data", 4);
  Append32(bytes, dataBytes);
  for (qint16 sample : samples) Append16(bytes, quint16(sample));
  return bytes;
}

bool WriteWaveFile(const QString& path, const std::vector<qint16>& samples, int freq, int channels) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(WaveBytes(samples, freq, channels));
  return file.commit();
}

std::vector<qint16> ChimeSamples() {
  // Two bell partials a fifth apart, the upper one entering late; each dies
  // away exponentially and the start is faded in to avoid a click.
  const int count = kSoundFreq * 6 / 10;
  std::vector<qint16> samples(size_t(count), 0);
  const int second = kSoundFreq / 8;
  for (int i = 0; i < count; ++i) {
    const double t = double(i) / kSoundFreq;
    const double attack = std::fmin(1.0, i / 60.0);
    double value = Tone(i, 880.0, 0.35) * std::exp(-t * 6.0) + Tone(i, 2640.0, 0.08) * std::exp(-t * 14.0);
    if (i >= second) {
      const double t2 = double(i - second) / kSoundFreq;
      value += Tone(i - second, 1318.5, 0.3) * std::exp(-t2 * 7.0) * std::fmin(1.0, (i - second) / 60.0);
    }
    samples[size_t(i)] = Clip(value * attack);
  }
  return samples;
}

std::vector<qint16> ClickSamples() {
  // A damped 2 kHz burst with a little noise-like overtone from a fixed
  // sequence, so the sound is the same on every build.
  const int count = kSoundFreq * 15 / 1000;
  std::vector<qint16> samples(size_t(count), 0);
  quint32 seed = 12345;
  for (int i = 0; i < count; ++i) {
    seed = seed * 1103515245u + 12345u;
    const double noise = (int((seed >> 16) & 0x7fff) - 16384) / 16384.0;
    const double decay = std::exp(-i / 40.0);
    samples[size_t(i)] = Clip((Tone(i, 2000.0, 0.5) + noise * 0.15 * 32767.0) * decay);
  }
  return samples;
}

}  // namespace Veltor
