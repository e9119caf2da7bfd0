#include "potis/poti10t.h"

#include "buttons/led.h"
#include "foundation/drawhelpers.h"
#include "potis/rotary_paint.h"

#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Veltor {

namespace {
constexpr double kValueLimit = 100;
constexpr int kMaxScalaPart = 10;
constexpr int kMaxDragDelay = 20;
constexpr int kDragTickMs = 50;
constexpr int kMaxCaptionLength = 10;
// A coarse move of more than this is a jump across the dead gap.
constexpr double kJumpLimit = 45;
constexpr int kDigitCells = 4;
constexpr int kMarkHeight = 9;
constexpr TColor kHousing = 0x000080;
}  // namespace

TPoti10T::TPoti10T(QWidget* parent) : TVeltorBase(parent), FModel(kValueLimit) {
  resize(200, 200);
  SetFontColor(clBlack);
  FCaption = QStringLiteral("Volt");
  FDragTicker = TTickSubscription::Ticker([this] { DragTick(); });
  FBlinker = TTickSubscription::Blinker([this] { BlinkTick(); });
}

TPoti10T::~TPoti10T() = default;

void TPoti10T::SetValue(double v) {
  if (FModel.SetValue(v, Loading())) UpdateMoving();
}

void TPoti10T::SetValueStart(double v) {
  if (FModel.SetStart(v, Loading())) Invalidate();
}

void TPoti10T::SetValueEnd(double v) {
  if (FModel.SetEnd(v, Loading())) Invalidate();
}

void TPoti10T::SetScalaPart(int v) { Assign(FScalaPart, std::clamp(v, 1, kMaxScalaPart)); }

void TPoti10T::SetCaption(const QString& v) { Assign(FCaption, v.left(kMaxCaptionLength)); }

void TPoti10T::SetDispItalic(bool v) {
  FDispItalic = v;
  FReadout.DigItalic = v;
  Invalidate();
}

void TPoti10T::SetDispFixPnt(bool v) {
  FDispFixPnt = v;
  Invalidate();
}

void TPoti10T::SetDragDelay(int v) { FDragDelay = std::clamp(v, 0, kMaxDragDelay); }

void TPoti10T::StyleChanged(QObject*) { Invalidate(); }

void TPoti10T::Loaded() {
  TVeltorBase::Loaded();
  if (FModel.Normalise()) Invalidate();
}

TPoti10TLayout TPoti10T::Layout() const {
  TRotaryLook look;
  look.Frame = Look();
  look.Font = Font();
  look.FontAutom = FontAutom();
  return Poti10TLayout(look, FPresEnable, Width(), Height());
}

// ---------------------------------------------------------------- painting

void TPoti10T::Paint() {
  TVeltorBase::Paint();
  SetPainted(true);
  FFineAngle = 0;
  const TPoti10TLayout l = Layout();
  PaintDial(DrawBitmap().Canvas(), l);
  const TRect all = ClientRect();
  TCanvas& back = BackBitmap().Canvas();
  back.CopyRect(all, DrawBitmap().Image(), all);
  FReadout.DigItalic = FDispItalic;
  if (FDispEnable) FReadout.Layout(l.ReadoutCells, kDigitCells, FColDBack);
  PaintMoving(back, l);
  if (FLedEnable) {
    for (int i = 0; i < 2; ++i) DrawLamp(back, l, i);
  }
  Canvas().CopyRect(all, BackBitmap().Image(), all);
}

