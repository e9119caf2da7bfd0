// veltor_misc_views: the numeric edit field and the direction keypads in
// their styles, sizes and states, side by side in one picture, for a person
// to compare with the drawing rules.
//
//   veltor_misc_views FILE.png [ZOOM]
//
// ZOOM (1..8) enlarges every pixel into a square, to look at single pixels.

#include "misc/keypad.h"
#include "misc/numedit.h"

#include <QApplication>
#include <QPainter>
#include <QWidget>

#include <algorithm>

#include <cstdio>
#include <functional>
#include <vector>

using namespace Veltor;

namespace {

struct TView {
  QString Title;
  QSize Size;
  std::function<TControl*(QWidget*)> Make;
};

TNumEdit* Edit(QWidget* parent, double value, std::function<void(TNumEdit*)> more = {}) {
  auto* e = new TNumEdit(parent);
  if (more) more(e);
  e->SetValueFloat(value);
  return e;
}

QPixmap Symbol(QColor colour) {
  QPixmap p(16, 16);
  p.fill(Qt::white);
  QPainter g(&p);
  g.setBrush(colour);
  g.drawEllipse(2, 2, 12, 12);
  return p;
}

std::vector<TView> Views() {
  return {
      {"edit 80x30", QSize(80, 30), [](QWidget* w) { return Edit(w, 3.14); }},
      {"unit, LED on", QSize(160, 30),
       [](QWidget* w) {
         return Edit(w, 7.5, [](TNumEdit* e) {
           e->SetUnitText(QStringLiteral("V"));
           e->SetLedEnable(true);
           e->SetLedOn(true);
         });
       }},
      {"LED off, inverted", QSize(160, 40),
       [](QWidget* w) {
         return Edit(w, -2.25, [](TNumEdit* e) {
           e->SetValueMin(-10);
           e->SetDigits(2);
           e->SetLedEnable(true);
           e->SetDispInvert(true);
         });
       }},
      {"silver, raised, exp", QSize(200, 50),
       [](QWidget* w) {
         return Edit(w, 1234.5, [](TNumEdit* e) {
           e->SetValueMax(1e6);
           e->SetDigits(-1);
           e->SetPrecision(4);
           e->SetColTxtBack(clSilver);
           e->SetTextBevel(bvRaised);
           e->SetUnitText(QStringLiteral("Hz"));
         });
       }},
      {"joystick 90", QSize(90, 90), [](QWidget* w) { return new TJoyStick(w); }},
      {"joystick 150, keys down", QSize(150, 150),
       [](QWidget* w) {
         auto* j = new TJoyStick(w);
         j->SetSymbolUp(Symbol(Qt::green));
         j->SetSymbolDown(Symbol(Qt::red));
         j->SetRastCenter(true);
         j->SetButtonStatus(2 | 16 | 256);
         return j;
       }},
      {"joystick 60, no right ring", QSize(60, 60),
       [](QWidget* w) {
         auto* j = new TJoyStick(w);
         j->SetBordRight(false);
         return j;
       }},
      {"up/down 40, down held", QSize(40, 72),
       [](QWidget* w) {
         auto* p = new TUpDownT(w);
         p->SetButtonStatus(2);
         return p;
       }},
      {"left/right 60 high", QSize(112, 60),
       [](QWidget* w) {
         auto* p = new TLeftRightT(w);
         p->SetBevelIn(bvLowered);
         return p;
       }},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: veltor_misc_views FILE.png [ZOOM]\n");
    return 2;
  }
  QApplication app(argc, argv);
  const int zoom = argc > 2 ? std::clamp(QString::fromLocal8Bit(argv[2]).toInt(), 1, 8) : 1;
  const int cellW = 220, cellH = 180, titleH = 16, columns = 3;
  const std::vector<TView> views = Views();
  const int rows = int(views.size() + columns - 1) / columns;
  QImage sheet(columns * cellW, rows * cellH, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter g(&sheet);
  // Shown, so that the pads get their resize events and keep their shape.
  QWidget holder;
  holder.resize(2000, 2000);
  std::vector<TControl*> controls;
  for (const TView& v : views) {
    TControl* c = v.Make(&holder);
    c->resize(v.Size);
    controls.push_back(c);
  }
  holder.show();
  QCoreApplication::processEvents();
  for (size_t i = 0; i < views.size(); ++i) {
    const QImage img = controls[i]->SurfaceImage();
    const int x = int(i % columns) * cellW + 4, y = int(i / columns) * cellH;
    g.drawText(x, y + 12, views[i].Title + QStringLiteral(" (%1x%2)").arg(img.width()).arg(img.height()));
    g.drawImage(x, y + titleH, img);
  }
  g.end();
  const QImage out = zoom > 1 ? sheet.scaled(sheet.size() * zoom) : sheet;
  if (!out.save(QString::fromLocal8Bit(argv[1]))) return 1;
  std::printf("%s\n", argv[1]);
  return 0;
}
