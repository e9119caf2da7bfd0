#pragma once
// The demonstration dialogs of the buttons and frames: TBevelDemo,
// TLedTastDemo, TSchalterDemo, TTasterDemo and TTextSpinDemo.

#include "demodialog.h"

#include <vector>

class QLabel;

namespace Veltor {
class TBevel3D;
class TCustomSpin;
class TLedButton;
class TPictButton;
class TSlideButton;
class TSmartTimer;
}  // namespace Veltor

namespace VeltorDemo {

// Two frames whose edges, caption and text position follow the controls.
class TBevelDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TBevelDemo(QWidget* parent = nullptr);

 public slots:
  void on_BevelOutGroup_OnClick(QObject* Sender);
  void on_BevelInGroup_OnClick(QObject* Sender);
  void on_AdjustGroup_OnClick(QObject* Sender);
  void on_CaptionEdit_textChanged(const QString& text);
  void on_Caption1Edit_textChanged(const QString& text);
  void on_CaptEnableCheck_toggled(bool on);
  void on_CaptBlinkCheck_toggled(bool on);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  std::vector<Veltor::TBevel3D*> FBevels;
};

// Nine LED buttons: a radio row whose LEDs follow the pressed button, a row
// of momentary buttons lit while held, and a running light on a timer.
class TLedTastDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TLedTastDemo(QWidget* parent = nullptr);

  // The running light's lit button, 0..2.
  int RunStep() const { return FRunStep; }

 public slots:
  void on_ShapeGroup_OnClick(QObject* Sender);
  void on_CaptTypeGroup_OnClick(QObject* Sender);
  void on_BlinkCheck_toggled(bool on);
  void on_RunCheck_toggled(bool on);
  void on_SmartTimer1_TimerEvent(QObject* Sender, bool BlinkHigh);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  void ShowRadioRow(Veltor::TLedButton* clicked);

  std::vector<Veltor::TLedButton*> FButtons;  // all nine, row by row
  Veltor::TSmartTimer* FTimer = nullptr;
  int FRunStep = 0;
};

// Five slide switches of several sizes and colours; the line under them
// names the switch last moved and the text it shows.
class TSchalterDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TSchalterDemo(QWidget* parent = nullptr);

 public slots:
  void on_PositionGroup_OnClick(QObject* Sender);
  void on_TextPos1Edit_textChanged(const QString& text);
  void on_TextPos2Edit_textChanged(const QString& text);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  void ShowState(Veltor::TSlideButton* moved);

  std::vector<Veltor::TSlideButton*> FSwitches;
  QLabel* FState = nullptr;
};

// Three lit push buttons: face shape, content rows, blinking and texts.
class TTasterDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TTasterDemo(QWidget* parent = nullptr);

 public slots:
  void on_ShapeGroup_OnClick(QObject* Sender);
  void on_PictStyleGroup_OnClick(QObject* Sender);
  void on_BlinkCheck_toggled(bool on);
  void on_Text1Edit_textChanged(const QString& text);
  void on_Text2Edit_textChanged(const QString& text);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  std::vector<Veltor::TPictButton*> FButtons;
};

// A spinner of week days whose entry is read out in its three parts, and a
// second spinner choosing the first one's repeat speed.
class TTextSpinDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TTextSpinDemo(QWidget* parent = nullptr);

 public slots:
  void on_TextSpin1_onChanging(QObject* Sender);
  void on_TextSpin2_onChanging(QObject* Sender);
  void on_AdjustGroup_OnClick(QObject* Sender);
  void on_LimiterCheck_toggled(bool on);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  Veltor::TCustomSpin* FDays = nullptr;
  Veltor::TCustomSpin* FSpeeds = nullptr;
};

}  // namespace VeltorDemo
