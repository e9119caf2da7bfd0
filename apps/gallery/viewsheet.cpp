#include "viewsheet.h"

#include <QPainter>

#include <algorithm>
#include <cstdio>

namespace VeltorGallery {

namespace {
constexpr int kGap = 10;
constexpr int kLabel = 16;
}  // namespace

QImage ViewSheet(const std::vector<TSheetPicture>& pictures, int columns, int minCellWidth) {
  const std::size_t perRow = std::size_t(std::max(columns, 1));
  std::vector<QPoint> places;
  int y = kGap, width = 0;
  for (std::size_t row = 0; row < pictures.size(); row += perRow) {
    int x = kGap, height = 0;
    for (std::size_t i = row; i < std::min(pictures.size(), row + perRow); ++i) {
      places.emplace_back(x, y);
      x += std::max(pictures[i].Cell.width(), minCellWidth) + kGap;
      height = std::max(height, pictures[i].Cell.height());
    }
    width = std::max(width, x);
    y += height + kLabel + kGap;
  }
  QImage sheet(std::max(width, 1), y, QImage::Format_RGB32);
  sheet.fill(QColor(0xa8, 0xb4, 0xc0));
  QPainter p(&sheet);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    p.drawImage(places[i], pictures[i].Image);
    p.drawText(places[i].x(), places[i].y() + pictures[i].Cell.height() + kLabel - 4, pictures[i].Title);
  }
  return sheet;
}

int SaveSheet(const QImage& sheet, int zoom, const char* path, const char* program) {
  const QImage out = zoom > 1 ? sheet.scaled(sheet.size() * zoom) : sheet;
  if (out.save(QString::fromLocal8Bit(path))) return 0;
  std::fprintf(stderr, "%s: cannot write %s\n", program, path);
  return 1;
}

}  // namespace VeltorGallery
