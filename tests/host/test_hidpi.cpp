// Drawing at device pixel ratios other than 1: where logical pixels land,
// our own pixel routines against QPainter's fills, XOR, gaps at fractional
// ratios, off-screen layers, and control surfaces with their blits.
#include "host/canvas.h"
#include "host/control.h"
#include "host/devicegrid.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>
#include <QTest>

#include <cmath>
#include <functional>

using namespace Veltor;
using VeltorTest::ImageDifference;
using VeltorTest::PixelAt;

namespace {

const qreal kRatios[] = {1.25, 1.5, 1.75, 2, 2.5, 3};
const qreal kFractional[] = {1.25, 1.5, 1.75};
const QRgb kUnpainted = qRgb(0x12, 0x34, 0x56);

// An image of logical size w x h at ratio, filled with colour.
QImage Picture(int w, int h, qreal ratio, QRgb colour = kUnpainted) {
  QImage img(DeviceLength(w, ratio), DeviceLength(h, ratio), QImage::Format_RGB32);
  img.setDevicePixelRatio(ratio);
  img.fill(colour);
  return img;
}

int CountColour(const QImage& img, QRgb colour) {
  int n = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
  return n;
}

// Compares every device pixel of scaled with the pixel of ref (ratio 1) its
// logical pixel stands for; empty when all agree.
QString BlockDifference(const QImage& scaled, const QImage& ref) {
  const TDeviceGrid g = TDeviceGrid::Of(scaled);
  if (g.Width() != ref.width() || g.Height() != ref.height()) return QStringLiteral("logical sizes differ");
  int count = 0;
  QString first;
  for (int y = 0; y < scaled.height(); ++y) {
    for (int x = 0; x < scaled.width(); ++x) {
      const QPoint at(g.LogicalX(x), g.LogicalY(y));
      if (scaled.pixel(x, y) == ref.pixel(at)) continue;
      if (count++ == 0) first = QStringLiteral("device (%1, %2), logical (%3, %4)").arg(x).arg(y).arg(at.x()).arg(at.y());
    }
  }
  return count == 0 ? QString() : QStringLiteral("%1 pixels differ, first at %2").arg(count).arg(first);
}

// Everything our own routines draw, with QPainter fills only where they
// must meet them exactly (a rectangle's interior, an upright polygon).
void OwnRoutinesScene(TCanvas& c, int w, int h) {
  c.Brush.Color = clWhite;
  c.FillRect(TRect(0, 0, w, h));
  c.Pen.Color = clNavy;
  c.MoveTo(1, 1);
  c.LineTo(30, 17);
  c.Pen.Style = psDot;
  c.MoveTo(2, 20);
  c.LineTo(38, 22);
  c.Pen.Style = psSolid;
  c.Pen.Width = 3;
  c.MoveTo(35, 2);
  c.LineTo(35, 25);
  c.MoveTo(3, 26);
  c.LineTo(20, 26);
  c.Pen.Width = 1;
  c.Brush.Color = clRed;
  c.Rectangle(20, 8, 33, 16);
  c.Brush.Color = clGreen;
  c.FrameRect(TRect(0, 0, w, h));
  c.DrawFocusRect(TRect(3, 3, 15, 12));
  c.SetPixel(w - 1, h - 1, clFuchsia);
  c.SetPixel(0, h - 2, clBlue);
  {
    TSpanWriter span(c, clMaroon);
    span.H(5, 18, 24);
    span.V(w - 1, 10, h);
  }
  c.Brush.Color = clAqua;
  c.FillRect(TRect(10, 13, 16, 19));
  c.Pen.Style = psClear;
  c.Brush.Color = clLime;
  c.Polygon({TPoint(22, 18), TPoint(30, 18), TPoint(30, 23), TPoint(22, 23)});
  c.Pen.Style = psSolid;
  c.Pen.Mode = pmXor;
  c.Pen.Color = clYellow;
  c.MoveTo(0, 5);
  c.LineTo(w, 5);
  c.Pen.Mode = pmCopy;
  c.ScrollRect(TRect(0, 0, 20, 14), 2, 1);
  c.ScrollRect(TRect(5, 10, w, h), -3, 0);
}

}  // namespace

// ---------------------------------------------------------------- the grid

