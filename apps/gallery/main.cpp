// veltor_gallery: every control and component of the library at its default
// size, for a person to look at.
//
//   veltor_gallery [--scale N] [--screenshot FILE.png] [--each DIR]
//   veltor_gallery --help | --version
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
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QScrollArea>

#include <cstdio>

namespace {

bool Save(const QImage& image, const QString& path) {
  if (image.save(path)) return true;
  std::fprintf(stderr, "veltor_gallery: cannot write %s\n", qPrintable(path));
  return false;
}

// Reads the command line. Returns -1 to go on, or the exit status after
// --help, --version or a wrong option (2).
int ParseCommandLine(int argc, char** argv, double* scale, QString* sheetPath, QString* eachDir) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("Every control and component of the Veltor library at its default size.\n"
                     "--screenshot and --each render offscreen and exit; without them the sheet\n"
                     "is shown in a window (or, without a display, written to gallery.png)."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show these options and exit."));
  const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version and exit."));
  const QCommandLineOption scaleOption(QStringLiteral("scale"),
                                       QStringLiteral("Draw at <n> device pixels per pixel, 1 to 8 (default 1)."),
                                       QStringLiteral("n"));
  const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                      QStringLiteral("Write one contact sheet with the class names to <png>."),
                                      QStringLiteral("png"));
  const QCommandLineOption each(QStringLiteral("each"), QStringLiteral("Write <dir>/<class>.png for every class."),
                                QStringLiteral("dir"));
  parser.addOptions({help, version, scaleOption, screenshot, each});

  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const auto usageError = [](const QString& text) {
    std::fprintf(stderr, "veltor_gallery: %s\nTry 'veltor_gallery --help' for the options.\n", qPrintable(text));
    return 2;
  };
  if (!parser.parse(arguments)) return usageError(parser.errorText());
  if (parser.isSet(help)) {
    std::printf("%s", qPrintable(parser.helpText().replace(QLatin1String("<executable_name>"),
                                                           QLatin1String("veltor_gallery"))));
    return 0;
  }
  if (parser.isSet(version)) {
    std::printf("veltor_gallery %s\n", VELTOR_VERSION);
    return 0;
  }
  if (!parser.positionalArguments().isEmpty())
    return usageError(QStringLiteral("unexpected argument \"%1\"").arg(parser.positionalArguments().first()));
  if (parser.isSet(scaleOption)) {
    bool ok = false;
    *scale = parser.value(scaleOption).toDouble(&ok);
    if (!ok || !(*scale >= 1 && *scale <= 8)) return usageError(QStringLiteral("--scale takes a number from 1 to 8"));
  }
  *sheetPath = parser.value(screenshot);
  *eachDir = parser.value(each);
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  QString sheetPath, eachDir;
  double scale = 1;  // device pixels per pixel of the pictures
  const int status = ParseCommandLine(argc, argv, &scale, &sheetPath, &eachDir);
  if (status >= 0) return status;
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
