#include "host/color.h"

#include <gtest/gtest.h>

#include <QVariant>

using namespace Veltor;

TEST(Color, NamedAndNumericTextRoundTrip) {
  struct Case {
    const char* text;
    quint32 value;
  } cases[] = {{"clRed", 0x0000FF},    {"clblue", 0xFF0000},     {"$0000FF", 0x0000FF},     {"0x00FF00", 0x00FF00},
               {"12632256", 0xC0C0C0}, {" clSilver ", 0xC0C0C0}, {"-16777201", 0xFF00000F}, {"clBtnFace", 0x8000000F}};
  for (const Case& c : cases) {
    TColor col(1);
    EXPECT_TRUE(TColor::FromString(QString::fromLatin1(c.text), &col)) << c.text;
    EXPECT_EQ(col.Value(), c.value) << c.text;
  }
  EXPECT_EQ(TColor(clRed).ToString(), QStringLiteral("clRed"));
  EXPECT_EQ(TColor(0x123456).ToString(), QStringLiteral("$00123456"));
}

TEST(Color, RejectsGarbageAndKeepsOldValue) {
  for (const char* bad : {"", "clRedd", "$XYZ", "12ab", "0x", "99999999999"}) {
    TColor col(clLime);
    EXPECT_FALSE(TColor::FromString(QString::fromLatin1(bad), &col)) << bad;
    EXPECT_EQ(col, clLime) << bad;
  }
}

TEST(Color, ComponentsFollowBgrLayout) {
  TColor c(0x00332211);
  EXPECT_EQ(c.Red(), 0x11);
  EXPECT_EQ(c.Green(), 0x22);
  EXPECT_EQ(c.Blue(), 0x33);
  EXPECT_EQ(c.ToQColor(), QColor(0x11, 0x22, 0x33));
  EXPECT_EQ(TColor::FromQColor(QColor(0x11, 0x22, 0x33)), c);
  EXPECT_EQ(DimmedColor(clYellow).Value(), 0x006060u);
}

TEST(Color, SystemFaceColoursResolveToClassicGreys) {
  EXPECT_EQ(TColor(clBtnFace).ToRGB(), 0xC0C0C0u);
  EXPECT_EQ(TColor(clBtnShadow).ToRGB(), 0x808080u);
  EXPECT_EQ(TColor(clBtnHighlight).ToRGB(), 0xFFFFFFu);
}

TEST(Color, QVariantConvertsFromTextAndNumbers) {
  RegisterColorType();
  EXPECT_EQ(QVariant(QStringLiteral("clYellow")).value<TColor>(), clYellow);
  EXPECT_EQ(QVariant(QStringLiteral("$FF0000")).value<TColor>(), clBlue);
  EXPECT_EQ(QVariant(int(0x808080)).value<TColor>(), clGray);
  EXPECT_EQ(QVariant(QColor(Qt::red)).value<TColor>(), clRed);
}

#include "host/ansi.h"

TEST(Ansi, EveryByteRoundTripsAndSpecialsMapToUnicode) {
  QByteArray all;
  for (int b = 0; b < 256; ++b) all.append(char(b));
  const QString text = FromAnsi(all);
  ASSERT_EQ(text.size(), 256);
  EXPECT_EQ(ToAnsi(text), all);
  EXPECT_EQ(text.at(0x80), QChar(0x20AC));  // euro sign
  EXPECT_EQ(text.at(0xE4), QChar(0x00E4));  // a umlaut
  EXPECT_EQ(ToAnsi(QStringLiteral("Kanal \u00B5s \u20AC \u4E00")), QByteArray("Kanal \xB5s \x80 ?"));
}
