#include "foundation/helpers.h"

#include "format_scope.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

using namespace Veltor;

// Readable failure messages; found by argument-dependent lookup.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace Veltor {
static void PrintTo(const TPoint& p, std::ostream* os) { *os << '(' << p.X << ", " << p.Y << ')'; }
}  // namespace Veltor

TEST(Helpers, EnglishModeStartsGerman) {
  EXPECT_FALSE(EnglishMode());
  SetEnglishMode(true);
  EXPECT_TRUE(EnglishMode());
  SetEnglishMode(false);
}

TEST(Helpers, ItemFields) {
  const struct {
    const char* item;
    const char* text;
    int value;
    double real;
  } cases[] = {
      {" Low |12|0.5", "Low", 12, 0.5},
      {"Off|x", "Off", 0, 0},
      {"Off|", "Off", 0, 0},
      {"Mid| 7 | 2.5 |ignored", "Mid", 7, 2.5},
      {"Plain", "Plain", 0, 0},
      {"12", "12", 12, 0},  // without a bar the item is its own value field
      {"A|$10|1e3", "A", 16, 1000},
      {"A|1|0,25", "A", 1, 0.25},
      {"A|1|1,5,5", "A", 1, 0},  // only the first comma becomes the point
      {"A||3", "A", 0, 3},
      {"", "", 0, 0},
  };
  for (const auto& c : cases) {
    const QString item = QLatin1String(c.item);
    EXPECT_EQ(ItemText(item), QLatin1String(c.text)) << c.item;
    EXPECT_EQ(ItemInt(item), c.value) << c.item;
    EXPECT_EQ(ItemFloat(item), c.real) << c.item;
  }
}

TEST(Helpers, ItemFloatTakesEitherPointUnderADecimalComma) {
  SeparatorScope comma(',');
  EXPECT_EQ(ItemFloat(QStringLiteral("A|1|0,5")), 0.5);
  EXPECT_EQ(ItemFloat(QStringLiteral("A|1|0.5")), 0.5);
  EXPECT_EQ(ItemFloat(QStringLiteral("A|1|0.5.1")), 0);
}

TEST(Helpers, ItemColorNamesAndNumbers) {
  EXPECT_EQ(ItemColor(QStringLiteral("Red| clRed |1")), clRed);
  EXPECT_EQ(ItemColor(QStringLiteral("Blue|$FF0000")), clBlue);
  EXPECT_EQ(ItemColor(QStringLiteral("Num|255")), clRed);
  EXPECT_EQ(ItemColor(QStringLiteral("clLime")), clLime);
  EXPECT_EQ(ItemColor(QStringLiteral("Bad|clRedd")).Value(), 0u);
  EXPECT_EQ(ItemColor(QStringLiteral("None|")).Value(), 0u);
}

TEST(Helpers, TrimSpacesBothEndsIntoBothStrings) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {{"  ab  ", "ab"}, {" a b ", "a b"}, {"   ", ""}, {"", ""}, {"x ", "x"}, {"x", "x"}};
  for (const auto& c : cases) {
    QString text = QLatin1String(c.in);
    QString copy = QStringLiteral("stale");
    TrimSpaces(text, copy);
    EXPECT_EQ(text, QLatin1String(c.out)) << c.in;
    EXPECT_EQ(copy, QLatin1String(c.out)) << c.in;
  }
}

TEST(Helpers, InCircleIsStrictAndWrapsLike32BitIntegers) {
  const TPoint o(0, 0);
  EXPECT_TRUE(InCircle(o, 5, TPoint(3, 3)));
  EXPECT_FALSE(InCircle(o, 5, TPoint(3, 4)));  // on the rim
  EXPECT_TRUE(InCircle(TPoint(100, 100), 5, TPoint(103, 97)));
  // 40000^2 + 30000^2 wraps negative: outside whatever the radius.
  EXPECT_FALSE(InCircle(o, 1e9, TPoint(40000, 30000)));
  // 65536^2 wraps to exactly 0: inside even a tiny circle.
  EXPECT_TRUE(InCircle(o, 1, TPoint(65536, 0)));
}

TEST(Helpers, VectorAngleQuadrants) {
  const struct {
    double x, y, angle;
  } cases[] = {{0, 0, 0},    {1, 0, 90},    {-1, 0, 270}, {0, 1, 0},       {0, -1, 180},       {1, 1, 45},
               {1, -1, 135}, {-1, -1, 225}, {-1, 1, 315}, {0.00001, 1, 0}, {0.00001, -1, 180}, {-3, 0.000009, 270}};
  for (const auto& c : cases) EXPECT_NEAR(VectorAngle(c.x, c.y), c.angle, 1e-9) << c.x << "," << c.y;
  const double almostFull = VectorAngle(-0.00002, 1e12);
  EXPECT_GE(almostFull, 0);
  EXPECT_LT(almostFull, 360);
}

