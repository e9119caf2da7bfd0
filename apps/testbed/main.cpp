// Test bed: a window of frame controls in their different looks.
//
//   veltor_testbed [--screenshot FILE.png]
//
// With --screenshot (or when there is no display) the window is rendered
// offscreen, saved as a PNG whose path is printed, and the program exits.

#include "foundation/rahmen.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>
#include <memory>

using namespace Veltor;

namespace {

// A frame control that shows its caption fitted into the inner rectangle, and
// can be shown pressed without a mouse.
class CaptionFrame : public TRahmen {
 public:
  using TRahmen::TRahmen;
  QString Caption;
  void ShowPressedNow() {
    PaintNow();
    DrawPressed(true);
  }

 protected:
  void Paint() override {
    TRahmen::Paint();
    if (Caption.isEmpty()) return;
    TCanvas& c = Canvas();
    const TRect r = InnerRect();
    if (FontAutom()) FitFont(c, r, Caption);
    c.Brush.Style = bsClear;
    c.TextOut(r.Left + (r.Width() - c.TextWidth(Caption)) / 2,
              r.Top + (r.Height() - c.TextHeight(Caption)) / 2, Caption);
  }
};

struct Variant {
  const char* label;
  std::function<void(CaptionFrame&)> setup;
};

QWidget* BuildWindow(QList<CaptionFrame*>* pressLater) {
  auto* window = new QWidget;
  window->setWindowTitle(QStringLiteral("Veltor test bed"));
  auto* grid = new QGridLayout(window);
  grid->setSpacing(10);

  const Variant variants[] = {
      {"raised (default)", [](CaptionFrame&) {}},
      {"lowered outer bevel", [](CaptionFrame& f) { f.SetBevelOut(bvLowered); }},
      {"inner bevel lowered", [](CaptionFrame& f) { f.SetBevelIn(bvLowered); }},
      {"wide rings, inner raised",
       [](CaptionFrame& f) {
         f.SetBevWidth(5);
         f.SetBordWidth(4);
         f.SetBevelIn(bvRaised);
         f.SetColBgnd(clAqua);
       }},
      {"left and top off",
       [](CaptionFrame& f) {
         f.SetBordLeft(false);
         f.SetBordTop(false);
         f.SetBevelIn(bvLowered);
       }},
      {"all sides off, framed",
       [](CaptionFrame& f) {
         f.SetBordLeft(false);
         f.SetBordTop(false);
         f.SetBordRight(false);
         f.SetBordBottom(false);
         f.SetFramed(true);
         f.SetColBgnd(clYellow);
       }},
      {"push button", [](CaptionFrame& f) { f.SetButtonStyle(tsPush); f.Caption = QStringLiteral("Push"); }},
      {"push button, pressed",
       [](CaptionFrame& f) {
         f.SetButtonStyle(tsPush);
         f.Caption = QStringLiteral("Pressed");
       }},
      {"push-pull, lowered, pressed",
       [](CaptionFrame& f) {
         f.SetButtonStyle(tsPushPull);
         f.SetBevelOut(bvLowered);
         f.Caption = QStringLiteral("Toggle");
       }},
      {"no outer bevel, inner pressed",
       [](CaptionFrame& f) {
         f.SetButtonStyle(tsPush);
         f.SetBevelOut(bvNone);
         f.SetBevelIn(bvRaised);
         f.Caption = QStringLiteral("Inner");
       }},
      {"fitted caption",
       [](CaptionFrame& f) {
         f.SetBevelIn(bvLowered);
         f.SetColBgnd(clWhite);
         f.Caption = QStringLiteral("Fit 123");
       }},
      {"no rings at all",
       [](CaptionFrame& f) {
         f.SetBevelOut(bvNone);
         f.SetBordWidth(0);
         f.SetColBgnd(clGray);
       }},
  };

  int i = 0;
  for (const Variant& v : variants) {
    auto* cell = new QWidget(window);
    auto* box = new QVBoxLayout(cell);
    box->setContentsMargins(0, 0, 0, 0);
    auto* frame = new CaptionFrame(cell);
    frame->setFixedSize(160, 80);
    v.setup(*frame);
    if (QString::fromLatin1(v.label).contains(QLatin1String("pressed"))) pressLater->append(frame);
    box->addWidget(frame);
    box->addWidget(new QLabel(QString::fromLatin1(v.label), cell));
    grid->addWidget(cell, i / 4, i % 4);
    ++i;
  }
  return window;
}

}  // namespace

int main(int argc, char** argv) {
  QString screenshot;
  for (int i = 1; i < argc; ++i) {
    const QString arg = QString::fromLocal8Bit(argv[i]);
    if (arg == QLatin1String("--screenshot") && i + 1 < argc) {
      screenshot = QString::fromLocal8Bit(argv[++i]);
    } else {
      std::fprintf(stderr, "usage: veltor_testbed [--screenshot FILE.png]\n");
      return 2;
    }
  }
  const bool headless = qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
  if (headless && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (headless && screenshot.isEmpty()) screenshot = QDir::current().absoluteFilePath(QStringLiteral("testbed.png"));

  QApplication app(argc, argv);
  QList<CaptionFrame*> pressLater;
  std::unique_ptr<QWidget> window(BuildWindow(&pressLater));
  window->adjustSize();

  if (!screenshot.isEmpty()) {
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    for (CaptionFrame* f : pressLater) f->ShowPressedNow();
    if (!window->grab().save(screenshot)) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(screenshot));
      return 1;
    }
    std::printf("screenshot: %s\n", qPrintable(QFileInfo(screenshot).absoluteFilePath()));
    return 0;
  }
  window->show();
  for (CaptionFrame* f : pressLater) f->ShowPressedNow();
  return app.exec();
}
