#pragma once
// The value model every meter of the library shares: scale range and zones,
// linear or decade mapping of a value to a fraction of the scale, needle
// damping, peak pointer, range overflow and limit events, LEDs, the read-out
// text and the division and labels of the scale. Widget-free; the round
// meters turn fractions into angles, the bar meters into lengths.

#include "host/color.h"
#include "meters/meterstypes.h"

#include <QString>

#include <vector>

namespace Veltor {

// One tick of a scale: where it sits (0 = scale start, 1 = scale end) and
// whether it is a major tick; major ticks carry their label value.
struct TScaleTick {
  double Fraction = 0;
  bool Major = false;
  double Value = 0;
};

// What one motion step found.
struct TMeterStep {
  bool UpperLim = false;  // the damped value rose past ValueMaxA
  bool LowerLim = false;  // the damped value fell past ValueMinE
};

// One of the two LEDs.
struct TMeterLed {
  TColor Color;
  bool On = false;
  bool Blink = false;
  bool Phase = false;  // lit half of a blinking LED
  bool Lit() const { return Blink ? Phase : On; }
};

class TMeterModel {
 public:
  static constexpr double kLimit = 1000;  // the scale ends stay inside +-1000
  static constexpr int kMaxDamping = 10;
  static constexpr int kMaxDampPeak = 1000;

  // --- Range and zones. Setters return true when a stored value changed.
  // With `loading` the value comes from a stored form and is kept as it is.
  double ValueStart() const { return FStart; }
  double ValueEnd() const { return FEnd; }
  bool SetValueStart(double v, bool loading = false);
  bool SetValueEnd(double v, bool loading = false);
  // The end the scale is drawn with: ValueEnd, or ValueStart + 1 when a
  // stored form delivered an end that is not above the start.
  double ScaleEnd() const;

  double ValueMinA() const { return FMinA; }
  double ValueMinE() const { return FMinE; }
  double ValueMidA() const { return FMidA; }
  double ValueMidE() const { return FMidE; }
  double ValueMaxA() const { return FMaxA; }
  double ValueMaxE() const { return FMaxE; }
  bool SetValueMinA(double v, bool loading = false) { return SetZoneStart(FMinA, FMinE, v, loading); }
  bool SetValueMidA(double v, bool loading = false) { return SetZoneStart(FMidA, FMidE, v, loading); }
  bool SetValueMaxA(double v, bool loading = false) { return SetZoneStart(FMaxA, FMaxE, v, loading); }
  bool SetValueMinE(double v, bool loading = false) { return SetZoneEnd(FMinA, FMinE, v, loading); }
  bool SetValueMidE(double v, bool loading = false) { return SetZoneEnd(FMidA, FMidE, v, loading); }
  // May equal ValueMaxA: an empty high zone.
  bool SetValueMaxE(double v, bool loading = false);

  // --- Decade mode.
  bool NonLinear() const { return FNonLinear; }
  bool SetNonLinear(bool on, bool loading = false);
  // Makes a decade scale consistent (positive start and value, end at least
  // 100 x start when not above it, at most 1000) and recomputes the
  // logarithms. Meters run it before drawing a decade scale.
  void FixDecadeRange();
  double LogStart() const { return FLogStart; }
  double LogEnd() const { return FLogEnd; }

  // --- Mapping: 0 at the scale start, 1 at its end; not clamped.
  double Fraction(double v) const;
  // Where the needle stands: parked at 0 or 1 when out of range.
  double NeedleFraction() const;
  double PeakFraction() const { return Fraction(FPeak); }

