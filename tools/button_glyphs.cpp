// veltor_button_glyphs: draws the pictures the switch, picture and
// multi-bitmap buttons and the box line use in the demonstrations, and
// writes them as PNG files into a folder (lib/buttons/glyphs, where
// buttonglyphs.qrc picks them up).
//
//   veltor_button_glyphs DIR
//
// Strips have olive (the buttons' transparent colour) wherever the picture
// leaves the background through.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

const QColor kOlive(0x80, 0x80, 0x00);

// A strip of count cells of cell x cell pixels on olive; draw paints cell i
// with its origin at the cell's top-left corner.
QImage Strip(int cell, int count, const std::function<void(QPainter&, int)>& draw, bool antialias = true) {
  QImage image(cell * count, cell, QImage::Format_RGB32);
  image.fill(kOlive);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing, antialias);
  for (int i = 0; i < count; ++i) {
    p.save();
    p.translate(i * cell, 0);
    p.setClipRect(0, 0, cell, cell);
    draw(p, i);
    p.restore();
  }
  return image;
}

// A fan of three blades turned a quarter of a blade further in each cell.
// Drawn aliased, so that no edge pixel mixes with the olive background.
QImage Fan() {
  return Strip(
      32, 4,
      [](QPainter& p, int i) {
        p.translate(16, 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x30, 0x30));
        p.drawEllipse(QPointF(0, 0), 14, 14);
        p.setBrush(QColor(0x40, 0xc0, 0xff));
        for (int blade = 0; blade < 3; ++blade) {
          p.save();
          p.rotate(blade * 120.0 + i * 30.0);
          QPainterPath path;
          path.moveTo(0, 0);
          path.cubicTo(4, -4, 6, -10, 2, -13);
          path.cubicTo(-2, -12, -4, -6, 0, 0);
          p.drawPath(path);
          p.restore();
        }
        p.setBrush(QColor(0xe0, 0xe0, 0xe0));
        p.drawEllipse(QPointF(0, 0), 3, 3);
      },
      false);
}

// A bulb dark and lit.
QImage Lamp() {
  return Strip(
      32, 2,
      [](QPainter& p, int i) {
        const bool lit = i == 1;
        p.setPen(QPen(Qt::black, 1));
        if (lit) {
          p.setBrush(QColor(0xff, 0xff, 0x80));
          p.drawEllipse(QPointF(16, 13), 11, 11);
        }
        p.setBrush(lit ? QColor(0xff, 0xe0, 0x00) : QColor(0x70, 0x70, 0x60));
        p.drawEllipse(QPointF(16, 13), 8, 8);
        p.setBrush(QColor(0x90, 0x90, 0x90));
        p.drawRect(12, 21, 8, 7);
        p.drawLine(12, 24, 20, 24);
      },
      false);
}

// A loudspeaker with three sound waves, on a transparent background.
QImage Speaker() {
  QImage image(48, 48, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::white, 2));
  p.setBrush(QColor(0xff, 0xc0, 0x00));
  const QPointF cone[] = {{6, 18}, {14, 18}, {24, 8}, {24, 40}, {14, 30}, {6, 30}};
  p.drawPolygon(cone, 6);
  p.setBrush(Qt::NoBrush);
  for (int r = 0; r < 3; ++r) {
    const qreal radius = 8 + r * 6;
    p.drawArc(QRectF(24 - radius, 24 - radius, 2 * radius, 2 * radius), -45 * 16, 90 * 16);
  }
  return image;
}

// The two faces of a day-and-night switch.
QImage Sun() {
  QImage image(32, 24, QImage::Format_RGB32);
  image.fill(QColor(0x40, 0xa0, 0xff));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(16, 12);
  p.setPen(QPen(QColor(0xff, 0xe0, 0x00), 2));
  for (int ray = 0; ray < 8; ++ray) {
    p.drawLine(QPointF(0, 7), QPointF(0, 10));
    p.rotate(45);
  }
  p.setBrush(QColor(0xff, 0xe0, 0x00));
  p.drawEllipse(QPointF(0, 0), 5, 5);
  return image;
}

QImage Moon() {
  QImage image(32, 24, QImage::Format_RGB32);
  image.fill(QColor(0x10, 0x10, 0x40));
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QPainterPath disc;
  disc.addEllipse(QPointF(16, 12), 8, 8);
  QPainterPath bite;
  bite.addEllipse(QPointF(20, 9), 7, 7);
  p.fillPath(disc.subtracted(bite), QColor(0xf0, 0xf0, 0xc0));
  p.setPen(QColor(0xff, 0xff, 0xff));
  p.drawPoint(6, 5);
  p.drawPoint(25, 18);
  p.drawPoint(27, 6);
  return image;
}

// Box-line pictures with a disabled (left) and an enabled (right) image.
QImage TwoState(const std::function<void(QPainter&, const QColor&)>& mark) {
  return Strip(
      15, 2,
      [&](QPainter& p, int i) {
        const QColor ink = i == 0 ? QColor(0x80, 0x80, 0x80) : QColor(0x00, 0x80, 0x00);
        mark(p, ink);
      },
      false);
}

QImage Tick() {
  return TwoState([](QPainter& p, const QColor& ink) {
    p.setPen(QPen(ink, 2));
    p.drawLine(3, 7, 6, 11);
    p.drawLine(6, 11, 12, 3);
  });
}

QImage Cross() {
  return TwoState([](QPainter& p, const QColor& ink) {
    p.setPen(QPen(ink == QColor(0x00, 0x80, 0x00) ? QColor(0xc0, 0x00, 0x00) : ink, 2));
    p.drawLine(3, 3, 11, 11);
    p.drawLine(11, 3, 3, 11);
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: veltor_button_glyphs DIR\n");
    return 2;
  }
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  const struct {
    const char* Name;
    QImage Image;
  } pictures[] = {{"fan.png", Fan()},   {"lamp.png", Lamp()}, {"speaker.png", Speaker()}, {"sun.png", Sun()},
                  {"moon.png", Moon()}, {"tick.png", Tick()}, {"cross.png", Cross()}};
  for (const auto& picture : pictures) {
    const QString path = dir.filePath(QString::fromLatin1(picture.Name));
    if (!picture.Image.save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
