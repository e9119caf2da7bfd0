#pragma once
// The demonstration dialogs of the pointer instruments: TMeterHDemo,
// TMeterVDemo, TMeter120Demo, TMeter180Demo, TMeter270Demo and
// TMeter360Demo. Each shows two meters: the first follows a pot, the second
// a test signal from a timer that swings it past both ends of its scale.

#include "demodialog.h"

#include <array>

namespace Veltor {
class TSmartTimer;
}  // namespace Veltor

namespace VeltorDemo {

class TMeterDemo : public TDemoDialog {
  Q_OBJECT
 public:
  // The test signal alternates between -kTestLevel and +kTestLevel, one past
  // the ends of the second meter's -10..10 scale.
  static constexpr double kTestLevel = 11;

  double TestValue() const { return FTestValue; }

 public slots:
  void on_SmartTimer1_TimerEvent(QObject* Sender, bool BlinkHigh);
  void on_PrintBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 protected:
  explicit TMeterDemo(QWidget* parent) : TDemoDialog(parent) {}

  // Loads the form and wires the companions it has: a slide pot for the
  // first meter's value, a slide selector for both meters' damping and an
  // LED check box switching the test signal.
  void SetUp(const char* formName, const char* valueProperty, const char* dampingProperty);
  void SetMeterValue(double value);
  void SetDamping(int damping);
  void SetTestSignal(bool on);
  // After any of them: the read-outs of dialogs that have some.
  virtual void Changed() {}

  std::array<QWidget*, 2> FMeters{};

 private:
  Veltor::TSmartTimer* FTimer = nullptr;
  const char* FValueProperty = "Value";
  const char* FDampingProperty = "Damping";
  double FTestValue = 0;  // until the first period
};

// Horizontal panel meters with three frames reading out value, test signal
// and damping.
class TMeterHDemo : public TMeterDemo {
  Q_OBJECT
 public:
  explicit TMeterHDemo(QWidget* parent = nullptr);

 protected:
  void Changed() override;
};

class TMeterVDemo : public TMeterDemo {
  Q_OBJECT
 public:
  explicit TMeterVDemo(QWidget* parent = nullptr);
};

class TMeter120Demo : public TMeterDemo {
  Q_OBJECT
 public:
  explicit TMeter120Demo(QWidget* parent = nullptr);
};

class TMeter180Demo : public TMeterDemo {
  Q_OBJECT
 public:
  explicit TMeter180Demo(QWidget* parent = nullptr);
};

class TMeter270Demo : public TMeterDemo {
  Q_OBJECT
 public:
  explicit TMeter270Demo(QWidget* parent = nullptr);
};

// Full-circle meters with two pointers: a ten-turn pot moves the first
// meter's first pointer, sliders its second pointer and the damping.
class TMeter360Demo : public TMeterDemo {
  Q_OBJECT
 public:
  explicit TMeter360Demo(QWidget* parent = nullptr);

 public slots:
  void on_Poti10T1_onChanging(QObject* Sender);
  void on_Slider1_OnChanging(QObject* Sender);
  void on_Slider2_OnChanging(QObject* Sender);
};

}  // namespace VeltorDemo
