#pragma once
// TMainForm: the demo's main window. A bar of speed buttons, one per
// component, over a gradient background; a memory read-out, spy eyes, the
// language switch and a status line with the hovered button's description.

#include "launchtable.h"
#include "rules.h"

#include <QWidget>

#include <memory>

namespace Veltor {
class TBackGround;
class TLabel;
class TLedCheck;
class TPanel;
class TPlaySound;
class TSpeedButton;
class TSysInfo;
}  // namespace Veltor

namespace VeltorDemo {

class TAboutBox;

// The form's colour, $D1D1D1.
extern const QColor kFormColour;

class TMainForm : public QWidget {
  Q_OBJECT
 public:
  explicit TMainForm(QWidget* parent = nullptr);
  ~TMainForm() override;

  Veltor::TSpeedButton* Button(const char* name) const;
  Veltor::TBackGround* BackGround() const { return FBackGround; }
  Veltor::TPanel* StatusBar() const { return FStatusBar; }
  Veltor::TLedCheck* LedCheck() const { return FLedCheck; }
  Veltor::TSysInfo* SysInfo() const { return FSysInfo; }
  Veltor::TPlaySound* PlaySound() const { return FPlaySound; }
  TAboutBox* AboutBox() const { return FAboutBox.get(); }
  Veltor::TLabel* MemTot() const { return FMemTot; }
  Veltor::TLabel* MemFree() const { return FMemFree; }
  Veltor::TLabel* MemUsed() const { return FMemUsed; }

  // What a click on the button does.
  void Launch(const TLaunchButton& button);

 public slots:
  void on_LedCheck1_OnClick(QObject* Sender);
  void on_SmartTimer_TimerEvent(QObject* Sender, bool BlinkHigh);

 protected:
  void showEvent(QShowEvent* e) override;
  void closeEvent(QCloseEvent* e) override;

 private:
  void SetUpButtons(QWidget* form);
  void ShowAboutOnce();
  void ShowAbout();
  void StepShade();
  void RefreshMemory();
  void PlayWave(const QString& file);

  std::unique_ptr<TAboutBox> FAboutBox;
  Veltor::TBackGround* FBackGround = nullptr;
  Veltor::TPanel* FStatusBar = nullptr;
  Veltor::TLedCheck* FLedCheck = nullptr;
  Veltor::TSysInfo* FSysInfo = nullptr;
  Veltor::TPlaySound* FPlaySound = nullptr;
  Veltor::TLabel* FMemTot = nullptr;
  Veltor::TLabel* FMemFree = nullptr;
  Veltor::TLabel* FMemUsed = nullptr;
  bool FAboutShown = false;
};

}  // namespace VeltorDemo
