#include "foundation/frame3d.h"

namespace Veltor {

void DrawFrame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight) {
  if (r.IsEmpty()) return;
  const TBrush saved = canvas.Brush;
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = topLeft;
  canvas.FillRect(TRect(r.Left, r.Top, r.Right - 1, r.Top + 1));
  canvas.FillRect(TRect(r.Left, r.Top, r.Left + 1, r.Bottom - 1));
  canvas.Brush.Color = bottomRight;
  canvas.FillRect(TRect(r.Right - 1, r.Top, r.Right, r.Bottom));
  canvas.FillRect(TRect(r.Left, r.Bottom - 1, r.Right, r.Bottom));
  canvas.Brush = saved;
  r.Shrink(1);
}

void DrawFrame3D(TCanvas& canvas, TRect& r, TColor topLeft, TColor bottomRight, int width) {
  for (int i = 0; i < width; ++i) DrawFrame3D(canvas, r, topLeft, bottomRight);
}

TRect DrawButtonFace(TCanvas& canvas, const TRect& r, bool pressed, bool focused) {
  TRect face = r;
  if (pressed) {
    DrawFrame3D(canvas, face, clWindowFrame, clBtnHighlight);
    DrawFrame3D(canvas, face, clBtnShadow, clBtnFace);
  } else {
    DrawFrame3D(canvas, face, clBtnHighlight, clWindowFrame);
    DrawFrame3D(canvas, face, clBtnFace, clBtnShadow);
  }
  const TBrush saved = canvas.Brush;
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = clBtnFace;
  canvas.FillRect(face);
  canvas.Brush = saved;
  if (focused) {
    TRect dots = face;
    dots.Shrink(1);
    canvas.DrawFocusRect(dots);
  }
  if (pressed) face = TRect(face.Left + 1, face.Top + 1, face.Right + 1, face.Bottom + 1);
  return face;
}

bool BevelColors(TPanelBevel bevel, TColor* topLeft, TColor* bottomRight) {
  switch (bevel) {
    case bvRaised:
      *topLeft = clWhite;
      *bottomRight = clGray;
      return true;
    case bvLowered:
      *topLeft = clGray;
      *bottomRight = clWhite;
      return true;
    case bvNone: break;
  }
  return false;
}

}  // namespace Veltor
