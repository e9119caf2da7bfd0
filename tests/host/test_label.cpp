#include "host/label.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

// Pixels of colour c inside r.
int Count(const QImage& img, const QRect& r, TColor c) {
  int n = 0;
  for (int y = r.top(); y <= r.bottom(); ++y)
    for (int x = r.left(); x <= r.right(); ++x) n += PixelAt(img, x, y) == c;
  return n;
}

}  // namespace

TEST(ParentLook, ControlsFollowTheirParentUntilGivenAnOwnValue) {
  TCustomControl parent;
  parent.SetColor(clNavy);
  TCustomControl child(&parent);
  child.SetParentColor(true);
  child.SetParentFont(true);
  EXPECT_EQ(child.Color(), clNavy);

  parent.SetColor(clTeal);
  TFont font = parent.Font();
  font.Name = "Courier New";
  font.Height = -20;
  parent.SetFont(font);
  EXPECT_EQ(child.Color(), clTeal);
  EXPECT_EQ(child.Font(), font);

  // An own value releases the control; the parent's next change passes it by.
  child.SetColor(clRed);
  child.SetFontHeight(-9);
  EXPECT_FALSE(child.ParentColor());
  EXPECT_FALSE(child.ParentFont());
  parent.SetColor(clLime);
  parent.SetFontName("Arial");
  EXPECT_EQ(child.Color(), clRed);
  EXPECT_EQ(child.Font().Name, "Courier New");
  EXPECT_EQ(child.FontHeight(), -9);

  // A control moved to another parent takes the new parent's colour.
  TCustomControl other;
  other.SetColor(clMaroon);
  TCustomControl moved(&parent);
  moved.SetParentColor(true);
  moved.setParent(&other);
  EXPECT_EQ(moved.Color(), clMaroon);
}

TEST(Label, TransparentLabelShowsItsParentAroundTheText) {
  TCustomControl parent;
  parent.resize(120, 60);
  parent.SetColor(clBlue);
  TLabel label(&parent);
  label.SetColor(clYellow);
  label.SetFontColor(clRed);
  label.SetFontHeight(-24);
  label.SetCaption("XX");
  label.move(10, 10);
  parent.show();

  label.SetTransparent(false);
  QImage opaque = parent.grab().toImage();
  const QRect around(label.x(), label.y(), label.width(), label.height());
  EXPECT_GT(Count(opaque, around, clYellow), 0);

  label.SetTransparent(true);
  const QImage img = parent.grab().toImage();
  EXPECT_EQ(Count(img, around, clYellow), 0);
  EXPECT_GT(Count(img, around, clRed), 10);
  EXPECT_GT(Count(img, around, clBlue), around.width() * around.height() / 2);
  // Every pixel is the parent's blue, the text's red or a blend of the two:
  // nothing of the label's own yellow.
  int greenish = 0;
  for (int y = around.top(); y <= around.bottom(); ++y)
    for (int x = around.left(); x <= around.right(); ++x) greenish += qGreen(img.pixel(x, y)) != 0;
  EXPECT_EQ(greenish, 0);
}

TEST(Label, AutoSizeFollowsCaptionAndKeepsARightAlignedEdge) {
  TLabel label;
  label.SetFontHeight(-16);
  label.SetCaption("Wide caption");
  const int wide = label.width();
  label.SetCaption("W");
  EXPECT_LT(label.width(), wide);
  EXPECT_GE(label.height(), 16);

  label.SetAlignment(taRightJustify);
  label.move(200, 0);
  const int right = label.x() + label.width();
  label.SetCaption("Much wider caption");
  EXPECT_EQ(label.x() + label.width(), right);

  label.SetAutoSize(false);
  label.resize(30, 30);
  label.SetCaption("Another caption");
  EXPECT_EQ(label.width(), 30);
}

TEST(Label, AcceleratorCharacterFocusesTheFocusControl) {
  QWidget window;
  TLabel label(&window);
  TCustomControl target(&window);
  target.setObjectName("Target");
  target.SetTabStop(true);
  TCustomControl other(&window);
  other.SetTabStop(true);
  label.SetCaption("&Name");
  label.SetFocusControl("Target");
  window.show();
  QApplication::setActiveWindow(&window);
  other.setFocus();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  QTest::keyClick(&window, Qt::Key_N, Qt::AltModifier);
  EXPECT_TRUE(target.hasFocus());
}
