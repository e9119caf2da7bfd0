#include "keydemos.h"

#include "buttons/textspin.h"
#include "foundation/smarttimer.h"
#include "misc/keypad.h"
#include "misc/numedit.h"
#include "misc/rotlabel.h"
#include "potis/poti270.h"
#include "potis/slider.h"
#include "text/stroke.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>

#include <algorithm>

namespace VeltorDemo {

using namespace Veltor;

namespace {

int SpinValue(QObject* spin) { return qobject_cast<TCustomSpin*>(spin)->PosInteger(); }

double EditValue(QObject* edit) { return qobject_cast<TNumEdit*>(edit)->ValueFloat(); }

}  // namespace

// --------------------------------------------------------------- TKeypadDemo

TKeypadDemo::TKeypadDemo(QWidget* parent, const char* formName, const char* padName, std::vector<QPoint> steps)
    : TDemoDialog(parent), FSteps(std::move(steps)) {
  LoadForm(formName);
  FPad = Child<TKeypad>(padName);
  connect(FPad, &TFramedControl::OnDown, this, &TKeypadDemo::KeyDown);
  connect(FPad, &TFramedControl::OnUp, this, &TKeypadDemo::KeyUp);
  on_TextSpin1_onChanging(Child<TCustomSpin>("TextSpin1"));
  on_AllowAllUpCheck_toggled(Child<QCheckBox>("AllowAllUpCheck")->isChecked());
  on_LockModeCheck_toggled(Child<QCheckBox>("LockModeCheck")->isChecked());
  ShowStatus();
  ShowPosition();
}

void TKeypadDemo::on_TextSpin1_onChanging(QObject* Sender) { FPad->SetRepSpeed(SpinValue(Sender)); }

void TKeypadDemo::on_AllowAllUpCheck_toggled(bool on) { FPad->SetAllowAllUp(on); }

void TKeypadDemo::on_LockModeCheck_toggled(bool on) { FPad->SetLockMode(on); }

void TKeypadDemo::on_PrintBtn_clicked() { PrintComponent(FPad); }

// Every key that is down moves the cursor by its step, once per OnDown (so a
// held key repeats the move); the centre key brings the cursor home.
void TKeypadDemo::KeyDown() {
  ++FDowns;
  const TKeypadModel& keys = FPad->Model();
  if (keys.Centre() >= 0 && keys.IsDown(keys.Centre())) {
    FPosition = QPoint();
  } else {
    for (int k = 0; k < keys.KeyCount() && k < int(FSteps.size()); ++k) {
      if (keys.IsDown(k)) FPosition += FSteps[std::size_t(k)];
    }
    FPosition.setX(std::clamp(FPosition.x(), -kRange, kRange));
    FPosition.setY(std::clamp(FPosition.y(), -kRange, kRange));
  }
  ShowState(QStringLiteral("gedrückt"));
  ShowPosition();
}

void TKeypadDemo::KeyUp() {
  ++FUps;
  ShowState(QStringLiteral("losgelassen"));
}

// "Taste B gedrückt", the mask in binary, one digit per key, and the count of
// events.
void TKeypadDemo::ShowState(const QString& change) {
  const TKeypadModel& keys = FPad->Model();
  Child<QLabel>("KeyLabel")->setText(QStringLiteral("Taste %1 %2").arg(QString(keys.Button()), change));
  ShowStatus();
}

void TKeypadDemo::ShowStatus() {
  const TKeypadModel& keys = FPad->Model();
  Child<QLabel>("StatusLabel")
      ->setText(QStringLiteral("ButtonStatus: %1").arg(keys.ButtonStatus(), keys.KeyCount(), 2, QLatin1Char('0')));
  Child<QLabel>("EventLabel")->setText(QStringLiteral("OnDown: %1   OnUp: %2").arg(FDowns).arg(FUps));
}

// The two-key pads move along one axis, which their bar shows.
void TKeypadDemo::ShowPosition() {
  auto* bar = Form()->findChild<QProgressBar*>(QStringLiteral("PositionBar"));
  if (!bar) {
    Child<QLabel>("PositionLabel")->setText(QStringLiteral("X: %1   Y: %2").arg(FPosition.x()).arg(FPosition.y()));
    return;
  }
  const int along = bar->orientation() == Qt::Horizontal ? FPosition.x() : FPosition.y();
  bar->setValue(along);
  Child<QLabel>("PositionLabel")->setText(QStringLiteral("Position: %1").arg(along));
}

// ------------------------------------------------------------- the keypads

namespace {

// The centre key's picture: a dome, grey when up, lit red when down.
QPixmap CentreSymbol(bool down) {
  QPixmap picture(32, 32);
  picture.fill(QColor(0xC0, 0xC0, 0xC0));
  QPainter p(&picture);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::black, 2));
  p.setBrush(down ? QColor(0xFF, 0x30, 0x30) : QColor(0x80, 0x80, 0x80));
  p.drawEllipse(QRectF(5, 5, 22, 22));
  return picture;
}

}  // namespace

