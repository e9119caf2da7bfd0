// Drawing at device pixel ratios other than 1: where logical pixels land,
// our own pixel routines against QPainter's fills, XOR, gaps at fractional
// ratios, layers, and control surfaces with their blits.
#include "host/canvas.h"
#include "host/control.h"
#include "host/devicegrid.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include <cmath>

using namespace Veltor;
using VeltorTest::ImageDifference;

namespace {

const qreal kRatios[] = {1.25, 1.5, 1.75, 2, 2.5, 3};
const QRgb kUnpainted = qRgb(0x12, 0x34, 0x56);

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

// Empty when every device pixel of scaled has the colour that ref (ratio 1)
// has at the logical pixel it belongs to.
std::string BlockDifference(const QImage& scaled, const QImage& ref) {
  const TDeviceGrid g = TDeviceGrid::Of(scaled);
  int count = 0;
  QString first;
  for (int y = 0; y < scaled.height(); ++y) {
    for (int x = 0; x < scaled.width(); ++x) {
      const QPoint at(g.LogicalX(x), g.LogicalY(y));
      if (scaled.pixel(x, y) == ref.pixel(at) || count++ > 0) continue;
      first = QStringLiteral("device (%1, %2), logical (%3, %4)").arg(x).arg(y).arg(at.x()).arg(at.y());
    }
  }
  return count == 0 ? std::string() : QStringLiteral("%1 differ, first at %2").arg(count).arg(first).toStdString();
}

void Line(TCanvas& c, int x0, int y0, int x1, int y1) {
  c.MoveTo(x0, y0);
  c.LineTo(x1, y1);
}

// Everything our own routines draw, with QPainter fills only where they
// must meet them exactly: a rectangle's interior, an upright polygon, a
// text background, a clipped fill.
void OwnRoutinesScene(TCanvas& c, int w, int h) {
  c.Brush.Color = clWhite;
  c.FillRect(TRect(0, 0, w, h));
  c.Pen.Color = clNavy;
  Line(c, 1, 1, 30, 17);
  c.Pen.Style = psDot;
  Line(c, 2, 20, 38, 22);
  c.Pen.Style = psSolid;
  c.Pen.Width = 3;
  Line(c, 35, 2, 35, 25);
  Line(c, 3, 26, 20, 26);
  c.Pen.Width = 1;
  c.Brush.Color = clRed;
  c.Rectangle(20, 8, 33, 16);
  c.Brush.Color = clGreen;
  c.FrameRect(TRect(0, 0, w, h));
  c.DrawFocusRect(TRect(3, 3, 15, 12));
  {
    TSpanWriter span(c, clMaroon);
    span.H(5, 18, 24);
    span.V(w - 1, 10, h);
  }
  c.SetPixel(w - 1, h - 1, clFuchsia);
  c.Brush.Color = clYellow;
  c.TextRect(TRect(w - 6, 0, w, 4), 0, 0, QString());
  c.Pen.Style = psClear;
  c.Brush.Color = clLime;
  c.Polygon({TPoint(22, 18), TPoint(30, 18), TPoint(30, 23), TPoint(22, 23)});
  c.Pen.Style = psSolid;
  c.Pen.Mode = pmXor;
  c.Pen.Color = clYellow;
  Line(c, 0, 5, w, 5);
  c.Pen.Mode = pmCopy;
  c.ScrollRect(TRect(0, 0, 20, 14), 2, 1);
  c.ScrollRect(TRect(5, 10, w, h), -3, 0);
  c.SetClipRect(TRect(6, 16, 19, 22));
  c.Pen.Style = psClear;
  c.Brush.Color = clAqua;
  c.Ellipse(-50, -50, 90, 90);
  c.ClearClip();
}

}  // namespace

