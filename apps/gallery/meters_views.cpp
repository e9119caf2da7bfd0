// veltor_meters_views: the panel meters, the segment gauge and the magic eye
// in their styles, orientations and at several readings, side by side in one
// picture, for a person to compare with the drawing rules.
//
//   veltor_meters_views FILE.png [ZOOM [FILTER]]
//
// ZOOM (1..8) enlarges every pixel into a square, to look at single pixels;
// FILTER keeps only the views whose title contains it.

#include "meters/gauge.h"
#include "meters/magiceye.h"
#include "meters/meterpanelh.h"
#include "meters/meterpanelv.h"

#include <QApplication>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

using namespace Veltor;

namespace {

struct TView {
  QString Title;
  QSize Size;
  std::function<TControl*(QSize)> Make;
};

// Made, shown at its size (so size changes reach it at once), painted, and
// then set up as a program would.
template <typename T>
std::function<TControl*(QSize)> Make(std::function<void(T*)> setup) {
  return [setup](QSize size) {
    auto* c = new T;
    c->show();
    c->resize(size);
    c->PaintNow();
    setup(c);
    return c;
  };
}

std::vector<TView> Views() {
  const QSize v(80, 360), h(250, 73);
  return {
      {"V LedBar 26", v, Make<TMeterPanelV>([](TMeterPanelV* m) { m->SetValue(26); })},
      {"V LedBar peak", v, Make<TMeterPanelV>([](TMeterPanelV* m) {
         m->SetPeakMode(ppPeak);
         m->SetValue(44);
         m->SetValue(12);
         m->SetLedOn1(true);
       })},
      {"V BarGraph 30", v, Make<TMeterPanelV>([](TMeterPanelV* m) {
         m->SetMeterStyle(BarGraph);
         m->SetValue(30);
         m->SetPeakMode(ppPeak);
       })},
      {"V simple 17", v, Make<TMeterPanelV>([](TMeterPanelV* m) {
         m->SetMeterStyle(simpleMeter);
         m->SetShape(smtRectangle);
         m->SetValue(17);
         m->SetLedOn2(true);
       })},
      {"V 0..5000 BarGraph", QSize(110, 300), Make<TMeterPanelV>([](TMeterPanelV* m) {
         m->SetValueEnd(5000);
         m->SetMeterStyle(BarGraph);
         m->SetValue(1234.5);
       })},
      {"V over range", v, Make<TMeterPanelV>([](TMeterPanelV* m) {
         m->SetMeterStyle(simpleMeter);
         m->SetValue(70);
       })},
      {"V decade, sides off", QSize(100, 300), Make<TMeterPanelV>([](TMeterPanelV* m) {
         m->SetBordLeft(false);
         m->SetBordRight(false);
         m->SetMeterStyle(simpleMeter);
         m->SetNonLinear(true);
         m->SetValue(2);
         m->SetPeakMode(ppPeak);
       })},
      {"H 0", h, Make<TMeterPanelH>([](TMeterPanelH* m) { m->SetValue(0); })},
      {"H 30 peak", h, Make<TMeterPanelH>([](TMeterPanelH* m) {
         m->SetPeakMode(ppPeak);
         m->SetValue(42);
         m->SetValue(30);
         m->SetLedOn1(true);
       })},
      {"H decade", QSize(300, 90), Make<TMeterPanelH>([](TMeterPanelH* m) {
         m->SetNonLinear(true);
         m->SetValue(3);
         m->SetShape(smtRectangle);
       })},
      {"H -10..10", QSize(320, 100), Make<TMeterPanelH>([](TMeterPanelH* m) {
         m->SetValueStart(-10);
         m->SetValueEnd(10);
         m->SetScalaPart(10);
         m->SetValue(2.5);
       })},
      {"H bottom off, no LEDs", h, Make<TMeterPanelH>([](TMeterPanelH* m) {
         m->SetBordBottom(false);
         m->SetLedEnable(false);
         m->SetValue(12);
       })},
      {"gauge bar 45%", QSize(100, 18), Make<TGaugeGp>([](TGaugeGp* g) { g->SetPercent(45); })},
      {"gauge bar 100%", QSize(200, 24), Make<TGaugeGp>([](TGaugeGp* g) { g->SetPercent(100); })},
      {"gauge vertical 60%", QSize(24, 160), Make<TGaugeGp>([](TGaugeGp* g) { g->SetPercent(60); })},
      {"gauge meter 40% w10", QSize(200, 20), Make<TGaugeGp>([](TGaugeGp* g) {
         g->SetMeterMode(true);
         g->SetPntrPercent(10);
         g->SetPercent(40);
       })},
      {"gauge meter vert 70%", QSize(24, 160), Make<TGaugeGp>([](TGaugeGp* g) {
         g->SetMeterMode(true);
         g->SetPntrPercent(0);
         g->SetPercent(70);
       })},
      {"eye defaults", QSize(150, 30), Make<TMagicEye>([](TMagicEye*) {})},
      {"eye 8..2 inverse", QSize(150, 30), Make<TMagicEye>([](TMagicEye* e) {
         e->SetStartPos(8);
         e->SetEndPos(2);
       })},
      {"eye vertical 0..2.5", QSize(30, 150), Make<TMagicEye>([](TMagicEye* e) {
         e->SetDirection(orVertical);
         e->SetStartPos(0);
         e->SetEndPos(2.5);
       })},
  };
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: veltor_meters_views FILE.png [ZOOM]\n");
    return 2;
  }
  const int zoom = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, 8) : 1;
  std::vector<TView> views = Views();
  if (argc > 3) {
    const QString filter = QString::fromLocal8Bit(argv[3]);
    views.erase(std::remove_if(views.begin(), views.end(), [&](const TView& v) { return !v.Title.contains(filter); }),
                views.end());
  }
  int cell = 140, rowH = 0;
  for (const TView& v : views) {
    cell = std::max(cell, v.Size.width() + 20);
    rowH = std::max(rowH, v.Size.height() + 40);
  }
  const int perRow = std::min(6, int(views.size()));
  const int rows = int(views.size() + perRow - 1) / perRow;
  QImage sheet(perRow * cell, rows * rowH, QImage::Format_RGB32);
  sheet.fill(Qt::lightGray);
  QPainter p(&sheet);
  for (size_t i = 0; i < views.size(); ++i) {
    std::unique_ptr<TControl> c(views[i].Make(views[i].Size));
    const QImage img = c->SurfaceImage();
    const int x = int(i % perRow) * cell + 10, y = int(i / perRow) * rowH + 10;
    p.drawText(x, y + 10, views[i].Title);
    p.drawImage(x, y + 20, img);
    c->hide();
  }
  p.end();
  if (zoom > 1) sheet = sheet.scaled(sheet.size() * zoom);
  return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
