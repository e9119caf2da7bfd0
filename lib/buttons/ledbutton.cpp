#include "buttons/ledbutton.h"

#include "buttons/buttongroup.h"
#include "foundation/frame.h"
#include "foundation/frame3d.h"

#include <cmath>
#include <cstdlib>

namespace Veltor {

namespace {

// The LED's radius as a share of the shorter inner side.
constexpr double kLedShare = 0.48;
// The caption box is at most a third of the width high and starts no higher
// than half way down.
constexpr int kCaptionHeightDivisor = 3;
// A bevelled caption box loses its frame and one pixel more.
constexpr int kCaptBevelInset = 2;
// Inside a round LED the caption keeps a tenth of the width clear each side.
constexpr int kRoundTextInsetDivisor = 10;
constexpr TColor kCaptionBoxColor = clSilver;

int RoundHalfEven(double v) { return int(std::nearbyint(v)); }

// The caption inside the LED, in the colour of the other state.
void PaintLedText(TCanvas& c, const TLedButtonLayout& layout, const TLedButtonModel& model, bool down, bool lit) {
  const QString text = model.ShownCaption(down);
  c.Font.Color = LedColor(model.ColLed, !lit);
  c.Brush.Style = bsClear;
  const TRect& box = layout.TextBox;
  const int x = box.Left + (box.Width() - c.TextWidth(text)) / 2;
  const int y = box.Top + (box.Height() - std::abs(c.Font.Height)) / 3 - 1;
  c.TextRect(box, x, y, text);
}

void PaintLamp(TCanvas& c, const TLedButtonLayout& layout, const TLedButtonModel& model, bool down, bool lit) {
  DrawLedLamp(c, layout.Lamp, model.ColLed, lit);
  if (model.CaptType == ctLed) PaintLedText(c, layout, model, down, lit);
}

void PaintCaptionBox(TCanvas& c, const TLedButtonLayout& layout, const TLedButtonModel& model, bool down) {
  const TRect& box = layout.CaptBox;
  if (box.IsEmpty()) return;
  c.Brush.Style = bsSolid;
  c.Brush.Color = kCaptionBoxColor;
  c.FillRect(box);
  // An empty Caption leaves the box empty in both states.
  if (model.Caption.isEmpty()) return;
  const QString text = model.ShownCaption(down);
  c.Font.Color = model.ShownCaptionColor(down);
  c.Brush.Style = bsClear;
  const int x = box.Left + (box.Width() - c.TextWidth(text)) / 2;
  const int y = box.Top + (box.Height() - std::abs(c.Font.Height)) / 2;
  c.TextRect(box, x, y, text);
}

}  // namespace

TLedButtonLayout LedButtonLayout(int width, int height, const TRect& inner, const TLedButtonModel& model,
                                 bool fontAutom) {
  TLedButtonLayout out;
  const int side = width > height ? inner.Height() : inner.Width();
  int r = RoundHalfEven(kLedShare * side);
  const int m = side - 2 * r;
  int cy = height / 2;
  TRect led = inner;
  led.Shrink(m);

  if (model.CaptType == ctBevel) {
    TRect capt = led;
    capt.Top = std::max(capt.Bottom - width / kCaptionHeightDivisor, height / 2);
    led.Bottom = capt.Top - m;
    r = led.Width() > led.Height() ? led.Height() / 2 : led.Width() / 2;
    cy = led.Top + led.Height() / 2;
    out.CaptFrame = capt;
    out.CaptBox = capt;
    if (model.CaptBevel != bvNone) out.CaptBox.Shrink(kCaptBevelInset);
  }

  out.Margin = m;
  out.Socket = TLedSpot{model.LedShape, width / 2, cy, r, led};
  out.Lamp = out.Socket.Inset(1);
  if (model.CaptType == ctLed) {
    out.TextBox = out.Lamp.Box;
    if (fontAutom && model.LedShape == ledCircle) out.TextBox.Shrink(out.TextBox.Width() / kRoundTextInsetDivisor);
  }
  return out;
}

// ---------------------------------------------------------------- widget

TLedButton::TLedButton(QWidget* parent) : TRahmen(parent) {
  resize(30, 30);
  SetButtonStyle(tsPushPull);
  SetColBack(clBlue);
  FBlinker = TTickSubscription::Blinker([this] { BlinkTick(); });
}

TLedButton::~TLedButton() = default;

void TLedButton::StyleChanged(QObject*) { Invalidate(); }

void TLedButton::SetColLed(TColor v) {
  // Also redraws an unchanged colour.
  FModel.ColLed = v;
  DrawLed(FLitShown);
}

void TLedButton::SetLedOn(bool v) {
  Assign(FModel.LedOn, v, [this] { DrawLed(FModel.LedOn); });
}

void TLedButton::SetLedBlink(bool v) {
  Assign(FModel.LedBlink, v, [this] { DrawLed(FModel.LitAfterBlinkSwitch()); });
}

void TLedButton::SetColCaption(TColor v) {
  FModel.ColCaption = v;
  if (FModel.CaptType == ctBevel) DrawCaption();
}

void TLedButton::SetColCaption1(TColor v) {
  FModel.ColCaption1 = v;
  if (FModel.CaptType == ctBevel) DrawCaption();
}

void TLedButton::SetCaptBevel(TPanelBevel v) {
  if (v == FModel.CaptBevel) return;
  FModel.CaptBevel = v;
  if (FModel.CaptType == ctBevel) Invalidate();
}

void TLedButton::SetDown(bool v) {
  if (v == Down()) return;
  SetStatus(v);
  DrawCaption();
  NotifyGroup();
}

// ---------------------------------------------------------------- painting

void TLedButton::Paint() {
  TRahmen::Paint();
  FPainted = true;
  TCanvas& c = Canvas();
  c.Font = Font();
  FLayout = LedButtonLayout(Width(), Height(), InnerRect(), FModel, FontAutom());

  DrawLedSocket(c, FLayout.Socket, LedDarkColor(FModel.ColLed));
  if (FModel.CaptType == ctBevel) {
    TColor topLeft, bottomRight;
    if (BevelColors(FModel.CaptBevel, &topLeft, &bottomRight)) {
      TRect frame = FLayout.CaptFrame;
      DrawFrame3D(c, frame, topLeft, bottomRight);
    }
    if (FontAutom()) FitFont(c, FLayout.CaptBox, FModel.Caption);
  } else if (FModel.CaptType == ctLed && FontAutom()) {
    FitFont(c, FLayout.TextBox, FModel.Caption);
  }
  FCaptionFont = c.Font;
  if (FModel.CaptType == ctBevel) PaintCaptionBox(c, FLayout, FModel, Down());

  // The rings were painted released; a down button gets its pressed look
  // back, whatever its style. DrawPressed reports a different rectangle.
  if (Down()) {
    const TRect painted = FInnerRect;
    DrawPressed(true);
    FInnerRect = painted;
  }
  PaintLamp(c, FLayout, FModel, Down(), FModel.LedOn);
  FLitShown = FModel.LedOn;
}

void TLedButton::DrawLed(bool lit) {
  if (!FPainted) return;
  TCanvas& c = Canvas();
  c.Font = FCaptionFont;
  PaintLamp(c, FLayout, FModel, Down(), lit);
  FLitShown = lit;
  ShowNow(FLayout.Socket.Bounds());
}

void TLedButton::DrawCaption() {
  if (!FPainted) return;
  switch (FModel.CaptType) {
    case ctNone: break;
    case ctLed: DrawLed(FLitShown); break;
    case ctBevel:
      Canvas().Font = FCaptionFont;
      PaintCaptionBox(Canvas(), FLayout, FModel, Down());
      ShowNow(FLayout.CaptBox);
      break;
  }
}

void TLedButton::ShowNow(const TRect& r) {
  if (isVisible() && !r.IsEmpty()) repaint(r.ToQRect());
}

// ---------------------------------------------------------------- mouse and groups

void TLedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // The down button of a radio group stays down when clicked again, unless
  // the group may be left with none down.
  if (FModel.GroupIndex != 0 && parentWidget() && !FModel.AllowAllUp && Down()) return;
  TRahmen::MouseDown(Button, Shift, X, Y);
  DrawCaption();
  NotifyGroup();
}

void TLedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TRahmen::MouseUp(Button, Shift, X, Y);
  DrawCaption();
}

void TLedButton::NotifyGroup() {
  if (Down() && FModel.GroupIndex != 0) NotifyGroupDown(this, FModel.GroupIndex);
}

void TLedButton::WndProc(TMessage& Message) {
  if (FModel.GroupIndex != 0 && IsGroupDown(Message, FModel.GroupIndex)) {
    const TLedButton* sender = GroupSender<TLedButton>(this, Message);
    if (sender && sender->Down()) SetDown(false);
    return;
  }
  TRahmen::WndProc(Message);
}

// ---------------------------------------------------------------- blinking

void TLedButton::BlinkTick() {
  if (FPainted && FModel.LedBlink) DrawLed(BlinkLit(BlinkState(), FModel.LedOn));
}

}  // namespace Veltor
