#include "text/stroke.h"
#include "text/strokefont.h"
#include "text/strokeset.h"

#include "testutil.h"

#include <gtest/gtest.h>

using namespace Veltor;

namespace {

std::vector<int> GlyphBytes(int code) {
  std::vector<int> out;
  for (quint8 b : StandardStrokeFont()[code]) {
    if (b == kStrokeEnd) break;
    out.push_back(b);
  }
  return out;
}

int Pt(int x, int y, bool up = false) { return x << 4 | y | (up ? 0x80 : 0); }

TStrokeParams Unit() {
  TStrokeParams p;
  p.SizeX = 8;   // one pixel per x step
  p.SizeY = 12;  // one pixel per y step
  return p;
}

}  // namespace

TEST(StrokeFont, SampleRowsAreKeptAsTheyStand) {
  EXPECT_EQ(GlyphBytes('A'), (std::vector<int>{Pt(1, 2), Pt(1, 8), Pt(3, 10), Pt(4, 10), Pt(6, 8), Pt(6, 2, true),
                                               Pt(6, 5), Pt(1, 5, true)}));
  EXPECT_EQ(GlyphBytes('B'),
            (std::vector<int>{Pt(1, 2), Pt(5, 2), Pt(6, 3), Pt(6, 5), Pt(5, 6), Pt(2, 6, true), Pt(5, 6), Pt(6, 7),
                              Pt(6, 9), Pt(5, 10), Pt(1, 10, true), Pt(2, 10), Pt(2, 2, true)}));
  EXPECT_EQ(GlyphBytes('1'), (std::vector<int>{Pt(2, 8), Pt(4, 10), Pt(4, 2, true), Pt(2, 2), Pt(6, 2, true)}));
}

TEST(StrokeFont, PrintableCodesHaveGlyphsAndTheRestAreEmpty) {
  for (int code = 33; code <= 127; ++code) {
    SCOPED_TRACE(code);
    const std::vector<int> g = GlyphBytes(code);
    EXPECT_GE(g.size(), 2u);
    for (int b : g) {
      EXPECT_LE(b & 15, 11);  // within the glyph grid
      EXPECT_NE(b, 128);      // would read as pen down
    }
  }
  for (int code : {0, 32, 128, 200, 255}) EXPECT_TRUE(GlyphBytes(code).empty()) << code;
  for (const auto& g : AlternativeStrokeFont())
    for (quint8 b : g) ASSERT_EQ(b, kStrokeEnd);
}

TEST(StrokeLayout, PointsScaleAndCarryTheirPenFlags) {
  TStrokeSet set;
  TStrokeParams p = Unit();
  p.SizeX = 16;
  p.SizeY = 24;
  set.Layout(QStringLiteral("A1"), p);
  ASSERT_EQ(set.Count, 2);
  EXPECT_DOUBLE_EQ(set.Points[0][2].X, 6);  // (3,10)
  EXPECT_DOUBLE_EQ(set.Points[0][2].Y, 20);
  EXPECT_EQ(set.Points[0][4].Pen, 1);
  EXPECT_EQ(set.Points[0][5].Pen, 0);
  EXPECT_EQ(set.Points[0][8].Pen, -1);
  EXPECT_DOUBLE_EQ(set.Points[1][0].X, 16 + 4);  // second cell, (2,8)
  EXPECT_DOUBLE_EQ(set.Points[1][0].Y, 16);
}

TEST(StrokeLayout, JustificationMovesTheReferencePoint) {
  TStrokeSet set;
  TStrokeParams p = Unit();
  p.JustifyHor = stCenter;
  p.JustifyVert = stTop;
  set.Layout(QStringLiteral("AA"), p);
  EXPECT_DOUBLE_EQ(set.Points[0][0].X, 1 - 8);
  EXPECT_DOUBLE_EQ(set.Points[0][0].Y, 2 - 12);
  p.JustifyHor = stRight;
  p.JustifyVert = stMiddle;
  set.Layout(QStringLiteral("AA"), p);
  EXPECT_DOUBLE_EQ(set.Points[1][0].X, 8 + 1 - 16);
  EXPECT_DOUBLE_EQ(set.Points[1][0].Y, 2 - 6);
}

