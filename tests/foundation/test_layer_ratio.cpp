// Off-screen layers at the control's device pixel ratio: the instrument
// base's bitmaps and the digit cells.
#include "foundation/digit.h"
#include "foundation/veltorbase.h"

#include "testutil.h"

#include <gtest/gtest.h>

using namespace Veltor;

namespace {

// Draws a static layer once per appearance, as instruments do, and shows the
// draw layer.
class Instrument : public TVeltorBase {
 public:
  using TVeltorBase::DrawPressed;
  using TVeltorBase::TVeltorBase;
  int StaticDraws = 0;

 protected:
  void Paint() override {
    TVeltorBase::Paint();
    if (!Painted()) {
      ++StaticDraws;
      BackBitmap().Canvas().Brush.Color = clAqua;
      BackBitmap().Canvas().FillRect(TRect(0, 0, Width(), Height()));
      SetPainted(true);
    }
    Canvas().Draw(0, 0, DrawBitmap().Image());
  }
};

}  // namespace

TEST(LayerRatio, InstrumentLayersFollowTheSurfaceAndLandOneToOne) {
  Instrument m;
  m.resize(61, 37);
  m.SetSurfaceRatio(1.5);
  const QImage surface = m.SurfaceImage();
  EXPECT_EQ(m.BackBitmap().Ratio(), 1.5);
  EXPECT_EQ(m.DrawBitmap().Width(), 61);
  EXPECT_EQ(VeltorTest::ImageDifference(surface, m.DrawBitmap().Image()).toStdString(), "");
  EXPECT_EQ(m.StaticDraws, 1);

  // At a new ratio the static layer is drawn again, once.
  m.SetSurfaceRatio(2);
  m.SurfaceImage();
  EXPECT_EQ(m.StaticDraws, 2);
  EXPECT_EQ(m.BackBitmap().Image().size(), QSize(122, 74));
  m.Repaint();
  EXPECT_EQ(m.StaticDraws, 2);

  // Pressed before its first paint, too.
  Instrument fresh;
  fresh.SetSurfaceRatio(2);
  fresh.DrawPressed(true);
  EXPECT_EQ(fresh.DrawBitmap().Ratio(), 2);
}

TEST(LayerRatio, DigitCellsAreDrawnAtTheTargetsRatio) {
  // A native-size italic cell: at ratio 2 its slanted edges fall inside
  // logical pixels instead of doubling the ratio-1 staircase.
  TBitmap target(DigitWidth, DigitHeight, 2);
  TDigit d;
  d.Setup(TRect(0, 0, DigitWidth, DigitHeight), clNavy);
  d.Draw(QLatin1Char('8'), QLatin1Char(' '), clLime, true, target.Canvas());
  const QImage img = target.Image();
  int mixed = 0;
  for (int y = 0; y < img.height(); y += 2) {
    for (int x = 0; x < img.width(); x += 2) {
      const QRgb p = img.pixel(x, y);
      mixed += img.pixel(x + 1, y) != p || img.pixel(x, y + 1) != p || img.pixel(x + 1, y + 1) != p;
    }
  }
  EXPECT_GT(mixed, 100);
}
