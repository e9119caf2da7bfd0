// Gradient background: band places and colours in each direction, the
// colour count and its rules, and the painted pixels.
#include "misc/background.h"

#include "testutil.h"

#include <gtest/gtest.h>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

const TColor kGrey128 = TColor::FromRGB(128, 128, 128);

// The colour of every row (vertical directions) or column of a painting.
std::vector<TColor> Stripe(TBackGround& bg, bool rows) {
  const QImage img = bg.SurfaceImage();
  std::vector<TColor> out;
  for (int i = 0; i < (rows ? bg.height() : bg.width()); ++i)
    out.push_back(rows ? PixelAt(img, bg.width() / 2, i) : PixelAt(img, i, bg.height() / 2));
  return out;
}

}  // namespace

TEST(GradientBands, RoundedEdgesInEveryDirection) {
  // 10 rows in 4 bands: edges at 2.5 and 7.5 round up.
  const auto bands = GradientBands(6, 10, 4, fdTopToBottom, clBlack, clWhite);
  ASSERT_EQ(bands.size(), 4u);
  EXPECT_EQ(bands[0].Rect, TRect(0, 0, 6, 3));
  EXPECT_EQ(bands[1].Rect, TRect(0, 3, 6, 5));
  EXPECT_EQ(bands[2].Rect, TRect(0, 5, 6, 8));
  EXPECT_EQ(bands[3].Rect, TRect(0, 8, 6, 10));
  // Colours run a quarter of the way per band and never reach the end.
  EXPECT_EQ(bands[1].Color, TColor::FromRGB(64, 64, 64));
  EXPECT_EQ(bands[3].Color, TColor::FromRGB(191, 191, 191));

  const auto up = GradientBands(6, 10, 4, fdBottomToTop, clBlack, clWhite);
  EXPECT_EQ(up[0].Rect, TRect(0, 8, 6, 10));
  EXPECT_EQ(up[3].Rect, TRect(0, 0, 6, 3));
  EXPECT_EQ(up[0].Color, clBlack);

  const auto right = GradientBands(10, 6, 4, fdLeftToRight, clBlack, clWhite);
  EXPECT_EQ(right[0].Rect, TRect(0, 0, 3, 6));
  const auto left = GradientBands(10, 6, 4, fdRightToLeft, clBlack, clWhite);
  EXPECT_EQ(left[0].Rect, TRect(8, 0, 10, 6));
  EXPECT_EQ(left[1].Rect, TRect(5, 0, 8, 6));
}

TEST(GradientBands, FallingChannelsRoundAwayFromZero) {
  // 255 - 127.5 per channel, and each channel on its own.
  const auto bands = GradientBands(4, 4, 2, fdTopToBottom, TColor::FromRGB(255, 0, 10), TColor::FromRGB(0, 200, 10));
  EXPECT_EQ(bands[1].Color, TColor::FromRGB(127, 100, 10));
  // One band is the begin colour throughout.
  const auto one = GradientBands(4, 4, 1, fdTopToBottom, clRed, clBlue);
  ASSERT_EQ(one.size(), 1u);
  EXPECT_EQ(one[0].Color, clRed);
  EXPECT_EQ(one[0].Rect, TRect(0, 0, 4, 4));
}

TEST(BackGround, DefaultsAndColourCount) {
  TBackGround bg;
  EXPECT_EQ(bg.size(), QSize(50, 50));
  EXPECT_FALSE(bg.AutoSize());
  EXPECT_EQ(bg.BeginColor(), clBlue);
  EXPECT_EQ(bg.EndColor(), clBlack);
  EXPECT_EQ(bg.FillDirection(), fdTopToBottom);
  EXPECT_EQ(bg.NumberOfColors(), 64);
  EXPECT_TRUE(bg.Realize());

  bg.SetNumberOfColors(0);
  EXPECT_EQ(bg.NumberOfColors(), 1);
  bg.SetNumberOfColors(300);
  EXPECT_EQ(bg.NumberOfColors(), 256);
  EXPECT_EQ(bg.Bands(), 255);  // the palette's extra entry
  bg.SetRealize(false);
  EXPECT_EQ(bg.Bands(), 255);  // until the count is written again
  bg.SetNumberOfColors(256);
  EXPECT_EQ(bg.Bands(), 256);
  bg.SetNumberOfColors(255);
  EXPECT_EQ(bg.Bands(), 255);
}

TEST(BackGround, PaintsTheBands) {
  TBackGround bg;
  bg.SetBeginColor(clBlack);
  bg.SetEndColor(clWhite);
  bg.SetNumberOfColors(2);
  std::vector<TColor> rows = Stripe(bg, true);
  EXPECT_EQ(rows[0], clBlack);
  EXPECT_EQ(rows[24], clBlack);
  EXPECT_EQ(rows[25], kGrey128);
  EXPECT_EQ(rows[49], kGrey128);

  bg.SetFillDirection(fdBottomToTop);
  rows = Stripe(bg, true);
  EXPECT_EQ(rows[0], kGrey128);
  EXPECT_EQ(rows[49], clBlack);

  bg.SetFillDirection(fdRightToLeft);
  const std::vector<TColor> columns = Stripe(bg, false);
  EXPECT_EQ(columns[0], kGrey128);
  EXPECT_EQ(columns[49], clBlack);

  // Equal colours or a single band paint one flat colour.
  bg.SetNumberOfColors(1);
  EXPECT_EQ(VeltorTest::CountColour(bg.SurfaceImage(), TRect(0, 0, 50, 50), clBlack), 2500);
  bg.SetNumberOfColors(64);
  bg.SetEndColor(clBlack);
  EXPECT_EQ(VeltorTest::CountColour(bg.SurfaceImage(), TRect(0, 0, 50, 50), clBlack), 2500);
}
