#include "host/canvas.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QPainter>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

// A 40 x 30 white bitmap.
struct Sheet {
  TBitmap bmp{40, 30};
  TCanvas& c = bmp.Canvas();
  QImage Img() { return bmp.Image().copy(); }
  int Count(TColor color) {
    const QImage img = Img();
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x) n += PixelAt(img, x, y) == color;
    return n;
  }
};

}  // namespace

TEST(Canvas, ThinLinesLeaveOutTheirLastPixel) {
  Sheet s;
  s.c.Pen.Color = clBlack;
  s.c.MoveTo(2, 3);
  s.c.LineTo(7, 3);
  QImage img = s.Img();
  for (int x = 2; x < 7; ++x) EXPECT_EQ(PixelAt(img, x, 3), clBlack) << x;
  EXPECT_EQ(PixelAt(img, 7, 3), clWhite);
  EXPECT_EQ(PixelAt(img, 1, 3), clWhite);
  EXPECT_EQ(s.Count(clBlack), 5);

  // A zero-length line draws nothing; the pen position still moves.
  s.c.MoveTo(20, 20);
  s.c.LineTo(20, 20);
  EXPECT_EQ(s.Count(clBlack), 5);
  EXPECT_EQ(s.c.PenPos, TPoint(20, 20));

  // A diagonal takes one pixel per step.
  s.c.MoveTo(10, 10);
  s.c.LineTo(15, 15);
  img = s.Img();
  for (int i = 0; i < 5; ++i) EXPECT_EQ(PixelAt(img, 10 + i, 10 + i), clBlack);
  EXPECT_EQ(PixelAt(img, 15, 15), clWhite);
}

TEST(Canvas, StraightWidePensAreBandsWithoutTheirEnd) {
  Sheet s;
  s.c.Pen.Width = 2;
  s.c.MoveTo(10, 5);
  s.c.LineTo(10, 15);
  EXPECT_EQ(s.Count(clBlack), 2 * 10);
  QImage img = s.Img();
  EXPECT_EQ(PixelAt(img, 9, 5), clBlack);
  EXPECT_EQ(PixelAt(img, 10, 14), clBlack);
  EXPECT_EQ(PixelAt(img, 10, 15), clWhite);
  EXPECT_EQ(PixelAt(img, 11, 10), clWhite);
  // Upwards it starts at the first point and leaves out the last as well.
  s.c.Pen.Mode = pmXor;
  s.c.Pen.Color = clWhite;
  s.c.MoveTo(10, 14);
  s.c.LineTo(10, 4);
  EXPECT_EQ(s.Count(clBlack), 0);               // rows 5..14 toggled back
  EXPECT_EQ(PixelAt(s.Img(), 10, 4), clWhite);  // the end is left out
}

TEST(Canvas, XorDrawnTwiceRestoresEveryPixel) {
  Sheet s;
  s.c.Brush.Color = clNavy;
  s.c.FillRect(TRect(5, 5, 30, 20));
  const QImage before = s.Img();

  s.c.Pen.Mode = pmXor;
  s.c.Pen.Color = clLime;
  s.c.Brush.Color = clRed;
  for (int pass = 0; pass < 2; ++pass) {
    s.c.MoveTo(0, 0);
    s.c.LineTo(39, 29);
    s.c.Rectangle(3, 3, 25, 25);
    const TPoint tri[3] = {{1, 28}, {20, 2}, {38, 28}};
    s.c.Polygon(tri, 3);
    s.c.Ellipse(2, 2, 30, 20);
    if (pass == 0) {
      EXPECT_NE(s.Img(), before);
      // Lime over navy XORs to aqua-ish, over white to fuchsia.
      EXPECT_EQ(PixelAt(s.Img(), 1, 1), TColor(0xFF00FF));
    }
  }
  EXPECT_EQ(s.Img(), before);
}

