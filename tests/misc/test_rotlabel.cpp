#include "misc/rotlabel.h"

#include <gtest/gtest.h>

#include <QImage>

using namespace Veltor;

namespace {

// Exposes whether a setter asked for a repaint.
struct ProbeLabel : TRotLabel {
  using TRotLabel::Invalidated;
};

// The bounding box of the opaque pixels of exactly colour c, and their count.
struct Ink {
  TRect Box{1 << 20, 1 << 20, -1, -1};
  int Count = 0;
};
Ink InkOf(const QImage& img, TColor c) {
  Ink ink;
  const QColor want = c.ToQColor();
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 0; x < img.width(); ++x) {
      const QColor p = img.pixelColor(x, y);
      if (p.alpha() != 255 || p.rgb() != want.rgb()) continue;
      ++ink.Count;
      ink.Box = TRect(std::min(ink.Box.Left, x), std::min(ink.Box.Top, y), std::max(ink.Box.Right, x + 1),
                      std::max(ink.Box.Bottom, y + 1));
    }
  }
  return ink;
}

QImage Render(TRotLabel& label) {
  label.SetSurfaceRatio(1);
  label.Invalidate();
  return label.SurfaceImage().convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

TEST(RotLabel, AngleIsKeptWithinOneTurn) {
  TRotLabel label;
  const std::pair<int, int> cases[] = {{-90, 270}, {450, 90}, {360, 0}, {-360, 0}, {-1, 359}, {719, 359}};
  for (auto [in, out] : cases) {
    label.SetrlAngle(in);
    EXPECT_EQ(label.rlAngle(), out) << in;
  }
}

// A 40 x 20 caption in a 115 x 115 label: the centre is (57, 57).
TEST(RotLabel, OriginTurnsAboutTheCentre) {
  const std::pair<int, TPoint> cases[] = {
      {0, TPoint(37, 47)},    // centred
      {90, TPoint(47, 77)},   // reads upwards from the lower left
      {180, TPoint(77, 67)},  // upside down
      {270, TPoint(67, 37)},  // reads downwards
      {35, TPoint(36, 60)},   // 20 cos 35 = 16.4, 10 sin 35 = 5.7, 20 sin 35 = 11.5, 10 cos 35 = 8.2
  };
  for (auto [angle, origin] : cases) {
    const TPoint o = RotLabelGeometry(115, 115, 40, 20, angle).Origin;
    EXPECT_EQ(o.X, origin.X) << angle;
    EXPECT_EQ(o.Y, origin.Y) << angle;
  }
}

TEST(RotLabel, BoxSurroundsTheTextWithAMargin) {
  // 50 x 27 around the centre; halves truncated.
  const auto box0 = RotLabelGeometry(115, 115, 40, 20, 0).Box;
  EXPECT_EQ(box0[0], TPoint(32, 44));
  EXPECT_EQ(box0[1], TPoint(82, 44));
  EXPECT_EQ(box0[2], TPoint(82, 70));
  EXPECT_EQ(box0[3], TPoint(32, 70));
  // Turned a quarter: the long side stands upright.
  const auto box90 = RotLabelGeometry(115, 115, 40, 20, 90).Box;
  EXPECT_EQ(box90[0], TPoint(44, 82));
  EXPECT_EQ(box90[1], TPoint(44, 32));
  EXPECT_EQ(box90[2], TPoint(70, 32));
  EXPECT_EQ(box90[3], TPoint(70, 82));
}

TEST(RotLabel, CaptionIsDrawnTurnedAroundTheCentre) {
  TRotLabel label;
  label.SetCaption(QStringLiteral("WWWWW"));
  label.SetrlStyle3D(rlNormal);
  const Ink flat = InkOf(Render(label), clRed);
  ASSERT_GT(flat.Count, 0);
  EXPECT_GT(flat.Box.Width(), 2 * flat.Box.Height());

  label.SetrlAngle(90);
  const Ink up = InkOf(Render(label), clRed);
  EXPECT_GT(up.Box.Height(), 2 * up.Box.Width());
  // Both stay around the centre.
  for (const Ink& ink : {flat, up}) {
    EXPECT_NEAR((ink.Box.Left + ink.Box.Right) / 2, 57, 6);
    EXPECT_NEAR((ink.Box.Top + ink.Box.Bottom) / 2, 57, 6);
  }
}

TEST(RotLabel, EffectsAddTheirPasses) {
  TRotLabel label;
  label.SetCaption(QStringLiteral("HH"));
  label.SetrlStyle3D(rlNormal);
  EXPECT_EQ(InkOf(Render(label), clWhite).Count, 0);
  EXPECT_EQ(InkOf(Render(label), clBlack).Count, 0);

  // Raised: the white copy up-left, the black copy down-right.
  label.SetrlStyle3D(rlRaised);
  QImage img = Render(label);
  Ink white = InkOf(img, clWhite), black = InkOf(img, clBlack);
  ASSERT_GT(white.Count, 0);
  ASSERT_GT(black.Count, 0);
  EXPECT_LT(white.Box.Left, black.Box.Left);
  EXPECT_LT(white.Box.Top, black.Box.Top);

  label.SetrlStyle3D(rlLowered);
  img = Render(label);
  white = InkOf(img, clWhite);
  black = InkOf(img, clBlack);
  EXPECT_GT(white.Box.Left, black.Box.Left);
  EXPECT_GT(white.Box.Top, black.Box.Top);

  // The shadow lies right and up of the caption by the offsets.
  label.SetrlStyle3D(rlShadowed);
  label.SetrlShColor(clBlue);
  const Ink text = InkOf(Render(label), clRed);
  const Ink shadow = InkOf(Render(label), clBlue);
  ASSERT_GT(shadow.Count, 0);
  EXPECT_EQ(shadow.Box.Right - text.Box.Right, 5);
  EXPECT_EQ(shadow.Box.Top - text.Box.Top, -5);
}

TEST(RotLabel, BoxIsFilledOnlyWhenNotTransparent) {
  TRotLabel label;
  label.SetCaption(QStringLiteral("Box"));
  label.SetColor(clAqua);
  EXPECT_EQ(InkOf(Render(label), clAqua).Count, 0);
  label.SetrlTransparent(false);
  const QImage img = Render(label);
  const Ink box = InkOf(img, clAqua);
  ASSERT_GT(box.Count, 0);
  const auto corners = label.Geometry().Box;
  EXPECT_EQ(box.Box.Left, corners[0].X);
  EXPECT_EQ(box.Box.Top, corners[1].Y);
  // Around the box the parent still shows through.
  EXPECT_EQ(img.pixelColor(0, 0).alpha(), 0);
}

TEST(RotLabel, ShadowOffsetsRepaintOnlyWhileShadowed) {
  ProbeLabel label;
  label.SetrlStyle3D(rlRaised);
  Render(label);
  label.SetrlShOffSetH(9);
  label.SetrlShOffSetV(9);
  EXPECT_FALSE(label.Invalidated());
  EXPECT_EQ(label.rlShOffSetH(), 9);
  label.SetrlStyle3D(rlShadowed);
  Render(label);
  label.SetrlShOffSetH(3);
  EXPECT_TRUE(label.Invalidated());
}
