// sigrok session files: a zip holding "version", "metadata" and the logic
// data in numbered chunks. Chunks are read on demand, never all at once.

#include "captures/capture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <zip.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace Tracelo {

namespace {

const zip_uint64_t kMaxMetadata = 1 << 16;

struct TChunk {
  zip_uint64_t Index;
  qint64 First;    // the chunk's first sample
  qint64 Samples;  // whole samples in it
};

QString ZipError(int code) {
  zip_error_t error;
  zip_error_init_with_code(&error, code);
  const QString text = QString::fromLocal8Bit(zip_error_strerror(&error));
  zip_error_fini(&error);
  return text;
}

class TSigrokSource : public TCaptureSource {
 public:
  ~TSigrokSource() override {
    if (FZip) zip_discard(FZip);
  }
  bool Open(const QString& fileName, QString* error);
  bool ReadWindow(qint64 start, int count, std::vector<quint32>* samples, QString* error) override;

 private:
  bool Fail(const QString& reason, QString* error) {
    if (error) *error = QStringLiteral("%1: %2").arg(FFileName, reason);
    return false;
  }
  // A small member of the zip; false when missing, too large or unreadable.
  bool ReadSmall(const char* name, QByteArray* bytes);
  bool ReadMetadata(const QByteArray& text, QString* capture, QString* reason);

  QString FFileName;
  zip_t* FZip = nullptr;
  int FUnitSize = 1;
  std::vector<TChunk> FChunks;
};

bool TSigrokSource::ReadSmall(const char* name, QByteArray* bytes) {
  zip_stat_t st;
  if (zip_stat(FZip, name, 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE) || st.size > kMaxMetadata) return false;
  zip_file_t* file = zip_fopen(FZip, name, 0);
  if (!file) return false;
  bytes->resize(qsizetype(st.size));
  const zip_int64_t read = zip_fread(file, bytes->data(), st.size);
  zip_fclose(file);
  return read == zip_int64_t(st.size);
}

bool TSigrokSource::ReadMetadata(const QByteArray& text, QString* capture, QString* reason) {
  bool inDevice = false;
  int probes = 0;
  QStringList names;
  for (const QByteArray& raw : text.split('\n')) {
    const QString line = QString::fromUtf8(raw).trimmed();
    if (line.startsWith(QLatin1Char('['))) {
      inDevice = line == QLatin1String("[device 1]");
      continue;
    }
    const int eq = line.indexOf(QLatin1Char('='));
    if (!inDevice || eq < 0) continue;
    const QString key = line.left(eq).trimmed();
    const QString value = line.mid(eq + 1).trimmed();
    if (key == QLatin1String("capturefile")) {
      *capture = value;
    } else if (key == QLatin1String("total probes")) {
      probes = std::clamp(value.toInt(), 0, 1 << 20);
    } else if (key == QLatin1String("samplerate")) {
      const double hz = ParseRate(value);
      FInfo.Interval = hz > 0 ? 1.0 / hz : 0;
    } else if (key == QLatin1String("unitsize")) {
      FUnitSize = value.toInt();
    } else if (key.startsWith(QLatin1String("probe"))) {
      bool ok = false;
      const int n = key.mid(5).toInt(&ok);
      if (ok && n >= 1 && n <= kMaxCaptureChannels) {
        while (names.size() < n) names << QString();
        names[n - 1] = value;
      }
    }
  }
  if (capture->isEmpty()) {
    *reason = QStringLiteral("the metadata names no logic data");
    return false;
  }
  if (FUnitSize < 1 || FUnitSize > 4) {
    *reason = QStringLiteral("unit size %1 (1 to 4 bytes are read)").arg(FUnitSize);
    return false;
  }
  const int channels = std::min({std::max(probes, int(names.size())), kMaxCaptureChannels, FUnitSize * 8});
  if (channels < 1) {
    *reason = QStringLiteral("no probes");
    return false;
  }
  for (int c = 0; c < channels; ++c) {
    const QString name = names.value(c);
    FInfo.Names << (name.isEmpty() ? QStringLiteral("D%1").arg(c) : name);
  }
  return true;
}

bool TSigrokSource::Open(const QString& fileName, QString* error) {
  FFileName = fileName;
  FInfo.Format = TCaptureFormat::Sigrok;
  int code = 0;
  FZip = zip_open(QFile::encodeName(fileName).constData(), ZIP_RDONLY, &code);
  if (!FZip) return Fail(ZipError(code), error);
  QByteArray version, metadata;
  if (!ReadSmall("version", &version) || version.trimmed() != "2") {
    return Fail(QStringLiteral("not a sigrok session of version 2"), error);
  }
  if (!ReadSmall("metadata", &metadata)) return Fail(QStringLiteral("no readable metadata"), error);
  QString capture, reason;
  if (!ReadMetadata(metadata, &capture, &reason)) return Fail(reason, error);

  // The chunks capture-1, capture-2, ... in order; an older session holds one
  // member named as the capture itself.
  qint64 total = 0;
  for (int n = 1;; ++n) {
    const QByteArray name = (capture + QStringLiteral("-%1").arg(n)).toUtf8();
    zip_stat_t st;
    if (zip_stat(FZip, name.constData(), 0, &st) != 0) {
      if (n == 1 && zip_stat(FZip, capture.toUtf8().constData(), 0, &st) == 0 && (st.valid & ZIP_STAT_SIZE)) {
        FChunks.push_back({st.index, 0, qint64(st.size / FUnitSize)});
        total = FChunks.back().Samples;
      }
      break;
    }
    if (!(st.valid & ZIP_STAT_SIZE) || st.size > zip_uint64_t(std::numeric_limits<qint64>::max() / 2)) {
      return Fail(QStringLiteral("the size of %1 is not known").arg(QString::fromUtf8(name)), error);
    }
    FChunks.push_back({st.index, total, qint64(st.size / FUnitSize)});
    total += FChunks.back().Samples;
  }
  FInfo.Samples = total;
  if (total <= 0) return Fail(QStringLiteral("no logic data"), error);
  return true;
}

bool TSigrokSource::ReadWindow(qint64 start, int count, std::vector<quint32>* samples, QString* error) {
  samples->clear();
  if (start < 0 || start >= FInfo.Samples || count <= 0) return true;
  const qint64 end = std::min(FInfo.Samples, start + count);
  samples->reserve(std::size_t(end - start));
  const quint32 mask = FInfo.Names.size() >= 32 ? 0xffffffffu : (1u << FInfo.Names.size()) - 1;
  QByteArray bytes;
  for (const TChunk& chunk : FChunks) {
    const qint64 from = std::max(start, chunk.First);
    const qint64 to = std::min(end, chunk.First + chunk.Samples);
    if (from >= to) continue;
    zip_file_t* file = zip_fopen_index(FZip, chunk.Index, 0);
    if (!file) return Fail(QString::fromLocal8Bit(zip_strerror(FZip)), error);
    // Compressed data has to be read up to the window; it is thrown away in blocks.
    qint64 skip = (from - chunk.First) * FUnitSize;
    bool ok = true;
    bytes.resize(1 << 16);
    while (ok && skip > 0) {
      const zip_int64_t n = zip_fread(file, bytes.data(), zip_uint64_t(std::min<qint64>(skip, bytes.size())));
      ok = n > 0;
      skip -= n;
    }
    const qint64 want = (to - from) * FUnitSize;
    bytes.resize(qsizetype(want));
    ok = ok && zip_fread(file, bytes.data(), zip_uint64_t(want)) == want;
    zip_fclose(file);
    if (!ok) return Fail(QStringLiteral("the logic data ends early or is damaged"), error);
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    for (qint64 i = 0; i < to - from; ++i) {
      quint32 value = 0;
      for (int b = 0; b < FUnitSize; ++b) value |= quint32(data[i * FUnitSize + b]) << (8 * b);
      samples->push_back(value & mask);
    }
  }
  return true;
}

}  // namespace

