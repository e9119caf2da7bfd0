#pragma once
// Pixel counting shared by the button tests.

#include "testutil.h"

#include "host/types.h"

namespace ButtonTest {

// Pixels inside r that differ from background.
inline int CountOther(const QImage& img, const Veltor::TRect& r, Veltor::TColor background) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) n += VeltorTest::PixelAt(img, x, y) != background;
  }
  return n;
}

// Pixels inside r of exactly this colour.
inline int CountColour(const QImage& img, const Veltor::TRect& r, Veltor::TColor colour) {
  return r.Width() * r.Height() - CountOther(img, r, colour);
}

}  // namespace ButtonTest
