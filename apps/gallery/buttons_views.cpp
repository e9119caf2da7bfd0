// veltor_buttons_views: the slide switch, the picture and multi-bitmap
// buttons and the box line in their styles, sizes and states, side by side
// in one picture, for a person to compare with the drawing rules.
//
//   veltor_buttons_views FILE.png [ZOOM]
//
// ZOOM (1..8) enlarges every pixel into a square, to look at single pixels.

#include "buttons/boxline.h"
#include "buttons/buttons_classes.h"
#include "buttons/multibmp.h"
#include "buttons/pictbutton.h"
#include "buttons/slidebutton.h"
#include "foundation/tickregistry.h"

#include "viewsheet.h"

#include <QApplication>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <vector>

using namespace Veltor;
using namespace VeltorGallery;
using namespace Veltor::ButtonEnums;

namespace {

struct TView {
  QString Title;
  QSize Size;
  std::function<TControl*(QWidget*)> Make;
};

template <typename T>
std::function<TControl*(QWidget*)> Make(std::function<void(T*)> more = {}) {
  return [more](QWidget* parent) {
    auto* c = new T(parent);
    if (more) more(c);
    return c;
  };
}

QPixmap Res(const char* name) { return QPixmap(QStringLiteral(":/buttons/%1").arg(QLatin1String(name))); }

std::vector<TView> Views() {
  return {
      {"slide default", QSize(40, 65), Make<TSlideButton>()},
      {"slide swPos1", QSize(40, 65), Make<TSlideButton>([](TSlideButton* s) { s->SetPosition(swPos1); })},
      {"slide 80x120 bitmaps", QSize(80, 120), Make<TSlideButton>([](TSlideButton* s) {
         s->SetBmpPos1(Res("moon.png"));
         s->SetBmpPos2(Res("sun.png"));
         s->SetBmpEnable(true);
       })},
      {"slide 90x50 texts", QSize(90, 50), Make<TSlideButton>([](TSlideButton* s) {
         s->SetTextPos1(QStringLiteral("Netz"));
         s->SetTextPos2(QStringLiteral("Batterie"));
         s->SetPosition(swPos1);
       })},
      {"pict default", QSize(100, 100), Make<TPictButton>()},
      {"pict two rows square", QSize(100, 100), Make<TPictButton>([](TPictButton* b) {
         b->SetPictStyle(twoRow);
         b->SetShape(sstSquare);
       })},
      {"pict three rows circle", QSize(110, 110), Make<TPictButton>([](TPictButton* b) {
         b->SetPictStyle(threeRow);
         b->SetShape(sstCircle);
       })},
      {"pict rect 160x70 down", QSize(160, 70), Make<TPictButton>([](TPictButton* b) {
         b->SetPictStyle(twoRow);
         b->SetShape(sstRectangle);
         b->SetButtonStyle(tsPushPull);
         b->SetDown(true);
       })},
      {"pict picture roundsquare", QSize(100, 100), Make<TPictButton>([](TPictButton* b) {
         b->SetPictStyle(Picture);
         b->SetShape(sstRoundSquare);
         b->SetSymbol(Res("speaker.png"));
         b->SetColBorder(clYellow);
         b->SetColBack(clNavy);
       })},
      {"pict 60x60 no fit", QSize(60, 60), Make<TPictButton>([](TPictButton* b) {
         b->SetFontAutom(false);
         b->SetPictStyle(twoRow);
       })},
      {"multi default", QSize(30, 30), Make<TMultiBmp>()},
      {"multi fan 2 of 4", QSize(40, 40), Make<TMultiBmp>([](TMultiBmp* m) {
         m->SetGlyph(Res("fan.png"));
         m->SetGlyphNums(4);
         m->SetGlyphSel(2);
       })},
      {"multi fan transparent", QSize(40, 40), Make<TMultiBmp>([](TMultiBmp* m) {
         m->SetGlyph(Res("fan.png"));
         m->SetGlyphNums(4);
         m->SetGlyphMode(true);
       })},
      {"multi lamp lit autosize", QSize(60, 60), Make<TMultiBmp>([](TMultiBmp* m) {
         m->SetGlyph(Res("lamp.png"));
         m->SetGlyphSel(2);
         m->SetGlyphMode(true);
         m->SetAutoSize(true);
       })},
      {"multi lamp down", QSize(44, 44), Make<TMultiBmp>([](TMultiBmp* m) {
         m->SetGlyph(Res("lamp.png"));
         m->SetButtonStyle(tsPushPull);
         m->SetDown(true);
       })},
      {"box line default", QSize(160, 85), Make<TBoxLine>()},
      {"box row, captions", QSize(160, 110), Make<TBoxLine>([](TBoxLine* b) {
         b->SetOrientation(orHorizontal);
         b->SetBoxStatByte(0x5A);
         b->SetBoxEnaByte(0xF7);
         const char* names[] = {"Run", "Stop", "Err", "Ack", "Dir", "Lim", "Ref", "Hold"};
         for (int i = 0; i < 8; ++i) {
           b->Box(i)->SetCaptShort(QString::number(i));
           b->Box(i)->SetCaptLong(QLatin1String(names[i]));
         }
       })},
      {"box row, CaptLeft, OrderUp", QSize(160, 110), Make<TBoxLine>([](TBoxLine* b) {
         b->SetOrientation(orHorizontal);
         b->SetCaptLeft(true);
         b->SetOrderUp(true);
         b->SetBoxStatByte(0x0F);
         for (int i = 0; i < 8; ++i) {
           b->Box(i)->SetCaptShort(QString(QChar('A' + i)));
           b->Box(i)->SetCaptLong(QStringLiteral("Bit %1").arg(i));
         }
       })},
      {"box column, captions", QSize(120, 160), Make<TBoxLine>([](TBoxLine* b) {
         b->SetBoxStatByte(0xA5);
         b->SetBoxEnaByte(0x7F);
         for (int i = 0; i < 8; ++i) {
           b->Box(i)->SetCaptShort(QString::number(i));
           b->Box(i)->SetCaptLong(QStringLiteral("Input %1").arg(i));
         }
       })},
      {"box column CaptLeft glyphs", QSize(120, 160), Make<TBoxLine>([](TBoxLine* b) {
         b->SetCaptLeft(true);
         b->SetOrderUp(true);
         b->SetBoxStatByte(0x35);
         b->SetBoxEnaByte(0xEF);
         for (int i = 0; i < 8; ++i) {
           TBoxLBox* box = b->Box(i);
           box->SetCaptShort(QString::number(i));
           box->SetCaptLong(QStringLiteral("Relay %1").arg(i));
           box->SetGlyphOn(Res("tick.png"));
           box->SetGlyphOff(Res("cross.png"));
           box->SetNumGlyphs(2);
         }
         b->Box(6)->SetVisible(false);
       })},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3) {
    std::fprintf(stderr, "usage: veltor_buttons_views FILE.png [ZOOM]\n");
    return 2;
  }
  const int zoom = argc == 3 ? std::clamp(std::atoi(argv[2]), 1, 8) : 1;
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  QApplication app(argc, argv);
  RegisterButtonClasses();

  const int columns = 5;
  const std::vector<TView> views = Views();
  QWidget window;
  window.setAttribute(Qt::WA_DontShowOnScreen);
  std::vector<TControl*> controls;
  for (const TView& v : views) {
    TControl* c = v.Make(&window);
    // Controls that size themselves keep their own size.
    if (!qobject_cast<TMultiBmp*>(c) || !static_cast<TMultiBmp*>(c)->AutoSize()) c->resize(v.Size);
    controls.push_back(c);
  }
  window.show();
  QApplication::processEvents();

  std::vector<TSheetPicture> pictures;
  for (std::size_t i = 0; i < views.size(); ++i)
    pictures.push_back({views[i].Title, controls[i]->SurfaceImage(), views[i].Size});
  return SaveSheet(ViewSheet(pictures, columns, 170), zoom, argv[1], "veltor_buttons_views");
}