std::unique_ptr<TCaptureSource> OpenSigrok(const QString& fileName, QString* error) {
  auto source = std::make_unique<TSigrokSource>();
  if (!source->Open(fileName, error)) return nullptr;
  return source;
}

bool WriteSigrok(const QString& fileName, const TCaptureData& data, QString* error) {
  const int channels = data.Names.size();
  const int unitSize = channels <= 8 ? 1 : channels <= 16 ? 2 : 4;
  QByteArray metadata = "[global]\nsigrok version=0.5.2\n\n[device 1]\ncapturefile=logic-1\n";
  metadata += "total probes=" + QByteArray::number(channels) + "\n";
  metadata += "samplerate=" + RateText(1.0 / (data.Interval > 0 ? data.Interval : 1e-6)).toLatin1() + "\n";
  metadata += "total analog=0\n";
  for (int c = 0; c < channels; ++c) {
    QByteArray name = data.Names[c].toUtf8().simplified();
    if (name.isEmpty()) name = "D" + QByteArray::number(c);
    metadata += "probe" + QByteArray::number(c + 1) + "=" + name + "\n";
  }
  metadata += "unitsize=" + QByteArray::number(unitSize) + "\n";
  QByteArray logic;
  logic.reserve(qsizetype(data.Samples.size()) * unitSize);
  for (quint32 value : data.Samples) {
    for (int b = 0; b < unitSize; ++b) logic += char(value >> (8 * b));
  }
  const QByteArray version = "2";

  // Written beside the target and put in its place only when complete.
  const QString part = fileName + QStringLiteral(".part");
  auto fail = [&](const QString& reason) {
    QFile::remove(part);
    if (error) *error = QStringLiteral("%1: %2").arg(fileName, reason);
    return false;
  };
  int code = 0;
  zip_t* zip = zip_open(QFile::encodeName(part).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
  if (!zip) return fail(ZipError(code));
  const std::pair<const char*, const QByteArray*> members[] = {
      {"version", &version}, {"metadata", &metadata}, {"logic-1-1", &logic}};
  for (const auto& [name, bytes] : members) {
    zip_source_t* source = zip_source_buffer(zip, bytes->constData(), zip_uint64_t(bytes->size()), 0);
    if (!source || zip_file_add(zip, name, source, ZIP_FL_OVERWRITE) < 0) {
      if (source) zip_source_free(source);
      const QString reason = QString::fromLocal8Bit(zip_strerror(zip));
      zip_discard(zip);
      return fail(reason);
    }
  }
  if (zip_close(zip) != 0) {
    const QString reason = QString::fromLocal8Bit(zip_strerror(zip));
    zip_discard(zip);
    return fail(reason);
  }
  if (std::rename(QFile::encodeName(part).constData(), QFile::encodeName(fileName).constData()) != 0) {
    return fail(QStringLiteral("cannot replace the file"));
  }
  return true;
}

}  // namespace Tracelo
