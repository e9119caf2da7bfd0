#include "placeholder.h"

#include <QPainter>

namespace VeltorDesigner {

TComponentPlaceholder::TComponentPlaceholder(const QString& className, QWidget* parent)
    : QWidget(parent), FClassName(className) {
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