TEST(DeviceGrid, EdgesLieWhereQPainterFillsPutThem) {
  const int w = 13, h = 13;
  for (qreal r : kRatios) {
    const TDeviceGrid g(w, h, r);
    // The far column and row also take the partial device pixel QPainter
    // leaves; up to there both must agree on every device pixel.
    for (int i = 0; i + 1 < std::min(w, h); ++i) {
      QImage cols = Picture(w, h, r, qRgb(255, 255, 255));
      QImage rows = cols.copy();
      {
        QPainter p(&cols);
        p.fillRect(QRect(i, 0, 1, h), Qt::black);
        QPainter q(&rows);
        q.fillRect(QRect(0, i, w, 1), Qt::black);
      }
      for (int d = 0; d < cols.width(); ++d) {
        EXPECT_EQ(cols.pixel(d, 0) == qRgb(0, 0, 0), d >= g.X(i) && d < g.X(i + 1))
            << "ratio " << r << ", column " << i << ", device column " << d;
      }
      for (int d = 0; d < rows.height(); ++d) {
        EXPECT_EQ(rows.pixel(0, d) == qRgb(0, 0, 0), d >= g.Y(i) && d < g.Y(i + 1))
            << "ratio " << r << ", row " << i << ", device row " << d;
      }
    }
  }
}

