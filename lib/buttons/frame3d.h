#pragma once
// The one-pixel 3-D frame the caption boxes and spinner text areas share.

#include "host/canvas.h"
#include "host/types.h"

namespace Veltor {

// Outlines the edge pixels of r (top and left in topLeft, right and bottom in
// bottomRight, which owns the top-right and bottom-left corners) and shrinks
// r by one pixel on every side.
void DrawFrame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight);

// The colours of a bevel: raised is lit from the top left, lowered the other
// way round. Returns false for bvNone.
bool BevelColors(TPanelBevel bevel, TColor* topLeft, TColor* bottomRight);

}  // namespace Veltor
