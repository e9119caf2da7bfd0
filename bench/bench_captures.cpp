// Opening captures of 10^8 samples: how long the index takes to build, how
// long a buffer-sized window takes to read, and how much memory the open
// capture holds (compared with one byte per sample when expanded).
#include "captures/capture.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

#include <zip.h>

namespace {

const qint64 kSamples = 100000000;
const qint64 kChunkBytes = 4 << 20;

// Eight channels that change about every tenth sample, unevenly, to values
// that do not compress much.
qint64 ChangeTime(qint64 k) { return 10 * k + k % 3; }
quint8 Pattern(qint64 i) {
  quint32 x = quint32(i / 10);
  x = ((x >> 16) ^ x) * 0x45d9f3bu;
  return quint8((x >> 16) ^ x);
}

// Resident memory of this process in bytes.
double ResidentBytes() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').value(0).toDouble() * 1024;
  }
  return 0;
}

QTemporaryDir& Dir() {
  static QTemporaryDir dir;
  return dir;
}

// A session of 8 channels in 4 MiB chunks, made from a raw file so that
// nothing of it is held in memory here.
QString SigrokFile() {
  const QString path = Dir().filePath(QStringLiteral("big.sr"));
  if (QFile::exists(path)) return path;
  const QString raw = Dir().filePath(QStringLiteral("big.raw"));
  QFile out(raw);
  if (!out.open(QIODevice::WriteOnly)) return QString();
  QByteArray block(1 << 20, 0);
  for (qint64 i = 0; i < kSamples; i += block.size()) {
    const int n = int(std::min<qint64>(block.size(), kSamples - i));
    for (int k = 0; k < n; ++k) block[k] = char(Pattern(i + k));
    out.write(block.constData(), n);
  }
  out.close();
  int code = 0;
  zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  static const char kVersion[] = "2";
  static const char kMetadata[] =
      "[device 1]\ncapturefile=logic-1\ntotal probes=8\nsamplerate=10 MHz\nunitsize=1\n"
      "probe1=D0\nprobe2=D1\nprobe3=D2\nprobe4=D3\nprobe5=D4\nprobe6=D5\nprobe7=D6\nprobe8=D7\n";
  zip_file_add(zip, "version", zip_source_buffer(zip, kVersion, 1, 0), 0);
  zip_file_add(zip, "metadata", zip_source_buffer(zip, kMetadata, sizeof kMetadata - 1, 0), 0);
  for (qint64 start = 0, n = 1; start < kSamples; start += kChunkBytes, ++n) {
    const QByteArray name = "logic-1-" + QByteArray::number(n);
    zip_source_t* source = zip_source_file(zip, QFile::encodeName(raw).constData(), zip_uint64_t(start),
                                           zip_int64_t(std::min(kChunkBytes, kSamples - start)));
    zip_file_add(zip, name.constData(), source, 0);
  }
  zip_close(zip);
  QFile::remove(raw);
  return path;
}

// A dump whose 8 channels change about every tenth sample, so its time step
// is one sample.
QString VcdFile() {
  const QString path = Dir().filePath(QStringLiteral("big.vcd"));
  if (QFile::exists(path)) return path;
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly)) return QString();
  QByteArray text = "$timescale 100 ns $end\n";
  for (int c = 0; c < 8; ++c)
    text += "$var wire 1 " + QByteArray(1, char('!' + c)) + " D" + QByteArray::number(c) + " $end\n";
  text += "$enddefinitions $end\n";
  quint8 previous = 0;
  for (qint64 k = 0; ChangeTime(k) < kSamples; ++k) {
    const qint64 i = ChangeTime(k);
    const quint8 value = Pattern(10 * k);
    text += '#' + QByteArray::number(i);
    for (int c = 0; c < 8; ++c) {
      if (i == 0 || ((value ^ previous) >> c & 1))
        text += ' ' + QByteArray(1, char('0' + (value >> c & 1))) + char('!' + c);
    }
    text += '\n';
    previous = value;
    if (text.size() > (1 << 20)) {
      out.write(text);
      text.clear();
    }
  }
  text += '#' + QByteArray::number(kSamples) + '\n';
  out.write(text);
  return path;
}

void OpenAndRead(benchmark::State& state, const QString& path) {
  if (path.isEmpty()) {
    state.SkipWithError("the test capture could not be made");
    return;
  }
  double held = 0;
  for (auto _ : state) {
    const double before = ResidentBytes();
    QString error;
    std::unique_ptr<Tracelo::TCaptureSource> source =
        Tracelo::OpenCapture(path, Tracelo::DetectCaptureFormat(path), &error);
    if (!source || source->Info().Samples != kSamples) {
      state.SkipWithError(qPrintable(error));
      return;
    }
    // The last window: the farthest from the start.
    std::vector<quint32> window;
    source->ReadWindow(kSamples - 64000, 64000, &window, &error);
    held = ResidentBytes() - before;
    benchmark::DoNotOptimize(window.data());
  }
  state.counters["held_MB"] = held / 1e6;
  state.counters["expanded_MB"] = double(kSamples) / 1e6;
  state.counters["file_MB"] = double(QFile(path).size()) / 1e6;
}

void BM_OpenSigrok1e8(benchmark::State& state) { OpenAndRead(state, SigrokFile()); }
void BM_OpenVcd1e8(benchmark::State& state) { OpenAndRead(state, VcdFile()); }

BENCHMARK(BM_OpenSigrok1e8)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenVcd1e8)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
