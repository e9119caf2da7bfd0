#include "host/canvas.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Veltor {

namespace {

// round(a * b / c) with halves away from zero, as the classic font maths does.
int MulDiv(int a, int b, int c) {
  const long long p = static_cast<long long>(a) * b;
  const long long q = (std::llabs(p) * 2 + c) / (2 * c);
  return int(p < 0 ? -q : q);
}

// The composition mode doing inside QPainter what the pixel routines' raster
// operations do. pmBlack and pmWhite are handled by drawing black or white
// with Source.
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

const TDeviceGrid& TCanvas::Grid() const {
  if (!FTarget) {
    static const TDeviceGrid none;
    return none;
  }
  if (!FGrid.Describes(*FTarget)) FGrid = TDeviceGrid::Of(*FTarget);
  return FGrid;
}

QRect TCanvas::Bounds() const {
  if (!Ready()) return QRect();
  const QRect all(0, 0, Grid().Width(), Grid().Height());
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
  if (FPainter) ApplyClip();
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
    if (FClipSet) ApplyClip();
  }
  FPainter->resetTransform();
  return *FPainter;
}

QPainter& TCanvas::BeginDevice() {
  QPainter& p = Begin();
  // The world transform undoes the scaling QPainter applies for the image's
  // ratio; the product is recognised as the identity, so pictures and fills
  // land on whole device pixels.
  const qreal ratio = Grid().Ratio();
  if (ratio != 1) p.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
  return p;
}

void TCanvas::ApplyClip() {
  // Set in device pixels, so that QPainter clips where our own routines do,
  // whatever transform the last drawing left behind (a rotated text, a
  // shifted polygon fill).
  QPainter& p = *FPainter;
  const TDeviceGrid& g = Grid();
  p.setWorldTransform(QTransform::fromScale(1 / g.Ratio(), 1 / g.Ratio()));
  p.setClipRect(g.Map(FClip & QRect(0, 0, g.Width(), g.Height())));
  p.resetTransform();
}

void TCanvas::FillDevice(const QRect& r, const QBrush& brush) {
  QPainter& p = BeginDevice();
  const TDeviceGrid& g = Grid();
  if (g.Scaled() && brush.style() != Qt::SolidPattern) {
    // Hatches keep their logical size.
    QBrush scaled(brush);
    scaled.setTransform(QTransform::fromScale(g.Ratio(), g.Ratio()));
    p.fillRect(g.Map(r), scaled);
  } else {
    p.fillRect(g.Map(r), brush);
  }
  p.resetTransform();
}

void TCanvas::ApplyShapeState(bool withPen, bool withBrush) {
  QPainter& p = Begin();
  p.setCompositionMode(CompositionFor(Pen.Mode));
  if (withPen) {
    QPen pen(PenModeColor(Pen.Mode, Pen.Color));
    // A cosmetic pen is one device pixel wide; at other ratios a thin outline
    // covers whole logical pixels, as at ratio 1.
    pen.setWidth(Pen.Width > 1 ? Pen.Width : Grid().Scaled() ? 1 : 0);
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
  Begin().setCompositionMode(QPainter::CompositionMode_Source);
  FillDevice(r.ToQRect(), QBrush(Brush.Color.ToQColor(), QtBrushStyle(Brush.Style)));
  Changed(r.ToQRect());
}

void TCanvas::FrameRect(const TRect& r) {
  if (!Ready() || r.IsEmpty()) return;
  Begin().setCompositionMode(QPainter::CompositionMode_Source);
  const QBrush c(Brush.Color.ToQColor());
  FillDevice(QRect(r.Left, r.Top, r.Width(), 1), c);
  FillDevice(QRect(r.Left, r.Bottom - 1, r.Width(), 1), c);
  FillDevice(QRect(r.Left, r.Top, 1, r.Height()), c);
  FillDevice(QRect(r.Right - 1, r.Top, 1, r.Height()), c);
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
    if (Brush.Style != bsClear) p.fillRect(QRect(x, y, width, fm.height()), Brush.Color.ToQColor());
  } else if (Brush.Style != bsClear) {
    FillDevice(QRect(x, y, width, fm.height()), Brush.Color.ToQColor());
  }
  p.setPen(Font.Color.ToQColor());
  p.drawText(x, y + fm.ascent(), text);
  if (Font.Orientation != 0) {
    Changed(Bounds());
  } else {
    Changed(QRect(x - 2, y, width + 4, fm.height()));
    PenPos = TPoint(x + width, y);
  }
}

