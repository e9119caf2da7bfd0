#include "foundation/veltorbase.h"

namespace Veltor {

TVeltorBase::TVeltorBase(QWidget* parent) : TFramedControl(parent) {}

void TVeltorBase::NotifyChange() {
  FPainted = false;
  Invalidate();
}

void TVeltorBase::Paint() {
  FBackBitmap.SetSize(Width(), Height());
  FDrawBitmap.SetSize(Width(), Height());
  FInnerRect = PaintFrame(FDrawBitmap.Canvas(), Look(), Width(), Height());
}

void TVeltorBase::DrawPressed(bool pressed) {
  FStatus = pressed;
  FDrawBitmap.SetSize(Width(), Height());
  FInnerRect = DrawPressedFrame(FDrawBitmap.Canvas(), Look(), Width(), Height(), pressed);
}

}  // namespace Veltor
