#include "foundation/rahmen.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QTest>

#include <string>
#include <vector>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

class Frame : public TRahmen {
 public:
  explicit Frame(QWidget* parent = nullptr) : TRahmen(parent) {
    connect(this, &TRahmen::OnDown, [this] { Events.push_back("down"); });
    connect(this, &TRahmen::OnUp, [this] { Events.push_back("up"); });
    connect(this, &TRahmen::OnClick, [this] { Events.push_back("click"); });
    connect(this, &TControl::OnMouseDown, [this] { Events.push_back("framework-down"); });
    connect(this, &TControl::OnMouseUp, [this] { Events.push_back("framework-up"); });
  }
  std::vector<std::string> Events;
  int Paints = 0;
  using TRahmen::DrawPressed;
  using TRahmen::SetShowPressed;

 protected:
  void Paint() override {
    ++Paints;
    TRahmen::Paint();
  }
};

// A shown frame of the default size, with its events recorded.
struct ShownFrame {
  QWidget window;
  Frame* f = new Frame(&window);
  ShownFrame() {
    window.resize(220, 120);
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  QImage Screen() { return f->grab().toImage(); }
};

}  // namespace

TEST(Rahmen, DefaultsAndConstruction) {
  Frame f;
  EXPECT_EQ(f.Width(), 200);
  EXPECT_EQ(f.Height(), 100);
  EXPECT_EQ(f.BevelOut(), bvRaised);
  EXPECT_EQ(f.BevelIn(), bvNone);
  EXPECT_EQ(f.BevWidth(), 2);
  EXPECT_EQ(f.BordWidth(), 2);
  EXPECT_EQ(f.ColBgnd(), clSilver);
  EXPECT_EQ(f.ColBtnBord(), clBlack);
  EXPECT_EQ(f.ButtonStyle(), tsNone);
  EXPECT_TRUE(f.FontAutom());
  EXPECT_TRUE(f.ShowPressed());
  EXPECT_EQ(f.Font().Name, QStringLiteral("Arial"));
}

TEST(Rahmen, RaisedFramePaintsBevelBorderAndBackground) {
  Frame f;
  f.SetColBgnd(clAqua);
  const QImage img = f.SurfaceImage();
  EXPECT_EQ(f.InnerRect(), TRect(4, 4, 196, 96));
  // Outer bevel: white top and left, grey bottom and right.
  EXPECT_EQ(PixelAt(img, 0, 0), clWhite);
  EXPECT_EQ(PixelAt(img, 1, 50), clWhite);
  EXPECT_EQ(PixelAt(img, 100, 1), clWhite);
  EXPECT_EQ(PixelAt(img, 0, 98), clWhite);
  EXPECT_EQ(PixelAt(img, 199, 99), clGray);
  EXPECT_EQ(PixelAt(img, 198, 50), clGray);
  EXPECT_EQ(PixelAt(img, 100, 98), clGray);
  // Grey owns the diagonal joins at top-right and bottom-left.
  EXPECT_EQ(PixelAt(img, 199, 1), clGray);
  EXPECT_EQ(PixelAt(img, 1, 99), clGray);
  // Border ring in silver, then the background.
  EXPECT_EQ(PixelAt(img, 2, 2), clSilver);
  EXPECT_EQ(PixelAt(img, 3, 50), clSilver);
  EXPECT_EQ(PixelAt(img, 196, 96), clSilver);
  EXPECT_EQ(PixelAt(img, 4, 4), clAqua);
  EXPECT_EQ(PixelAt(img, 195, 95), clAqua);
}