TEST(DeviceGrid, EdgesMeetQPainterFillsAndFarEdgesTakeThePartialPixel) {
  for (qreal r : kRatios) {
    const TDeviceGrid g(13, 3, r);
    for (int i = 0; i + 1 < 13; ++i) {  // QPainter leaves the far partial pixel
      QImage img = Picture(13, 3, r);
      QPainter(&img).fillRect(QRect(i, 0, 1, 3), Qt::black);
      for (int d = 0; d < img.width(); ++d) {
        EXPECT_EQ(img.pixel(d, 0) == qRgb(0, 0, 0), d >= g.X(i) && d < g.X(i + 1)) << r << ", " << i << ", " << d;
      }
    }
  }
  EXPECT_EQ(DeviceLength(5, 1.25), 7);
  EXPECT_EQ(DeviceLength(50, 1.1), 55);  // 50 * 1.1 comes out a hair above 55
  for (qreal r : {1.1, 1.25, 1.5, 2.0, 2.5}) {
    for (int n = 1; n < 3000; ++n) ASSERT_EQ(LogicalLength(DeviceLength(n, r), r), n) << r;
  }
  const TDeviceGrid g(5, 3, 1.25);
  EXPECT_EQ(g.X(4), 5);
  EXPECT_EQ(g.X(5), 7);  // device pixel 6 belongs to the last column
  EXPECT_EQ(g.LogicalX(6), 4);
  EXPECT_EQ(BoundedRatio(0.5), 1);
  EXPECT_EQ(BoundedRatio(20), 8);
}

TEST(CanvasAtRatio, OwnRoutinesDrawTheRatioOnePictureInWholeBlocks) {
  const int w = 41, h = 29;  // odd: fractional ratios leave partial far pixels
  TBitmap ref(w, h);
  OwnRoutinesScene(ref.Canvas(), w, h);
  for (qreal r : kRatios) {
    TBitmap scaled(w, h, r);
    OwnRoutinesScene(scaled.Canvas(), w, h);
    EXPECT_EQ(BlockDifference(scaled.Image(), ref.Image()), "") << "ratio " << r;
  }
}

TEST(CanvasAtRatio, XorDrawnTwiceRestoresEveryDevicePixel) {
  for (qreal r : {2.0, 1.5, 1.25}) {
    TBitmap b(60, 40, r);
    TCanvas& c = b.Canvas();
    c.Brush.Color = clTeal;
    c.Ellipse(10, 5, 50, 35);
    c.TextOut(4, 12, QStringLiteral("XOR me"));
    const QImage before = b.Image().copy();
    for (int pass = 0; pass < 2; ++pass) {
      c.Pen.Mode = pmXor;
      c.Pen.Color = clLime;
      Line(c, 0, 0, 60, 40);
      c.Pen.Width = 2;
      Line(c, 7, 3, 7, 37);
      Line(c, 2, 10, 30, 25);
      c.Pen.Width = 1;
      c.Ellipse(4, 4, 56, 36);
      c.Polygon({TPoint(5, 30), TPoint(40, 8), TPoint(55, 36)});
      c.Pen.Mode = pmCopy;
      c.DrawFocusRect(TRect(1, 1, 59, 39));
      if (pass == 0) {
        EXPECT_NE(ImageDifference(b.Image(), before), QString());
      }
    }
    EXPECT_EQ(ImageDifference(b.Image(), before).toStdString(), "") << "ratio " << r;
  }
}

TEST(CanvasAtRatio, ThinCurveOutlinesAreOneLogicalPixelWide) {
  const auto ink = [](qreal r) {  // a cosmetic pen would be one device pixel wide
    TBitmap b(90, 62, r);
    b.Canvas().Brush.Style = bsClear;
    b.Canvas().Ellipse(2, 2, 40, 30);
    b.Canvas().RoundRect(45, 2, 85, 30, 14, 10);
    b.Canvas().Arc(2, 32, 60, 60, 60, 46, 2, 46);
    return CountColour(b.Image(), qRgb(0, 0, 0));
  };
  const double one = ink(1);
  for (qreal r : {2.0, 3.0}) {
    EXPECT_NEAR(ink(r) / (one * r * r), 1.0, 0.2) << "ratio " << r;
  }
}

