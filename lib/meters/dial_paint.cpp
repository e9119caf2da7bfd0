#include "meters/dial_paint.h"

#include "foundation/drawhelpers.h"
#include "foundation/helpers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Veltor {

namespace {

TRect Square(const TDialLayout& l, int units) {
  const TPoint a = l.P(-units, units);
  const TPoint b = l.P(units, -units);
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

// A pie over the scale from fraction `from` to `to`. The canvas pie runs
// anticlockwise from its first radial, so a clockwise scale starts at `to`.
void ScalePie(TCanvas& c, const TDialLayout& l, const TRect& box, double from, double to) {
  const TPoint a = RotatePoint(l.C, l.ZoneStart, from * l.Sweep);
  const TPoint e = RotatePoint(l.C, l.ZoneStart, to * l.Sweep);
  // Equal radials would make the pie a full ring: an empty zone shows nothing.
  if (a == e) return;
  if (l.Sweep > 0) {
    c.Pie(box.Left, box.Top, box.Right, box.Bottom, e.X, e.Y, a.X, a.Y);
  } else {
    c.Pie(box.Left, box.Top, box.Right, box.Bottom, a.X, a.Y, e.X, e.Y);
  }
}

}  // namespace

void PaintDialFace(TCanvas& c, const TDialLayout& l, TColor outline, TColor fill) {
  const TRect& f = l.FaceRect;
  c.Pen = TPen{outline, 1, psSolid, pmCopy};
  c.Brush = TBrush{fill, bsSolid};
  switch (l.Face) {
    case TFaceKind::Rectangle: c.Rectangle(f); break;
    case TFaceKind::RoundRect: c.RoundRect(f.Left, f.Top, f.Right, f.Bottom, l.Corner, l.Corner); break;
    case TFaceKind::Ellipse: c.Ellipse(f); break;
  }
}

void PaintZoneRing(TCanvas& c, const TDialLayout& l, const TMeterModel& m, const TDialZone (&zones)[3], TColor back) {
  const auto at = [&m](double v) { return std::clamp(m.Fraction(v), 0.0, 1.0); };
  const TRect outer = Square(l, l.ZoneOuter);
  c.Pen = TPen{back, 2, psClear, pmCopy};
  for (const TDialZone& z : zones) {
    c.Brush = TBrush{z.Colour, bsSolid};
    ScalePie(c, l, outer, at(z.From), at(z.To));
  }
  c.Brush = TBrush{back, bsSolid};
  c.Pen = TPen{back, 2, psSolid, pmCopy};
  const TRect inner = Square(l, l.ZoneInner);
  if (l.ZoneDisc) {
    c.Ellipse(inner);
  } else {
    ScalePie(c, l, inner, 0, 1);
  }
}

int ScaleLabelWidth(TCanvas& c, const TMeterModel& m, const TFont& font) {
  if (m.NonLinear()) return c.TextWidth(QStringLiteral("103")) + 1;
  const TFont dialFont = c.Font;
  c.Font = font;
  const int w = MaxNumWidth(c, m.ValueStart(), m.ScaleEnd()) + 1;
  c.Font = dialFont;
  return w;
}

int ScaleFontHeight(const TDialLayout& l) { return std::abs((l.P(0, l.TickOuter).Y - l.P(0, l.TickInner).Y) * 3 / 2); }

TLabelBoxes PaintDialScale(TCanvas& c, const TDialLayout& l, const TMeterModel& m, TColor ticks, int lw) {
  TLabelBoxes boxes;
  c.Brush.Style = bsClear;
  c.Pen = TPen{ticks, 2, psSolid, pmCopy};
  const TPoint ti = RotatePoint(l.C, l.P(0, l.TickInner), l.StartTurn);
  const TPoint to = RotatePoint(l.C, l.P(0, l.TickOuter), l.StartTurn);
  const int fh = std::abs(c.Font.Height);
  const bool decade = m.NonLinear();
  const bool fullCircle = std::fabs(l.Sweep) >= 360;
  const int lastMajor = decade ? m.Decades() : m.ScalaPart();
  int major = 0;
  for (const TScaleTick& t : m.Ticks()) {
    const bool last = t.Major && major == lastMajor;
    if (last && fullCircle) break;
    const double a = t.Fraction * l.Sweep;
    c.Pen.Width = t.Major ? 2 : 1;
    const TPoint p1 = RotatePoint(l.C, ti, a);
    const TPoint p2 = RotatePoint(l.C, to, a);
    c.MoveTo(p1.X, p1.Y);
    c.LineTo(p2.X, p2.Y);
    if (!t.Major) continue;
    // Labels are centred on their place; the box width lw only sets where
    // a decade label starts. What must clear the ticks is the text itself.
    const QString text = decade ? QString() : m.LinearLabel(t.Value);
    const int tw = decade ? lw : c.TextWidth(text);
    const TPoint centre = LabelCentre(l, t.Fraction, tw, fh);
    const TPoint q{centre.X - lw / 2, centre.Y - fh / 2};
    TRect box;
    if (decade) {
      DrawPow10(q.X, q.Y, c, t.Value);
      box = TRect(q.X - 2, q.Y - 2, q.X - 2 + lw + 5, q.Y - 2 + fh + 3);
      boxes.Texts.push_back(TRect(q.X, q.Y, q.X + lw, q.Y + fh));
    } else {
      const int off = (lw - tw) / 2;
      c.TextOut(q.X + off, q.Y, text);
      boxes.Texts.push_back(TRect(q.X + off, q.Y, q.X + off + tw, q.Y + fh));
      box = TRect(q.X + off - 2, q.Y, q.X + off - 2 + tw + 5, q.Y + std::abs(c.Font.Height) + 3);
    }
    if (major == 0) boxes.Start = box;
    if (last) boxes.End = box;
    ++major;
  }
  return boxes;
}

TRect PaintCaption(TCanvas& c, const TDialLayout& l, const QString& text) {
  c.Brush.Style = bsClear;
  const TRect r = CaptionRect(l, c.TextWidth(text), c.TextHeight(text));
  c.TextOut(r.Left, r.Top, text);
  return r;
}

void PaintHub(TCanvas& c, const TDialLayout& l, TColor outline, TColor fill) {
  const int hr = l.HubRadius;
  if (hr <= 0) return;
  c.Pen = TPen{outline, 1, psSolid, pmCopy};
  c.Brush = TBrush{fill, bsSolid};
  c.Ellipse(l.C.X - hr, l.C.Y - hr, l.C.X + hr, l.C.Y + hr);
}

void PaintLedSockets(TCanvas& c, const TDialLayout& l, int first, int count) {
  const int lr = l.LedRadius;
  c.Pen = TPen{clGray, 1, psSolid, pmCopy};
  c.Brush = TBrush{clMaroon, bsSolid};
  for (int i = first; i < first + count && i < int(l.Leds.size()); ++i) {
    const TPoint p = l.Leds[i];
    c.Ellipse(p.X - lr, p.Y - lr, p.X + lr, p.Y + lr);
  }
}

void PaintMakerMark(TCanvas& c, const TDialLayout& l) {
  c.Brush.Style = bsClear;
  TFont mark;
  mark.Name = QStringLiteral("Arial");
  mark.Height = -9;
  mark.Color = clGray;
  c.Font = mark;
  const QString text = QString::fromLatin1(kMakerMark);
  c.TextOut(l.MarkLeft ? l.Mark.X - c.TextWidth(text) : l.Mark.X, l.Mark.Y, text);
}

}  // namespace Veltor
