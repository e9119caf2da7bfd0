#include "potis/poti270.h"

#include "potis/rotary_paint.h"

#include <algorithm>
#include <cstdlib>

namespace Veltor {

namespace {
constexpr double kValueLimit = 100;
constexpr int kMaxScalaPart = 10;
constexpr int kMaxDragDelay = 20;
// The delayed drag steps once per tick.
constexpr int kDragTickMs = 50;
// A move of more than this is a jump across the dead gap, not a turn.
constexpr double kJumpLimit = 45;
}  // namespace

TPoti270::TPoti270(QWidget* parent) : TCustomRotary(parent), FModel(kValueLimit) {
  SetFontColor(clBlack);
  SetCaption(QStringLiteral("Volt"));
  FDragTicker = TTickSubscription::Ticker([this] { DragTick(); });
}

TPoti270::~TPoti270() = default;

void TPoti270::SetValue(double v) {
  if (FModel.SetValue(v, Loading())) MovePointer();
}

void TPoti270::SetValueStart(double v) {
  if (FModel.SetStart(v, Loading())) Invalidate();
}

void TPoti270::SetValueEnd(double v) {
  if (FModel.SetEnd(v, Loading())) Invalidate();
}

void TPoti270::SetScalaPart(int v) { Assign(FScalaPart, std::clamp(v, 1, kMaxScalaPart)); }

void TPoti270::SetDragDelay(int v) { FDragDelay = std::clamp(v, 0, kMaxDragDelay); }

// A form may hold the ends in any order and the value anywhere; the rules
// apply once all of it is read.
void TPoti270::Loaded() {
  TCustomRotary::Loaded();
  if (FModel.Normalise()) Invalidate();
}

TRotaryLayout TPoti270::Layout() const { return PotiLayout(RotaryLook(), Width(), Height()); }

void TPoti270::PaintScale(TCanvas& canvas, const TRotaryLayout& l) {
  DrawPotiScale(canvas, l, {FModel.Start(), FModel.End(), FScalaPart, ColScala()});
}

double TPoti270::PointerAngle() const { return Dial::ValueAngle(FModel); }

// ---------------------------------------------------------------- input

bool TPoti270::ChangeByUser(double v) {
  if (!FModel.SetValue(v)) return false;
  MovePointer();
  UserChanged();
  return true;
}

void TPoti270::Follow(double v) {
  if (FDragDelay > 0) {
    // Also when v is the present value: the crawl then stops where it is.
    FDragTarget = v;
  } else {
    ChangeByUser(v);
  }
}

void TPoti270::PressAt(double alpha) {
  if (FDragDelay > 0) FDragTicker.SetInterval(kDragTickMs);
  Follow(Dial::ValueAtAngle(FModel, Dial::PressAngle(alpha)));
}

void TPoti270::DragTo(double lastAlpha, double alpha) {
  const double value = FModel.Value();
  const double from = Dial::DragAngle(value == FModel.Start(), value == FModel.End(), lastAlpha);
  const double to = Dial::ScaleAngle(alpha);
  if (!Dial::IsTurn(from, to, kJumpLimit)) return;
  Follow(FModel.Clamp(Dial::ValueAtAngle(FModel, to)));
}

void TPoti270::Released() { FDragTicker.Stop(); }

void TPoti270::DragTick() {
  if (!DialPainted() || FDragDelay == 0) return;
  if (!FModel.SetValue(FModel.DragStep(FDragTarget, FDragDelay))) return;
  MovePointer();
  Update();
  UserChanged();
}

// Each notch is a step of its own, as a click would be.
void TPoti270::WheelBy(int notches) {
  const double step = notches > 0 ? WheelStep() : -WheelStep();
  for (int i = 0; i < std::abs(notches); ++i) {
    if (!ChangeByUser(FModel.Value() + step)) break;
    emit onChanged(this);
  }
}

}  // namespace Veltor