TEST(DeviceGrid, LengthsRoundUpAndFarEdgesTakeThePartialPixel) {
  EXPECT_EQ(DeviceLength(5, 1.25), 7);
  EXPECT_EQ(DeviceLength(7, 2), 14);
  EXPECT_EQ(DeviceLength(50, 1.1), 55);  // 50 * 1.1 comes out a hair above 55
  EXPECT_EQ(DeviceLength(9, 1), 9);
  for (qreal r : {1.1, 1.2, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
    int wrong = 0;
    for (int n = 1; n <= 3000; ++n) wrong += LogicalLength(DeviceLength(n, r), r) != n;
    EXPECT_EQ(wrong, 0) << "ratio " << r;
  }

  const TDeviceGrid g(5, 3, 1.25);
  EXPECT_EQ(g.DeviceWidth(), 7);
  EXPECT_EQ(g.X(4), 5);
  EXPECT_EQ(g.X(5), 7);  // device pixel 6 belongs to the last column
  EXPECT_EQ(g.LogicalX(6), 4);
  EXPECT_GT(g.X(6), g.X(5));
  EXPECT_EQ(g.Map(QRect(1, 0, 2, 3)), QRect(1, 0, 3, 4));
  for (int d = -3; d < g.DeviceWidth() + 3; ++d) {
    const int x = g.LogicalX(d);
    EXPECT_LE(g.X(x), d) << d;
    EXPECT_LT(d, g.X(x + 1)) << d;
  }
  EXPECT_EQ(TDeviceGrid(4, 4, 1).X(-2), -2);
  EXPECT_EQ(BoundedRatio(0.5), 1);
  EXPECT_EQ(BoundedRatio(20), 8);
  EXPECT_EQ(BoundedRatio(std::nan("")), 1);
}

// ---------------------------------------------------------------- the canvas

TEST(CanvasAtRatio, OwnRoutinesDrawTheRatioOnePictureInWholeBlocks) {
  const int w = 41, h = 29;  // odd, so that fractional ratios leave partial far pixels
  TBitmap ref(w, h);
  OwnRoutinesScene(ref.Canvas(), w, h);
  for (qreal r : kRatios) {
    TBitmap scaled(w, h, r);
    OwnRoutinesScene(scaled.Canvas(), w, h);
    EXPECT_EQ((BlockDifference(scaled.Image(), ref.Image())).toStdString(), "") << "ratio " << r;
    EXPECT_EQ(scaled.Canvas().Pixel(35, 3), clNavy) << "ratio " << r;
    EXPECT_EQ(scaled.Canvas().ClipRect(), TRect(0, 0, w, h));
  }
}

TEST(CanvasAtRatio, ClipsWhereOurOwnRoutinesDo) {
  const auto draw = [](TCanvas& c) {
    c.SetClipRect(TRect(3, 2, 12, 9));
    c.Pen.Style = psClear;
    c.Brush.Color = clRed;
    c.Ellipse(-20, -20, 40, 40);  // a QPainter fill over the whole picture
    c.Brush.Color = clBlue;
    c.FillRect(TRect(10, 0, 20, 4));  // our own spans
    c.Font.Height = -20;
    c.TextRect(TRect(0, 6, 5, 14), 0, 5, QStringLiteral("W"));
  };
  TBitmap ref(20, 14);
  draw(ref.Canvas());
  for (qreal r : kRatios) {
    TBitmap scaled(20, 14, r);
    draw(scaled.Canvas());
    EXPECT_EQ((BlockDifference(scaled.Image(), ref.Image())).toStdString(), "") << "ratio " << r;
  }
}

TEST(CanvasAtRatio, XorDrawnTwiceRestoresEveryDevicePixel) {
  for (qreal r : {2.0, 1.5, 1.25}) {
    const int w = 60, h = 40;
    TBitmap b(w, h, r);
    TCanvas& c = b.Canvas();
    c.Brush.Color = clTeal;
    c.FillRect(TRect(0, 0, w, h));
    c.Brush.Color = clSilver;
    c.Ellipse(10, 5, 50, 35);
    c.Font.Name = QStringLiteral("Arial");
    c.Font.Height = -13;
    c.Brush.Style = bsClear;
    c.TextOut(4, 12, QStringLiteral("XOR me"));
    const QImage before = b.Image().copy();
    const TPoint tri[] = {{5, 30}, {40, 8}, {55, 36}};
    auto xorPass = [&] {
      c.Pen.Mode = pmXor;
      c.Pen.Color = clLime;
      c.Pen.Width = 1;
      c.MoveTo(0, 0);
      c.LineTo(w, h);
      c.MoveTo(3, h - 2);
      c.LineTo(w - 4, 2);
      c.Pen.Width = 2;
      c.MoveTo(7, 3);
      c.LineTo(7, h - 3);
      c.MoveTo(2, 10);
      c.LineTo(30, 25);
      c.Pen.Width = 1;
      c.Brush.Style = bsClear;
      c.Ellipse(4, 4, w - 4, h - 4);
      c.Brush.Style = bsSolid;
      c.Brush.Color = clBlue;
      c.Polygon(tri, 3);
      c.Rectangle(30, 3, 57, 20);
      c.Pen.Mode = pmCopy;
      c.DrawFocusRect(TRect(1, 1, w - 1, h - 1));
    };
    xorPass();
    EXPECT_NE(ImageDifference(b.Image(), before), QString());
    xorPass();
    EXPECT_EQ((ImageDifference(b.Image(), before)).toStdString(), "") << "ratio " << r;
  }
}

TEST(CanvasAtRatio, ThinCurveOutlinesAreOneLogicalPixelWide) {
  // A cosmetic pen would draw them one device pixel wide.
  const auto ink = [](qreal r) {
    TBitmap b(90, 62, r);
    TCanvas& c = b.Canvas();
    c.Brush.Style = bsClear;
    c.Ellipse(2, 2, 40, 30);
    c.RoundRect(45, 2, 85, 30, 14, 10);
    c.Arc(2, 32, 60, 60, 60, 46, 2, 46);
    return CountColour(b.Image(), qRgb(0, 0, 0));
  };
  const double one = ink(1);
  ASSERT_GT(one, 150);
  for (qreal r : {2.0, 3.0}) {
    const double share = ink(r) / (one * r * r);
    EXPECT_GT(share, 0.8) << "ratio " << r;
    EXPECT_LT(share, 1.25) << "ratio " << r;
  }
}

TEST(CanvasAtRatio, FractionalRatiosLeaveNoGaps) {
  for (qreal r : kFractional) {
    for (const QSize size : {QSize(41, 29), QSize(43, 27)}) {
      const int w = size.width(), h = size.height();
      QImage img = Picture(w, h, r);
      TCanvas c(&img);
      const auto context = [&] { return QStringLiteral("ratio %1, %2 x %3").arg(r).arg(w).arg(h).toStdString(); };

      c.Brush.Color = clWhite;
      c.FillRect(TRect(0, 0, w, h));
      c.Release();
      EXPECT_EQ(CountColour(img, kUnpainted), 0) << context();

      // Tiles of 1, 2 and 3 pixels, each device pixel in the tile of its
      // logical pixel.
      img.fill(kUnpainted);
      const TColor colours[] = {clRed, clBlue, clLime, clYellow};
      QImage ref(w, h, QImage::Format_RGB32);
      QPainter refPainter(&ref);
      int tile = 0;
      for (int y = 0, th = 1; y < h; y += th, th = th % 3 + 1) {
        for (int x = 0, tw = 2; x < w; x += tw, tw = tw % 3 + 1) {
          c.Brush.Color = colours[tile++ % 4];
          c.FillRect(TRect(x, y, x + tw, y + th));
          refPainter.fillRect(QRect(x, y, tw, th), c.Brush.Color.ToQColor());
        }
      }
      refPainter.end();
      c.Release();
      EXPECT_EQ((BlockDifference(img, ref)).toStdString(), "") << context();

      // A thin-pen rectangle: our outline meets QPainter's interior.
      img.fill(kUnpainted);
      c.Brush.Color = clAqua;
      c.Rectangle(0, 0, w, h);
      c.Release();
      EXPECT_EQ(CountColour(img, kUnpainted), 0) << context();

      // Text backgrounds, frames and pattern fills reach the far edges.
      img.fill(kUnpainted);
      c.Brush.Color = clYellow;
      c.TextRect(TRect(0, 0, w, h / 2), 2, 2, QStringLiteral("Text"));
      c.Brush.Style = bsDiagCross;
      c.FillRect(TRect(0, h / 2, w, h));
      c.Brush.Style = bsSolid;
      c.Release();
      EXPECT_EQ(CountColour(img, kUnpainted), 0) << context();

      // A layer of the same size and ratio lands one to one.
      TBitmap layer(w, h, r);
      OwnRoutinesScene(layer.Canvas(), w, h);
      img.fill(kUnpainted);
      c.Draw(0, 0, layer.Image());
      c.Release();
      EXPECT_EQ((ImageDifference(img, layer.Image())).toStdString(), "") << context();
    }
  }
}

TEST(CanvasAtRatio, PicturesAreCopiedInDevicePixels) {
  TBitmap layer(10, 8, 2);
  layer.Canvas().Brush.Color = clRed;
  layer.Canvas().FillRect(TRect(0, 0, 10, 8));
  layer.Canvas().Font.Height = -8;
  layer.Canvas().TextOut(0, 0, QStringLiteral("ab"));  // detail finer than a logical pixel
  TBitmap sheet(30, 20, 2);
  sheet.Canvas().CopyRect(TRect(4, 6, 9, 10), layer.Image(), TRect(5, 4, 10, 8));
  const QImage img = sheet.Image();
  const QImage src = layer.Image();
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 10; ++x) ASSERT_EQ(img.pixel(8 + x, 12 + y), src.pixel(10 + x, 8 + y)) << x << ", " << y;
  EXPECT_EQ(PixelAt(img, 7, 12), clWhite);
  EXPECT_EQ(PixelAt(img, 18, 12), clWhite);

  // A ratio-1 picture on a ratio-2 canvas covers its logical size.
  TBitmap plain(3, 2);
  plain.Canvas().Brush.Color = clBlue;
  plain.Canvas().FillRect(TRect(0, 0, 3, 2));
  sheet.Canvas().Draw(20, 10, plain.Image());
  EXPECT_EQ(sheet.Canvas().Pixel(22, 11), clBlue);
  EXPECT_EQ(CountColour(sheet.Image(), qRgb(0, 0, 255)), 6 * 4);
}

