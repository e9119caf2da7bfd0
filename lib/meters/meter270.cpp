#include "meters/meter270.h"

#include "buttons/led.h"
#include "foundation/drawhelpers.h"
#include "foundation/helpers.h"
#include "foundation/numformat.h"

#include <QMouseEvent>

#include <algorithm>
#include <cstdlib>

namespace Veltor {

namespace {

// Dial radii in dial units.
constexpr int kZoneOuter = 650;
constexpr int kZoneInner = 580;
constexpr int kTickInner = 670;
constexpr int kTickOuter = 760;
constexpr int kHub = 150;
// The scale starts 135 degrees anticlockwise from straight up.
constexpr double kStartTurn = -135;

TPoint Turn(TPoint centre, TPoint p, double degrees) { return RotatePoint(centre, p, degrees); }

TPolygon3 TurnAll(TPoint centre, const std::array<TPoint, 3>& poly, double degrees) {
  return {Turn(centre, poly[0], degrees), Turn(centre, poly[1], degrees), Turn(centre, poly[2], degrees)};
}

TRect Box(TPoint topLeft, TPoint bottomRight) { return {topLeft.X, topLeft.Y, bottomRight.X, bottomRight.Y}; }

TRect Intersect(const TRect& a, const TRect& b) {
  TRect r(std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right), std::min(a.Bottom, b.Bottom));
  return r.IsEmpty() ? TRect() : r;
}

}  // namespace

TPoint TMeter270Layout::P(int x, int y) const {
  return {R.Left + std::abs(x - XMin) * R.Width() / (XMax - XMin),
          R.Top + std::abs(y - YMax) * R.Height() / (YMax - YMin)};
}

TMeter270Layout Meter270Layout(int width, int height, const TRect& inner) {
  TMeter270Layout l;
  l.M = (height > width ? width : height) / 40;
  l.R = inner;
  l.R.Shrink(l.M);
  l.XMin = l.YMin = -1000;
  l.XMax = l.YMax = 1000;
  if (!l.Valid()) return l;
  const int w = l.R.Width();
  const int h = l.R.Height();
  if (height > width) {
    const int y0 = std::max(1, int(RoundHalfEven(h * 1000.0 / w)));
    l.YMax = y0;
    l.YMin = -y0;
    l.Q = w / 4;
  } else {
    const int x0 = std::max(1, int(RoundHalfEven(w * 1000.0 / h)));
    l.XMax = x0;
    l.XMin = -x0;
    l.Q = h / 4;
  }
  l.C = l.P(0, 0);
  const TPoint c = l.C;
  const int hr = l.P(kHub, 0).X - c.X;
  l.HubRadius = hr;
  const int y650 = l.P(-kZoneOuter, kZoneOuter).Y;
  l.Needle = TurnAll(c, {TPoint{c.X, y650 - hr}, TPoint{c.X - l.M, c.Y - hr}, TPoint{c.X + l.M, c.Y - hr}}, kStartTurn);
  const int mp = l.M * 17 / 10;
  const int peakY = (y650 - hr) * 20 / 18;
  l.Peak = TurnAll(c, {TPoint{c.X, peakY}, TPoint{c.X - mp, peakY - mp}, TPoint{c.X + mp, peakY - mp}}, kStartTurn);
  l.LedRadius = hr / 2;
  const int d = l.LedRadius * 5 / 2;
  l.Leds = {TPoint{l.R.Left + d, l.R.Bottom - d}, TPoint{l.R.Right - d, l.R.Bottom - d}};
  l.Readout = Box(l.P(-400, -450), l.P(400, -740));
  return l;
}

