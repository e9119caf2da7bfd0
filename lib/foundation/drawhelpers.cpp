#include "foundation/drawhelpers.h"

#include "foundation/helpers.h"
#include "foundation/numformat.h"

#include <algorithm>
#include <cstdlib>

namespace Veltor {

namespace {

bool IsBreakChar(QChar c) {
  const ushort u = c.unicode();
  return u == ' ' || (u >= 33 && u <= 47) || (u >= 58 && u <= 64) || u == '[' || u == '~';
}

// Restores pen and brush when a helper is done.
class PenBrushGuard {
 public:
  explicit PenBrushGuard(TCanvas& c) : FCanvas(c), FPen(c.Pen), FBrush(c.Brush) {}
  ~PenBrushGuard() {
    FCanvas.Pen = FPen;
    FCanvas.Brush = FBrush;
  }
  PenBrushGuard(const PenBrushGuard&) = delete;
  PenBrushGuard& operator=(const PenBrushGuard&) = delete;

 private:
  TCanvas& FCanvas;
  TPen FPen;
  TBrush FBrush;
};

void Outline3D(TCanvas& canvas, const TRect& r, TColor first, TColor second) {
  const TPen saved = canvas.Pen;
  canvas.Pen.Mode = pmCopy;
  canvas.Pen.Width = 1;
  canvas.Pen.Style = psSolid;
  canvas.Pen.Color = first;
  canvas.MoveTo(r.Left, r.Bottom);
  canvas.LineTo(r.Left, r.Top);
  canvas.LineTo(r.Right, r.Top);
  canvas.Pen.Color = second;
  canvas.LineTo(r.Right, r.Bottom);
  canvas.LineTo(r.Left, r.Bottom);
  canvas.Pen = saved;
}

void ArrowPen(TCanvas& canvas) {
  canvas.Pen = TPen();
  canvas.Pen.Color = clBlack;
  canvas.Brush.Color = clBlack;
  canvas.Brush.Style = bsSolid;
}

void Bar(TCanvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.Pen.Width = 2;
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

}  // namespace

int WrapText(TCanvas& canvas, int width, QString& text) {
  QString rest = text.left(255);
  if (rest.length() <= 3) return 1;
  if (canvas.TextWidth(rest) <= width && !rest.contains(QLatin1Char('|'))) return 1;

  QString out;
  int count = 0;
  while ((canvas.TextWidth(rest) > width || rest.contains(QLatin1Char('|'))) && rest.length() >= 2) {
    // Positions are counted from 1: a break at b keeps the first b characters.
    int b = 0;
    int i = 1;
    for (; i <= int(rest.length()) - 1; ++i) {
      const QChar c = rest.at(i - 1);
      if (c == QLatin1Char('|')) {
        rest[i - 1] = QLatin1Char(' ');
        b = i;
        break;
      }
      if (IsBreakChar(c)) b = (i > 1 && rest.at(i - 2) == QLatin1Char(' ')) ? i - 1 : i;
      if (canvas.TextWidth(rest.left(i)) >= width) break;
    }
    if (b == 0) b = std::min(i, int(rest.length()) - 1);
    b = std::max(b, 1);
    out += QChar(13) + rest.left(b);
    ++count;
    rest.remove(0, b);
  }
  if (!rest.isEmpty()) {
    out += QChar(13) + rest;
    ++count;
  }
  if (out.startsWith(QChar(13))) out.remove(0, 1);
  text = out;
  return count;
}

int MaxNumWidth(TCanvas& canvas, double a, double b) {
  auto width = [&](double v) { return canvas.TextWidth(FloatToStrFixed(v, 4, DecimalsFor(v)).left(10)); };
  return std::max(width(a), width(b));
}

void DrawPow10(int x, int y, TCanvas& canvas, double v) {
  const QString ten = QStringLiteral("10");
  canvas.TextOut(x, y, ten);
  // The exponent starts where the full-size "10" ends.
  const int tenWidth = canvas.TextWidth(ten);
  const int savedSize = canvas.Font.Size();
  canvas.Font.Height = std::abs(canvas.Font.Height * 9 / 10);
  const QString exponent = FormatFloatPattern(QStringLiteral("0e-"), v).mid(2);
  canvas.TextOut(x + tenWidth, y - 3, exponent);
  canvas.Font.SetSize(savedSize);
}

void DrawSunken(TCanvas& canvas, const TRect& r) { Outline3D(canvas, r, clGray, clWhite); }

void DrawRaised(TCanvas& canvas, const TRect& r) { Outline3D(canvas, r, clWhite, clGray); }

void DrawFramedRaised(TCanvas& canvas, TRect& r) {
  canvas.FrameRect(TRect(r.Left, r.Top, r.Right + 1, r.Bottom + 1));
  r.Shrink(1);
  DrawRaised(canvas, r);
}

void DrawArrowUp(TCanvas& canvas, const TRect& r, bool withBar) {
  PenBrushGuard guard(canvas);
  ArrowPen(canvas);
  const int a = r.Width() / 4, b = r.Height() / 5, h = r.Width() / 2;
  const TPoint tri[3] = {{r.Left + a, r.Bottom - b}, {r.Right - a, r.Bottom - b}, {r.Left + h, r.Top + b}};
  canvas.Polygon(tri, 3);
  if (withBar) Bar(canvas, r.Left + a, r.Top + b, r.Right - a + 1, r.Top + b);
}

void DrawArrowDown(TCanvas& canvas, const TRect& r, bool withBar) {
  PenBrushGuard guard(canvas);
  ArrowPen(canvas);
  const int a = r.Width() / 4, b = r.Height() / 5, h = r.Width() / 2;
  const TPoint tri[3] = {{r.Left + a, r.Top + b}, {r.Right - a, r.Top + b}, {r.Left + h, r.Bottom - b}};
  canvas.Polygon(tri, 3);
  if (withBar) Bar(canvas, r.Left + a, r.Bottom - b, r.Right - a + 1, r.Bottom - b);
}

void DrawArrowLeft(TCanvas& canvas, const TRect& r, bool withBar) {
  PenBrushGuard guard(canvas);
  ArrowPen(canvas);
  const int a = r.Height() / 4, b = r.Width() / 5, h = r.Height() / 2;
  const TPoint tri[3] = {{r.Right - b, r.Bottom - a}, {r.Right - b, r.Top + a}, {r.Left + b, r.Top + h}};
  canvas.Polygon(tri, 3);
  if (withBar) Bar(canvas, r.Left + b, r.Top + a, r.Left + b, r.Bottom - a);
}

void DrawArrowRight(TCanvas& canvas, const TRect& r, bool withBar) {
  PenBrushGuard guard(canvas);
  ArrowPen(canvas);
  const int a = r.Height() / 4, b = r.Width() / 5, h = r.Height() / 2;
  const TPoint tri[3] = {{r.Left + b, r.Bottom - a}, {r.Left + b, r.Top + a}, {r.Right - b, r.Top + h}};
  canvas.Polygon(tri, 3);
  if (withBar) Bar(canvas, r.Right - b, r.Top + a, r.Right - b, r.Bottom - a);
}

}  // namespace Veltor
