// The canvas routines that write pixels straight into the image rows: thin
// lines, straight wide bands, spans, single pixels, the focus rectangle and
// scrolling. At a device pixel ratio other than 1 each logical pixel they
// touch covers its whole block of device pixels.
#include "host/canvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <vector>

namespace Veltor {

namespace {

constexpr QRgb Opaque(quint32 rgb) { return 0xFF000000u | rgb; }

// Our colours are 0x00BBGGRR; image pixels are 0xFFRRGGBB.
QRgb ToPixel(TColor c) {
  const quint32 v = c.ToRGB();
  return Opaque(((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF));
}

// The sixteen binary raster operations of the pen on the colour bits.
QRgb Rop2(TPenMode mode, QRgb pen, QRgb dst) {
  const quint32 s = pen & 0xFFFFFF;
  const quint32 d = dst & 0xFFFFFF;
  quint32 r = d;
  switch (mode) {
    case pmBlack: r = 0; break;
    case pmWhite: r = 0xFFFFFF; break;
    case pmNop: r = d; break;
    case pmNot: r = ~d; break;
    case pmCopy: r = s; break;
    case pmNotCopy: r = ~s; break;
    case pmMergePenNot: r = s | ~d; break;
    case pmMaskPenNot: r = s & ~d; break;
    case pmMergeNotPen: r = ~s | d; break;
    case pmMaskNotPen: r = ~s & d; break;
    case pmMerge: r = s | d; break;
    case pmNotMerge: r = ~(s | d); break;
    case pmMask: r = s & d; break;
    case pmNotMask: r = ~(s & d); break;
    case pmXor: r = s ^ d; break;
    case pmNotXor: r = ~(s ^ d); break;
  }
  return Opaque(r & 0xFFFFFF);
}

// On/off runs in pixels of the thin styled pens.
struct DashPattern {
  int runs[6];
  int count;
  int period;
};

const DashPattern* PatternFor(TPenStyle style) {
  static const DashPattern dash{{18, 6}, 2, 24};
  static const DashPattern dot{{3, 3}, 2, 6};
  static const DashPattern dashDot{{9, 6, 3, 6}, 4, 24};
  static const DashPattern dashDotDot{{9, 3, 3, 3, 3, 3}, 6, 24};
  switch (style) {
    case psDash: return &dash;
    case psDot: return &dot;
    case psDashDot: return &dashDot;
    case psDashDotDot: return &dashDotDot;
    default: return nullptr;
  }
}

// Walks a dash pattern pixel by pixel without dividing at every step.
class DashWalker {
 public:
  DashWalker(const DashPattern* p, int pos) : FPattern(p) {
    if (!p) return;
    int at = pos % p->period;
    while (at >= p->runs[FRun]) {
      at -= p->runs[FRun];
      FRun = (FRun + 1) % p->count;
    }
    FLeft = p->runs[FRun] - at;
  }
  bool On() const { return !FPattern || FRun % 2 == 0; }
  void Next() {
    if (!FPattern || --FLeft > 0) return;
    FRun = (FRun + 1) % FPattern->count;
    FLeft = FPattern->runs[FRun];
  }

 private:
  const DashPattern* FPattern;
  int FRun = 0;
  int FLeft = 0;
};

QRect SpanRect(int x1, int y1, int x2, int y2) {
  return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)), QPoint(std::max(x1, x2), std::max(y1, y2)));
}

// Applies op to each pixel of a device rectangle that lies within the image.
template <typename Op>
void ForDeviceRect(uchar* bits, qsizetype stride, const QRect& r, Op op) {
  for (int y = r.top(); y <= r.bottom(); ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(bits + y * stride);
    for (int x = r.left(); x <= r.right(); ++x) op(row[x]);
  }
}

// Applies op to the device pixels of logical pixel (x, y) within the image.
template <typename Op>
void ForDevicePixels(const TDeviceGrid& g, uchar* bits, qsizetype stride, int x, int y, Op op) {
  const int left = g.X(x);
  const int right = g.X(x + 1);
  for (int row = g.Y(y), bottom = g.Y(y + 1); row < bottom; ++row) {
    QRgb* p = reinterpret_cast<QRgb*>(bits + row * stride);
    for (int col = left; col < right; ++col) op(p[col]);
  }
}