TEST(CanvasAtRatio, FractionalRatiosLeaveNoGaps) {
  for (qreal r : {1.25, 1.5, 1.75}) {
    const int w = 43, h = 27;
    QImage img = Picture(w, h, r);
    TCanvas c(&img);
    c.FillRect(TRect(0, 0, w, h));
    c.Release();
    EXPECT_EQ(CountColour(img, kUnpainted), 0) << r;

    img.fill(kUnpainted);  // columns of 1, 2 and 3 pixels
    for (int x = 0, tw = 1; x < w; x += tw, tw = tw % 3 + 1) {
      c.Brush.Color = tw == 2 ? clRed : clBlue;
      c.FillRect(TRect(x, 0, x + tw, h));
    }
    c.Release();
    EXPECT_EQ(CountColour(img, kUnpainted), 0) << r;

    img.fill(kUnpainted);  // our outline around QPainter's interior
    c.Rectangle(0, 0, w, h);
    c.Release();
    EXPECT_EQ(CountColour(img, kUnpainted), 0) << r;

    TBitmap layer(w, h, r);  // a layer of the same size lands one to one
    OwnRoutinesScene(layer.Canvas(), w, h);
    c.Draw(0, 0, layer.Image());
    c.Release();
    EXPECT_EQ(ImageDifference(img, layer.Image()).toStdString(), "") << r;
  }
}

TEST(CanvasAtRatio, ScrollingKeepsDetailFinerThanALogicalPixel) {
  // At 1.5 a move by 2 is 3 device pixels: every device pixel moves along.
  TBitmap b(40, 20, 1.5);
  b.Canvas().Font.Height = -14;
  b.Canvas().TextOut(1, 2, QStringLiteral("Wave"));
  const QImage before = b.Image().copy();
  b.Canvas().ScrollRect(TRect(0, 0, 40, 20), 2, 0);
  EXPECT_EQ(ImageDifference(b.Image().copy(3, 0, 57, 30), before.copy(0, 0, 57, 30)).toStdString(), "");
}

TEST(CanvasAtRatio, PicturesMoveInDevicePixelsAndBitmapsKeepTheirLogicalSize) {
  TBitmap layer(10, 8, 2);
  layer.Canvas().Font.Height = -8;
  layer.Canvas().TextOut(0, 0, QStringLiteral("ab"));  // detail finer than a logical pixel
  TBitmap sheet(30, 20, 2);
  sheet.Canvas().CopyRect(TRect(4, 6, 9, 10), layer.Image(), TRect(5, 4, 10, 8));
  EXPECT_EQ(ImageDifference(sheet.Image().copy(8, 12, 10, 8), layer.Image().copy(10, 8, 10, 8)).toStdString(), "");
  TBitmap plain(3, 2);  // a ratio-1 picture covers its logical size
  plain.Canvas().Brush.Color = clBlue;
  plain.Canvas().FillRect(TRect(0, 0, 3, 2));
  sheet.Canvas().Draw(20, 10, plain.Image());
  EXPECT_EQ(CountColour(sheet.Image(), qRgb(0, 0, 255)), 6 * 4);

  TBitmap b(10, 6, 1.5);
  EXPECT_EQ(b.Image().size(), QSize(15, 9));
  b.Canvas().SetPixel(2, 2, clRed);
  b.SetRatio(3);  // the content is scaled along
  EXPECT_EQ(b.Width(), 10);
  EXPECT_EQ(b.Image().size(), QSize(30, 18));
  EXPECT_EQ(b.Canvas().Pixel(2, 2), clRed);
  EXPECT_EQ(b.Canvas().Pixel(1, 1), clWhite);
}

// ---------------------------------------------------------------- controls