TEST(Canvas, RectangleOutlineAndFillFollowTheClassicRules) {
  Sheet s;
  s.c.Pen.Color = clBlack;
  s.c.Brush.Color = clRed;
  s.c.Rectangle(2, 2, 10, 8);
  QImage img = s.Img();
  EXPECT_EQ(PixelAt(img, 2, 2), clBlack);
  EXPECT_EQ(PixelAt(img, 9, 7), clBlack);  // outline ends at right-1, bottom-1
  EXPECT_EQ(PixelAt(img, 10, 8), clWhite);
  EXPECT_EQ(PixelAt(img, 3, 3), clRed);
  EXPECT_EQ(PixelAt(img, 8, 6), clRed);
  EXPECT_EQ(s.Count(clBlack), 2 * 8 + 2 * 6 - 4);

  // Without a pen the filled area is one pixel smaller.
  s.c.Pen.Style = psClear;
  s.c.Brush.Color = clBlue;
  s.c.Rectangle(20, 10, 30, 20);
  EXPECT_EQ(s.Count(clBlue), 9 * 9);
  img = s.Img();
  EXPECT_EQ(PixelAt(img, 20, 10), clBlue);
  EXPECT_EQ(PixelAt(img, 29, 19), clWhite);

  // FillRect covers [Left, Right) x [Top, Bottom); FrameRect its border.
  s.c.Brush.Color = clGreen;
  s.c.FillRect(TRect(0, 25, 5, 28));
  EXPECT_EQ(s.Count(clGreen), 15);
  s.c.Brush.Color = clYellow;
  s.c.FrameRect(TRect(30, 0, 35, 4));
  EXPECT_EQ(s.Count(clYellow), 5 + 5 + 2 + 2);
}

TEST(Canvas, PolygonFillsPixelsWhoseCentreIsInside) {
  Sheet s;
  s.c.Pen.Style = psClear;
  s.c.Brush.Color = clBlack;
  const TPoint square[4] = {{4, 4}, {14, 4}, {14, 9}, {4, 9}};
  s.c.Polygon(square, 4);
  EXPECT_EQ(s.Count(clBlack), 10 * 5);
  const QImage img = s.Img();
  EXPECT_EQ(PixelAt(img, 4, 4), clBlack);
  EXPECT_EQ(PixelAt(img, 13, 8), clBlack);
  EXPECT_EQ(PixelAt(img, 14, 8), clWhite);
}

TEST(Canvas, StyledThinPensFillGapsOnlyWithASolidBrush) {
  Sheet s;
  s.c.Pen.Color = clBlack;
  s.c.Pen.Style = psDot;
  s.c.Brush.Style = bsClear;
  s.c.MoveTo(0, 0);
  s.c.LineTo(12, 0);
  QImage img = s.Img();
  // Three on, three off.
  const TColor expected[12] = {clBlack, clBlack, clBlack, clWhite, clWhite, clWhite,
                               clBlack, clBlack, clBlack, clWhite, clWhite, clWhite};
  for (int x = 0; x < 12; ++x) EXPECT_EQ(PixelAt(img, x, 0), expected[x]) << x;

  s.c.Brush.Style = bsSolid;
  s.c.Brush.Color = clRed;
  s.c.MoveTo(0, 2);
  s.c.LineTo(12, 2);
  img = s.Img();
  EXPECT_EQ(PixelAt(img, 4, 2), clRed);
  EXPECT_EQ(PixelAt(img, 7, 2), clBlack);
}

TEST(Canvas, ClipRectLimitsLinesFillsAndText) {
  Sheet s;
  s.c.SetClipRect(TRect(10, 10, 20, 20));
  s.c.Pen.Color = clBlack;
  s.c.MoveTo(0, 15);
  s.c.LineTo(40, 15);
  EXPECT_EQ(s.Count(clBlack), 10);
  s.c.Brush.Color = clRed;
  s.c.FillRect(TRect(0, 0, 40, 30));
  EXPECT_EQ(s.Count(clRed), 100);  // covers the clipped line too
  s.c.Font.Color = clBlue;
  s.c.Brush.Style = bsClear;
  s.c.TextOut(0, 0, QStringLiteral("WWWWWWWW"));
  const QImage img = s.Img();
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      if (x < 10 || x >= 20 || y < 10 || y >= 20) {
        EXPECT_EQ(PixelAt(img, x, y), clWhite) << x << "," << y;
      }
  s.c.Brush.Style = bsSolid;
  s.c.ClearClip();
  s.c.FillRect(TRect(0, 0, 40, 30));
  EXPECT_EQ(s.Count(clRed), 40 * 30);
}

TEST(Canvas, FontSizeAndHeightConvertAt96Dpi) {
  TFont f;
  f.SetSize(10);
  EXPECT_EQ(f.Height, -13);
  f.SetSize(9);
  EXPECT_EQ(f.Height, -12);
  f.Height = -11;
  EXPECT_EQ(f.Size(), 8);
  f.Height = -16;
  EXPECT_EQ(f.Size(), 12);
  EXPECT_EQ(f.ToQFont().pixelSize(), 16);
  EXPECT_FALSE(f.ToQFont().kerning());
}

