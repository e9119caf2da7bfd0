#include "meterdemos.h"

#include "buttons/bevel3d.h"
#include "buttons/ledcheck.h"
#include "foundation/smarttimer.h"
#include "potis/poti10t.h"
#include "potis/potislide.h"
#include "potis/selectorslide.h"
#include "potis/slider.h"

#include <cmath>

namespace VeltorDemo {

using namespace Veltor;

// ---------------------------------------------------------------- TMeterDemo

void TMeterDemo::SetUp(const char* formName, const char* valueProperty, const char* dampingProperty) {
  LoadForm(formName);
  FValueProperty = valueProperty;
  FDampingProperty = dampingProperty;
  FMeters = {Child<QWidget>("Meter1"), Child<QWidget>("Meter2")};
  FTimer = Child<TSmartTimer>("SmartTimer1");
  if (auto* poti = Form()->findChild<TPotiSlide*>(QStringLiteral("PotiSlide1"))) {
    connect(poti, &TCustomSlide::onChanging, this, [this, poti] { SetMeterValue(poti->Value()); });
  }
  if (auto* selector = Form()->findChild<TSelectorSlide*>(QStringLiteral("SelectorSlide1"))) {
    connect(selector, &TCustomSlide::onChanging, this, [this, selector] { SetDamping(selector->Posinteger()); });
    SetDamping(selector->Posinteger());
  }
  if (auto* led = Form()->findChild<TLedCheck*>(QStringLiteral("LedCheck1"))) {
    connect(led, &TFramedControl::OnClick, this, [this, led] { SetTestSignal(led->Checked()); });
    SetTestSignal(led->Checked());
  }
}

void TMeterDemo::SetMeterValue(double value) {
  FMeters[0]->setProperty(FValueProperty, value);
  Changed();
}

void TMeterDemo::SetDamping(int damping) {
  for (QWidget* m : FMeters) m->setProperty(FDampingProperty, damping);
  Changed();
}

void TMeterDemo::SetTestSignal(bool on) { FTimer->SetTimerMode(on ? TSmartTimer::tmTicking : TSmartTimer::tmStopped); }

// Each period the second meter jumps to the other end of the test signal.
void TMeterDemo::on_SmartTimer1_TimerEvent(QObject*, bool) {
  FTestValue = FTestValue > 0 ? -kTestLevel : kTestLevel;
  FMeters[1]->setProperty(FValueProperty, FTestValue);
  Changed();
}

void TMeterDemo::on_PrintBtn_clicked() { PrintComponent(FMeters[0]); }

// --------------------------------------------------------------- TMeterHDemo

TMeterHDemo::TMeterHDemo(QWidget* parent) : TMeterDemo(parent) { SetUp("meterhdemo", "Value", "Damping"); }

void TMeterHDemo::Changed() {
  const int damping = FMeters[0]->property("Damping").toInt();
  Child<TBevel3D>("Bevel3D1")
      ->SetCaption(QStringLiteral("Wert: ") + QString::number(FMeters[0]->property("Value").toDouble(), 'f', 1));
  Child<TBevel3D>("Bevel3D2")->SetCaption(QStringLiteral("Test: ") + QString::number(TestValue(), 'f', 1));
  Child<TBevel3D>("Bevel3D3")
      ->SetCaption(QStringLiteral("Dämpfung: ") + (damping == 0 ? QStringLiteral("aus") : QString::number(damping)));
}

TMeterVDemo::TMeterVDemo(QWidget* parent) : TMeterDemo(parent) { SetUp("metervdemo", "Value", "Damping"); }

TMeter120Demo::TMeter120Demo(QWidget* parent) : TMeterDemo(parent) { SetUp("meter120demo", "Value", "Damping"); }

TMeter180Demo::TMeter180Demo(QWidget* parent) : TMeterDemo(parent) { SetUp("meter180demo", "Value", "Damping"); }

TMeter270Demo::TMeter270Demo(QWidget* parent) : TMeterDemo(parent) { SetUp("meter270demo", "Value", "Damping"); }

// ------------------------------------------------------------- TMeter360Demo

TMeter360Demo::TMeter360Demo(QWidget* parent) : TMeterDemo(parent) {
  SetUp("meter360demo", "Value1", "Damping1");
  on_Slider2_OnChanging(Child<TSlider>("Slider2"));
}

void TMeter360Demo::on_Poti10T1_onChanging(QObject* Sender) { SetMeterValue(qobject_cast<TPoti10T*>(Sender)->Value()); }

void TMeter360Demo::on_Slider1_OnChanging(QObject* Sender) {
  SetDamping(int(std::lround(qobject_cast<TSlider*>(Sender)->Value())));
}

void TMeter360Demo::on_Slider2_OnChanging(QObject* Sender) {
  FMeters[0]->setProperty("Value2", qobject_cast<TSlider*>(Sender)->Value());
}

}  // namespace VeltorDemo
