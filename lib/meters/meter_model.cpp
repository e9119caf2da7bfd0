#include "meters/meter_model.h"

#include "foundation/helpers.h"
#include "foundation/numformat.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace Veltor {

double TMeterModel::ScaleEnd() const {
  // A stored form may deliver an end that is not above the start (or NaN);
  // drawing with it would divide by zero or a negative range.
  return FEnd > FStart ? FEnd : FStart + 1;
}

bool TMeterModel::SetValueStart(double v, bool loading) {
  if (loading) {
    FStart = v;
    FPeak = v;
    return true;
  }
  if (v < -FRangeLimit) {
    v = -FRangeLimit;
  } else if (v >= FEnd) {
    v = FEnd - 1;
  }
  if (FNonLinear) v = DecadeStep(v);
  if (v == FStart) return false;
  FStart = v;
  ResetZones();
  if (FValue < v) FValue = v;
  FPeak = FStart;
  return true;
}

bool TMeterModel::SetValueEnd(double v, bool loading) {
  if (loading) {
    FEnd = v;
    return true;
  }
  if (v <= FStart) {
    v = FStart + 1;
  } else if (v > FRangeLimit) {
    v = FRangeLimit;
  }
  if (FNonLinear) v = DecadeStep(v);
  if (v == FEnd) return false;
  FEnd = v;
  ResetZones();
  if (FValue > v) FValue = v;
  return true;
}

void TMeterModel::ResetZones() {
  const double span = (FEnd - FStart) * 0.1;
  FMinA = FStart;
  FMinE = FStart + span;
  FMidA = (FEnd + FStart) * 0.5;
  FMidE = FMidA + span;
  FMaxE = FEnd;
  FMaxA = FEnd - span;
}

bool TMeterModel::SetZoneStart(double& start, double end, double v, bool loading) {
  if (!loading) {
    if (v < FStart) {
      v = FStart;
    } else if (v >= end) {
      v = end - 1;
    }
  }
  if (v == start) return false;
  start = v;
  return true;
}

bool TMeterModel::SetZoneEnd(double start, double& end, double v, bool loading) {
  if (!loading) {
    if (v <= start) {
      v = start + 1;
    } else if (v > FEnd) {
      v = FEnd;
    }
  }
  if (v == end) return false;
  end = v;
  return true;
}

bool TMeterModel::SetValueMaxE(double v, bool loading) {
  if (!loading) {
    if (v < FMaxA) {
      v = FMaxA + 1;
    } else if (v > FEnd) {
      v = FEnd;
    }
  }
  if (v == FMaxE) return false;
  FMaxE = v;
  return true;
}

void TMeterModel::ReclampZones() {
  SetValueMinA(FMinA);
  SetValueMinE(FMinE);
  SetValueMidA(FMidA);
  SetValueMidE(FMidE);
  SetValueMaxA(FMaxA);
  SetValueMaxE(FMaxE);
}

bool TMeterModel::SetNonLinear(bool on, bool loading) {
  if (on == FNonLinear) return false;
  FNonLinear = on;
  if (on && !loading) {
    FixDecadeRange();
    ReclampZones();
  }
  return true;
}

void TMeterModel::FixDecadeRange() {
  if (!FNonLinear) return;
  if (!(FValue > 0)) FValue = 0.001;
  if (!(FStart > 0)) FStart = 0.001;
  if (!(FEnd > FStart)) FEnd = FStart * 100;
  if (FEnd > FRangeLimit) FEnd = FRangeLimit;
  SetValueStart(FStart);
  SetValueEnd(FEnd);
  FLogStart = Log10(FStart);
  FLogEnd = Log10(FEnd);
}

double TMeterModel::Fraction(double v) const {
  if (FNonLinear) {
    const double range = FLogEnd - FLogStart;
    return range > 0 ? (Log10(v) - FLogStart) / range : 0;
  }
  return (v - FStart) / (ScaleEnd() - FStart);
}

double TMeterModel::NeedleFraction() const {
  if (FUnder) return 0;
  if (FOver) return 1;
  return Fraction(FShown);
}

bool TMeterModel::SetValue(double v) {
  if (v == FValue) return false;
  FValue = v;
  return true;
}

bool TMeterModel::SetDamping(int v) {
  v = qBound(0, v, kMaxDamping);
  if (v == FDamping) return false;
  FDamping = v;
  return true;
}

bool TMeterModel::SetDampPeak(int v) {
  v = qBound(0, v, kMaxDampPeak);
  if (v == FDampPeak) return false;
  FDampPeak = v;
  return true;
}

bool TMeterModel::SetPeakMode(TPeakPtrMode v) {
  if (v == FPeakMode) return false;
  FPeakMode = v;
  return true;
}

