#pragma once
// The demonstration dialogs of the keypads, entry fields, lettering and
// sliders: TJoyStickDemo, TLeftRightDemo, TUpDownDemo, TNumEditDemo,
// TStrokeTextDlg, TRotLabelDemo and TSliderDemo.

#include "demodialog.h"

#include <QPoint>

#include <vector>

class QLabel;
class QProgressBar;

namespace Veltor {
class TKeypad;
class TNumEdit;
class TPoti270;
class TRotLabel;
class TSlider;
class TSmartTimer;
class TStroke;
}  // namespace Veltor

namespace VeltorDemo {

// What the three keypad dialogs share: a spinner for the repeat speed, check
// boxes for momentary keys and locking, a report of the key that changed
// last, and a cursor the direction keys move (the centre key brings it home).
class TKeypadDemo : public TDemoDialog {
  Q_OBJECT
 public:
  // The cursor stays within -kRange..kRange on each axis.
  static constexpr int kRange = 50;

  // x to the right, y upwards.
  QPoint Position() const { return FPosition; }

 public slots:
  void on_TextSpin1_onChanging(QObject* Sender);
  void on_AllowAllUpCheck_toggled(bool on);
  void on_LockModeCheck_toggled(bool on);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 protected:
  // steps holds the move of each key, in the pad's key order.
  TKeypadDemo(QWidget* parent, const char* formName, const char* padName, std::vector<QPoint> steps);

  Veltor::TKeypad* FPad = nullptr;

 private:
  void KeyDown();
  void KeyUp();
  void ShowState(const QString& change);
  void ShowStatus();
  void ShowPosition();

  std::vector<QPoint> FSteps;
  QPoint FPosition;
  int FDowns = 0;
  int FUps = 0;
};

// The nine-key pad; the centre key shows a symbol of its own and may latch.
class TJoyStickDemo : public TKeypadDemo {
  Q_OBJECT
 public:
  explicit TJoyStickDemo(QWidget* parent = nullptr);
};

class TLeftRightDemo : public TKeypadDemo {
  Q_OBJECT
 public:
  explicit TLeftRightDemo(QWidget* parent = nullptr);
};

class TUpDownDemo : public TKeypadDemo {
  Q_OBJECT
 public:
  explicit TUpDownDemo(QWidget* parent = nullptr);
};

// Four entry fields with different ranges, decimals and units. The pot and
// the voltage field follow each other; a temperature above the alarm limit
// makes its field's LED blink.
class TNumEditDemo : public TDemoDialog {
  Q_OBJECT
 public:
  static constexpr double kAlarmLimit = 80;  // degrees Celsius

  explicit TNumEditDemo(QWidget* parent = nullptr);

 public slots:
  void on_Poti2701_onChanging(QObject* Sender);
  void on_NumEdit1_OnChange(QObject* Sender);
  void on_NumEdit4_OnChange(QObject* Sender);
  void on_ErrorShowCheck_toggled(bool on);
  void on_InvertCheck_toggled(bool on);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  void ShowValue(Veltor::TNumEdit* changed);

  std::vector<Veltor::TNumEdit*> FEdits;
  Veltor::TPoti270* FPoti = nullptr;
};

// Stroke-font lettering: entry fields for the character width and height,
// the angle and the pen width, an edit for the text, and choices for
// justification, colour, mirror and slant.
class TStrokeTextDlg : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TStrokeTextDlg(QWidget* parent = nullptr);

 public slots:
  void on_NumEdit1_OnChange(QObject* Sender);
  void on_NumEdit2_OnChange(QObject* Sender);
  void on_NumEdit3_OnChange(QObject* Sender);
  void on_NumEdit4_OnChange(QObject* Sender);
  void on_TextEdit_textChanged(const QString& text);
  void on_JustifyGroup_OnClick(QObject* Sender);
  void on_ColorGroup_OnClick(QObject* Sender);
  void on_MirrorCheck_toggled(bool on);
  void on_ItalicCheck_toggled(bool on);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  Veltor::TStroke* FStroke = nullptr;
};

// A label the timer turns step by step: one spinner sets the timer's period,
// the other the step in degrees. The timer stops when the dialog closes.
class TRotLabelDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TRotLabelDemo(QWidget* parent = nullptr);

  int Step() const { return FStep; }

 public slots:
  void on_SmartTimer1_TimerEvent(QObject* Sender, bool BlinkHigh);
  void on_TextSpin1_onChanging(QObject* Sender);
  void on_TextSpin2_onChanging(QObject* Sender);
  void on_TurnCheck_toggled(bool on);
  void on_TransparentCheck_toggled(bool on);
  void on_StyleGroup_OnClick(QObject* Sender);
  void on_CaptionEdit_textChanged(const QString& text);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 protected:
  void done(int r) override;

 private:
  void ShowAngle();

  Veltor::TRotLabel* FLabel = nullptr;
  Veltor::TSmartTimer* FTimer = nullptr;
  int FStep = 5;
};

// Twelve sliders of several looks, six lying and six standing; the line
// under them reads out the one moved last, and a spinner sets how slowly
// they follow the mouse.
class TSliderDemo : public TDemoDialog {
  Q_OBJECT
 public:
  static constexpr int kSliders = 12;

  explicit TSliderDemo(QWidget* parent = nullptr);

 public slots:
  void on_TextSpin1_onChanging(QObject* Sender);
  void on_ScalaCheck_toggled(bool on);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  void ShowValue(Veltor::TSlider* moved);

  std::vector<Veltor::TSlider*> FSliders;
};

}  // namespace VeltorDemo
