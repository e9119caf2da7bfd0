#include "segdemos.h"

#include "buttons/textspin.h"
#include "host/radiogroup.h"
#include "segments/disp7seg.h"
#include "segments/spin7seg.h"

#include <QLabel>

namespace VeltorDemo {

using namespace Veltor;

namespace {

constexpr int kSizeSteps = 20;
const TColor kPanelColours[] = {clBlack, clGray, clRed, clBlue};
const TColor kSegmentColours[] = {clBlack, clYellow, clRed, clAqua};
const SegmentEnums::TmShapeType kShapes[] = {SegmentEnums::smtRectangle, SegmentEnums::smtRoundrect};

int SpinValue(QObject* spin) { return qobject_cast<TCustomSpin*>(spin)->PosInteger(); }

// Runs a radio group's handler once so the components start as it shows.
template <typename Dialog>
void Sync(Dialog* dialog, void (Dialog::*handler)(QObject*), const char* group) {
  (dialog->*handler)(dialog->template Child<TRadioGroup>(group));
}

}  // namespace

QSize TSizeRule::At(int position) const {
  return QSize(Original.width() + Original.width() * position / kSizeSteps,
               Original.height() - Original.height() * position / kSizeSteps);
}

void TSizeRule::Apply(TControl* control, int position) const {
  const QSize size = At(position);
  control->resize(size);
  control->SetFontSize(FontSizeFor(size.height()));
}

// ------------------------------------------------------------- TSpin7SegDemo

TSpin7SegDemo::TSpin7SegDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("spin7segdemo");
  FWheels = Numbered<TSpin7Seg>(*this, "Spin7Seg", 4);
  for (TSpin7Seg* w : FWheels) {
    FSizes.push_back(TSizeRule{w->size()});
    connect(w, &TSpin7Seg::onChanging, this, &TSpin7SegDemo::ShowValue);
  }
  Sync(this, &TSpin7SegDemo::on_PanelColGroup_OnClick, "PanelColGroup");
  Sync(this, &TSpin7SegDemo::on_SegmColGroup_OnClick, "SegmColGroup");
  on_TextSpin1_onChanging(Child<TCustomSpin>("TextSpin1"));
  ShowValue();
}

// "Wert: 19A+", the digits side by side.
void TSpin7SegDemo::ShowValue() {
  QString digits;
  for (TSpin7Seg* w : FWheels) digits += w->ValueChar();
  Child<QLabel>("ValueLabel")->setText(QStringLiteral("Wert: ") + digits);
}

void TSpin7SegDemo::on_TextSpin1_onChanging(QObject* Sender) {
  for (TSpin7Seg* w : FWheels) w->SetRepSpeed(SpinValue(Sender));
}

void TSpin7SegDemo::on_LimiterCheck_toggled(bool on) {
  for (TSpin7Seg* w : FWheels) w->SetLimiter(on);
}

void TSpin7SegDemo::on_ItalicCheck_toggled(bool on) {
  for (TSpin7Seg* w : FWheels) w->SetItalic(on);
}

void TSpin7SegDemo::on_ShapeGroup_OnClick(QObject* Sender) {
  for (TSpin7Seg* w : FWheels) w->SetShape(ByIndex(kShapes, GroupIndexOf(Sender)));
}

void TSpin7SegDemo::on_PanelColGroup_OnClick(QObject* Sender) {
  for (TSpin7Seg* w : FWheels) w->SetColBack(ByIndex(kPanelColours, GroupIndexOf(Sender)));
}

void TSpin7SegDemo::on_SegmColGroup_OnClick(QObject* Sender) {
  for (TSpin7Seg* w : FWheels) w->SetColSegm(ByIndex(kSegmentColours, GroupIndexOf(Sender)));
}

// The wheels stay side by side as they widen.
void TSpin7SegDemo::on_SizeBar_valueChanged(int position) {
  int left = FWheels.front()->x();
  for (std::size_t i = 0; i < FWheels.size(); ++i) {
    FSizes[i].Apply(FWheels[i], position);
    FWheels[i]->move(left, FWheels[i]->y());
    left += FWheels[i]->width() + 4;
  }
}

void TSpin7SegDemo::on_PrintBtn_clicked() { PrintComponent(FWheels.front()); }

// --------------------------------------------------------------- TDisp7sDemo

TDisp7sDemo::TDisp7sDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("disp7sdemo");
  FDisplay = Child<TDisp7Seg>("Disp7Seg1");
  FSize.Original = FDisplay->size();
  Sync(this, &TDisp7sDemo::on_PanelColGroup_OnClick, "PanelColGroup");
  Sync(this, &TDisp7sDemo::on_SegmColGroup_OnClick, "SegmColGroup");
  on_TextSpin1_onChanging(Child<TCustomSpin>("TextSpin1"));
}

void TDisp7sDemo::on_TextSpin1_onChanging(QObject* Sender) { FDisplay->SetDispSize(SpinValue(Sender)); }

void TDisp7sDemo::on_ValueStrEdit_textChanged(const QString& text) { FDisplay->SetValueStr(text); }

void TDisp7sDemo::on_TextEinhEdit_textChanged(const QString& text) { FDisplay->SetTextEinh(text); }

void TDisp7sDemo::on_PanelColGroup_OnClick(QObject* Sender) {
  FDisplay->SetColBack(ByIndex(kPanelColours, GroupIndexOf(Sender)));
}

void TDisp7sDemo::on_SegmColGroup_OnClick(QObject* Sender) {
  FDisplay->SetColSegm(ByIndex(kSegmentColours, GroupIndexOf(Sender)));
}

// Off, on, blinking.
void TDisp7sDemo::on_Led1Group_OnClick(QObject* Sender) {
  const int index = GroupIndexOf(Sender);
  FDisplay->SetLedOn1(index == 1);
  FDisplay->SetLedBlink1(index == 2);
}

void TDisp7sDemo::on_Led2Group_OnClick(QObject* Sender) {
  const int index = GroupIndexOf(Sender);
  FDisplay->SetLedOn2(index == 1);
  FDisplay->SetLedBlink2(index == 2);
}

// None, LEDs, text, both.
void TDisp7sDemo::on_SideGroup_OnClick(QObject* Sender) {
  const int index = GroupIndexOf(Sender);
  FDisplay->SetLedEnable(index == 1 || index == 3);
  FDisplay->SetTextEnable(index == 2 || index == 3);
}

void TDisp7sDemo::on_ShapeGroup_OnClick(QObject* Sender) { FDisplay->SetShape(ByIndex(kShapes, GroupIndexOf(Sender))); }

void TDisp7sDemo::on_ItalicCheck_toggled(bool on) { FDisplay->SetDispItalic(on); }

void TDisp7sDemo::on_SizeBar_valueChanged(int position) { FSize.Apply(FDisplay, position); }

void TDisp7sDemo::on_PrintBtn_clicked() { PrintComponent(FDisplay); }

}  // namespace VeltorDemo
