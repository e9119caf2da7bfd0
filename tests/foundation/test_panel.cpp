#include "foundation/panel.h"
#include "foundation/speedbutton.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

using namespace Veltor;
using VeltorTest::PixelAt;

TEST(Panel, RingsLeaveTheFaceAndAlignedChildrenSitInsideThem) {
  TPanelLook look;
  look.BevelOuter = bvRaised;
  look.BevelInner = bvLowered;
  look.BevelWidth = 2;
  look.BorderWidth = 3;
  EXPECT_EQ(PanelFaceRect(100, 50, look), TRect(7, 7, 93, 43));
  look.BorderStyle = bsSingle;
  look.BevelInner = bvNone;
  EXPECT_EQ(PanelFaceRect(100, 50, look), TRect(6, 6, 94, 44));

  TPanel panel;
  panel.resize(100, 50);
  panel.SetColor(clSilver);
  panel.SetBevelWidth(2);
  panel.SetBorderWidth(3);
  TPanel child(&panel);
  child.SetAlign(alClient);
  EXPECT_EQ(child.geometry(), QRect(5, 5, 90, 40));

  const QImage img = panel.SurfaceImage();
  EXPECT_EQ(PixelAt(img, 0, 0), clWhite);  // raised: lit top left
  EXPECT_EQ(PixelAt(img, 1, 1), clWhite);
  EXPECT_EQ(PixelAt(img, 99, 49), clGray);  // shadow bottom right
  EXPECT_EQ(PixelAt(img, 2, 2), clSilver);  // border ring in the panel colour
}

TEST(SpeedButton, AGroupKeepsOneButtonDownUnlessAllUpIsAllowed) {
  QWidget bar;
  TSpeedButton a(&bar), b(&bar), plain(&bar);
  a.SetGroupIndex(1);
  b.SetGroupIndex(1);
  b.move(30, 0);
  plain.move(60, 0);
  QSignalSpy clicks(&b, &TSpeedButton::OnClick);

  QTest::mouseClick(&a, Qt::LeftButton);
  EXPECT_TRUE(a.Down());
  QTest::mouseClick(&b, Qt::LeftButton);
  EXPECT_TRUE(b.Down());
  EXPECT_FALSE(a.Down());
  // Clicking the down button again keeps it down, but still clicks.
  QTest::mouseClick(&b, Qt::LeftButton);
  EXPECT_TRUE(b.Down());
  EXPECT_EQ(clicks.count(), 2);

  // AllowAllUp set on one button holds for the group.
  a.SetAllowAllUp(true);
  EXPECT_TRUE(b.AllowAllUp());
  QTest::mouseClick(&b, Qt::LeftButton);
  EXPECT_FALSE(b.Down());
  EXPECT_FALSE(a.Down());

  // Without a group a button never stays down; a release outside is no click.
  plain.SetDown(true);
  EXPECT_FALSE(plain.Down());
  QSignalSpy plainClicks(&plain, &TSpeedButton::OnClick);
  QTest::mousePress(&plain, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(&plain, QPoint(50, 5));
  QTest::mouseRelease(&plain, Qt::LeftButton, {}, QPoint(50, 5));
  EXPECT_EQ(plainClicks.count(), 0);
}

TEST(SpeedButton, GlyphAndCaptionAreCentredAsOneBlock) {
  const TRect face(0, 0, 100, 30);
  const TSpeedButtonLayout both = LayoutSpeedButton(face, QSize(16, 16), QSize(30, 14), 4);
  EXPECT_EQ(both.GlyphPos, TPoint(25, 7));
  EXPECT_EQ(both.TextRect, TRect(45, 8, 75, 22));
  // Without a glyph there is no spacing either.
  const TSpeedButtonLayout text = LayoutSpeedButton(face, QSize(), QSize(30, 14), 4);
  EXPECT_EQ(text.TextRect.Left, 35);
}
