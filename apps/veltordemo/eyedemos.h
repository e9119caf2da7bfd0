#pragma once
// The demonstration dialogs of the bar indicators: TMagicEyeDemo and
// TGaugeDemo.

#include "demodialog.h"

#include <vector>

namespace Veltor {
class TGaugeGp;
class TMagicEye;
class TSmartTimer;
}  // namespace Veltor

namespace VeltorDemo {

// Thirteen tuning eyes along which a sine wave runs: each tick draws the
// next eye; after a pass over all of them the phase moves on by 10 degrees.
// One pot sets the amplitude, the other the timer's period.
class TMagicEyeDemo : public TDemoDialog {
  Q_OBJECT
 public:
  static constexpr int kEyes = 13;
  static constexpr double kPhaseStep = 10;   // degrees per pass
  static constexpr double kEyeSpacing = 30;  // degrees between neighbouring eyes
  static constexpr double kCentre = 50;      // the eyes' scale runs 0..100

  explicit TMagicEyeDemo(QWidget* parent = nullptr);

  int NextEye() const { return FEye; }
  double Phase() const { return FPhase; }
  // The band of the eye at index for the present phase: centred, as wide as
  // the sine, with its edges swapped (the inverse colour) below zero.
  void ShowEye(int index);

 public slots:
  void on_SmartTimer1_TimerEvent(QObject* Sender, bool BlinkHigh);
  void on_Poti2702_onChanging(QObject* Sender);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  std::vector<Veltor::TMagicEye*> FEyes;
  Veltor::TSmartTimer* FTimer = nullptr;
  int FEye = 0;
  double FPhase = 0;
};

// Sixteen bar gauges, eight lying and eight standing, each row following a
// slider; spinners set segment width, gap, damping and bar or pointer mode.
class TGaugeDemo : public TDemoDialog {
  Q_OBJECT
 public:
  static constexpr int kGauges = 16;

  explicit TGaugeDemo(QWidget* parent = nullptr);

 public slots:
  void on_Slider1_OnChanging(QObject* Sender);
  void on_Slider2_OnChanging(QObject* Sender);
  void on_TextSpin1_onChanging(QObject* Sender);
  void on_TextSpin2_onChanging(QObject* Sender);
  void on_TextSpin3_onChanging(QObject* Sender);
  void on_TextSpin4_onChanging(QObject* Sender);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  std::vector<Veltor::TGaugeGp*> FGauges;  // the lying ones first
};

}  // namespace VeltorDemo
