// veltor_segsheet: the seven-segment display, thumbwheels and control timer,
// upright and italic, in a few states, for a person to look at.
//
//   veltor_segsheet DIR [ZOOM]
//
// Writes DIR/upright.png and DIR/italic.png, enlarged ZOOM times pixel for
// pixel when given.

#include "segments/ctrltimer.h"
#include "segments/disp7seg.h"
#include "segments/spin7seg.h"

#include <QApplication>
#include <QDir>

#include <cstdio>
#include <cstdlib>

using namespace Veltor;
using namespace Veltor::SegmentEnums;

namespace {

QImage Sheet(bool italic) {
  QWidget window;
  window.setStyleSheet(QStringLiteral("background: #a8b4c0"));
  window.resize(660, 420);

  auto* a = new TDisp7Seg(&window);
  a->SetBounds(8, 8, 300, 80);
  a->SetDispSize(6);
  a->SetDispItalic(italic);
  a->SetValueFloat(-3.14159);
  a->SetLedOn1(true);

  auto* b = new TDisp7Seg(&window);
  b->SetBounds(320, 8, 144, 72);
  b->SetDispItalic(italic);
  b->SetShape(smtRectangle);
  b->SetDispSize(3);
  b->SetValueInt(7);
  b->SetTextEinh(QStringLiteral("V"));
  b->SetLedOn2(true);

  auto* c = new TDisp7Seg(&window);
  c->SetBounds(480, 8, 170, 60);
  c->SetDispItalic(italic);
  c->SetColBack(clSilver);
  c->SetColSegm(clRed);
  c->SetLedEnable(false);
  c->SetTextEnable(false);
  c->SetDispSize(4);
  c->SetValueStr(QStringLiteral("AB:CD"));

  const char* values[] = {"+", "1", "F", "A"};
  const TDispType types[] = {sign, decimal, hexa, alphanum};
  for (int i = 0; i < 4; ++i) {
    auto* s = new TSpin7Seg(&window);
    s->SetBounds(8 + 52 * i, 100, 52, 100);
    s->SetDispTyp(types[i]);
    s->SetValueChar(QChar::fromLatin1(values[i][0]));
    s->SetItalic(italic);
    s->SetBordLeft(i == 0);
    s->SetBordRight(i == 3);
  }
  auto* s = new TSpin7Seg(&window);
  s->SetBounds(240, 100, 40, 80);
  s->SetShape(smtRectangle);
  s->SetColBack(clBlue);
  s->SetItalic(italic);

  auto* t = new TCtrlTimer(&window);
  t->SetBounds(8, 210, 310, 90);
  t->SetDispItalic(italic);
  t->StartTime()->SetValueHours(1);
  t->StartTime()->SetValueMinutes(23);
  t->StartTime()->SetValueSeconds(45);

  auto* u = new TCtrlTimer(&window);
  u->SetBounds(330, 210, 260, 80);
  u->SetDispItalic(italic);
  u->SetResolution(tcMMSS);
  u->SetShape(smtRectangle);
  u->SetCaption(QStringLiteral("Oven"));
  u->StartTime()->SetValueMinutes(5);
  u->SetMode(trig2);

  auto* v = new TCtrlTimer(&window);
  v->SetBounds(8, 310, 200, 90);
  v->SetDispItalic(italic);
  v->SetResolution(tcSS);
  v->SetMode(run);

  window.show();
  QApplication::processEvents();
  return window.grab().toImage();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: veltor_segsheet DIR [ZOOM]\n");
    return 2;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  QApplication app(argc, argv);
  const QDir dir(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(dir.path());
  const int zoom = argc > 2 ? std::max(1, std::atoi(argv[2])) : 1;
  for (bool italic : {false, true}) {
    QImage image = Sheet(italic);
    if (zoom > 1) image = image.scaled(image.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    const QString path = dir.filePath(italic ? QStringLiteral("italic.png") : QStringLiteral("upright.png"));
    if (!image.save(path)) {
      std::fprintf(stderr, "veltor_segsheet: cannot write %s\n", qPrintable(path));
      return 1;
    }
  }
  return 0;
}