QPainter& TCanvas::BeginClippedText(const QRect& r) {
  QPainter& p = BeginDevice();
  p.save();
  p.setClipRect(Grid().Map(r), FClipSet ? Qt::IntersectClip : Qt::ReplaceClip);
  if (Brush.Style != bsClear) {
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(Grid().Map(r), Brush.Color.ToQColor());
  }
  p.resetTransform();
  p.setCompositionMode(QPainter::CompositionMode_SourceOver);
  p.setFont(QtFont());
  p.setPen(Font.Color.ToQColor());
  return p;
}

void TCanvas::TextRect(const TRect& r, int x, int y, const QString& text) {
  if (!Ready() || r.IsEmpty()) return;
  const int ascent = Metrics().ascent();
  QPainter& p = BeginClippedText(r.ToQRect());
  p.drawText(x, y + ascent, text);
  p.restore();
  Changed(r.ToQRect());
}

void TCanvas::DrawText(const TRect& r, const QString& text, int qtFlags) {
  if (!Ready() || r.IsEmpty()) return;
  QPainter& p = BeginClippedText(r.ToQRect());
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

// Pictures are copied in device pixels: a layer of the same size and ratio
// lands one to one, and one of another ratio is stretched by sampling.
void TCanvas::DrawPicture(const QRect& d, const QImage& src, const QRect& deviceSource) {
  BeginDevice().drawImage(Grid().Map(d), src, deviceSource);
}

void TCanvas::Draw(int x, int y, const QImage& image) {
  if (!Ready() || image.isNull()) return;
  Begin().setCompositionMode(QPainter::CompositionMode_SourceOver);
  const QRect d(QPoint(x, y), LogicalSize(image));
  DrawPicture(d, image, image.rect());
  Changed(d);
}

void TCanvas::StretchDraw(const TRect& r, const QImage& image) {
  if (!Ready() || image.isNull() || r.IsEmpty()) return;
  Begin().setCompositionMode(QPainter::CompositionMode_SourceOver);
  DrawPicture(r.ToQRect(), image, image.rect());
  Changed(r.ToQRect());
}

void TCanvas::CopyRect(const TRect& d, const QImage& src, const TRect& s) {
  if (!Ready() || d.IsEmpty()) return;
  QPainter& p = Begin();
  switch (CopyMode) {
    case cmBlackness:
    case cmWhiteness:
      p.setCompositionMode(QPainter::CompositionMode_Source);
      FillDevice(d.ToQRect(), CopyMode == cmBlackness ? Qt::black : Qt::white);
      Changed(d.ToQRect());
      return;
    case cmDstInvert:
      p.setCompositionMode(QPainter::RasterOp_NotDestination);
      FillDevice(d.ToQRect(), Qt::black);
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
    const QImage part = FTarget->copy(Grid().Map(s.ToQRect()));
    DrawPicture(d.ToQRect(), part, part.rect());
  } else {
    DrawPicture(d.ToQRect(), src, TDeviceGrid::Of(src).Map(s.ToQRect()));
  }
  Changed(d.ToQRect());
}

// ---------------------------------------------------------------- TBitmap

TBitmap::TBitmap() : FCanvas(&FImage) {}

TBitmap::TBitmap(int width, int height, qreal ratio) : FCanvas(&FImage) { SetSize(width, height, ratio); }

void TBitmap::SetSize(int width, int height, qreal ratio) {
  width = std::max(0, width);
  height = std::max(0, height);
  ratio = BoundedRatio(ratio);
  if (width == FWidth && height == FHeight && ratio == FRatio) return;
  FCanvas.Release();
  QImage resized;
  if (width > 0 && height > 0) {
    resized = QImage(DeviceLength(width, ratio), DeviceLength(height, ratio), QImage::Format_RGB32);
    resized.fill(Qt::white);
    if (!FImage.isNull()) {
      // Painted before the new image gets its ratio, so in device pixels: one
      // to one, or scaled from the old ratio to the new one.
      QPainter p(&resized);
      p.setCompositionMode(QPainter::CompositionMode_Source);
      const qreal scale = ratio / FRatio;
      p.drawImage(QRectF(0, 0, FImage.width() * scale, FImage.height() * scale), FImage, QRectF(FImage.rect()));
    }
    resized.setDevicePixelRatio(ratio);
  }
  FImage = resized;
  FWidth = FImage.isNull() ? 0 : width;
  FHeight = FImage.isNull() ? 0 : height;
  FRatio = ratio;
}

}  // namespace Veltor
