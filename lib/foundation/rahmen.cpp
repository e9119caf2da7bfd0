#include "foundation/rahmen.h"

namespace Veltor {

TRahmen::TRahmen(QWidget* parent) : TCustomControl(parent) {
  resize(200, 100);
  TFont font = Font();
  font.Name = QStringLiteral("Arial");
  SetFont(font);
}

void TRahmen::SetBevelIn(TPanelBevel v) { Change(FLook.BevelIn, v); }
void TRahmen::SetBevelOut(TPanelBevel v) { Change(FLook.BevelOut, v); }
void TRahmen::SetBevWidth(int v) { Change(FLook.BevWidth, ClampRingWidth(v)); }
void TRahmen::SetBordWidth(int v) { Change(FLook.BordWidth, ClampRingWidth(v)); }
void TRahmen::SetBordRight(bool v) { Change(FLook.BordRight, v); }
void TRahmen::SetBordLeft(bool v) { Change(FLook.BordLeft, v); }
void TRahmen::SetBordTop(bool v) { Change(FLook.BordTop, v); }
void TRahmen::SetBordBottom(bool v) { Change(FLook.BordBottom, v); }
void TRahmen::SetColBgnd(TColor v) { Change(FLook.ColBgnd, v); }
void TRahmen::SetFramed(bool v) { Change(FLook.Framed, v); }
void TRahmen::SetColBtnBord(TColor v) { Change(FLook.ColBtnBord, v); }
void TRahmen::SetColBack(TColor v) { Change(FColBack, v); }
void TRahmen::SetButtonStyle(TTastStyle v) { Change(FLook.ButtonStyle, v); }

void TRahmen::SetFontAutom(bool v) {
  if (v == FFontAutom) return;
  FFontAutom = v;
  // Switching fitting off keeps the fitted font until the next change.
  if (v) Invalidate();
}

void TRahmen::SetStatus(bool v) {
  if (FLook.ButtonStyle != tsPushPull && !ComponentState()) return;
  DrawPressed(v);
}

void TRahmen::Paint() { FInnerRect = PaintFrame(Canvas(), FLook, Width(), Height()); }

void TRahmen::DrawPressed(bool pressed) {
  FStatus = pressed;
  FInnerRect = DrawPressedFrame(Canvas(), FLook, Width(), Height(), pressed);
}

// Any button, anywhere: the framework's own mouse events are not fired.
void TRahmen::MouseDown(TMouseButton, TShiftState, int, int) {
  RunButtonStep(ButtonMouseDown(FLook.ButtonStyle, FStatus));
}

void TRahmen::MouseUp(TMouseButton, TShiftState, int, int) {
  RunButtonStep(ButtonMouseUp(FLook.ButtonStyle, FStatus));
}

void TRahmen::RunButtonStep(const TButtonStep& step) {
  if (step.Look != TButtonStep::Keep) DrawPressed(step.Look == TButtonStep::Press);
  if (step.FireDown) emit OnDown(this);
  if (step.FireUp) emit OnUp(this);
  if (step.FireClick) emit OnClick(this);
}

}  // namespace Veltor
