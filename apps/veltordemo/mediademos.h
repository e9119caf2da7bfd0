#pragma once
// The demonstration dialogs of the device, file and panel components:
// TPlaySoundDemo, TGamePortDemo, TTextSrcollDemo, TIniFileDemo and
// TRollFormDemo.

#include "demodialog.h"

#include <array>
#include <vector>

class QListWidgetItem;

namespace Veltor {
class TGamePort;
class TGaugeGp;
class TIniEditor;
class TLedButton;
class TMultiBmp;
class TPlaySound;
class TRollBar;
class TScrnSaveCtrl;
class TTextScroller;
}  // namespace Veltor

namespace VeltorDemo {

// Picks a wave file from a folder list and a file list and plays it once
// (waiting or not) or over and over; a spinner chooses how. The dialog
// starts among the library's own sounds.
class TPlaySoundDemo : public TDemoDialog {
  Q_OBJECT
 public:
  // The library's sounds, built into the program.
  static constexpr const char* kSoundFolder = ":/veltor/sounds";

  explicit TPlaySoundDemo(QWidget* parent = nullptr);

  QString Folder() const { return FFolder; }
  // Lists the sub-folders and the wave files of path.
  void ShowFolder(const QString& path);
  // The selected file in the spinner's way; nothing without a file.
  void Play();

 public slots:
  void on_PlaceBox_activated(int index);
  void on_DirList_itemActivated(QListWidgetItem* item);
  void on_FileList_itemActivated(QListWidgetItem* item);
  void on_PlayBtn_clicked() { Play(); }
  void on_StopBtn_clicked();
  void on_RepDelayEdit_valueChanged(double seconds);
  void on_TextSpin1_onChanged(QObject* Sender);
  void on_CloseBtn_clicked() { accept(); }

 protected:
  void done(int result) override;

 private:
  void ShowState();

  Veltor::TPlaySound* FSound = nullptr;
  QString FFolder;
};

// Two joysticks: their axes in four gauges, their buttons in four lamps.
// LED buttons switch the port on and choose the sticks, their LEDs showing
// which sticks answered.
class TGamePortDemo : public TDemoDialog {
  Q_OBJECT
 public:
  static constexpr int kButtons = 4;
  static constexpr int kCentre = 32768;  // of an axis' 0..65535

  explicit TGamePortDemo(QWidget* parent = nullptr);

 public slots:
  void on_GamePort1_OnJoy1Move(QObject* Sender, int x, int y, int z, int Button);
  void on_GamePort1_OnJoy2Move(QObject* Sender, int x, int y, int z, int Button);
  void on_GamePort1_OnJoy1ButtonDown(QObject* Sender, int x, int y, int z, int Button, int ButtonChanged);
  void on_GamePort1_OnJoy2ButtonDown(QObject* Sender, int x, int y, int z, int Button, int ButtonChanged);
  void on_GamePort1_OnJoy1ButtonUp(QObject* Sender, int x, int y, int z, int Button, int ButtonChanged);
  void on_GamePort1_OnJoy2ButtonUp(QObject* Sender, int x, int y, int z, int Button, int ButtonChanged);
  void on_LedButton1_OnClick(QObject* Sender);
  void on_LedButton2_OnClick(QObject* Sender);
  void on_LedButton3_OnClick(QObject* Sender);
  void on_CloseBtn_clicked() { accept(); }

 protected:
  void done(int result) override;

 private:
  // Stick 1 or 2 at x, y holding the buttons of the mask.
  void ShowStick(int stick, int x, int y, int buttons);
  // Captures the chosen sticks anew and shows what answered.
  void Reconnect();

  Veltor::TGamePort* FPort = nullptr;
  std::vector<Veltor::TGaugeGp*> FGauges;  // x and y of stick 1, then of stick 2
  std::vector<Veltor::TMultiBmp*> FLamps;  // buttons 1..4
  std::vector<Veltor::TLedButton*> FLeds;  // on/off, stick 1, stick 2
  std::array<int, 2> FButtons{};           // the button mask of each stick
};

// A file viewer: text or hex dump, font size, a rest-time hint over the
// view, and a screen-saver switch that is put back when the dialog closes.
// The viewer only reads the files it shows.
class TTextSrcollDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TTextSrcollDemo(QWidget* parent = nullptr);

  // Shows the file; false (and the message the view gave) when it cannot be read.
  bool OpenFile(const QString& path);

 public slots:
  void on_OpenBtn_clicked();
  void on_MultiBmp1_OnClick(QObject* Sender);
  void on_TextSpin1_onChanging(QObject* Sender);
  void on_ReadOnlyCheck_toggled(bool on);
  void on_OverWriteCheck_toggled(bool on);
  void on_SaverCheck_toggled(bool on);
  void on_TextScroller1_OnShowStatus(QObject* Sender, int LineNum, int ColNum, bool overwrite, bool changed);
  void on_BitWin1_OnShow(QObject* Sender, QPoint& sMousePos, QString& bwInfo, bool& bwShow);
  void on_CloseBtn_clicked() { accept(); }

 protected:
  void done(int result) override;

 private:
  void RestoreSaver();

  Veltor::TTextScroller* FScroller = nullptr;
  Veltor::TScrnSaveCtrl* FSaver = nullptr;
};

// Writes one value of each type into a section of the program's own
// settings file in the user's configuration folder and reads them back.
class TIniFileDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TIniFileDemo(QWidget* parent = nullptr);

  Veltor::TIniEditor* Editor() const { return FEditor; }

 public slots:
  void on_WriteBtn_clicked();
  void on_ReadBtn_clicked();
  void on_EraseBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  QString Section() const;
  void ShowFile();

  Veltor::TIniEditor* FEditor = nullptr;
};

// Four roll-up panels; the slider sets how fast they roll.
class TRollFormDemo : public TDemoDialog {
  Q_OBJECT
 public:
  static constexpr int kBars = 4;

  explicit TRollFormDemo(QWidget* parent = nullptr);

 public slots:
  void on_Slider1_OnChanging(QObject* Sender);
  void on_UpBtn_clicked();
  void on_DownBtn_clicked();
  void on_ShowBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  std::vector<Veltor::TRollBar*> FBars;
};

}  // namespace VeltorDemo
