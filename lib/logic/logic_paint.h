#pragma once
// What the logic display draws, one function per layer, reading only the
// state and the layout. A full paint draws, in this order: the footer's
// buttons, glyphs, status boxes and letters; then every full redraw the
// status texts, the position bar, the channel names, and either the diagram
// (background, trigger bar, base lines, traces) or the listing; then the
// pointer and marker. The rest redraws one layer in place: a text line, a
// pressed button, an XOR line or zoom frame, the strip of a one-sample step.

#include "host/canvas.h"
#include "logic/logic_layout.h"
#include "logic/logic_model.h"

namespace Veltor {

struct TLogicColours {
  TColor Trigger = 0x0080FF;
  TColor TextDisp = 0xE8FFFF;
  TColor Text = clBlack;
  TColor Display = clBlack;
  TColor Grid = 0x808080;
  TColor Pointer = 0x00FF00;
  TColor Marker = 0x00FFFF;
  TColor Curve = 0xFFFF00;
};

// ---- footer
// The frames take `frameColour`; the faces are raised.
void PaintFooterButtons(TCanvas& canvas, const TLogicLayout& l, TColor frameColour);
void PaintFooterGlyphs(TCanvas& canvas, const TLogicLayout& l);
// A button's face drawn pressed (sunken) or released (raised) again.
void PaintButtonFace(TCanvas& canvas, const TLogicLayout& l, TLogicLayout::TFooterButton b, bool pressed);
// The sunken boxes with their insides: fields in `fieldColour`, the bar silver.
void PaintStatusBoxes(TCanvas& canvas, const TLogicLayout& l, TColor fieldColour);
// "P", "M" and "D" in the control's font, bold.
void PaintStatusLabels(TCanvas& canvas, const TLogicLayout& l, const TFont& font);

// ---- status
void PaintStatus(TCanvas& canvas, const TLogicModel& m, const TLogicColours& colours, const TLogicLayout& l);
void PaintPositionBar(TCanvas& canvas, const TLogicModel& m, const TLogicLayout& l);

// ---- diagram
void PaintChannelNames(TCanvas& canvas, const TLogicModel& m, const TLogicLayout& l, TColor background);
void PaintDiagramBackground(TCanvas& canvas, const TLogicLayout& l, const TLogicColours& colours);
void PaintTriggerBar(TCanvas& canvas, const TLogicModel& m, const TLogicColours& colours, const TLogicLayout& l);
// The dotted base lines as a full redraw draws them: from the data area's
// right edge leftwards (the dots counted from there), the left edge column
// left out. Only the pixel columns in `columns` are touched, so that a scroll
// strip gets exactly the pixels a full redraw would give it.
void PaintBaseLines(TCanvas& canvas, const TDiagramGeometry& g, const TLogicLayout& l, TColor grid,
                    const TRect& columns);
// One sample back or forward: the picture moves by `shift` pixels and the
// strip that comes in is drawn as a full redraw of the view one sample on
// would draw it (the trigger bar excepted). Reads the view before the step.
void PaintStepBack(TCanvas& canvas, const TLogicModel& m, const TLogicColours& colours, const TLogicLayout& l,
                   int shift);
void PaintStepForward(TCanvas& canvas, const TLogicModel& m, const TLogicColours& colours, const TLogicLayout& l,
                      int shift);

// ---- text listing
void PaintListing(TCanvas& canvas, const TLogicModel& m, const TLogicColours& colours, const TLogicLayout& l);
// One line with the pointer's or marker's highlight.
void PaintTextLine(TCanvas& canvas, const TLogicModel& m, const TLogicColours& colours, const TLogicLayout& l,
                   int position);
// The listing moves a line down (back) or up (forward).
void ScrollListing(TCanvas& canvas, const TLogicModel& m, const TLogicLayout& l, bool back);

// ---- drawn and taken away again with the exclusive-or pen
void PaintXorLine(TCanvas& canvas, const TLogicLayout& l, int x, TColor colour);
void PaintZoomFrame(TCanvas& canvas, int x1, int y1, int x2, int y2);

}  // namespace Veltor
