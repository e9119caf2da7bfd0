#include "foundation/digit.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

constexpr TColor kOn = clLime;
constexpr TColor kBack = clNavy;

// One pixel inside each shape of bits 0..9 and outside all the others, in
// native cell pixels.
constexpr TPoint kUprightProbes[SegmentCount] = {{32, 7}, {56, 30}, {56, 72}, {32, 92}, {9, 75},
                                                 {9, 25}, {21, 49}, {32, 32}, {72, 92}, {72, 47}};
constexpr TPoint kItalicProbes[SegmentCount] = {{40, 7},  {58, 30}, {51, 75}, {30, 92}, {11, 75},
                                                {18, 30}, {25, 49}, {35, 32}, {70, 92}, {73, 47}};

// The mask a native-size cell at (left, 0) shows; a probe that is neither
// lit nor background fails the test.
int LitMask(const QImage& img, int left, bool italic) {
  int mask = 0;
  for (int bit = 0; bit < SegmentCount; ++bit) {
    const TPoint p = (italic ? kItalicProbes : kUprightProbes)[bit];
    const TColor c = PixelAt(img, left + p.X, p.Y);
    if (c == kOn) {
      mask |= 1 << bit;
    } else if (c != kBack) {
      ADD_FAILURE() << "cell at " << left << ", bit " << bit << ": colour " << std::hex << c.Value();
    }
  }
  return mask;
}

struct Target {
  TBitmap bmp;
  Target(int w, int h) : bmp(w, h) {
    bmp.Canvas().Brush.Color = clWhite;
    bmp.Canvas().FillRect(TRect(0, 0, w, h));
  }
  TCanvas& Canvas() { return bmp.Canvas(); }
  QImage Image() { return bmp.Image().copy(); }
};

}  // namespace

TEST(DigitMasks, UpperCasesAsciiLettersOnly) {
  struct Case {
    char16_t ch;
    int mask;
  };
  const Case cases[] = {
      {u'a', 0x77},   {u'b', 0x7C},      {u't', 0x31},      {u'g', 0},         {u'k', 0},
      {u'G', 0},      {u' ', 0},         {u'\u00B5', 0x72},  // micro sign: not upper-cased to the Greek capital
      {u'\u00E7', 0},                                        // c cedilla: only the capital is in the set
      {u'\u039C', 0}, {u'\u00B0', 0x63}, {u'\u00BA', 0x63}, {u'\u007F', 0x49},
  };
  for (const Case& c : cases) EXPECT_EQ(SegmentMaskFor(QChar(c.ch)), c.mask) << int(c.ch);

  EXPECT_EQ(PointMaskFor(QChar(u'.')), sgLowerDot);
  EXPECT_EQ(PointMaskFor(QChar(u',')), sgLowerDot);
  EXPECT_EQ(PointMaskFor(QChar(u':')), sgLowerDot | sgUpperDot);
  EXPECT_EQ(PointMaskFor(QChar(u';')), sgLowerDot | sgUpperDot);
  EXPECT_EQ(PointMaskFor(QChar(u'8')), 0);
  EXPECT_EQ(PointMaskFor(QChar()), 0);
}

TEST(Digit, LightsTheShapesOfCharacterAndPoint) {
  struct Case {
    char16_t ch, point;
    int mask;
  };
  const Case cases[] = {
      {u'8', u'.', 0x17F}, {u'1', 0, sgB | sgC},       {u'a', 0, 0x77},        {u'g', 0, 0},
      {u'k', u',', 0x100}, {u':', 0, 0x300},           {u'+', 0, sgG | sgBar}, {u'7', u';', 0x307},
      {u'0', u'x', 0x3F},  {u't', 0, sgA | sgE | sgF}, {u'\u00B5', 0, 0x72},   {u'\u007F', 0, 0x49},
  };
  for (bool italic : {false, true}) {
    for (const Case& c : cases) {
      Target t(DigitWidth, DigitHeight);
      TDigit d;
      d.Setup(TRect(0, 0, DigitWidth, DigitHeight), kBack);
      d.Draw(QChar(c.ch), QChar(c.point), kOn, italic, t.Canvas());
      EXPECT_EQ(LitMask(t.Image(), 0, italic), c.mask) << "char " << int(c.ch) << " italic " << italic;
    }
  }
}

