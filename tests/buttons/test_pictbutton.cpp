#include "buttons/pictbutton.h"

#include "foundation/tickregistry.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <memory>
#include <vector>

using namespace Veltor;
using namespace Veltor::ButtonEnums;
using VeltorTest::CountColour;
using VeltorTest::CountOther;
using VeltorTest::PixelAt;

namespace {

void Press(QWidget* w) { QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }
void Release(QWidget* w) { QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }

// One blink phase: every blinker has been called once.
void BlinkPhase() {
  for (int t = 0; t < 7; ++t) TimerTick();
}

}  // namespace

TEST(PictButtonLayout, RowsSplitTheContentEvenlyAndRoundFacesKeepClear) {
  TPictButtonModel m;
  m.Shape = sstRectangle;
  const TRect inner(5, 5, 95, 95);
  // Margin 90 / 20 = 4, border 2, inset 2: content (13, 13, 87, 87).
  m.PictStyle = threeRow;
  TPictButtonLayout l = PictButtonLayout(inner, m);
  EXPECT_EQ(l.Face, TRect(9, 9, 91, 91));
  EXPECT_EQ(l.Content, TRect(13, 13, 87, 87));
  EXPECT_EQ(l.Rows[0], TRect(13, 13, 87, 37));
  EXPECT_EQ(l.Rows[1], TRect(13, 37, 87, 61));
  EXPECT_EQ(l.Rows[2], TRect(13, 61, 87, 87));  // the last row takes the rest

  m.PictStyle = twoRow;
  l = PictButtonLayout(inner, m);
  EXPECT_EQ(l.Rows[0], TRect(13, 13, 87, 50));
  EXPECT_EQ(l.Rows[1], TRect(13, 50, 87, 87));
  EXPECT_TRUE(l.Rows[2].IsEmpty());

  m.PictStyle = Picture;
  l = PictButtonLayout(inner, m);
  EXPECT_TRUE(l.Rows[0].IsEmpty());

  // Square shapes are centred squares; the content of a round face lies
  // inside the circle.
  m.Shape = sstCircle;
  l = PictButtonLayout(TRect(0, 0, 160, 80), m);
  EXPECT_EQ(l.Face.Width(), l.Face.Height());
  EXPECT_EQ(l.Face.Left + l.Face.Right, 160);
  const double r = l.Inside.Width() / 2.0;
  const double dx = l.Content.Right - (l.Inside.Left + r), dy = l.Content.Bottom - (l.Inside.Top + r);
  EXPECT_LE(dx * dx + dy * dy, r * r);
  EXPECT_EQ(l.Corner, 0);
  m.Shape = sstRoundrect;
  EXPECT_GT(PictButtonLayout(TRect(0, 0, 160, 80), m).Corner, 0);
}

TEST(PictButton, ShowsEachRowInItsOwnFontColour) {
  TPictButton b;
  b.SetShape(sstRectangle);
  const TPictButtonLayout l = b.Layout();
  QImage img = b.SurfaceImage();
  EXPECT_GT(CountColour(img, l.Content, clAqua), 0);
  EXPECT_EQ(CountColour(img, l.Content, clLime), 0);
  EXPECT_EQ(PixelAt(img, l.Face.Left, l.Face.Top + l.Face.Height() / 2), clWhite);  // border
  EXPECT_EQ(PixelAt(img, l.Content.Left, l.Content.Top), clBlack);                  // background

  b.SetPictStyle(threeRow);
  img = b.SurfaceImage();
  const TPictButtonLayout three = b.Layout();
  EXPECT_GT(CountColour(img, three.Rows[0], clAqua), 0);
  EXPECT_GT(CountColour(img, three.Rows[1], clLime), 0);
  EXPECT_GT(CountColour(img, three.Rows[2], clRed), 0);
  EXPECT_EQ(CountColour(img, three.Rows[2], clAqua), 0);

  // A text change redraws its row only, and an empty text leaves it blank.
  b.SetText1(QString());
  img = b.SurfaceImage();
  EXPECT_EQ(CountOther(img, three.Rows[1], clBlack), 0);
  EXPECT_GT(CountColour(img, three.Rows[2], clRed), 0);
  b.SetText(QStringLiteral("123456789012345678901234"));
  EXPECT_EQ(b.Text(), QStringLiteral("12345678901234567890"));
}

