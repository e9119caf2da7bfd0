#include "buttons/slidebutton.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace Veltor;
using VeltorTest::CountColour;
using VeltorTest::PixelAt;

namespace {

TColor CentreOf(const QImage& img, const TRect& r) {
  return PixelAt(img, r.Left + r.Width() / 2, r.Top + r.Height() / 2);
}

QPixmap Solid(const QColor& c) {
  QPixmap p(8, 8);
  p.fill(c);
  return p;
}

}  // namespace

TEST(SlideButtonLayout, MarginFromTheShorterSideAndHalvesByPosition) {
  // A tall switch takes its margin from the inner width, a wide one from the
  // inner height: 0.04 x 50 = 2, 0.04 x 100 = 4.
  const TSlideButtonLayout tall = SlideButtonLayout(60, 110, TRect(5, 5, 55, 105), swPos2);
  EXPECT_EQ(tall.Margin, 2);
  EXPECT_EQ(tall.Outline, TRect(7, 7, 53, 103));
  EXPECT_EQ(tall.Well, TRect(8, 8, 52, 102));
  EXPECT_EQ(tall.Field, TRect(8, 8, 52, 55));
  EXPECT_EQ(tall.Knob, TRect(8, 55, 52, 102));

  const TSlideButtonLayout wide = SlideButtonLayout(210, 60, TRect(5, 5, 205, 55), swPos1);
  EXPECT_EQ(wide.Margin, 2);  // 0.04 x 50, not 0.04 x 200
  EXPECT_EQ(wide.Knob, TRect(8, 8, 202, 30));
  EXPECT_EQ(wide.Field, TRect(8, 30, 202, 52));
}

TEST(SlideButton, ClickFlipsBetweenTheRedOnAndTheBlueOffField) {
  TSlideButton s;
  QSignalSpy changes(&s, &TSlideButton::KeyChange);
  QImage img = s.SurfaceImage();
  TSlideButtonLayout l = s.Layout();
  // Upper half: red field with lime text; lower half: the silver knob.
  EXPECT_LT(l.Field.Bottom, l.Knob.Bottom);
  EXPECT_GT(CountColour(img, l.Field, clRed), l.Field.Width() * l.Field.Height() / 3);
  EXPECT_GT(CountColour(img, l.Field, clLime), 0);
  EXPECT_EQ(CountColour(img, l.Knob, clRed), 0);
  EXPECT_EQ(CentreOf(img, TRect(l.Knob.Left, l.Knob.Top, l.Knob.Left + 6, l.Knob.Bottom)), clSilver);

  QTest::mouseClick(&s, Qt::RightButton, Qt::NoModifier, QPoint(20, 10));
  EXPECT_EQ(s.Position(), swPos1);
  EXPECT_EQ(changes.count(), 1);
  EXPECT_EQ(changes.first().first().value<QObject*>(), &s);
  img = s.SurfaceImage();
  l = s.Layout();
  EXPECT_GT(l.Field.Top, l.Knob.Top);
  EXPECT_GT(CountColour(img, l.Field, clBlue), l.Field.Width() * l.Field.Height() / 3);
  EXPECT_GT(CountColour(img, l.Field, clYellow), 0);
  EXPECT_EQ(CountColour(img, l.Knob, clRed) + CountColour(img, l.Knob, clBlue), 0);

  QTest::mouseClick(&s, Qt::LeftButton, Qt::NoModifier, QPoint(20, 50));
  EXPECT_EQ(s.Position(), swPos2);
  EXPECT_EQ(changes.count(), 2);
}

TEST(SlideButton, SettersCutTextsIgnoreNullPicturesAndFireNothing) {
  TSlideButton s;
  QSignalSpy changes(&s, &TSlideButton::KeyChange);
  s.SetTextPos1(QStringLiteral("ABCDEFGHIJKL"));
  EXPECT_EQ(s.TextPos1(), QStringLiteral("ABCDEFGHIJ"));
  s.SetTextPos2(QStringLiteral("0123456789xyz"));
  EXPECT_EQ(s.TextPos2(), QStringLiteral("0123456789"));
  s.SetPosition(swPos1);
  EXPECT_EQ(changes.count(), 0);

  s.SetBmpPos1(Solid(Qt::green));
  s.SetBmpPos1(QPixmap());
  EXPECT_FALSE(s.BmpPos1().isNull());
  s.SetBmpEnable(true);
  const QImage img = s.SurfaceImage();
  // swPos1 shows the lower field with BmpPos1 stretched over it.
  EXPECT_EQ(CentreOf(img, s.Layout().Field), TColor(clLime));
  EXPECT_EQ(CountColour(img, s.Layout().Field, clBlue), 0);
}
