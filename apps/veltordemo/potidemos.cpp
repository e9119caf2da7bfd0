#include "potidemos.h"

#include "buttons/textspin.h"
#include "potis/poti270.h"
#include "potis/potislide.h"
#include "potis/selector270.h"
#include "potis/selectorslide.h"

#include <QLabel>

namespace VeltorDemo {

using namespace Veltor;

namespace {

// "Caption: 12.5", the read-out of a pot.
QString ValueText(const QString& caption, double value) {
  return caption + QStringLiteral(": ") + QString::number(value, 'f', 1);
}

int SpinValue(QObject* spin) { return qobject_cast<TCustomSpin*>(spin)->PosInteger(); }

}  // namespace

// ------------------------------------------------------------ TSchaltLinDemo

TSchaltLinDemo::TSchaltLinDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("schaltlindemo");
  FSelectors = Numbered<TSelectorSlide>(*this, "SelectorSlide", 3);
  FValue = Child<QLabel>("ValueLabel");
  for (TSelectorSlide* s : FSelectors) {
    connect(s, &TCustomSlide::onChanging, this, [this, s] { ShowValue(s); });
  }
  ShowValue(FSelectors.back());
}

// "Gang: High (3)": the entry's text and value.
void TSchaltLinDemo::ShowValue(TSelectorSlide* moved) {
  FValue->setText(QStringLiteral("%1: %2 (%3)").arg(moved->Caption(), moved->PosString()).arg(moved->Posinteger()));
}

void TSchaltLinDemo::on_CaptBevelGroup_OnClick(QObject* Sender) {
  for (TSelectorSlide* s : FSelectors) s->SetCaptBevel(ByIndex(kBevelChoices, GroupIndexOf(Sender)));
}

void TSchaltLinDemo::on_CaptEnableCheck_toggled(bool on) {
  for (TSelectorSlide* s : FSelectors) s->SetCaptEnable(on);
}

void TSchaltLinDemo::on_PresEnableCheck_toggled(bool on) {
  for (TSelectorSlide* s : FSelectors) s->SetPresEnable(on);
}

void TSchaltLinDemo::on_PrintBtn_clicked() { PrintComponent(FSelectors.back()); }

// ------------------------------------------------------------ TSchalt270Demo

TSchalt270Demo::TSchalt270Demo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("schalt270demo");
  FSelector = Child<TSelector270>("Selector2701");
  on_TextSpin1_onChanging(Child<TCustomSpin>("TextSpin1"));
}

void TSchalt270Demo::on_Selector2701_onChanging(QObject*) {
  Child<QLabel>("ValueLabel")->setText(QStringLiteral("%1: %2").arg(FSelector->Caption(), FSelector->PosString()));
}

void TSchalt270Demo::on_TextSpin1_onChanging(QObject* Sender) {
  FSelector->SetScalaPart(SpinValue(Sender));
  on_Selector2701_onChanging(FSelector);
}

void TSchalt270Demo::on_CaptBevelGroup_OnClick(QObject* Sender) {
  FSelector->SetCaptBevel(ByIndex(kBevelChoices, GroupIndexOf(Sender)));
}

void TSchalt270Demo::on_ButtonSmallCheck_toggled(bool on) { FSelector->SetButtonSmall(on); }

void TSchalt270Demo::on_PresEnableCheck_toggled(bool on) { FSelector->SetPresEnable(on); }

void TSchalt270Demo::on_PrintBtn_clicked() { PrintComponent(FSelector); }

// -------------------------------------------------------------- TPotiLinDemo

TPotiLinDemo::TPotiLinDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("potilindemo");
  FPotis = Numbered<TPotiSlide>(*this, "PotiSlide", 3);
  for (TPotiSlide* p : FPotis) {
    connect(p, &TCustomSlide::onChanging, this, [this, p] { ShowValue(p); });
  }
  ShowValue(FPotis.front());
}

void TPotiLinDemo::ShowValue(TPotiSlide* moved) {
  Child<QLabel>("ValueLabel")->setText(ValueText(moved->Caption(), moved->Value()));
}

void TPotiLinDemo::on_TextSpin1_onChanging(QObject* Sender) {
  for (TPotiSlide* p : FPotis) p->SetDragDelay(SpinValue(Sender));
}

void TPotiLinDemo::on_NonLinearCheck_toggled(bool on) {
  FPotis.front()->SetNonLinear(on);
  ShowValue(FPotis.front());
}

void TPotiLinDemo::on_PresEnableCheck_toggled(bool on) {
  for (TPotiSlide* p : FPotis) p->SetPresEnable(on);
}

void TPotiLinDemo::on_PrintBtn_clicked() { PrintComponent(FPotis.front()); }

// -------------------------------------------------------------- TPoti270Demo

TPoti270Demo::TPoti270Demo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("poti270demo");
  FPoti = Child<TPoti270>("Poti2701");
  on_TextSpin1_onChanging(Child<TCustomSpin>("TextSpin1"));
  on_TextSpin2_onChanging(Child<TCustomSpin>("TextSpin2"));
}

void TPoti270Demo::on_Poti2701_onChanging(QObject*) {
  Child<QLabel>("ValueLabel")->setText(ValueText(FPoti->Caption(), FPoti->Value()));
}

void TPoti270Demo::on_TextSpin1_onChanging(QObject* Sender) { FPoti->SetScalaPart(SpinValue(Sender)); }

void TPoti270Demo::on_TextSpin2_onChanging(QObject* Sender) { FPoti->SetDragDelay(SpinValue(Sender)); }

void TPoti270Demo::on_ButtonSmallCheck_toggled(bool on) { FPoti->SetButtonSmall(on); }

void TPoti270Demo::on_PresEnableCheck_toggled(bool on) { FPoti->SetPresEnable(on); }

void TPoti270Demo::on_CaptionEdit_textChanged(const QString& text) {
  FPoti->SetCaption(text);
  on_Poti2701_onChanging(FPoti);
}

void TPoti270Demo::on_PrintBtn_clicked() { PrintComponent(FPoti); }

}  // namespace VeltorDemo