  // --- Value, motion and peak.
  double Value() const { return FValue; }
  // True when the value changed.
  bool SetValue(double v);
  double ShownValue() const { return FShown; }
  double PeakValue() const { return FPeak; }
  bool OverRange() const { return FOver; }
  bool UnderRange() const { return FUnder; }
  int Damping() const { return FDamping; }
  bool SetDamping(int v);
  int DampPeak() const { return FDampPeak; }
  bool SetDampPeak(int v);
  TPeakPtrMode PeakMode() const { return FPeakMode; }
  bool SetPeakMode(TPeakPtrMode v);
  // One motion step: damping, range flags, limit events, peak pointer.
  TMeterStep Step();
  // Drops the peak pointer to the scale start; true when it moved.
  bool ResetPeak();

  // --- Read-out.
  bool DispFixPnt() const { return FDispFixPnt; }
  void SetDispFixPnt(bool v) { FDispFixPnt = v; }
  int ReadoutDecimals() const;
  // ShownValue with ReadoutDecimals decimals, four significant digits, blanks
  // in front up to five characters when it has decimals.
  QString ReadoutText() const;

  // --- Scale division and labels.
  int ScalaPart() const { return FScalaPart; }
  bool SetScalaPart(int v);
  int ScalaPsub() const { return FScalaPsub; }
  bool SetScalaPsub(int v);
  // Minor divisions per major division (n - 1 minor ticks in between).
  int MinorDivisions() const;
  // Number of decades of a decade scale.
  int Decades() const;
  // Every tick from the scale start to its end.
  std::vector<TScaleTick> Ticks() const;
  // The label of a major tick of a linear scale.
  QString LinearLabel(double v) const;

  // --- LEDs (index 0 and 1).
  TMeterLed& Led(int i) { return FLeds[i & 1]; }
  const TMeterLed& Led(int i) const { return FLeds[i & 1]; }
  // Blink clock step: blinking LEDs take the phase blinkState XOR On.
  void BlinkLeds(bool blinkState);

  // --- Range marks. Whether the end (or start) mark must be XOR-drawn now;
  // with `toggle` (the blink clock) its phase flips as it is drawn.
  bool EndMarkStep(bool toggle) { return MarkStep(toggle, FOver, FEndMarkPhase); }
  bool StartMarkStep(bool toggle) { return MarkStep(toggle, FUnder, FStartMarkPhase); }
  bool MarksActive() const { return FOver || FUnder || FEndMarkPhase || FStartMarkPhase; }
  void ClearMarks() { FEndMarkPhase = FStartMarkPhase = false; }

  // --- Bounds the scale ends are kept in (+-kLimit unless a meter widens
  // them) and limit crossings at free thresholds (the bar meters).
  double RangeLimit() const { return FRangeLimit; }
  void SetRangeLimit(double v) { FRangeLimit = v; }
  // Whether a step from `old` to `now` rose past `upper` or fell past
  // `lower`; a step landing exactly on a threshold has not passed it yet.
  static TMeterStep Crossings(double old, double now, double upper, double lower);
  // A dial's peak pointer that is not clamped may stand beyond the scale ends.
  void SetPeakClamped(bool v) { FPeakClamped = v; }

 private:
  void ResetZones();
  bool SetZoneStart(double& start, double end, double v, bool loading);
  bool SetZoneEnd(double start, double& end, double v, bool loading);
  void ReclampZones();
  static bool MarkStep(bool toggle, bool active, bool& phase);

  double FStart = 0, FEnd = 100;
  double FMinA = 0, FMinE = 10, FMidA = 50, FMidE = 75, FMaxA = 75, FMaxE = 100;
  bool FNonLinear = false;
  double FLogStart = 0, FLogEnd = 0;
  double FValue = 0, FShown = 0, FPeak = 0;
  bool FOver = false, FUnder = false;
  int FDamping = 0, FDampPeak = 0;
  TPeakPtrMode FPeakMode = ppNone;
  bool FDispFixPnt = false;
  int FScalaPart = 10, FScalaPsub = -1;
  TMeterLed FLeds[2] = {{clRed}, {clLime}};
  bool FEndMarkPhase = false, FStartMarkPhase = false;
  double FRangeLimit = kLimit;
  bool FPeakClamped = true;
};

}  // namespace Veltor
