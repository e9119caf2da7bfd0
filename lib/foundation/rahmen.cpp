#include "foundation/rahmen.h"

namespace Veltor {

TRahmen::TRahmen(QWidget* parent) : TFramedControl(parent) {}

void TRahmen::SetStatus(bool v) {
  if (ButtonStyle() != tsPushPull && !ComponentState()) return;
  DrawPressed(v);
}

void TRahmen::Paint() { FInnerRect = PaintFrame(Canvas(), Look(), Width(), Height()); }

void TRahmen::DrawPressed(bool pressed) {
  FStatus = pressed;
  FInnerRect = DrawPressedFrame(Canvas(), Look(), Width(), Height(), pressed);
}

}  // namespace Veltor
