#include "bufferops.h"

#include "logic/logic.h"

#include <QFile>

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
