#include "meters/dial_layout.h"

#include "foundation/helpers.h"
#include "foundation/numformat.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace Veltor {

namespace {

using MeterEnums::orBottom;
using MeterEnums::orLeft;
using MeterEnums::orRight;
using MeterEnums::orTop;
using MeterEnums::TOrientType;

// Pixels between a label and the tick ends, enough for the range-mark box
// around it to clear them too.
constexpr int kLabelGap = 4;

int Round(double v) { return int(RoundHalfEven(v)); }

TPolygon3 TurnAll(TPoint centre, const TPolygon3& poly, double degrees) {
  return {RotatePoint(centre, poly[0], degrees), RotatePoint(centre, poly[1], degrees),
          RotatePoint(centre, poly[2], degrees)};
}

// The rectangle spanned by two mapped corners, whichever way the axes run.
TRect Span(TPoint a, TPoint b) {
  return {std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
}

// A slim triangle along the template axis (+y) from radius `from` to `to`,
// halfWidth pixels either side at its base, turned to the scale start.
TPolygon3 NeedleFrom(const TDialLayout& l, int from, int to, int halfWidth) {
  const TPoint base = l.P(0, from);
  const TPoint tip = l.P(0, to);
  return TurnAll(l.C, {tip, TPoint{l.C.X - halfWidth, base.Y}, TPoint{l.C.X + halfWidth, base.Y}}, l.StartTurn);
}

// An arrowhead whose tip lies at radius `tip` and whose base lies `depth`
// pixels further out, halfWidth either side, turned to the scale start.
TPolygon3 ArrowAt(const TDialLayout& l, int tip, int depth, int halfWidth) {
  const TPoint t = l.P(0, tip);
  const int out = t.Y < l.C.Y ? -depth : depth;
  return TurnAll(l.C, {t, TPoint{l.C.X - halfWidth, t.Y + out}, TPoint{l.C.X + halfWidth, t.Y + out}}, l.StartTurn);
}

// The frame, face and LEDs shared by the 270 and 360 degree dials: centre in
// the middle, 1000 units to half the shorter side of R.
TDialLayout CentredDial(int width, int height, const TRect& inner, TDialSides sides, TShapeTypeT shape) {
  TDialLayout l;
  l.M = std::min(width, height) / 40;
  l.R = inner;
  l.R.Shrink(l.M);
  if (!l.Valid()) return l;
  const int w = l.R.Width();
  const int h = l.R.Height();
  int q;
  if (height > width) {
    const int y0 = std::max(1, Round(h * 1000.0 / w));
    l.YTop = y0;
    l.YBottom = -y0;
    q = w / 4;
  } else {
    const int x0 = std::max(1, Round(w * 1000.0 / h));
    l.XLeft = -x0;
    l.XRight = x0;
    q = h / 4;
  }
  l.C = l.P(0, 0);

  // Switched-off sides let the face run past the edge by a quarter side.
  TRect f = l.R;
  if (!sides.Right) f.Right += q;
  if (!sides.Left) f.Left -= q;
  if (!sides.Top) f.Top -= q;
  if (!sides.Bottom) f.Bottom += q;
  const TRect square = Span(l.P(-1000, 1000), l.P(1000, -1000));
  const bool squared = shape == sstSquare || shape == sstRoundSquare || shape == sstCircle;
  l.FaceRect = squared ? square : f;
  l.Face = shape == sstCircle                                 ? TFaceKind::Ellipse
           : shape == sstRoundrect || shape == sstRoundSquare ? TFaceKind::RoundRect
                                                              : TFaceKind::Rectangle;
  l.Corner = q / 2;

  l.HubRadius = l.Length(150);
  l.LedRadius = l.HubRadius / 2;
  const int d = l.LedRadius * 5 / 2;
  l.Leds = {TPoint{l.R.Left + d, l.R.Bottom - d}, TPoint{l.R.Right - d, l.R.Bottom - d}};
  l.Mark = TPoint{l.Leds[0].X + (l.LedRadius - 1) + 4, l.Leds[0].Y};
  return l;
}

// Per-side face of the 120 and 180: a drawn side moves R in by m and is the
// face edge; a side switched off keeps R and puts the face edge s outside.
void SideFace(TDialLayout& l, int width, int height, const TRect& inner, TDialSides sides, TmShapeType shape) {
  const int shorter = std::min(width, height);
  const int m = shorter / 40;
  const int s = shorter / 5;
  l.M = m;
  l.R = inner;
  TRect& f = l.FaceRect;
  f = inner;
  if (sides.Left)
    f.Left = l.R.Left += m;
  else
    f.Left -= s;
  if (sides.Top)
    f.Top = l.R.Top += m;
  else
    f.Top -= s;
  if (sides.Right)
    f.Right = l.R.Right -= m;
  else
    f.Right += s;
  if (sides.Bottom)
    f.Bottom = l.R.Bottom -= m;
  else
    f.Bottom += s;
  l.Face = shape == smtRectangle ? TFaceKind::Rectangle : TFaceKind::RoundRect;
  l.Corner = s / 2;
}

// Axis ranges of a scale facing up or down. With `wide` the x axis spans
// -halfX .. halfX and y follows isotropically from `pivot` (the dial y at the
// pivot-side edge); otherwise y spans pivot .. far and x -narrowX .. narrowX.
// Facing down, the y axis runs downwards.
void TopBottomFrame(TDialLayout& l, TOrientType o, bool wide, int halfX, int narrowX, int pivot, int far) {
  if (wide) {
    far = pivot + Round(2.0 * halfX * l.R.Height() / l.R.Width());
  } else {
    halfX = narrowX;
  }
  l.XLeft = -halfX;
  l.XRight = halfX;
  l.YTop = o == orBottom ? pivot : far;
  l.YBottom = o == orBottom ? far : pivot;
}

// Axis ranges of a scale facing left or right. With `tall` the x axis spans
// pivot .. far and y follows isotropically around 0; otherwise y spans
// halfY .. -halfY and x pivot .. narrowFar. Facing right, x is mirrored.
void LeftRightFrame(TDialLayout& l, TOrientType o, bool tall, int pivot, int far, int halfY, int narrowFar) {
  if (tall) {
    halfY = Round((far - pivot) * double(l.R.Height()) / l.R.Width() / 2);
  } else {
    far = narrowFar;
  }
  l.YTop = halfY;
  l.YBottom = -halfY;
  l.XLeft = o == orRight ? far : pivot;
  l.XRight = o == orRight ? pivot : far;
}

// Scale direction, zones, ticks and labels common to the 120 and 180.
void SideScale(TDialLayout& l, TOrientType o, int sweep, double a0) {
  const int dir = o == orTop || o == orRight ? 1 : -1;
  l.StartTurn = dir * -90 + a0;
  l.Sweep = dir * sweep;
  l.C = l.P(0, 0);
  l.ZoneInner = 680;
  l.ZoneOuter = 750;
  l.ZoneDisc = false;
  l.ZoneStart = RotatePoint(l.C, l.P(0, l.ZoneOuter), l.StartTurn);
  l.TickInner = 760;
  l.TickOuter = 840;
  l.LabelGap = kLabelGap;
  l.LedRadius = l.Length(50);
}

// Read-out box, caption, LEDs and maker's mark of the 120 and 180.
void SideParts(TDialLayout& l, TOrientType o, TRect box, TPoint caption, TPoint led1, TPoint led2) {
  l.Readout = box;
  const bool vertical = o == orTop || o == orBottom;
  l.CaptionPlace = !vertical    ? TCaptionPlace::CentredOn
                   : o == orTop ? TCaptionPlace::BelowBox
                                : TCaptionPlace::AboveBox;
  l.CaptionAt = caption;
  l.Leds = {led1, led2};
  l.MarkLeft = o == orLeft;
  const int lamp = l.LedRadius - 1;
  l.Mark = TPoint{l.MarkLeft ? led1.X - lamp - 4 : led1.X + lamp + 4, led1.Y - 8};
}

}  // namespace

TPoint TDialLayout::P(int x, int y) const {
  return {R.Left + int(qint64(x - XLeft) * R.Width() / (XRight - XLeft)),
          R.Top + int(qint64(y - YTop) * R.Height() / (YBottom - YTop))};
}

int TDialLayout::Length(int units) const { return std::abs(P(units, 0).X - P(0, 0).X); }

TDialLayout Meter270Layout(int width, int height, const TRect& inner, TDialSides sides, TShapeTypeT shape) {
  TDialLayout l = CentredDial(width, height, inner, sides, shape);
  if (!l.Valid()) return l;
  const TPoint c = l.C;
  const int hr = l.HubRadius;
  l.ZoneStart = l.P(-l.ZoneOuter, -l.ZoneOuter);
  // The needle reaches from the hub to a hub radius short of the zone ring's
  // box top; the peak arrowhead sits just inside its tip.
  const int y650 = l.P(-l.ZoneOuter, l.ZoneOuter).Y;
  l.Needle =
      TurnAll(c, {TPoint{c.X, y650 - hr}, TPoint{c.X - l.M, c.Y - hr}, TPoint{c.X + l.M, c.Y - hr}}, l.StartTurn);
  const int mp = l.M * 17 / 10;
  const int peakY = (y650 - hr) * 20 / 18;
  l.Peak = TurnAll(c, {TPoint{c.X, peakY}, TPoint{c.X - mp, peakY - mp}, TPoint{c.X + mp, peakY - mp}}, l.StartTurn);
  l.Readout = Span(l.P(-400, -450), l.P(400, -740));
  return l;
}

TDialLayout Meter360Layout(int width, int height, const TRect& inner, TDialSides sides, TShapeTypeT shape) {
  TDialLayout l = CentredDial(width, height, inner, sides, shape);
  if (!l.Valid()) return l;
  l.StartTurn = -180;
  l.Sweep = 360;
  l.LabelGap = kLabelGap;
  // Outer scale 1 on the ring, inner scale 2 inside it.
  l.TickInner = 700;
  l.TickOuter = 760;
  const int hr = l.HubRadius;
  const TPoint c = l.C;
  const auto needle = [&](int units) {
    return TurnAll(c, {TPoint{c.X, l.P(0, units).Y}, TPoint{c.X - l.M, c.Y - hr}, TPoint{c.X + l.M, c.Y - hr}},
                   l.StartTurn);
  };
  l.Needle = needle(850);
  l.Needle2 = needle(620);
  l.Peak = ArrowAt(l, 620, l.M * 17 / 10, l.M * 17 / 10);
  l.Readout = Span(l.P(-400, 100), l.P(400, -190));
  const int d = l.LedRadius * 5 / 2;
  l.Leds.push_back(TPoint{l.R.Left + d, l.R.Top + d});
  l.Leds.push_back(TPoint{l.R.Right - d, l.R.Top + d});
  return l;
}

TDialLayout Meter120Layout(int width, int height, const TRect& inner, TDialSides sides, TmShapeType shape,
                           TOrientType o) {
  TDialLayout l;
  SideFace(l, width, height, inner, sides, shape);
  l.Clip = l.FaceRect;
  l.Clip.Shrink(1);
  if (!l.Valid()) return l;
  const int m = l.M;
  const int w = l.R.Width();
  const int h = l.R.Height();
  if (o == orTop || o == orBottom) {
    TopBottomFrame(l, o, height * 23 / 10 > width, 960, Round(800.0 * w / h * 0.5), 250, 1050);
    SideScale(l, o, 120, o == orTop ? 30 : -30);
    SideParts(l, o, Span(l.P(-260, 590), l.P(260, 400)), {}, l.P(-850, 950), l.P(850, 950));
  } else {
    LeftRightFrame(l, o, 2 * width < height, 250, 1100, 920, 250 + Round(920.0 * 2 * w / h));
    SideScale(l, o, 120, o == orLeft ? 60 : -60);
    SideParts(l, o, Span(l.P(250, 75), l.P(655, -75)), l.P(450, 140), l.P(1000, 800), l.P(1000, -800));
  }
  l.Needle = NeedleFrom(l, 75, 825, m * 20 / 10);
  l.Peak = ArrowAt(l, 825, 4 * m, 4 * m);
  return l;
}

TDialLayout Meter180Layout(int width, int height, const TRect& inner, TDialSides sides, TmShapeType shape,
                           TOrientType o) {
  TDialLayout l;
  SideFace(l, width, height, inner, sides, shape);
  if (!l.Valid()) return l;
  const int m = l.M;
  const int w = l.R.Width();
  const int h = l.R.Height();
  if (o == orTop || o == orBottom) {
    TopBottomFrame(l, o, 2 * height - height * 4 / 20 > width, 1100, Round(Round(1050.0 * w / h) * 0.575), -150, 1050);
    SideScale(l, o, 180, 0);
    SideParts(l, o, Span(l.P(-260, 520), l.P(260, 330)), {}, l.P(-1000, 950), l.P(1000, 950));
  } else {
    LeftRightFrame(l, o, 2 * width - width * 7 / 20 < height, -150, 1100, 1050, Round(1050.0 * 2 * w / h));
    SideScale(l, o, 180, o == orLeft ? 90 : -90);
    SideParts(l, o, Span(l.P(0, -150), l.P(515, -340)), l.P(255, 245), l.P(1000, 950), l.P(1000, -950));
  }
  l.HubRadius = l.Length(75);
  const int half = m * 17 / 10;
  l.Needle = NeedleFrom(l, 75, 825, half);
  const int k = half * 2 / 10;
  l.Peak = ArrowAt(l, 825, k, k);
  return l;
}

TRect CaptionRect(const TDialLayout& l, int textWidth, int textHeight) {
  const TRect& d = l.Readout;
  const int x = d.Left + (d.Width() - textWidth) / 2;
  switch (l.CaptionPlace) {
    case TCaptionPlace::UnderBox: return {x, d.Bottom, x + textWidth, d.Bottom + textHeight};
    case TCaptionPlace::BelowBox: return {x, d.Bottom + 2, x + textWidth, d.Bottom + 2 + textHeight};
    case TCaptionPlace::AboveBox: return {x, d.Top - 2 - textHeight, x + textWidth, d.Top - 2};
    case TCaptionPlace::CentredOn: break;
  }
  const int left = l.CaptionAt.X - textWidth / 2;
  const int top = l.CaptionAt.Y - textHeight / 2;
  return {left, top, left + textWidth, top + textHeight};
}

TPoint LabelCentre(const TDialLayout& l, double fraction, int w, int h) {
  const double angle = l.AngleAt(fraction);
  // The tick end the label stands beside, and which way "beyond" runs there
  // in pixels along the template axis before the turn.
  const TPoint end = l.P(0, l.LabelsInside ? l.TickInner : l.TickOuter);
  const int outward = end.Y < l.C.Y ? -1 : 1;
  const int beyond = l.LabelsInside ? -outward : outward;
  int d = h;
  if (l.LabelGap >= 0) {
    // How far the box reaches along the radial from its centre: the label
    // must clear the tick ends by the gap in any direction.
    const double rad = angle * M_PI / 180;
    const double reach = std::fabs(std::sin(rad)) * w / 2 + std::fabs(std::cos(rad)) * h / 2;
    d = std::max(l.LabelsInside ? 0 : h, int(std::ceil(reach)) + l.LabelGap);
  }
  return RotatePoint(l.C, TPoint{end.X, end.Y + beyond * d}, angle);
}

}  // namespace Veltor
