#include "segments/disp7seg.h"

#include "buttons/led.h"
#include "foundation/drawhelpers.h"
#include "foundation/frame.h"

#include <algorithm>
#include <cmath>

namespace Veltor {

namespace {

// Every cell showing 8 with its point: the value does not fit.
const QString kOverflow = QStringLiteral("8.8.8.8.8.8.8.8.8.8.");

QString PadToCells(const QString& text, int size) {
  const int cells = int(SplitCells(text).size());
  return QString(std::max(0, size - cells), u' ') + text;
}

// Shortest decimal form with up to 15 significant digits; an exponent is
// written "E" and its digits, without "+" or leading zeros.
QString ShortFloat(double v) {
  QString s = QString::number(v, 'g', 15).toUpper();
  const qsizetype e = s.indexOf(u'E');
  if (e < 0) return s;
  QString exp = s.mid(e + 1);
  const bool negative = exp.startsWith(u'-');
  exp.remove(u'+').remove(u'-');
  while (exp.size() > 1 && exp.startsWith(u'0')) exp.remove(0, 1);
  return s.left(e + 1) + (negative ? QStringLiteral("-") : QString()) + exp;
}

}  // namespace

QString Disp7SegIntText(int v, int size) {
  const QString s = QString::number(v);
  return s.size() <= size ? PadToCells(s, size) : kOverflow;
}

QString Disp7SegFloatText(double v, int size) {
  if (!std::isfinite(v)) return kOverflow;
  const QString s = ShortFloat(v);
  if (int(SplitCells(s).size()) <= size) return PadToCells(s, size);
  // Too long: decimals may go, but never digits before the point nor an
  // exponent, which would show a different number.
  if (s.contains(u'E')) return kOverflow;
  const qsizetype point = s.indexOf(u'.');
  const int whole = int(point < 0 ? s.size() : point);
  if (whole > size) return kOverflow;
  return s.left(size + 1);
}

TDisp7SegLayout Disp7SegLayout(int w, int h, const TRect& inner, const TDisp7SegFlags& f) {
  TDisp7SegLayout l;
  const int m = h / 20;
  const int s = h / 5;
  const int side = f.SideArea ? 35 * s / 10 : 0;
  l.Led1 = TPoint(w - 11 * h / 20, 8 * h / 10);
  l.Led2 = TPoint(w - 5 * h / 20, 8 * h / 10);
  l.LedRadius = h / 10;

  TRect area = inner;
  area.Right -= side;
  if (f.BordRight) {
    area.Right -= m;
    l.Panel.Right = area.Right;
  } else {
    l.Panel.Right = inner.Right + s;
  }
  // A side without rings lets the panel run out of the control, so that
  // read-outs placed side by side share one panel.
  auto edge = [&](bool bord, int& areaEdge, int& panelEdge, int inward) {
    if (bord) {
      areaEdge += inward * m;
      panelEdge = areaEdge;
    } else {
      panelEdge = areaEdge - inward * s;
    }
  };
  edge(f.BordLeft, area.Left, l.Panel.Left, 1);
  edge(f.BordTop, area.Top, l.Panel.Top, 1);
  edge(f.BordBottom, area.Bottom, l.Panel.Bottom, -1);

  l.TextBox = TRect(w - 14 * h / 20, area.Top + 5, inner.Right - 1, 13 * h / 20);
  const int shrink = s / 3;
  l.Cells = TRect(area.Left + shrink, area.Top + shrink, area.Right - shrink, area.Bottom - shrink);
  return l;
}

TDisp7Seg::TDisp7Seg(QWidget* parent) : TRahmen(parent) {
  SetColBack(clBlue);
  SetFontSize(18);
  resize(144, 72);
  FBlinker = TTickSubscription::Blinker([this] { BlinkTick(); });
}

void TDisp7Seg::SetDispSize(int v) { Assign(FDispSize, std::clamp(v, 1, MaxCells)); }

void TDisp7Seg::SetCharPos(int v) { FCharPos = std::clamp(v, 1, FDispSize); }

void TDisp7Seg::SetTextEinh(const QString& v) {
  if (!Assign(FTextEinh, v.left(MaxUnitText), [] {})) return;
  DrawUnitText();
}

void TDisp7Seg::SetLedColor(int i, TColor v) {
  FColLed[i] = v;
  DrawLed(i, FLedOn[i]);
}

void TDisp7Seg::SetLedOn(int i, bool v) {
  if (!FLedEnable) return;
  FLedOn[i] = v;
  DrawLed(i, v);
}

void TDisp7Seg::SetLedBlink(int i, bool v) {
  if (!FLedEnable) return;
  FLedBlink[i] = v;
  DrawLed(i, FLedOn[i] || v);
}

void TDisp7Seg::DrawLed(int i, bool lit) {
  if (!FShown || !FLedEnable) return;
  const TPoint c = i == 0 ? FLayout.Led1 : FLayout.Led2;
  DrawLedLamp(Canvas(), TLedSpot{ledCircle, c.X, c.Y, FLayout.LedRadius, TRect()}, FColLed[i], lit);
}

void TDisp7Seg::BlinkTick() {
  if (!FShown || !FLedEnable) return;
  for (int i = 0; i < 2; ++i) {
    if (FLedBlink[i]) DrawLed(i, BlinkLit(BlinkState(), FLedOn[i]));
  }
  if (FLedBlink[0] || FLedBlink[1]) Update();
}

void TDisp7Seg::DrawUnitText() {
  if (!FShown || !FTextEnable) return;
  TCanvas& c = Canvas();
  const TRect box = FLayout.TextBox;
  c.Brush.Style = bsSolid;
  c.Brush.Color = BordRight() ? ColBgnd() : ColBack();
  c.FillRect(box);
  c.Font = FUnitFont;
  c.Brush.Style = bsClear;
  c.TextRect(box, box.Left, box.Top, FTextEinh);
}

void TDisp7Seg::ShowText(const QString& text) {
  if (text == FValueStr) return;
  FValueStr = text;
  if (FShown) FRow.SetText(FValueStr, Canvas(), FColSegm);
}

void TDisp7Seg::SetValueInt(int v) {
  FValueInt = v;
  ShowText(Disp7SegIntText(v, FDispSize));
}

void TDisp7Seg::SetValueFloat(double v) {
  FValueFloat = v;
  ShowText(Disp7SegFloatText(v, FDispSize));
}

void TDisp7Seg::SetValueStr(const QString& v) {
  FValueStr = v.toUpper();
  if (FShown) FRow.SetText(FValueStr, Canvas(), FColSegm);
}

void TDisp7Seg::SetValueChar(QChar v) {
  v = v.toUpper();
  if (v == FValueChar) return;
  FValueChar = v;
  if (FShown) FRow.DrawOne(v, QChar(), FColSegm, Canvas(), FCharPos);
}

void TDisp7Seg::Paint() {
  TRahmen::Paint();
  const TRect inner = InnerRect();
  TDisp7SegFlags flags{BordLeft(), BordRight(), BordTop(), BordBottom(), FLedEnable || FTextEnable};
  FLayout = Disp7SegLayout(width(), height(), inner, flags);
  const int s = height() / 5;

  TCanvas& c = Canvas();
  c.Font = Font();
  if (ColBack() != clSilver) {
    c.Pen = TPen{clWhite, 1, psSolid, pmCopy};
    c.Brush.Style = bsSolid;
    c.Brush.Color = ColBack();
    const TRect& p = FLayout.Panel;
    if (FShape == smtRectangle) {
      c.Rectangle(p);
    } else {
      c.RoundRect(p.Left, p.Top, p.Right, p.Bottom, s, s);
    }
  }

  FRow.Italic = FDispItalic;
  FRow.Layout(FLayout.Cells, FDispSize, ColBack());
  FShown = true;
  FRow.SetText(FValueStr, c, FColSegm);

  FitFont(c, FLayout.TextBox, FTextEinh);
  FUnitFont = c.Font;
  DrawUnitText();

  if (FLedEnable) {
    for (int i = 0; i < 2; ++i) {
      const TPoint p = i == 0 ? FLayout.Led1 : FLayout.Led2;
      DrawLedSocket(c, TLedSpot{ledCircle, p.X, p.Y, FLayout.LedRadius, TRect()}, LedDarkColor(FColLed[i]));
    }
    FLayout.LedRadius -= 1;
  }
  if (flags.SideArea) {
    TFont mark;
    mark.Name = QStringLiteral("Arial");
    mark.Height = -9;
    mark.Color = clGray;
    c.Font = mark;
    c.Brush.Style = bsClear;
    const QString text = QString::fromLatin1(kMakerMark);
    c.TextOut(inner.Right - c.TextWidth(text), inner.Top - 3, text);
  }
  for (int i = 0; i < 2; ++i) DrawLed(i, FLedOn[i]);
}

}  // namespace Veltor
