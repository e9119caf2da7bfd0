#include "foundation/helpers.h"
#include "foundation/numformat.h"
#include "launchtable.h"
#include "rules.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>

using namespace Veltor;
using namespace VeltorDemo;

TEST(Shade, DirectionsTurnRoundAndOnlyTheLastStepChangesTheColour) {
  TShade shade;  // left to right, blue
  const TFillDirection order[] = {fdTopToBottom, fdRightToLeft, fdBottomToTop, fdLeftToRight};
  for (int i = 0; i < 4; ++i) {
    shade = NextShade(shade);
    EXPECT_EQ(shade.Direction, order[i]) << "step " << i + 1;
    EXPECT_EQ(shade.BeginColor, i < 3 ? clBlue : clRed) << "step " << i + 1;
  }
}

TEST(Shade, BeginColourStepsBlueRedLimeBlueAndStrangersRestartAtBlue) {
  const std::pair<TColor, TColor> steps[] = {
      {clBlue, clRed}, {clRed, clLime}, {clLime, clBlue}, {clYellow, clBlue}, {clBlack, clBlue}};
  for (const auto& [from, to] : steps) {
    EXPECT_EQ(NextShade({fdBottomToTop, from}).BeginColor, to) << from;
    EXPECT_EQ(NextShade({fdRightToLeft, from}).BeginColor, from) << "only the round trip changes the colour";
  }
}

TEST(Language, EnglishAndBackToGermanSwitchTheNumberAndDateFormat) {
  ApplyLanguage(true);
  EXPECT_TRUE(EnglishMode());
  EXPECT_EQ(Formats().DecimalSeparator, QLatin1Char('.'));
  EXPECT_EQ(Formats().ShortDateFormat, QStringLiteral("mm/dd/yy"));
  double value = 0;
  EXPECT_TRUE(TryStrToFloat(QStringLiteral("2.5"), &value));
  ApplyLanguage(false);
  EXPECT_FALSE(EnglishMode());
  EXPECT_EQ(Formats().DecimalSeparator, QLatin1Char(','));
  EXPECT_EQ(Formats().ShortDateFormat, QStringLiteral("dd.mm.yy"));
  EXPECT_TRUE(TryStrToFloat(QStringLiteral("2,5"), &value));
  EXPECT_EQ(value, 2.5);
}

TEST(LaunchTable, OneRowPerButtonAndOnlyTheOwnActionsLaunchWithoutADialog) {
  const std::vector<TLaunchButton>& buttons = LaunchButtons();
  ASSERT_EQ(buttons.size(), 44u);
  QSet<QString> names;
  QStringList launchable;
  for (const TLaunchButton& button : buttons) {
    names.insert(QString::fromLatin1(button.Name));
    EXPECT_FALSE(QString::fromUtf8(button.LongHint).isEmpty()) << button.Name;
    if (CanLaunch(button) && !button.OpenDialog) launchable << QString::fromLatin1(button.Name);
    if (button.OpenDialog) {
      EXPECT_TRUE(CanLaunch(button)) << button.Name;
    }
  }
  EXPECT_EQ(names.size(), 44);
  EXPECT_EQ(launchable, (QStringList{"ExitBtn", "AboutBtn", "ShadeBtn"}));
  EXPECT_EQ(FindLaunchButton(QStringLiteral("ShadeBtn")), &buttons[34]);
  EXPECT_EQ(FindLaunchButton(QStringLiteral("NoSuchBtn")), nullptr);

  TLaunchButton withDialog = buttons[0];
  withDialog.OpenDialog = Dialog<QDialog>();
  EXPECT_TRUE(CanLaunch(withDialog));
}

// The stored form carries the same buttons, in the same order, with the
// table's hints.
TEST(LaunchTable, StoredFormMatchesTheTable) {
  QFile file(QStringLiteral(VELTORDEMO_FORMS "/mainform.ui"));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(file.readAll());
  static const QRegularExpression button(
      QStringLiteral("class=\"TSpeedButton\" name=\"(\\w+)\">.*?<string>([^<]*)</string>"),
      QRegularExpression::DotMatchesEverythingOption);
  int row = 0;
  for (auto it = button.globalMatch(text); it.hasNext(); ++row) {
    const QRegularExpressionMatch match = it.next();
    ASSERT_LT(row, 44);
    const TLaunchButton& expected = LaunchButtons()[std::size_t(row)];
    EXPECT_EQ(match.captured(1), QString::fromLatin1(expected.Name));
    EXPECT_EQ(match.captured(2), expected.Hint()) << expected.Name;
  }
  EXPECT_EQ(row, 44);
}