// A row starting with a tab looks like one starting with a space, instead of
// running off to a far tab stop; the property keeps the tab.
TEST(PictButton, ATabInARowIsDrawnAsASpace) {
  TPictButton tabbed, spaced;
  for (TPictButton* b : {&tabbed, &spaced}) b->SetPictStyle(twoRow);
  tabbed.SetText1(QStringLiteral("\ttriggered"));
  spaced.SetText1(QStringLiteral(" triggered"));
  EXPECT_EQ(tabbed.Text1(), QStringLiteral("\ttriggered"));
  EXPECT_EQ(VeltorTest::ImageDifference(tabbed.SurfaceImage(), spaced.SurfaceImage()), QString());
  EXPECT_GT(CountColour(tabbed.SurfaceImage(), tabbed.Layout().Rows[1], clLime), 0);
}

TEST(PictButton, BlinkingBlanksAndRestoresTheContentWithTheClock) {
  TPictButton b;
  b.SurfaceImage();
  const TRect content = b.Layout().Content;
  b.SetBlinkOn(true);
  // Each phase the blink call sees the other half of the blink period.
  std::vector<bool> visible;
  for (int phase = 0; phase < 4; ++phase) {
    BlinkPhase();
    const int aqua = CountColour(b.SurfaceImage(), content, clAqua);
    EXPECT_EQ(aqua > 0, b.ContentVisible()) << phase;
    visible.push_back(b.ContentVisible());
  }
  EXPECT_NE(visible[0], visible[1]);
  EXPECT_NE(visible[1], visible[2]);
  EXPECT_NE(visible[2], visible[3]);
  // Switched off, the content shows whatever the phase.
  if (b.ContentVisible()) BlinkPhase();
  b.SetBlinkOn(false);
  EXPECT_TRUE(b.ContentVisible());
  EXPECT_GT(CountColour(b.SurfaceImage(), content, clAqua), 0);
}

TEST(PictButton, ContentRedrawnOnAPressedButtonLandsWhereAFullPaintPutsIt) {
  TPictButton b;
  b.SetButtonStyle(tsPushPull);
  b.SurfaceImage();
  Press(&b);
  Release(&b);
  ASSERT_TRUE(b.Down());
  b.SetText(QStringLiteral("Halt"));
  const QImage redrawn = b.SurfaceImage();
  b.Invalidate();
  EXPECT_EQ(VeltorTest::ImageDifference(redrawn, b.SurfaceImage()), QString());
}

TEST(PictButton, PressingOneOfAGroupReleasesTheOthers) {
  QWidget parent;
  std::unique_ptr<TPictButton> lone = std::make_unique<TPictButton>(&parent);
  TPictButton* group[3];
  for (auto& b : group) {
    b = new TPictButton(&parent);
    b->SetButtonStyle(tsPushPull);
    b->SetGroupIndex(3);
  }
  lone->SetButtonStyle(tsPushPull);
  lone->SetDown(true);
  Press(group[0]);
  Release(group[0]);
  EXPECT_TRUE(group[0]->Down());
  Press(group[2]);
  Release(group[2]);
  EXPECT_FALSE(group[0]->Down());
  EXPECT_FALSE(group[1]->Down());
  EXPECT_TRUE(group[2]->Down());
  EXPECT_TRUE(lone->Down());  // not a member

  // The down member stays down when pressed again...
  QSignalSpy clicks(group[2], &TPictButton::OnClick);
  Press(group[2]);
  Release(group[2]);
  EXPECT_TRUE(group[2]->Down());
  EXPECT_EQ(clicks.count(), 0);
  // ... unless the group may be left with none down.
  group[2]->SetAllowAllUp(true);
  Press(group[2]);
  Release(group[2]);
  EXPECT_FALSE(group[2]->Down());

  // Put down by program, it releases the others too.
  group[1]->SetDown(true);
  group[0]->SetDown(true);
  EXPECT_FALSE(group[1]->Down());
  group[0]->SetGroupIndex(999);
  EXPECT_EQ(group[0]->GroupIndex(), 255);
}