TEST(Canvas, TextWidthsAddUpAndTextStaysInItsBox) {
  Sheet s;
  s.bmp.SetSize(200, 40);
  s.c.Font.Name = QStringLiteral("Arial");
  s.c.Font.SetSize(12);
  s.c.Font.Color = clBlack;
  const int wa = s.c.TextWidth(QStringLiteral("Wave"));
  const int wb = s.c.TextWidth(QStringLiteral("AV7"));
  EXPECT_EQ(s.c.TextWidth(QStringLiteral("WaveAV7")), wa + wb);
  EXPECT_GT(s.c.TextHeight(QStringLiteral("X")), 12);

  // An opaque background fills exactly the text box; the text ink lies in it.
  s.c.Brush.Color = clYellow;
  s.c.TextOut(10, 5, QStringLiteral("Wave"));
  const int h = s.c.TextHeight(QStringLiteral("Wave"));
  const QImage img = s.Img();
  int ink = 0;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const bool inBox = x >= 10 && x < 10 + wa && y >= 5 && y < 5 + h;
      const TColor p = PixelAt(img, x, y);
      if (!inBox) {
        EXPECT_EQ(p, clWhite) << x << "," << y;
      } else if (p != clYellow) {
        ++ink;
      }
    }
  }
  EXPECT_GT(ink, 20);
  EXPECT_EQ(s.c.PenPos, TPoint(10 + wa, 5));
}

TEST(Canvas, CopyRectCombinesByCopyMode) {
  Sheet s;
  TBitmap src(10, 10);
  src.Canvas().Brush.Color = clRed;
  src.Canvas().FillRect(TRect(0, 0, 10, 10));
  s.c.CopyRect(TRect(0, 0, 10, 10), src.Image(), TRect(0, 0, 10, 10));
  EXPECT_EQ(s.Count(clRed), 100);

  // Stretching a 10 x 10 source into 20 x 10.
  s.c.CopyRect(TRect(20, 0, 40, 10), src.Image(), TRect(0, 0, 10, 10));
  EXPECT_EQ(s.Count(clRed), 300);

  const QImage before = s.Img();
  s.c.CopyMode = cmSrcInvert;
  s.c.CopyRect(TRect(5, 5, 15, 15), src.Image(), TRect(0, 0, 10, 10));
  EXPECT_NE(s.Img(), before);
  s.c.CopyRect(TRect(5, 5, 15, 15), src.Image(), TRect(0, 0, 10, 10));
  EXPECT_EQ(s.Img(), before);
}

TEST(Canvas, BitmapResizeKeepsContentAndReportsChanges) {
  TBitmap bmp(10, 10);
  QRect changed;
  bmp.Canvas().OnChange = [&](const QRect& r) { changed |= r; };
  bmp.Canvas().Brush.Color = clBlue;
  bmp.Canvas().FillRect(TRect(2, 3, 6, 7));
  EXPECT_EQ(changed, QRect(2, 3, 4, 4));

  bmp.SetSize(20, 5);
  EXPECT_EQ(bmp.Width(), 20);
  EXPECT_EQ(PixelAt(bmp.Image(), 2, 3), clBlue);
  EXPECT_EQ(PixelAt(bmp.Image(), 15, 2), clWhite);

  // Drawing on an empty bitmap is harmless.
  TBitmap empty;
  empty.Canvas().MoveTo(0, 0);
  empty.Canvas().LineTo(5, 5);
  empty.Canvas().TextOut(0, 0, QStringLiteral("x"));
  EXPECT_TRUE(empty.Image().isNull());
}

TEST(Canvas, AClipSetAfterRotatedTextOrAPolygonIsWhereItSays) {
  for (int before = 0; before < 2; ++before) {
    Sheet s;
    if (before == 0) {
      s.c.Font.Orientation = 900;
      s.c.Brush.Style = bsClear;
      s.c.TextOut(5, 25, QStringLiteral("ab"));
    } else {
      const TPoint tri[3] = {{1, 1}, {8, 1}, {1, 8}};
      s.c.Polygon(tri, 3);  // its fill is drawn shifted by almost half a pixel
    }
    s.c.SetClipRect(TRect(20, 5, 30, 15));
    s.c.Brush.Style = bsSolid;
    s.c.Brush.Color = clRed;
    s.c.Pen.Style = psClear;
    s.c.Ellipse(-40, -40, 80, 70);
    const QImage img = s.Img();
    EXPECT_EQ(s.Count(clRed), 10 * 10) << before;
    EXPECT_EQ(PixelAt(img, 20, 5), clRed) << before;
    EXPECT_EQ(PixelAt(img, 29, 14), clRed) << before;
  }
}
