#include "text/strokeset.h"

#include "foundation/numformat.h"

#include <cmath>

namespace Veltor {
namespace {

constexpr double kDegToRad = 0.01745329252;

struct TTurn {
  bool Identity;
  double Sin, Cos;
  TPointF operator()(TPointF v) const {
    if (Identity) return v;
    return TPointF(v.X * Cos - v.Y * Sin, v.Y * Cos + v.X * Sin);
  }
};

}  // namespace

void TStrokeSet::Layout(const QString& text, const TStrokeParams& p) {
  const TStrokeFont& font = UseAlternative ? AlternativeStrokeFont() : StandardStrokeFont();
  const int n = qMin(int(text.size()), kStrokeMaxText);
  const double s = p.Mirror ? -1 : 1;
  const TTurn turn{p.Rotate == 0, std::sin(p.Rotate * kDegToRad), std::cos(p.Rotate * kDegToRad)};

  TPointF just(0, 0);
  if (p.JustifyHor == stCenter) just.X = n * 0.5 * p.SizeX * s;
  if (p.JustifyHor == stRight) just.X = n * p.SizeX * s;
  if (p.JustifyVert == stMiddle) just.Y = p.SizeY * 0.5;
  if (p.JustifyVert == stTop) just.Y = p.SizeY;
  const TPointF j = turn(just);
  TPointF origin(-j.X, -j.Y);
  Advance = turn(TPointF(p.SizeX * s, 0));

  for (auto& ch : Points) ch.fill(TStrokePoint{});
  Count = n;
  for (int i = 0; i < n; ++i) {
    const ushort code = text.at(i).unicode();
    if (code < 256) {
      const TStrokeGlyph& glyph = font[code];
      for (int k = 0; k < kStrokePoints && glyph[k] != kStrokeEnd; ++k) {
        const TStrokeByte b = UnpackStroke(glyph[k]);
        const double y = b.Y * p.SizeY / 12.0;
        double x = b.X * 0.125 * p.SizeX;
        if (p.Italic) x += y / 3;
        const TPointF r = turn(TPointF(x * s, y));
        Points[i][k] = TStrokePoint{origin.X + r.X, origin.Y + r.Y, b.PenUp ? 0 : 1};
      }
    }
    origin = TPointF(origin.X + Advance.X, origin.Y + Advance.Y);
  }
}

TPoint TStrokeSet::ToScreen(const TStrokePoint& pt, TPoint position) {
  return TPoint(position.X + int(RoundHalfEven(pt.X)), position.Y - int(RoundHalfEven(pt.Y)));
}

}  // namespace Veltor
