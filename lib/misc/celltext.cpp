#include "misc/celltext.h"

#include "foundation/frame3d.h"

#include <algorithm>
#include <cmath>

namespace Veltor {

namespace {

// The margin around the text area is this share of the field's shorter side.
constexpr double kMarginShare = 0.04;
// The LED is half the text area's height wide, less a pixel.
constexpr int kLedWidthTenths = 5;
constexpr int kMinLedGap = 2;
// The inverted cursor never starts left of this inset.
constexpr int kCursorInset = 2;
// The font fills the text height with this much to spare.
constexpr double kFontSpare = 1.1;
constexpr int kMaxFontSize = 400;

int SpareHeight(const TFont& font) { return int(std::lround(kFontSpare * std::abs(font.Height))); }

}  // namespace

TCellFieldLayout CellFieldLayout(const TRect& inner, int width, int height, TColor textBack, bool led,
                                 TPanelBevel bevel) {
  TCellFieldLayout l;
  const int shorter = width <= height ? inner.Width() : inner.Height();
  const int m = int(std::lround(kMarginShare * shorter));
  TRect t = inner;
  if (textBack != kFlushTextBack) t.Shrink(m);
  if (led) {
    const int w = t.Height() * kLedWidthTenths / 10 - 1;
    l.Led = TRect(t.Left, t.Top, t.Left + w, t.Bottom);
    t.Left = l.Led.Right + std::max(kMinLedGap, w / 5);
  }
  l.TextFrame = t;
  if (bevel != bvNone) t.Shrink(1);
  l.Text = t;
  return l;
}

TColor ReadOutLedDark(TColor lit) {
  if (lit == TColor(0)) return clWhite;
  return TColor(lit.Value() & 0xFF606060u);
}

void FitCellFont(TFont& font, int h) {
  if (h <= 0) return;
  if (h < std::abs(font.Height)) {
    while (h < SpareHeight(font) && font.Size() > 1) font.SetSize(font.Size() - 1);
  } else {
    while (h > SpareHeight(font) && font.Size() < kMaxFontSize) font.SetSize(font.Size() + 1);
  }
}

void PaintTextBevel(TCanvas& canvas, const TCellFieldLayout& layout, TPanelBevel bevel, TColor textBack) {
  if (bevel == bvNone) return;
  const bool white = textBack == clWhite;
  TColor dark = white ? clBlack : clGray;
  TColor light = white ? clGray : clWhite;
  if (bevel == bvRaised) std::swap(dark, light);
  TRect r = layout.TextFrame;
  DrawFrame3D(canvas, r, dark, light);
}

int CellTextLeft(const TCanvas& canvas, const TRect& text, const TCellText& t) {
  return text.Right - canvas.TextWidth(t.Cells + t.Tail);
}

void PaintCellText(TCanvas& canvas, const TRect& text, int y, const TCellText& t, TColor back, TColor fore) {
  PaintCellTextAt(canvas, text, CellTextLeft(canvas, text, t), y, t, back, fore);
}

void PaintCellTextAt(TCanvas& canvas, const TRect& text, int x, int y, const TCellText& t, TColor back, TColor fore) {
  if (text.IsEmpty()) return;
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = back;
  canvas.Font.Color = fore;
  canvas.TextRect(text, x, y, t.Cells + t.Tail);
  if (t.Cursor < 1 || t.Cursor > t.Cells.size()) return;
  const int left = std::max(x + canvas.TextWidth(t.Cells.left(t.Cursor - 1)), text.Left + kCursorInset);
  const int right = x + canvas.TextWidth(t.Cells.left(t.Cursor));
  if (right <= left) return;
  // Inverts the cell; drawing it again restores it.
  canvas.Pen.Style = psClear;
  canvas.Pen.Mode = pmXor;
  canvas.Brush.Color = clWhite;
  canvas.Rectangle(left, text.Top, right + 1, text.Bottom + 1);
  canvas.Pen.Style = psSolid;
  canvas.Pen.Mode = pmCopy;
}

void PaintCellLed(TCanvas& canvas, const TRect& led, TColor lit, bool on) {
  if (led.IsEmpty()) return;
  TRect r = led;
  DrawFrame3D(canvas, r, clGray, clWhite);
  canvas.Pen.Style = psSolid;
  canvas.Pen.Mode = pmCopy;
  canvas.Pen.Width = 1;
  canvas.Pen.Color = clBlack;
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = on ? (lit == TColor(0) ? clBlack : lit) : ReadOutLedDark(lit);
  canvas.Rectangle(r);
}

int CellAt(const TCanvas& canvas, const TRect& text, const TCellText& t, int x) {
  const int left = CellTextLeft(canvas, text, t);
  int n = 0;
  while (n < t.Cells.size() && left + canvas.TextWidth(t.Cells.left(n + 1)) <= x) ++n;
  return std::clamp(n + 1, 1, std::max(1, int(t.Cells.size())));
}

}  // namespace Veltor
