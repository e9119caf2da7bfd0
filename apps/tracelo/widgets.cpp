#include "widgets.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <array>

namespace Tracelo {

// ---------------------------------------------------------------- TColorGrid

TColorGrid::TColorGrid(QWidget* parent) : QWidget(parent) { setMinimumSize(kCells * 4, 8); }

Veltor::TColor TColorGrid::CellColor(int index) {
  static constexpr std::array<quint32, kCells> kColours = {0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080,
                                                           0x808000, 0xC0C0C0, 0x808080, 0x0000FF, 0x00FF00, 0x00FFFF,
                                                           0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
  return Veltor::TColor(kColours[std::size_t(std::clamp(index, 0, kCells - 1))]);
}

void TColorGrid::SetForegroundIndex(int index) {
  index = std::clamp(index, 0, kCells - 1);
  if (index == FForeground) return;
  FForeground = index;
  update();
}

QRect TColorGrid::CellRect(int index) const {
  const int left = width() * index / kCells;
  const int right = width() * (index + 1) / kCells;
  return QRect(left, 0, right - left, height());
}

int TColorGrid::CellAt(const QPoint& p) const {
  if (!rect().contains(p)) return -1;
  for (int i = 0; i < kCells; ++i) {
    if (CellRect(i).contains(p)) return i;
  }
  return -1;
}

void TColorGrid::paintEvent(QPaintEvent*) {
  QPainter p(this);
  for (int i = 0; i < kCells; ++i) {
    const QRect r = CellRect(i).adjusted(1, 1, -1, -1);
    p.fillRect(r, CellColor(i).ToQColor());
    p.setPen(Qt::gray);
    p.drawRect(r.adjusted(0, 0, -1, -1));
  }
  // The foreground cell carries a mark.
  const QRect fg = CellRect(FForeground);
  p.setPen(CellColor(FForeground).ToQColor().lightness() > 128 ? Qt::black : Qt::white);
  p.drawText(fg, Qt::AlignCenter, QStringLiteral("FG"));
}

void TColorGrid::mousePressEvent(QMouseEvent* e) {
  if (e->button() != Qt::LeftButton) return;
  const int cell = CellAt(e->position().toPoint());
  if (cell < 0) return;
  SetForegroundIndex(cell);
  emit OnClick(this);
}

}  // namespace Tracelo