TEST(CanvasAtRatio, ScrollingAtAFractionalRatioMovesLogicalPixels) {
  // An odd move at 1.5 is no whole number of device pixels.
  TBitmap ref(20, 10);
  TBitmap scaled(20, 10, 1.5);
  for (TBitmap* b : {&ref, &scaled}) {
    TCanvas& c = b->Canvas();
    for (int x = 0; x < 20; ++x) c.SetPixel(x, 4, x % 2 ? clRed : clBlue);
    c.ScrollRect(TRect(0, 0, 20, 10), 3, 1);
  }
  EXPECT_EQ((BlockDifference(scaled.Image(), ref.Image())).toStdString(), "");
  EXPECT_EQ(PixelAt(ref.Image(), 3, 5), clBlue);
}

TEST(Bitmap, KeepsItsLogicalSizeAndScalesContentToANewRatio) {
  TBitmap b(10, 6, 1.5);
  EXPECT_EQ(b.Width(), 10);
  EXPECT_EQ(b.Height(), 6);
  EXPECT_EQ(b.Image().size(), QSize(15, 9));
  EXPECT_EQ(b.Image().devicePixelRatio(), 1.5);
  b.Canvas().SetPixel(2, 2, clRed);
  const QImage before = b.Image().copy();

  b.SetSize(12, 6);  // device pixels stay where they are
  EXPECT_EQ(b.Image().size(), QSize(18, 9));
  EXPECT_EQ((ImageDifference(b.Image().copy(0, 0, 15, 9), before)).toStdString(), "");
  EXPECT_EQ(PixelAt(b.Image(), 17, 8), clWhite);

  b.SetRatio(3);
  EXPECT_EQ(b.Width(), 12);
  EXPECT_EQ(b.Image().size(), QSize(36, 18));
  EXPECT_EQ(b.Canvas().Pixel(2, 2), clRed);
  EXPECT_EQ(b.Canvas().Pixel(1, 1), clWhite);
  b.SetRatio(0.5);
  EXPECT_EQ(b.Ratio(), 1);
  EXPECT_EQ(b.Image().size(), QSize(12, 6));
}

