#include "foundation/framedcontrol.h"

namespace Veltor {

TFramedControl::TFramedControl(QWidget* parent) : TCustomControl(parent) {
  resize(200, 100);
  SetFontName(QStringLiteral("Arial"));
}

void TFramedControl::SetFontAutom(bool v) {
  if (v == FFontAutom) return;
  FFontAutom = v;
  if (v) AppearanceChanged();
}

void TFramedControl::MouseDown(TMouseButton, TShiftState, int, int) {
  RunButtonStep(ButtonMouseDown(FLook.ButtonStyle, FStatus));
}

void TFramedControl::MouseUp(TMouseButton, TShiftState, int, int) {
  RunButtonStep(ButtonMouseUp(FLook.ButtonStyle, FStatus));
}

void TFramedControl::RunButtonStep(const TButtonStep& step) {
  if (step.Look != TButtonStep::Keep) DrawPressed(step.Look == TButtonStep::Press);
  if (step.FireDown) emit OnDown(this);
  if (step.FireUp) emit OnUp(this);
  if (step.FireClick) emit OnClick(this);
}

}  // namespace Veltor