TJoyStickDemo::TJoyStickDemo(QWidget* parent)
    : TKeypadDemo(parent, "joystickdemo", "JoyStick1",
                  {{-1, 1}, {0, 1}, {1, 1}, {-1, 0}, {0, 0}, {1, 0}, {-1, -1}, {0, -1}, {1, -1}}) {
  auto* pad = qobject_cast<TJoyStick*>(FPad);
  pad->SetSymbolUp(CentreSymbol(false));
  pad->SetSymbolDown(CentreSymbol(true));
  connect(Child<QCheckBox>("RastCenterCheck"), &QCheckBox::toggled, pad, &TJoyStick::SetRastCenter);
  pad->SetRastCenter(Child<QCheckBox>("RastCenterCheck")->isChecked());
}

TLeftRightDemo::TLeftRightDemo(QWidget* parent)
    : TKeypadDemo(parent, "leftrightdemo", "LeftRightT1", {{-1, 0}, {1, 0}}) {}

TUpDownDemo::TUpDownDemo(QWidget* parent) : TKeypadDemo(parent, "updowndemo", "UpDownT1", {{0, 1}, {0, -1}}) {}

// -------------------------------------------------------------- TNumEditDemo

TNumEditDemo::TNumEditDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("numeditdemo");
  FEdits = Numbered<TNumEdit>(*this, "NumEdit", 4);
  FPoti = Child<TPoti270>("Poti2701");
  on_NumEdit4_OnChange(FEdits[3]);
  on_Poti2701_onChanging(FPoti);
}

void TNumEditDemo::on_Poti2701_onChanging(QObject* Sender) {
  FEdits[0]->SetValueFloat(qobject_cast<TPoti270*>(Sender)->Value());
  ShowValue(FEdits[0]);
}

void TNumEditDemo::on_NumEdit1_OnChange(QObject* Sender) {
  FPoti->SetValue(EditValue(Sender));
  ShowValue(FEdits[0]);
}

void TNumEditDemo::on_NumEdit4_OnChange(QObject* Sender) {
  const bool alarm = EditValue(Sender) > kAlarmLimit;
  FEdits[3]->SetLedOn(alarm);
  FEdits[3]->SetLedBlink(alarm);
  ShowValue(FEdits[3]);
}

void TNumEditDemo::on_ErrorShowCheck_toggled(bool on) {
  for (TNumEdit* e : FEdits) e->SetErrorShow(on);
}

void TNumEditDemo::on_InvertCheck_toggled(bool on) {
  for (TNumEdit* e : FEdits) e->SetDispInvert(on);
}

void TNumEditDemo::on_PrintBtn_clicked() { PrintComponent(FEdits.front()); }

// "Spannung: 12.50 V", as the field shows it.
void TNumEditDemo::ShowValue(TNumEdit* changed) {
  const QLabel* caption = Child<QLabel>(QStringLiteral("%1Label").arg(changed->objectName()).toLatin1().constData());
  Child<QLabel>("ValueLabel")
      ->setText(QStringLiteral("%1: %2 %3").arg(caption->text(), changed->ValueText(), changed->UnitText().trimmed()));
}

// ------------------------------------------------------------ TStrokeTextDlg

TStrokeTextDlg::TStrokeTextDlg(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("stroketextdlg");
  FStroke = Child<TStroke>("Stroke1");
  on_NumEdit1_OnChange(Child<TNumEdit>("NumEdit1"));
  on_NumEdit2_OnChange(Child<TNumEdit>("NumEdit2"));
  on_NumEdit3_OnChange(Child<TNumEdit>("NumEdit3"));
  on_NumEdit4_OnChange(Child<TNumEdit>("NumEdit4"));
}

void TStrokeTextDlg::on_NumEdit1_OnChange(QObject* Sender) {
  FStroke->SetSizeX(qobject_cast<TNumEdit*>(Sender)->ValueInt());
}

void TStrokeTextDlg::on_NumEdit2_OnChange(QObject* Sender) {
  FStroke->SetSizeY(qobject_cast<TNumEdit*>(Sender)->ValueInt());
}

void TStrokeTextDlg::on_NumEdit3_OnChange(QObject* Sender) {
  FStroke->SetRotate(qobject_cast<TNumEdit*>(Sender)->ValueInt());
}

