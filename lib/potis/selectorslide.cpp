#include "potis/selectorslide.h"

#include <cstdlib>

namespace Veltor {

namespace {
constexpr int kDefaultScalaPart = 3;
constexpr int kMaxScalaPart = 20;
}  // namespace

TSelectorSlide::TSelectorSlide(QWidget* parent) : TCustomSlide(parent), FModel(kDefaultScalaPart, kMaxScalaPart) {
  resize(58, 98);
  SetFontColor(clBlack);
  SetCaption(QStringLiteral("Select"));
  FModel.SetEntries({QStringLiteral("Ch 1"), QStringLiteral("Ch 2"), QStringLiteral("Ext 1"), QStringLiteral("Ext 2")});
}

TSelectorSlide::~TSelectorSlide() = default;

void TSelectorSlide::SetPosText(const QStringList& v) {
  FModel.SetEntries(v);
  Invalidate();
}

void TSelectorSlide::SetPosition(int v) {
  if (Loading()) {
    FModel.LoadPosition(v);
    return;
  }
  if (FModel.SetPosition(v)) MoveKnob();
}

void TSelectorSlide::SetScalaPart(int v) {
  if (FModel.SetScalaPart(v)) Invalidate();
}

void TSelectorSlide::Select(int index) {
  if (Loading() || index < 0) return;
  SetPosition(index);
}

void TSelectorSlide::Loaded() {
  TCustomSlide::Loaded();
  if (FModel.Normalise()) MoveKnob();
}

void TSelectorSlide::PaintScale(TCanvas& canvas, const TSlideLayout& l) {
  DrawSelectorSlideScale(canvas, l, FModel, ColScala());
}

int TSelectorSlide::KnobRow(const TSlideLayout& l) const {
  return Track::DetentRow(FModel.ScalaPart(), l.Track, FModel.Position());
}

// ---------------------------------------------------------------- input

bool TSelectorSlide::ChangeByUser(int p) {
  if (!FModel.SetPosition(p)) return false;
  MoveKnob();
  UserChanged();
  return true;
}

void TSelectorSlide::PressAt(const TSlideLayout& l, int y) {
  if (y == FLastY) return;
  FLastY = y;
  // Beyond the ends there is no detent: SetPosition refuses it.
  ChangeByUser(Track::DetentAt(FModel.ScalaPart(), l.Track, y));
}

// Each notch is a step of its own, as a click would be.
void TSelectorSlide::WheelBy(int notches) {
  const int step = notches > 0 ? 1 : -1;
  for (int i = 0; i < std::abs(notches); ++i) {
    if (!ChangeByUser(FModel.Position() + step)) break;
    emit onChanged(this);
  }
}

}  // namespace Veltor
