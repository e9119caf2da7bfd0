#pragma once
// The drawing surface every control paints on: integer pixel geometry with
// exclusive right and bottom edges, aliased shapes, thin lines that leave out
// their last pixel, and raster-operation pen modes (XOR really is XOR).
//
// The target image may carry a device pixel ratio (QImage::devicePixelRatio).
// Callers always work in logical pixels: what QPainter draws (text, curves,
// polygons, pictures) comes out at the full device resolution, while our own
// pixel routines (thin lines, bands, spans, single pixels, scrolling, the
// focus rectangle) draw the same logical pixels as at ratio 1, each covering
// its device pixels as TDeviceGrid lays them out.

#include "host/color.h"
#include "host/devicegrid.h"
#include "host/types.h"

#include <QFont>
#include <QImage>
#include <QString>

#include <algorithm>
#include <cwchar>
#include <functional>
#include <memory>
#include <vector>

class QFontMetrics;
class QPainter;

namespace Veltor {

struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
  TPenMode Mode = pmCopy;
};

struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};

// A font described the classic way: a negative Height is the character height
// in pixels (without internal leading), a positive one the cell height. Size
// is in points at 96 dpi and is derived from Height.
class TFont {
 public:
  QString Name = QStringLiteral("MS Sans Serif");
  int Height = -11;
  TColor Color = clWindowText;
  TFontStyles Style;
  TFontPitch Pitch = fpDefault;
  int Orientation = 0;  // escapement in tenths of a degree, counter-clockwise

  int Size() const;
  void SetSize(int points);

  // The Qt font this describes: pixel sized, kerning off, full hinting, so
  // text widths add up character by character.
  QFont ToQFont() const;

  friend bool operator==(const TFont& a, const TFont& b) {
    return a.Name == b.Name && a.Height == b.Height && a.Color == b.Color && a.Style == b.Style && a.Pitch == b.Pitch &&
           a.Orientation == b.Orientation;
  }
  friend bool operator!=(const TFont& a, const TFont& b) { return !(a == b); }
};

class TCanvas {
 public:
  explicit TCanvas(QImage* target = nullptr);
  ~TCanvas();
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;

  // Points the canvas at another image (or none). Ends any painting session.
  void SetTarget(QImage* target);
  QImage* Target() const { return FTarget; }
  // Device pixels per logical pixel of the target.
  qreal Ratio() const { return Grid().Ratio(); }
  // Ends the painting session on the image, so that it may be copied, resized
  // or read. The next drawing call starts a new one.
  void Release();

  TPen Pen;
  TBrush Brush;
  TFont Font;
  TCopyMode CopyMode = cmSrcCopy;
  TPoint PenPos;

  // Restricts drawing to r (within the image); ClearClip lifts the limit.
  void SetClipRect(const TRect& r);
  void ClearClip();
  TRect ClipRect() const;

  // Lines with the pen; the end point itself is not drawn.
  void MoveTo(int x, int y);
  void LineTo(int x, int y);
  void Polyline(const TPoint* points, int count);
  void Polyline(const std::vector<TPoint>& points) { Polyline(points.data(), int(points.size())); }

