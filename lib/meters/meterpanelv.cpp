#include "meters/meterpanelv.h"

#include "foundation/drawhelpers.h"
#include "foundation/numformat.h"

#include <algorithm>
#include <cmath>

namespace Veltor {

namespace {

// Room between the tick column and the labels, so the pointer's tip (8
// pixels past the column) never touches a label.
constexpr int kLabelGap = 9;

}  // namespace

QString PanelReadoutText(double v, double start, double end, bool fixPnt) {
  const double a = std::fabs(v);
  int digits, width, d;
  if (PanelNeedsFiveDigits(start, end)) {
    digits = 5;
    width = 6;
    if (fixPnt) {
      d = a < 1000 ? 2 : a < 10000 ? 1 : 0;
    } else {
      d = a < 100 ? 3 : a < 1000 ? 2 : a < 10000 ? 1 : 0;
    }
  } else {
    digits = 4;
    width = 5;
    if (fixPnt) {
      d = end < 10 ? 3 : a < 100 ? 2 : a < 1000 ? 1 : 0;
    } else {
      d = a < 10 ? 3 : a < 100 ? 2 : a < 1000 ? 1 : 0;
    }
  }
  QString text = FloatToStrFixed(v, digits, d);
  if (d > 0 && text.size() < width) text = text.rightJustified(width, QLatin1Char(' '));
  return text;
}

TMeterPanelVLayout MeterPanelVLayout(int width, int height, const TRect& inner, const TMeterPanelVSetup& s) {
  TMeterPanelVLayout l;
  const int w = width, h = height;
  l.M = h / 86;
  l.K = std::min(h / 16, 20);
  l.LedRow = std::min(l.K * 20 / 10, 20);
  l.DispH = std::clamp(h / 14, 22, 35);
  l.Corner = std::min(w / 6, 18);

  // Read-out box above the face.
  const int m = l.M;
  l.Readout.Left = inner.Left + m;
  l.Readout.Top = inner.Top + m;
  l.Readout.Bottom = inner.Top + l.DispH;
  l.Readout.Right = std::min(l.Readout.Left + l.DispH * (s.FiveDigits ? 30 : 24) / 10, inner.Right - m);

  // Face and area, side by side.
  const int top = s.DispEnable ? l.DispH : 0;
  const int bottom = s.LedEnable ? l.LedRow : 0;
  TRect a = inner, f;
  a.Left += s.BordLeft ? m : 0;
  f.Left = s.BordLeft ? a.Left : a.Left - l.K;
  a.Right -= s.BordRight ? m : 0;
  f.Right = s.BordRight ? a.Right : a.Right + l.K;
  a.Top += (s.BordTop ? m : 0) + top;
  f.Top = s.BordTop ? a.Top : a.Top - l.K;
  a.Bottom -= (s.BordBottom ? m : 0) + bottom;
  f.Bottom = s.BordBottom ? a.Bottom : a.Bottom + l.K;
  l.Face = f;

  l.LedRadius = l.LedRow / 3;
  const int ledY = a.Bottom + l.LedRow * 2 / 3;
  l.Leds = {TPoint{w * 7 / 10, ledY}, TPoint{w * 3 / 10, ledY}};

  // Text boxes: the name above the scale, the caption below it.
  TRect boxes = a;
  boxes.Shrink(3);
  const int ch = s.CaptHeight;
  a.Left += 7;
  a.Right -= 7;
  a.Top += 2 * ch;
  a.Bottom -= 2 * ch;
  l.NameBox = TRect(boxes.Left, boxes.Top, boxes.Right, a.Top - ch * 6 / 10);
  l.CaptionBox = TRect(boxes.Left, a.Bottom + ch / 2, boxes.Right, boxes.Bottom);
  l.Area = a;

  // Tick column, moved right of the bar strip when there is one.
  l.ScaleTop = a.Top;
  l.ScaleBottom = a.Bottom;
  l.ColLeft = a.Left;
  l.ColRight = a.Left + std::clamp(h / 30, 10, 15);
  if (s.Style != simpleMeter) {
    l.Bar = TRect(a.Left, a.Top, a.Left + std::max(w / 3 - 10, 10), a.Bottom);
    l.ColLeft = l.Bar.Right + 5;
    l.ColRight = l.ColLeft + std::clamp(w / 8, 4, 15);
  }

  // Pointer and peak triangles.
  const int h0 = l.ColRight - l.ColLeft + 10;
  l.Half = h0 * 4 / 10;
  l.PointerTip = l.ColRight + 8;
  l.PointerBase = l.PointerTip - h0;
  // At the face's right edge, but where it can be seen: a face running past
  // a switched-off side is cut by the control's edge.
  l.PeakBase = std::min(f.Right, inner.Right) - 2;
  return l;
}

TMeterPanelV::TMeterPanelV(QWidget* parent) : TCustomMeterPanel(parent) {
  resize(80, 360);
  FModel.SetRangeLimit(kRangeLimit);
  FCaption = QStringLiteral("Amp");
  SetColBack(clNavy);
  TFont f = Font();
  f.Color = clYellow;
  SetFont(f);
}

void TMeterPanelV::SetDispFixPnt(bool v) {
  FModel.SetDispFixPnt(v);
  RepaintDial();
}

void TMeterPanelV::SetDispItalic(bool v) {
  FReadout.DigItalic = v;
  RepaintDial();
}

void TMeterPanelV::SetTextName(const QString& v) {
  if (v == FTextName) return;
  FTextName = v;
  if (Painted()) CaptionChanged();
}

void TMeterPanelV::CaptionChanged() {
  TCanvas& c = DrawBitmap().Canvas();
  PaintTextBox(c, FLayout.NameBox, FTextName);
  PaintTextBox(c, FLayout.CaptionBox, FCaption);
  UpdateStep(true);
}

void TMeterPanelV::SetLedZahl(int v) {
  if (FStyle != LedBar) return;
  v = std::min(std::max(v, 2), std::max(2, Height() / 10));
  Rebuild(FLedZahl, v);
}

void TMeterPanelV::SetValueMin(double v) {
  if (!Loading()) {
    if (v > FValueMid) {
      v = FValueMid;
    } else if (v < ValueStart()) {
      v = ValueStart();
    }
  }
  Rebuild(FValueMin, v);
}

void TMeterPanelV::SetValueMid(double v) {
  if (!Loading()) {
    if (v < FValueMin) {
      v = FValueMin;
    } else if (v > ValueEnd()) {
      v = ValueEnd();
    }
  }
  Rebuild(FValueMid, v);
}

void TMeterPanelV::ResetZoneBounds() {
  const double range = ValueEnd() - ValueStart();
  FValueMin = ValueStart() + 0.2 * range;
  FValueMid = ValueStart() + 0.8 * range;
}

void TMeterPanelV::StartChanged() {
  ResetZoneBounds();
  FLowerLimit = FValueMin;
}

void TMeterPanelV::EndChanged() {
  ResetZoneBounds();
  FUpperLimit = FValueMid;
}

TColor TMeterPanelV::Dimmed(TColor c) const { return TColor(c.ToRGB() & FColAnd.Value() & 0xFFFFFF); }

// ---------------------------------------------------------------- face

void TMeterPanelV::Paint() {
  TVeltorBase::Paint();
  FModel.FixDecadeRange();
  if (FStyle == LedBar) FLedZahl = std::max(2, std::min(FLedZahl, Height() / 10));
  TMeterPanelVSetup s;
  s.Style = FStyle;
  s.DispEnable = FDispEnable;
  s.LedEnable = FLedEnable;
  s.FiveDigits = PanelNeedsFiveDigits(ValueStart(), ValueEnd());
  s.BordLeft = BordLeft();
  s.BordTop = BordTop();
  s.BordRight = BordRight();
  s.BordBottom = BordBottom();
  s.CaptHeight = std::abs(FFontCapt.Height);
  FLayout = MeterPanelVLayout(Width(), Height(), InnerRect(), s);
  TCanvas& c = DrawBitmap().Canvas();
  PaintFace(c);
  if (FLayout.Valid()) PaintScale(c);
  FinishPaint();
}

void TMeterPanelV::PaintFace(TCanvas& c) {
  const TMeterPanelVLayout& l = FLayout;
  c.Pen = TPen{FColShape, 1, psSolid, pmCopy};
  c.Brush = TBrush{ColBack(), bsSolid};
  const TRect f = l.Face;
  if (FShape == smtRoundrect) {
    c.RoundRect(f.Left, f.Top, f.Right, f.Bottom, l.Corner, l.Corner);
  } else {
    c.Rectangle(f);
  }

  // Read-out box and its cells.
  if (FDispEnable) {
    c.Brush = TBrush{FColDBack, bsSolid};
    c.Pen = TPen{FColDRand, 1, psSolid, pmCopy};
    const TRect d = l.Readout;
    if (FShape == smtRoundrect) {
      const int e = 2 * l.Corner / 4;
      c.RoundRect(d.Left, d.Top, d.Right, d.Bottom, e, e);
    } else {
      c.Rectangle(d);
    }
    TRect cells = d;
    cells.Shrink(d.Height() * 8 / 10 / 8 + 1);
    FReadout.Layout(cells, PanelNeedsFiveDigits(ValueStart(), ValueEnd()) ? 5 : 4, FColDBack);
  }

  PaintTextBox(c, l.NameBox, FTextName);
  PaintTextBox(c, l.CaptionBox, FCaption);
}

void TMeterPanelV::PaintTextBox(TCanvas& c, const TRect& box, const QString& text) {
  if (box.IsEmpty()) return;
  c.Font = FFontCapt;
  c.Brush = TBrush{ColBack(), bsSolid};
  c.FillRect(box);
  c.Brush.Style = bsClear;
  const int x = box.Left + (box.Width() - c.TextWidth(text)) / 2;
  const int y = box.Top + (box.Height() - std::abs(FFontCapt.Height)) / 3;
  c.TextRect(box, x, y, text);
}

void TMeterPanelV::PaintScale(TCanvas& c) {
  const TMeterPanelVLayout& l = FLayout;
  const int cl = l.ColLeft, cr = l.ColRight;
  const int colH = l.ScaleBottom - l.ScaleTop;

  // Bar strip outline.
  if (!l.Bar.IsEmpty()) {
    c.Pen = TPen{FColScala, 1, psSolid, pmCopy};
    c.Brush = TBrush{ColBack(), bsSolid};
    c.Rectangle(l.Bar);
    if (FStyle == LedBar) {
      --FLayout.Bar.Right;
      --FLayout.Bar.Bottom;
    }
  }

  c.Pen = TPen{FColScala, 2, psSolid, pmCopy};
  c.MoveTo(cl, l.ScaleBottom);
  c.LineTo(cl, l.ScaleTop);

  c.Font = Font();
  c.Brush.Style = bsClear;
  const int fh = std::abs(Font().Height);
  const bool decade = FModel.NonLinear();
  const int lw = MaxNumWidth(c, FModel.ValueStart(), FModel.ScaleEnd());
  const int minorLen = (cr - cl) * 2 / 3;
  const int lastMajor = decade ? FModel.Decades() : FModel.ScalaPart();
  // Major spacing decides whether an automatic minor tick fits.
  const bool autoMinor = FModel.ScalaPsub() < 0 && colH / std::max(1, FModel.ScalaPart()) > 30;
  TRect first, last;
  int major = 0;
  for (const TScaleTick& t : FModel.Ticks()) {
    const int y = ScalePixel(t.Fraction);
    if (!t.Major) {
      if (!decade && FModel.ScalaPsub() < 0 && !autoMinor) continue;
      c.Pen.Width = 1;
      c.MoveTo(cl, y);
      c.LineTo(cl + minorLen, y);
      continue;
    }
    c.Pen.Width = 2;
    c.MoveTo(cl, y);
    c.LineTo(cr, y);
    TRect box;
    if (decade) {
      const int ty = y - fh * 11 / 20;
      DrawPow10(cr + kLabelGap, ty, c, t.Value);
      box = TRect(cr + kLabelGap - 2, ty - 2, cr + kLabelGap + lw + 3, ty + fh + 3);
    } else {
      const QString text = FModel.LinearLabel(t.Value);
      const int x = cr + kLabelGap + lw - c.TextWidth(text);
      const int ty = y - fh * 2 / 3;
      c.TextOut(x, ty, text);
      box = TRect(x - 2, ty, x + c.TextWidth(text) + 3, ty + fh + 3);
    }
    if (major == 0) first = box;
    if (major == lastMajor) last = box;
    ++major;
  }
  SetLabelBoxes(first, last);

  // Maker's mark between the LEDs, then the LED sockets.
  if (FLedEnable) {
    const int mx = (l.Leds[0].X + l.Leds[1].X - MakerMarkWidth(c)) / 2;
    DrawMakerMark(c, mx, l.Leds[0].Y - 2 - 9 / 2);
  }
}

// ---------------------------------------------------------------- motion

int TMeterPanelV::ScalePixel(double fraction) const {
  const TMeterPanelVLayout& l = FLayout;
  return l.ScaleBottom - int(RoundHalfEven(fraction * (l.ScaleBottom - l.ScaleTop)));
}

int TMeterPanelV::RowOf(double v) const { return ScalePixel(std::clamp(FModel.Fraction(v), 0.0, 1.0)); }

TLedSpot TMeterPanelV::LedSpot(int i) const {
  TLedSpot spot;
  spot.Cx = FLayout.Leds[i & 1].X;
  spot.Cy = FLayout.Leds[i & 1].Y;
  spot.R = FLayout.LedRadius;
  return spot;
}

bool TMeterPanelV::UpdateReadout(bool force) {
  if (!FDispEnable || FReadout.DigCount() == 0) return false;
  const QString text = PanelReadoutText(FModel.ShownValue(), ValueStart(), ValueEnd(), FModel.DispFixPnt());
  if (!force && text == FReadout.Text()) return false;
  FReadout.SetText(text, DrawBitmap().Canvas(), FColDisplay);
  return true;
}

void TMeterPanelV::DrawPointers(TCanvas& c, int pos, int peakPos) {
  const TMeterPanelVLayout& l = FLayout;
  if (!l.Valid()) return;
  const int h = l.Half;
  if (FModel.PeakMode() != ppNone && FStyle != LedBar) {
    c.Brush.Color = FColPeakPtr;
    const TPoint peak[3] = {{l.PeakBase - h, peakPos}, {l.PeakBase, peakPos - h}, {l.PeakBase, peakPos + h}};
    c.Polygon(peak, 3);
  }
  if (FStyle != BarGraph) {
    c.Brush.Color = FColPointer;
    const TPoint pointer[3] = {{l.PointerTip, pos}, {l.PointerBase, pos + h}, {l.PointerBase, pos - h}};
    c.Polygon(pointer, 3);
  }
  if (FStyle == LedBar) DrawLedBar(c, pos, peakPos);
  if (FStyle == BarGraph) DrawBarGraph(c, pos);
}

void TMeterPanelV::DrawLedBar(TCanvas& c, int pos, int peakPos) {
  const TRect& b = FLayout.Bar;
  const int pMin = RowOf(FValueMin), pMid = RowOf(FValueMid);
  const bool peak = FModel.PeakMode() != ppNone;
  const double step = double(b.Bottom - b.Top) / FLedZahl;
  c.Pen = TPen{clGray, 1, psSolid, pmCopy};
  c.Brush.Style = bsSolid;
  int lower = b.Bottom;
  for (int i = 1; i <= FLedZahl; ++i) {
    const int top = b.Bottom - int(RoundHalfEven(step * i));
    const TColor zone = lower <= pMid ? FColMax : lower <= pMin ? FColMid : FColMin;
    const bool lit = pos <= lower || (peak && top <= peakPos && peakPos < lower);
    c.Brush.Color = lit ? zone : Dimmed(zone);
    c.Rectangle(b.Left, top, b.Right, lower);
    lower = top;
  }
}

void TMeterPanelV::DrawBarGraph(TCanvas& c, int pos) {
  const TRect& b = FLayout.Bar;
  const int pMin = RowOf(FValueMin), pMid = RowOf(FValueMid);
  c.Pen.Style = psClear;
  const struct {
    int lower, upper;
    TColor colour;
  } zones[] = {{b.Bottom - 1, pMin, FColMin}, {pMin, pMid, FColMid}, {pMid, b.Top + 1, FColMax}};
  for (const auto& z : zones) {
    if (z.upper >= z.lower) continue;
    const int split = std::clamp(pos, std::min(z.upper, z.lower), z.lower);
    c.Brush.Color = z.colour;
    if (split < z.lower) c.FillRect(TRect(b.Left + 1, split, b.Right - 1, z.lower));
    c.Brush.Color = Dimmed(z.colour);
    if (z.upper < split) c.FillRect(TRect(b.Left + 1, z.upper, b.Right - 1, split));
  }
}

}  // namespace Veltor
