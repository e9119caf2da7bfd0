#include "buttons/led.h"

namespace Veltor {

namespace {

void DrawShape(TCanvas& canvas, const TLedSpot& spot) {
  if (spot.Shape == ledRectangle) {
    canvas.Rectangle(spot.Box);
  } else {
    canvas.Ellipse(spot.Bounds());
  }
}

void UsePen(TCanvas& canvas, TColor colour) {
  canvas.Pen.Style = psSolid;
  canvas.Pen.Width = 1;
  canvas.Pen.Mode = pmCopy;
  canvas.Pen.Color = colour;
}

}  // namespace

TColor LedDarkColor(TColor colour) { return DimmedColor(colour.IsSystemColor() ? TColor(colour.ToRGB()) : colour); }

TRect TLedSpot::Bounds() const {
  if (Shape == ledRectangle) return Box;
  return TRect(Cx - R, Cy - R, Cx + R, Cy + R);
}

TLedSpot TLedSpot::Inset(int d) const {
  TLedSpot s = *this;
  if (Shape == ledRectangle) {
    s.Box.Shrink(d);
  } else {
    s.R -= d;
  }
  return s;
}

void DrawLedSocket(TCanvas& canvas, const TLedSpot& spot, TColor fill) {
  if (spot.Bounds().IsEmpty()) return;
  UsePen(canvas, clGray);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = fill;
  DrawShape(canvas, spot);
}

void DrawLedLamp(TCanvas& canvas, const TLedSpot& spot, TColor colour, bool lit) {
  if (spot.Bounds().IsEmpty()) return;
  UsePen(canvas, clBlack);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = LedColor(colour, lit);
  DrawShape(canvas, spot);
}

}  // namespace Veltor