// The static layer: mark, scale, knob, fine knob, caption, preset button,
// read-out window and LED housings.
void TPoti10T::PaintDial(TCanvas& c, const TPoti10TLayout& l) {
  const TRotaryLayout& d = l.Dial;
  TFont mark;
  mark.Name = QStringLiteral("Arial");
  mark.Height = -kMarkHeight;
  mark.Color = clGray;
  c.Font = mark;
  c.Brush.Style = bsClear;
  c.TextOut(l.MarkAt.X, l.MarkAt.Y, QString::fromLatin1(kMakerMark));

  c.Font = d.LabelFont;
  DrawPotiScale(c, d, {FModel.Start(), FModel.End(), FScalaPart, FColScala});
  DrawKnob(c, d, {FColButton, FColLight, FColShade});
  c.Pen = TPen{clBlack, 1, psSolid, pmCopy};
  c.Brush = TBrush{FColButton, bsSolid};
  c.Ellipse(d.CapBox);

  if (FCaptEnable) {
    c.Font = Font();
    c.Font.Color = FColCaption;
    c.Brush.Style = bsClear;
    c.TextOut(d.Frame.R.Right - c.TextWidth(FCaption), d.Inner.Bottom - std::abs(c.Font.Height), FCaption);
  }
  if (FPresEnable) DrawPresetButton(c, d.Preset, FPresetPressed, FColPreset);
  if (FDispEnable) {
    c.Pen = TPen{FColDRand, 1, psSolid, pmCopy};
    c.Brush = TBrush{FColDBack, bsSolid};
    c.Rectangle(l.Readout);
  }
  if (FLedEnable) {
    c.Pen = TPen{clGray, 1, psSolid, pmCopy};
    c.Brush = TBrush{kHousing, bsSolid};
    const int r = l.LedHousing;
    for (const TPoint& p : l.Leds) c.Ellipse(p.X - r, p.Y - r, p.X + r, p.Y + r);
  }
}

// The pointer and marker over a clean copy of the knob, and the read-out
// when its text changed.
void TPoti10T::PaintMoving(TCanvas& c, const TPoti10TLayout& l) {
  const TRect area = l.MovingArea();
  c.CopyRect(area, DrawBitmap().Image(), area);
  FShownAngle = Dial::ValueAngle(FModel);
  FShownFine = FFineAngle;
  const auto pointer = l.Pointer(FShownAngle);
  c.Pen = TPen{clBlack, 1, psSolid, pmCopy};
  c.Brush = TBrush{FColPointer1, bsSolid};
  c.Polygon(pointer.data(), 3);
  const TPoint m = l.Marker(FShownFine);
  const int a = l.MarkerRadius;
  c.Brush.Color = FColPointer2;
  c.Ellipse(m.X - a, m.Y - a, m.X + a, m.Y + a);
  if (!FDispEnable) return;
  const double v = FModel.Value();
  const QString text = ReadoutText(v, ReadoutDecimals(FDispFixPnt, v, FModel.Start(), FModel.End()));
  if (text != FReadout.Text()) FReadout.SetText(text, c, FColDisplay);
}

void TPoti10T::UpdateMoving() {
  if (!CanDrawNow()) return;
  const TPoti10TLayout l = Layout();
  const double v = FModel.Value();
  const QString text = ReadoutText(v, ReadoutDecimals(FDispFixPnt, v, FModel.Start(), FModel.End()));
  const bool readout = FDispEnable && text != FReadout.Text();
  if (Dial::ValueAngle(FModel) == FShownAngle && FFineAngle == FShownFine && !readout) return;
  PaintMoving(BackBitmap().Canvas(), l);
  const QImage& composite = BackBitmap().Image();
  Canvas().CopyRect(l.MovingArea(), composite, l.MovingArea());
  if (readout) Canvas().CopyRect(l.Readout, composite, l.Readout);
}

// ---------------------------------------------------------------- LEDs

bool TPoti10T::LedLit(int i) const {
  const TLed& led = FLeds[i];
  return led.Blink ? led.Phase : led.On;
}

void TPoti10T::DrawLamp(TCanvas& c, const TPoti10TLayout& l, int i) {
  TLedSpot spot;
  spot.Cx = l.Leds[i].X;
  spot.Cy = l.Leds[i].Y;
  spot.R = l.LedHousing - 1;
  DrawLedLamp(c, spot, FLeds[i].Colour, LedLit(i));
}

void TPoti10T::DrawLed(int i) {
  if (!FLedEnable || !CanDrawNow()) return;
  const TPoti10TLayout l = Layout();
  DrawLamp(BackBitmap().Canvas(), l, i);
  DrawLamp(Canvas(), l, i);
}

// Redrawn also when the colour is the same: a way to refresh the lamp.
void TPoti10T::SetLedColour(int i, TColor v) {
  FLeds[i].Colour = v;
  DrawLed(i);
}

