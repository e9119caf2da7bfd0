#include "potis/rotary.h"

#include "potis/rotary_paint.h"

#include <QWheelEvent>

namespace Veltor {

namespace {
constexpr int kMaxCaptionLength = 10;
}

TCustomRotary::TCustomRotary(QWidget* parent) : TRahmen(parent) { resize(200, 200); }

TCustomRotary::~TCustomRotary() = default;

void TCustomRotary::SetColCaption(TColor v) {
  Assign(FColCaption, v, [this] { DrawCaptionNow(); });
}

void TCustomRotary::SetCaption(const QString& v) {
  Assign(FCaption, v.left(kMaxCaptionLength), [this] { DrawCaptionNow(); });
}

void TCustomRotary::StyleChanged(QObject*) { Invalidate(); }

TRotaryLook TCustomRotary::RotaryLook() const {
  TRotaryLook look;
  look.Frame = Look();
  look.Font = Font();
  look.FontAutom = FontAutom();
  look.CaptBevel = FCaptBevel;
  return look;
}

// ---------------------------------------------------------------- painting

void TCustomRotary::Paint() {
  TRahmen::Paint();
  FDialPainted = true;
  const TRotaryLayout l = Layout();
  TCanvas& c = Canvas();
  DrawMakerMark(c, l.Inner);
  c.Font = l.LabelFont;
  PaintScale(c, l);
  if (FCaptEnable) {
    DrawCaptionBevel(c, l, FCaptBevel);
    DrawCaption(c, l.CaptionBox, Font(), FCaption, FColCaption);
  }
  DrawKnob(c, l, {FColButton, FColLight, FColShade});
  FPointerEnd = PointerEnd(l, PointerAngle());
  DrawPointer(c, l.Centre, FPointerEnd, FColPointer);
  if (FPresEnable) DrawPresetButton(c, l.Preset, FPresetPressed, FColPreset);
}

void TCustomRotary::MovePointer() {
  if (!CanDrawNow()) return;
  const TRotaryLayout l = Layout();
  const TPoint end = PointerEnd(l, PointerAngle());
  if (end == FPointerEnd) return;
  TCanvas& c = Canvas();
  DrawPointer(c, l.Centre, FPointerEnd, FColPointer);
  FPointerEnd = end;
  DrawPointer(c, l.Centre, FPointerEnd, FColPointer);
}

void TCustomRotary::DrawCaptionNow() {
  if (!FCaptEnable || !CanDrawNow()) return;
  DrawCaption(Canvas(), Layout().CaptionBox, Font(), FCaption, FColCaption);
}

void TCustomRotary::DrawPresetNow(bool pressed) {
  if (!FPresEnable || !CanDrawNow()) return;
  DrawPresetButton(Canvas(), Layout().Preset, pressed, FColPreset);
}

// ---------------------------------------------------------------- input

void TCustomRotary::UserChanged() {
  FChanged = true;
  emit onChanging(this);
}

void TCustomRotary::MouseDown(TMouseButton, TShiftState Shift, int X, int Y) {
  FChanged = false;
  if (!LeftButtonAlone(Shift)) return;
  const TRotaryLayout l = Layout();
  FTracking = true;
  FPresetPressed = FPresEnable && l.Preset.Contains(X, Y);
  if (FPresetPressed) {
    DrawPresetNow(true);
    return;
  }
  FLastAlpha = Dial::MouseAlpha(l.Centre, X, Y);
  PressAt(FLastAlpha);
}

void TCustomRotary::MouseMove(TShiftState Shift, int X, int Y) {
  if (!FTracking || FPresetPressed || !LeftButtonAlone(Shift)) return;
  const double last = FLastAlpha;
  FLastAlpha = Dial::MouseAlpha(Layout().Centre, X, Y);
  DragTo(last, FLastAlpha);
}

void TCustomRotary::MouseUp(TMouseButton, TShiftState, int, int) {
  FTracking = false;
  Released();
  if (FChanged) {
    FChanged = false;
    emit onChanged(this);
  }
  if (FPresetPressed) {
    FPresetPressed = false;
    DrawPresetNow(false);
    emit onPreset(this);
  }
}

void TCustomRotary::wheelEvent(QWheelEvent* e) {
  e->accept();
  // A press in progress owns the value until it ends.
  if (FTracking) return;
  const int notches = FWheel.Add(e->angleDelta().y());
  if (notches != 0) WheelBy(notches);
}

}  // namespace Veltor
