// Renders the buttons and spinners in a few configurations into PNG sheets
// for a person to look at (bevel3d.png, textspin.png), and checks that every
// control on a sheet drew its own picture.
#include "buttons/bevel3d.h"
#include "buttons/textspin.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTest>

#include <functional>
#include <vector>

using namespace Veltor;

namespace {

// A window holding controls in a row-major grid of cells.
class Sheet {
 public:
  Sheet(int columns, int cellWidth, int cellHeight) : FColumns(columns), FCellW(cellWidth), FCellH(cellHeight) {
    FWindow.setStyleSheet(QStringLiteral("background: #d4d0c8"));
  }

  template <typename T>
  T* Add(int width, int height, const std::function<void(T&)>& setup) {
    auto* c = new T(&FWindow);
    const int i = int(FControls.size());
    c->SetBounds(8 + (i % FColumns) * FCellW, 8 + (i / FColumns) * FCellH, width, height);
    setup(*c);
    FControls.push_back(c);
    return c;
  }

  void Show() {
    const int rows = (int(FControls.size()) + FColumns - 1) / FColumns;
    FWindow.resize(16 + FColumns * FCellW, 16 + rows * FCellH);
    FWindow.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&FWindow));
  }

  // Saves the sheet and checks that no control is a single flat colour.
  void SaveAndCheck(const QString& name) {
    for (TControl* c : FControls) c->Repaint();
    const QImage img = FWindow.grab().toImage();
    const QString path = VeltorTest::SaveImage(img, name);
    EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
    for (TControl* c : FControls) {
      const QImage own = c->SurfaceImage();
      EXPECT_GT(own.convertToFormat(QImage::Format_Indexed8).colorCount(), 2) << c->objectName().toStdString();
    }
  }

 private:
  QWidget FWindow;
  int FColumns, FCellW, FCellH;
  std::vector<TControl*> FControls;
};

}  // namespace

TEST(ButtonScreens, Bevel3DSheet) {
  Sheet s(3, 210, 110);
  s.Add<TBevel3D>(200, 100, [](TBevel3D& b) {
    b.SetCaptEnable(true);
    b.SetCaption(QStringLiteral("Zeitbasis"));
    b.SetColCaption(clYellow);
  });
  s.Add<TBevel3D>(200, 100, [](TBevel3D& b) {
    b.SetCaptEnable(true);
    b.SetColCaptBack(clSilver);
    b.SetCaptBevel(bvLowered);
    b.SetCaption(QStringLiteral("Silver"));
  });
  s.Add<TBevel3D>(200, 100, [](TBevel3D& b) {
    b.SetCaptEnable(true);
    b.SetCaptBevel(bvRaised);
    b.SetWordWrap(true);
    b.SetFontColor(clWhite);
    b.SetCaption(QStringLiteral("Word wrap breaks a long caption|and at bars"));
    b.SetColCaption(clWhite);
  });
  s.Add<TBevel3D>(200, 100, [](TBevel3D& b) {
    b.setObjectName(QStringLiteral("down"));
    b.SetButtonStyle(tsPushPull);
    b.SetCaptEnable(true);
    b.SetCaption(QStringLiteral("OFF"));
    b.SetCaption1(QStringLiteral("ON"));
    b.SetColCaption1(clRed);
    b.SetColCaptBack(clAqua);
    b.SetDown(true);
  });
  s.Add<TBevel3D>(200, 100, [](TBevel3D& b) {
    b.SetCaptEnable(true);
    b.SetFontAutom(false);
    b.SetTextAdjust(ttLeft);
    b.SetCaption(QStringLiteral("Left"));
    b.SetBevelIn(bvLowered);
  });
  s.Add<TBevel3D>(120, 100, [](TBevel3D& b) {
    b.SetCaptEnable(true);
    b.SetFontAutom(false);
    b.SetTextAdjust(ttRight);
    b.SetCaption(QStringLiteral("Right"));
    b.SetColCaptBack(clGreen);
    b.SetCaptBevel(bvLowered);
  });
  s.Show();
  s.SaveAndCheck(QStringLiteral("bevel3d.png"));
}

TEST(ButtonScreens, SpinnerSheet) {
  Sheet s(4, 170, 90);
  s.Add<TTextSpin>(100, 30, [](TTextSpin&) {});
  s.Add<TTextSpin>(160, 40, [](TTextSpin& t) {
    t.SetTextAdjust(ttLeft);
    t.SetPosition(3);
  });
  s.Add<TTextSpin>(160, 60, [](TTextSpin& t) {
    t.SetTextAdjust(ttRight);
    t.SetPosition(5);
    t.SetBevelIn(bvLowered);
  });
  s.Add<TTextSpin>(100, 30, [](TTextSpin& t) { t.SetPosText({}); });
  s.Add<TSerieSpin>(25, 46, [](TSerieSpin&) {});
  s.Add<TSerieSpin>(40, 80, [](TSerieSpin& t) { t.SetPosition(2); });
  s.Add<TSerieSpin>(40, 60, [](TSerieSpin& t) {
    t.SetBordLeft(false);
    t.SetBordRight(false);
  });
  auto* held = s.Add<TTextSpin>(100, 30, [](TTextSpin&) {});
  s.Show();
  // One control with its up button held down.
  held->Repaint();
  const TRect up = held->UpButton();
  QTest::mousePress(held, Qt::LeftButton, Qt::NoModifier, QPoint(up.Left + 2, up.Top + 2));
  s.SaveAndCheck(QStringLiteral("textspin.png"));
  QTest::mouseRelease(held, Qt::LeftButton, Qt::NoModifier, QPoint(up.Left + 2, up.Top + 2));
}
