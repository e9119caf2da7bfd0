#include "meters/meterpanelh.h"

#include "foundation/drawhelpers.h"
#include "foundation/numformat.h"

#include <algorithm>
#include <cmath>

namespace Veltor {

TMeterPanelHLayout MeterPanelHLayout(int width, int height, const TRect& inner, const TMeterPanelHSetup& s) {
  TMeterPanelHLayout l;
  const int w = width, h = height;
  l.M = w / 86;
  l.K = std::min(w / 16, 20);
  l.LedCol = std::min(l.K * 20 / 10, 20);

  // Face and area, side by side; the LEDs take a column right of the face.
  const int m = l.M;
  TRect a = inner, f;
  a.Left += s.BordLeft ? m : 0;
  f.Left = s.BordLeft ? a.Left : a.Left - l.K;
  a.Right -= (s.BordRight ? m : 0) + (s.LedEnable ? l.LedCol : 0);
  f.Right = s.BordRight ? a.Right : a.Right + l.K;
  a.Top += s.BordTop ? m : 0;
  f.Top = s.BordTop ? a.Top : a.Top - l.K;
  a.Bottom -= s.BordBottom ? m : 0;
  f.Bottom = s.BordBottom ? a.Bottom : a.Bottom + l.K;
  l.Face = f;
  l.Area = a;

  l.LedRadius = l.LedCol / 3;
  const int ledX = a.Right + l.LedCol * 2 / 3;
  l.Leds = {TPoint{ledX, h * 7 / 10}, TPoint{ledX, h * 3 / 10}};

  // Scale area: half a label clear of the sides.
  TRect sc = a;
  sc.Left += s.LabelWidth;
  sc.Right -= s.LabelWidth;
  sc.Top += h / 20;
  sc.Bottom -= h / 20;
  l.Scale = sc;
  l.BaseY = sc.Top + 13 * sc.Height() / 20;
  l.TickY = sc.Top + 9 * sc.Height() / 20;
  l.Half = (sc.Bottom - (l.BaseY + 1)) / 3;
  l.PeakTip = l.TickY - std::abs(15 * s.LabelHeight / 10) - 1;
  return l;
}

TMeterPanelH::TMeterPanelH(QWidget* parent) : TCustomMeterPanel(parent) {
  resize(250, 73);
  FCaption = QStringLiteral("Panel Meter");
  SetColBack(clBlack);
  TFont f = Font();
  f.Color = clLime;
  SetFont(f);
}

void TMeterPanelH::StartChanged() { FLowerLimit = ValueStart() + 0.2 * (ValueEnd() - ValueStart()); }

void TMeterPanelH::EndChanged() { FUpperLimit = ValueStart() + 0.8 * (ValueEnd() - ValueStart()); }

// ---------------------------------------------------------------- face

void TMeterPanelH::Paint() {
  TVeltorBase::Paint();
  FModel.FixDecadeRange();
  TCanvas& c = DrawBitmap().Canvas();
  c.Font = Font();
  TMeterPanelHSetup s;
  s.LedEnable = FLedEnable;
  s.BordLeft = BordLeft();
  s.BordTop = BordTop();
  s.BordRight = BordRight();
  s.BordBottom = BordBottom();
  s.LabelHeight = std::abs(Font().Height);
  s.LabelWidth = FModel.NonLinear() ? c.TextWidth(QStringLiteral("103")) * 8 / 10
                                    : MaxNumWidth(c, ValueStart(), FModel.ScaleEnd()) * 7 / 10;
  FLayout = MeterPanelHLayout(Width(), Height(), InnerRect(), s);
  PaintFace(c);
  if (FLayout.Valid()) {
    PaintScale(c);
    PaintCaption(c);
  }
  FinishPaint();
}

void TMeterPanelH::PaintFace(TCanvas& c) {
  const TMeterPanelHLayout& l = FLayout;
  c.Pen = TPen{FColShape, 1, psSolid, pmCopy};
  c.Brush = TBrush{ColBack(), bsSolid};
  const TRect f = l.Face;
  if (FShape == smtRoundrect) {
    c.RoundRect(f.Left, f.Top, f.Right, f.Bottom, l.K, l.K);
  } else {
    c.Rectangle(f);
  }
}

void TMeterPanelH::PaintScale(TCanvas& c) {
  const TMeterPanelHLayout& l = FLayout;
  const TRect& sc = l.Scale;
  c.Pen = TPen{FColScala, 2, psSolid, pmCopy};
  c.MoveTo(sc.Left, l.BaseY);
  c.LineTo(sc.Right, l.BaseY);

  c.Font = Font();
  c.Brush.Style = bsClear;
  const int fh = std::abs(Font().Height);
  const bool decade = FModel.NonLinear();
  const int minorTop = l.TickY + (l.BaseY - l.TickY) / 3;
  const int lastMajor = decade ? FModel.Decades() : FModel.ScalaPart();
  // Labels stand on the major ticks, below the row of the peak pointer.
  const int labelTop = l.TickY - fh - 2;
  TRect first, last;
  int major = 0;
  for (const TScaleTick& t : FModel.Ticks()) {
    const int x = ScalePixel(t.Fraction);
    c.Pen.Width = t.Major ? 2 : 1;
    c.MoveTo(x, l.BaseY);
    c.LineTo(x, t.Major ? l.TickY : minorTop);
    if (!t.Major) continue;
    TRect box;
    if (decade) {
      const int lw = c.TextWidth(QStringLiteral("103"));
      DrawPow10(x - lw / 2, labelTop, c, t.Value);
      box = TRect(x - lw / 2 - 2, labelTop - 1, x + lw / 2 + 3, labelTop + fh + 2);
    } else {
      const QString text = FModel.LinearLabel(t.Value);
      const int tw = c.TextWidth(text);
      c.TextOut(x - tw / 2, labelTop, text);
      box = TRect(x - tw / 2 - 2, labelTop - 1, x - tw / 2 + tw + 3, labelTop + fh + 2);
    }
    if (major == 0) first = box;
    if (major == lastMajor) last = box;
    ++major;
  }
  SetLabelBoxes(first, last);
}

void TMeterPanelH::PaintCaption(TCanvas& c) {
  const TMeterPanelHLayout& l = FLayout;
  const TRect& sc = l.Scale;
  const TRect strip(sc.Left, l.BaseY + 1, sc.Right, sc.Bottom);
  c.Brush = TBrush{ColBack(), bsSolid};
  c.FillRect(strip);
  c.Font = FFontCapt;
  c.Brush.Style = bsClear;
  c.TextRect(strip, sc.Left + (sc.Width() - c.TextWidth(FCaption)) / 2, l.BaseY + 1, FCaption);
  DrawMakerMark(c, l.Area.Left + 3, l.Area.Bottom - 11);
}

// ---------------------------------------------------------------- motion

int TMeterPanelH::ScalePixel(double fraction) const {
  const TRect& sc = FLayout.Scale;
  return sc.Left + int(RoundHalfEven(fraction * sc.Width()));
}

TLedSpot TMeterPanelH::LedSpot(int i) const {
  TLedSpot spot;
  spot.Cx = FLayout.Leds[i & 1].X;
  spot.Cy = FLayout.Leds[i & 1].Y;
  spot.R = FLayout.LedRadius;
  return spot;
}

void TMeterPanelH::DrawPointers(TCanvas& c, int pos, int peakPos) {
  const TMeterPanelHLayout& l = FLayout;
  if (!l.Valid()) return;
  const int h = l.Half;
  const int bottom = l.Scale.Bottom;
  c.Brush.Color = FColPointer;
  const TPoint pointer[3] = {{pos, l.BaseY + 1 - 3 * h}, {pos - h, bottom}, {pos + h, bottom}};
  c.Polygon(pointer, 3);
  if (FModel.PeakMode() != ppNone) {
    c.Brush.Color = FColPeakPtr;
    const int base = l.PeakTip - 15 * h / 10;
    const TPoint peak[3] = {{peakPos, l.PeakTip}, {peakPos - h, base}, {peakPos + h, base}};
    c.Polygon(peak, 3);
  }
}

}  // namespace Veltor
