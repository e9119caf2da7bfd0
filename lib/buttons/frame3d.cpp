#include "buttons/frame3d.h"

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
    case bvNone:
      break;
  }
  return false;
}

}  // namespace Veltor
