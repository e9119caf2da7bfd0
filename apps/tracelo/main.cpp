// tracelo: the logic analyzer viewer.
//
//   tracelo [FILE]                       open a sample file or a capture at start
//   tracelo --from N FILE                show a capture from its sample N on
//   tracelo --screenshot PNG [FILE]      render the main window to PNG and exit
//   tracelo --scale N ...                draw at N device pixels per pixel (1..8)
//   tracelo --export-listing OUT [FILE]  write the text listing of the buffer and exit
//   tracelo --help | --version
//
// A capture is a value change dump, a sigrok session or a CSV file of 0/1
// columns; what part of it the buffer shows is printed and in the title.
// The two output options never show a dialog; a file that cannot be read or
// is damaged makes them print the reason and exit with status 1.
#include "bufferops.h"
#include "forms.h"
#include "host/modalui.h"
#include "logic/logic.h"
#include "tracelo.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cstdio>

namespace {

// Answers every question without a person: messages go to standard error.
class ConsoleUI : public Veltor::TModalUI {
 public:
  Veltor::TModalResult Message(const QString&, const QString& text, Veltor::TMsgDlgType,
                               Veltor::TMsgDlgButtons buttons) override {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    return buttons & Veltor::mbNo ? Veltor::mrNo : Veltor::mrOk;
  }
  void Beep() override {}
  int Exec(QDialog*) override { return 0; }
};

// The options of the command line; tracelo --help prints them.
struct Options {
  QString File, Screenshot, Listing;
  double Scale = 0;  // 0: the screen's own ratio
  qint64 From = 0;
};

// Reads the command line into options. Returns -1 to go on, or the exit
// status after --help, --version or a wrong option (2).
int ParseCommandLine(int argc, char** argv, Options* options) {
  QCommandLineParser parser;
  parser.setApplicationDescription(
      QStringLiteral("The logic analyzer viewer.\n"
                     "FILE is a sample file or a capture of another tool: a value change dump,\n"
                     "a sigrok session or a CSV file of 0/1 columns. The two output options never\n"
                     "show a dialog; a file that cannot be read makes them print the reason and\n"
                     "exit with status 1."));
  const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                QStringLiteral("Show these options and exit."));
  const QCommandLineOption version(QStringLiteral("version"), QStringLiteral("Show the version and exit."));
  const QCommandLineOption scale(QStringLiteral("scale"),
                                 QStringLiteral("Draw at <n> device pixels per pixel, 1 to 8 (default: the screen's)."),
                                 QStringLiteral("n"));
  const QCommandLineOption from(QStringLiteral("from"),
                                QStringLiteral("Show a capture from its sample <n> on (default 0)."),
                                QStringLiteral("n"));
  const QCommandLineOption screenshot(
      QStringLiteral("screenshot"), QStringLiteral("Render the main window to <png> and exit."), QStringLiteral("png"));
  const QCommandLineOption listing(QStringLiteral("export-listing"),
                                   QStringLiteral("Write the text listing of the buffer to <out> and exit."),
                                   QStringLiteral("out"));
  parser.addOptions({help, version, scale, from, screenshot, listing});
  parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The sample file or capture to open at start."),
                               QStringLiteral("[FILE]"));

  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const auto usageError = [](const QString& text) {
    std::fprintf(stderr, "tracelo: %s\nTry 'tracelo --help' for the options.\n", qPrintable(text));
    return 2;
  };
  if (!parser.parse(arguments)) return usageError(parser.errorText());
  if (parser.isSet(help)) {
    std::printf("%s",
                qPrintable(parser.helpText().replace(QLatin1String("<executable_name>"), QLatin1String("tracelo"))));
    return 0;
  }
  if (parser.isSet(version)) {
    std::printf("tracelo %s\n", VELTOR_VERSION);
    return 0;
  }
  if (parser.isSet(scale)) {
    bool ok = false;
    options->Scale = parser.value(scale).toDouble(&ok);
    if (!ok || !(options->Scale >= 1 && options->Scale <= 8))
      return usageError(QStringLiteral("--scale takes a number from 1 to 8"));
  }
  if (parser.isSet(from)) {
    bool ok = false;
    options->From = parser.value(from).toLongLong(&ok);
    if (!ok || options->From < 0) return usageError(QStringLiteral("--from takes a sample number from 0 on"));
  }
  options->Screenshot = parser.value(screenshot);
  options->Listing = parser.value(listing);
  const QStringList files = parser.positionalArguments();
  if (files.size() > 1)
    return usageError(QStringLiteral("one file at most, not \"%1\"").arg(files.join(QLatin1Char(' '))));
  if (!files.isEmpty()) options->File = files.first();
  return -1;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  const int status = ParseCommandLine(argc, argv, &options);
  if (status >= 0) return status;
  const QString &file = options.File, &screenshot = options.Screenshot, &listing = options.Listing;
  const double scale = options.Scale;
  const qint64 from = options.From;
  const bool batch = !screenshot.isEmpty() || !listing.isEmpty();
  const bool headless = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if ((batch || headless) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

  QApplication app(argc, argv);
  Tracelo::SetUpApplication();
  if (scale > 0) Veltor::TControl::SetDefaultSurfaceRatio(scale);
  ConsoleUI console;
  if (batch) Veltor::SetModalUI(&console);

  std::unique_ptr<Tracelo::TTracelo> window;
  try {
    Tracelo::RegisterTraceloClasses();
    window = std::make_unique<Tracelo::TTracelo>();
  } catch (const Tracelo::TFormError& e) {
    std::fprintf(stderr, "tracelo: %s\n", e.what());
    return 1;
  }
  window->SetInfoBoxesEnabled(!batch);

  if (!file.isEmpty()) {
    window->Display()->PaintNow();
    QString error, source = QFileInfo(file).fileName();
    const Tracelo::TCaptureFormat format = Tracelo::DetectCaptureFormat(file);
    bool loaded = false;
    if (format != Tracelo::TCaptureFormat::None) {
      QString shown;
      loaded = Tracelo::LoadCapture(*window->Display(), file, format, from, &shown, &error);
      if (loaded) {
        source += QStringLiteral(", ") + shown;
        std::printf("%s: %s\n", qPrintable(QFileInfo(file).fileName()), qPrintable(shown));
      } else if (!batch) {
        Veltor::ModalUI().Message(QString(), error, Veltor::mtError, Veltor::mbOK);
      }
    } else {
      loaded = window->Display()->LoadFromFile(file, &error);
    }
    if (!loaded && batch) {
      std::fprintf(stderr, "tracelo: %s\n", qPrintable(error));
      return 1;
    }
    if (loaded) window->SetSource(source);
  }

  if (!listing.isEmpty()) {
    QSaveFile out(listing);
    if (!out.open(QIODevice::WriteOnly) || !Tracelo::WriteListing(*window->Display(), out) || !out.commit()) {
      std::fprintf(stderr, "tracelo: cannot write %s: %s\n", qPrintable(listing), qPrintable(out.errorString()));
      return 1;
    }
  }
  if (!screenshot.isEmpty()) {
    window->resize(1024, 640);
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    QApplication::processEvents();
    const QImage picture = scale > 0 ? Veltor::GrabAtRatio(window.get(), scale) : window->grab().toImage();
    if (!picture.save(screenshot)) {
      std::fprintf(stderr, "tracelo: cannot write %s\n", qPrintable(screenshot));
      return 1;
    }
    std::printf("screenshot: %s\n", qPrintable(QFileInfo(screenshot).absoluteFilePath()));
  }
  if (batch) return 0;

  window->showMaximized();
  return app.exec();
}
