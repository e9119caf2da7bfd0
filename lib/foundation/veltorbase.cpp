#include "foundation/veltorbase.h"

namespace Veltor {

TVeltorBase::TVeltorBase(QWidget* parent) : TCustomControl(parent) {
  resize(200, 100);
  TFont font = Font();
  font.Name = QStringLiteral("Arial");
  SetFont(font);
}

void TVeltorBase::SetBevelIn(TPanelBevel v) { Change(FLook.BevelIn, v); }
void TVeltorBase::SetBevelOut(TPanelBevel v) { Change(FLook.BevelOut, v); }
void TVeltorBase::SetBevWidth(int v) { Change(FLook.BevWidth, ClampRingWidth(v)); }
void TVeltorBase::SetBordWidth(int v) { Change(FLook.BordWidth, ClampRingWidth(v)); }
void TVeltorBase::SetBordRight(bool v) { Change(FLook.BordRight, v); }
void TVeltorBase::SetBordLeft(bool v) { Change(FLook.BordLeft, v); }
void TVeltorBase::SetBordTop(bool v) { Change(FLook.BordTop, v); }
void TVeltorBase::SetBordBottom(bool v) { Change(FLook.BordBottom, v); }
void TVeltorBase::SetColBgnd(TColor v) { Change(FLook.ColBgnd, v); }
void TVeltorBase::SetColBack(TColor v) { Change(FColBack, v); }

// These change no appearance the base draws by itself: plain invalidation.
void TVeltorBase::SetFramed(bool v) {
  if (v == FLook.Framed) return;
  FLook.Framed = v;
  Invalidate();
}

void TVeltorBase::SetColBtnBord(TColor v) {
  if (v == FLook.ColBtnBord) return;
  FLook.ColBtnBord = v;
  Invalidate();
}

void TVeltorBase::SetButtonStyle(TTastStyle v) {
  if (v == FLook.ButtonStyle) return;
  FLook.ButtonStyle = v;
  Invalidate();
}

void TVeltorBase::SetFontAutom(bool v) {
  if (v == FFontAutom) return;
  FFontAutom = v;
  if (v) NotifyChange();
}

void TVeltorBase::NotifyChange() {
  FPainted = false;
  Invalidate();
}

void TVeltorBase::Paint() {
  FBackBitmap.SetSize(Width(), Height());
  FDrawBitmap.SetSize(Width(), Height());
  FInnerRect = PaintFrame(FDrawBitmap.Canvas(), FLook, Width(), Height());
}

void TVeltorBase::DrawPressed(bool pressed) {
  FStatus = pressed;
  FDrawBitmap.SetSize(Width(), Height());
  FInnerRect = DrawPressedFrame(FDrawBitmap.Canvas(), FLook, Width(), Height(), pressed);
}

void TVeltorBase::MouseDown(TMouseButton, TShiftState, int, int) {
  RunButtonStep(ButtonMouseDown(FLook.ButtonStyle, FStatus));
}

void TVeltorBase::MouseUp(TMouseButton, TShiftState, int, int) {
  RunButtonStep(ButtonMouseUp(FLook.ButtonStyle, FStatus));
}

void TVeltorBase::RunButtonStep(const TButtonStep& step) {
  if (step.Look != TButtonStep::Keep) DrawPressed(step.Look == TButtonStep::Press);
  if (step.FireDown) emit OnDown(this);
  if (step.FireUp) emit OnUp(this);
  if (step.FireClick) emit OnClick(this);
}

}  // namespace Veltor