void TStrokeTextDlg::on_NumEdit4_OnChange(QObject* Sender) {
  FStroke->SetBold(qobject_cast<TNumEdit*>(Sender)->ValueInt());
}

void TStrokeTextDlg::on_TextEdit_textChanged(const QString& text) { FStroke->SetsString(text); }

void TStrokeTextDlg::on_JustifyGroup_OnClick(QObject* Sender) {
  static constexpr TJustHor kJustify[] = {stLeft, stCenter, stRight};
  FStroke->SetJustifyHor(ByIndex(kJustify, GroupIndexOf(Sender)));
}

void TStrokeTextDlg::on_ColorGroup_OnClick(QObject* Sender) {
  static constexpr TColor kColors[] = {clBlack, clRed, clBlue, clGreen};
  FStroke->SetStrokeColor(ByIndex(kColors, GroupIndexOf(Sender)));
}

void TStrokeTextDlg::on_MirrorCheck_toggled(bool on) { FStroke->SetMirror(on); }

void TStrokeTextDlg::on_ItalicCheck_toggled(bool on) { FStroke->SetItalic(on); }

void TStrokeTextDlg::on_PrintBtn_clicked() { PrintComponent(FStroke); }

// ------------------------------------------------------------- TRotLabelDemo

TRotLabelDemo::TRotLabelDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("rotlabeldemo");
  FLabel = Child<TRotLabel>("RotLabel1");
  FTimer = Child<TSmartTimer>("SmartTimer1");
  on_TextSpin1_onChanging(Child<TCustomSpin>("TextSpin1"));
  on_TextSpin2_onChanging(Child<TCustomSpin>("TextSpin2"));
  ShowAngle();
}

void TRotLabelDemo::on_SmartTimer1_TimerEvent(QObject*, bool) {
  FLabel->SetrlAngle(FLabel->rlAngle() + FStep);
  ShowAngle();
}

void TRotLabelDemo::on_TextSpin1_onChanging(QObject* Sender) { FTimer->SetTime(quint16(SpinValue(Sender))); }

void TRotLabelDemo::on_TextSpin2_onChanging(QObject* Sender) { FStep = SpinValue(Sender); }

void TRotLabelDemo::on_TurnCheck_toggled(bool on) {
  FTimer->SetTimerMode(on ? TSmartTimer::tmTicking : TSmartTimer::tmStopped);
}

void TRotLabelDemo::on_TransparentCheck_toggled(bool on) { FLabel->SetrlTransparent(on); }

void TRotLabelDemo::on_StyleGroup_OnClick(QObject* Sender) {
  static constexpr T3DEffect kStyles[] = {rlNormal, rlLowered, rlRaised, rlShadowed};
  FLabel->SetrlStyle3D(ByIndex(kStyles, GroupIndexOf(Sender)));
}

void TRotLabelDemo::on_CaptionEdit_textChanged(const QString& text) { FLabel->SetCaption(text); }

void TRotLabelDemo::on_PrintBtn_clicked() { PrintComponent(FLabel); }

void TRotLabelDemo::done(int r) {
  FTimer->SetTimerMode(TSmartTimer::tmStopped);
  TDemoDialog::done(r);
}

void TRotLabelDemo::ShowAngle() {
  Child<QLabel>("AngleLabel")->setText(QStringLiteral("Winkel: %1°").arg(FLabel->rlAngle()));
}

// --------------------------------------------------------------- TSliderDemo

TSliderDemo::TSliderDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("sliderdemo");
  FSliders = Numbered<TSlider>(*this, "Slider", kSliders);
  for (TSlider* s : FSliders) {
    connect(s, &TSlider::OnChanging, this, [this, s] { ShowValue(s); });
  }
  on_TextSpin1_onChanging(Child<TCustomSpin>("TextSpin1"));
  ShowValue(FSliders.front());
}

void TSliderDemo::on_TextSpin1_onChanging(QObject* Sender) {
  for (TSlider* s : FSliders) s->SetDragDelay(SpinValue(Sender));
}

void TSliderDemo::on_ScalaCheck_toggled(bool on) {
  for (TSlider* s : FSliders) s->SetScalaShow(on);
}

void TSliderDemo::on_PrintBtn_clicked() { PrintComponent(FSliders.front()); }

// "Slider3: 42.0"; a slider in selector mode also names its position.
void TSliderDemo::ShowValue(TSlider* moved) {
  QString text = QStringLiteral("%1: %2").arg(moved->objectName()).arg(moved->Value(), 0, 'f', 1);
  if (moved->Selector()) text += QStringLiteral(" (Stellung %1)").arg(moved->Position());
  Child<QLabel>("ValueLabel")->setText(text);
}

}  // namespace VeltorDemo
