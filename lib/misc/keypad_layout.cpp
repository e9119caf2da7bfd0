#include "misc/keypad_layout.h"

#include "foundation/frame3d.h"

#include <algorithm>

namespace Veltor {

namespace {

constexpr int kMinGridSide = 60;
constexpr int kMinPadSide = 20;
constexpr int kKeyBevel = 2;    // the push-button face's frame
constexpr int kArrowInset = 2;  // between the face's edge and the arrow
constexpr TColor kFaceUp = clSilver;
constexpr TColor kFaceDown = TColor(0xB8B8B8);

// The rings on one side of the frame.
int RingWidths(const TFrameLook& look) {
  return (look.BevelIn != bvNone ? look.BevWidth : 0) + (look.BevelOut != bvNone ? look.BevWidth : 0) + look.BordWidth;
}

TPoint Flip(TPoint p, const TRect& f, bool x, bool y) {
  return TPoint(x ? f.Left + f.Right - p.X : p.X, y ? f.Top + f.Bottom - p.Y : p.Y);
}

}  // namespace

QSize KeypadSize(TKeypadShape shape, const TFrameLook& look, int width, int height) {
  switch (shape) {
    case TKeypadShape::Grid: {
      const int side = std::max(width, kMinGridSide);
      return QSize(side, side);
    }
    case TKeypadShape::Column: {
      const int w = std::max(width, kMinPadSide);
      return QSize(w, 2 * (w - RingWidths(look)));
    }
    case TKeypadShape::Row: {
      const int h = std::max(height, kMinPadSide);
      return QSize(2 * (h - RingWidths(look)), h);
    }
  }
  return QSize(width, height);
}

TKeypadLayout KeypadLayout(TKeypadShape shape, const TFrameLook& look, int width, int height) {
  TRect inner = FrameInnerRect(look, width, height);
  // Without a ring on a side the inner area reaches the edge there; pulling
  // it back keeps the keys square.
  const int ring = look.BevWidth + look.BordWidth;
  if (!look.BordRight) inner.Right -= ring;
  if (!look.BordLeft) inner.Left += ring;
  if (shape == TKeypadShape::Row && !look.BordTop) inner.Top += ring;

  TKeypadLayout l;
  const auto square = [&](int col, int row) {
    const int s = l.KeySize;
    return TRect(inner.Left + col * s, inner.Top + row * s, inner.Left + (col + 1) * s, inner.Top + (row + 1) * s);
  };
  switch (shape) {
    case TKeypadShape::Grid:
      l.KeySize = inner.Width() / 3;
      for (int k = 0; k < 9; ++k) l.Keys.push_back(square(k % 3, k / 3));
      break;
    case TKeypadShape::Column:
      l.KeySize = inner.Width();
      l.Keys = {square(0, 0), square(0, 1)};
      break;
    case TKeypadShape::Row:
      l.KeySize = inner.Height();
      l.Keys = {square(0, 0), square(1, 0)};
      break;
  }
  return l;
}

std::vector<TPoint> ArrowPolygon(TArrow arrow, const TRect& f, int s) {
  const int a = s / 2 - 4, b = 2 * a / 3, c = s / 4 - 1;
  const int L = f.Left, T = f.Top, R = f.Right, B = f.Bottom;
  std::vector<TPoint> p;
  switch (arrow) {
    case TArrow::Up:
    case TArrow::Down:
      p = {{L + a, T}, {R, T + a}, {R - b, T + a}, {R - b, B}, {L + b, B}, {L + b, T + a}, {L, T + a}};
      if (arrow == TArrow::Down)
        for (TPoint& q : p) q = Flip(q, f, false, true);
      break;
    case TArrow::Left:
    case TArrow::Right:
      // The up arrow turned: x and y change places.
      p = {{T, L + a}, {T + a, R}, {T + a, R - b}, {B, R - b}, {B, L + b}, {T + a, L + b}, {T + a, L}};
      for (TPoint& q : p) q = TPoint(q.X - T + L, q.Y - L + T);
      if (arrow == TArrow::Right)
        for (TPoint& q : p) q = Flip(q, f, true, false);
      break;
    case TArrow::UpLeft:
    case TArrow::UpRight:
    case TArrow::DownLeft:
    case TArrow::DownRight:
      p = {{L, T}, {R - c, T}, {R - a, T + c}, {R, B - c}, {R - c, B}, {L + c, T + a}, {L, B - c}};
      for (TPoint& q : p)
        q = Flip(q, f, arrow == TArrow::UpRight || arrow == TArrow::DownRight,
                 arrow == TArrow::DownLeft || arrow == TArrow::DownRight);
      break;
    case TArrow::Symbol: break;
  }
  return p;
}

void PaintKey(TCanvas& canvas, const TRect& key, int s, bool down, TArrow arrow, TColor fill, const QImage* symbol) {
  DrawButtonFace(canvas, key, down, false);
  TRect face = key;
  face.Shrink(kKeyBevel);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = down ? kFaceDown : kFaceUp;
  canvas.FillRect(face);
  face.Shrink(kArrowInset);
  if (arrow == TArrow::Symbol) {
    if (symbol && !symbol->isNull()) canvas.StretchDraw(face, *symbol);
    return;
  }
  canvas.Pen.Style = psSolid;
  canvas.Pen.Mode = pmCopy;
  canvas.Pen.Color = clBlack;
  canvas.Pen.Width = down ? 2 : 1;
  canvas.Brush.Color = fill;
  canvas.Polygon(ArrowPolygon(arrow, face, s));
  canvas.Pen.Width = 1;
}

}  // namespace Veltor