// ---------------------------------------------------------------- controls

namespace {

// A control drawing lines, a band, an upright and a slanted polygon, an
// ellipse, XOR lines and text.
class Scene : public TCustomControl {
 public:
  explicit Scene(QWidget* parent = nullptr) : TCustomControl(parent) { SetBounds(0, 0, 120, 64); }
  int Paints = 0;
  static QRect TextBox() { return QRect(4, 44, 70, 16); }
  static QRect EllipseBox() { return QRect(79, 4, 38, 28); }
  static QRect SlantBox() { return QRect(80, 36, 36, 24); }

  void MarkOutsidePaint() {
    Canvas().Pen.Mode = pmXor;
    Canvas().Pen.Color = clRed;
    Canvas().MoveTo(31, 7);
    Canvas().LineTo(57, 19);
    Canvas().Pen.Mode = pmCopy;
  }

 protected:
  void Paint() override {
    ++Paints;
    TCanvas& c = Canvas();
    c.Brush.Color = clSilver;
    c.FillRect(ClientRect());
    c.Pen.Color = clBlack;
    c.MoveTo(2, 2);
    c.LineTo(60, 30);
    c.MoveTo(2, 38);
    c.LineTo(50, 38);
    c.Pen.Width = 3;
    c.MoveTo(70, 4);
    c.LineTo(70, 60);
    c.Pen.Width = 1;
    c.Brush.Color = clYellow;
    c.Polygon({TPoint(40, 8), TPoint(60, 8), TPoint(60, 20), TPoint(40, 20)});
    c.Polygon({TPoint(82, 58), TPoint(114, 38), TPoint(114, 58)});
    c.Brush.Color = clWhite;
    c.Ellipse(80, 5, 116, 31);
    c.Pen.Mode = pmXor;
    c.Pen.Color = clAqua;
    c.MoveTo(0, 24);
    c.LineTo(120, 27);
    c.Pen.Mode = pmCopy;
    c.Font.Name = QStringLiteral("Arial");
    c.Font.Height = -12;
    c.Brush.Style = bsClear;
    c.TextOut(6, 46, QStringLiteral("Ratio 2"));
  }
};

// Averages each 2 x 2 block.
QImage HalfSize(const QImage& img) {
  QImage out(img.width() / 2, img.height() / 2, QImage::Format_RGB32);
  for (int y = 0; y < out.height(); ++y) {
    for (int x = 0; x < out.width(); ++x) {
      int r = 0, g = 0, b = 0;
      for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)}) {
        const QRgb p = img.pixel(2 * x + d.x(), 2 * y + d.y());
        r += qRed(p);
        g += qGreen(p);
        b += qBlue(p);
      }
      out.setPixel(x, y, qRgb((r + 2) / 4, (g + 2) / 4, (b + 2) / 4));
    }
  }
  return out;
}

// Collects the warnings logged while it lives.
class WarningLog {
 public:
  WarningLog() : FPrevious(qInstallMessageHandler(&Handler)) { Texts().clear(); }
  ~WarningLog() { qInstallMessageHandler(FPrevious); }
  static QStringList& Texts() {
    static QStringList texts;
    return texts;
  }

 private:
  static void Handler(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg) Texts() << text;
  }
  QtMessageHandler FPrevious;
};

