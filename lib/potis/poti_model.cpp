#include "potis/poti_model.h"

#include "foundation/helpers.h"

#include <algorithm>
#include <cmath>

namespace Veltor {

namespace {
// The decade above and below a power of ten, as DecadeStep's own constants;
// the small factor keeps a product like 0.001 x 10 from landing just short.
double DecadeAbove(double v) { return DecadeStep(v * 10 * 1.000001); }
double DecadeBelow(double v) { return DecadeStep(v / 10 * 1.000001); }
}  // namespace

bool TPotiModel::SetValue(double v) {
  v = Clamp(v);
  if (v == FValue) return false;
  FValue = v;
  return true;
}

bool TPotiModel::SetStart(double v) {
  if (v < -FLimit) {
    v = -FLimit;
  } else if (v >= FEnd) {
    v = FEnd - 1;
  }
  if (FDecades) v = DecadeStep(std::min(v, DecadeBelow(FEnd)));
  if (v == FStart) return false;
  FStart = v;
  if (FValue < FStart) FValue = FStart;
  return true;
}

bool TPotiModel::SetEnd(double v) {
  if (v <= FStart) {
    v = FStart + 1;
  } else if (v > FLimit) {
    v = FLimit;
  }
  if (FDecades) v = std::max(DecadeStep(v), DecadeAbove(FStart));
  if (v == FEnd) return false;
  FEnd = v;
  if (FValue > FEnd) FValue = FEnd;
  return true;
}

bool TPotiModel::SetValue(double v, bool loading) {
  if (!loading) return SetValue(v);
  LoadValue(v);
  return false;
}

bool TPotiModel::SetStart(double v, bool loading) {
  if (!loading) return SetStart(v);
  LoadStart(v);
  return false;
}

bool TPotiModel::SetEnd(double v, bool loading) {
  if (!loading) return SetEnd(v);
  LoadEnd(v);
  return false;
}

bool TPotiModel::Normalise() {
  const double start = FStart, end = FEnd, value = FValue;
  // NaN read from a form fails every comparison; it becomes the start.
  if (!(FEnd > FStart)) FEnd = FStart + 1;
  FValue = std::isnan(FValue) ? FStart : Clamp(FValue);
  if (FDecades) SetDecadeMode(true);
  return start != FStart || end != FEnd || value != FValue;
}

void TPotiModel::SetDecadeMode(bool on) {
  FDecades = on;
  if (!on) return;
  constexpr double kSmallest = 0.001;
  if (!(FStart > 0)) FStart = kSmallest;
  if (!(FValue > 0)) FValue = kSmallest;
  if (!(FEnd > FStart)) FEnd = 100 * FStart;
  if (FEnd > FLimit) FEnd = FLimit;
  SnapDecades();
}

void TPotiModel::SnapDecades() {
  FEnd = DecadeStep(FEnd);
  FStart = DecadeStep(std::min(FStart, DecadeBelow(FEnd)));
  FEnd = std::max(FEnd, DecadeAbove(FStart));
  FValue = Clamp(FValue);
}

double TPotiModel::Clamp(double v) const {
  // Written so that a range left upside down by a stored form never throws.
  if (v > FEnd) v = FEnd;
  if (v < FStart) v = FStart;
  return v;
}

double TPotiModel::DragStep(double target, int delay) const {
  if (delay <= 0) return Clamp(target);
  target = Clamp(target);
  const double step = Span() / (15.0 * delay);
  if (target < FValue) return std::max(FValue - step, target);
  if (target > FValue) return std::min(FValue + step, target);
  return FValue;
}

namespace Dial {

double ValueAngle(const TPotiModel& m) {
  const double span = m.Span();
  return span > 0 ? kSweep / span * (m.Value() - m.Start()) : 0;
}

double ValueAtAngle(const TPotiModel& m, double scaleAngle) { return m.Start() + m.Span() * scaleAngle / kSweep; }

double MouseAlpha(TPoint centre, int x, int y) { return VectorAngle(double(centre.X - x), double(y - centre.Y)); }

double PressAngle(double alpha) { return std::clamp(alpha, kStartAlpha, kStartAlpha + kSweep) - kStartAlpha; }

double DragAngle(bool atStart, bool atEnd, double lastAlpha) {
  if (atEnd) return kSweep;
  if (atStart) return 0;
  return PressAngle(lastAlpha);
}

bool IsTurn(double oldAngle, double newAngle, double jumpLimit) { return std::fabs(oldAngle - newAngle) <= jumpLimit; }

}  // namespace Dial

bool LeftButtonAlone(TShiftState shift) { return (shift & ~TShiftState(ssDouble)) == TShiftState(ssLeft); }

int TWheelNotches::Add(int angleDelta) {
  constexpr int kNotch = 120;
  FRest += angleDelta;
  const int notches = FRest / kNotch;  // toward zero: a part notch waits
  FRest -= notches * kNotch;
  return notches;
}

}  // namespace Veltor
