#include "buttons/ledcheck.h"

#include "buttons/buttongroup.h"
#include "foundation/frame3d.h"

#include <cstdlib>

namespace Veltor {

namespace {

// Room between the LED and the inner edge, and between the LED and its caption.
constexpr int kLedGap = 2;
// The caption's box is 1.2 font heights high plus one pixel, three when framed.
constexpr int kCaptionHeightTenths = 12;
constexpr int kCaptionSpare = 1;
constexpr int kFramedCaptionSpare = 3;
// Caption text starts this far above its box: the font's leading sits there.
constexpr int kTextRaise = 2;
constexpr TColor kRingBase = clSilver;

void UsePen(TCanvas& c, TColor colour, int width) {
  c.Pen.Style = psSolid;
  c.Pen.Mode = pmCopy;
  c.Pen.Width = width;
  c.Pen.Color = colour;
}

// The silver base and the bevel ring around the lamp.
void PaintLedRing(TCanvas& c, const TLedCheckLayout& l) {
  UsePen(c, kRingBase, 1);
  c.Brush.Style = bsSolid;
  c.Brush.Color = kRingBase;
  const int bw = l.RingWidth;
  if (l.Disc.Shape == ledRectangle) {
    TRect box = l.Disc.Box;
    DrawFrame3D(c, box, kRingBase, kRingBase);
    DrawFrame3D(c, box, l.RingTopLeft, l.RingBottomRight, bw - bw / 3);
    if (bw / 3 > 0) DrawFrame3D(c, box, kRingBase, kRingBase, bw / 3);
    return;
  }
  c.Ellipse(l.Disc.Bounds());
  // Top-left half from the top-right corner round to the bottom-left one,
  // then the other half, both counter-clockwise.
  const int x = l.Disc.Cx, y = l.Disc.Cy, r = l.RingRadius;
  c.Brush.Style = bsClear;
  UsePen(c, l.RingTopLeft, bw);
  c.Arc(x - r, y - r, x + r, y + r, x + r, y - r, x - r, y + r);
  UsePen(c, l.RingBottomRight, bw);
  c.Arc(x - r, y - r, x + r, y + r, x - r, y + r, x + r, y - r);
  UsePen(c, clBlack, 1);
  c.Brush.Style = bsSolid;
}

void PaintCaption(TCanvas& c, const TLedCheckLayout& l, const TLedCheckModel& m, TColor background, bool lit) {
  if (l.CaptBox.IsEmpty()) return;
  UsePen(c, m.CaptionFramed(lit) ? m.CaptFrmCol : background, 1);
  c.Brush.Style = bsSolid;
  c.Brush.Color = background;
  c.Rectangle(l.CaptBox);
  const TRect& box = l.TextBox;
  if (box.IsEmpty()) return;
  const QString text = m.ShownCaption(lit);
  const int width = c.TextWidth(text);
  int x = box.Left + 1;  // orRight: from the LED outwards
  if (m.CaptPos == orTop || m.CaptPos == orBottom) x = box.Left - width / 2 + box.Width() / 2;
  if (m.CaptPos == orLeft) x = box.Right - width - 1;  // against the LED
  c.Font.Color = m.ShownCaptionColor(lit);
  c.TextRect(box, x, l.TextTop, text);
}

}  // namespace

TTastStyle TLedCheckModel::ButtonStyleFor(TCheckMode mode) {
  switch (mode) {
    case lcNone: return tsNone;
    case lcButton: return tsPush;
    case lcCheckBox:
    case lcRadioBtn: break;
  }
  return tsPushPull;
}

int TLedCheckModel::MinSide(int ledSize, int bevWidth, TPanelBevel bevelIn, TPanelBevel bevelOut) {
  int side = 2 * ledSize + 2;
  if (bevelIn != bvNone) side += 2 * bevWidth;
  if (bevelOut != bvNone) side += 2 * bevWidth;
  return side;
}

int LedRingWidth(int ledSize) { return ledSize / 9 + 1 + ledSize / 15; }

TLedCheckLayout LedCheckLayout(int width, int height, const TRect& inner, const TLedCheckModel& model,
                               TColor background, int fontHeight) {
  TLedCheckLayout out;
  const int size = model.LedSize;
  const bool framed = model.CaptFrame || model.CaptAutoFrm;
  const int ch = std::abs(fontHeight) * kCaptionHeightTenths / 10 + (framed ? kFramedCaptionSpare : kCaptionSpare);
  TRect c = inner;
  c.Shrink(kLedGap);
  int cx = 0, cy = 0;
  switch (model.CaptPos) {
    case orTop:
      cx = width / 2;
      cy = inner.Bottom - (size + kLedGap);
      c.Bottom = cy - (size + kLedGap);
      c.Top = c.Bottom - std::min(ch, c.Height());
      break;
    case orBottom:
      cx = width / 2;
      cy = inner.Top + size + kLedGap;
      c.Top = cy + size + kLedGap;
      c.Bottom = c.Top + std::min(ch, c.Height());
      break;
    case orLeft:
      cx = inner.Right - (size + kLedGap);
      cy = height / 2;
      c.Right = cx - (size + kLedGap);
      break;
    case orRight:
      cx = inner.Left + size + kLedGap;
      cy = height / 2;
      c.Left = cx + size + kLedGap;
      break;
  }
  if ((model.CaptPos == orLeft || model.CaptPos == orRight) && ch < c.Height()) {
    c.Top = cy - ch / 2;
    c.Bottom = cy + ch / 2;
  }

  out.Disc = TLedSpot{model.LedShape, cx, cy, size, TRect(cx - size, cy - size, cx + size, cy + size)};
  switch (model.LedBevel) {
    case bvNone: out.RingTopLeft = out.RingBottomRight = background; break;
    case bvLowered:
      out.RingTopLeft = clGray;
      out.RingBottomRight = clWhite;
      break;
    case bvRaised:
      out.RingTopLeft = clWhite;
      out.RingBottomRight = clGray;
      break;
  }
  out.RingWidth = LedRingWidth(size);
  // A round ring's outer edge sits one pixel inside the disc's edge, so a
  // wide pen (centred on its circle) stays on the disc and meets the lamp;
  // a square ring follows a one-pixel silver frame. Either way the lamp
  // starts inside the ring.
  out.RingRadius = size - 1 - out.RingWidth / 2;
  out.Lamp = out.Disc.Inset(1 + out.RingWidth);

  out.CaptBox = c;
  out.TextBox = c;
  out.TextBox.Shrink(1);
  out.TextTop = out.TextBox.Top - kTextRaise;
  return out;
}

// ---------------------------------------------------------------- widget

TLedCheck::TLedCheck(QWidget* parent) : TRahmen(parent) {
  resize(113, 17);
  SetBevWidth(0);
  SetBordWidth(0);
  SetBevelIn(bvNone);
  SetBevelOut(bvNone);
  SetColBtnBord(clSilver);
  // The ring shows the state; the frame keeps its look when pressed.
  SetShowPressed(false);
  SetParentColor(true);
  FBlinker = TTickSubscription::Blinker([this] { BlinkTick(); });
}

TLedCheck::~TLedCheck() = default;

void TLedCheck::SetCheckMode(TCheckMode v) {
  Assign(FModel.CheckMode, v, [this] {
    SetButtonStyle(TLedCheckModel::ButtonStyleFor(FModel.CheckMode));
    if (FPainted) Invalidate();
  });
}

void TLedCheck::SetLedCol(TColor v) {
  FModel.LedCol = v;
  DrawLed(FLitShown);
}

void TLedCheck::SetLedBlink(bool v) {
  FModel.LedBlink = v;
  DrawLed(Checked());
}

void TLedCheck::SetCaptionCol(TColor v) {
  FModel.CaptionCol = v;
  DrawCaption(Checked());
}

void TLedCheck::SetCaptionCol1(TColor v) {
  FModel.CaptionCol1 = v;
  DrawCaption(Checked());
}

void TLedCheck::SetCaptFrmCol(TColor v) {
  FModel.CaptFrmCol = v;
  DrawCaption(Checked());
}

void TLedCheck::SetCaptFrame(bool v) {
  Assign(FModel.CaptFrame, v, [this] {
    if (FModel.CaptFrame) FModel.CaptAutoFrm = false;
    Invalidate();
  });
}

void TLedCheck::SetCaptAutoFrm(bool v) {
  Assign(FModel.CaptAutoFrm, v, [this] {
    if (FModel.CaptAutoFrm) FModel.CaptFrame = false;
    Invalidate();
  });
}

void TLedCheck::SetChecked(bool v) {
  if (v == Checked()) return;
  // Kept in the frame's down flag directly: a lamp in lcNone or lcButton mode
  // must light when the program says so, which the frame's down setter
  // would refuse.
  FStatus = v;
  DrawLed(v);
  DrawCaption(v);
  NotifyGroup();
}

// ---------------------------------------------------------------- painting

void TLedCheck::Paint() {
  TRahmen::Paint();
  FPainted = true;
  TCanvas& c = Canvas();
  c.Font = Font();
  FLayout = LedCheckLayout(Width(), Height(), InnerRect(), FModel, ColBgnd(), Font().Height);
  PaintLedRing(c, FLayout);
  DrawLedLamp(c, FLayout.Lamp, FModel.LedCol, Checked());
  FLitShown = Checked();
  PaintCaption(c, FLayout, FModel, ColBgnd(), Checked());
  // The pressed look is left out: without ShowPressed it equals the
  // released one.
}

void TLedCheck::DrawLed(bool lit) {
  if (!FPainted) return;
  DrawLedLamp(Canvas(), FLayout.Lamp, FModel.LedCol, lit);
  FLitShown = lit;
  ShowNow(FLayout.Lamp.Bounds());
}

void TLedCheck::DrawCaption(bool lit) {
  if (!FPainted) return;
  Canvas().Font = Font();
  PaintCaption(Canvas(), FLayout, FModel, ColBgnd(), lit);
  ShowNow(FLayout.CaptBox);
}

void TLedCheck::ShowNow(const TRect& r) {
  if (isVisible() && !r.IsEmpty()) repaint(r.ToQRect());
}

void TLedCheck::Resized() {
  const int side = TLedCheckModel::MinSide(FModel.LedSize, BevWidth(), BevelIn(), BevelOut());
  if (Width() < side) SetWidth(side);
  if (Height() < side) SetHeight(side);
}

// ---------------------------------------------------------------- mouse and groups

void TLedCheck::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // A checked radio LED cannot be clicked off.
  if (FModel.CheckMode == lcRadioBtn && FModel.GroupIndex != 0 && parentWidget() && Checked()) return;
  if (FModel.CheckMode != lcNone) {
    // Press feedback before the frame's events run.
    DrawLed(!Checked());
    DrawCaption(!Checked());
  }
  TRahmen::MouseDown(Button, Shift, X, Y);
  NotifyGroup();
}

void TLedCheck::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FModel.CheckMode == lcNone) {
    // The mouse never changes a plain lamp, not even one the program lit.
    emit OnClick(this);
    return;
  }
  TRahmen::MouseUp(Button, Shift, X, Y);
  DrawLed(Checked());
  DrawCaption(Checked());
}

void TLedCheck::NotifyGroup() {
  if (Checked() && FModel.CheckMode == lcRadioBtn && FModel.GroupIndex != 0) NotifyGroupDown(this, FModel.GroupIndex);
}

void TLedCheck::WndProc(TMessage& Message) {
  if (FModel.GroupIndex != 0 && IsGroupDown(Message, FModel.GroupIndex)) {
    if (FModel.CheckMode == lcRadioBtn) {
      const TLedCheck* sender = GroupSender<TLedCheck>(this, Message);
      if (sender && sender->Checked()) SetChecked(false);
    }
    return;
  }
  TRahmen::WndProc(Message);
}

// ---------------------------------------------------------------- blinking

void TLedCheck::BlinkTick() {
  if (FPainted && Checked() && FModel.LedBlink) DrawLed(BlinkState());
}

}  // namespace Veltor
