#include "misc/alphabar.h"
#include "misc/fifo.h"
#include "misc/misc_classes.h"
#include "misc/rollbar.h"
#include "misc/rotlabel.h"

#include "formtest.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

using namespace Veltor;

namespace {

std::vector<TRect> Rects(const std::vector<TAlphaKey>& keys) {
  std::vector<TRect> r;
  for (const TAlphaKey& k : keys) r.push_back(k.Bounds);
  return r;
}

QString Chars(const TAlphaBar& bar) {
  QString s;
  for (TSpeedButton* b : bar.Buttons()) s += b->Caption();
  return s;
}

QString DownChars(const TAlphaBar& bar) {
  QString s;
  for (TSpeedButton* b : bar.Buttons()) {
    if (b->Down()) s += b->Caption();
  }
  return s;
}

void ClickOn(TSpeedButton* b) { QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5)); }

}  // namespace

TEST(AlphaBar, RowsShareTheirEdges) {
  const auto keys = AlphaBarLayout({QStringLiteral("ABC"), QStringLiteral("DEF")}, TAlphaBarMetrics());
  ASSERT_EQ(keys.size(), 6u);
  const int xs[] = {2, 19, 36};
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(keys[i].Char, QChar('A' + i));
    EXPECT_EQ(keys[i].Bounds, TRect(xs[i % 3], i < 3 ? 2 : 19, xs[i % 3] + 18, (i < 3 ? 2 : 19) + 18));
  }
}

TEST(AlphaBar, BlanksAndEmptyLinesLeaveGaps) {
  TAlphaBarMetrics m;
  // A blank moves the next button on by BlankXSize.
  auto keys = AlphaBarLayout({QStringLiteral("AB C")}, m);
  ASSERT_EQ(keys.size(), 3u);
  EXPECT_EQ(keys[2].Bounds.Left, 36 + 9);
  // A row ending in a blank does not advance by the button height.
  keys = AlphaBarLayout({QStringLiteral("AB "), QStringLiteral("CD")}, m);
  EXPECT_EQ(keys[2].Bounds.Top, 2 - 1);
  // An empty line is a row gap of BlankYSize.
  keys = AlphaBarLayout({QStringLiteral("A"), QString(), QStringLiteral("B")}, m);
  EXPECT_EQ(keys[1].Bounds.Top, 2 + 18 - 1 + 9 - 1);
  // Spacing and margins.
  m.ButtonXSpacing = 3;
  m.ButtonYSpacing = 4;
  m.ButtonLeftMargin = 5;
  m.ButtonTopMargin = 6;
  m.ButtonWidth = 10;
  m.ButtonHeight = 12;
  EXPECT_EQ(Rects(AlphaBarLayout({QStringLiteral("AB"), QStringLiteral("C")}, m)),
            (std::vector<TRect>{TRect(5, 6, 15, 18), TRect(18, 6, 28, 18), TRect(5, 22, 15, 34)}));
}

TEST(AlphaBar, ClicksReportTheCharacter) {
  TAlphaBar bar;
  bar.SetAlphaButtons({QStringLiteral("XYZ")});
  EXPECT_EQ(Chars(bar), QStringLiteral("XYZ"));
  EXPECT_EQ(bar.Buttons()[1]->Tag(), int('Y'));
  QSignalSpy changed(&bar, &TAlphaBar::OnValueChange);
  ClickOn(bar.Buttons()[1]);
  EXPECT_EQ(bar.ActiveButton(), QChar('Y'));
  EXPECT_EQ(changed.count(), 1);
  // Not latching: nothing stays down.
  EXPECT_EQ(DownChars(bar), QString());
  ClickOn(bar.Buttons()[1]);
  EXPECT_EQ(bar.ActiveButton(), QChar('Y'));
}

TEST(AlphaBar, LatchingButtonsFormOneGroup) {
  TAlphaBar bar;
  bar.SetAlphaButtons({QStringLiteral("ABC")});
  bar.SetRastButtons(true);
  ClickOn(bar.Buttons()[0]);
  EXPECT_EQ(DownChars(bar), QStringLiteral("A"));
  ClickOn(bar.Buttons()[2]);
  EXPECT_EQ(DownChars(bar), QStringLiteral("C"));
  EXPECT_EQ(bar.ActiveButton(), QChar('C'));
  // Without AllowAllUp the active one stays down.
  ClickOn(bar.Buttons()[2]);
  EXPECT_EQ(bar.ActiveButton(), QChar('C'));
  EXPECT_EQ(DownChars(bar), QStringLiteral("C"));

  bar.SetAllowAllUp(true);
  EXPECT_EQ(DownChars(bar), QStringLiteral("C"));
  ClickOn(bar.Buttons()[2]);
  EXPECT_TRUE(bar.ActiveButton().isNull());
  EXPECT_EQ(DownChars(bar), QString());
}

