#include "foundation/veltorbase.h"

namespace Veltor {

TVeltorBase::TVeltorBase(QWidget* parent) : TFramedControl(parent) {}

void TVeltorBase::NotifyChange() {
  FPainted = false;
  Invalidate();
}

void TVeltorBase::Paint() {
  // The layers follow the surface's ratio, so copying them onto it is one to
  // one; at a new ratio the static layer must be drawn again.
  const qreal ratio = SurfaceRatio();
  if (FBackBitmap.Ratio() != ratio) FPainted = false;
  FBackBitmap.SetSize(Width(), Height(), ratio);
  FDrawBitmap.SetSize(Width(), Height(), ratio);
  FInnerRect = PaintFrame(FDrawBitmap.Canvas(), Look(), Width(), Height());
}

void TVeltorBase::DrawPressed(bool pressed) {
  FStatus = pressed;
  FDrawBitmap.SetSize(Width(), Height(), SurfaceRatio());
  FInnerRect = DrawPressedFrame(FDrawBitmap.Canvas(), Look(), Width(), Height(), pressed);
}

}  // namespace Veltor
