#pragma once
// Painters of the rotary pots and selectors, one per drawn layer, in the
// order a paint draws them. They read the layout and the values they are
// given and change nothing else.

#include "host/canvas.h"
#include "potis/poti_layout.h"

#include <QString>

namespace Veltor {

class TSelectorModel;

struct TKnobColours {
  TColor Button;  // body and cap
  TColor Light;   // lit upper-left half of the rim
  TColor Shade;   // shaded lower-right sector of the rim
};

struct TPotiScale {
  double Start = 0;
  double End = 10;
  int Parts = 5;
  TColor Colour = clBlack;  // arc and ticks; labels take the font colour
};

// The maker's mark in small grey letters at the lower right of inner.
void DrawMakerMark(TCanvas& canvas, const TRect& inner);

// The pot's scale in the canvas font: the 270-degree arc, a main tick with
// its label at every division and a thin tick half-way between.
void DrawPotiScale(TCanvas& canvas, const TRotaryLayout& l, const TPotiScale& scale);

// The selector's detents in the canvas font: a dot per position and the
// entry's text beside it where there is an entry.
void DrawDetents(TCanvas& canvas, const TRotaryLayout& l, const TSelectorModel& model, TColor colour);

// The caption box's 1-pixel bevel (none for bvNone).
void DrawCaptionBevel(TCanvas& canvas, const TRotaryLayout& l, TPanelBevel bevel);
// The caption on silver, centred, in font fitted to the box.
void DrawCaption(TCanvas& canvas, const TRect& box, const TFont& font, const QString& caption, TColor colour);

// The knob: rim in a lit half, a body half and a shaded sector, then the cap.
void DrawKnob(TCanvas& canvas, const TRotaryLayout& l, const TKnobColours& colours);

// The pointer line from the centre to end, exclusive-or'd onto the picture:
// drawing it again removes it.
void DrawPointer(TCanvas& canvas, TPoint centre, TPoint end, TColor colour);

// The small flat preset button with its coloured square.
void DrawPresetButton(TCanvas& canvas, const TRect& r, bool pressed, TColor colour);

}  // namespace Veltor
