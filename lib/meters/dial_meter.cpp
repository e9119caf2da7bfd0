#include "meters/dial_meter.h"

#include "buttons/led.h"
#include "foundation/helpers.h"

#include <QMouseEvent>

#include <algorithm>

namespace Veltor {

namespace {

TRect Intersect(const TRect& a, const TRect& b) {
  TRect r(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom));
  return r.IsEmpty() ? TRect() : r;
}

TRect Bounds(const TPolygon3& poly) {
  TRect r(poly[0].X, poly[0].Y, poly[0].X, poly[0].Y);
  for (const TPoint& p : poly) {
    r.Left = std::min(r.Left, p.X);
    r.Top = std::min(r.Top, p.Y);
    r.Right = std::max(r.Right, p.X);
    r.Bottom = std::max(r.Bottom, p.Y);
  }
  r.Shrink(-2);
  return r;
}

}  // namespace

TDialMeter::TDialMeter(QWidget* parent) : TVeltorBase(parent) {
  SetColBack(clNavy);
  TFont f = Font();
  f.Name = QStringLiteral("Arial");
  f.Color = clWhite;
  SetFont(f);
  FTicker = TTickSubscription::Ticker([this] {
    Perform(WM_USER, 0, 0);
    Update();
  });
  FBlinker = TTickSubscription::Blinker([this] { BlinkTick(); });
}

void TDialMeter::StyleChanged(QObject*) { Invalidate(); }

void TDialMeter::RepaintDial() {
  if (Painted()) Repaint();
}

void TDialMeter::SetPointerColour(TColor& field, TColor v) {
  if (field == v) return;
  field = v;
  UpdateNeedle(true);
}

void TDialMeter::RunTicker(bool on) {
  if (on) {
    FTicker.SetInterval(10);
  } else {
    FTicker.Stop();
  }
}

void TDialMeter::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    UpdateNeedle((Message.LParam & 0xFF) != 0);
    return;
  }
  TVeltorBase::WndProc(Message);
}

void TDialMeter::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit OnDblClick(this);
}

TPolygon3 TDialMeter::PointerAt(const TPolygon3& start, double fraction) const {
  const double a = fraction * FLayout.Sweep;
  return {RotatePoint(FLayout.C, start[0], a), RotatePoint(FLayout.C, start[1], a),
          RotatePoint(FLayout.C, start[2], a)};
}

void TDialMeter::Compose(const std::vector<TPointer>& pointers, bool full, std::vector<TRect> extra) {
  const TDialLayout& l = FLayout;
  const TRect client(0, 0, Width(), Height());
  // Only what the pointers covered before and cover now goes back to the
  // static dial; the rest of the composite is still right.
  std::vector<TRect> dirty;
  if (full || !l.Valid() || FDrawn.size() != pointers.size()) {
    dirty.push_back(client);
  } else {
    for (size_t i = 0; i < pointers.size(); ++i) {
      if (FDrawn[i].Shown) dirty.push_back(Intersect(Bounds(FDrawn[i].Poly), client));
      if (pointers[i].Shown) dirty.push_back(Intersect(Bounds(pointers[i].Poly), client));
    }
    for (const TRect& r : extra)
      if (!r.IsEmpty()) dirty.push_back(r);
  }
  FDrawn = pointers;

  TCanvas& back = BackBitmap().Canvas();
  const QImage& dial = DrawBitmap().Image();
  for (const TRect& r : dirty) back.CopyRect(r, dial, r);
  if (l.Valid()) {
    if (!l.Clip.IsEmpty()) back.SetClipRect(l.Clip);
    for (const TPointer& p : pointers) {
      if (!p.Shown) continue;
      back.Pen = TPen{p.Colour, 1, psClear, pmCopy};
      back.Brush = TBrush{p.Colour, bsSolid};
      back.Polygon(p.Poly.data(), 3);
    }
    back.ClearClip();
    for (int i = 0; i < LedCount(); ++i) {
      const TRect led = LedBounds(i);
      if (std::any_of(dirty.begin(), dirty.end(), [&led](const TRect& r) { return !Intersect(r, led).IsEmpty(); }))
        DrawLamp(back, i);
    }
  }
  const QImage& composite = BackBitmap().Image();
  for (const TRect& r : dirty) Canvas().CopyRect(r, composite, r);
  AfterCopy();
}

// ---------------------------------------------------------------- LEDs

TRect TDialMeter::LedBounds(int i) const {
  if (i < 0 || i >= int(FLayout.Leds.size())) return TRect();
  const TPoint c = FLayout.Leds[i];
  const int r = FLayout.LedRadius;
  return TRect(c.X - r, c.Y - r, c.X + r + 1, c.Y + r + 1);
}

void TDialMeter::DrawLamp(TCanvas& canvas, int i) {
  if (!LedShown(i) || i >= int(FLayout.Leds.size())) return;
  const TMeterLed& led = LedState(i);
  TLedSpot spot;
  spot.Cx = FLayout.Leds[i].X;
  spot.Cy = FLayout.Leds[i].Y;
  spot.R = FLayout.LedRadius - 1;
  DrawLedLamp(canvas, spot, led.Color, led.Lit());
}

void TDialMeter::DrawLed(int i) {
  if (!Painted() || !FLayout.Valid()) return;
  DrawLamp(BackBitmap().Canvas(), i);
  DrawLamp(Canvas(), i);
}

void TDialMeter::SetLedColor(int i, TColor v) {
  TMeterLed& led = LedState(i);
  if (led.Color == v) return;
  led.Color = v;
  led.Phase = led.On;
  DrawLed(i);
}

void TDialMeter::SetLedOn(int i, bool v) {
  TMeterLed& led = LedState(i);
  if (led.On == v) return;
  led.On = v;
  led.Phase = v;
  DrawLed(i);
}

void TDialMeter::SetLedBlink(int i, bool v) {
  TMeterLed& led = LedState(i);
  if (led.Blink == v) return;
  led.Blink = v;
  DrawLed(i);
}

void TDialMeter::BlinkTick() {
  if (!Painted()) return;
  BlinkLeds(BlinkState());
  for (int i = 0; i < LedCount(); ++i)
    if (LedShown(i) && LedState(i).Blink) DrawLed(i);
  BlinkMarks();
}

}  // namespace Veltor
