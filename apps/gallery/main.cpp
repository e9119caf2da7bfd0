// veltor_gallery: every control and component of the library at its default
// size, for a person to look at.
//
//   veltor_gallery [--scale N] [--screenshot FILE.png] [--each DIR]
//
// --screenshot writes one contact sheet with the class names under the
// pictures; --each writes DIR/<class>.png per class. Either makes the program
// render offscreen and exit; without them it shows the sheet in a window
// (or, without a display, writes gallery.png).

#include "gallery.h"

#include "buttons/buttons_classes.h"
#include "foundation/foundation_classes.h"
#include "host/control.h"
#include "logic/logic_classes.h"
#include "meters/meters_classes.h"
#include "misc/misc_classes.h"
#include "potis/potis_classes.h"
#include "segments/segments_classes.h"
#include "system/system_classes.h"
#include "text/text_classes.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScrollArea>

#include <cstdio>

namespace {

int Usage() {
  std::fprintf(stderr, "usage: veltor_gallery [--scale N] [--screenshot FILE.png] [--each DIR]\n");
  return 2;
}

bool Save(const QImage& image, const QString& path) {
  if (image.save(path)) return true;
  std::fprintf(stderr, "veltor_gallery: cannot write %s\n", qPrintable(path));
  return false;
}

}  // namespace

int main(int argc, char** argv) {
  QString sheetPath, eachDir;
  double scale = 1;  // device pixels per pixel of the pictures
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == QLatin1String("--scale") && i + 1 < argc) {
      bool ok = false;
      scale = QString::fromLocal8Bit(argv[++i]).toDouble(&ok);
      if (!ok || !(scale >= 1 && scale <= 8)) return Usage();
    } else if (arg == QLatin1String("--screenshot") && i + 1 < argc) {
      sheetPath = QString::fromLocal8Bit(argv[++i]);
    } else if (arg == QLatin1String("--each") && i + 1 < argc) {
      eachDir = QString::fromLocal8Bit(argv[++i]);
    } else {
      return Usage();
    }
  }
  const bool headless = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  bool batch = !sheetPath.isEmpty() || !eachDir.isEmpty();
  if (headless && !batch) {
    sheetPath = QDir::current().absoluteFilePath(QStringLiteral("gallery.png"));
    batch = true;
  }
  if (batch && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // Pictures of the first state, not of a blink half-way.
  if (batch) qputenv("VELTOR_NO_SYSTEM_TICK", "1");

  QApplication app(argc, argv);
  if (scale != 1) Veltor::TControl::SetDefaultSurfaceRatio(scale);
  Veltor::RegisterFoundationClasses();
  Veltor::RegisterLogicClasses();
  Veltor::RegisterButtonClasses();
  Veltor::RegisterPotiClasses();
  Veltor::RegisterSystemClasses();
  Veltor::RegisterSegmentClasses();
  Veltor::RegisterMeterClasses();
  Veltor::RegisterMiscClasses();
  Veltor::RegisterTextClasses();

  const std::vector<Gallery::TTile> tiles = Gallery::MakeTiles(scale);
  const QImage sheet = Gallery::ContactSheet(tiles, 1280, scale);
  if (!eachDir.isEmpty()) {
    QDir().mkpath(eachDir);
    for (const Gallery::TTile& tile : tiles) {
      if (!Save(tile.Picture, QDir(eachDir).filePath(tile.ClassName + QStringLiteral(".png")))) return 1;
    }
    std::printf("%zu pictures: %s\n", tiles.size(), qPrintable(QFileInfo(eachDir).absoluteFilePath()));
  }
  if (!sheetPath.isEmpty()) {
    if (!Save(sheet, sheetPath)) return 1;
    std::printf("contact sheet: %s\n", qPrintable(QFileInfo(sheetPath).absoluteFilePath()));
  }
  if (batch) return 0;

  QScrollArea window;
  window.setWindowTitle(QStringLiteral("Veltor gallery"));
  auto* picture = new QLabel;
  picture->setPixmap(QPixmap::fromImage(sheet));
  window.setWidget(picture);
  window.resize(sheet.size().boundedTo(QSize(1280, 900)) + QSize(4, 4));
  window.show();
  return app.exec();
}