TMeter270::TMeter270(QWidget* parent) : TVeltorBase(parent) {
  resize(200, 200);
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

void TMeter270::RepaintDial() {
  if (Painted()) Repaint();
}

void TMeter270::SetPointerColour(TColor& field, TColor v) {
  if (field == v) return;
  field = v;
  UpdateNeedle(true);
}

void TMeter270::SetValue(double v) {
  if (FModel.SetValue(v)) UpdateNeedle(false);
}

void TMeter270::SetDispItalic(bool v) {
  FReadout.DigItalic = v;
  RepaintDial();
}

void TMeter270::SetDispFixPnt(bool v) {
  FModel.SetDispFixPnt(v);
  RepaintDial();
}

void TMeter270::SetDamping(int v) {
  if (!FModel.SetDamping(v)) return;
  if (FModel.Damping() > 0) {
    FTicker.SetInterval(10);
  } else {
    FTicker.Stop();
  }
}

void TMeter270::SetDampPeak(int v) {
  if (FModel.SetDampPeak(v) && FModel.DampPeak() > 0) FTicker.SetInterval(10);
}

void TMeter270::SetPeakMode(TPeakPtrMode v) {
  if (FModel.SetPeakMode(v)) UpdateNeedle(true);
}

void TMeter270::ResetPeak() {
  if (FModel.ResetPeak()) UpdateNeedle(true);
}

void TMeter270::StyleChanged(QObject*) { Invalidate(); }

void TMeter270::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    UpdateNeedle((Message.LParam & 0xFF) != 0);
    return;
  }
  TVeltorBase::WndProc(Message);
}

void TMeter270::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit OnDblClick(this);
}

// ---------------------------------------------------------------- dial

void TMeter270::Paint() {
  TVeltorBase::Paint();
  SetPainted(true);
  FModel.FixDecadeRange();
  TCanvas& c = DrawBitmap().Canvas();
  c.Font = Font();
  FLayout = Meter270Layout(Width(), Height(), InnerRect());
  FInnerRect = FLayout.R;
  FStartLabelBox = FEndLabelBox = TRect();
  for (TCellCache& cell : FCells) cell = TCellCache();
  if (FLayout.Valid()) {
    PaintFace(c);
    PaintZones(c);
    PaintScale(c);
    PaintReadout(c);
  }
  FModel.ClearMarks();
  UpdateNeedle(true);
}

void TMeter270::PaintFace(TCanvas& c) {
  const TMeter270Layout& l = FLayout;
  TRect f = l.R;
  if (!BordRight()) f.Right += l.Q;
  if (!BordLeft()) f.Left -= l.Q;
  if (!BordTop()) f.Top -= l.Q;
  if (!BordBottom()) f.Bottom += l.Q;
  const TRect square = Box(l.P(-1000, 1000), l.P(1000, -1000));
  c.Pen = TPen{FColShape, 1, psSolid, pmCopy};
  c.Brush = TBrush{ColBack(), bsSolid};
  const int e = l.Q / 2;
  switch (FShape) {
    case sstRectangle: c.Rectangle(f); break;
    case sstSquare: c.Rectangle(square); break;
    case sstRoundrect: c.RoundRect(f.Left, f.Top, f.Right, f.Bottom, e, e); break;
    case sstRoundSquare: c.RoundRect(square.Left, square.Top, square.Right, square.Bottom, e, e); break;
    case sstCircle: c.Ellipse(square); break;
  }
}

void TMeter270::PaintZones(TCanvas& c) {
  const TMeter270Layout& l = FLayout;
  const TPoint z0 = l.P(-kZoneOuter, -kZoneOuter);
  const TRect box = Box(l.P(-kZoneOuter, kZoneOuter), l.P(kZoneOuter, -kZoneOuter));
  const auto angle = [this](double v) { return std::clamp(FModel.Fraction(v), 0.0, 1.0) * kSweep; };
  const struct {
    TColor colour;
    double from, to;
  } zones[] = {{FColMin, FModel.ValueMinA(), FModel.ValueMinE()},
               {FColMid, FModel.ValueMidA(), FModel.ValueMidE()},
               {FColMax, FModel.ValueMaxA(), FModel.ValueMaxE()}};
  c.Pen = TPen{FColShape, 2, psClear, pmCopy};
  for (const auto& z : zones) {
    const TPoint a = Turn(l.C, z0, angle(z.from));
    const TPoint e = Turn(l.C, z0, angle(z.to));
    // Equal radials would make the pie a full ring: an empty zone shows nothing.
    if (a == e) continue;
    c.Brush = TBrush{z.colour, bsSolid};
    c.Pie(box.Left, box.Top, box.Right, box.Bottom, e.X, e.Y, a.X, a.Y);
  }
  c.Brush = TBrush{ColBack(), bsSolid};
  c.Pen = TPen{ColBack(), 2, psSolid, pmCopy};
  c.Ellipse(Box(l.P(-kZoneInner, kZoneInner), l.P(kZoneInner, -kZoneInner)));
}

