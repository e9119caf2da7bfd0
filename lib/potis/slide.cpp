#include "potis/slide.h"

#include "potis/rotary_paint.h"

#include <QWheelEvent>

namespace Veltor {

namespace {
constexpr int kMaxCaptionLength = 10;
}

TCustomSlide::TCustomSlide(QWidget* parent) : TRahmen(parent) { setCursor(Qt::SizeVerCursor); }

TCustomSlide::~TCustomSlide() = default;

void TCustomSlide::SetColCaption(TColor v) {
  Assign(FColCaption, v, [this] { DrawCaptionNow(); });
}

void TCustomSlide::SetCaption(const QString& v) {
  Assign(FCaption, v.left(kMaxCaptionLength), [this] { DrawCaptionNow(); });
}

void TCustomSlide::StyleChanged(QObject*) { Invalidate(); }

TSlideLayout TCustomSlide::Layout() const {
  TSlideLook look;
  look.Frame = Look();
  look.Font = Font();
  look.FontAutom = FontAutom();
  look.CaptEnable = FCaptEnable;
  look.CaptBevel = FCaptBevel;
  look.PresEnable = FPresEnable;
  look.DecadeLabels = DecadeLabels();
  look.NarrowLeft = NarrowLeft();
  return SlideLayout(look, Width(), Height());
}

// ---------------------------------------------------------------- painting

void TCustomSlide::Paint() {
  TRahmen::Paint();
  FSlidePainted = true;
  const TSlideLayout l = Layout();
  TCanvas& c = Canvas();
  DrawSlideMark(c, l.Inner);
  DrawSlot(c, l);
  c.Font = l.LabelFont;
  PaintScale(c, l);
  if (FCaptEnable) DrawSlideCaption(c, l, FCaptBevel, Font(), FCaption, FColCaption);
  if (FPresEnable) DrawPresetButton(c, l.Preset, FPresetPressed, FColPreset);
  const TRect knob = l.KnobAt(l.Bottom());
  DrawSlideKnob(FKnob.NewImage(knob.Width(), knob.Height(), SurfaceRatio()), FColButton);
  FKnob.MoveTo(c, l.KnobAt(KnobRow(l)));
}

void TCustomSlide::MoveKnob() {
  if (!CanDrawNow()) return;
  const TSlideLayout l = Layout();
  FKnob.MoveTo(Canvas(), l.KnobAt(KnobRow(l)));
}

void TCustomSlide::DrawCaptionNow() {
  if (!FCaptEnable || !CanDrawNow()) return;
  const TSlideLayout l = Layout();
  DrawCaption(Canvas(), l.CaptionBox, Font(), FCaption, FColCaption);
}

void TCustomSlide::DrawPresetNow(bool pressed) {
  if (!FPresEnable || !CanDrawNow()) return;
  DrawPresetButton(Canvas(), Layout().Preset, pressed, FColPreset);
}

// ---------------------------------------------------------------- input

void TCustomSlide::UserChanged() {
  FChanged = true;
  emit onChanging(this);
}

void TCustomSlide::MouseDown(TMouseButton, TShiftState Shift, int X, int Y) {
  FChanged = false;
  if (!LeftButtonAlone(Shift)) return;
  const TSlideLayout l = Layout();
  FTracking = true;
  FPresetPressed = FPresEnable && l.Preset.Contains(X, Y);
  if (FPresetPressed) {
    DrawPresetNow(true);
    return;
  }
  PressAt(l, Y);
}

void TCustomSlide::MouseMove(TShiftState Shift, int, int Y) {
  if (!FTracking || FPresetPressed || !LeftButtonAlone(Shift)) return;
  DragTo(Layout(), Y);
}

void TCustomSlide::MouseUp(TMouseButton, TShiftState, int, int) {
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

void TCustomSlide::wheelEvent(QWheelEvent* e) {
  e->accept();
  // A press in progress owns the value until it ends.
  if (FTracking) return;
  const int notches = FWheel.Add(e->angleDelta().y());
  if (notches != 0) WheelBy(notches);
}

}  // namespace Veltor
