// Writes PNGs of a few controls drawn at device pixel ratios 1, 1.5 and 2,
// for a person to compare their sharpness:
//
//   veltor_ratio_shots [FOLDER]        (default: the current folder)
//
// Each picture is the whole sheet rendered at its ratio (GrabAtRatio) with
// every control's surface at that ratio (TControl::SetDefaultSurfaceRatio).
#include "buttons/bevel3d.h"
#include "foundation/panel.h"
#include "foundation/rahmen.h"
#include "host/control.h"
#include "host/label.h"
#include "logic/logic.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

using namespace Veltor;

namespace {

// Puts every control on one sheet.
void BuildSheet(QWidget& sheet) {
  sheet.setStyleSheet(QStringLiteral("background: #d4d0c8"));
  sheet.resize(400, 230);

  auto* rahmen = new TRahmen(&sheet);
  rahmen->SetBounds(8, 8, 120, 60);
  rahmen->SetBevelIn(bvLowered);

  auto* start = new TBevel3D(&sheet);
  start->SetBounds(136, 8, 120, 40);
  start->SetCaptEnable(true);
  start->SetCaption(QStringLiteral("Start"));
  start->SetColCaption(clYellow);

  auto* wrapped = new TBevel3D(&sheet);
  wrapped->SetBounds(264, 8, 128, 40);
  wrapped->SetCaptEnable(true);
  wrapped->SetColCaptBack(clSilver);
  wrapped->SetCaptBevel(bvRaised);
  wrapped->SetWordWrap(true);
  wrapped->SetCaption(QStringLiteral("Two line caption"));

  auto* label = new TLabel(&sheet);
  label->SetBounds(136, 54, 120, 16);
  label->SetCaption(QStringLiteral("Label at 8 pt"));

  auto* panel = new TPanel(&sheet);
  panel->SetBounds(264, 54, 128, 24);
  panel->SetCaption(QStringLiteral("Panel"));

  auto* logic = new TLogic(&sheet);
  logic->SetBounds(8, 84, 384, 138);
  logic->SetBufferSize(200);
  for (int i = 0; i < logic->BufferCount(); ++i) logic->SetSample(i, (i * 37) ^ (i >> 2));
  logic->SetChanFirst(0);
  logic->SetChanLast(3);
  logic->SetDispStartPos(0);
  logic->SetDispEndPos(60);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("VELTOR_NO_SYSTEM_TICK", "1");
  QApplication app(argc, argv);
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
  QWidget sheet;
  BuildSheet(sheet);
  for (const qreal ratio : {1.0, 1.5, 2.0}) {
    TControl::SetDefaultSurfaceRatio(ratio);
    const QString path = folder.absoluteFilePath(QStringLiteral("ratio_%1.png").arg(ratio * 100));
    if (!GrabAtRatio(&sheet, ratio).save(path)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
      return 1;
    }
    std::printf("%s\n", qPrintable(path));
  }
  return 0;
}