TMeterStep TMeterModel::Crossings(double old, double now, double upper, double lower) {
  // A step that lands exactly on a limit has not passed it yet; the next one
  // does, so the crossing is reported once even then.
  TMeterStep result;
  if (now > upper) {
    result.UpperLim = old <= upper;
  } else if (now < lower && old >= lower) {
    result.LowerLim = true;
  }
  return result;
}

TMeterStep TMeterModel::Step() {
  const double old = FShown;
  const double now = FDamping == 0 ? FValue : (FDamping * FShown + FValue) / (FDamping + 1);
  FUnder = now < FStart;
  FOver = now > ScaleEnd();
  const TMeterStep result = Crossings(old, now, FMaxA, FMinE);
  FShown = now;
  if (FPeakMode != ppNone) {
    if (FShown > FPeak) FPeak = FShown;
    if (FPeakMode == ppDrag) FPeak = (FDampPeak * FPeak + FShown) / (FDampPeak + 1);
    if (FPeakClamped) FPeak = std::min(std::max(FPeak, FStart), ScaleEnd());
  }
  return result;
}

bool TMeterModel::ResetPeak() {
  if (!(FPeak > FStart)) return false;
  FPeak = FStart;
  return true;
}

int TMeterModel::ReadoutDecimals() const {
  if (FDispFixPnt) {
    const auto inside = [this](double limit) { return std::fabs(FStart) < limit && std::fabs(FEnd) < limit; };
    if (FEnd < 10 && FStart > -10) return 3;
    if (inside(100)) return 2;
    if (inside(1000)) return 1;
    return 0;
  }
  const double a = std::fabs(FShown);
  if (a < 10) return 3;
  if (a < 100) return 2;
  if (a < 1000) return 1;
  return 0;
}

QString TMeterModel::ReadoutText() const {
  const int d = ReadoutDecimals();
  QString text = FloatToStrFixed(FShown, 4, d);
  if (d > 0 && text.size() < 5) text = text.rightJustified(5, QLatin1Char(' '));
  return text;
}

bool TMeterModel::SetScalaPart(int v) {
  v = qBound(1, v, 20);
  if (v == FScalaPart) return false;
  FScalaPart = v;
  return true;
}

bool TMeterModel::SetScalaPsub(int v) {
  v = qBound(-1, v, 20);
  if (v == FScalaPsub) return false;
  FScalaPsub = v;
  return true;
}

int TMeterModel::MinorDivisions() const {
  if (FScalaPsub < 0) return FScalaPart < 11 ? 2 : 0;
  return FScalaPsub > 0 ? FScalaPsub + 1 : 0;
}

int TMeterModel::Decades() const { return std::max(1, int(RoundHalfEven(FLogEnd - FLogStart))); }

std::vector<TScaleTick> TMeterModel::Ticks() const {
  std::vector<TScaleTick> ticks;
  if (FNonLinear) {
    const int k = Decades();
    for (int i = 0; i <= k; ++i) {
      const double decade = FStart * std::pow(10.0, i);
      ticks.push_back({double(i) / k, true, decade});
      if (i == k || FScalaPart <= 1) continue;
      for (int j = 1; j < FScalaPart; ++j) {
        const double v = j * (10.0 / FScalaPart) * decade;
        ticks.push_back({Fraction(v), false, v});
      }
    }
    return ticks;
  }
  const int parts = FScalaPart;
  const int n = MinorDivisions();
  const double end = ScaleEnd();
  for (int i = 0; i <= parts; ++i) {
    ticks.push_back({double(i) / parts, true, FStart + i * (end - FStart) / parts});
    if (i == parts) break;
    for (int j = 1; j < n; ++j) ticks.push_back({(i + double(j) / n) / parts, false, 0});
  }
  return ticks;
}

QString TMeterModel::LinearLabel(double v) const {
  const double w = ScaleEnd() - FStart;
  int d = w < 3 ? 2 : w < 5 ? 1 : 0;
  if (v == 0) d = 0;
  QString text = FloatToStrFixed(v, 4, d);
  if (d == 2 && text.endsWith(QLatin1Char('0'))) text.chop(1);
  return text;
}

void TMeterModel::BlinkLeds(bool blinkState) {
  for (TMeterLed& led : FLeds) {
    if (led.Blink) led.Phase = blinkState != led.On;
  }
}

bool TMeterModel::MarkStep(bool toggle, bool active, bool& phase) {
  // phase set: the dark half of the blink, no mark on the screen.
  if (!toggle) return active && !phase;
  if (phase) {
    // Leaving the dark half: show the mark again only while it is still due,
    // so a value back in range never leaves a mark standing.
    phase = false;
    return active;
  }
  if (!active) return false;
  phase = true;
  return true;
}

}  // namespace Veltor