TEST(AlphaBar, ProgramSetsTheActiveButton) {
  TAlphaBar bar;
  bar.SetAlphaButtons({QStringLiteral("ABA")});
  bar.SetRastButtons(true);
  QSignalSpy changed(&bar, &TAlphaBar::OnValueChange);
  bar.SetActiveButton(QChar('A'));
  // The last A made wins.
  EXPECT_TRUE(bar.Buttons()[2]->Down());
  EXPECT_FALSE(bar.Buttons()[0]->Down());
  bar.SetActiveButton(QChar('B'));
  EXPECT_EQ(DownChars(bar), QStringLiteral("B"));
  bar.SetActiveButton(QChar());
  EXPECT_EQ(DownChars(bar), QString());
  EXPECT_TRUE(bar.ActiveButton().isNull());
  EXPECT_EQ(changed.count(), 3);

  // A new layout makes nothing active.
  bar.SetActiveButton(QChar('B'));
  bar.SetAlphaButtons({QStringLiteral("BC")});
  EXPECT_TRUE(bar.ActiveButton().isNull());
  EXPECT_EQ(DownChars(bar), QString());
}

TEST(AlphaBar, ButtonsAreRebuiltOnGeometryChange) {
  TAlphaBar bar;
  bar.SetAlphaButtons({QStringLiteral("AB"), QStringLiteral("CD")});
  bar.SetRastButtons(true);
  bar.SetActiveButton(QChar('D'));
  bar.resize(200, 60);
  ASSERT_EQ(bar.Buttons().size(), 4);
  EXPECT_EQ(bar.Buttons()[3]->geometry(), QRect(19, 19, 18, 18));
  EXPECT_EQ(DownChars(bar), QStringLiteral("D"));

  bar.SetButtonWidth(30);
  bar.SetButtonXSpacing(2);
  EXPECT_EQ(bar.Buttons()[1]->geometry(), QRect(34, 2, 30, 18));
  EXPECT_EQ(DownChars(bar), QStringLiteral("D"));
  bar.SetButtonHeight(-4);
  EXPECT_EQ(bar.ButtonHeight(), 0);
}

TEST(AlphaBar, StoredFormBuildsThePanelControls) {
  RegisterMiscClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TAlphaBar" name="Index">
   <property name="ActiveButton"><string>B</string></property>
   <property name="AlphaButtons"><stringlist><string>AB</string><string>CD</string></stringlist></property>
   <property name="RastButtons"><bool>true</bool></property>
  </widget>
  <widget class="TRotLabel" name="Tilted">
   <property name="rlAngle"><number>450</number></property>
   <property name="rlStyle3D"><enum>rlShadowed</enum></property>
  </widget>
  <widget class="TRollBar" name="Roller">
   <property name="RollSpeed"><enum>trSlow</enum></property>
   <property name="CapHeight"><number>16</number></property>
  </widget>
  <widget class="TFiFo" name="Received">
   <property name="TextBevel"><enum>bvRaised</enum></property>
   <property name="Text"><string>OK</string></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* bar = form->findChild<TAlphaBar*>("Index");
  ASSERT_TRUE(bar);
  EXPECT_EQ(Chars(*bar), QStringLiteral("ABCD"));
  EXPECT_EQ(bar->ActiveButton(), QChar('B'));
  EXPECT_EQ(DownChars(*bar), QStringLiteral("B"));
  EXPECT_EQ(form->findChild<TRotLabel*>("Tilted")->rlAngle(), 90);
  EXPECT_EQ(form->findChild<TRotLabel*>("Tilted")->rlStyle3D(), rlShadowed);
  EXPECT_EQ(form->findChild<TRollBar*>("Roller")->RollSpeed(), trSlow);
  EXPECT_EQ(form->findChild<TFiFo*>("Received")->TextBevel(), bvRaised);
  EXPECT_EQ(form->findChild<TFiFo*>("Received")->Text(), QStringLiteral("OK"));
}
