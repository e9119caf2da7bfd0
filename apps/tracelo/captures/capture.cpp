#include "captures/capture.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <cmath>

namespace Tracelo {

namespace {

// Lines of a CSV capture: comments, then a header or data of 0/1 columns.
bool LooksLikeCsv(const QByteArray& head) {
  static const QRegularExpression kRow(QStringLiteral("^\\s*[01]\\s*(,\\s*[01]\\s*)+$"));
  const QList<QByteArray> lines = head.split('\n');
  bool sawComment = false;
  int rows = 0;
  for (int i = 0; i + 1 < lines.size() && i < 12; ++i) {  // the last line may be cut
    const QString line = QString::fromLatin1(lines[i]).trimmed();
    if (line.startsWith(QLatin1Char(';'))) {
      sawComment = true;
      continue;
    }
    if (line.isEmpty()) continue;
    if (kRow.match(line).hasMatch()) {
      ++rows;
    } else if (rows > 0 || !line.contains(QLatin1Char(','))) {
      return false;
    }
  }
  return rows > 0 || (sawComment && head.contains("; CSV"));
}

bool LooksLikeVcd(const QByteArray& head) {
  static const char* const kKeywords[] = {"$date",  "$version", "$timescale",      "$comment",
                                          "$scope", "$var",     "$enddefinitions", "$timezero"};
  const QByteArray first = head.trimmed().split('\n').value(0).trimmed();
  for (const char* keyword : kKeywords) {
    if (first.startsWith(keyword)) return true;
  }
  return false;
}

}  // namespace

TCaptureFormat CaptureFormatFromSuffix(const QString& fileName) {
  const QString suffix = QFileInfo(fileName).suffix().toLower();
  if (suffix == QLatin1String("vcd")) return TCaptureFormat::Vcd;
  if (suffix == QLatin1String("sr")) return TCaptureFormat::Sigrok;
  if (suffix == QLatin1String("csv")) return TCaptureFormat::Csv;
  return TCaptureFormat::None;
}

TCaptureFormat DetectCaptureFormat(const QString& fileName) {
  QFile file(fileName);
  if (file.open(QIODevice::ReadOnly)) {
    const QByteArray head = file.read(4096);
    if (head.startsWith("PK\x03\x04")) return TCaptureFormat::Sigrok;
    if (LooksLikeVcd(head)) return TCaptureFormat::Vcd;
    if (LooksLikeCsv(head)) return TCaptureFormat::Csv;
    // Our own sample files are never captures, whatever their name.
    if (head.size() > 8 && head.mid(1, 7) == "Tracelo") return TCaptureFormat::None;
  }
  return CaptureFormatFromSuffix(fileName);
}

std::unique_ptr<TCaptureSource> OpenCapture(const QString& fileName, TCaptureFormat format, QString* error) {
  switch (format) {
    case TCaptureFormat::Vcd: return OpenVcd(fileName, error);
    case TCaptureFormat::Sigrok: return OpenSigrok(fileName, error);
    case TCaptureFormat::Csv: return OpenCsv(fileName, error);
    case TCaptureFormat::None: break;
  }
  if (error) *error = QStringLiteral("%1: not a capture this program reads").arg(fileName);
  return nullptr;
}

bool WriteCapture(const QString& fileName, TCaptureFormat format, const TCaptureData& data, QString* error) {
  if (data.Names.isEmpty() || data.Names.size() > kMaxCaptureChannels) {
    if (error) *error = QStringLiteral("%1: 1 to 32 channels can be written").arg(fileName);
    return false;
  }
  switch (format) {
    case TCaptureFormat::Vcd: return WriteVcd(fileName, data, error);
    case TCaptureFormat::Sigrok: return WriteSigrok(fileName, data, error);
    case TCaptureFormat::Csv: return WriteCsv(fileName, data, error);
    case TCaptureFormat::None: break;
  }
  if (error) *error = QStringLiteral("%1: no capture format chosen").arg(fileName);
  return false;
}

double ParseRate(const QString& text) {
  static const QRegularExpression kRate(QStringLiteral("^\\s*([0-9]+(?:\\.[0-9]*)?)\\s*([kKMG]?)(?:Hz)?\\s*$"));
  const QRegularExpressionMatch m = kRate.match(text);
  if (!m.hasMatch()) return 0;
  double hz = m.captured(1).toDouble();
  const QString prefix = m.captured(2);
  if (prefix == QLatin1String("k") || prefix == QLatin1String("K")) hz *= 1e3;
  if (prefix == QLatin1String("M")) hz *= 1e6;
  if (prefix == QLatin1String("G")) hz *= 1e9;
  return std::isfinite(hz) ? hz : 0;
}

QString RateText(double hz) {
  const qint64 rate = std::max<qint64>(1, std::llround(hz));
  if (rate % 1000000000 == 0) return QStringLiteral("%1 GHz").arg(rate / 1000000000);
  if (rate % 1000000 == 0) return QStringLiteral("%1 MHz").arg(rate / 1000000);
  if (rate % 1000 == 0) return QStringLiteral("%1 kHz").arg(rate / 1000);
  return QStringLiteral("%1 Hz").arg(rate);
}

}  // namespace Tracelo
