#include "logic/display.h"

#include "testutil.h"

#include <gtest/gtest.h>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

class Display : public TDisplay {
 public:
  using TDisplay::TDisplay;
};

}  // namespace

TEST(Display, RegionsFollowTheHeightClamps) {
  struct Case {
    int height;
    int nameColumn;
    int footer;
  } cases[] = {{100, 50, 30}, {200, 50, 30}, {256, 64, 32}, {400, 70, 40}, {800, 70, 40}};
  for (const Case& c : cases) {
    Display d;
    d.resize(400, c.height);
    d.PaintNow();
    const TRect inner = d.InnerRect();
    // The name column loses a pixel on every side after the outline.
    EXPECT_EQ(d.NameRect().Width() + 2, c.nameColumn) << c.height;
    EXPECT_EQ(d.FootRect().Height(), c.footer) << c.height;
    EXPECT_EQ(d.HeadRect().Height(), 23) << c.height;
    EXPECT_EQ(d.HeadRect().Right, inner.Right - 3);
    // complete: the data area sits between head and footer, right of the names.
    EXPECT_EQ(d.DataRect().Left, inner.Left + c.nameColumn + 1);
    EXPECT_EQ(d.DataRect().Top, inner.Top + 23 + 1);
    EXPECT_EQ(d.DataRect().Bottom, inner.Bottom - c.footer);
    EXPECT_EQ(d.DataWidth(), d.DataRect().Right - d.DataRect().Left - 1);
    EXPECT_EQ(d.DataHeight(), d.DataRect().Height());
  }
}

TEST(Display, DataAreaByDisplayType) {
  Display d;
  d.PaintNow();
  const TRect inner = d.InnerRect();
  const int column = d.NameRect().Width() + 2;
  const int footer = d.FootRect().Height();
  struct Case {
    TDisplay::tdispType type;
    TRect data;  // before the outline adjustment of left and top
  } cases[] = {
      {TDisplay::complete, TRect(inner.Left + column, inner.Top + 23, inner.Right - 3, inner.Bottom - footer)},
      {TDisplay::dispOnly, TRect(inner.Left + 3, inner.Top, inner.Right - 3, inner.Bottom)},
      {TDisplay::dispTop, TRect(inner.Left + column, inner.Top + 23, inner.Right - 3, inner.Bottom)},
      {TDisplay::dispCenter, TRect(inner.Left + column, inner.Top, inner.Right - 3, inner.Bottom)},
      {TDisplay::dispBottom, TRect(inner.Left + column, inner.Top, inner.Right - 3, inner.Bottom - footer)},
  };
  for (const Case& c : cases) {
    d.SetDisplayTyp(c.type);
    d.PaintNow();
    const TRect expected(c.data.Left + 1, c.data.Top + 1, c.data.Right, c.data.Bottom);
    EXPECT_EQ(d.DataRect(), expected) << int(c.type);
    EXPECT_EQ(d.GetDataRect(), expected);
  }
}

TEST(Display, SunkenOutlineAndNameBox) {
  Display d;
  d.SetColBgnd(clSilver);
  d.SetColHead(clNavy);
  d.SetColTxtHead(clYellow);
  d.SetNameHead(QStringLiteral("Logic"));
  const QImage img = d.SurfaceImage();
  VeltorTest::SaveImage(img, "display-complete.png");
  const TRect data = d.DataRect();
  EXPECT_EQ(PixelAt(img, data.Left - 1, data.Top + 10), clGray);
  EXPECT_EQ(PixelAt(img, data.Left + 10, data.Top - 1), clGray);
  EXPECT_EQ(PixelAt(img, data.Right, data.Top + 10), clWhite);
  EXPECT_EQ(PixelAt(img, data.Left + 10, data.Bottom), clWhite);

  const TRect box = d.HeadBox();
  EXPECT_EQ(box.Left, d.HeadRect().Left + d.HeadRect().Width() / 3 + 1);
  EXPECT_EQ(PixelAt(img, box.Left - 1, box.Top + 2), clGray);
  EXPECT_EQ(PixelAt(img, box.Left, box.Top), clNavy);
  int text = 0;
  for (int y = box.Top; y < box.Bottom; ++y)
    for (int x = box.Left; x < box.Right; ++x) text += PixelAt(img, x, y) == clYellow;
  EXPECT_GT(text, 10);
  // The maker's mark in grey at the head strip's right end.
  int mark = 0;
  for (int y = d.HeadRect().Top; y < d.HeadRect().Top + 9; ++y)
    for (int x = box.Right + 1; x < d.HeadRect().Right; ++x) mark += PixelAt(img, x, y) != clSilver;
  EXPECT_GT(mark, 10);
}

TEST(Display, NameHeadIsCutAndDrawsOnlyWithAHead) {
  Display d;
  d.SetNameHead(QString(40, QLatin1Char('N')));
  EXPECT_EQ(d.NameHead(), QString(32, QLatin1Char('N')));

  // Before the first paint a colour is only stored.
  d.SetColHead(clRed);
  EXPECT_EQ(d.ColHead(), clRed);
  EXPECT_FALSE(d.PaintDone());

  for (auto type : {TDisplay::dispOnly, TDisplay::dispCenter, TDisplay::dispBottom}) {
    d.SetDisplayTyp(type);
    const QImage before = d.SurfaceImage();
    d.SetNameHead(QStringLiteral("Other"));
    d.SetColHead(clBlue);
    EXPECT_EQ(d.SurfaceImage(), before) << int(type);
    d.SetColHead(clRed);
  }

  d.SetDisplayTyp(TDisplay::dispTop);
  const QImage before = d.SurfaceImage();
  d.SetColHead(clLime);
  const QImage after = d.SurfaceImage();
  EXPECT_NE(after, before);
  EXPECT_EQ(PixelAt(after, d.HeadBox().Left, d.HeadBox().Top), clLime);
}
