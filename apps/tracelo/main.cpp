// tracelo: the logic analyzer viewer.
//
//   tracelo [FILE]                       open a sample file or a capture at start
//   tracelo --from N FILE                show a capture from its sample N on
//   tracelo --screenshot PNG [FILE]      render the main window to PNG and exit
//   tracelo --scale N ...                draw at N device pixels per pixel (1..8)
//   tracelo --export-listing OUT [FILE]  write the text listing of the buffer and exit
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

int Usage() {
  std::fprintf(stderr, "usage: tracelo [--scale N] [--from N] [--screenshot PNG | --export-listing OUT] [FILE]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  QString file, screenshot, listing;
  double scale = 0;  // 0: the screen's own ratio
  qint64 from = 0;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == QLatin1String("--scale") && i + 1 < argc) {
      bool ok = false;
      scale = QString::fromLocal8Bit(argv[++i]).toDouble(&ok);
      if (!ok || !(scale >= 1 && scale <= 8)) {
        std::fprintf(stderr, "tracelo: --scale takes a number from 1 to 8\n");
        return 2;
      }
    } else if (arg == QLatin1String("--from") && i + 1 < argc) {
      bool ok = false;
      from = QString::fromLocal8Bit(argv[++i]).toLongLong(&ok);
      if (!ok || from < 0) {
        std::fprintf(stderr, "tracelo: --from takes a sample number from 0 on\n");
        return 2;
      }
    } else if ((arg == QLatin1String("--screenshot") || arg == QLatin1String("--export-listing")) && i + 1 < argc) {
      (arg == QLatin1String("--screenshot") ? screenshot : listing) = QString::fromLocal8Bit(argv[++i]);
    } else if (arg.startsWith(QLatin1String("--")) || !file.isEmpty()) {
      return Usage();
    } else {
      file = arg;
    }
  }
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
