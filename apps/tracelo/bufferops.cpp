#include "bufferops.h"

#include "logic/logic.h"
#include "logic/logic_model.h"

#include <QFile>

#include <algorithm>

namespace Tracelo {

void FillRandom(Veltor::TLogic& display, QRandomGenerator& random) {
  for (int i = 0; i < display.BufferCount(); ++i) {
    const quint32 h = random.bounded(65535u);
    const quint32 l = random.bounded(65535u);
    display.SetSample(i, int(h * 65536u + l));
  }
}

bool ReadRawFile(Veltor::TLogic& display, const QString& fileName, QString* errorText) {
  QFile file(fileName);
  if (!file.open(QIODevice::ReadOnly)) {
    if (errorText) *errorText = QStringLiteral("%1: %2").arg(fileName, file.errorString());
    return false;
  }
  const int width = display.LogSize() == Veltor::TLogic::Size8    ? 1
                    : display.LogSize() == Veltor::TLogic::Size16 ? 2
                                                                  : 4;
  // Nothing past what the buffer can take is read.
  const QByteArray bytes = file.read(qint64(display.BufferCount()) * width);
  if (file.error() != QFileDevice::NoError) {
    if (errorText) *errorText = QStringLiteral("%1: %2").arg(fileName, file.errorString());
    return false;
  }
  quint32 value = 0;
  int index = 0;
  for (int i = 0; i < bytes.size() && index < display.BufferCount(); ++i) {
    value = (value << 8) | quint8(bytes[i]);
    if ((i + 1) % width == 0) display.SetSample(index++, int(value));
  }
  return true;
}

bool LoadCapture(Veltor::TLogic& display, const QString& fileName, TCaptureFormat format, qint64 from, QString* shown,
                 QString* errorText) {
  std::unique_ptr<TCaptureSource> capture = OpenCapture(fileName, format, errorText);
  if (!capture) return false;
  const TCaptureInfo& info = capture->Info();
  if (from < 0 || from >= info.Samples) {
    if (errorText) {
      *errorText = QStringLiteral("%1: the start %2 lies beyond the last sample %3")
                       .arg(fileName)
                       .arg(from)
                       .arg(info.Samples - 1);
    }
    return false;
  }
  const int channels = int(info.Names.size());
  const int width = channels <= 8 ? 1 : channels <= 16 ? 2 : 4;
  const qint64 wanted = std::min<qint64>(info.Samples - from, Veltor::TLogicModel::kMaxBufferSize / width);
  std::vector<quint32> samples;
  if (!capture->ReadWindow(from, int(wanted), &samples, errorText)) return false;

  display.SetLogSize(width == 1 ? Veltor::TLogic::Size8 : width == 2 ? Veltor::TLogic::Size16 : Veltor::TLogic::Size32);
  display.SetBufferSize(int(wanted) * width);
  QStringList names = info.Names;
  while (names.size() < display.MaxChan() + 1) names << QString();
  display.SetChanNamen(names);
  if (info.Interval > 0) display.SetTimeBase(info.Interval);
  for (int i = 0; i < display.BufferCount(); ++i) {
    display.SetSample(i, i < int(samples.size()) ? int(samples[std::size_t(i)]) : 0);
  }
  if (shown) {
    *shown = QStringLiteral("samples %1-%2 of %3").arg(from).arg(from + qint64(samples.size()) - 1).arg(info.Samples);
  }
  return true;
}

bool SaveCapture(const Veltor::TLogic& display, const QString& fileName, TCaptureFormat format, QString* errorText) {
  TCaptureData data;
  for (int c = 0; c <= display.MaxChan(); ++c) data.Names << display.ChannelLabel(c);
  data.Interval = display.TimeBase();
  data.Samples.reserve(std::size_t(display.BufferCount()));
  for (int i = 0; i < display.BufferCount(); ++i) data.Samples.push_back(quint32(display.GetSample(i)));
  return WriteCapture(fileName, format, data, errorText);
}

bool WriteListing(const Veltor::TLogic& display, QIODevice& out) {
  for (int p = 0; p < display.BufferCount(); ++p) {
    QStringList pieces = display.TextLinePieces(p, true);
    // The characters between the apostrophes: printable ASCII or a dot.
    QString& chars = pieces[2];
    for (int i = 3; i < chars.size() - 1; ++i) {
      const ushort u = chars[i].unicode();
      if (u < 32 || u > 126) chars[i] = QLatin1Char('.');
    }
    const QByteArray line = (pieces.join(QString()) + QLatin1Char('\n')).toLatin1();
    if (out.write(line) != line.size()) return false;
  }
  return true;
}

}  // namespace Tracelo
