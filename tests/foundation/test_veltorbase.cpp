#include "foundation/veltorbase.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QTest>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

class Instrument : public TVeltorBase {
 public:
  using TVeltorBase::DrawPressed;
  using TVeltorBase::SetPainted;
  using TVeltorBase::TVeltorBase;
};

}  // namespace

TEST(VeltorBase, PaintsTheFrameIntoItsDrawBitmap) {
  Instrument base;
  base.SetColBgnd(clAqua);
  base.SetPainted(true);
  base.PaintNow();
  EXPECT_EQ(base.DrawBitmap().Width(), 200);
  EXPECT_EQ(base.BackBitmap().Height(), 100);
  EXPECT_EQ(base.InnerRect(), TRect(4, 4, 196, 96));
  const QImage img = base.DrawBitmap().Image();
  EXPECT_EQ(PixelAt(img, 0, 0), clWhite);
  EXPECT_EQ(PixelAt(img, 199, 99), clGray);
  EXPECT_EQ(PixelAt(img, 50, 50), clAqua);
  // Nothing reaches the control's own surface by itself.
  EXPECT_NE(PixelAt(base.SurfaceImage(), 50, 50), clAqua);

  // Appearance setters start the content over; others only repaint.
  EXPECT_TRUE(base.Painted());
  base.SetButtonStyle(tsPush);
  EXPECT_TRUE(base.Painted());
  base.SetBevWidth(8);
  EXPECT_EQ(base.BevWidth(), 5);
  EXPECT_FALSE(base.Painted());

  base.PaintNow();
  base.DrawPressed(true);
  EXPECT_TRUE(base.Status());
  EXPECT_EQ(PixelAt(base.DrawBitmap().Image(), 1, 1), clGray);
}

TEST(VeltorBase, ButtonBehaviourMatchesTheFrameControl) {
  QWidget window;
  auto* base = new Instrument(&window);
  base->SetButtonStyle(tsPushPull);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  QStringList events;
  QObject::connect(base, &TVeltorBase::OnDown, [&] { events << "down"; });
  QObject::connect(base, &TVeltorBase::OnUp, [&] { events << "up"; });
  QObject::connect(base, &TVeltorBase::OnClick, [&] { events << "click"; });
  QTest::mouseClick(base, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  QTest::mouseClick(base, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
  EXPECT_EQ(events, QStringList({"down", "click", "up", "click"}));
  EXPECT_FALSE(base->Status());
}
