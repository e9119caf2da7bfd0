#include "eyedemos.h"

#include "foundation/helpers.h"
#include "foundation/smarttimer.h"
#include "meters/magiceye.h"
#include "potis/poti270.h"

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

}  // namespace VeltorDemo
