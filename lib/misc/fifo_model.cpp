#include "misc/fifo_model.h"

namespace Veltor {

QString FifoAppend(const QString& text, QChar c) {
  QString s = text;
  if (s.size() >= kFifoCapacity) s.remove(0, 1);
  s.append(c);
  return s;
}

QString FifoStore(const QString& text) {
  if (text.size() >= kFifoCapacity) return text.mid(1);
  return text;
}

QString FifoShown(const QString& text, int room, const std::function<int(const QString&)>& width) {
  QString s = text + QLatin1Char(' ');
  while (s.size() > 1 && width(s) > room) s.remove(0, 1);
  return s;
}

}  // namespace Veltor