TEST(Helpers, RotationTurnsClockwiseOnScreen) {
  const struct {
    TPoint c, p;
    double angle;
    TPoint out;
  } cases[] = {{{100, 100}, {100, 0}, 90, {200, 100}},  // top to right
               {{100, 100}, {100, 0}, -90, {0, 100}},  {{0, 0}, {10, 0}, 90, {0, 10}}, {{0, 0}, {100, 0}, 45, {71, 71}},
               {{0, 0}, {100, 0}, 30, {87, 50}},       {{5, 5}, {7, 5}, 180, {3, 5}},  {{5, 5}, {7, 9}, 0, {7, 9}}};
  for (const auto& c : cases) EXPECT_EQ(RotatePoint(c.c, c.p, c.angle), c.out) << c.angle;

  const TPointF r = RotatePointF(TPointF(1, 1), TPointF(2, 1), 30);
  EXPECT_NEAR(r.X, 1 + std::sqrt(3.0) / 2, 1e-12);
  EXPECT_NEAR(r.Y, 1.5, 1e-12);
  EXPECT_NEAR(SinDeg(30), 0.5, 1e-15);
  EXPECT_EQ(SinDeg(-90), -1.0);
}

TEST(Helpers, DecadeStepReachesEveryDecadeAtItsOwnValue) {
  const struct {
    double v, step;
  } cases[] = {{0.5, 0.1},
               {250, 100},
               {1e7, 100000},
               {-3, 0.001},
               {0, 0.001},
               {0.01, 0.01},
               {0.1, 0.1},
               {1, 1},
               {99999.9, 10000},
               {100000, 100000},
               {std::nextafter(0.01, 0.0), 0.001},
               {std::nextafter(0.1, 0.0), 0.01}};
  for (const auto& c : cases) EXPECT_EQ(DecadeStep(c.v), c.step) << c.v;
}

TEST(Helpers, DecimalsForScaleLabels) {
  const struct {
    double v;
    int decimals;
  } cases[] = {{2.0, 0}, {0.05, 2}, {0.005, 3}, {0.5, 1}, {2.5, 0}, {0.01, 2}, {0, 0}, {-0.5, 3}, {-3, 0}};
  for (const auto& c : cases) EXPECT_EQ(DecimalsFor(c.v), c.decimals) << c.v;
}

TEST(Helpers, LogarithmsUseTheShortConstants) {
  EXPECT_EQ(Log10(0), 0);
  EXPECT_EQ(Log10(-5), 0);
  // Close to 3, but just below: a scale that truncates sees 2.
  EXPECT_NEAR(Log10(1000), 3, 1e-6);
  EXPECT_LT(Log10(1000), 3);
  EXPECT_NEAR(Pow10(2), 100, 1e-3);
  // The two constants are not exact inverses: a round trip keeps 6 digits.
  EXPECT_NEAR(Pow10(Log10(0.02)), 0.02, 0.02 * 1e-6);
}

TEST(Helpers, BinTextFullWidthMostSignificantFirst) {
  EXPECT_EQ(BinText(5, 8), QStringLiteral("00000101"));
  EXPECT_EQ(BinText(0x1FF, 8), QStringLiteral("11111111"));
  EXPECT_EQ(BinText(0xA5A5, 16), QStringLiteral("1010010110100101"));
  EXPECT_EQ(BinText(0x80000001u, 32), QStringLiteral("10000000000000000000000000000001"));
  EXPECT_EQ(BinText(1, 0), QString());
  EXPECT_EQ(BinText(1, 40).size(), 32);
}

TEST(Helpers, TimeText) {
  const struct {
    bool tenths;
    double seconds;
    const char* text;
  } cases[] = {{true, 3725.46, "01:02:05.4"},   {false, 3725.46, "01:02:05"},   {false, 0, "00:00:00"},
               {false, 59.999, "00:00:59"},     {true, 359999.9, "99:59:59.9"}, {false, 360000, "100:00:00"},
               {true, -3725.46, "-01:02:05.4"}, {true, -0.04, "00:00:00.0"},    {false, -0.5, "00:00:00"}};
  for (const auto& c : cases) EXPECT_EQ(TimeText(c.tenths, c.seconds), QLatin1String(c.text)) << c.seconds;
}

TEST(Helpers, PrefixText) {
  const struct {
    const char* unit;
    bool decimals, keepZeros;
    double value;
    const char* text;
  } cases[] = {
      {"s", true, false, 0.0125, "12.5ms"},  {"s", true, true, 0.0125, "12.50ms"},
      {"s", false, false, 0.0125, "13ms"},   {"s", true, false, -0.0125, "-12.5ms"},
      {"V", true, true, 123.456, "123.50V"},  // four significant digits, then padded
      {"V", true, false, 123.456, "123.5V"}, {"Hz", true, false, 2.5e6, "2.5MHz"},
      {"Hz", true, false, 950, "0.95kHz"},                                   // 950 shows as 1e3
      {"F", true, false, 4.7e-12, "4.7pF"},  {"s", true, false, 1, "1.0s"},  // zeros go, one decimal stays
      {"s", true, false, 0, "0.0s"},         {"s", false, false, 0, "0s"},
      {"", true, false, 1e-20, "0.0"},  // beyond femto: no prefix, value 0
      {"m", false, false, 1e15, "0m"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(PrefixText(QLatin1String(c.unit), c.decimals, c.keepZeros, c.value), QLatin1String(c.text)) << c.value;

  SeparatorScope comma(',');
  EXPECT_EQ(PrefixText(QStringLiteral("s"), true, false, 0.0125), QStringLiteral("12,5ms"));
  EXPECT_EQ(PrefixText(QStringLiteral("s"), true, false, 0), QStringLiteral("0,0s"));
}
