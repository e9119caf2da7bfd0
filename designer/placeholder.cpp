#include "placeholder.h"

#include <QPainter>

#include <cstring>

namespace VeltorDesigner {

namespace {

// moc's string table: pairs of (offset, length) from its start, then the
// characters. The class name is string 0.
QVector<uint> RenamedStrings(const QMetaObject& meta, const QByteArray& className) {
  const uint* table = meta.d.stringdata;
  const uint count = table[0] / (2 * sizeof(uint));
  uint end = table[0];
  for (uint i = 0; i < count; ++i) end = qMax(end, table[2 * i] + table[2 * i + 1] + 1);
  QVector<uint> strings((end + className.size() + 1 + sizeof(uint) - 1) / sizeof(uint) + 1, 0);
  std::memcpy(strings.data(), table, end);
  strings[0] = end;
  strings[1] = uint(className.size());
  std::memcpy(reinterpret_cast<char*>(strings.data()) + end, className.constData(), className.size());
  return strings;
}

}  // namespace

TComponentPlaceholder::TComponentPlaceholder(const QString& className, QWidget* parent)
    : TPlaceholderTile(parent), FClassName(className) {
  FStrings = RenamedStrings(TPlaceholderTile::staticMetaObject, className.toLatin1());
  FMetaObject = TPlaceholderTile::staticMetaObject;
  FMetaObject.d.stringdata = FStrings.constData();
  resize(kSide, kSide);
  setToolTip(className);
}

// A raised grey tile with the class name's capitals ("TSmartTimer" -> "ST").
void TComponentPlaceholder::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect tile = rect().adjusted(0, 0, -1, -1);
  painter.fillRect(tile, QColor(0xE0, 0xE0, 0xE0));
  painter.setPen(Qt::white);
  painter.drawLine(tile.topLeft(), tile.topRight());
  painter.drawLine(tile.topLeft(), tile.bottomLeft());
  painter.setPen(QColor(0x60, 0x60, 0x60));
  painter.drawLine(tile.bottomLeft(), tile.bottomRight());
  painter.drawLine(tile.topRight(), tile.bottomRight());

  QString capitals;
  for (const QChar c : FClassName.mid(FClassName.lastIndexOf(QLatin1Char(':')) + 2)) {
    if (c.isUpper()) capitals += c;
  }
  QFont font = painter.font();
  font.setPixelSize(11);
  font.setBold(true);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(tile, Qt::AlignCenter, capitals.left(3));
}

}  // namespace VeltorDesigner
