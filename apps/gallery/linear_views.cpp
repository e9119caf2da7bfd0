// veltor_linear_views: the slide pot, slide selector, slider and ten-turn
// pot in their styles, sizes and at several values, side by side in one
// picture, for a person to compare with the drawing rules.
//
//   veltor_linear_views FILE.png [ZOOM]
//
// ZOOM (1..8) enlarges every pixel into a square, to look at single pixels.

#include "potis/poti10t.h"
#include "potis/potislide.h"
#include "potis/selectorslide.h"
#include "potis/slider.h"

#include "viewsheet.h"

#include <QApplication>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace Veltor;
using namespace VeltorGallery;

namespace {

struct TView {
  QString Title;
  QSize Size;
  std::function<TControl*(QWidget*)> Make;
};

template <typename T>
std::function<TControl*(QWidget*)> With(std::function<void(T*)> set) {
  return [set](QWidget* w) {
    auto* c = new T(w);
    set(c);
    return c;
  };
}

std::vector<TView> Views() {
  return {
      {"slide 0..10, 7.3", QSize(60, 300), With<TPotiSlide>([](TPotiSlide* p) { p->SetValue(7.3); })},
      {"0..1, caption, preset", QSize(80, 300), With<TPotiSlide>([](TPotiSlide* p) {
         p->SetValueEnd(1);
         p->SetCaptEnable(true);
         p->SetCaptBevel(bvRaised);
         p->SetPresEnable(true);
         p->SetValue(0.5);
       })},
      {"decades 0.001..10", QSize(70, 300), With<TPotiSlide>([](TPotiSlide* p) {
         p->SetNonLinear(true);
         p->SetValue(0.05);
       })},
      {"decades 1..1000, 9", QSize(100, 360), With<TPotiSlide>([](TPotiSlide* p) {
         p->SetNonLinear(true);
         p->SetValueEnd(1000);
         p->SetValueStart(1);
         p->SetScalaPart(9);
         p->SetCaptEnable(true);
         p->SetValue(200);
       })},
      {"selector", QSize(58, 98), With<TSelectorSlide>([](TSelectorSlide* s) { s->SetPosition(2); })},
      {"selector, caption", QSize(90, 180), With<TSelectorSlide>([](TSelectorSlide* s) {
         s->SetPosText({"Off", "DC|1", "AC|2", "Ext|3", "Gnd|4"});
         s->SetScalaPart(4);
         s->SetCaptEnable(true);
         s->SetCaptBevel(bvLowered);
         s->SetPresEnable(true);
         s->SetPosition(4);
       })},
      {"slider 150 x 20, 40", QSize(150, 20), With<TSlider>([](TSlider* s) { s->SetValue(40); })},
      {"250 x 40, raised, caption", QSize(250, 40), With<TSlider>([](TSlider* s) {
         s->SetTrenchStyle(bvRaised);
         s->SetTrenchWidth(4);
         s->SetButtonDir(btCrossWise);
         s->SetCaptEna(true);
         s->SetCaption(QStringLiteral("Balance"));
         s->SetCaptOffset(6);
         s->SetValue(75);
       })},
      {"vertical 40 x 200", QSize(40, 200), With<TSlider>([](TSlider* s) {
         s->SetButtonDir(btSquare);
         s->SetButtonSize(8);
         s->SetCaptEna(true);
         s->SetCaption(QStringLiteral("Gain"));
         s->SetCaptOffset(8);
         s->SetValue(30);
       })},
      {"vertical selector", QSize(30, 160), With<TSlider>([](TSlider* s) {
         s->SetSelector(true);
         s->SetScalaPart(4);
         s->SetTrenchStyle(bvNone);
         s->SetBtnStyle(bsWin31);
         s->SetPosition(3);
       })},
      {"ten-turn, 3.217", QSize(200, 200), With<TPoti10T>([](TPoti10T* p) { p->SetValue(3.217); })},
      {"LEDs, caption, preset", QSize(220, 200), With<TPoti10T>([](TPoti10T* p) {
         p->SetValueStart(-50);
         p->SetValueEnd(50);
         p->SetLedOn1(true);
         p->SetCaptEnable(true);
         p->SetPresEnable(true);
         p->SetDispItalic(true);
         p->SetValue(12.5);
       })},
      {"120 x 120, no fixed point", QSize(120, 120), With<TPoti10T>([](TPoti10T* p) {
         p->SetDispFixPnt(false);
         p->SetValue(9.5);
       })},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: veltor_linear_views FILE.png [ZOOM]\n");
    return 2;
  }
  const int zoom = argc == 3 ? std::clamp(std::atoi(argv[2]), 1, 8) : 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  QApplication app(argc, argv);

  const int columns = 6;
  const std::vector<TView> views = Views();
  QWidget window;
  window.setAttribute(Qt::WA_DontShowOnScreen);
  std::vector<TControl*> controls;
  for (const TView& v : views) {
    TControl* c = v.Make(&window);
    c->resize(v.Size);
    controls.push_back(c);
  }
  window.show();
  QApplication::processEvents();

  std::vector<TSheetPicture> pictures;
  for (std::size_t i = 0; i < views.size(); ++i)
    pictures.push_back({views[i].Title, controls[i]->SurfaceImage(), controls[i]->size()});
  return SaveSheet(ViewSheet(pictures, columns, 130), zoom, argv[1], "veltor_linear_views");
}
