#pragma once
// Layout and painters of the vertical slide pot and slide selector: a
// caption box at the top, a narrow black slot, the scale beside it, a knob
// moving along the slot, the maker mark at the lower left and the preset
// button at the lower right. The layout is a pure function of the size and
// the properties; the painters only read it.

#include "foundation/foundationtypes.h"
#include "foundation/frame.h"
#include "host/canvas.h"
#include "potis/slide_model.h"

namespace Veltor {

class TSelectorModel;

// The properties a slide layout depends on besides the size.
struct TSlideLook {
  TFrameLook Frame;
  TFont Font;
  bool FontAutom = true;
  bool CaptEnable = false;
  TPanelBevel CaptBevel = bvNone;
  bool PresEnable = false;
  // Labels in decades carry a raised exponent: they take a smaller font.
  bool DecadeLabels = false;
  // The selector's labels need the width: its slot keeps only the room the
  // knob needs on its left.
  bool NarrowLeft = false;
};

struct TSlideLayout {
  TRect Inner;         // inside the rings: the maker mark
  TRect Preset;        // preset button, also its hit area
  int S = 0;           // base size: tick length and margins
  TFont LabelFont;     // scale labels
  int FontHeight = 0;  // their height in pixels
  TRect CaptionFrame;  // caption box with its bevel
  TRect CaptionBox;    // the caption's own area
  TRect Slot;          // the black slot the knob runs in
  int X0 = 0;          // the slot's middle column
  TTrack Track;        // rows from ValueEnd (top) to ValueStart (bottom)
  int KnobHalf = 0;    // half the knob's height; it is twice as wide

  int Bottom() const { return Track.Start + Track.Length; }
  // The knob's rectangle with its middle on row y.
  TRect KnobAt(int y) const { return TRect(X0 - 2 * KnobHalf, y - KnobHalf, X0 + 2 * KnobHalf, y + KnobHalf); }
};

TSlideLayout SlideLayout(const TSlideLook& look, int width, int height);

// The maker's mark at the lower left of inner.
void DrawSlideMark(TCanvas& canvas, const TRect& inner);
void DrawSlot(TCanvas& canvas, const TSlideLayout& l);
// The pot's scales in the label font: ticks on both sides of the slot and
// labels right of it; linear with parts divisions, or in decades with parts
// sub-divisions per decade.
void DrawLinearSlideScale(TCanvas& canvas, const TSlideLayout& l, const TPotiModel& m, int parts, TColor colour);
void DrawDecadeSlideScale(TCanvas& canvas, const TSlideLayout& l, const TPotiModel& m, int parts, TColor colour);
// The selector's detent ticks right of the slot with the entries' texts.
void DrawSelectorSlideScale(TCanvas& canvas, const TSlideLayout& l, const TSelectorModel& m, TColor colour);
// The caption box's bevel, the caption on silver.
void DrawSlideCaption(TCanvas& canvas, const TSlideLayout& l, TPanelBevel bevel, const TFont& font,
                      const QString& caption, TColor colour);
// The knob picture over the whole bitmap: a raised block in colour with a
// groove across its middle.
void DrawSlideKnob(TBitmap& bitmap, TColor colour);

// Decimals of a slide pot's labels: 2 for a span below 2, 1 below 4, else 0.
int SlideScaleDecimals(double span);

}  // namespace Veltor