  // Shapes: interior with the brush, outline with the pen.
  void Polygon(const TPoint* points, int count);
  void Polygon(const std::vector<TPoint>& points) { Polygon(points.data(), int(points.size())); }
  void Rectangle(int x1, int y1, int x2, int y2);
  void Rectangle(const TRect& r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
  void Ellipse(int x1, int y1, int x2, int y2);
  void Ellipse(const TRect& r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
  void RoundRect(int x1, int y1, int x2, int y2, int cw, int ch);
  // Arc, Pie and Chord run counter-clockwise from the radial through (x3, y3)
  // to the radial through (x4, y4).
  void Arc(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Pie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
  void Chord(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);

  // Brush-only fills that ignore the pen mode.
  void FillRect(const TRect& r);
  void FrameRect(const TRect& r);
  // The focus rectangle: every other pixel of r's edge inverted, so drawing
  // it again removes it.
  void DrawFocusRect(const TRect& r);

  // Text in Font.Color; the background is filled with the brush unless the
  // brush is clear. TextOut leaves the pen position after the text.
  void TextOut(int x, int y, const QString& text);
  void TextRect(const TRect& r, int x, int y, const QString& text);
  // Formatted text in r with Qt's alignment and text flags (word wrap,
  // mnemonics), clipped to r; the brush fills r first unless clear.
  void DrawText(const TRect& r, const QString& text, int qtFlags);
  // The rectangle such text takes when laid out in r.
  TRect TextBounds(const TRect& r, const QString& text, int qtFlags) const;
  int TextWidth(const QString& text) const;
  int TextHeight(const QString& text) const;

  // Pictures.
  void Draw(int x, int y, const QImage& image);
  void StretchDraw(const TRect& r, const QImage& image);
  // Copies source rectangle s of image src into d, stretching when the sizes
  // differ, combined by CopyMode.
  void CopyRect(const TRect& d, const QImage& src, const TRect& s);

  // Moves the pixels inside r by (dx, dy), like scrolling a window: what
  // moves out of r is lost, what is uncovered keeps its old pixels.
  void ScrollRect(const TRect& r, int dx, int dy);

  // Reports drawing done behind the canvas's back (see TSpanWriter).
  void Touch(const QRect& r) { Changed(r); }

  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor c);

  // Called with the bounds of everything drawn, so a control can show it.
  std::function<void(const QRect&)> OnChange;

 private:
  enum class ShapeOp { Ellipse, RoundRect, Arc, Pie, Chord };

  bool Ready() const { return FTarget && !FTarget->isNull(); }
  // The target's layout of logical pixels, made anew when its size or ratio
  // changes.
  const TDeviceGrid& Grid() const;
  // Our own pixel routines write 32-bit opaque pixels straight into the rows;
  // a target of another format is converted to RGB32 first.
  void EnsureRawFormat();
  // The logical image, within the clip.
  QRect Bounds() const;
  void Changed(const QRect& r);
  // The painter in logical coordinates.
  QPainter& Begin();
  // The painter in device pixels of the target.
  QPainter& BeginDevice();
  void ApplyClip();
  friend class TSpanWriter;
  void ApplyShapeState(bool withPen, bool withBrush);
  // Fills the device pixels of logical rectangle r, exactly as our own pixel
  // routines lay them out.
  void FillDevice(const QRect& r, const QBrush& brush);
  // Copies device rectangle deviceSource of src onto logical rectangle d.
  void DrawPicture(const QRect& d, const QImage& src, const QRect& deviceSource);
  // Clips to r, fills it with the brush unless clear and sets up font and
  // colour; the caller draws the text and restores the painter.
  QPainter& BeginClippedText(const QRect& r);

  void ThinLine(int x0, int y0, int x1, int y1);
  void ScrollResampled(const QRect& area, int dx, int dy);
  void WideLine(int x0, int y0, int x1, int y1);
  void CurveShape(ShapeOp op, int x1, int y1, int x2, int y2, int a, int b, int c, int d);

  // The Qt font and metrics of the last font used: building them is costly
  // and most drawing reuses one font many times.
  const QFont& QtFont() const;
  const QFontMetrics& Metrics() const;

  QImage* FTarget = nullptr;
  mutable TDeviceGrid FGrid;
  std::unique_ptr<QPainter> FPainter;
  mutable TFont FCachedFont;
  mutable QFont FCachedQFont;
  mutable std::unique_ptr<QFontMetrics> FCachedMetrics;
  QRect FClip;  // empty means the whole image
  bool FClipSet = false;
  int FStylePos = 0;  // position in the dash pattern of thin styled lines
};

// Writes copy-mode spans of one colour straight into a canvas's image, for
// painters that draw very many of them: [x1, x2) on row y and [y1, y2) in
// column x, within the canvas's clip. Changes are not reported; call
// TCanvas::Touch with the bounds when done.
class TSpanWriter {
 public:
  TSpanWriter(TCanvas& canvas, TColor colour);
  void H(int x1, int x2, int y) {
    if (y < FTop || y >= FBottom) return;
    x1 = std::max(x1, FLeft);
    x2 = std::min(x2, FRight);
    if (x1 >= x2) return;
    if (FEdgesX) return Block(x1, x2, y, y + 1);
    // wmemset: the C library's vectorised fill of 32-bit units.
    static_assert(sizeof(wchar_t) == sizeof(QRgb), "32-bit wchar_t expected");
    std::wmemset(reinterpret_cast<wchar_t*>(FBits + y * FStride) + x1, wchar_t(FPixel), std::size_t(x2 - x1));
  }
  void V(int x, int y1, int y2) {
    if (x < FLeft || x >= FRight) return;
    y1 = std::max(y1, FTop);
    y2 = std::min(y2, FBottom);
    if (FEdgesX) return Block(x, x + 1, y1, y2);
    uchar* p = FBits + y1 * FStride + x * qsizetype(sizeof(QRgb));
    for (int y = y1; y < y2; ++y, p += FStride) *reinterpret_cast<QRgb*>(p) = FPixel;
  }

 private:
  // The device pixels of logical columns [x1, x2) and rows [y1, y2).
  void Block(int x1, int x2, int y1, int y2);

  uchar* FBits = nullptr;
  qsizetype FStride = 0;
  int FLeft = 0, FTop = 0, FRight = 0, FBottom = 0;  // the clip, exclusive ends
  QRgb FPixel = 0;
  // The target's device edges, when it has a ratio other than 1.
  const int* FEdgesX = nullptr;
  const int* FEdgesY = nullptr;
};

// An off-screen picture with its own canvas. Its size is logical; at a ratio
// other than 1 the image holds DeviceLength(size, ratio) device pixels. A
// layer of a control takes the control's SurfaceRatio(), so copying it onto
// the control's canvas moves device pixels one to one.
class TBitmap {
 public:
  TBitmap();
  TBitmap(int width, int height, qreal ratio = 1);
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  qreal Ratio() const { return FRatio; }
  // Resizes the picture; what fits of the old content is kept, new area is white.
  void SetSize(int width, int height) { SetSize(width, height, FRatio); }
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }
  // Changes the device pixel ratio (bounded to 1..8); the old content is
  // scaled along.
  void SetRatio(qreal ratio) { SetSize(FWidth, FHeight, ratio); }
  void SetSize(int width, int height, qreal ratio);

  TCanvas& Canvas() { return FCanvas; }
  // The picture, with any painting session ended first.
  const QImage& Image() {
    FCanvas.Release();
    return FImage;
  }

 private:
  QImage FImage;
  TCanvas FCanvas;
  int FWidth = 0, FHeight = 0;
  qreal FRatio = 1;
};

// One-time font set-up: substitutions for the classic font names.
void RegisterFontSubstitutions();

}  // namespace Veltor
