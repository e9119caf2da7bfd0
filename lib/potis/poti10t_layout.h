#pragma once
// Geometry of the ten-turn pot: the rotary pot's dial with a fine-adjust
// knob in the middle, a triangular value pointer, a round marker that
// follows the fine turning, a seven-segment read-out below the knob and two
// LEDs in the upper corners. Pure functions of the size and the properties.

#include "potis/poti_layout.h"

#include <array>

namespace Veltor {

struct TPoti10TLayout {
  TRotaryLayout Dial;  // frame, centre, scale, knob, preset button, fonts
  int FineRadius = 0;  // a press closer to the centre turns the fine knob
  // The value pointer at the start of the scale: tip, then the base corners.
  std::array<TPoint, 3> PointerZero;
  TPoint MarkerZero;  // the marker's centre with the fine knob unturned
  int MarkerRadius = 0;
  TRect Readout;               // the read-out window with its border
  TRect ReadoutCells;          // the four digit cells inside it
  std::array<TPoint, 2> Leds;  // LED centres, upper left and upper right
  int LedHousing = 0;          // radius of the LED housings; lamps are 1 less
  TPoint MarkAt;               // top-left of the maker mark

  // The pointer and marker for a value angle and a fine angle.
  std::array<TPoint, 3> Pointer(double scaleAngle) const;
  TPoint Marker(double fineAngle) const;
  // Every pixel the pointer and marker can cover.
  TRect MovingArea() const;
};

TPoti10TLayout Poti10TLayout(const TRotaryLook& look, bool presEnable, int width, int height);

// Decimals of the read-out: fixed by the range, or following the value.
int ReadoutDecimals(bool fixedPoint, double value, double start, double end);
// The read-out text: four significant digits, at most ten characters,
// padded to five with leading blanks when it has decimals.
QString ReadoutText(double value, int decimals);

// The value change for a fine turn of the mouse from angle `from` to `to`
// (clockwise degrees): a whole turn is a tenth of the span. A step across
// the 6 o'clock seam counts the short way round.
double FineStep(double span, double from, double to);

}  // namespace Veltor