TEST(StrokeLayout, MirrorWithLeftJustificationRunsLeftOfThePosition) {
  TStrokeSet set;
  TStrokeParams p = Unit();
  p.Mirror = true;
  set.Layout(QStringLiteral("AB"), p);
  EXPECT_DOUBLE_EQ(set.Advance.X, -8);
  EXPECT_DOUBLE_EQ(set.Points[0][0].X, -1);
  EXPECT_DOUBLE_EQ(set.Points[1][1].X, -8 - 5);
  for (int i = 0; i < set.Count; ++i)
    for (const TStrokePoint& pt : set.Points[i])
      if (pt.Pen >= 0) {
        EXPECT_LE(pt.X, 0);
      }
  p.JustifyHor = stRight;  // mirrored and right-justified: back to the right
  set.Layout(QStringLiteral("AB"), p);
  EXPECT_DOUBLE_EQ(set.Points[0][0].X, 16 - 1);
}

TEST(StrokeLayout, ItalicSlantsByAThirdOfTheHeight) {
  TStrokeSet set;
  TStrokeParams p = Unit();
  p.Italic = true;
  set.Layout(QStringLiteral("A"), p);
  EXPECT_DOUBLE_EQ(set.Points[0][2].X, 3 + 10.0 / 3);
  p.Mirror = true;
  set.Layout(QStringLiteral("A"), p);
  EXPECT_DOUBLE_EQ(set.Points[0][2].X, -(3 + 10.0 / 3));
}

TEST(StrokeLayout, RotationTurnsCounterClockwiseAboutThePosition) {
  TStrokeSet set;
  TStrokeParams p = Unit();
  p.Rotate = 90;
  set.Layout(QStringLiteral("AA"), p);
  EXPECT_NEAR(set.Advance.X, 0, 1e-9);
  EXPECT_NEAR(set.Advance.Y, 8, 1e-9);  // the text runs upwards
  EXPECT_NEAR(set.Points[1][0].X, -2, 1e-9);
  EXPECT_NEAR(set.Points[1][0].Y, 8 + 1, 1e-9);
  p.Rotate = 180;
  p.JustifyHor = stRight;
  set.Layout(QStringLiteral("AA"), p);
  EXPECT_NEAR(set.Points[0][0].X, 16 - 1, 1e-9);
  EXPECT_NEAR(set.Points[0][0].Y, -2, 1e-9);
}

TEST(StrokeLayout, ScreenPointsRoundHalfToEven) {
  EXPECT_EQ(TStrokeSet::ToScreen({2.5, 1.5, 1}, TPoint(10, 20)), TPoint(12, 18));
  EXPECT_EQ(TStrokeSet::ToScreen({3.5, -0.5, 1}, TPoint(10, 20)), TPoint(14, 20));
}

TEST(Stroke, SettersKeepTheirRules) {
  TStroke s;
  EXPECT_EQ(s.sString(), QStringLiteral("ABC"));
  s.SetsString(QString(70, QChar('x')));
  EXPECT_EQ(s.sString().size(), 63);
  EXPECT_EQ(s.StrokeSet().Count, 63);
  s.SetRotate(450);
  EXPECT_EQ(s.Rotate(), 90);
  s.SetRotate(-30);
  EXPECT_EQ(s.Rotate(), -30);
  s.SetRotate(-390);
  EXPECT_EQ(s.Rotate(), -30);
  s.SetSizeX(0);
  EXPECT_EQ(s.SizeX(), 1);
  s.SetSizeY(5000);
  EXPECT_EQ(s.SizeY(), 2000);
  s.SetBold(0);
  EXPECT_EQ(s.Bold(), 1);
  s.SetBold(51);
  EXPECT_EQ(s.Bold(), 50);
  s.SetFileABC(true);  // no alternative font loaded
  EXPECT_FALSE(s.FileABC());
}

TEST(Stroke, DrawsTheStrokesAtThePositionAndNothingForAnEmptyText) {
  TStroke s;
  s.resize(60, 40);
  s.SetStrokeColor(clRed);
  s.SetSizeX(8);
  s.SetSizeY(12);
  s.SetPositionX(20);
  s.SetPositionY(30);
  s.SetsString(QStringLiteral("-"));  // (1,6) to (5,6)
  QImage img = s.SurfaceImage();
  for (int x = 21; x < 25; ++x) EXPECT_EQ(VeltorTest::PixelAt(img, x, 24), clRed) << x;
  EXPECT_EQ(VeltorTest::CountColour(img, TRect(0, 0, 60, 40), clRed), 4);
  s.SetBold(3);
  img = s.SurfaceImage();
  EXPECT_EQ(VeltorTest::PixelAt(img, 22, 23), clRed);
  EXPECT_EQ(VeltorTest::PixelAt(img, 22, 25), clRed);
  s.SetsString(QString());
  EXPECT_EQ(VeltorTest::CountColour(s.SurfaceImage(), TRect(0, 0, 60, 40), clRed), 0);
}
