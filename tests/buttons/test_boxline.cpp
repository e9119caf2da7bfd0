#include "buttons/boxline.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <QSignalSpy>
#include <QTest>

using namespace Veltor;
using namespace Veltor::ButtonEnums;
using VeltorTest::CountColour;
using VeltorTest::PixelAt;

namespace {

void ClickAt(QWidget* w, const TRect& r) {
  QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, QPoint(r.Left + r.Width() / 2, r.Top + r.Height() / 2));
}

// Pixels inside r with every colour byte at most v: the dark parts of
// antialiased text.
int CountDark(const QImage& img, const TRect& r, int v) {
  int n = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      const TColor c = PixelAt(img, x, y);
      n += c.Red() <= v && c.Green() <= v && c.Blue() <= v;
    }
  }
  return n;
}

}  // namespace

TEST(BoxLineLayout, BoxesFollowOrientationOrderAndCaptionSide) {
  TBoxLineModel m;  // w 15, s 4
  struct Row {
    TOrientation orientation;
    bool orderUp, captLeft;
    TRect box0, box7, short0, long0;
  };
  const Row rows[] = {
      // Row: box 0 at the right, or at the left with OrderUp; near the bottom
      // edge, or near the top with CaptLeft.
      {orHorizontal, false, false, {138, 66, 153, 81}, {5, 66, 20, 81}, {138, 85, 153, 100}, {136, 4, 153, 62}},
      {orHorizontal, true, false, {2, 66, 17, 81}, {135, 66, 150, 81}, {2, 85, 17, 100}, {0, 4, 17, 62}},
      {orHorizontal, false, true, {138, 19, 153, 34}, {5, 19, 20, 34}, {138, 0, 153, 15}, {136, 38, 153, 96}},
      // Column: box 0 at the top, or at the bottom with OrderUp.
      {orVertical, false, false, {126, 2, 141, 17}, {126, 135, 141, 150}, {145, 2, 160, 17}, {4, 0, 122, 19}},
      {orVertical, true, false, {126, 143, 141, 158}, {126, 10, 141, 25}, {145, 143, 160, 158}, {4, 141, 122, 160}},
      {orVertical, false, true, {19, 2, 34, 17}, {19, 135, 34, 150}, {0, 2, 15, 17}, {38, 0, 156, 19}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "orientation " << r.orientation << " up " << r.orderUp << " left "
                                    << r.captLeft);
    m.Orientation = r.orientation;
    m.OrderUp = r.orderUp;
    m.CaptLeft = r.captLeft;
    const TBoxLineLayout l = BoxLineLayout(160, r.orientation == orHorizontal ? 100 : 160, m);
    EXPECT_EQ(l.Boxes[0].Box, r.box0);
    EXPECT_EQ(l.Boxes[7].Box, r.box7);
    EXPECT_EQ(l.Boxes[0].Short, r.short0);
    EXPECT_EQ(l.Boxes[0].Long, r.long0);
  }
}

TEST(BoxLine, BytesAndBoxesAgree) {
  TBoxLine line;
  EXPECT_EQ(line.BoxStatByte(), 255);
  EXPECT_EQ(line.BoxEnaByte(), 255);
  line.SetBoxStatByte(5);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(line.Box(i)->Status(), i == 0 || i == 2) << i;
  line.Box7()->SetStatus(true);
  EXPECT_EQ(line.BoxStatByte(), 133);
  line.Box0()->SetStatus(false);
  line.Box0()->SetStatus(false);  // clearing a clear bit keeps it clear
  EXPECT_EQ(line.BoxStatByte(), 132);

  line.SetBoxEnaByte(0x0F);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(line.Box(i)->Enabled(), i < 4) << i;
  line.Box3()->SetEnabled(false);
  line.Box6()->SetEnabled(true);
  EXPECT_EQ(line.BoxEnaByte(), 0x47);
  EXPECT_EQ(line.BoxStatByte(), 132);  // untouched by the enabled flags

  line.SetBoxWidth(40);
  EXPECT_EQ(line.BoxWidth(), 30);
  line.SetBoxWidth(3);
  EXPECT_EQ(line.BoxWidth(), 10);
  line.SetBoxSpace(-3);
  EXPECT_EQ(line.BoxSpace(), 0);
  line.SetBoxSpace(25);
  EXPECT_EQ(line.BoxSpace(), 20);
  line.Box1()->SetNumGlyphs(5);
  EXPECT_EQ(line.Box1()->NumGlyphs(), 2);
  line.Box1()->SetNumGlyphs(0);
  EXPECT_EQ(line.Box1()->NumGlyphs(), 1);
  line.Box1()->SetCharOn(QStringLiteral("XY"));
  EXPECT_EQ(line.Box1()->CharOn(), QStringLiteral("X"));
}