// Restores the process-wide ratio when a test ends.
struct DefaultRatioScope {
  ~DefaultRatioScope() { TControl::SetDefaultSurfaceRatio(0); }
};

}  // namespace

TEST(HiDpiControl, RatioTwoBoxDownsamplesToTheRatioOnePicture) {
  Scene one;
  const QImage ref = one.SurfaceImage();
  Scene two;
  two.SetSurfaceRatio(2);
  const QImage full = two.SurfaceImage();
  ASSERT_EQ(full.size(), QSize(240, 128));
  EXPECT_EQ(full.devicePixelRatio(), 2);
  const QImage half = HalfSize(full);

  int text = 0, curves = 0, elsewhere = 0;
  for (int y = 0; y < ref.height(); ++y) {
    for (int x = 0; x < ref.width(); ++x) {
      if (half.pixel(x, y) == ref.pixel(x, y)) continue;
      if (Scene::TextBox().contains(x, y)) {
        ++text;
      } else if (Scene::EllipseBox().contains(x, y) || Scene::SlantBox().contains(x, y)) {
        ++curves;
      } else {
        ++elsewhere;
      }
    }
  }
  // Lines, bands, fills, the polygons' outlines and XOR match exactly; the
  // glyphs' and the ellipse's edges are drawn finer and blend. They differ
  // on 185 and 112 pixels here, a sixth of the text box and a twentieth of
  // the curves' boxes.
  EXPECT_EQ(elsewhere, 0);
  EXPECT_LE(text, 230);
  EXPECT_LE(curves, 135);
  // The text is drawn at full resolution, not doubled pixels.
  int doubled = 0, blocks = 0;
  for (int y = Scene::TextBox().top(); y <= Scene::TextBox().bottom(); ++y) {
    for (int x = Scene::TextBox().left(); x <= Scene::TextBox().right(); ++x) {
      const QRgb p = full.pixel(2 * x, 2 * y);
      if (p == qRgb(0xC0, 0xC0, 0xC0)) continue;
      ++blocks;
      doubled += full.pixel(2 * x + 1, 2 * y) == p && full.pixel(2 * x, 2 * y + 1) == p &&
                 full.pixel(2 * x + 1, 2 * y + 1) == p;
    }
  }
  EXPECT_GT(blocks, 50);
  EXPECT_LT(doubled, blocks * 3 / 4);
}

TEST(HiDpiControl, ForcedRatiosMakeTheSurfaceAnewOnce) {
  DefaultRatioScope restore;
  Scene s;
  s.SetBounds(0, 0, 7, 5);
  EXPECT_EQ(s.SurfaceImage().size(), QSize(7, 5));
  EXPECT_EQ(s.Paints, 1);

  s.SetSurfaceRatio(1.5);
  QImage img = s.SurfaceImage();
  EXPECT_EQ(img.size(), QSize(11, 8));
  EXPECT_EQ(img.devicePixelRatio(), 1.5);
  EXPECT_EQ(s.Paints, 2);
  s.SetSurfaceRatio(1.5);
  s.SurfaceImage();
  EXPECT_EQ(s.Paints, 2);

  // The process-wide ratio reaches controls without one of their own.
  Scene other;
  other.SetBounds(0, 0, 7, 5);
  other.SurfaceImage();
  TControl::SetDefaultSurfaceRatio(2);
  EXPECT_EQ(other.SurfaceImage().size(), QSize(14, 10));
  EXPECT_EQ(other.Paints, 2);
  EXPECT_EQ(s.SurfaceImage().size(), QSize(11, 8));
  EXPECT_EQ(s.Paints, 2);
  s.SetSurfaceRatio(0);
  EXPECT_EQ(s.SurfaceRatio(), 2);
  Scene later;
  EXPECT_EQ(later.SurfaceRatio(), 2);
  TControl::SetDefaultSurfaceRatio(0);
  EXPECT_EQ(other.SurfaceImage().size(), QSize(7, 5));

  WarningLog warnings;
  s.SetSurfaceRatio(20);
  EXPECT_EQ(s.SurfaceRatio(), 8);
  ASSERT_EQ(WarningLog::Texts().size(), 1);
  EXPECT_TRUE(WarningLog::Texts()[0].contains(QStringLiteral("surface ratio 20 kept to 8")));
}

