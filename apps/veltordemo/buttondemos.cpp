#include "buttondemos.h"

#include "buttons/bevel3d.h"
#include "buttons/ledbutton.h"
#include "foundation/smarttimer.h"
#include "radiogroup.h"

namespace VeltorDemo {

using namespace Veltor;

namespace {

// The order of the bevel groups' entries: none, raised, lowered.
const TPanelBevel kBevels[] = {bvNone, bvRaised, bvLowered};
const TTextStyle kAdjusts[] = {ttCenter, ttLeft, ttRight};
const TLedShape kLedShapes[] = {ledCircle, ledRectangle};
const TCaptType kCaptTypes[] = {ctNone, ctBevel, ctLed};
constexpr int kRowLength = 3;

int IndexOf(QObject* group) { return static_cast<TRadioGroup*>(group)->ItemIndex(); }

}  // namespace

// ---------------------------------------------------------------- TBevelDemo

TBevelDemo::TBevelDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("beveldemo");
  FBevels = {Child<TBevel3D>("Bevel3D1"), Child<TBevel3D>("Bevel3D2")};
}

void TBevelDemo::on_BevelOutGroup_OnClick(QObject* Sender) {
  for (TBevel3D* b : FBevels) b->SetBevelOut(ByIndex(kBevels, IndexOf(Sender)));
}

void TBevelDemo::on_BevelInGroup_OnClick(QObject* Sender) {
  for (TBevel3D* b : FBevels) b->SetBevelIn(ByIndex(kBevels, IndexOf(Sender)));
}

void TBevelDemo::on_AdjustGroup_OnClick(QObject* Sender) {
  for (TBevel3D* b : FBevels) b->SetTextAdjust(ByIndex(kAdjusts, IndexOf(Sender)));
}

void TBevelDemo::on_CaptionEdit_textChanged(const QString& text) {
  for (TBevel3D* b : FBevels) b->SetCaption(text);
}

void TBevelDemo::on_Caption1Edit_textChanged(const QString& text) {
  for (TBevel3D* b : FBevels) b->SetCaption1(text);
}

void TBevelDemo::on_CaptEnableCheck_toggled(bool on) {
  for (TBevel3D* b : FBevels) b->SetCaptEnable(on);
}

void TBevelDemo::on_CaptBlinkCheck_toggled(bool on) {
  for (TBevel3D* b : FBevels) b->SetCaptBlink(on);
}

void TBevelDemo::on_PrintBtn_clicked() { PrintComponent(FBevels.front()); }

// -------------------------------------------------------------- TLedTastDemo

TLedTastDemo::TLedTastDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("ledtastdemo");
  for (int i = 1; i <= 3 * kRowLength; ++i) {
    FButtons.push_back(Child<TLedButton>(QStringLiteral("LedButton%1").arg(i).toLatin1().constData()));
  }
  FTimer = Child<TSmartTimer>("SmartTimer1");
  for (int i = 0; i < kRowLength; ++i) {
    TLedButton* radio = FButtons[i];
    connect(radio, &TFramedControl::OnClick, this, [this, radio] { ShowRadioRow(radio); });
    TLedButton* momentary = FButtons[kRowLength + i];
    connect(momentary, &TFramedControl::OnDown, momentary, [momentary] { momentary->SetLedOn(true); });
    connect(momentary, &TFramedControl::OnUp, momentary, [momentary] { momentary->SetLedOn(false); });
  }
  FButtons[2 * kRowLength]->SetLedOn(true);
}

// The radio row's LEDs show which button is down: the clicked one, as the
// rest of its group goes up.
void TLedTastDemo::ShowRadioRow(TLedButton* clicked) {
  for (int i = 0; i < kRowLength; ++i) FButtons[i]->SetLedOn(FButtons[i] == clicked && clicked->Down());
}

void TLedTastDemo::on_ShapeGroup_OnClick(QObject* Sender) {
  for (TLedButton* b : FButtons) b->SetLedShape(ByIndex(kLedShapes, IndexOf(Sender)));
}

void TLedTastDemo::on_CaptTypeGroup_OnClick(QObject* Sender) {
  for (TLedButton* b : FButtons) b->SetCaptType(ByIndex(kCaptTypes, IndexOf(Sender)));
}

void TLedTastDemo::on_BlinkCheck_toggled(bool on) {
  for (int i = 0; i < kRowLength; ++i) FButtons[i]->SetLedBlink(on);
}

void TLedTastDemo::on_RunCheck_toggled(bool on) {
  FTimer->SetTimerMode(on ? TSmartTimer::tmTicking : TSmartTimer::tmStopped);
}

void TLedTastDemo::on_SmartTimer1_TimerEvent(QObject*, bool) {
  FRunStep = (FRunStep + 1) % kRowLength;
  for (int i = 0; i < kRowLength; ++i) FButtons[2 * kRowLength + i]->SetLedOn(i == FRunStep);
}

void TLedTastDemo::on_PrintBtn_clicked() { PrintComponent(FButtons.front()); }

}  // namespace VeltorDemo
