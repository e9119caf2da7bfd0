#include "buttons/multibmp.h"

#include "foundation/tickregistry.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <vector>

using namespace Veltor;
using VeltorTest::CountColour;
using VeltorTest::PixelAt;

namespace {

const TColor kGlyphColours[] = {clRed, clLime, clBlue, clYellow};

// A strip of four 10 x 10 glyphs, each one solid colour with an olive dot
// in its middle.
QPixmap FourGlyphs() {
  QImage strip(40, 10, QImage::Format_RGB32);
  QPainter p(&strip);
  for (int i = 0; i < 4; ++i) {
    p.fillRect(i * 10, 0, 10, 10, kGlyphColours[i].ToQColor());
    p.fillRect(i * 10 + 4, 4, 2, 2, clOlive.ToQColor());
  }
  p.end();
  return QPixmap::fromImage(strip);
}

TColor GlyphCorner(TMultiBmp& m) {
  const TRect g = m.Layout().Glyph;
  return PixelAt(m.SurfaceImage(), g.Left + 1, g.Top + 1);
}

void BlinkPhase() {
  for (int t = 0; t < 7; ++t) TimerTick();
}

}  // namespace

TEST(MultiBmpModel, SelectionWrapsRoundTheStripAndCountsAreClamped) {
  const struct {
    int v, nums, sel;
  } rows[] = {{6, 4, 2}, {8, 4, 4}, {0, 4, 1}, {-3, 4, 1}, {4, 4, 4}, {5, 4, 1}, {1, 1, 1}, {33, 32, 1}};
  for (const auto& r : rows) EXPECT_EQ(TMultiBmpModel::WrapGlyphSel(r.v, r.nums), r.sel) << r.v << " of " << r.nums;

  TMultiBmpModel m;
  m.SetGlyphNums(8);
  m.GlyphSel = 7;
  m.SetGlyphNums(5);
  EXPECT_EQ(m.GlyphSel, 5);
  m.SetGlyphNums(40);
  EXPECT_EQ(m.GlyphNums, 32);
  EXPECT_EQ(m.GlyphSel, 5);
  m.SetGlyphNums(0);
  EXPECT_EQ(m.GlyphNums, 1);
  EXPECT_EQ(m.GlyphSel, 1);

  m.SetBlinkOn(true);
  m.SetAnimate(true);
  EXPECT_FALSE(m.BlinkOn);
  m.SetBlinkOn(true);
  EXPECT_FALSE(m.Animate);
  m.SetBlinkOn(false);
  EXPECT_FALSE(m.Animate);

  m.SetGlyphNums(4);
  m.GlyphSel = 3;
  EXPECT_EQ(m.GlyphCell(40, 10), TRect(20, 0, 30, 10));
}

TEST(MultiBmp, ShowsTheSelectedGlyphCopiedOrTransparent) {
  TMultiBmp m;
  m.resize(30, 30);
  m.SetGlyph(FourGlyphs());
  m.SetGlyphNums(4);
  m.SetGlyphSel(6);
  EXPECT_EQ(m.GlyphSel(), 2);
  EXPECT_EQ(GlyphCorner(m), clLime);
  m.SetGlyphSel(8);
  EXPECT_EQ(GlyphCorner(m), clYellow);
  m.SetGlyphSel(0);
  EXPECT_EQ(GlyphCorner(m), clRed);

  // The olive dot is copied, or lets ColBack through in GlyphMode.
  const TRect g = m.Layout().Glyph;
  EXPECT_EQ(PixelAt(m.SurfaceImage(), g.Left + 4, g.Top + 4), clOlive);
  m.SetColBack(clNavy);
  m.SetGlyphMode(true);
  EXPECT_EQ(PixelAt(m.SurfaceImage(), g.Left + 4, g.Top + 4), clNavy);
  EXPECT_EQ(GlyphCorner(m), clRed);
  // Around the glyph the area is ColBack.
  EXPECT_EQ(PixelAt(m.SurfaceImage(), g.Left - 1, g.Top - 1), clNavy);
}

TEST(MultiBmp, AnimationStepsOneGlyphPerBlinkPhaseAndReportsEachPass) {
  TMultiBmp m;
  m.SetGlyph(FourGlyphs());
  m.SetGlyphNums(4);
  QSignalSpy ends(&m, &TMultiBmp::OnEndAnim);
  m.SetAnimate(true);
  BlinkPhase();
  EXPECT_EQ(m.GlyphSel(), 1);  // not painted yet: nothing moves
  m.SurfaceImage();

  std::vector<int> shown;
  std::vector<int> endsAfter;
  for (int phase = 0; phase < 8; ++phase) {
    BlinkPhase();
    shown.push_back(m.GlyphSel());
    endsAfter.push_back(ends.count());
    EXPECT_EQ(GlyphCorner(m), kGlyphColours[m.GlyphSel() - 1]) << phase;
  }
  EXPECT_EQ(shown, (std::vector<int>{2, 3, 4, 1, 2, 3, 4, 1}));
  EXPECT_EQ(endsAfter, (std::vector<int>{0, 0, 0, 1, 1, 1, 1, 2}));
  EXPECT_EQ(ends.first().first().value<QObject*>(), &m);

  // Blinking stops the animation and blanks the glyph in the dark phase.
  m.SetBlinkOn(true);
  EXPECT_FALSE(m.Animate());
  // Each phase the blink call sees the other half of the blink period.
  std::vector<bool> visible;
  for (int phase = 0; phase < 4; ++phase) {
    BlinkPhase();
    EXPECT_EQ(m.GlyphSel(), 1);
    EXPECT_EQ(GlyphCorner(m) == clRed, m.GlyphVisible());
    visible.push_back(m.GlyphVisible());
  }
  EXPECT_NE(visible[0], visible[1]);
  EXPECT_NE(visible[1], visible[2]);
  EXPECT_NE(visible[2], visible[3]);
  m.SetBlinkOn(false);
  EXPECT_EQ(GlyphCorner(m), clRed);
}

TEST(MultiBmp, AutoSizeFitsOneGlyphAndTheFrame) {
  TMultiBmp m;
  m.resize(80, 80);
  const int frame = 80 - m.Layout().Area.Width();
  m.SetGlyph(FourGlyphs());
  m.SetGlyphNums(4);
  m.SetAutoSize(true);
  EXPECT_EQ(m.width(), 10 + frame);
  EXPECT_EQ(m.height(), 10 + frame);
  EXPECT_EQ(m.Layout().Area, m.Layout().Glyph);
  m.SetGlyphNums(2);
  EXPECT_EQ(m.width(), 20 + frame);
  EXPECT_EQ(m.height(), 10 + frame);
}

TEST(MultiBmp, PressingOneOfAGroupReleasesTheOthers) {
  QWidget parent;
  TMultiBmp* group[3];
  for (auto& b : group) {
    b = new TMultiBmp(&parent);
    b->SetButtonStyle(tsPushPull);
    b->SetGroupIndex(1);
  }
  for (TMultiBmp* pressed : {group[1], group[0]}) {
    QTest::mouseClick(pressed, Qt::LeftButton);
    for (TMultiBmp* b : group) EXPECT_EQ(b->Down(), b == pressed);
  }
  QTest::mouseClick(group[0], Qt::LeftButton);
  EXPECT_TRUE(group[0]->Down());
}
