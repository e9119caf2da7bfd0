#pragma once
// The demonstration dialogs of the timers, the picture buttons, the LED
// checks, the series spinners and the box line: TSmartTimeDemo,
// TMultiBmpDemo, TLedCheckDemo, TSerieSpinDemo, TCtrlTimDemo and
// TBoxLineDemo.

#include "demodialog.h"

#include <QColor>
#include <QStringList>

#include <array>
#include <vector>

class QLabel;

namespace Veltor {
class TBevel3D;
class TBoxLine;
class TCtrlTimer;
class TCustomSpin;
class TLedButton;
class TLedCheck;
class TMultiBmp;
class TNumEdit;
class TPictButton;
class TSmartTimer;
class TSpin7Seg;
}  // namespace Veltor

namespace VeltorDemo {

// ------------------------------------------------------------ TSmartTimeDemo

// A smart timer whose mode, period and number of cycles come from three
// spinners; each of its events moves a running light over four LED buttons,
// and four frames read out mode, period, cycles left and events counted.
class TSmartTimeDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TSmartTimeDemo(QWidget* parent = nullptr);

  int Events() const { return FEvents; }

 public slots:
  void on_TextSpin1_onChanging(QObject* Sender);
  void on_TextSpin2_onChanging(QObject* Sender);
  void on_TextSpin3_onChanging(QObject* Sender);
  void on_SmartTimer1_TimerEvent(QObject* Sender, bool BlinkHigh);
  void on_RestartBtn_clicked();
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  void ShowState();

  Veltor::TSmartTimer* FTimer = nullptr;
  std::vector<Veltor::TLedButton*> FLights;
  std::vector<Veltor::TBevel3D*> FReadOuts;
  Veltor::TCustomSpin* FModeSpin = nullptr;
  Veltor::TCustomSpin* FCyclesSpin = nullptr;
  int FEvents = 0;
  int FLit = 0;
};

// ------------------------------------------------------------- TMultiBmpDemo

// Twelve multi-bitmap buttons: four animations; two blinking pictures, a
// traffic light and a counter the timer steps each second; a radio group of
// four lamps. The rotated label names the demo along its side.
class TMultiBmpDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TMultiBmpDemo(QWidget* parent = nullptr);

 public slots:
  void on_AnimateCheck_toggled(bool on);
  void on_BlinkCheck_toggled(bool on);
  void on_TranspCheck_toggled(bool on);
  void on_MultiBmp1_OnEndAnim(QObject* Sender);
  void on_SmartTimer1_TimerEvent(QObject* Sender, bool BlinkHigh);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  void ShowLamps(Veltor::TMultiBmp* clicked);

  std::vector<Veltor::TMultiBmp*> FButtons;  // all twelve, row by row
  int FPasses = 0;
};

// ------------------------------------------------------------- TLedCheckDemo

// Twenty LED checks: six check boxes switching a lamp, a fan and four
// loads; three radio groups choosing a traffic light, the LED shape and the
// LED bevel; six options for blinking, caption frames, a second caption
// and switching everything on or off. The slider sets the LED size.
class TLedCheckDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TLedCheckDemo(QWidget* parent = nullptr);

  static constexpr int kSwitches = 6;
  static constexpr int kChecks = 20;

 public slots:
  void on_Slider1_OnChanging(QObject* Sender);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  Veltor::TLedCheck* Led(int number) const { return FLeds[std::size_t(number - 1)]; }
  void SwitchChanged();
  void Choose(int number);
  void OptionsChanged();
  void SwitchAll(bool on);

  std::vector<Veltor::TLedCheck*> FLeds;  // LedCheck1 .. LedCheck20
  std::vector<Veltor::TMultiBmp*> FPictures;
};

// ------------------------------------------------------------ TSerieSpinDemo

// The E series of preferred values: 3, 6, 12 or 24 values per decade, as
// ten times the value (10, 22, 47 ...).
std::vector<int> PreferredValues(int perDecade);
// The entries of a series spinner for a series: "4.7|47|4.7".
QStringList SeriesEntries(int perDecade);
// The colour bands of a resistor: two digits, the multiplier (a power of
// ten, -1 for gold) and the tolerance in percent.
std::array<QColor, 4> ResistorBands(int twoDigits, int multiplier, int tolerance);