namespace {

// Lines, a band, an upright and a slanted polygon, an ellipse, XOR and text.
class Scene : public TCustomControl {
 public:
  explicit Scene(QWidget* parent = nullptr) : TCustomControl(parent) { SetBounds(0, 0, 120, 64); }
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    TCanvas& c = Canvas();
    c.Brush.Color = clSilver;
    c.FillRect(ClientRect());
    Line(c, 2, 2, 60, 30);
    Line(c, 2, 38, 50, 38);
    c.Pen.Width = 3;
    Line(c, 70, 4, 70, 60);
    c.Pen.Width = 1;
    c.Brush.Color = clYellow;
    c.Polygon({TPoint(40, 8), TPoint(60, 8), TPoint(60, 20), TPoint(40, 20)});
    c.Polygon({TPoint(82, 58), TPoint(114, 38), TPoint(114, 58)});
    c.Brush.Color = clWhite;
    c.Ellipse(80, 5, 116, 31);
    c.Pen.Mode = pmXor;
    c.Pen.Color = clAqua;
    Line(c, 0, 24, 120, 27);
    c.Pen.Mode = pmCopy;
    c.Font.Name = QStringLiteral("Arial");
    c.Font.Height = -12;
    c.Brush.Style = bsClear;
    c.TextOut(6, 46, QStringLiteral("Ratio 2"));
  }
};

struct DefaultRatioScope {
  ~DefaultRatioScope() { TControl::SetDefaultSurfaceRatio(0); }
};

}  // namespace

TEST(HiDpiControl, RatioTwoBoxDownsampledIsTheRatioOnePictureButForFinerEdges) {
  Scene one, two;
  one.SetSurfaceRatio(1);
  two.SetSurfaceRatio(2);
  const QImage ref = one.SurfaceImage();
  const QImage full = two.SurfaceImage();
  ASSERT_EQ(full.size(), QSize(240, 128));
  const QRect text(4, 44, 70, 16), curves(79, 4, 38, 28);
  int inText = 0, inCurves = 0, elsewhere = 0, textInk = 0, doubled = 0;
  for (int y = 0; y < ref.height(); ++y) {
    for (int x = 0; x < ref.width(); ++x) {
      int sum[3] = {0, 0, 0};
      for (int d = 0; d < 4; ++d) {
        const QRgb p = full.pixel(2 * x + d % 2, 2 * y + d / 2);
        sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p);
      }
      if (qRgb((sum[0] + 2) / 4, (sum[1] + 2) / 4, (sum[2] + 2) / 4) != ref.pixel(x, y)) {
        ++(text.contains(x, y) ? inText : curves.contains(x, y) ? inCurves : elsewhere);
      }
      const QRgb p = full.pixel(2 * x, 2 * y);
      if (text.contains(x, y) && p != qRgb(0xC0, 0xC0, 0xC0)) {
        ++textInk;
        doubled += full.pixel(2 * x + 1, 2 * y) == p && full.pixel(2 * x + 1, 2 * y + 1) == p;
      }
    }
  }
  // Lines, bands, fills, the polygons and XOR match exactly. Glyph and
  // ellipse edges are drawn finer: here 185 and 112 pixels blend
  // differently, a sixth of the text box and a tenth of the ellipse's.
  EXPECT_EQ(elsewhere, 0);
  EXPECT_LE(inText, 230);
  EXPECT_LE(inCurves, 135);
  // Text at full resolution, not ratio-1 glyphs doubled.
  EXPECT_GT(textInk, 50);
  EXPECT_LT(doubled, textInk * 3 / 4);
}