TEST(BoxLine, ClicksFireTheEventOfAnEnabledVisibleBoxOnly) {
  TBoxLine line;
  line.resize(160, 160);
  QSignalSpy box0(&line, &TBoxLine::OnBox0Click);
  QSignalSpy box2(&line, &TBoxLine::OnBox2Click);
  QSignalSpy box5(&line, &TBoxLine::OnBox5Click);
  const TBoxLineLayout l = line.Layout();
  ClickAt(&line, l.Boxes[2].Box);
  EXPECT_EQ(box2.count(), 1);
  EXPECT_EQ(box2.first().first().value<QObject*>(), &line);
  EXPECT_EQ(box0.count() + box5.count(), 0);

  // Between two boxes, and on the captions: nothing.
  const TRect& a = l.Boxes[0].Box;
  QTest::mouseClick(&line, Qt::LeftButton, Qt::NoModifier, QPoint(a.Left + 3, a.Bottom + 1));
  ClickAt(&line, l.Boxes[5].Short);
  EXPECT_EQ(box0.count() + box5.count(), 0);

  // Any button; a disabled or hidden box fires nothing.
  QTest::mouseClick(&line, Qt::RightButton, Qt::NoModifier, QPoint(a.Left, a.Top));
  EXPECT_EQ(box0.count(), 1);
  line.Box0()->SetEnabled(false);
  ClickAt(&line, a);
  EXPECT_EQ(box0.count(), 1);
  line.Box5()->SetVisible(false);
  ClickAt(&line, l.Boxes[5].Box);
  EXPECT_EQ(box5.count(), 0);
  EXPECT_EQ(line.BoxAt(a.Right - 1, a.Bottom - 1), 0);
  EXPECT_EQ(line.BoxAt(a.Right, a.Bottom), -1);
}

TEST(BoxLine, BoxesShowCharacterOrGlyphByStateAndEnabled) {
  TBoxLine line;
  line.resize(160, 160);
  line.SetBoxStatByte(0x01);
  QImage img = line.SurfaceImage();
  const TBoxLineLayout l = line.Layout();
  const TRect& b0 = l.Boxes[0].Box;
  const TRect& b1 = l.Boxes[1].Box;
  EXPECT_EQ(PixelAt(img, b0.Right - 1, b0.Bottom - 1), clWhite);
  EXPECT_GT(CountDark(img, b0, 0x40), 0);

  // Disabled: silver box, grey character; only that box is redrawn.
  line.SetBoxEnaByte(0xFE);
  img = line.SurfaceImage();
  EXPECT_EQ(PixelAt(img, b0.Right - 1, b0.Bottom - 1), clSilver);
  EXPECT_EQ(CountDark(img, b0, 0x70), 0);
  EXPECT_GT(CountDark(img, b0, 0xA0), 0);
  EXPECT_EQ(PixelAt(img, b1.Right - 1, b1.Bottom - 1), clWhite);

  // Two images side by side: disabled left (red), enabled right (blue), olive
  // letting the box colour through.
  QImage glyph(30, 15, QImage::Format_RGB32);
  glyph.fill(clOlive.ToQColor());
  QPainter p(&glyph);
  p.fillRect(0, 0, 5, 5, Qt::red);
  p.fillRect(15, 0, 5, 5, Qt::blue);
  p.end();
  line.Box0()->SetGlyphOn(QPixmap::fromImage(glyph));
  line.Box0()->SetNumGlyphs(2);
  img = line.SurfaceImage();
  EXPECT_EQ(PixelAt(img, b0.Left + 1, b0.Top + 1), clRed);
  EXPECT_EQ(PixelAt(img, b0.Right - 1, b0.Bottom - 1), clSilver);
  EXPECT_EQ(CountColour(img, b0, clBlue), 0);
  line.Box0()->SetEnabled(true);
  img = line.SurfaceImage();
  EXPECT_EQ(PixelAt(img, b0.Left + 1, b0.Top + 1), clBlue);
  EXPECT_EQ(PixelAt(img, b0.Right - 1, b0.Bottom - 1), clWhite);
  // Status clear shows GlyphOff, which is empty: the character again.
  line.Box0()->SetStatus(false);
  img = line.SurfaceImage();
  EXPECT_EQ(CountColour(img, b0, clBlue), 0);
  EXPECT_GT(CountDark(img, b0, 0x40), 0);

  // One image: stretched over the box, greyed while disabled.
  line.Box0()->SetGlyphOff(QPixmap::fromImage(glyph));
  line.Box0()->SetNumGlyphs(1);
  img = line.SurfaceImage();
  EXPECT_EQ(PixelAt(img, b0.Left, b0.Top), clRed);
  EXPECT_EQ(PixelAt(img, b0.Right - 1, b0.Bottom - 1), clOlive);
  line.Box0()->SetEnabled(false);
  img = line.SurfaceImage();
  const TColor grey = PixelAt(img, b0.Left, b0.Top);
  EXPECT_EQ(grey.Red(), grey.Green());
  EXPECT_GE(grey.Red(), 128);
}