// Moves the pixels of device rectangle area by (dx, dy) within it.
void ShiftPixels(uchar* bits, qsizetype stride, const QRect& area, int dx, int dy) {
  const int w = area.width() - std::abs(dx);
  const int h = area.height() - std::abs(dy);
  if (w <= 0 || h <= 0) return;
  const int srcX = area.left() + std::max(0, -dx);
  const int dstX = area.left() + std::max(0, dx);
  const std::size_t bytes = std::size_t(w) * sizeof(QRgb);
  // Walk the rows against the direction of the move so none is overwritten
  // before it is read.
  const int srcTop = area.top() + std::max(0, -dy);
  const int dstTop = area.top() + std::max(0, dy);
  for (int i = 0; i < h; ++i) {
    const int row = dy > 0 ? h - 1 - i : i;
    std::memmove(bits + (dstTop + row) * stride + dstX * qsizetype(sizeof(QRgb)),
                 bits + (srcTop + row) * stride + srcX * qsizetype(sizeof(QRgb)), bytes);
  }
}

// For each device column (or row) of the logical range [from, to), the
// device column it takes its pixel from when the content moves by shift
// logical pixels: the same place within the source pixel, or its last
// device pixel where the source pixel is narrower.
std::vector<int> SourceLines(int from, int to, int shift, int (TDeviceGrid::*edge)(int) const,
                             int (TDeviceGrid::*logical)(int) const, const TDeviceGrid& g) {
  std::vector<int> lines;
  for (int d = (g.*edge)(from), end = (g.*edge)(to); d < end; ++d) {
    const int x = (g.*logical)(d);
    const int source = x - shift;
    const int width = (g.*edge)(source + 1) - (g.*edge)(source);
    lines.push_back((g.*edge)(source) + std::min(d - (g.*edge)(x), width - 1));
  }
  return lines;
}

}  // namespace

// ---------------------------------------------------------------- TCanvas

// ---- lines

void TCanvas::MoveTo(int x, int y) {
  PenPos = TPoint(x, y);
  FStylePos = 0;
}

void TCanvas::LineTo(int x, int y) {
  if (Ready() && Pen.Style != psClear && Pen.Mode != pmNop) {
    if (Pen.Width <= 1) {
      ThinLine(PenPos.X, PenPos.Y, x, y);
    } else {
      WideLine(PenPos.X, PenPos.Y, x, y);
    }
  }
  PenPos = TPoint(x, y);
}

// Bresenham's line from (x0, y0) towards (x1, y1), leaving out the end pixel,
// straight into the image rows.
void TCanvas::ThinLine(int x0, int y0, int x1, int y1) {
  const int dx = std::abs(x1 - x0);
  const int dy = std::abs(y1 - y0);
  const int steps = std::max(dx, dy);
  if (steps == 0) return;
  const QRect clip = Bounds();
  const QRect span = SpanRect(x0, y0, x1, y1);
  if (!clip.intersects(span)) {
    FStylePos += steps;
    return;
  }
  const bool inside = clip.contains(span);
  // Pixels go straight into the rows. A painter may stay active: an image is
  // never shared while it is being painted, so bits() cannot detach it.
  EnsureRawFormat();
  uchar* const bits = FTarget->bits();
  const qsizetype stride = FTarget->bytesPerLine();
  const QRgb pen = ToPixel(Pen.Color);
  const DashPattern* pattern = PatternFor(Pen.Style);
  const bool gapsFilled = pattern && Brush.Style != bsClear;
  const QRgb gap = ToPixel(Brush.Color);
  const TPenMode mode = Pen.Mode;
  const int sx = x1 > x0 ? 1 : -1;
  const int sy = y1 > y0 ? 1 : -1;
  // One walk for both layouts of the pixels, so that the ratio-1 loop stays
  // as lean as it was.
  const auto walk = [&](auto plot) {
    int x = x0;
    int y = y0;
    int err = (dx > dy ? dx : -dy) / 2;
    DashWalker dashes(pattern, FStylePos);
    for (int i = 0; i < steps; ++i, dashes.Next()) {
      if (inside || clip.contains(x, y)) {
        QRgb colour = pen;
        bool draw = true;
        if (!dashes.On()) {
          colour = gap;
          draw = gapsFilled;
        }
        if (draw) plot(x, y, colour);
      }
      ++FStylePos;
      const int e2 = err;
      if (e2 > -dx) {
        err -= dy;
        x += sx;
      }
      if (e2 < dy) {
        err += dx;
        y += sy;
      }
    }
  };
  const TDeviceGrid& grid = Grid();
  if (grid.Scaled()) {
    walk([&](int x, int y, QRgb colour) {
      ForDevicePixels(grid, bits, stride, x, y,
                      [mode, colour](QRgb& px) { px = mode == pmCopy ? colour : Rop2(mode, colour, px); });
    });
  } else {
    walk([&](int x, int y, QRgb colour) {
      QRgb& px = reinterpret_cast<QRgb*>(bits + y * stride)[x];
      px = mode == pmCopy ? colour : Rop2(mode, colour, px);
    });
  }
  Changed(span);
}

