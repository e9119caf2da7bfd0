#include "buttondemos.h"

#include "buttons/bevel3d.h"
#include "radiogroup.h"

namespace VeltorDemo {

using namespace Veltor;

namespace {

// The order of the bevel groups' entries: none, raised, lowered.
const TPanelBevel kBevels[] = {bvNone, bvRaised, bvLowered};
const TTextStyle kAdjusts[] = {ttCenter, ttLeft, ttRight};

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

}  // namespace VeltorDemo
