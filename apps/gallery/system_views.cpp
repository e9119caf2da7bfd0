// veltor_system_views: spy eyes at several sizes and pointer places, the
// rest-time hint over a control, and the gradient background in each
// direction, side by side in one picture for a person to look at.
//
//   veltor_system_views FILE.png

#include "misc/background.h"
#include "system/bitwin.h"
#include "system/spy.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <cstdio>
#include <vector>

using namespace Veltor;

namespace {

const int kGap = 12;
const int kLabel = 16;

struct TShot {
  QString Title;
  QImage Picture;
};

QImage Eyes(QSize size, QPoint pointer) {
  QWidget form;
  form.setGeometry(0, 0, 400, 400);
  auto* spy = new TSpy(&form);
  spy->SetActive(false);
  spy->setGeometry(0, 0, size.width(), size.height());
  form.show();
  QApplication::processEvents();
  spy->PaintNow();
  spy->Follow(spy->mapToGlobal(pointer));
  QImage img(size, QImage::Format_RGB32);
  img.fill(QColor(0xc0, 0xc0, 0xc0));
  QPainter(&img).drawImage(0, 0, spy->SurfaceImage());
  return img;
}

QImage Gradient(TFillDirection direction, int colours, TColor begin, TColor end) {
  TBackGround bg;
  bg.resize(120, 90);
  bg.SetFillDirection(direction);
  bg.SetNumberOfColors(colours);
  bg.SetBeginColor(begin);
  bg.SetEndColor(end);
  return bg.SurfaceImage().convertToFormat(QImage::Format_RGB32);
}

// A grey panel with the hint shown where the pointer rests.
QImage Hint(const QString& text, TbsOriginH h, TbsOriginV v) {
  QWidget form;
  form.setGeometry(50, 50, 220, 110);
  form.setStyleSheet("background: #d4d0c8");
  form.show();
  TBitWin bits(&form);
  qint64 now = 0;
  const QPoint rest = form.mapToGlobal(QPoint(110, 55));
  TBitWinProbe probe{[&] { return now; }, [&] { return rest; }, [] { return true; }};
  bits.Window()->SetProbe(probe);
  bits.SetOriginHor(h);
  bits.SetOriginVert(v);
  QObject::connect(&bits, &TBitWin::OnShow, [&](QObject*, QPoint&, QString& info, bool& show) {
    info = text;
    show = true;
  });
  for (int i = 0; i < 3; ++i) {
    bits.Window()->Poll();
    now += 2000;
  }
  QImage img = form.grab().toImage().convertToFormat(QImage::Format_RGB32);
  QPainter p(&img);
  p.drawImage(bits.Window()->pos() - form.pos(), bits.Window()->SurfaceImage());
  p.setPen(Qt::red);
  p.drawLine(105, 55, 115, 55);
  p.drawLine(110, 50, 110, 60);
  return img;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: veltor_system_views FILE.png\n");
    return 2;
  }
  std::vector<TShot> shots = {
      {"eyes 100, right", Eyes({100, 100}, {400, 50})},
      {"eyes 100, lower left", Eyes({100, 100}, {-200, 300})},
      {"eyes 100, inside", Eyes({100, 100}, {30, 60})},
      {"eyes 60x120, up", Eyes({60, 120}, {30, -300})},
      {"eyes 30, down right", Eyes({30, 30}, {200, 200})},
      {"top to bottom, 64", Gradient(fdTopToBottom, 64, clBlue, clBlack)},
      {"bottom to top, 8", Gradient(fdBottomToTop, 8, clBlue, clBlack)},
      {"left to right, 16", Gradient(fdLeftToRight, 16, clRed, clYellow)},
      {"right to left, 2", Gradient(fdRightToLeft, 2, clBlack, clWhite)},
      {"one colour", Gradient(fdTopToBottom, 1, clTeal, clWhite)},
      {"hint, one line", Hint("Bit 7", bwhLeft, bwvTop)},
      {"hint, 3 lines, centre", Hint("Kanal 3^MPegel high^MZeit 12 ms", bwhCenter, bwvCenter)},
      {"hint, right bottom", Hint("a longer hint text", bwhRight, bwvBottom)},
  };
  int height = 0, x = kGap;
  for (const TShot& s : shots) height = std::max(height, s.Picture.height());
  const int rowWidth = 900;
  std::vector<QPoint> places;
  int y = kGap;
  for (const TShot& s : shots) {
    const int w = std::max(s.Picture.width(), 130);
    if (x + w > rowWidth) {
      x = kGap;
      y += height + kLabel + kGap;
    }
    places.emplace_back(x, y);
    x += w + kGap;
  }
  QImage sheet(rowWidth, y + height + kLabel + kGap, QImage::Format_RGB32);
  sheet.fill(QColor(0xa8, 0xb4, 0xc0));
  QPainter p(&sheet);
  for (std::size_t i = 0; i < shots.size(); ++i) {
    p.drawImage(places[i], shots[i].Picture);
    p.drawText(places[i].x(), places[i].y() + shots[i].Picture.height() + 13, shots[i].Title);
  }
  p.end();
  return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