TEST(HiDpiControl, ForcedRatiosMakeTheSurfaceAnewOnce) {
  DefaultRatioScope restore;
  Scene s, other;
  s.SetBounds(0, 0, 7, 5);
  other.SetBounds(0, 0, 7, 5);
  s.SurfaceImage();
  other.SurfaceImage();
  s.SetSurfaceRatio(1.5);
  EXPECT_EQ(s.SurfaceImage().size(), QSize(11, 8));
  EXPECT_EQ(s.Paints, 2);
  s.SetSurfaceRatio(1.5);
  s.SurfaceImage();
  EXPECT_EQ(s.Paints, 2);

  TControl::SetDefaultSurfaceRatio(2);  // for controls without their own
  EXPECT_EQ(other.SurfaceImage().size(), QSize(14, 10));
  EXPECT_EQ(s.SurfaceRatio(), 1.5);
  s.SetSurfaceRatio(0);
  EXPECT_EQ(s.SurfaceRatio(), 2);
  TControl::SetDefaultSurfaceRatio(0);
  const qreal screen = other.devicePixelRatio();
  EXPECT_EQ(other.SurfaceImage().size(), QSize(DeviceLength(7, screen), DeviceLength(5, screen)));

  const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
  s.SetSurfaceRatio(20);
  qInstallMessageHandler(previous);
  EXPECT_EQ(s.SurfaceRatio(), 8);

  QWidget window;  // shown controls repaint at a new process-wide ratio
  auto* shown = new Scene(&window);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QCoreApplication::processEvents();
  const int paints = shown->Paints;
  TControl::SetDefaultSurfaceRatio(2);
  QCoreApplication::processEvents();
  EXPECT_EQ(shown->Paints, paints + 1);
}

TEST(HiDpiControl, BlitsLandOneToOneAndPartialUpdatesMeetTheRest) {
  for (qreal r : {2.0, 1.5, 1.25}) {
    Scene s;
    s.SetBounds(0, 0, 61, 37);
    s.SetSurfaceRatio(r);
    const QImage full = GrabAtRatio(&s, r);
    // Device pixels whose centres lie beyond the control belong to its
    // neighbours on screen.
    const QRect covered(0, 0, DeviceEdge(61, r), DeviceEdge(37, r));
    EXPECT_EQ(ImageDifference(full.convertToFormat(QImage::Format_RGB32).copy(covered), s.SurfaceImage().copy(covered))
                  .toStdString(),
              "")
        << r;
    // Drawing outside Paint shows only the changed rectangle.
    s.Canvas().Pen.Mode = pmXor;
    Line(s.Canvas(), 31, 7, 57, 19);
    QImage partial = full.copy();
    s.render(&partial, QPoint(31, 7), QRegion(31, 7, 27, 13));
    EXPECT_EQ(ImageDifference(partial, GrabAtRatio(&s, r)).toStdString(), "") << r;
    EXPECT_NE(ImageDifference(partial, full), QString()) << r;
  }
}

// CTest runs this again on a screen scaled by 2 and on two screens of
// different ratios (tests/host/two_screens.json), where nothing forces one.
TEST(ScreenRatio, SurfaceFollowsItsScreen) {
  QWidget window;
  window.resize(80, 50);
  auto* s = new Scene(&window);
  s->SetBounds(3, 5, 60, 40);
  auto* hidden = new Scene(&window);
  hidden->hide();
  EXPECT_EQ(s->SurfaceRatio(), s->devicePixelRatio());  // before it is shown
  if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2")) {
    EXPECT_EQ(s->SurfaceRatio(), 2);
  }
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  const auto shownAsSurface = [&] {
    const QImage surface = s->SurfaceImage();
    const QImage shown = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const qreal r = shown.devicePixelRatio();
    EXPECT_EQ(surface.devicePixelRatio(), r);
    return ImageDifference(shown.copy(DeviceEdge(3, r), DeviceEdge(5, r), surface.width(), surface.height()), surface)
        .toStdString();
  };
  EXPECT_EQ(shownAsSurface(), "");

  QScreen* other = nullptr;
  for (QScreen* screen : QGuiApplication::screens()) {
    if (screen->devicePixelRatio() != window.devicePixelRatio()) other = screen;
  }
  if (!other) return;
  const int paints = s->Paints;
  window.windowHandle()->setScreen(other);
  EXPECT_EQ(s->SurfaceRatio(), other->devicePixelRatio());
  EXPECT_EQ(hidden->SurfaceRatio(), other->devicePixelRatio());  // told, though never painted
  QCoreApplication::processEvents();
  EXPECT_GT(s->Paints, paints);
  EXPECT_EQ(shownAsSurface(), "");
}