TEST(Rahmen, LoweredAndInnerBevelsSwapTheirColours) {
  Frame f;
  f.SetBevelOut(bvLowered);
  f.SetBevelIn(bvRaised);
  f.SetBordWidth(1);
  f.SetColBgnd(clYellow);
  const QImage img = f.SurfaceImage();
  EXPECT_EQ(PixelAt(img, 0, 50), clGray);
  EXPECT_EQ(PixelAt(img, 199, 50), clWhite);
  EXPECT_EQ(PixelAt(img, 2, 50), clSilver);  // border, one pixel
  EXPECT_EQ(PixelAt(img, 3, 50), clWhite);   // inner raised bevel
  EXPECT_EQ(PixelAt(img, 196, 50), clGray);
  EXPECT_EQ(PixelAt(img, 5, 50), clYellow);
  EXPECT_EQ(f.InnerRect(), TRect(5, 5, 195, 95));
}

TEST(Rahmen, SwitchedOffSidesShowNoRingAndKeepTheirSpace) {
  Frame f;
  f.SetColBgnd(clAqua);
  f.SetBordLeft(false);
  f.SetBordTop(false);
  QImage img = f.SurfaceImage();
  EXPECT_EQ(f.InnerRect(), TRect(0, 0, 196, 96));
  EXPECT_EQ(PixelAt(img, 0, 50), clAqua);
  EXPECT_EQ(PixelAt(img, 100, 0), clAqua);
  // The other sides' rings run through to the control's edge.
  EXPECT_EQ(PixelAt(img, 0, 98), clGray);
  EXPECT_EQ(PixelAt(img, 199, 0), clGray);

  f.SetBordRight(false);
  f.SetBordBottom(false);
  f.SetFramed(true);
  img = f.SurfaceImage();
  // Only the frame line is left, on all four sides.
  EXPECT_EQ(f.InnerRect(), TRect(1, 1, 199, 99));
  for (const QPoint& p : {QPoint(0, 0), QPoint(0, 50), QPoint(199, 99), QPoint(100, 0), QPoint(100, 99)}) {
    EXPECT_EQ(PixelAt(img, p.x(), p.y()), clBlack) << p.x() << "," << p.y();
  }
  EXPECT_EQ(PixelAt(img, 1, 1), clAqua);
  EXPECT_EQ(PixelAt(img, 198, 98), clAqua);

  // Nor does a pressed look paint over the line.
  f.SetButtonStyle(tsPush);
  f.SurfaceImage();
  f.DrawPressed(true);
  EXPECT_EQ(PixelAt(f.SurfaceImage(), 0, 50), clBlack);
}

TEST(Rahmen, RingWidthsAreClampedAndZeroWidthsVanish) {
  Frame f;
  f.SetBevWidth(9);
  EXPECT_EQ(f.BevWidth(), 5);
  f.SetBordWidth(-3);
  EXPECT_EQ(f.BordWidth(), 0);
  f.SetBordWidth(6);
  EXPECT_EQ(f.BordWidth(), 5);

  f.SetBevWidth(0);
  f.SetBordWidth(0);
  f.SetColBgnd(clRed);
  const QImage img = f.SurfaceImage();
  EXPECT_EQ(f.InnerRect(), TRect(0, 0, 200, 100));
  EXPECT_EQ(PixelAt(img, 0, 0), clRed);
  EXPECT_EQ(PixelAt(img, 199, 99), clRed);
}

TEST(Rahmen, SettingAPropertyToItsValueDoesNotRepaint) {
  Frame f;
  f.SurfaceImage();
  const int paints = f.Paints;
  f.SetBevelOut(bvRaised);
  f.SetBevWidth(2);
  f.SetBordWidth(7);  // clamps to 5: a change
  f.SurfaceImage();
  EXPECT_EQ(f.Paints, paints + 1);
  f.SetBordWidth(5);
  f.SetColBgnd(clSilver);
  f.SetFontAutom(false);  // switching off never repaints
  f.SurfaceImage();
  EXPECT_EQ(f.Paints, paints + 1);
}

