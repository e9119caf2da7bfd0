#include "potis/selector270.h"

#include "potis/rotary_paint.h"

#include <cstdlib>

namespace Veltor {

namespace {
constexpr int kDefaultScalaPart = 4;
constexpr int kMaxScalaPart = 20;
// A move of more than this is a jump across the dead gap, not a turn.
constexpr double kJumpLimit = 90;
}  // namespace

TSelector270::TSelector270(QWidget* parent) : TCustomRotary(parent), FModel(kDefaultScalaPart, kMaxScalaPart) {
  SetFontColor(clNavy);
  SetColScala(clMaroon);
  SetCaption(QStringLiteral("Eingang"));
  FModel.SetEntries(
      {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
}

TSelector270::~TSelector270() = default;

void TSelector270::SetPosText(const QStringList& v) {
  FModel.SetEntries(v);
  Invalidate();
}

void TSelector270::SetScalaPart(int v) {
  if (FModel.SetScalaPart(v)) Invalidate();
}

void TSelector270::SetPosition(int v) {
  if (Loading()) {
    FModel.LoadPosition(v);
    return;
  }
  if (FModel.SetPosition(v)) MovePointer();
}

void TSelector270::Select(int index) {
  if (Loading() || index < 0) return;
  SetPosition(index);
}

// A stored position beyond the dial is brought back once the whole form,
// ScalaPart included, is read.
void TSelector270::Loaded() {
  TCustomRotary::Loaded();
  if (FModel.Normalise()) MovePointer();
}

TRotaryLayout TSelector270::Layout() const { return SelectorLayout(RotaryLook(), Width(), Height()); }

void TSelector270::PaintScale(TCanvas& canvas, const TRotaryLayout& l) { DrawDetents(canvas, l, FModel, ColScala()); }

double TSelector270::PointerAngle() const { return FModel.DetentAngle(FModel.Position()); }

// ---------------------------------------------------------------- input

bool TSelector270::ChangeByUser(int p) {
  if (!FModel.SetPosition(p)) return false;
  MovePointer();
  UserChanged();
  return true;
}

void TSelector270::PressAt(double alpha) { ChangeByUser(FModel.PositionAt(Dial::PressAngle(alpha))); }

void TSelector270::DragTo(double lastAlpha, double alpha) {
  const int p = FModel.Position();
  const double from = Dial::DragAngle(p == 0, p == FModel.ScalaPart(), lastAlpha);
  const double to = Dial::ScaleAngle(alpha);
  if (Dial::IsTurn(from, to, kJumpLimit)) ChangeByUser(FModel.PositionAt(to));
}

// Each notch is a step of its own, as a click would be.
void TSelector270::WheelBy(int notches) {
  const int step = notches > 0 ? 1 : -1;
  for (int i = 0; i < std::abs(notches); ++i) {
    if (!ChangeByUser(FModel.Position() + step)) break;
    emit onChanged(this);
  }
}

}  // namespace Veltor
