// veltor_panel_views: the rotated label, the roll-up bar, the FIFO field and
// the alphabet bar in their styles, sizes and states, side by side in one
// picture, for a person to compare with the drawing rules.
//
//   veltor_panel_views FILE.png [ZOOM]
//
// ZOOM (1..8) enlarges every pixel into a square, to look at single pixels.
// Cells have a striped background so that see-through parts show as such.

#include "foundation/tickregistry.h"
#include "misc/alphabar.h"
#include "misc/fifo.h"
#include "misc/rollbar.h"
#include "misc/rotlabel.h"

#include <QApplication>
#include <QMenu>
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

TRotLabel* Label(QWidget* parent, int angle, T3DEffect effect, bool transparent = true) {
  auto* l = new TRotLabel(parent);
  l->SetCaption(QStringLiteral("Volt"));
  l->SetrlAngle(angle);
  l->SetrlStyle3D(effect);
  l->SetrlTransparent(transparent);
  l->SetColor(clYellow);
  return l;
}

TFiFo* Fifo(QWidget* parent, const QString& text, std::function<void(TFiFo*)> more = {}) {
  auto* f = new TFiFo(parent);
  f->SetText(text);
  if (more) more(f);
  return f;
}

TAlphaBar* Bar(QWidget* parent, const QStringList& lines, std::function<void(TAlphaBar*)> more = {}) {
  auto* b = new TAlphaBar(parent);
  b->SetAlphaButtons(lines);
  if (more) more(b);
  return b;
}

std::vector<TView> Views() {
  return {
      {"label 0, raised", QSize(115, 115), [](QWidget* w) { return Label(w, 0, rlRaised); }},
      {"label 90, lowered", QSize(115, 115), [](QWidget* w) { return Label(w, 90, rlLowered); }},
      {"label 180, normal, box", QSize(115, 115), [](QWidget* w) { return Label(w, 180, rlNormal, false); }},
      {"label 270, shadowed", QSize(115, 115), [](QWidget* w) { return Label(w, 270, rlShadowed); }},
      {"label 35, shadowed, box", QSize(160, 160), [](QWidget* w) { return Label(w, 35, rlShadowed, false); }},
      {"label 300, raised, box", QSize(115, 115), [](QWidget* w) { return Label(w, 300, rlRaised, false); }},
      {"rollbar down", QSize(130, 150), [](QWidget* w) { return new TRollBar(w); }},
      {"rollbar up, menu, cap 13", QSize(150, 150),
       [](QWidget* w) {
         auto* r = new TRollBar(w);
         r->SetPopupMenuObject(new QMenu(w));
         r->SetCapHeight(13);
         r->SetDown(false);
         return r;
       }},
      {"rollbar cap 20, inner bevel", QSize(200, 100),
       [](QWidget* w) {
         auto* r = new TRollBar(w);
         r->SetCapHeight(20);
         r->SetBevelInner(bvLowered);
         r->SetBorderWidth(2);
         r->SetHeightMax(100);
         r->SetCaption(QStringLiteral("Serial port"));
         return r;
       }},
      {"fifo 80x30", QSize(80, 30), [](QWidget* w) { return Fifo(w, QStringLiteral("OK")); }},
      {"fifo overflowing, focused", QSize(160, 30),
       [](QWidget* w) {
         auto* f = Fifo(w, QStringLiteral("AT+CGMI\rOK\r0123456789 received"));
         f->setFocus();
         return f;
       }},
      {"fifo silver, raised, 40 high", QSize(200, 40),
       [](QWidget* w) {
         return Fifo(w, QStringLiteral("silver back"), [](TFiFo* f) {
           f->SetColTxtBack(clSilver);
           f->SetTextBevel(bvRaised);
           f->SetFontSize(12);
         });
       }},
      {"alphabar A-M", QSize(220, 22), [](QWidget* w) { return Bar(w, {QStringLiteral("ABCDEFGHIJKLM")}); }},
      {"keyboard, latching, G down", QSize(210, 80),
       [](QWidget* w) {
         return Bar(w, {QStringLiteral("QWERTZUIOP"), QStringLiteral(" ASDFGHJKL"), QStringLiteral("  YXCVBNM")},
                    [](TAlphaBar* b) {
                      b->SetRastButtons(true);
                      b->SetActiveButton(QChar('G'));
                    });
       }},
      {"digits, gaps, spacing 2", QSize(120, 90),
       [](QWidget* w) {
         return Bar(w, {QStringLiteral("789"), QStringLiteral("456"), QString(), QStringLiteral("1 2 3")},
                    [](TAlphaBar* b) {
                      b->SetButtonXSpacing(2);
                      b->SetButtonYSpacing(2);
                      b->SetButtonWidth(24);
                    });
       }},
  };
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: veltor_panel_views FILE.png [ZOOM]\n");
    return 2;
  }
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  QApplication app(argc, argv);
  const int zoom = argc > 2 ? std::clamp(QString::fromLocal8Bit(argv[2]).toInt(), 1, 8) : 1;
  const int cellW = 230, cellH = 190, titleH = 16, columns = 3;
  const std::vector<TView> views = Views();
  const int rows = int(views.size() + columns - 1) / columns;
  QImage sheet(columns * cellW, rows * cellH, QImage::Format_RGB32);
  sheet.fill(Qt::white);
  QPainter g(&sheet);
  QWidget holder;
  holder.resize(2000, 2000);
  std::vector<TControl*> controls;
  for (const TView& v : views) {
    TControl* c = v.Make(&holder);
    c->resize(v.Size);
    c->SetSurfaceRatio(1);
    controls.push_back(c);
  }
  holder.show();
  QCoreApplication::processEvents();
  for (size_t i = 0; i < views.size(); ++i) {
    TControl* c = controls[i];
    const int x = int(i % columns) * cellW + 4, y = int(i / columns) * cellH;
    const QRect area(x, y + titleH, c->width(), c->height());
    for (int s = 0; s < area.width() + area.height(); s += 8)
      g.fillRect(QRect(area.left() + s, area.top(), 4, area.height()).intersected(area), QColor(210, 225, 240));
    // A panel's children draw on surfaces of their own.
    QImage img = c->SurfaceImage();
    QPainter p(&img);
    for (TControl* child : c->findChildren<TControl*>(QString(), Qt::FindDirectChildrenOnly)) {
      if (child->isVisible()) p.drawImage(child->pos(), child->SurfaceImage());
    }
    p.end();
    g.drawText(x, y + 12, views[i].Title + QStringLiteral(" (%1x%2)").arg(c->width()).arg(c->height()));
    g.drawImage(area.topLeft(), img);
  }
  g.end();
  const QImage out = zoom > 1 ? sheet.scaled(sheet.size() * zoom) : sheet;
  if (!out.save(QString::fromLocal8Bit(argv[1]))) return 1;
  std::printf("%s\n", argv[1]);
  return 0;
}
