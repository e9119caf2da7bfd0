#include "foundation/panel.h"

#include "foundation/frame3d.h"

#include <algorithm>

namespace Veltor {

namespace {

TRect DrawBevelRing(TCanvas* canvas, TRect r, TPanelBevel bevel, int width) {
  TColor topLeft, bottomRight;
  if (!BevelColors(bevel, &topLeft, &bottomRight)) return r;
  if (canvas) {
    DrawFrame3D(*canvas, r, topLeft, bottomRight, width);
  } else {
    r.Shrink(width);
  }
  return r;
}

// The rings in drawing order, outside in; with a null canvas only measures.
TRect PanelRings(TCanvas* canvas, int width, int height, const TPanelLook& look, TColor face) {
  TRect r(0, 0, width, height);
  if (look.BorderStyle == bsSingle) {
    if (canvas)
      DrawFrame3D(*canvas, r, clWindowFrame, clWindowFrame);
    else
      r.Shrink(1);
  }
  r = DrawBevelRing(canvas, r, look.BevelOuter, look.BevelWidth);
  if (canvas) {
    DrawFrame3D(*canvas, r, face, face, look.BorderWidth);
  } else {
    r.Shrink(look.BorderWidth);
  }
  return DrawBevelRing(canvas, r, look.BevelInner, look.BevelWidth);
}

}  // namespace

TRect PanelFaceRect(int width, int height, const TPanelLook& look) {
  return PanelRings(nullptr, width, height, look, clNone);
}

TRect PaintPanelFrame(TCanvas& canvas, int width, int height, const TPanelLook& look, TColor face) {
  const TRect inner = PanelRings(&canvas, width, height, look, face);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = face;
  canvas.FillRect(inner);
  return inner;
}

TPanel::TPanel(QWidget* parent) : TCustomControl(parent) {
  resize(185, 41);
  // Aligned children sit inside the rings.
  setContentsMargins(1, 1, 1, 1);
}

void TPanel::FrameChanged() {
  const TRect face = FaceRect();
  setContentsMargins(face.Left, face.Top, Width() - face.Right, Height() - face.Bottom);
  AlignControls(this);
  Invalidate();
}

void TPanel::Paint() {
  TCanvas& canvas = Canvas();
  const TRect face = PaintPanelFrame(canvas, Width(), Height(), FLook, Color());
  if (FCaption.isEmpty()) return;
  canvas.Brush.Style = bsClear;
  canvas.Font = Font();
  int flags = Qt::AlignVCenter | Qt::TextShowMnemonic;
  switch (FAlignment) {
    case taLeftJustify: flags |= Qt::AlignLeft; break;
    case taRightJustify: flags |= Qt::AlignRight; break;
    case taCenter: flags |= Qt::AlignHCenter; break;
  }
  canvas.DrawText(face, FCaption, flags);
}

}  // namespace Veltor
