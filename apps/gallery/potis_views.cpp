// veltor_potis_views: the rotary pot and selector in their styles, sizes and
// at several values, side by side in one picture, for a person to compare
// with the drawing rules.
//
//   veltor_potis_views FILE.png [ZOOM]
//
// ZOOM (1..8) enlarges every pixel into a square, to look at single pixels.

#include "potis/poti270.h"
#include "potis/selector270.h"

#include "viewsheet.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <vector>

using namespace Veltor;
using namespace VeltorGallery;

namespace {

struct TView {
  QString Title;
  QSize Size;
  std::function<TCustomRotary*(QWidget*)> Make;
};

TPoti270* Poti(QWidget* parent, double value, std::function<void(TPoti270*)> more = {}) {
  auto* p = new TPoti270(parent);
  if (more) more(p);
  p->SetValue(value);
  return p;
}

TSelector270* Selector(QWidget* parent, int position, std::function<void(TSelector270*)> more = {}) {
  auto* s = new TSelector270(parent);
  if (more) more(s);
  s->SetPosition(position);
  return s;
}

std::vector<TView> Views() {
  const QSize square(200, 200);
  return {
      {"value 0", square, [](QWidget* w) { return Poti(w, 0); }},
      {"value 5", square, [](QWidget* w) { return Poti(w, 5); }},
      {"value 10", square, [](QWidget* w) { return Poti(w, 10); }},
      {"0..2, 7.3 %", square, [](QWidget* w) { return Poti(w, 0.146, [](TPoti270* p) { p->SetValueEnd(2); }); }},
      {"-100..100, 10 parts", square,
       [](QWidget* w) {
         return Poti(w, -30, [](TPoti270* p) {
           p->SetValueStart(-100);
           p->SetValueEnd(100);
           p->SetScalaPart(10);
         });
       }},
      {"caption raised, preset", square,
       [](QWidget* w) {
         return Poti(w, 7.5, [](TPoti270* p) {
           p->SetCaptEnable(true);
           p->SetCaptBevel(bvRaised);
           p->SetPresEnable(true);
         });
       }},
      {"caption lowered, colours", square,
       [](QWidget* w) {
         return Poti(w, 3, [](TPoti270* p) {
           p->SetCaptEnable(true);
           p->SetCaptBevel(bvLowered);
           p->SetColButton(clGray);
           p->SetColLight(clWhite);
           p->SetColShade(0x404040);
           p->SetColPointer(clYellow);
           p->SetColScala(clBlue);
           p->SetColBgnd(0xE0E0E0);
           p->SetCaption(QStringLiteral("Ampere x10"));
         });
       }},
      {"300 x 160", QSize(300, 160), [](QWidget* w) { return Poti(w, 2.5); }},
      {"120 x 220, no fit", QSize(120, 220),
       [](QWidget* w) {
         return Poti(w, 6, [](TPoti270* p) {
           p->SetFontAutom(false);
           p->SetCaptEnable(true);
         });
       }},
      {"70 x 70", QSize(70, 70), [](QWidget* w) { return Poti(w, 4); }},
      {"selector 0", square, [](QWidget* w) { return Selector(w, 0); }},
      {"selector 2", square, [](QWidget* w) { return Selector(w, 2); }},
      {"6 parts, 5 entries, 6", square,
       [](QWidget* w) { return Selector(w, 6, [](TSelector270* s) { s->SetScalaPart(6); }); }},
      {"entries, caption, preset", square,
       [](QWidget* w) {
         return Selector(w, 1, [](TSelector270* s) {
           s->SetPosText({"Off", "DC|1", "AC|2", "Ext 10|3"});
           s->SetScalaPart(3);
           s->SetCaptEnable(true);
           s->SetCaptBevel(bvRaised);
           s->SetPresEnable(true);
         });
       }},
      {"20 parts", square, [](QWidget* w) { return Selector(w, 13, [](TSelector270* s) { s->SetScalaPart(20); }); }},
      {"260 x 180", QSize(260, 180), [](QWidget* w) { return Selector(w, 4); }},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: veltor_potis_views FILE.png [ZOOM]\n");
    return 2;
  }
  const int zoom = argc == 3 ? std::clamp(std::atoi(argv[2]), 1, 8) : 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  QApplication app(argc, argv);

  const int columns = 5;
  const std::vector<TView> views = Views();
  QWidget window;
  window.setAttribute(Qt::WA_DontShowOnScreen);
  std::vector<TCustomRotary*> controls;
  for (const TView& v : views) {
    TCustomRotary* c = v.Make(&window);
    c->resize(v.Size);
    controls.push_back(c);
  }
  window.show();
  QApplication::processEvents();

  std::vector<TSheetPicture> pictures;
  for (std::size_t i = 0; i < views.size(); ++i)
    pictures.push_back({views[i].Title, controls[i]->SurfaceImage(), views[i].Size});
  return SaveSheet(ViewSheet(pictures, columns, 150), zoom, argv[1], "veltor_potis_views");
}
