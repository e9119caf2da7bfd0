#pragma once
// The value machinery every potentiometer shares: a range with its setter
// rules, the 270-degree dial's angles, the rules of a mouse drag across the
// dial, the delayed drag and the mouse wheel. No widgets here.

#include "host/types.h"

namespace Veltor {

// A double value kept inside Start..End. The ends stay within -Limit..Limit
// and at least one unit apart; each setter keeps the other end fixed.
class TPotiModel {
 public:
  explicit TPotiModel(double limit = 100) : FLimit(limit) {}

  double Value() const { return FValue; }
  double Start() const { return FStart; }
  double End() const { return FEnd; }
  double Span() const { return FEnd - FStart; }

  // The setters return whether the stored values changed.
  // Clamps to the range.
  bool SetValue(double v);
  // Below -Limit becomes -Limit, otherwise at or above End becomes End - 1;
  // a value below the new start is raised to it.
  bool SetStart(double v);
  // At or below Start becomes Start + 1, otherwise above Limit becomes
  // Limit; a value above the new end is lowered to it.
  bool SetEnd(double v);

  // A stored form's values, taken as they are; Normalise() once the whole
  // form is read.
  void LoadValue(double v) { FValue = v; }
  void LoadStart(double v) { FStart = v; }
  void LoadEnd(double v) { FEnd = v; }
  // A control's setters: while its form loads they take the value as it is,
  // otherwise they keep the rules above.
  bool SetValue(double v, bool loading);
  bool SetStart(double v, bool loading);
  bool SetEnd(double v, bool loading);
  // After loading: an end at or below the start is moved one unit above it,
  // and the value is brought into the range. Returns whether anything moved.
  bool Normalise();

  double Clamp(double v) const;

  // Decade mode, for logarithmic scales: the ends are powers of ten (each
  // setter snaps down to its decade), above zero, and End stays at least one
  // decade above Start. Switching it on brings start, value and end above
  // zero first (0.001, and an empty range a hundredfold).
  bool DecadeMode() const { return FDecades; }
  void SetDecadeMode(bool on);

  // One tick of a delayed drag towards target (clamped first): a fifteenth
  // of the range per unit of delay, never past the target.
  double DragStep(double target, int delay) const;

 private:
  // Snaps both ends to their decades, keeping them a decade apart.
  void SnapDecades();

  double FLimit;
  bool FDecades = false;
  double FValue = 0;
  double FStart = 0;
  double FEnd = 10;
};

// The 270-degree dial. Scale angles run clockwise from 0 at the lower-left
// start to 270 at the lower-right end; mouse angles (alpha) run clockwise from
// straight down, so the scale starts at alpha 45 and ends at alpha 315.
namespace Dial {

constexpr double kSweep = 270;
constexpr double kStartAlpha = 45;
// The start of the scale seen from 12 o'clock, clockwise (so it is negative).
constexpr double kStartFromTop = -135;

// The scale angle showing the model's value (0 for an empty range), and the
// value at a scale angle (not clamped).
double ValueAngle(const TPotiModel& model);
double ValueAtAngle(const TPotiModel& model, double scaleAngle);

// Mouse angle of (x, y) around centre, 0 <= alpha < 360.
double MouseAlpha(TPoint centre, int x, int y);
// Scale angle of a mouse angle; below 0 and above 270 in the dead gap.
inline double ScaleAngle(double alpha) { return alpha - kStartAlpha; }
// The scale angle a press takes: a press in the dead gap takes the nearer
// end (left of 6 o'clock the start, right of it the end).
double PressAngle(double alpha);

// The scale angle a drag compares the next mouse point with: the end the
// control rests at, otherwise the (clamped) angle of the last mouse point.
double DragAngle(bool atStart, bool atEnd, double lastAlpha);
// Whether a move from oldAngle to newAngle is a turn rather than a jump
// across the dead gap.
bool IsTurn(double oldAngle, double newAngle, double jumpLimit);

}  // namespace Dial

// Mouse input acts only with the left button alone, no modifier keys. The
// second press of a double click counts like any other press.
bool LeftButtonAlone(TShiftState shift);

// Turns wheel movement (in eighths of a degree, 120 per notch on a common
// wheel) into whole notches, keeping the rest for fine-grained wheels.
class TWheelNotches {
 public:
  // The whole notches this movement completes; positive turns away from
  // the user.
  int Add(int angleDelta);

 private:
  int FRest = 0;
};

}  // namespace Veltor