TEST(Digit, RemembersWhatItDrewUntilSetUpAgain) {
  Target t(DigitWidth, DigitHeight);
  TDigit d;
  d.Setup(TRect(0, 0, 40, 50), kBack);
  d.Draw(QChar(u'b'), QChar(u','), clRed, false, t.Canvas());
  EXPECT_EQ(d.CellChar, QChar(u'B'));
  EXPECT_EQ(d.CellPoint, QChar(u','));
  EXPECT_EQ(d.CellColor, clRed);

  d.Setup(TRect(1, 2, 3, 4), clYellow);
  EXPECT_EQ(d.CellRect, TRect(1, 2, 3, 4));
  EXPECT_EQ(d.CellBack, clYellow);
  EXPECT_TRUE(d.CellChar.isNull());
  EXPECT_TRUE(d.CellPoint.isNull());
  EXPECT_EQ(d.CellColor, clBlack);
}

TEST(Digit, StretchesIntoItsRectangleOnly) {
  Target t(120, 80);
  TDigit d;
  const TRect cell(10, 5, 50, 55);  // half the native size
  d.Setup(cell, kBack);
  d.Draw(QChar(u'1'), QChar(), kOn, false, t.Canvas());
  const QImage img = t.Image();
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      if (!cell.Contains(x, y)) {
        ASSERT_EQ(PixelAt(img, x, y), clWhite) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(PixelAt(img, 10, 5), kBack);
  EXPECT_EQ(PixelAt(img, 49, 54), kBack);
  EXPECT_EQ(PixelAt(img, 38, 20), kOn);    // segment b
  EXPECT_EQ(PixelAt(img, 15, 20), kBack);  // segment f is off
}

TEST(DigDisplay, LayoutSplitsTheRectangle) {
  struct Case {
    TRect r;
    int count;
    std::vector<int> rights;
  };
  const Case cases[] = {
      {{0, 0, 100, 20}, 3, {33, 66, 100}},
      {{10, 2, 110, 30}, 3, {43, 76, 110}},
      {{0, 0, 50, 9}, 0, {50}},                               // limited to one cell
      {{0, 0, 80, 9}, 12, {10, 20, 30, 40, 50, 60, 70, 80}},  // and to eight
  };
  for (const Case& c : cases) {
    TDigDisplay disp;
    disp.Layout(c.r, c.count, clMaroon);
    ASSERT_EQ(disp.DigCount(), int(c.rights.size()));
    int left = c.r.Left;
    for (int i = 1; i <= disp.DigCount(); ++i) {
      EXPECT_EQ(disp.Digit(i)->CellRect, TRect(left, c.r.Top, c.rights[size_t(i - 1)], c.r.Bottom));
      EXPECT_EQ(disp.Digit(i)->CellBack, clMaroon);
      left = disp.Digit(i)->CellRect.Right;
    }
    EXPECT_EQ(disp.Digit(0), nullptr);
    EXPECT_EQ(disp.Digit(disp.DigCount() + 1), nullptr);
  }
}

TEST(DigDisplay, LayoutAgainStartsOver) {
  Target t(100, 10);
  TDigDisplay disp;
  disp.Layout(TRect(0, 0, 100, 10), 4, kBack);
  disp.SetText("1234", t.Canvas(), kOn);
  disp.Layout(TRect(0, 0, 100, 10), 2, kBack);
  EXPECT_EQ(disp.DigCount(), 2);
  EXPECT_EQ(disp.Text(), QString());
  EXPECT_TRUE(disp.Digit(1)->CellChar.isNull());
}

TEST(DigDisplay, SetTextJoinsPointsToTheirCharacters) {
  struct Case {
    const char* text;
    const char* chars;
    const char* points;
  };
  // One character per drawn cell; "_" in points means none.
  const Case cases[] = {
      {"12.5", "125", "_._"},     {".5", ".5", "__"},
      {"1..2", "1.2", ".__"},     {"12:34", "1234", "_:__"},
      {"123456", "1234", "____"}, {"1.2,3;4.5.", "1234", ".,;."},
      {"8:", "8", ":"},           {"", "", ""},
  };
  for (const Case& c : cases) {
    Target t(100, 10);
    TDigDisplay disp;
    disp.Layout(TRect(0, 0, 100, 10), 4, kBack);
    disp.SetText(QString::fromLatin1(c.text), t.Canvas(), kOn);
    const QString chars = QString::fromLatin1(c.chars);
    const QString points = QString::fromLatin1(c.points);
    for (int i = 1; i <= 4; ++i) {
      const TDigit* d = disp.Digit(i);
      const bool drawn = i <= chars.size();
      EXPECT_EQ(d->CellChar, drawn ? chars[i - 1] : QChar()) << c.text << " cell " << i;
      const QChar point = drawn && points[i - 1] != u'_' ? points[i - 1] : QChar();
      EXPECT_EQ(d->CellPoint, point) << c.text << " cell " << i;
    }
  }
}

TEST(DigDisplay, SetTextDrawsOnlyItsCells) {
  Target t(5 * DigitWidth, DigitHeight);
  TDigDisplay disp;
  disp.DigItalic = true;
  disp.Layout(TRect(0, 0, 4 * DigitWidth, DigitHeight), 4, kBack);
  disp.SetText("8888888888AB", t.Canvas(), kOn);
  EXPECT_EQ(disp.Text(), QString("8888888888"));
  disp.SetText("12.5", t.Canvas(), kOn);

  const QImage img = t.Image();
  const int expected[] = {0x06, 0x15B, 0x6D, 0x7F};  // the last cell keeps its 8
  for (int i = 0; i < 4; ++i) EXPECT_EQ(LitMask(img, i * DigitWidth, true), expected[i]) << "cell " << i + 1;
  for (int y = 0; y < DigitHeight; ++y) {
    for (int x = 4 * DigitWidth; x < img.width(); ++x) ASSERT_EQ(PixelAt(img, x, y), clWhite);
  }
}

TEST(DigDisplay, DrawOneIgnoresIndexesOutsideTheCells) {
  Target t(60, 20);
  TDigDisplay disp;
  disp.DrawOne(QChar(u'8'), QChar(), kOn, t.Canvas(), 1);  // before any layout
  disp.Layout(TRect(0, 0, 60, 20), 3, kBack);
  const QImage before = t.Image();
  for (int index : {0, -1, 4, INT_MIN, INT_MAX}) disp.DrawOne(QChar(u'8'), QChar(), kOn, t.Canvas(), index);
  EXPECT_EQ(t.Image(), before);

  disp.DrawOne(QChar(u'8'), QChar(u'.'), kOn, t.Canvas(), 3);
  EXPECT_NE(t.Image(), before);
  EXPECT_EQ(disp.Digit(3)->CellChar, QChar(u'8'));
  EXPECT_TRUE(disp.Digit(2)->CellChar.isNull());
}

// Every character upright (top row) and italic (bottom row) in 40 x 50 cells
// on a grey grid, followed by "8." and "-:"; saved for a look.
TEST(DigitGlyphs, SheetShowsEveryCharacterDistinctly) {
  constexpr int w = 40, h = 50, gap = 4, columns = DigitCharsetLength + 2;
  Target t(columns * (w + gap) + gap, 2 * (h + gap) + gap);
  t.Canvas().Brush.Color = clGray;
  t.Canvas().FillRect(TRect(0, 0, t.bmp.Width(), t.bmp.Height()));
  auto cell = [&](int row, int col) {
    const int x = gap + col * (w + gap), y = gap + row * (h + gap);
    return TRect(x, y, x + w, y + h);
  };
  TDigit d;
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < columns; ++col) {
      const bool extra = col >= DigitCharsetLength;
      const QChar ch = !extra ? QChar(DigitCharset[col]) : QChar(col == columns - 2 ? u'8' : u'-');
      const QChar point = !extra ? QChar() : QChar(col == columns - 2 ? u'.' : u':');
      d.Setup(cell(row, col), clBlack);
      d.Draw(ch, point, clLime, row == 1, t.Canvas());
    }
  }
  const QImage sheet = t.Image();
  VeltorTest::SaveImage(sheet, "digit-glyphs.png");

  auto glyph = [&](int row, int col) { return sheet.copy(cell(row, col).ToQRect()); };
  QImage blank(w, h, sheet.format());
  blank.fill(Qt::black);
  // Only ". ,", ": ;" and the two degree rings share a shape.
  auto samePair = [](int i, int j) { return (i == 0 && j == 1) || (i == 2 && j == 3) || (i == 38 && j == 39); };
  for (int row = 0; row < 2; ++row) {
    for (int i = 0; i < DigitCharsetLength; ++i) {
      EXPECT_NE(glyph(row, i), blank) << "row " << row << " char " << i;
      EXPECT_NE(glyph(0, i), glyph(1, i)) << "italic same as upright, char " << i;
      for (int j = i + 1; j < DigitCharsetLength; ++j) {
        EXPECT_EQ(glyph(row, i) == glyph(row, j), samePair(i, j)) << "row " << row << " chars " << i << ", " << j;
      }
    }
  }
}