TEST(Rahmen, ButtonStyleAddsTheFrameLineUnlessPressedLookIsOff) {
  Frame f;
  f.SetButtonStyle(tsPush);
  QImage img = f.SurfaceImage();
  EXPECT_EQ(PixelAt(img, 0, 0), clBlack);
  EXPECT_EQ(PixelAt(img, 1, 1), clWhite);
  EXPECT_EQ(f.InnerRect(), TRect(5, 5, 195, 95));

  f.SetShowPressed(false);
  f.Invalidate();
  img = f.SurfaceImage();
  EXPECT_EQ(PixelAt(img, 0, 0), clWhite);
  // And a press keeps the bevel's normal look.
  f.DrawPressed(true);
  EXPECT_EQ(PixelAt(f.SurfaceImage(), 0, 0), clWhite);
  EXPECT_TRUE(f.Status());
}

TEST(Rahmen, DrawPressedInvertsOnlyTheOutermostBevel) {
  Frame f;
  f.SetButtonStyle(tsPush);
  f.SetBevelIn(bvLowered);
  f.SurfaceImage();
  f.DrawPressed(true);
  QImage img = f.SurfaceImage();
  EXPECT_EQ(PixelAt(img, 1, 50), clGray);  // outer bevel now sunken
  EXPECT_EQ(PixelAt(img, 198, 50), clWhite);
  EXPECT_EQ(PixelAt(img, 5, 50), clGray);  // inner bevel untouched
  EXPECT_EQ(PixelAt(img, 0, 0), clBlack);  // frame line untouched
  f.DrawPressed(false);
  img = f.SurfaceImage();
  EXPECT_EQ(PixelAt(img, 1, 50), clWhite);
  EXPECT_EQ(PixelAt(img, 198, 50), clGray);

  // Without an outer bevel the inner bevel takes the pressed look, behind
  // the border ring.
  Frame g;
  g.SetButtonStyle(tsPush);
  g.SetBevelOut(bvNone);
  g.SetBevelIn(bvRaised);
  img = g.SurfaceImage();
  EXPECT_EQ(PixelAt(img, 3, 50), clWhite);
  g.DrawPressed(true);
  img = g.SurfaceImage();
  EXPECT_EQ(PixelAt(img, 3, 50), clGray);
  EXPECT_EQ(PixelAt(img, 196, 50), clWhite);
  EXPECT_EQ(PixelAt(img, 2, 50), clSilver);
  EXPECT_EQ(g.InnerRect(), TRect(5, 5, 195, 95));
}

TEST(Rahmen, StatusSetterActsOnlyForPushPullOrWhileLoading) {
  Frame f;
  f.SetButtonStyle(tsPush);
  const QImage before = f.SurfaceImage();
  f.SetStatus(true);
  EXPECT_FALSE(f.Status());
  EXPECT_EQ(f.SurfaceImage(), before);

  f.SetButtonStyle(tsPushPull);
  f.SurfaceImage();
  f.SetStatus(true);
  EXPECT_TRUE(f.Status());
  EXPECT_EQ(PixelAt(f.SurfaceImage(), 1, 1), clGray);

  Frame loading;
  loading.BeginLoading();
  loading.SetStatus(true);
  EXPECT_TRUE(loading.Status());
  loading.EndLoading();
}