TEST(HiDpiControl, ShownControlsRepaintAtANewProcessWideRatio) {
  DefaultRatioScope restore;
  QWidget window;
  window.resize(50, 40);
  auto* s = new Scene(&window);
  s->SetBounds(0, 0, 30, 20);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QCoreApplication::processEvents();
  const int paints = s->Paints;
  TControl::SetDefaultSurfaceRatio(2);
  QCoreApplication::processEvents();
  EXPECT_EQ(s->Paints, paints + 1);
}

TEST(HiDpiControl, BlitsLandOneToOneAndPartialUpdatesMeetTheRest) {
  for (qreal r : {2.0, 1.5, 1.25}) {
    Scene s;
    s.SetBounds(0, 0, 61, 37);
    s.SetSurfaceRatio(r);
    const QImage full = GrabAtRatio(&s, r);
    ASSERT_EQ(full.devicePixelRatio(), r);
    // Device pixels whose centres lie beyond the control's logical extent
    // belong to its neighbours on screen.
    const QRect covered(0, 0, DeviceEdge(61, r), DeviceEdge(37, r));
    EXPECT_EQ((ImageDifference(full.convertToFormat(QImage::Format_RGB32).copy(covered), s.SurfaceImage().copy(covered)))
                  .toStdString(),
              "")
        << r;

    // Drawing outside Paint shows only the changed rectangle; it must fit
    // the rest as a full blit does.
    s.MarkOutsidePaint();
    QImage partial = full.copy();
    s.render(&partial, QPoint(31, 7), QRegion(31, 7, 27, 13));
    EXPECT_EQ((ImageDifference(partial, GrabAtRatio(&s, r))).toStdString(), "") << r;
    EXPECT_NE(ImageDifference(partial, full), QString()) << r;
  }
}

// Runs in the normal suite at the screen's ratio 1, and again by CTest under
// QT_SCALE_FACTOR=2, where no ratio is forced and the screen's must be taken.
TEST(ScreenRatio, SurfaceFollowsTheScreen) {
  QWidget window;
  window.resize(80, 50);
  auto* s = new Scene(&window);
  s->SetBounds(3, 5, 60, 40);
  // A control may be drawn on before it is shown.
  EXPECT_EQ(s->SurfaceRatio(), s->devicePixelRatio());
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const qreal screen = window.devicePixelRatio();
  if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2")) {
    EXPECT_EQ(screen, 2);
  }
  EXPECT_EQ(s->SurfaceRatio(), screen);
  const QImage surface = s->SurfaceImage();
  EXPECT_EQ(surface.size(), QSize(DeviceLength(60, screen), DeviceLength(40, screen)));
  const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const QRect at(DeviceEdge(3, screen), DeviceEdge(5, screen), surface.width(), surface.height());
  EXPECT_EQ((ImageDifference(shown.copy(at), surface)).toStdString(), "");
}

// Needs two screens of different ratios: CTest runs it with
// tests/host/two_screens.json.
TEST(ScreenRatio, MovingToAScreenOfAnotherRatioMakesTheSurfaceAnew) {
  QWidget window;
  window.resize(80, 50);
  auto* s = new Scene(&window);
  s->SetBounds(3, 5, 60, 40);
  auto* hidden = new Scene(&window);
  hidden->hide();
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QScreen* other = nullptr;
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen->devicePixelRatio() != window.devicePixelRatio()) other = screen;
  }
  if (!other) GTEST_SKIP() << "one screen ratio only";
  EXPECT_EQ(s->SurfaceRatio(), window.devicePixelRatio());
  s->SurfaceImage();
  const int paints = s->Paints;

  window.windowHandle()->setScreen(other);
  // A hidden control is not painted, but told as well.
  EXPECT_EQ(s->SurfaceRatio(), other->devicePixelRatio());
  EXPECT_EQ(hidden->SurfaceRatio(), other->devicePixelRatio());
  QCoreApplication::processEvents();
  EXPECT_GT(s->Paints, paints);
  const QImage surface = s->SurfaceImage();
  EXPECT_EQ(surface.devicePixelRatio(), other->devicePixelRatio());
  const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
  const qreal r = shown.devicePixelRatio();
  EXPECT_EQ(r, other->devicePixelRatio());
  EXPECT_EQ((ImageDifference(shown.copy(DeviceEdge(3, r), DeviceEdge(5, r), surface.width(), surface.height()), surface))
                .toStdString(),
            "");
}
