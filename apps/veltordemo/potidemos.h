#pragma once
// The demonstration dialogs of the pots and selectors: TSchaltLinDemo,
// TSchalt270Demo, TPotiLinDemo and TPoti270Demo.

#include "demodialog.h"

#include <vector>

class QLabel;

namespace Veltor {
class TCustomSpin;
class TPoti270;
class TPotiSlide;
class TSelector270;
class TSelectorSlide;
}  // namespace Veltor

namespace VeltorDemo {

// Three slide selectors; the line under them reads out the one moved last.
class TSchaltLinDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TSchaltLinDemo(QWidget* parent = nullptr);

 public slots:
  void on_CaptBevelGroup_OnClick(QObject* Sender);
  void on_CaptEnableCheck_toggled(bool on);
  void on_PresEnableCheck_toggled(bool on);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  void ShowValue(Veltor::TSelectorSlide* moved);

  std::vector<Veltor::TSelectorSlide*> FSelectors;
  QLabel* FValue = nullptr;
};

// A rotary switch whose number of positions a spinner chooses.
class TSchalt270Demo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TSchalt270Demo(QWidget* parent = nullptr);

 public slots:
  void on_Selector2701_onChanging(QObject* Sender);
  void on_TextSpin1_onChanging(QObject* Sender);
  void on_CaptBevelGroup_OnClick(QObject* Sender);
  void on_ButtonSmallCheck_toggled(bool on);
  void on_PresEnableCheck_toggled(bool on);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  Veltor::TSelector270* FSelector = nullptr;
};

// Three slide pots, one with a scale in decades; a spinner sets how slowly
// they follow the mouse.
class TPotiLinDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TPotiLinDemo(QWidget* parent = nullptr);

 public slots:
  void on_TextSpin1_onChanging(QObject* Sender);
  void on_NonLinearCheck_toggled(bool on);
  void on_PresEnableCheck_toggled(bool on);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  void ShowValue(Veltor::TPotiSlide* moved);

  std::vector<Veltor::TPotiSlide*> FPotis;
};

// A rotary pot with spinners for its scale divisions and its damping.
class TPoti270Demo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TPoti270Demo(QWidget* parent = nullptr);

 public slots:
  void on_Poti2701_onChanging(QObject* Sender);
  void on_TextSpin1_onChanging(QObject* Sender);
  void on_TextSpin2_onChanging(QObject* Sender);
  void on_ButtonSmallCheck_toggled(bool on);
  void on_PresEnableCheck_toggled(bool on);
  void on_CaptionEdit_textChanged(const QString& text);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  Veltor::TPoti270* FPoti = nullptr;
};

}  // namespace VeltorDemo