TEST(Rahmen, PushButtonEventsFollowTheMouse) {
  ShownFrame s;
  s.f->SetButtonStyle(tsPush);
  s.f->Repaint();
  QTest::mousePress(s.f, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
  EXPECT_EQ(s.f->Events, std::vector<std::string>({"down"}));
  EXPECT_TRUE(s.f->Status());
  EXPECT_EQ(PixelAt(s.Screen(), 1, 1), clGray);  // pressed look on screen
  // Released far outside: still up, then click.
  QTest::mouseRelease(s.f, Qt::LeftButton, Qt::NoModifier, QPoint(500, 500));
  EXPECT_EQ(s.f->Events, std::vector<std::string>({"down", "up", "click"}));
  EXPECT_FALSE(s.f->Status());
  EXPECT_EQ(PixelAt(s.Screen(), 1, 1), clWhite);
}

TEST(Rahmen, PushPullTogglesOnMouseDownOnly) {
  ShownFrame s;
  s.f->SetButtonStyle(tsPushPull);
  QTest::mousePress(s.f, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  QTest::mouseRelease(s.f, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(s.f->Events, std::vector<std::string>({"down", "click"}));
  EXPECT_TRUE(s.f->Status());
  // Any button toggles.
  QTest::mousePress(s.f, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
  QTest::mouseRelease(s.f, Qt::RightButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(s.f->Events, std::vector<std::string>({"down", "click", "up", "click"}));
  EXPECT_FALSE(s.f->Status());
}

TEST(Rahmen, PlainFrameClicksOnMouseUpAndReleasesAStuckPress) {
  ShownFrame s;
  QTest::mousePress(s.f, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_TRUE(s.f->Events.empty());
  QTest::mouseRelease(s.f, Qt::LeftButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_EQ(s.f->Events, std::vector<std::string>({"click"}));

  s.f->DrawPressed(true);
  QTest::mouseRelease(s.f, Qt::MiddleButton, Qt::NoModifier, QPoint(20, 20));
  EXPECT_FALSE(s.f->Status());
  EXPECT_EQ(s.f->Events.back(), "click");
}

TEST(FitFont, GrowsToTheLargestFittingSizeAndShrinksWhenTooBig) {
  TBitmap bmp(10, 10);
  TCanvas& c = bmp.Canvas();
  c.Font.Name = QStringLiteral("Arial");
  const QString text = QStringLiteral("Ab 12");
  auto fitsAt = [&](int size, const TRect& r) {
    TFont saved = c.Font;
    c.Font.SetSize(size);
    const bool ok = std::lround(std::abs(c.Font.Height) * 1.1) <= r.Height() && c.TextWidth(text) <= r.Width();
    c.Font = saved;
    return ok;
  };

  for (const TRect& r : {TRect(0, 0, 300, 40), TRect(0, 0, 60, 200), TRect(5, 5, 120, 30)}) {
    c.Font.SetSize(8);
    FitFont(c, r, text);
    const int grown = c.Font.Size();
    EXPECT_TRUE(fitsAt(grown, r)) << grown;
    EXPECT_FALSE(fitsAt(grown + 1, r)) << grown;
    EXPECT_GT(grown, 8);

    c.Font.SetSize(72);
    FitFont(c, r, text);
    EXPECT_EQ(c.Font.Size(), grown) << "shrinking from 72";
  }
}

TEST(FitFont, EmptyTextAndRoomlessRectanglesStaySane) {
  TBitmap bmp(10, 10);
  TCanvas& c = bmp.Canvas();
  c.Font.SetSize(30);
  FitFont(c, TRect(0, 0, 1, 1), QString());
  EXPECT_EQ(c.Font.Size(), 10);

  c.Font.SetSize(30);
  FitFont(c, TRect(0, 0, 0, 0), QStringLiteral("Hello"));
  EXPECT_EQ(c.Font.Size(), 1);
  FitFont(c, TRect(10, 10, 0, -5), QStringLiteral("Hello"));
  EXPECT_EQ(c.Font.Size(), 1);
}

TEST(Rahmen, InnerRectIsKnownWithoutPainting) {
  // Layouts and mouse code rely on this: it must agree with what the frame
  // paint leaves for any mix of rings, frame line and switched-off sides.
  TFrameLook look;
  look.BevelIn = bvLowered;
  look.BordWidth = 3;
  look.BevWidth = 2;
  look.BordLeft = false;
  look.Framed = true;
  TBitmap bitmap(60, 40);
  for (bool framed : {true, false}) {
    look.Framed = framed;
    for (TPanelBevel out : {bvNone, bvRaised}) {
      look.BevelOut = out;
      EXPECT_EQ(FrameInnerRect(look, 60, 40), PaintFrame(bitmap.Canvas(), look, 60, 40));
    }
  }
}
