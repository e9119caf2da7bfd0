#include "eyedemos.h"

#include "buttons/textspin.h"
#include "foundation/helpers.h"
#include "foundation/smarttimer.h"
#include "meters/gauge.h"
#include "meters/magiceye.h"
#include "potis/poti270.h"
#include "potis/slider.h"

#include <cmath>

namespace VeltorDemo {

using namespace Veltor;

// ------------------------------------------------------------- TMagicEyeDemo

TMagicEyeDemo::TMagicEyeDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("magiceyedemo");
  FEyes = Numbered<TMagicEye>(*this, "MagicEye", kEyes);
  FTimer = Child<TSmartTimer>("SmartTimer1");
  for (int i = 0; i < kEyes; ++i) ShowEye(i);
  on_Poti2702_onChanging(Child<TPoti270>("Poti2702"));
}

void TMagicEyeDemo::ShowEye(int index) {
  const double amplitude = Child<TPoti270>("Poti2701")->Value() / 100.0;
  const double half = kCentre * amplitude * SinDeg(FPhase + index * kEyeSpacing);
  FEyes[std::size_t(index)]->SetStartPos(kCentre - half);
  FEyes[std::size_t(index)]->SetEndPos(kCentre + half);
}

void TMagicEyeDemo::on_SmartTimer1_TimerEvent(QObject*, bool) {
  ShowEye(FEye);
  if (++FEye == kEyes) {
    FEye = 0;
    FPhase = std::fmod(FPhase + kPhaseStep, 360.0);
  }
}

void TMagicEyeDemo::on_Poti2702_onChanging(QObject* Sender) {
  FTimer->SetTime(quint16(std::lround(qobject_cast<TPoti270*>(Sender)->Value())));
}

void TMagicEyeDemo::on_PrintBtn_clicked() { PrintComponent(FEyes.front()); }

// ---------------------------------------------------------------- TGaugeDemo

namespace {

int SpinValue(QObject* spin) { return qobject_cast<TCustomSpin*>(spin)->PosInteger(); }
double SliderValue(QObject* slider) { return qobject_cast<TSlider*>(slider)->Value(); }

}  // namespace

TGaugeDemo::TGaugeDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("gaugedemo");
  FGauges = Numbered<TGaugeGp>(*this, "GaugeGp", kGauges);
  on_TextSpin1_onChanging(Child<TCustomSpin>("TextSpin1"));
  on_TextSpin2_onChanging(Child<TCustomSpin>("TextSpin2"));
  on_TextSpin3_onChanging(Child<TCustomSpin>("TextSpin3"));
  on_TextSpin4_onChanging(Child<TCustomSpin>("TextSpin4"));
  on_Slider1_OnChanging(Child<TSlider>("Slider1"));
  on_Slider2_OnChanging(Child<TSlider>("Slider2"));
}

void TGaugeDemo::on_Slider1_OnChanging(QObject* Sender) {
  for (int i = 0; i < kGauges / 2; ++i) FGauges[std::size_t(i)]->SetValue(SliderValue(Sender));
}

void TGaugeDemo::on_Slider2_OnChanging(QObject* Sender) {
  for (int i = kGauges / 2; i < kGauges; ++i) FGauges[std::size_t(i)]->SetValue(SliderValue(Sender));
}

void TGaugeDemo::on_TextSpin1_onChanging(QObject* Sender) {
  for (TGaugeGp* g : FGauges) g->SetSegmWidth(SpinValue(Sender));
}

void TGaugeDemo::on_TextSpin2_onChanging(QObject* Sender) {
  for (TGaugeGp* g : FGauges) g->SetSegmGap(SpinValue(Sender));
}

void TGaugeDemo::on_TextSpin3_onChanging(QObject* Sender) {
  for (TGaugeGp* g : FGauges) g->SetDamping(SpinValue(Sender));
}

void TGaugeDemo::on_TextSpin4_onChanging(QObject* Sender) {
  for (TGaugeGp* g : FGauges) g->SetMeterMode(SpinValue(Sender) != 0);
}

void TGaugeDemo::on_PrintBtn_clicked() { PrintComponent(FGauges.front()); }

}  // namespace VeltorDemo
