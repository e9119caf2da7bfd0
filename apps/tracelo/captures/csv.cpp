// CSV captures: optional ";" comment lines (the sample rate and channel names
// may be given there), a header row of names, then one row of 0/1 columns per
// sample. Rows are found again through checkpoints every so many rows.

#include "captures/capture.h"
#include "captures/scanner.h"

#include <QFile>
#include <QSaveFile>

#include <algorithm>

namespace Tracelo {

namespace {

const int kMaxLine = 1 << 16;
const qint64 kRowsPerCheckpoint = 1 << 16;

class TCsvSource : public TCaptureSource {
 public:
  bool Open(const QString& fileName, QString* error);
  bool ReadWindow(qint64 start, int count, std::vector<quint32>* samples, QString* error) override;

 private:
  bool Fail(const QString& reason, QString* error) {
    if (error) *error = QStringLiteral("%1: %2").arg(FFile.fileName(), reason);
    return false;
  }
  // A data row as a sample; false with a reason for anything but 0/1 columns.
  bool ParseRow(const QByteArray& line, quint32* value, QString* reason) const;
  void ReadComment(const QString& comment, QStringList* commentNames);

  QFile FFile;
  int FColumns = 0;
  std::vector<qint64> FCheckpoints;  // offset of row k * kRowsPerCheckpoint
};

bool IsComment(const QByteArray& line) { return line.trimmed().startsWith(';'); }

bool TCsvSource::ParseRow(const QByteArray& line, quint32* value, QString* reason) const {
  *value = 0;
  int column = 0;
  qsizetype from = 0;
  const qsizetype comment = line.indexOf(';');
  const qsizetype stop = comment < 0 ? line.size() : comment;
  while (from <= stop) {
    qsizetype comma = line.indexOf(',', from);
    if (comma < 0 || comma > stop) comma = stop;
    const QByteArray field = line.mid(from, comma - from).trimmed();
    if (field != "0" && field != "1") {
      *reason = QStringLiteral("\"%1\" is not 0 or 1").arg(QString::fromLatin1(field.left(40)));
      return false;
    }
    if (field == "1" && column < kMaxCaptureChannels) *value |= 1u << column;
    ++column;
    from = comma + 1;
  }
  if (column != FColumns) {
    *reason = QStringLiteral("%1 columns where the header has %2").arg(column).arg(FColumns);
    return false;
  }
  return true;
}

void TCsvSource::ReadComment(const QString& comment, QStringList* commentNames) {
  const QString text = comment.mid(1).trimmed();
  if (text.startsWith(QLatin1String("Samplerate:"))) {
    const double hz = ParseRate(text.mid(11));
    if (hz > 0) FInfo.Interval = 1.0 / hz;
  } else if (text.startsWith(QLatin1String("Channels"))) {
    const int colon = text.indexOf(QLatin1Char(':'));
    if (colon > 0) {
      *commentNames = text.mid(colon + 1).split(QLatin1Char(','));
      for (QString& name : *commentNames) name = name.trimmed();
    }
  }
}

bool TCsvSource::Open(const QString& fileName, QString* error) {
  FFile.setFileName(fileName);
  FInfo.Format = TCaptureFormat::Csv;
  if (!FFile.open(QIODevice::ReadOnly)) return Fail(FFile.errorString(), error);
  TFileScanner scan(&FFile, kMaxLine);
  QByteArray line;
  QStringList commentNames;
  qint64 lineNumber = 0;
  QString reason;

  // Comments and the header row.
  bool header = false;
  while (!header && scan.NextLine(&line)) {
    ++lineNumber;
    if (IsComment(line)) {
      ReadComment(QString::fromUtf8(line.trimmed()), &commentNames);
      continue;
    }
    if (line.trimmed().isEmpty()) continue;
    const QList<QByteArray> fields = line.split(',');
    FColumns = int(fields.size());
    quint32 ignored = 0;
    if (ParseRow(line, &ignored, &reason)) {
      // No header: the first row is data.
      for (int c = 0; c < std::min(FColumns, kMaxCaptureChannels); ++c) FInfo.Names << QStringLiteral("D%1").arg(c);
      FCheckpoints.push_back(scan.ItemOffset());
      FInfo.Samples = 1;
    } else {
      for (int c = 0; c < std::min(FColumns, kMaxCaptureChannels); ++c) {
        FInfo.Names << QString::fromUtf8(fields[c].trimmed());
      }
    }
    header = true;
  }
  if (!scan.Error().isEmpty()) return Fail(scan.Error(), error);
  if (!header) return Fail(QStringLiteral("no header and no data"), error);
  // A header of column kinds ("logic,logic,...") leaves the names to the comment.
  if (commentNames.size() == FInfo.Names.size() && FInfo.Names.count(QStringLiteral("logic")) == FInfo.Names.size()) {
    FInfo.Names = commentNames;
  }

  while (scan.NextLine(&line)) {
    ++lineNumber;
    if (line.trimmed().isEmpty() || IsComment(line)) continue;
    quint32 value = 0;
    if (!ParseRow(line, &value, &reason)) return Fail(QStringLiteral("line %1: %2").arg(lineNumber).arg(reason), error);
    if (FInfo.Samples % kRowsPerCheckpoint == 0) FCheckpoints.push_back(scan.ItemOffset());
    ++FInfo.Samples;
  }
  if (!scan.Error().isEmpty()) return Fail(QStringLiteral("line %1: %2").arg(lineNumber + 1).arg(scan.Error()), error);
  if (FInfo.Samples == 0) return Fail(QStringLiteral("no samples"), error);
  return true;
}

bool TCsvSource::ReadWindow(qint64 start, int count, std::vector<quint32>* samples, QString* error) {
  samples->clear();
  if (start < 0 || start >= FInfo.Samples || count <= 0) return true;
  const qint64 end = std::min(FInfo.Samples, start + count);
  samples->reserve(std::size_t(end - start));
  TFileScanner scan(&FFile, kMaxLine);
  const qint64 checkpoint = start / kRowsPerCheckpoint;
  if (!scan.Seek(FCheckpoints[std::size_t(checkpoint)])) return Fail(scan.Error(), error);
  qint64 row = checkpoint * kRowsPerCheckpoint;
  QByteArray line;
  QString reason;
  while (row < end && scan.NextLine(&line)) {
    if (line.trimmed().isEmpty() || IsComment(line)) continue;
    quint32 value = 0;
    if (!ParseRow(line, &value, &reason)) return Fail(reason, error);
    if (row >= start) samples->push_back(value);
    ++row;
  }
  if (row < end)
    return Fail(scan.Error().isEmpty() ? QStringLiteral("the file has become shorter") : scan.Error(), error);
  return true;
}

}  // namespace

std::unique_ptr<TCaptureSource> OpenCsv(const QString& fileName, QString* error) {
  auto source = std::make_unique<TCsvSource>();
  if (!source->Open(fileName, error)) return nullptr;
  return source;
}

bool WriteCsv(const QString& fileName, const TCaptureData& data, QString* error) {
  const int channels = data.Names.size();
  QByteArray text = "; CSV written by Tracelo\n";
  text += "; Samplerate: " + RateText(1.0 / (data.Interval > 0 ? data.Interval : 1e-6)).toLatin1() + "\n";
  for (int c = 0; c < channels; ++c) {
    // Separators in a name would shift the columns.
    QByteArray name = data.Names[c].toUtf8().simplified().replace(',', '_').replace(';', '_');
    if (name.isEmpty()) name = "D" + QByteArray::number(c);
    text += (c ? "," : "") + name;
  }
  text += '\n';
  QSaveFile file(fileName);
  bool ok = file.open(QIODevice::WriteOnly);
  for (quint32 value : data.Samples) {
    for (int c = 0; c < channels; ++c) {
      if (c) text += ',';
      text += value & (1u << c) ? '1' : '0';
    }
    text += '\n';
    if (text.size() > (1 << 16)) {
      ok = ok && file.write(text) == text.size();
      text.clear();
    }
  }
  ok = ok && file.write(text) == text.size() && file.commit();
  if (!ok && error) *error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
  return ok;
}

}  // namespace Tracelo
