// veltordemo: the component demonstration.
//
//   veltordemo                    open the main window maximised
//   veltordemo --screenshot PNG   render the main window to PNG and exit
//   veltordemo --dialog NAME --screenshot PNG
//                                 render one demonstration dialog (its class
//                                 name, e.g. TBevelDemo) to PNG and exit
//   veltordemo --contact-sheet PNG
//                                 render every demonstration dialog into one
//                                 picture and exit
//   veltordemo --scale N ...      draw at N device pixels per pixel (1..8)
//
// The screenshot run never waits for a person: modal windows return at once
// and messages go to standard error. A wrong option exits with status 2.
#include "contactsheet.h"
#include "demodialog.h"
#include "forms.h"
#include "host/control.h"
#include "host/modalui.h"
#include "mainform.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QScreen>

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

// The parser runs before the application object exists, so it does not know
// the program's name yet.
QString HelpText(const QCommandLineParser& parser) {
  return parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("veltordemo"));
}

QStringList Arguments(int argc, char** argv) {
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  return args;
}

}  // namespace

int main(int argc, char** argv) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("The Veltor component demonstration."));
  const QCommandLineOption helpOption = parser.addHelpOption();
  const QCommandLineOption versionOption = parser.addVersionOption();
  const QCommandLineOption screenshotOption(
      QStringLiteral("screenshot"), QStringLiteral("Render the main window to <png> and exit."), QStringLiteral("png"));
  const QCommandLineOption scaleOption(
      QStringLiteral("scale"), QStringLiteral("Draw at <n> device pixels per pixel (1 to 8)."), QStringLiteral("n"));
  const QCommandLineOption dialogOption(
      QStringLiteral("dialog"), QStringLiteral("With --screenshot: render the demonstration dialog <name> instead."),
      QStringLiteral("name"));
  const QCommandLineOption sheetOption(QStringLiteral("contact-sheet"),
                                       QStringLiteral("Render every demonstration dialog into <png> and exit."),
                                       QStringLiteral("png"));
  parser.addOption(screenshotOption);
  parser.addOption(dialogOption);
  parser.addOption(sheetOption);
  parser.addOption(scaleOption);
  if (!parser.parse(Arguments(argc, argv))) {
    std::fprintf(stderr, "veltordemo: %s\n%s", qPrintable(parser.errorText()), qPrintable(HelpText(parser)));
    return 2;
  }
  if (parser.isSet(helpOption) || parser.isSet(QStringLiteral("help-all"))) {
    std::printf("%s", qPrintable(HelpText(parser)));
    return 0;
  }
  if (parser.isSet(versionOption)) {
    std::printf("veltordemo %s\n", VELTORDEMO_VERSION);
    return 0;
  }
  if (!parser.positionalArguments().isEmpty()) {
    std::fprintf(stderr, "veltordemo: unexpected argument %s\n", qPrintable(parser.positionalArguments().first()));
    return 2;
  }
  double scale = 0;  // 0: the screen's own ratio
  if (parser.isSet(scaleOption)) {
    bool ok = false;
    scale = parser.value(scaleOption).toDouble(&ok);
    if (!ok || !(scale >= 1 && scale <= 8)) {
      std::fprintf(stderr, "veltordemo: --scale takes a number from 1 to 8\n");
      return 2;
    }
  }
  if (parser.isSet(dialogOption) && !parser.isSet(screenshotOption)) {
    std::fprintf(stderr, "veltordemo: --dialog needs --screenshot\n");
    return 2;
  }
  if (parser.isSet(sheetOption) && parser.isSet(screenshotOption)) {
    std::fprintf(stderr, "veltordemo: --contact-sheet and --screenshot exclude each other\n");
    return 2;
  }
  const bool sheet = parser.isSet(sheetOption);
  const QString screenshot = parser.value(sheet ? sheetOption : screenshotOption);
  const bool batch = sheet || parser.isSet(screenshotOption);
  const bool headless = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if ((batch || headless) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // A picture needs no sound.
  if (batch && qEnvironmentVariableIsEmpty("SDL_AUDIODRIVER")) qputenv("SDL_AUDIODRIVER", "dummy");

  QApplication app(argc, argv);
  VeltorDemo::SetUpApplication();
  QApplication::setApplicationVersion(QStringLiteral(VELTORDEMO_VERSION));
  if (scale > 0) Veltor::TControl::SetDefaultSurfaceRatio(scale);
  ConsoleUI console;
  if (batch) Veltor::SetModalUI(&console);

  std::unique_ptr<QWidget> window;
  try {
    VeltorDemo::RegisterDemoClasses();
    if (sheet) {
      const QImage picture = VeltorDemo::DialogContactSheet();
      if (!picture.save(screenshot)) {
        std::fprintf(stderr, "veltordemo: cannot write %s\n", qPrintable(screenshot));
        return 1;
      }
      std::printf("contact sheet: %s\n", qPrintable(QFileInfo(screenshot).absoluteFilePath()));
      return 0;
    }
    if (parser.isSet(dialogOption)) {
      window = VeltorDemo::CreateDemoDialog(parser.value(dialogOption));
      if (!window) {
        std::fprintf(stderr, "veltordemo: no dialog %s; there are: %s\n", qPrintable(parser.value(dialogOption)),
                     qPrintable(VeltorDemo::DemoDialogNames().join(QStringLiteral(", "))));
        return 2;
      }
    } else {
      window = std::make_unique<VeltorDemo::TMainForm>();
    }
  } catch (const VeltorDemo::TFormError& e) {
    std::fprintf(stderr, "veltordemo: %s\n", e.what());
    return 1;
  }

  if (batch) {
    if (!parser.isSet(dialogOption)) window->resize(1024, 700);
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    QApplication::processEvents();
    const QImage picture = scale > 0 ? Veltor::GrabAtRatio(window.get(), scale) : window->grab().toImage();
    if (!picture.save(screenshot)) {
      std::fprintf(stderr, "veltordemo: cannot write %s\n", qPrintable(screenshot));
      return 1;
    }
    std::printf("screenshot: %s\n", qPrintable(QFileInfo(screenshot).absoluteFilePath()));
    return 0;
  }

  // Centred on the screen for window systems that do not maximise.
  if (QScreen* screen = window->screen()) window->move(screen->availableGeometry().center() - window->rect().center());
  window->showMaximized();
  return app.exec();
}
