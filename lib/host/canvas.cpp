#include "host/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace Veltor {

namespace {

// round(a * b / c) with halves away from zero, as the classic font maths does.
int MulDiv(int a, int b, int c) {
  const long long p = static_cast<long long>(a) * b;
  const long long q = (std::llabs(p) * 2 + c) / (2 * c);
  return int(p < 0 ? -q : q);
}

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

// The composition mode doing the same as Rop2 inside QPainter. pmBlack and
// pmWhite are handled by drawing black or white with Source.
QPainter::CompositionMode CompositionFor(TPenMode mode) {
  switch (mode) {
    case pmNot: return QPainter::RasterOp_NotDestination;
    case pmNotCopy: return QPainter::RasterOp_NotSource;
    case pmMergePenNot: return QPainter::RasterOp_SourceOrNotDestination;
    case pmMaskPenNot: return QPainter::RasterOp_SourceAndNotDestination;
    case pmMergeNotPen: return QPainter::RasterOp_NotSourceOrDestination;
    case pmMaskNotPen: return QPainter::RasterOp_NotSourceAndDestination;
    case pmMerge: return QPainter::RasterOp_SourceOrDestination;
    case pmNotMerge: return QPainter::RasterOp_NotSourceAndNotDestination;
    case pmMask: return QPainter::RasterOp_SourceAndDestination;
    case pmNotMask: return QPainter::RasterOp_NotSourceOrNotDestination;
    case pmXor: return QPainter::RasterOp_SourceXorDestination;
    case pmNotXor: return QPainter::RasterOp_NotSourceXorDestination;
    default: return QPainter::CompositionMode_Source;
  }
}

QColor PenModeColor(TPenMode mode, TColor c) {
  if (mode == pmBlack) return QColor(0, 0, 0);
  if (mode == pmWhite) return QColor(255, 255, 255);
  return c.ToQColor();
}

Qt::BrushStyle QtBrushStyle(TBrushStyle s) {
  switch (s) {
    case bsSolid: return Qt::SolidPattern;
    case bsClear: return Qt::NoBrush;
    case bsHorizontal: return Qt::HorPattern;
    case bsVertical: return Qt::VerPattern;
    case bsFDiagonal: return Qt::FDiagPattern;
    case bsBDiagonal: return Qt::BDiagPattern;
    case bsCross: return Qt::CrossPattern;
    case bsDiagCross: return Qt::DiagCrossPattern;
  }
  return Qt::SolidPattern;
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

}  // namespace

// ---------------------------------------------------------------- TFont

int TFont::Size() const { return -MulDiv(Height, 72, 96); }

void TFont::SetSize(int points) { Height = -MulDiv(points, 96, 72); }

QFont TFont::ToQFont() const {
  QFont f(Name);
  f.setKerning(false);
  f.setHintingPreference(QFont::PreferFullHinting);
  f.setBold(Style.testFlag(fsBold));
  f.setItalic(Style.testFlag(fsItalic));
  f.setUnderline(Style.testFlag(fsUnderline));
  f.setStrikeOut(Style.testFlag(fsStrikeOut));
  if (Pitch == fpFixed) {
    f.setFixedPitch(true);
    f.setStyleHint(QFont::TypeWriter);
  }
  int pixels = 12;
  if (Height < 0) {
    pixels = -Height;
  } else if (Height > 0) {
    // A cell height: scale from the cell a reference size gets.
    QFont ref(f);
    ref.setPixelSize(100);
    const QFontMetrics fm(ref);
    const int cell = std::max(1, fm.ascent() + fm.descent());
    pixels = int(std::lround(Height * 100.0 / cell));
  }
  f.setPixelSize(std::max(1, pixels));
  return f;
}

void RegisterFontSubstitutions() {
  static bool done = false;
  if (done) return;
  done = true;
  QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

// ---------------------------------------------------------------- TCanvas

TCanvas::TCanvas(QImage* target) : FTarget(target) {}

TCanvas::~TCanvas() { Release(); }

const QFont& TCanvas::QtFont() const {
  if (!FCachedMetrics || FCachedFont != Font) {
    FCachedFont = Font;
    FCachedQFont = Font.ToQFont();
    FCachedMetrics = std::make_unique<QFontMetrics>(FCachedQFont);
  }
  return FCachedQFont;
}

const QFontMetrics& TCanvas::Metrics() const {
  QtFont();
  return *FCachedMetrics;
}

void TCanvas::SetTarget(QImage* target) {
  Release();
  FTarget = target;
}

void TCanvas::Release() {
  if (FPainter) {
    FPainter->end();
    FPainter.reset();
  }
}

QRect TCanvas::Bounds() const {
  if (!Ready()) return QRect();
  const QRect all = FTarget->rect();
  return FClipSet ? (FClip & all) : all;
}

void TCanvas::Changed(const QRect& r) {
  if (!OnChange) return;
  const QRect visible = r & Bounds();
  if (!visible.isEmpty()) OnChange(visible);
}

void TCanvas::SetClipRect(const TRect& r) {
  FClip = r.ToQRect();
  FClipSet = true;
  if (FPainter) FPainter->setClipRect(FClip);
}

void TCanvas::ClearClip() {
  FClipSet = false;
  if (FPainter) FPainter->setClipping(false);
}

TRect TCanvas::ClipRect() const { return TRect::FromQRect(Bounds()); }

QPainter& TCanvas::Begin() {
  if (!FPainter) {
    FPainter = std::make_unique<QPainter>(FTarget);
    FPainter->setRenderHint(QPainter::Antialiasing, false);
    FPainter->setRenderHint(QPainter::SmoothPixmapTransform, false);
    FPainter->setRenderHint(QPainter::LosslessImageRendering, true);
    if (FClipSet) FPainter->setClipRect(FClip);
  }
  FPainter->resetTransform();
  return *FPainter;
}

void TCanvas::ApplyShapeState(bool withPen, bool withBrush) {
  QPainter& p = Begin();
  p.setCompositionMode(CompositionFor(Pen.Mode));
  if (withPen) {
    QPen pen(PenModeColor(Pen.Mode, Pen.Color));
    pen.setWidth(Pen.Width <= 1 ? 0 : Pen.Width);
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    p.setPen(pen);
  } else {
    p.setPen(Qt::NoPen);
  }
  if (withBrush && Brush.Style != bsClear) {
    p.setBrush(QBrush(PenModeColor(Pen.Mode, Brush.Color), QtBrushStyle(Brush.Style)));
  } else {
    p.setBrush(Qt::NoBrush);
  }
}

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
      if (draw) {
        QRgb& px = reinterpret_cast<QRgb*>(bits + y * stride)[x];
        px = mode == pmCopy ? colour : Rop2(mode, colour, px);
      }
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
    const qsizetype stride = FTarget->bytesPerLine();
    uchar* bits = FTarget->bits();
    for (int y = band.top(); y <= band.bottom(); ++y) {
      QRgb* row = reinterpret_cast<QRgb*>(bits + y * stride);
      for (int x = band.left(); x <= band.right(); ++x) row[x] = Rop2(Pen.Mode, pen, row[x]);
    }
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

// ---- shapes

void TCanvas::Polygon(const TPoint* points, int count) {
  if (!Ready() || count < 2) return;
  QPolygonF poly;
  poly.reserve(count);
  QRect bounds;
  for (int i = 0; i < count; ++i) {
    poly << QPointF(points[i].X, points[i].Y);
    bounds |= QRect(points[i].X, points[i].Y, 1, 1);
  }
  const bool thinPen = Pen.Style != psClear && Pen.Mode != pmNop && Pen.Width <= 1;
  const bool widePen = Pen.Style != psClear && Pen.Mode != pmNop && Pen.Width > 1;
  if (Brush.Style != bsClear && Pen.Mode != pmNop) {
    ApplyShapeState(false, true);
    if (thinPen || widePen) {
      // The outline covers the boundary; the fill takes the pixels whose
      // top-left corner region lies inside, as the classic fill does.
      FPainter->translate(0.5 - 1.0 / 64, 0.5 - 1.0 / 64);
    }
    FPainter->drawPolygon(poly, Qt::OddEvenFill);
  }
  if (thinPen) {
    const TPoint saved = PenPos;
    MoveTo(points[0].X, points[0].Y);
    for (int i = 1; i < count; ++i) LineTo(points[i].X, points[i].Y);
    LineTo(points[0].X, points[0].Y);
    PenPos = saved;
  } else if (widePen) {
    ApplyShapeState(true, false);
    FPainter->translate(0.5, 0.5);
    FPainter->drawPolygon(poly, Qt::OddEvenFill);
  }
  Changed(bounds.adjusted(-Pen.Width, -Pen.Width, Pen.Width + 1, Pen.Width + 1));
}

void TCanvas::Rectangle(int x1, int y1, int x2, int y2) {
  if (!Ready() || Pen.Mode == pmNop) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (x1 == x2 || y1 == y2) return;  // an empty rectangle draws nothing
  if (Pen.Style == psClear) {
    // Without a pen the filled area is one pixel smaller on the right and bottom.
    if (Brush.Style != bsClear && x2 - 1 > x1 && y2 - 1 > y1) {
      ApplyShapeState(false, true);
      FPainter->drawRect(QRect(x1, y1, x2 - 1 - x1, y2 - 1 - y1));
    }
  } else if (Pen.Width <= 1) {
    if (Brush.Style != bsClear && x2 - x1 > 2 && y2 - y1 > 2) {
      ApplyShapeState(false, true);
      FPainter->drawRect(QRect(x1 + 1, y1 + 1, x2 - x1 - 2, y2 - y1 - 2));
    }
    const TPoint saved = PenPos;
    MoveTo(x1, y1);
    LineTo(x2 - 1, y1);
    LineTo(x2 - 1, y2 - 1);
    LineTo(x1, y2 - 1);
    LineTo(x1, y1);
    PenPos = saved;
  } else {
    ApplyShapeState(true, true);
    FPainter->drawRect(QRectF(x1 + 0.5, y1 + 0.5, x2 - x1 - 1, y2 - y1 - 1));
  }
  Changed(QRect(x1, y1, x2 - x1, y2 - y1).adjusted(-Pen.Width, -Pen.Width, Pen.Width, Pen.Width));
}

void TCanvas::CurveShape(ShapeOp op, int x1, int y1, int x2, int y2, int a, int b, int c, int d) {
  if (!Ready() || Pen.Mode == pmNop) return;
  if (x1 > x2) std::swap(x1, x2);
  if (y1 > y2) std::swap(y1, y2);
  if (x2 - x1 < 1 || y2 - y1 < 1) return;
  const bool withPen = Pen.Style != psClear;
  const bool withBrush = op != ShapeOp::Arc;
  ApplyShapeState(withPen, withBrush);
  if (op == ShapeOp::Arc && !withPen) return;
  // This rectangle puts every outline pixel within a pixel of the classic
  // curve; a plain QRect overshoots by one.
  constexpr double e = 1.0 / 128;
  const QRectF box(x1 + 0.5 - e, y1 + 0.5 - e, x2 - x1 - 1 + 2 * e, y2 - y1 - 1 + 2 * e);
  const QRect changed = QRect(x1, y1, x2 - x1, y2 - y1).adjusted(-Pen.Width, -Pen.Width, Pen.Width, Pen.Width);
  if (op == ShapeOp::Ellipse) {
    FPainter->drawEllipse(box);
    Changed(changed);
    return;
  }
  if (op == ShapeOp::RoundRect) {
    FPainter->drawRoundedRect(box, (a - 1) / 2.0, (b - 1) / 2.0, Qt::AbsoluteSize);
    Changed(changed);
    return;
  }
  // Qt's angles are parametric on the ellipse, not directions: convert the
  // radials through (a, b) and (c, d) into parameters.
  const double ha = box.width() / 2;
  const double hb = box.height() / 2;
  const QPointF centre = box.center();
  auto parameter = [&](int px, int py) {
    const double dx = px + 0.5 - centre.x();
    const double dy = centre.y() - (py + 0.5);
    double deg = std::atan2(dy * ha, dx * hb) * 180.0 / M_PI;
    return deg < 0 ? deg + 360.0 : deg;
  };
  const double start = parameter(a, b);
  const double end = parameter(c, d);
  int startQ = int(std::lround(start * 16));
  int spanQ = int(std::lround((end - start) * 16));
  while (spanQ <= 0) spanQ += 5760;
  if (spanQ >= 5760 || std::fabs(end - start) < 1e-12) {
    // Coincident radials: the whole ellipse.
    if (op == ShapeOp::Arc) FPainter->setBrush(Qt::NoBrush);
    FPainter->drawEllipse(box);
  } else if (op == ShapeOp::Arc) {
    FPainter->drawArc(box, startQ, std::max(1, spanQ));
  } else if (op == ShapeOp::Pie) {
    FPainter->drawPie(box, startQ, std::max(1, spanQ));
  } else {
    FPainter->drawChord(box, startQ, std::max(1, spanQ));
  }
  Changed(changed);
}

void TCanvas::Ellipse(int x1, int y1, int x2, int y2) { CurveShape(ShapeOp::Ellipse, x1, y1, x2, y2, 0, 0, 0, 0); }

void TCanvas::RoundRect(int x1, int y1, int x2, int y2, int cw, int ch) {
  CurveShape(ShapeOp::RoundRect, x1, y1, x2, y2, cw, ch, 0, 0);
}

void TCanvas::Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  CurveShape(ShapeOp::Arc, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  CurveShape(ShapeOp::Pie, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4) {
  CurveShape(ShapeOp::Chord, x1, y1, x2, y2, x3, y3, x4, y4);
}

void TCanvas::FillRect(const TRect& r) {
  if (!Ready() || Brush.Style == bsClear || r.IsEmpty()) return;
  if (Brush.Style == bsSolid) {
    // Row by row: cheaper than the painter for the large fills of displays.
    TSpanWriter out(*this, Brush.Color);
    for (int y = r.Top; y < r.Bottom; ++y) out.H(r.Left, r.Right, y);
    Changed(r.ToQRect());
    return;
  }
  QPainter& p = Begin();
  p.setCompositionMode(QPainter::CompositionMode_Source);
  p.fillRect(r.ToQRect(), QBrush(Brush.Color.ToQColor(), QtBrushStyle(Brush.Style)));
  Changed(r.ToQRect());
}

void TCanvas::FrameRect(const TRect& r) {
  if (!Ready() || r.IsEmpty()) return;
  QPainter& p = Begin();
  p.setCompositionMode(QPainter::CompositionMode_Source);
  const QColor c = Brush.Color.ToQColor();
  p.fillRect(QRect(r.Left, r.Top, r.Width(), 1), c);
  p.fillRect(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
  p.fillRect(QRect(r.Left, r.Top, 1, r.Height()), c);
  p.fillRect(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
  Changed(r.ToQRect());
}

// ---- text

void TCanvas::TextOut(int x, int y, const QString& text) {
  if (!Ready()) return;
  const QFont& font = QtFont();
  const QFontMetrics& fm = Metrics();
  const int width = fm.horizontalAdvance(text);
  QPainter& p = Begin();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setFont(font);
  if (Font.Orientation != 0) {
    p.translate(x, y);
    p.rotate(-Font.Orientation / 10.0);
    x = 0;
    y = 0;
  }
  if (Brush.Style != bsClear) p.fillRect(QRect(x, y, width, fm.height()), Brush.Color.ToQColor());
  p.setPen(Font.Color.ToQColor());
  p.drawText(x, y + fm.ascent(), text);
  if (Font.Orientation != 0) {
    Changed(Bounds());
  } else {
    Changed(QRect(x - 2, y, width + 4, fm.height()));
    PenPos = TPoint(x + width, y);
  }
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text) {
  if (!Ready() || r.IsEmpty()) return;
  const QFont& font = QtFont();
  const QFontMetrics& fm = Metrics();
  QPainter& p = Begin();
  p.save();
  p.setClipRect(r.ToQRect(), FClipSet ? Qt::IntersectClip : Qt::ReplaceClip);
  if (Brush.Style != bsClear) {
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(r.ToQRect(), Brush.Color.ToQColor());
  }
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setFont(font);
  p.setPen(Font.Color.ToQColor());
  p.drawText(x, y + fm.ascent(), text);
  p.restore();
  Changed(r.ToQRect());
}

void TCanvas::DrawText(const TRect& r, const QString& text, int qtFlags) {
  if (!Ready() || r.IsEmpty()) return;
  QPainter& p = Begin();
  p.save();
  p.setClipRect(r.ToQRect(), FClipSet ? Qt::IntersectClip : Qt::ReplaceClip);
  if (Brush.Style != bsClear) {
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(r.ToQRect(), Brush.Color.ToQColor());
  }
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setFont(QtFont());
  p.setPen(Font.Color.ToQColor());
  p.drawText(r.ToQRect(), qtFlags, text);
  p.restore();
  Changed(r.ToQRect());
}

TRect TCanvas::TextBounds(const TRect& r, const QString& text, int qtFlags) const {
  const QRect b = Metrics().boundingRect(r.ToQRect(), qtFlags, text);
  return TRect(b.left(), b.top(), b.left() + b.width(), b.top() + b.height());
}

int TCanvas::TextWidth(const QString& text) const { return Metrics().horizontalAdvance(text); }

int TCanvas::TextHeight(const QString&) const { return Metrics().height(); }

// ---- pictures

void TCanvas::Draw(int x, int y, const QImage& image) {
  if (!Ready() || image.isNull()) return;
  QPainter& p = Begin();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.drawImage(x, y, image);
  Changed(QRect(x, y, image.width(), image.height()));
}

void TCanvas::StretchDraw(const TRect& r, const QImage& image) {
  if (!Ready() || image.isNull() || r.IsEmpty()) return;
  QPainter& p = Begin();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.drawImage(r.ToQRect(), image);
  Changed(r.ToQRect());
}

void TCanvas::CopyRect(const TRect& d, const QImage& src, const TRect& s) {
  if (!Ready() || d.IsEmpty()) return;
  QPainter& p = Begin();
  switch (CopyMode) {
    case cmBlackness:
    case cmWhiteness:
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.fillRect(d.ToQRect(), CopyMode == cmBlackness ? Qt::black : Qt::white);
      Changed(d.ToQRect());
      return;
    case cmDstInvert:
      p.setCompositionMode(QPainter::RasterOp_NotDestination);
      p.fillRect(d.ToQRect(), Qt::black);
      Changed(d.ToQRect());
      return;
    case cmSrcInvert: p.setCompositionMode(QPainter::RasterOp_SourceXorDestination); break;
    case cmSrcAnd: p.setCompositionMode(QPainter::RasterOp_SourceAndDestination); break;
    case cmSrcPaint: p.setCompositionMode(QPainter::RasterOp_SourceOrDestination); break;
    case cmNotSrcCopy: p.setCompositionMode(QPainter::RasterOp_NotSource); break;
    case cmSrcCopy: p.setCompositionMode(QPainter::CompositionMode_Source); break;
  }
  if (s.IsEmpty() || src.isNull()) return;
  if (&src == FTarget) {
    // Copying within the image: take the source out first.
    const QImage part = FTarget->copy(s.ToQRect());
    p.drawImage(d.ToQRect(), part);
  } else {
    p.drawImage(d.ToQRect(), src, s.ToQRect());
  }
  Changed(d.ToQRect());
}

void TCanvas::ScrollRect(const TRect& r, int dx, int dy) {
  if (!Ready()) return;
  const QRect area = r.ToQRect() & FTarget->rect();
  if (area.isEmpty() || (dx == 0 && dy == 0)) return;
  const int w = area.width() - std::abs(dx);
  const int h = area.height() - std::abs(dy);
  if (w > 0 && h > 0) {
    EnsureRawFormat();
    uchar* bits = FTarget->bits();
    const qsizetype stride = FTarget->bytesPerLine();
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
  Changed(area);
}

TColor TCanvas::Pixel(int x, int y) const {
  if (!Ready() || !FTarget->rect().contains(x, y)) return clNone;
  const QRgb px = FTarget->pixel(x, y);
  return TColor::FromRGB(qRed(px), qGreen(px), qBlue(px));
}

void TCanvas::SetPixel(int x, int y, TColor c) {
  if (!Ready() || !Bounds().contains(x, y)) return;
  EnsureRawFormat();
  reinterpret_cast<QRgb*>(FTarget->scanLine(y))[x] = ToPixel(c);
  Changed(QRect(x, y, 1, 1));
}

void TCanvas::DrawFocusRect(const TRect& r) {
  if (!Ready() || r.IsEmpty()) return;
  EnsureRawFormat();
  const QRect clip = Bounds();
  uchar* const bits = FTarget->bits();
  const qsizetype stride = FTarget->bytesPerLine();
  const auto invert = [&](int x, int y) {
    if ((x + y) % 2 != 0 || !clip.contains(x, y)) return;
    QRgb& px = reinterpret_cast<QRgb*>(bits + y * stride)[x];
    px ^= 0x00FFFFFFu;
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
}

// ---------------------------------------------------------------- TBitmap

TBitmap::TBitmap() : FCanvas(&FImage) {}

TBitmap::TBitmap(int width, int height) : FCanvas(&FImage) { SetSize(width, height); }

void TBitmap::SetSize(int width, int height) {
  width = std::max(0, width);
  height = std::max(0, height);
  if (width == FImage.width() && height == FImage.height()) return;
  FCanvas.Release();
  QImage resized;
  if (width > 0 && height > 0) {
    resized = QImage(width, height, QImage::Format_RGB32);
    resized.fill(Qt::white);
    if (!FImage.isNull()) {
      QPainter p(&resized);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      p.drawImage(0, 0, FImage);
    }
  }
  FImage = resized;
}

}  // namespace Veltor
