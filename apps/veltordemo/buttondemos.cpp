#include "buttondemos.h"

#include "buttons/bevel3d.h"
#include "buttons/ledbutton.h"
#include "buttons/pictbutton.h"
#include "buttons/slidebutton.h"
#include "buttons/textspin.h"
#include "foundation/smarttimer.h"
#include "host/radiogroup.h"

#include <QLabel>
#include <QLocale>
#include <QPainter>

namespace VeltorDemo {

using namespace Veltor;

namespace {

const TTextStyle kAdjusts[] = {ttCenter, ttLeft, ttRight};
const TLedShape kLedShapes[] = {ledCircle, ledRectangle};
const TCaptType kCaptTypes[] = {ctNone, ctBevel, ctLed};
constexpr int kRowLength = 3;
// The position group lists position 1 first.
const swStatus kSwitchPositions[] = {swPos1, swPos2};
const ButtonEnums::TShapeTypeT kShapes[] = {ButtonEnums::sstRectangle, ButtonEnums::sstSquare,
                                            ButtonEnums::sstRoundrect, ButtonEnums::sstRoundSquare,
                                            ButtonEnums::sstCircle};
const TPictStyle kPictStyles[] = {oneRow, twoRow, threeRow, Picture};

// A lamp for the picture style: a yellow bulb in a grey socket.
QPixmap LampSymbol() {
  QPixmap picture(32, 32);
  picture.fill(Qt::transparent);
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::black);
  p.setBrush(QColor(255, 230, 0));
  p.drawEllipse(QRectF(6, 2, 20, 20));
  p.setBrush(Qt::gray);
  p.drawRect(QRectF(11, 22, 10, 8));
  return picture;
}

}  // namespace

// ---------------------------------------------------------------- TBevelDemo

TBevelDemo::TBevelDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("beveldemo");
  FBevels = {Child<TBevel3D>("Bevel3D1"), Child<TBevel3D>("Bevel3D2")};
}

void TBevelDemo::on_BevelOutGroup_OnClick(QObject* Sender) {
  for (TBevel3D* b : FBevels) b->SetBevelOut(ByIndex(kBevelChoices, GroupIndexOf(Sender)));
}

void TBevelDemo::on_BevelInGroup_OnClick(QObject* Sender) {
  for (TBevel3D* b : FBevels) b->SetBevelIn(ByIndex(kBevelChoices, GroupIndexOf(Sender)));
}

void TBevelDemo::on_AdjustGroup_OnClick(QObject* Sender) {
  for (TBevel3D* b : FBevels) b->SetTextAdjust(ByIndex(kAdjusts, GroupIndexOf(Sender)));
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
  FButtons = Numbered<TLedButton>(*this, "LedButton", 3 * kRowLength);
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
  for (TLedButton* b : FButtons) b->SetLedShape(ByIndex(kLedShapes, GroupIndexOf(Sender)));
}

void TLedTastDemo::on_CaptTypeGroup_OnClick(QObject* Sender) {
  for (TLedButton* b : FButtons) b->SetCaptType(ByIndex(kCaptTypes, GroupIndexOf(Sender)));
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

// ------------------------------------------------------------- TSchalterDemo

TSchalterDemo::TSchalterDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("schalterdemo");
  FSwitches = Numbered<TSlideButton>(*this, "SlideButton", 5);
  FState = Child<QLabel>("StateLabel");
  for (TSlideButton* s : FSwitches) {
    connect(s, &TSlideButton::KeyChange, this, [this, s] { ShowState(s); });
  }
}

// "SlideButton3: OFF": the switch and the text its field shows now.
void TSchalterDemo::ShowState(TSlideButton* moved) {
  const QString shown = moved->Position() == swPos2 ? moved->TextPos1() : moved->TextPos2();
  FState->setText(moved->objectName() + QStringLiteral(": ") + shown);
}

void TSchalterDemo::on_PositionGroup_OnClick(QObject* Sender) {
  for (TSlideButton* s : FSwitches) s->SetPosition(ByIndex(kSwitchPositions, GroupIndexOf(Sender)));
}

void TSchalterDemo::on_TextPos1Edit_textChanged(const QString& text) {
  for (TSlideButton* s : FSwitches) s->SetTextPos1(text);
}

void TSchalterDemo::on_TextPos2Edit_textChanged(const QString& text) {
  for (TSlideButton* s : FSwitches) s->SetTextPos2(text);
}

void TSchalterDemo::on_PrintBtn_clicked() { PrintComponent(FSwitches.front()); }

// --------------------------------------------------------------- TTasterDemo

TTasterDemo::TTasterDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("tasterdemo");
  FButtons = Numbered<TPictButton>(*this, "PictButton", 3);
  const QPixmap lamp = LampSymbol();
  for (TPictButton* b : FButtons) b->SetSymbol(lamp);
}

void TTasterDemo::on_ShapeGroup_OnClick(QObject* Sender) {
  for (TPictButton* b : FButtons) b->SetShape(ByIndex(kShapes, GroupIndexOf(Sender)));
}

void TTasterDemo::on_PictStyleGroup_OnClick(QObject* Sender) {
  for (TPictButton* b : FButtons) b->SetPictStyle(ByIndex(kPictStyles, GroupIndexOf(Sender)));
}

void TTasterDemo::on_BlinkCheck_toggled(bool on) {
  for (TPictButton* b : FButtons) b->SetBlinkOn(on);
}

void TTasterDemo::on_Text1Edit_textChanged(const QString& text) { FButtons.front()->SetText1(text); }

void TTasterDemo::on_Text2Edit_textChanged(const QString& text) { FButtons.front()->SetText2(text); }

void TTasterDemo::on_PrintBtn_clicked() { PrintComponent(FButtons.front()); }

// ------------------------------------------------------------- TTextSpinDemo

TTextSpinDemo::TTextSpinDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("textspindemo");
  FDays = Child<TCustomSpin>("TextSpin1");
  FSpeeds = Child<TCustomSpin>("TextSpin2");
  on_TextSpin1_onChanging(FDays);
  on_TextSpin2_onChanging(FSpeeds);
}

void TTextSpinDemo::on_TextSpin1_onChanging(QObject*) {
  Child<QLabel>("StringLabel")->setText(QStringLiteral("Text: ") + FDays->PosString());
  Child<QLabel>("IntegerLabel")->setText(QStringLiteral("Zahl: %1").arg(FDays->PosInteger()));
  Child<QLabel>("FloatLabel")->setText(QStringLiteral("Wert: ") + QLocale().toString(FDays->PosFloat(), 'f', 1));
}

void TTextSpinDemo::on_TextSpin2_onChanging(QObject*) { FDays->SetRepSpeed(FSpeeds->PosInteger()); }

void TTextSpinDemo::on_AdjustGroup_OnClick(QObject* Sender) {
  for (TCustomSpin* s : {FDays, FSpeeds}) s->SetTextAdjust(ByIndex(kAdjusts, GroupIndexOf(Sender)));
}

void TTextSpinDemo::on_LimiterCheck_toggled(bool on) { FDays->SetLimiter(on); }

void TTextSpinDemo::on_PrintBtn_clicked() { PrintComponent(FDays); }

}  // namespace VeltorDemo