void TMeter270::PaintScale(TCanvas& c) {
  const TMeter270Layout& l = FLayout;
  c.Brush.Style = bsClear;
  c.Pen = TPen{FColScala, 2, psSolid, pmCopy};
  TPoint ti = l.P(0, kTickInner);
  TPoint to = l.P(0, kTickOuter);
  if (FontAutom()) c.Font.Height = std::abs((to.Y - ti.Y) * 3 / 2);
  const bool decade = FModel.NonLinear();
  int lw;
  if (decade) {
    lw = c.TextWidth(QStringLiteral("103")) + 1;
  } else {
    const TFont dialFont = c.Font;
    c.Font = Font();
    lw = MaxNumWidth(c, FModel.ValueStart(), FModel.ScaleEnd()) + 1;
    c.Font = dialFont;
  }
  const int fh = std::abs(c.Font.Height);
  const TPoint lc{l.C.X - lw / 2, l.C.Y - fh / 2};
  TPoint tl{to.X - lw / 2, to.Y - fh * 3 / 2};
  ti = Turn(l.C, ti, kStartTurn);
  to = Turn(l.C, to, kStartTurn);
  tl = Turn(lc, tl, kStartTurn);

  const std::vector<TScaleTick> ticks = FModel.Ticks();
  const int lastMajor = decade ? FModel.Decades() : FModel.ScalaPart();
  int major = 0;
  for (const TScaleTick& t : ticks) {
    const double a = t.Fraction * kSweep;
    c.Pen.Width = t.Major ? 2 : 1;
    const TPoint p1 = Turn(l.C, ti, a);
    const TPoint p2 = Turn(l.C, to, a);
    c.MoveTo(p1.X, p1.Y);
    c.LineTo(p2.X, p2.Y);
    if (!t.Major) continue;
    const TPoint q = Turn(lc, tl, a);
    TRect box;
    if (decade) {
      DrawPow10(q.X, q.Y, c, t.Value);
      box = TRect(q.X - 2, q.Y - 2, q.X - 2 + lw + 5, q.Y - 2 + fh + 3);
    } else {
      const QString text = FModel.LinearLabel(t.Value);
      const int tw = c.TextWidth(text);
      const int off = (lw - tw) / 2;
      c.TextOut(q.X + off, q.Y, text);
      const int h = std::abs(c.Font.Height);
      box = TRect(q.X + off - 2, q.Y, q.X + off - 2 + tw + 5, q.Y + h + 3);
    }
    if (major == 0) FStartLabelBox = box;
    if (major == lastMajor) FEndLabelBox = box;
    ++major;
  }
}

void TMeter270::PaintReadout(TCanvas& c) {
  const TMeter270Layout& l = FLayout;
  const TRect d = l.Readout;
  const int dh = d.Height() * 8 / 10;
  c.Brush = TBrush{FColDBack, bsSolid};
  c.Pen = TPen{FColDRand, 1, psSolid, pmCopy};
  if (FDispEnable) {
    c.Rectangle(d);
    TRect cells = d;
    cells.Shrink(dh / 8);
    FReadout.Layout(cells, kReadoutCells, FColDBack);
  }
  if (FontAutom()) c.Font.Height = std::abs(dh * 2 / 3);
  c.Brush.Style = bsClear;
  c.TextOut(d.Left + (d.Width() - c.TextWidth(FCaption)) / 2, d.Bottom, FCaption);

  // Hub.
  const int hr = l.HubRadius;
  c.Pen = TPen{FColShape, 1, psSolid, pmCopy};
  c.Brush = TBrush{FColCircle, bsSolid};
  c.Ellipse(l.C.X - hr, l.C.Y - hr, l.C.X + hr, l.C.Y + hr);

  // LED sockets; the lamps are composed with the needle.
  const int lr = l.LedRadius;
  if (FLedEnable) {
    c.Pen = TPen{clGray, 1, psSolid, pmCopy};
    c.Brush = TBrush{clMaroon, bsSolid};
    for (const TPoint& p : l.Leds) c.Ellipse(p.X - lr, p.Y - lr, p.X + lr, p.Y + lr);
  }

  // Maker's mark.
  c.Brush.Style = bsClear;
  TFont mark;
  mark.Name = QStringLiteral("Arial");
  mark.Height = -9;
  mark.Color = clGray;
  c.Font = mark;
  c.TextOut(l.Leds[0].X + (lr - 1) + 4, l.Leds[0].Y, QString::fromLatin1(kMakerMark));
}

