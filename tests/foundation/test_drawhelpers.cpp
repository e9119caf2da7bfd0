#include "foundation/drawhelpers.h"
#include "foundation/numformat.h"

#include "testutil.h"

#include <gtest/gtest.h>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

TBitmap& ArialSheet(TBitmap& bmp) {
  bmp.Canvas().Font.Name = QStringLiteral("Arial");
  bmp.Canvas().Font.SetSize(10);
  bmp.Canvas().Font.Color = clBlack;
  return bmp;
}

int InkIn(const QImage& img, const QRect& r) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += PixelAt(img, x, y) != clWhite;
  return n;
}

}  // namespace

TEST(WrapText, ShortOrFittingTextsStayWhole) {
  TBitmap bmp(10, 10);
  TCanvas& c = ArialSheet(bmp).Canvas();
  QString two = QStringLiteral("ab");
  EXPECT_EQ(WrapText(c, 1, two), 1);
  EXPECT_EQ(two, QStringLiteral("ab"));
  QString fits = QStringLiteral("Hello");
  EXPECT_EQ(WrapText(c, 500, fits), 1);
  EXPECT_EQ(fits, QStringLiteral("Hello"));
}

TEST(WrapText, BreaksAtBarsAndAfterWords) {
  TBitmap bmp(10, 10);
  TCanvas& c = ArialSheet(bmp).Canvas();
  // A bar breaks even when everything fits; it becomes a trailing blank.
  QString bar = QStringLiteral("AB|CD");
  EXPECT_EQ(WrapText(c, 500, bar), 2);
  EXPECT_EQ(bar, QStringLiteral("AB \rCD"));

  QString words = QStringLiteral("Hello World");
  EXPECT_EQ(WrapText(c, c.TextWidth(QStringLiteral("Hello W")), words), 2);
  EXPECT_EQ(words, QStringLiteral("Hello \rWorld"));

  // A break character after a blank breaks at the blank, not after it.
  QString dash = QStringLiteral("Volt -Meter");
  EXPECT_EQ(WrapText(c, c.TextWidth(QStringLiteral("Volt -M")), dash), 2);
  EXPECT_EQ(dash, QStringLiteral("Volt \r-Meter"));

  // Without any break character the line is cut where it gets too wide.
  QString solid = QStringLiteral("ABCDEFGHIJ");
  const int lines = WrapText(c, c.TextWidth(QStringLiteral("ABC")), solid);
  EXPECT_GE(lines, 3);
  EXPECT_EQ(QString(solid).remove(QChar(13)), QStringLiteral("ABCDEFGHIJ"));
  EXPECT_EQ(solid.count(QChar(13)), lines - 1);
}

TEST(WrapText, TerminatesOnRoomlessWidths) {
  TBitmap bmp(10, 10);
  TCanvas& c = ArialSheet(bmp).Canvas();
  QString text = QStringLiteral("a b|c d e|f");
  const int lines = WrapText(c, 0, text);
  EXPECT_GE(lines, 2);
  EXPECT_FALSE(text.startsWith(QChar(13)));
  QString longText(400, QLatin1Char('x'));
  WrapText(c, 50, longText);
  EXPECT_EQ(QString(longText).remove(QChar(13)).length(), 255);
}

TEST(DrawHelpers, OutlinesStartBottomLeftAndRestoreThePen) {
  TBitmap bmp(20, 20);
  TCanvas& c = bmp.Canvas();
  c.Pen.Color = clRed;
  c.Pen.Width = 3;
  DrawSunken(c, TRect(2, 2, 10, 8));
  QImage img = bmp.Image();
  EXPECT_EQ(PixelAt(img, 2, 8), clGray);
  EXPECT_EQ(PixelAt(img, 2, 2), clGray);
  EXPECT_EQ(PixelAt(img, 9, 2), clGray);
  EXPECT_EQ(PixelAt(img, 10, 2), clWhite);
  EXPECT_EQ(PixelAt(img, 10, 8), clWhite);
  EXPECT_EQ(c.Pen.Color, clRed);
  EXPECT_EQ(c.Pen.Width, 3);

  c.Brush.Color = clBlue;
  TRect r(12, 12, 18, 18);
  DrawFramedRaised(c, r);
  img = bmp.Image();
  EXPECT_EQ(r, TRect(13, 13, 17, 17));
  EXPECT_EQ(PixelAt(img, 18, 18), clBlue);  // frame reaches Right + 1 - 1
  EXPECT_EQ(PixelAt(img, 13, 14), clWhite);
  EXPECT_EQ(PixelAt(img, 17, 15), clGray);
}

TEST(DrawHelpers, ArrowsPointTheirWayWithOptionalBar) {
  TBitmap bmp(20, 20);
  TCanvas& c = bmp.Canvas();
  c.Brush.Color = clYellow;
  DrawArrowUp(c, TRect(0, 0, 20, 20), false);
  QImage img = bmp.Image();
  EXPECT_EQ(PixelAt(img, 10, 6), clBlack);  // near the apex at (10, 4)
  EXPECT_EQ(PixelAt(img, 6, 15), clBlack);  // wide at the base
  EXPECT_EQ(PixelAt(img, 6, 6), clWhite);
  EXPECT_EQ(c.Brush.Color, clYellow);

  TBitmap down(20, 20);
  DrawArrowDown(down.Canvas(), TRect(0, 0, 20, 20), true);
  img = down.Image();
  EXPECT_EQ(PixelAt(img, 6, 5), clBlack);    // wide at the top
  EXPECT_EQ(PixelAt(img, 10, 14), clBlack);  // apex towards the bottom
  EXPECT_EQ(PixelAt(img, 14, 16), clBlack);  // the bar across the apex
  EXPECT_EQ(PixelAt(img, 14, 13), clWhite);

  TBitmap left(20, 20);
  DrawArrowLeft(left.Canvas(), TRect(0, 0, 20, 20), false);
  img = left.Image();
  EXPECT_EQ(PixelAt(img, 6, 10), clBlack);
  EXPECT_EQ(PixelAt(img, 15, 6), clBlack);
  EXPECT_EQ(PixelAt(img, 6, 6), clWhite);

  TBitmap right(20, 20);
  DrawArrowRight(right.Canvas(), TRect(0, 0, 20, 20), false);
  img = right.Image();
  EXPECT_EQ(PixelAt(img, 14, 10), clBlack);
  EXPECT_EQ(PixelAt(img, 5, 6), clBlack);
  EXPECT_EQ(PixelAt(img, 14, 6), clWhite);
}

TEST(DrawHelpers, PowerOfTenLabelAndNumberWidths) {
  TBitmap bmp(80, 40);
  TCanvas& c = ArialSheet(bmp).Canvas();
  c.Brush.Style = bsClear;
  const int w10 = c.TextWidth(QStringLiteral("10"));
  DrawPow10(5, 15, c, 1000);
  EXPECT_EQ(c.Font.Size(), 10);
  const QImage img = bmp.Image();
  EXPECT_GT(InkIn(img, QRect(5, 15, w10, 12)), 10);
  // The exponent is raised: ink above the "10".
  EXPECT_GT(InkIn(img, QRect(5 + w10, 12, 12, 3)), 0);
  EXPECT_EQ(InkIn(img, QRect(5 + w10 + 14, 0, 40, 40)), 0);

  EXPECT_EQ(MaxNumWidth(c, 0.05, 1234.5),
            std::max(c.TextWidth(QStringLiteral("0.05")), c.TextWidth(FloatToStrFixed(1234.5, 4, 0))));
  EXPECT_EQ(MaxNumWidth(c, 2, 3), c.TextWidth(QStringLiteral("2")));
}
