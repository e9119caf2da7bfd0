#include "gallery.h"

#include "host/control.h"
#include "host/formloader.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QWidget>
#include <QtMath>

#include <algorithm>
#include <memory>

namespace Gallery {

namespace {

// A control that leaves its size to the form gets this much room.
const QSize kFallbackSize(120, 60);
const QSize kComponentTile(96, 48);

const int kGap = 16;          // between tiles and around the sheet
const int kLabelHeight = 20;  // the class name under each tile
// Darker than the controls' face colour, so their bevels show where they end.
const QColor kSheetColour(0xa8, 0xb4, 0xc0);

// What a form designer shows for a component, which draws nothing itself:
// a raised box saying so.
QImage ComponentPicture() {
  QImage image(kComponentTile, QImage::Format_RGB32);
  image.fill(QColor(0xc0, 0xc0, 0xc0));
  QPainter p(&image);
  const QRect r = image.rect();
  p.setPen(Qt::white);
  p.drawLine(r.topLeft(), r.topRight());
  p.drawLine(r.topLeft(), r.bottomLeft());
  p.setPen(QColor(0x80, 0x80, 0x80));
  p.drawLine(r.bottomLeft(), r.bottomRight());
  p.drawLine(r.topRight(), r.bottomRight());
  p.setPen(Qt::black);
  QFont font = p.font();
  font.setPixelSize(11);
  p.setFont(font);
  p.drawText(r.adjusted(2, 2, -2, -2), Qt::AlignCenter, QStringLiteral("non-visual\ncomponent"));
  return image;
}

}  // namespace

std::vector<TTile> MakeTiles(qreal ratio) {
  QWidget window;
  window.setAttribute(Qt::WA_DontShowOnScreen);
  std::vector<TTile> tiles;
  std::vector<QWidget*> controls;
  int x = 0;
  for (const QString& name : Veltor::TFormLoader::RegisteredClasses()) {
    QObject* object = Veltor::TFormLoader::CreateObject(name, &window);
    TTile tile{name, QImage(), !object || !object->isWidgetType()};
    if (tile.NonVisual) {
      tile.Picture = ComponentPicture();
    } else {
      auto* widget = static_cast<QWidget*>(object);
      // As a form designer does, a new control shows its name as its caption.
      const int caption = widget->metaObject()->indexOfProperty("Caption");
      if (caption >= 0 && widget->property("Caption").toString().isEmpty()) widget->setProperty("Caption", name);
      if (widget->size().isEmpty()) widget->resize(kFallbackSize);
      // Side by side, so no control covers another.
      widget->move(x, 0);
      x += widget->width() + kGap;
    }
    controls.push_back(tile.NonVisual ? nullptr : static_cast<QWidget*>(object));
    tiles.push_back(std::move(tile));
  }
  window.resize(std::max(x, 1), 1);
  window.show();
  QApplication::processEvents();
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    if (controls[i]) tiles[i].Picture = Veltor::GrabAtRatio(controls[i], ratio).convertToFormat(QImage::Format_RGB32);
  }
  return tiles;
}

QImage ContactSheet(const std::vector<TTile>& tiles, int maxWidth, qreal ratio) {
  // Tiles may carry a device pixel ratio; the sheet is laid out in logical pixels.
  const auto size = [](const QImage& img) { return img.deviceIndependentSize().toSize(); };
  QFont font = QApplication::font();
  font.setPixelSize(12);
  const QFontMetrics metrics(font);

  // Rows first: positions of every tile and the size of the whole sheet.
  std::vector<QPoint> places;
  int x = kGap, y = kGap, rowHeight = 0, width = 0;
  for (const TTile& tile : tiles) {
    const int cellWidth = std::max(size(tile.Picture).width(), metrics.horizontalAdvance(tile.ClassName));
    if (x > kGap && x + cellWidth + kGap > maxWidth) {
      x = kGap;
      y += rowHeight + kLabelHeight + kGap;
      rowHeight = 0;
    }
    places.emplace_back(x, y);
    x += cellWidth + kGap;
    width = std::max(width, x);
    rowHeight = std::max(rowHeight, size(tile.Picture).height());
  }
  const int height = y + rowHeight + kLabelHeight + kGap;

  QImage sheet(qCeil(std::max(width, 2 * kGap) * ratio), qCeil(height * ratio), QImage::Format_RGB32);
  sheet.setDevicePixelRatio(ratio);
  sheet.fill(kSheetColour);
  QPainter p(&sheet);
  p.setFont(font);
  p.setPen(Qt::black);
  for (std::size_t i = 0; i < tiles.size(); ++i) {
    const TTile& tile = tiles[i];
    p.drawImage(places[i], tile.Picture);
    const QSize picture = size(tile.Picture);
    const QRect label(places[i].x(), places[i].y() + picture.height() + 2,
                      std::max(picture.width(), metrics.horizontalAdvance(tile.ClassName)), kLabelHeight);
    p.drawText(label, Qt::AlignLeft | Qt::AlignTop, tile.ClassName);
  }
  return sheet;
}

}  // namespace Gallery