void TPoti10T::SetLedOn(int i, bool v) {
  TLed& led = FLeds[i];
  if (led.On == v) return;
  led.On = v;
  led.Phase = v;
  DrawLed(i);
}

void TPoti10T::SetLedBlink(int i, bool v) {
  if (FLeds[i].Blink == v) return;
  FLeds[i].Blink = v;
  DrawLed(i);
}

void TPoti10T::BlinkTick() {
  if (!Painted()) return;
  for (int i = 0; i < 2; ++i) {
    TLed& led = FLeds[i];
    if (!led.Blink) continue;
    led.Phase = BlinkLit(BlinkState(), led.On);
    DrawLed(i);
  }
}

// ---------------------------------------------------------------- input

void TPoti10T::UserChanged() {
  FChanged = true;
  emit onChanging(this);
}

bool TPoti10T::ChangeByUser(double v) {
  if (!FModel.SetValue(v)) return false;
  UpdateMoving();
  UserChanged();
  return true;
}

void TPoti10T::Follow(double v) {
  if (FDragDelay > 0) {
    FDragTarget = v;
  } else {
    ChangeByUser(v);
  }
}

void TPoti10T::DrawPresetNow(bool pressed) {
  if (!FPresEnable || !CanDrawNow()) return;
  const TRect& r = Layout().Dial.Preset;
  DrawPresetButton(BackBitmap().Canvas(), r, pressed, FColPreset);
  DrawPresetButton(Canvas(), r, pressed, FColPreset);
}

void TPoti10T::MouseDown(TMouseButton, TShiftState Shift, int X, int Y) {
  FChanged = false;
  if (!LeftButtonAlone(Shift)) return;
  const TPoti10TLayout l = Layout();
  FTracking = true;
  FPresetPressed = FPresEnable && l.Dial.Preset.Contains(X, Y);
  if (FPresetPressed) {
    DrawPresetNow(true);
    return;
  }
  const TPoint c = l.Dial.Centre;
  FLastAlpha = Dial::MouseAlpha(c, X, Y);
  FFine = std::hypot(double(X - c.X), double(Y - c.Y)) < l.FineRadius;
  if (FDragDelay > 0) FDragTicker.SetInterval(kDragTickMs);
  if (FFine) {
    FFineAngle = FLastAlpha;
    UpdateMoving();
  } else {
    Follow(Dial::ValueAtAngle(FModel, Dial::PressAngle(FLastAlpha)));
  }
}

void TPoti10T::MouseMove(TShiftState Shift, int X, int Y) {
  if (!FTracking || FPresetPressed || !LeftButtonAlone(Shift)) return;
  const double alpha = Dial::MouseAlpha(Layout().Dial.Centre, X, Y);
  const double last = FLastAlpha;
  FLastAlpha = alpha;
  if (FFine) {
    const double v = FModel.Value() + FineStep(FModel.Span(), FFineAngle, alpha);
    FFineAngle = alpha;
    Follow(FModel.Clamp(v));
    UpdateMoving();
    return;
  }
  const double value = FModel.Value();
  const double from = Dial::DragAngle(value == FModel.Start(), value == FModel.End(), last);
  const double to = Dial::ScaleAngle(alpha);
  if (Dial::IsTurn(from, to, kJumpLimit)) Follow(FModel.Clamp(Dial::ValueAtAngle(FModel, to)));
}

void TPoti10T::MouseUp(TMouseButton, TShiftState, int, int) {
  FTracking = false;
  FDragTicker.Stop();
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

void TPoti10T::DragTick() {
  if (!Painted() || FDragDelay == 0) return;
  if (!FModel.SetValue(FModel.DragStep(FDragTarget, FDragDelay))) return;
  UpdateMoving();
  Update();
  UserChanged();
}

// Each notch is a step of its own, as a click would be.
void TPoti10T::wheelEvent(QWheelEvent* e) {
  e->accept();
  if (FTracking) return;
  const int notches = FWheel.Add(e->angleDelta().y());
  const double step = notches > 0 ? WheelStep() : -WheelStep();
  for (int i = 0; i < std::abs(notches); ++i) {
    if (!ChangeByUser(FModel.Value() + step)) break;
    FChanged = false;
    emit onChanged(this);
  }
}

}  // namespace Veltor
