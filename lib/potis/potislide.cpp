#include "potis/potislide.h"

#include "foundation/helpers.h"

#include <algorithm>
#include <cstdlib>

namespace Veltor {

namespace {
constexpr double kValueLimit = 1000;
constexpr int kMaxScalaPart = 20;
constexpr int kMaxDragDelay = 20;
// The delayed drag steps once per tick.
constexpr int kDragTickMs = 50;
}  // namespace

TPotiSlide::TPotiSlide(QWidget* parent) : TCustomSlide(parent), FModel(kValueLimit) {
  resize(60, 300);
  SetFontColor(clBlack);
  SetCaption(QStringLiteral("Volt"));
  FDragTicker = TTickSubscription::Ticker([this] { DragTick(); });
}

TPotiSlide::~TPotiSlide() = default;

void TPotiSlide::SetValue(double v) {
  if (FModel.SetValue(v, Loading())) MoveKnob();
}

void TPotiSlide::SetValueStart(double v) {
  if (FModel.SetStart(v, Loading())) Invalidate();
}

void TPotiSlide::SetValueEnd(double v) {
  if (FModel.SetEnd(v, Loading())) Invalidate();
}

void TPotiSlide::SetScalaPart(int v) { Assign(FScalaPart, std::clamp(v, 1, kMaxScalaPart)); }

void TPotiSlide::SetNonLinear(bool v) {
  if (v == FModel.DecadeMode()) return;
  FModel.SetDecadeMode(v);
  Invalidate();
}

void TPotiSlide::SetDragDelay(int v) { FDragDelay = std::clamp(v, 0, kMaxDragDelay); }

void TPotiSlide::Loaded() {
  TCustomSlide::Loaded();
  if (FModel.Normalise()) Invalidate();
}

void TPotiSlide::PaintScale(TCanvas& canvas, const TSlideLayout& l) {
  if (NonLinear()) {
    DrawDecadeSlideScale(canvas, l, FModel, FScalaPart, ColScala());
  } else {
    DrawLinearSlideScale(canvas, l, FModel, FScalaPart, ColScala());
  }
}

int TPotiSlide::KnobRow(const TSlideLayout& l) const {
  return NonLinear() ? Track::DecadeRow(FModel, l.Track) : Track::LinearRow(FModel, l.Track);
}

double TPotiSlide::ValueAtRow(const TSlideLayout& l, int y) const {
  return NonLinear() ? Track::DecadeValueAt(FModel, l.Track, y) : Track::LinearValueAt(FModel, l.Track, y);
}

// ---------------------------------------------------------------- input

bool TPotiSlide::ChangeByUser(double v) {
  if (!FModel.SetValue(v)) return false;
  MoveKnob();
  UserChanged();
  return true;
}

void TPotiSlide::Follow(double v) {
  if (FDragDelay > 0) {
    FDragTarget = v;
  } else {
    ChangeByUser(v);
  }
}

void TPotiSlide::PressAt(const TSlideLayout& l, int y) {
  if (FDragDelay > 0) FDragTicker.SetInterval(kDragTickMs);
  Follow(ValueAtRow(l, y));
}

void TPotiSlide::DragTo(const TSlideLayout& l, int y) { Follow(FModel.Clamp(ValueAtRow(l, y))); }

void TPotiSlide::Released() { FDragTicker.Stop(); }

void TPotiSlide::DragTick() {
  if (!SlidePainted() || FDragDelay == 0) return;
  if (!FModel.SetValue(FModel.DragStep(FDragTarget, FDragDelay))) return;
  MoveKnob();
  Update();
  UserChanged();
}

// A notch is half a division; in decades, half a sub-division of a decade.
// Each notch is a step of its own, as a click would be.
void TPotiSlide::WheelBy(int notches) {
  const int sign = notches > 0 ? 1 : -1;
  for (int i = 0; i < std::abs(notches); ++i) {
    const double v = FModel.Value();
    const double next =
        NonLinear() ? Pow10(Log10(v) + sign / (2.0 * FScalaPart)) : v + sign * FModel.Span() / (2.0 * FScalaPart);
    if (!ChangeByUser(next)) break;
    emit onChanged(this);
  }
}

}  // namespace Veltor
