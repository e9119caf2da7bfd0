#pragma once
// The demonstration dialogs of the buttons and frames: TBevelDemo,
// TLedTastDemo, TSchalterDemo, TTasterDemo and TTextSpinDemo.

#include "demodialog.h"

#include <vector>

namespace Veltor {
class TBevel3D;
class TLedButton;
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

}  // namespace VeltorDemo
