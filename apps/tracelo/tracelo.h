#pragma once
// TTracelo: the analyzer's main window. A logic display over a bar with the
// time-base selector and the command buttons; it opens the buffer fill and
// setup dialogs and the information box, and prints hard copies.

#include <QPrinter>
#include <QWidget>

#include <memory>

namespace Veltor {
class TLogic;
class TTextSpin;
}  // namespace Veltor

namespace Tracelo {

class TBufferFill;
class TInfos;
class TSetup;

extern const char* const kProgramTitle;  // "Corvane Logic Analyzer Demo"

class TTracelo : public QWidget {
  Q_OBJECT
 public:
  explicit TTracelo(QWidget* parent = nullptr);
  ~TTracelo() override;

  Veltor::TLogic* Display() const { return FDisplay; }
  Veltor::TTextSpin* TimeBaseSpin() const { return FTimeBase; }
  TSetup* Setup() const { return FSetup.get(); }
  TBufferFill* BufferFill() const { return FBufferFill.get(); }
  TInfos* Infos() const { return FInfos.get(); }
  QPrinter& Printer() { return FPrinter; }

  // The splash at the first paint and the notice at closing; off for
  // headless runs.
  void SetInfoBoxesEnabled(bool enabled) { FInfoBoxes = enabled; }
  // Shows "<title> [source]" in the caption.
  void SetSource(const QString& source);

  // Asks, then prints the display as the setup dialog's options say.
  // Returns true when a page was printed.
  bool HardCopy();

 public slots:
  void on_CloseBtn_clicked();
  void on_ScanBtn_clicked();
  void on_Display_onZoomSet(QObject* Sender);
  void on_TextGraphBtn_clicked();
  void on_TimeBase_onChanged(QObject* Sender);
  void on_SetupBtn_clicked();
  void on_HelpBtn_clicked();
  void on_PrintBtn_clicked();

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  void moveEvent(QMoveEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;

 private:
  void ShowSplash();
  // The information box, modal and centred on the window; it stays centred
  // while the window system still places the window (maximising it comes
  // after the first show).
  void ShowInfos();
  void CentreInfos();

  Veltor::TLogic* FDisplay = nullptr;
  Veltor::TTextSpin* FTimeBase = nullptr;
  std::unique_ptr<TSetup> FSetup;
  std::unique_ptr<TInfos> FInfos;
  std::unique_ptr<TBufferFill> FBufferFill;
  QPrinter FPrinter;
  bool FSplashShown = false;
  bool FInfoBoxes = true;
  bool FInfosOpen = false;
};

}  // namespace Tracelo
