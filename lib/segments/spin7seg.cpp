#include "segments/spin7seg.h"

#include "foundation/drawhelpers.h"
#include "foundation/frame.h"

#include <QWheelEvent>

#include <algorithm>

namespace Veltor {

namespace {

constexpr int kMinRepeatMs = 50;
constexpr int kFirstRepeatMs = 500;
constexpr int kRepeatModulus = 2001;
constexpr int kWheelNotch = 120;

int HexValue(QChar c) {
  if (c >= u'0' && c <= u'9') return c.unicode() - u'0';
  if (c >= u'A' && c <= u'F') return c.unicode() - u'A' + 10;
  return -1;
}

QChar HexDigit(int v) { return QChar(v < 10 ? u'0' + v : u'A' + v - 10); }

}  // namespace

// ---------------------------------------------------------------- TThumbwheel

bool TThumbwheel::SetChar(QChar ch) {
  ch = ch.toUpper();
  const int hex = HexValue(ch);
  switch (DispTyp) {
    case SegmentEnums::decimal:
      if (hex < 0 || hex > 9) return false;
      break;
    case SegmentEnums::hexa:
      if (hex < 0) return false;
      break;
    case SegmentEnums::sign:
      if (ch != u' ' && ch != u'+' && ch != u'-') return false;
      break;
    case SegmentEnums::alphanum: break;
  }
  if (ch == Char) return true;
  Char = ch;
  Int = DispTyp == SegmentEnums::decimal || DispTyp == SegmentEnums::hexa ? hex : -1;
  return true;
}

bool TThumbwheel::SetInt(int v) {
  const int top = DispTyp == SegmentEnums::decimal ? 9 : DispTyp == SegmentEnums::hexa ? 15 : -1;
  if (v < 0 || v > top) return false;
  Int = v;
  Char = HexDigit(v);
  return true;
}

void TThumbwheel::SetType(TDispType t) {
  DispTyp = t;
  Char = t == SegmentEnums::sign ? QChar(u'+') : QChar(u'8');
  Int = t == SegmentEnums::sign ? -1 : 8;
}

bool TThumbwheel::Next(bool up, int& carry) {
  carry = 0;
  const int step = up ? 1 : -1;
  switch (DispTyp) {
    case SegmentEnums::decimal:
    case SegmentEnums::hexa: {
      const int top = DispTyp == SegmentEnums::decimal ? 9 : 15;
      int v = HexValue(Char) + step;
      if (v < 0 || v > top) {
        if (Limiter) return false;
        carry = step;
        v = v < 0 ? top : 0;
      }
      SetChar(HexDigit(v));
      return true;
    }
    case SegmentEnums::sign: {
      static const QString order = QStringLiteral(" +-");
      const int i = std::max(0, int(order.indexOf(Char)));
      SetChar(order[(i + 3 + step) % 3]);
      return true;
    }
    case SegmentEnums::alphanum: {
      // A character set by program outside blank..Z steps from the nearer end.
      const char16_t c = std::clamp(Char.unicode(), char16_t(u' '), char16_t(u'Z'));
      if (up ? c == u'Z' : c == u' ') {
        if (Limiter) return false;
        carry = step;
        SetChar(up ? u' ' : u'Z');
      } else {
        SetChar(QChar(char16_t(c + step)));
      }
      return true;
    }
  }
  return false;
}

// ---------------------------------------------------------------- layout

TSpin7SegLayout Spin7SegLayout(int height, const TRect& inner, bool bordLeft, bool bordRight) {
  TSpin7SegLayout l;
  const int m = height / 50;
  const int h5 = inner.Height() / 5;
  const int w5 = inner.Width() / 5;
  l.Corner = w5;
  l.Panel =
      TRect(inner.Left + (bordLeft ? m : 0), inner.Top + h5, inner.Right - (bordRight ? m : 0), inner.Bottom - h5);
  const int shrink = w5 / 3 + 1;
  l.Cell = TRect(l.Panel.Left + shrink, l.Panel.Top + shrink, l.Panel.Right - shrink, l.Panel.Bottom - shrink);
  l.UpRect = TRect(inner.Left + w5, inner.Top + 2, inner.Right - w5, l.Panel.Top - w5 / 2);
  l.DownRect = TRect(inner.Left + w5, l.Panel.Bottom + w5 / 2, inner.Right - w5, inner.Bottom - 2);
  return l;
}

// ---------------------------------------------------------------- TSpin7Seg

TSpin7Seg::TSpin7Seg(QWidget* parent) : TRahmen(parent) {
  SetColBack(clBlack);
  resize(52, 100);
  FRepeat = TTickSubscription::Ticker([this] { RepeatTick(); });
}

TSpin7SegLayout TSpin7Seg::Geometry() const {
  // The frame's inside as a paint of the current size leaves it, so that
  // the buttons answer the mouse before the first paint too.
  return Spin7SegLayout(height(), FrameInnerRect(Look(), width(), height()), BordLeft(), BordRight());
}

void TSpin7Seg::SetDispTyp(TDispType v) {
  if (v == FWheel.DispTyp) return;
  FWheel.SetType(v);
  Invalidate();
}

void TSpin7Seg::SetValueChar(QChar v) {
  const QChar before = FWheel.Char;
  if (FWheel.SetChar(v) && FWheel.Char != before) DrawCell();
}

void TSpin7Seg::SetValueInt(int v) {
  const QChar before = FWheel.Char;
  if (FWheel.SetInt(v) && FWheel.Char != before) DrawCell();
}

void TSpin7Seg::SetItalic(bool v) {
  FItalic = v;
  FCell.Italic = v;
  DrawCell();
}

bool TSpin7Seg::NextValue(bool up, int& carry) {
  const QChar before = FWheel.Char;
  const bool stepped = FWheel.Next(up, carry);
  if (FWheel.Char != before) DrawCell();
  return stepped;
}

void TSpin7Seg::DrawCell() {
  if (FShown) FCell.DrawOne(FWheel.Char, QChar(), FColSegm, Canvas(), 1);
}

// A black frame around r, its face inside outlined raised or sunken.
void TSpin7Seg::DrawButton(TRect r, bool pressed) {
  TCanvas& c = Canvas();
  c.Pen = TPen{clBlack, 1, psSolid, pmCopy};
  c.Brush.Style = bsSolid;
  c.Brush.Color = clBlack;
  DrawFramedRaised(c, r);
  if (pressed) DrawSunken(c, r);
}

void TSpin7Seg::Paint() {
  TRahmen::Paint();
  FLayout = Spin7SegLayout(height(), InnerRect(), BordLeft(), BordRight());
  TCanvas& c = Canvas();
  c.Font = Font();
  const TRect& p = FLayout.Panel;
  c.Pen = TPen{clWhite, 1, psSolid, pmCopy};
  c.Brush.Style = bsSolid;
  c.Brush.Color = ColBack();
  if (ColBack() != clSilver) {
    if (FShape == smtRectangle) {
      c.Rectangle(p);
    } else {
      c.RoundRect(p.Left, p.Top, p.Right, p.Bottom, FLayout.Corner, FLayout.Corner);
    }
  }
  // Spinners side by side without rings between them share one panel edge.
  if (!BordRight()) {
    c.MoveTo(width() - 1, p.Top);
    c.LineTo(width() - 1, p.Bottom);
  }
  if (!BordLeft()) {
    c.MoveTo(0, p.Top);
    c.LineTo(0, p.Bottom);
  }

  DrawButton(FLayout.UpRect, FUpDown);
  DrawButton(FLayout.DownRect, FDownDown);
  c.Pen = TPen{clBlack, 1, psSolid, pmCopy};
  c.Brush.Color = clBlack;
  const TRect& u = FLayout.UpRect;
  const TRect& d = FLayout.DownRect;
  const int bw = u.Width(), bh = u.Height();
  c.Polygon(
      {{u.Left + bw / 4, u.Bottom - bh / 5}, {u.Right - bw / 4, u.Bottom - bh / 5}, {u.Left + bw / 2, u.Top + bh / 5}});
  c.Polygon(
      {{d.Left + bw / 4, d.Top + bh / 5}, {d.Right - bw / 4, d.Top + bh / 5}, {d.Left + bw / 2, d.Bottom - bh / 5}});

  FCell.Italic = FItalic;
  FCell.Layout(FLayout.Cell, 1, ColBack());
  FShown = true;
  DrawCell();
}

bool TSpin7Seg::UserStep(bool up) {
  const QChar before = FWheel.Char;
  int carry = 0;
  NextValue(up, carry);
  if (FWheel.Char == before) return false;
  FChanged = true;
  emit onChanging(this);
  if (carry < 0) emit onWrapBorrow(this);
  if (carry > 0) emit onWrapCarry(this);
  return true;
}

void TSpin7Seg::MouseDown(TMouseButton, TShiftState, int X, int Y) {
  FChanged = false;
  const TSpin7SegLayout l = Geometry();
  bool up;
  if (l.UpRect.Contains(X, Y)) {
    up = true;
    FUpDown = true;
  } else if (l.DownRect.Contains(X, Y)) {
    up = false;
    FDownDown = true;
  } else {
    return;
  }
  if (FShown) DrawButton(up ? FLayout.UpRect : FLayout.DownRect, true);
  UserStep(up);
  if (FRepSpeed >= kMinRepeatMs) FRepeat.SetInterval(kFirstRepeatMs);
}

void TSpin7Seg::RepeatTick() {
  if (FRepSpeed < kMinRepeatMs || !(FUpDown || FDownDown)) return;
  const bool changed = UserStep(FUpDown);
  FRepeat.SetInterval(FRepSpeed % kRepeatModulus);
  if (changed) Update();
}

void TSpin7Seg::MouseUp(TMouseButton, TShiftState, int, int) {
  FRepeat.Stop();
  if (FUpDown && FShown) DrawButton(FLayout.UpRect, false);
  if (FDownDown && FShown) DrawButton(FLayout.DownRect, false);
  FUpDown = FDownDown = false;
  if (!FChanged) return;
  FChanged = false;
  emit onChanged(this);
}

// Each notch is one click step: the same events, changing and changed.
void TSpin7Seg::wheelEvent(QWheelEvent* event) {
  FWheelRest += event->angleDelta().y();
  while (std::abs(FWheelRest) >= kWheelNotch) {
    const bool up = FWheelRest > 0;
    FWheelRest -= up ? kWheelNotch : -kWheelNotch;
    FChanged = false;
    if (UserStep(up)) {
      FChanged = false;
      emit onChanged(this);
    }
  }
  event->accept();
}

}  // namespace Veltor