// ---------------------------------------------------------------- needle

void TMeter270::UpdateNeedle(bool force) {
  if (!Painted()) return;
  const TMeterStep step = FModel.Step();
  TRect readout;
  if (FDispEnable && FReadout.DigCount() > 0) {
    const QString text = FModel.ReadoutText();
    if (force || text != FReadoutText) {
      FReadoutText = text;
      readout = DrawReadout(text, force);
    }
  }
  const TMeter270Layout& l = FLayout;
  const TPoint tip = Turn(l.C, l.Needle[0], FModel.NeedleFraction() * kSweep);
  const bool peak = FModel.PeakMode() != ppNone;
  const TPoint peakTip = peak ? Turn(l.C, l.Peak[0], FModel.PeakFraction() * kSweep) : FPeakTip;
  if (force || !readout.IsEmpty() || tip != FNeedleTip || peakTip != FPeakTip || peak != FPeakShown) {
    FNeedleTip = tip;
    FPeakTip = peakTip;
    Recompose(force, readout);
  }
  if (step.UpperLim) emit OnUpperLim(this);
  if (step.LowerLim) emit OnLowerLim(this);
}

TRect TMeter270::DrawReadout(const QString& text, bool all) {
  // Like the read-out's own SetText, but a cell that already shows its
  // character is left alone, and a character drawn once in a cell is copied
  // from then on: seven-segment cells are costly to draw.
  TCanvas& dial = DrawBitmap().Canvas();
  TRect changed;
  int d = 1;
  for (qsizetype i = 0; i < text.size() && d <= FReadout.DigCount() && d <= kReadoutCells; ++i, ++d) {
    QChar point;
    if (i + 1 < text.size() && PointMaskFor(text[i + 1]) != 0) point = text[i + 1];
    const QString key = point.isNull() ? QString(text[i]) : QString(text[i]) + point;
    if (!point.isNull()) ++i;
    TCellCache& cell = FCells[d - 1];
    if (!all && cell.Shown == key) continue;
    cell.Shown = key;
    const TRect r = FReadout.Digit(d)->CellRect;
    const auto cached = cell.Pictures.constFind(key);
    if (cached != cell.Pictures.constEnd()) {
      dial.Draw(r.Left, r.Top, *cached);
    } else {
      FReadout.DrawOne(key[0], point, FColDisplay, dial, d);
      if (!r.IsEmpty()) cell.Pictures.insert(key, DrawBitmap().Image().copy(r.ToQRect()));
    }
    changed = changed.IsEmpty() ? r
                                : TRect(std::min(changed.Left, r.Left), std::min(changed.Top, r.Top),
                                        std::max(changed.Right, r.Right), std::max(changed.Bottom, r.Bottom));
  }
  return changed;
}

