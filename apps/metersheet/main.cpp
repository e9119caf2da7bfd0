// veltor_metersheet: the round meters in every face shape, with linear and
// decade scales, with and without peak pointer, over and under range, for a
// person to look at.
//
//   veltor_metersheet FILE.png
//   veltor_metersheet --dials DIR   (120, 180 and 360 degree meters)

#include "dials.h"
#include "foundation/tickregistry.h"
#include "meters/meter270.h"

#include <QApplication>
#include <QPainter>

#include <cstdio>
#include <functional>
#include <vector>

using namespace Veltor;

namespace {

struct TCase {
  QString Label;
  int Width = 200, Height = 200;
  std::function<void(TMeter270&)> Setup;
};

}  // namespace

int main(int argc, char** argv) {
  const bool dials = argc == 3 && QByteArray(argv[1]) == "--dials";
  if (argc != 2 && !dials) {
    std::fprintf(stderr, "usage: veltor_metersheet FILE.png | --dials DIR\n");
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  QApplication app(argc, argv);
  if (dials) return SaveDialViews(QString::fromLocal8Bit(argv[2])) ? 0 : 1;

  const std::vector<TCase> cases = {
      {"sstRectangle, value 35", 200, 200,
       [](TMeter270& m) {
         m.SetShape(sstRectangle);
         m.SetValue(35);
       }},
      {"sstSquare wide", 300, 200,
       [](TMeter270& m) {
         m.SetShape(sstSquare);
         m.SetValue(60);
       }},
      {"sstRoundrect, BordBottom off", 200, 200,
       [](TMeter270& m) {
         m.SetBordBottom(false);
         m.SetValue(80);
       }},
      {"sstRoundSquare wide", 300, 200,
       [](TMeter270& m) {
         m.SetShape(sstRoundSquare);
         m.SetValue(20);
       }},
      {"sstCircle tall", 200, 260,
       [](TMeter270& m) {
         m.SetShape(sstCircle);
         m.SetValue(50);
       }},
      {"0..2, ppPeak 1.6 then 0.9", 200, 200,
       [](TMeter270& m) {
         m.SetValueEnd(2);
         m.SetPeakMode(ppPeak);
         m.SetValue(1.6);
         m.SetValue(0.9);
         m.SetLedOn1(true);
       }},
      {"decade 0.001..100, value 1", 200, 200,
       [](TMeter270& m) {
         m.SetNonLinear(true);
         m.SetValue(1);
       }},
      {"over range 150 (mark on)", 200, 200,
       [](TMeter270& m) {
         m.SetValue(150);
         m.SetLedOn2(true);
       }},
      {"-50..50, ScalaPart 12, ppDrag", 200, 200,
       [](TMeter270& m) {
         m.SetValueStart(-50);
         m.SetValueEnd(50);
         m.SetScalaPart(12);
         m.SetPeakMode(ppDrag);
         m.SetValue(30);
         m.SetDispFixPnt(true);
       }},
      {"FontAutom off, italic", 200, 200,
       [](TMeter270& m) {
         m.SetFontAutom(false);
         m.SetDispItalic(true);
         m.SetValue(12.5);
       }},
  };

  const int columns = 4, cellW = 320, cellH = 290;
  const int rows = (int(cases.size()) + columns - 1) / columns;
  QImage sheet(columns * cellW, rows * cellH, QImage::Format_RGB32);
  sheet.fill(QColor(0xa8, 0xb4, 0xc0));
  QPainter p(&sheet);
  for (size_t i = 0; i < cases.size(); ++i) {
    TMeter270 m;
    m.resize(cases[i].Width, cases[i].Height);
    m.PaintNow();
    cases[i].Setup(m);
    m.PaintNow();
    const int x = int(i % columns) * cellW + 8, y = int(i / columns) * cellH + 8;
    p.drawImage(x, y, m.SurfaceImage());
    p.drawText(x, y + cases[i].Height + 14, cases[i].Label);
  }
  p.end();
  if (!sheet.save(QString::fromLocal8Bit(argv[1]))) return 1;
  return 0;
}