void TCanvas::WideLine(int x0, int y0, int x1, int y1) {
  if ((x0 == x1 || y0 == y1) && Pen.Style == psSolid) {
    // Straight wide lines are a band of pixels: columns (or rows) from
    // centre - width/2 on, from the start up to the end, which is left out.
    const int w = Pen.Width;
    QRect band = x0 == x1 ? QRect(x0 - w / 2, std::min(y0, y1 + 1), w, std::abs(y1 - y0))
                          : QRect(std::min(x0, x1 + 1), y0 - w / 2, std::abs(x1 - x0), w);
    band &= Bounds();
    if (band.isEmpty()) return;
    EnsureRawFormat();
    const QRgb pen = ToPixel(Pen.Color);
    const TPenMode mode = Pen.Mode;
    ForDeviceRect(FTarget->bits(), FTarget->bytesPerLine(), Grid().Map(band),
                  [mode, pen](QRgb& px) { px = Rop2(mode, pen, px); });
    Changed(band);
    return;
  }
  ApplyShapeState(true, false);
  FPainter->drawLine(QPointF(x0 + 0.5, y0 + 0.5), QPointF(x1 + 0.5, y1 + 0.5));
  Changed(SpanRect(x0, y0, x1, y1).adjusted(-Pen.Width, -Pen.Width, Pen.Width, Pen.Width));
}

void TCanvas::Polyline(const TPoint* points, int count) {
  if (count < 1) return;
  const TPoint saved = PenPos;
  MoveTo(points[0].X, points[0].Y);
  for (int i = 1; i < count; ++i) LineTo(points[i].X, points[i].Y);
  PenPos = saved;
}

void TCanvas::ScrollRect(const TRect& r, int dx, int dy) {
  if (!Ready()) return;
  const TDeviceGrid& g = Grid();
  const QRect area = r.ToQRect() & QRect(0, 0, g.Width(), g.Height());
  if (area.isEmpty() || (dx == 0 && dy == 0)) return;
  EnsureRawFormat();
  const qreal ratio = g.Ratio();
  if (ratio == std::floor(ratio)) {
    // Every logical pixel is ratio x ratio device pixels: one uniform move.
    ShiftPixels(FTarget->bits(), FTarget->bytesPerLine(), g.Map(area), dx * int(ratio), dy * int(ratio));
  } else {
    ScrollResampled(area, dx, dy);
  }
  Changed(area);
}

// At a fractional ratio logical pixels differ in device size, so each moved
// device pixel is fetched from its place in the source logical pixel.
void TCanvas::ScrollResampled(const QRect& area, int dx, int dy) {
  const TDeviceGrid& g = Grid();
  const QRect moved = area & area.translated(dx, dy);
  if (moved.isEmpty()) return;
  const QRect source = g.Map(area);
  const QImage before = FTarget->copy(source);
  const std::vector<int> cols =
      SourceLines(moved.left(), moved.left() + moved.width(), dx, &TDeviceGrid::X, &TDeviceGrid::LogicalX, g);
  const std::vector<int> rows =
      SourceLines(moved.top(), moved.top() + moved.height(), dy, &TDeviceGrid::Y, &TDeviceGrid::LogicalY, g);
  const int left = g.X(moved.left());
  const int top = g.Y(moved.top());
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const QRgb* from = reinterpret_cast<const QRgb*>(before.constScanLine(rows[i] - source.top()));
    QRgb* to = reinterpret_cast<QRgb*>(FTarget->scanLine(top + int(i)));
    for (std::size_t j = 0; j < cols.size(); ++j) to[left + int(j)] = from[cols[j] - source.left()];
  }
}

