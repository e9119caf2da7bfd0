#include "buttons/led.h"

#include "testutil.h"

#include <gtest/gtest.h>

using namespace Veltor;
using VeltorTest::PixelAt;

TEST(Led, DarkColourKeepsBits5And6OfEachByte) {
  EXPECT_EQ(LedDarkColor(clLime), TColor(0x006000));
  EXPECT_EQ(LedDarkColor(clWhite), TColor(0x606060));
  EXPECT_EQ(LedDarkColor(TColor(0x9FBF3F)), TColor(0x002020));
  EXPECT_EQ(LedColor(clRed, true), clRed);
  EXPECT_EQ(LedColor(clRed, false), TColor(0x000060));
  // A system colour darkens its RGB value, not its palette index.
  const TColor face = LedDarkColor(clBtnFace);
  EXPECT_FALSE(face.IsSystemColor());
  EXPECT_EQ(face, TColor(clBtnFace.ToRGB() & 0x606060u));
}

TEST(Led, SocketAndLampOfBothShapes) {
  for (TLedShape shape : {ledCircle, ledRectangle}) {
    SCOPED_TRACE(shape);
    TBitmap bmp(40, 40);
    TCanvas& c = bmp.Canvas();
    c.Brush.Color = clSilver;
    c.FillRect(TRect(0, 0, 40, 40));
    const TLedSpot socket{shape, 20, 20, 8, TRect(12, 12, 28, 28)};
    DrawLedSocket(c, socket, LedDarkColor(clLime));
    DrawLedLamp(c, socket.Inset(1), clLime, true);
    const QImage lit = bmp.Image();
    EXPECT_EQ(PixelAt(lit, 20, 11), clSilver);  // outside
    EXPECT_EQ(PixelAt(lit, 20, 12), clGray);    // socket outline
    EXPECT_EQ(PixelAt(lit, 20, 13), clBlack);   // lamp outline
    EXPECT_EQ(PixelAt(lit, 20, 14), clLime);
    EXPECT_EQ(PixelAt(lit, 20, 20), clLime);
    EXPECT_EQ(PixelAt(lit, 27, 20), clGray);  // the right edge is the last pixel inside
    // The corners tell the shapes apart.
    EXPECT_EQ(PixelAt(lit, 13, 13), shape == ledRectangle ? clBlack : clSilver);

    DrawLedLamp(c, socket.Inset(1), clLime, false);
    EXPECT_EQ(PixelAt(bmp.Image(), 20, 20), TColor(0x006000));
  }
}