// A resistor put together from four series spinners (preferred value,
// multiplier, tolerance, power); LED radio buttons choose the E series, an
// LED check box the spinners' limiter, the slider their repeat speed. The
// numeric field shows the resistance, the picture its colour bands.
class TSerieSpinDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TSerieSpinDemo(QWidget* parent = nullptr);

  static constexpr int kSeries[] = {3, 6, 12, 24};
  // Ohms.
  double Resistance() const;
  int SeriesShown() const { return FSeries; }

 public slots:
  void on_SerieSpin1_onChanging(QObject*) { ShowResistor(); }
  void on_SerieSpin2_onChanging(QObject*) { ShowResistor(); }
  void on_SerieSpin3_onChanging(QObject*) { ShowResistor(); }
  void on_SerieSpin4_onChanging(QObject*) { ShowResistor(); }
  void on_LedCheck5_OnClick(QObject* Sender);
  void on_Slider1_OnChanging(QObject* Sender);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  void ChooseSeries(int perDecade);
  void ShowResistor();

  std::vector<Veltor::TCustomSpin*> FSpins;
  Veltor::TNumEdit* FOhms = nullptr;
  Veltor::TMultiBmp* FPicture = nullptr;
  int FSeries = 0;
};

// -------------------------------------------------------------- TCtrlTimDemo

// A control timer whose triggers and end light up four picture buttons:
// each event writes its line into the matching button and makes it blink,
// the timer's reset clears them. Spinners choose resolution, segment and
// panel colour, an LED check italic digits. Closing resets the timer.
class TCtrlTimDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TCtrlTimDemo(QWidget* parent = nullptr);

  static QString TriggeredLine() { return QStringLiteral("\ttriggered"); }
  static QString ElapsedLine() { return QStringLiteral("\telapsed"); }

  // Every way of closing comes here: the timer goes back to reset.
  void done(int result) override;

 public slots:
  void on_CtrlTimer1_OnTrigger1(QObject*) { Announce(0, TriggeredLine()); }
  void on_CtrlTimer1_OnTrigger2(QObject*) { Announce(1, TriggeredLine()); }
  void on_CtrlTimer1_OnTrigger3(QObject*) { Announce(2, TriggeredLine()); }
  void on_CtrlTimer1_OnElapsed(QObject*) { Announce(3, ElapsedLine()); }
  void on_CtrlTimer1_OnReset(QObject* Sender);
  void on_TextSpin1_onChanging(QObject* Sender);
  void on_TextSpin2_onChanging(QObject* Sender);
  void on_TextSpin3_onChanging(QObject* Sender);
  void on_LedCheck1_OnClick(QObject* Sender);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  void Announce(int button, const QString& line);

  Veltor::TCtrlTimer* FTimer = nullptr;
  std::vector<Veltor::TPictButton*> FLights;
};

// -------------------------------------------------------------- TBoxLineDemo

// A byte on two hexadecimal thumbwheels, high and low nibble: the low
// wheel's carry and borrow step the high one. Both box lines show the byte,
// one as a row and one as a column, each with a row of eight LED checks
// beside its boxes; a click on a box or an LED toggles that bit.
class TBoxLineDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TBoxLineDemo(QWidget* parent = nullptr);

  static constexpr int kBits = 8;

  int Byte() const;
  void SetByte(int value);

 public slots:
  void on_Spin7Seg1_onChanging(QObject*) { ShowByte(); }
  void on_Spin7Seg2_onChanging(QObject*) { ShowByte(); }
  void on_Spin7Seg2_onWrapCarry(QObject*) { StepHigh(true); }
  void on_Spin7Seg2_onWrapBorrow(QObject*) { StepHigh(false); }
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  void StepHigh(bool up);
  void ToggleBit(int bit);
  void ShowByte();
  void PlaceLeds(Veltor::TBoxLine* line, int firstLed, bool beside);

  Veltor::TSpin7Seg* FHigh = nullptr;
  Veltor::TSpin7Seg* FLow = nullptr;
  std::array<Veltor::TBoxLine*, 2> FLines{};
  std::vector<Veltor::TLedCheck*> FLeds;  // bits 0..7 of the row, then of the column
  QLabel* FValue = nullptr;
};

}  // namespace VeltorDemo