TColor TCanvas::Pixel(int x, int y) const {
  const TDeviceGrid& g = Grid();
  if (!Ready() || !QRect(0, 0, g.Width(), g.Height()).contains(x, y)) return clNone;
  // The top left device pixel stands for the logical one.
  const QRgb px = FTarget->pixel(g.X(x), g.Y(y));
  return TColor::FromRGB(qRed(px), qGreen(px), qBlue(px));
}

void TCanvas::SetPixel(int x, int y, TColor c) {
  if (!Ready() || !Bounds().contains(x, y)) return;
  EnsureRawFormat();
  const QRgb pixel = ToPixel(c);
  ForDevicePixels(Grid(), FTarget->bits(), FTarget->bytesPerLine(), x, y, [pixel](QRgb& px) { px = pixel; });
  Changed(QRect(x, y, 1, 1));
}

void TCanvas::DrawFocusRect(const TRect& r) {
  if (!Ready() || r.IsEmpty()) return;
  EnsureRawFormat();
  const QRect clip = Bounds();
  const TDeviceGrid& g = Grid();
  uchar* const bits = FTarget->bits();
  const qsizetype stride = FTarget->bytesPerLine();
  const auto invert = [&](int x, int y) {
    if ((x + y) % 2 != 0 || !clip.contains(x, y)) return;
    ForDevicePixels(g, bits, stride, x, y, [](QRgb& px) { px ^= 0x00FFFFFFu; });
  };
  for (int x = r.Left; x < r.Right; ++x) {
    invert(x, r.Top);
    if (r.Bottom - 1 > r.Top) invert(x, r.Bottom - 1);
  }
  for (int y = r.Top + 1; y < r.Bottom - 1; ++y) {
    invert(r.Left, y);
    if (r.Right - 1 > r.Left) invert(r.Right - 1, y);
  }
  Changed(r.ToQRect());
}

void TCanvas::EnsureRawFormat() {
  const QImage::Format f = FTarget->format();
  if (f == QImage::Format_RGB32 || f == QImage::Format_ARGB32_Premultiplied) return;
  Release();
  *FTarget = FTarget->convertToFormat(QImage::Format_RGB32);
}

// ---------------------------------------------------------------- TSpanWriter

TSpanWriter::TSpanWriter(TCanvas& canvas, TColor colour) {
  QImage* img = canvas.Target();
  if (!img || img->isNull()) return;  // an empty clip: every span is dropped
  const TRect clip = canvas.ClipRect();
  canvas.EnsureRawFormat();
  FBits = img->bits();
  FStride = img->bytesPerLine();
  FLeft = clip.Left;
  FTop = clip.Top;
  FRight = clip.Right;
  FBottom = clip.Bottom;
  FPixel = ToPixel(colour);
  FEdgesX = canvas.Grid().EdgesX();
  FEdgesY = canvas.Grid().EdgesY();
}

void TSpanWriter::Block(int x1, int x2, int y1, int y2) {
  if (y1 >= y2) return;
  const int left = FEdgesX[x1];
  const int count = FEdgesX[x2] - left;
  uchar* row = FBits + FEdgesY[y1] * FStride + left * qsizetype(sizeof(QRgb));
  const int rows = FEdgesY[y2] - FEdgesY[y1];
  if (count <= 8) {
    // The columns of vertical runs: a call per row would cost more than the
    // pixels.
    for (int i = 0; i < rows; ++i, row += FStride) {
      QRgb* p = reinterpret_cast<QRgb*>(row);
      for (int j = 0; j < count; ++j) p[j] = FPixel;
    }
    return;
  }
  for (int i = 0; i < rows; ++i, row += FStride) {
    std::wmemset(reinterpret_cast<wchar_t*>(row), wchar_t(FPixel), std::size_t(count));
  }
}

}  // namespace Veltor
