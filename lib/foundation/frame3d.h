#pragma once
// The 3-D frame of caption boxes, spinner text areas, panels and speed
// buttons: one-pixel rings lit from one corner.

#include "foundation/foundationtypes.h"
#include "host/canvas.h"
#include "host/types.h"

namespace Veltor {

// Outlines the edge pixels of r (top and left in topLeft, right and bottom in
// bottomRight, which owns the top-right and bottom-left corners) and shrinks
// r by one pixel on every side.
void DrawFrame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight);
// The same frame width times over, each ring inside the last.
void DrawFrame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width);

// The host look of a push button face over r: a two-pixel raised frame, or
// sunken while pressed; a focused face gets a dotted focus rectangle inside.
// Fills the face and returns the rectangle left for its content, moved one
// pixel down and right while pressed.
TRect DrawButtonFace(TCanvas& canvas, const TRect& r, bool pressed, bool focused);

// The colours of a bevel: raised is lit from the top left, lowered the other
// way round. Returns false for bvNone.
bool BevelColors(TPanelBevel bevel, TColor* topLeft, TColor* bottomRight);

}  // namespace Veltor
