#pragma once
// The look of a read-out text field: an optional status LED at the left and
// a bevelled text area in which a fixed-pitch text stands right-aligned, one
// character per cell, with an inverted cursor cell while it is edited. The
// numeric edit field and text fields of the same look share these.

#include "foundation/foundationtypes.h"
#include "host/canvas.h"
#include "host/types.h"

#include <QString>

namespace Veltor {

// Where the parts of a read-out field go inside its frame.
struct TCellFieldLayout {
  TRect Led;        // the LED with its one-pixel ring; empty without an LED
  TRect TextFrame;  // the text area with its bevel
  TRect Text;       // inside the bevel: the text is clipped here
};

// A text background of this colour sits flush with the frame: no margin.
constexpr TColor kFlushTextBack = clSilver;

// Layout of a width x height field whose frame left inner.
TCellFieldLayout CellFieldLayout(const TRect& inner, int width, int height, TColor textBack, bool led,
                                 TPanelBevel bevel);

// What the text area shows.
struct TCellText {
  QString Cells;   // the editable characters, one per cell
  QString Tail;    // fixed text after them, such as a unit
  int Cursor = 0;  // 1-based cell shown inverted; 0 for none
};

// Colour of an LED that is dark: the lit colour dimmed, or white for black.
TColor ReadOutLedDark(TColor lit);

// Grows or shrinks the font so that its characters fill height h with a
// tenth to spare.
void FitCellFont(TFont& font, int h);

// The layers, in drawing order.
void PaintTextBevel(TCanvas& canvas, const TCellFieldLayout& layout, TPanelBevel bevel, TColor textBack);
void PaintCellText(TCanvas& canvas, const TRect& text, int y, const TCellText& t, TColor back, TColor fore);
// The same with the text starting at x instead of ending at text.Right.
void PaintCellTextAt(TCanvas& canvas, const TRect& text, int x, int y, const TCellText& t, TColor back, TColor fore);
void PaintCellLed(TCanvas& canvas, const TRect& led, TColor lit, bool on);

// The left edge of the text, which ends at text.Right.
int CellTextLeft(const TCanvas& canvas, const TRect& text, const TCellText& t);
// The cell under x: one more than the count of leading cells that fit left
// of x, kept within 1..cells.
int CellAt(const TCanvas& canvas, const TRect& text, const TCellText& t, int x);

}  // namespace Veltor
