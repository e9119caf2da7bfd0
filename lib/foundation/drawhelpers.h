#pragma once
// Drawing and text helpers that need a canvas: caption wrapping, number label
// widths, power-of-ten labels, thin 3-D outlines and the arrow glyphs of the
// logic display's buttons.

#include "host/canvas.h"

#include <QString>

namespace Veltor {

// The maker's mark the displays and instruments write in small grey letters.
inline constexpr char kMakerMark[] = "corvane";

// Breaks text into lines of at most `width` pixels, joined by carriage
// returns (character 13). A "|" always breaks the line there. Texts of up to
// three characters, and texts that fit and hold no "|", stay as they are.
// Returns the number of lines.
int WrapText(TCanvas& canvas, int width, QString& text);

// The wider of the two values as scale labels (four significant digits and
// the decimals DecimalsFor gives, at most ten characters).
int MaxNumWidth(TCanvas& canvas, double a, double b);

// Draws v as "10" with its exponent raised and a size smaller; meant for
// exact powers of ten.
void DrawPow10(int x, int y, TCanvas& canvas, double v);

// One-pixel 3-D outlines of r: grey then white (sunken), white then grey
// (raised), starting at the bottom-left corner. The pen is left as it was.
void DrawSunken(TCanvas& canvas, const TRect& r);
void DrawRaised(TCanvas& canvas, const TRect& r);
// Frames (Left, Top, Right + 1, Bottom + 1) in the brush colour, shrinks r by
// one pixel and draws it raised.
void DrawFramedRaised(TCanvas& canvas, TRect& r);

// Black triangles pointing up, down, left or right inside r; withBar adds a
// two-pixel bar across the apex. Pen and brush are left as they were.
void DrawArrowUp(TCanvas& canvas, const TRect& r, bool withBar);
void DrawArrowDown(TCanvas& canvas, const TRect& r, bool withBar);
void DrawArrowLeft(TCanvas& canvas, const TRect& r, bool withBar);
void DrawArrowRight(TCanvas& canvas, const TRect& r, bool withBar);

}  // namespace Veltor