void TMeter270::Recompose(bool full, const TRect& readout) {
  const TMeter270Layout& l = FLayout;
  const TRect client(0, 0, Width(), Height());
  const auto bounds = [&client](const TPolygon3& poly) {
    TRect r(poly[0].X, poly[0].Y, poly[0].X, poly[0].Y);
    for (const TPoint& p : poly) {
      r.Left = std::min(r.Left, p.X);
      r.Top = std::min(r.Top, p.Y);
      r.Right = std::max(r.Right, p.X);
      r.Bottom = std::max(r.Bottom, p.Y);
    }
    r.Shrink(-2);
    return Intersect(r, client);
  };
  const bool peak = FModel.PeakMode() != ppNone;
  const TPolygon3 needle = TurnAll(l.C, l.Needle, FModel.NeedleFraction() * kSweep);
  const TPolygon3 peakPoly = peak ? TurnAll(l.C, l.Peak, FModel.PeakFraction() * kSweep) : FPeakPoly;

  // Only what the pointers covered before and cover now goes back to the
  // static dial; the rest of the composite is still right.
  std::vector<TRect> dirty;
  if (full || !l.Valid()) {
    dirty.push_back(client);
  } else {
    dirty.push_back(bounds(FNeedlePoly));
    dirty.push_back(bounds(needle));
    if (FPeakShown) dirty.push_back(bounds(FPeakPoly));
    if (peak) dirty.push_back(bounds(peakPoly));
    if (!readout.IsEmpty()) dirty.push_back(readout);
    // A copy wipes a range mark, so a box that may carry one is copied whole.
    if (FModel.MarksActive()) {
      dirty.push_back(FEndLabelBox);
      dirty.push_back(FStartLabelBox);
    }
  }
  FNeedlePoly = needle;
  FPeakPoly = peakPoly;
  FPeakShown = peak;

  TCanvas& back = BackBitmap().Canvas();
  const QImage& dial = DrawBitmap().Image();
  for (const TRect& r : dirty) back.CopyRect(r, dial, r);
  if (l.Valid()) {
    back.Pen = TPen{FColPointer, 1, psClear, pmCopy};
    back.Brush = TBrush{FColPointer, bsSolid};
    back.Polygon(needle.data(), 3);
    if (peak) {
      back.Brush.Color = FColPeakPtr;
      back.Polygon(peakPoly.data(), 3);
    }
    for (int i = 0; i < 2; ++i) {
      const TRect led = LedBounds(i);
      if (std::any_of(dirty.begin(), dirty.end(), [&led](const TRect& r) { return !Intersect(r, led).IsEmpty(); }))
        DrawLamp(back, i);
    }
  }
  const QImage& composite = BackBitmap().Image();
  for (const TRect& r : dirty) Canvas().CopyRect(r, composite, r);
  DrawMarks(false);
}

void TMeter270::DrawMarks(bool toggle) {
  if (!Painted()) return;
  TCanvas& c = Canvas();
  const auto xorBox = [&](const TRect& r) {
    c.Pen = TPen{clBlack, 1, psClear, pmXor};
    c.Brush = TBrush{ColBack() == clBlack ? clWhite : FColPointer, bsSolid};
    c.Rectangle(r);
    c.Pen.Mode = pmCopy;
  };
  if (FModel.EndMarkStep(toggle)) xorBox(FEndLabelBox);
  if (FModel.StartMarkStep(toggle)) xorBox(FStartLabelBox);
}

TRect TMeter270::LedBounds(int i) const {
  const TPoint c = FLayout.Leds[i & 1];
  const int r = FLayout.LedRadius;
  return TRect(c.X - r, c.Y - r, c.X + r + 1, c.Y + r + 1);
}

void TMeter270::DrawLamp(TCanvas& canvas, int i) {
  if (!FLedEnable) return;
  const TMeterLed& led = FModel.Led(i);
  TLedSpot spot;
  spot.Cx = FLayout.Leds[i].X;
  spot.Cy = FLayout.Leds[i].Y;
  spot.R = FLayout.LedRadius - 1;
  DrawLedLamp(canvas, spot, led.Color, led.Lit());
}

void TMeter270::DrawLed(int i) {
  if (!Painted() || !FLayout.Valid()) return;
  DrawLamp(BackBitmap().Canvas(), i);
  DrawLamp(Canvas(), i);
}

void TMeter270::SetLedColor(int i, TColor v) {
  TMeterLed& led = FModel.Led(i);
  if (led.Color == v) return;
  led.Color = v;
  led.Phase = led.On;
  DrawLed(i);
}

void TMeter270::SetLedOn(int i, bool v) {
  TMeterLed& led = FModel.Led(i);
  if (led.On == v) return;
  led.On = v;
  led.Phase = v;
  DrawLed(i);
}

void TMeter270::SetLedBlink(int i, bool v) {
  TMeterLed& led = FModel.Led(i);
  if (led.Blink == v) return;
  led.Blink = v;
  DrawLed(i);
}

void TMeter270::BlinkTick() {
  if (!Painted()) return;
  if (FLedEnable) {
    FModel.BlinkLeds(BlinkState());
    for (int i = 0; i < 2; ++i)
      if (FModel.Led(i).Blink) DrawLed(i);
  }
  if (FModel.MarksActive()) DrawMarks(true);
}

}  // namespace Veltor
