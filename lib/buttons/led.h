#pragma once
// The lamp every LED-carrying control draws: a circle or a rectangle with a
// black outline, filled with the LED colour when lit and with its dark shade
// otherwise, optionally sitting in a grey socket one pixel larger.
//
// Kept apart from the buttons that use it so that meters, pots and edit
// fields can draw their LEDs the same way.

#include "buttons/buttontypes.h"
#include "host/canvas.h"

namespace Veltor {

// The dark shade of an LED colour: each colour byte keeps only its bits 5
// and 6 (colour AND $FF606060). A system colour is resolved to its RGB value
// first; masking its palette index would name an unrelated system colour.
TColor LedDarkColor(TColor colour);
// The colour an LED shows in the given state.
inline TColor LedColor(TColor colour, bool lit) { return lit ? colour : LedDarkColor(colour); }

// Where one LED is: the circle (Cx, Cy, R) or the rectangle Box.
struct TLedSpot {
  TLedShape Shape = ledCircle;
  int Cx = 0;
  int Cy = 0;
  int R = 0;
  TRect Box;

  // The pixels the LED covers (the circle's bounding box, or Box).
  TRect Bounds() const;
  // The same LED d pixels smaller all round (a circle keeps its Box).
  TLedSpot Inset(int d) const;
};

// The socket: the LED outline in grey filled with fill. The lamp goes one
// pixel inside it (spot.Inset(1)).
void DrawLedSocket(TCanvas& canvas, const TLedSpot& spot, TColor fill);

// The lamp itself: black one-pixel outline, filled with the LED colour or
// its dark shade. Leaves the canvas pen solid, black and in copy mode.
void DrawLedLamp(TCanvas& canvas, const TLedSpot& spot, TColor colour, bool lit);

// What a blinking LED shows in a blink phase: it alternates, and one that is
// switched on is dark in the phases where one that is off is lit.
inline bool BlinkLit(bool blinkPhase, bool on) { return blinkPhase != on; }

}  // namespace Veltor
