#include "foundation/numformat.h"

#include "format_scope.h"

#include <gtest/gtest.h>

#include <QtGlobal>

#include <cmath>
#include <limits>
#include <ostream>

using namespace Veltor;

// Readable failure messages; found by argument-dependent lookup.
static void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace {

// Counts qWarning messages while alive.
class WarningCounter {
 public:
  WarningCounter() : FPrevious(qInstallMessageHandler(&Handler)) { Count = 0; }
  ~WarningCounter() { qInstallMessageHandler(FPrevious); }
  static inline int Count = 0;

 private:
  static void Handler(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtWarningMsg) ++Count;
  }
  QtMessageHandler FPrevious;
};

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

}  // namespace

TEST(NumFormat, StartsWithPointAndShortGermanDate) {
  EXPECT_EQ(Formats().DecimalSeparator, QLatin1Char('.'));
  EXPECT_EQ(Formats().ShortDateFormat, QStringLiteral("dd.mm.yy"));
}

TEST(NumFormat, RoundHalfEvenSendsTiesToEvenNeighbour) {
  const struct {
    double in;
    long long out;
  } cases[] = {{0.5, 0},
               {1.5, 2},
               {2.5, 2},
               {-0.5, 0},
               {-2.5, -2},
               {-0.0, 0},
               {2.4999999999999996, 2},
               {2.5000000000000004, 3},
               {-2.7, -3},
               {4503599627370497.0, 4503599627370497LL},
               {1e300, std::numeric_limits<long long>::max()},
               {-kInf, std::numeric_limits<long long>::min()},
               {kNaN, 0}};
  for (const auto& c : cases) EXPECT_EQ(RoundHalfEven(c.in), c.out) << c.in;

  EXPECT_EQ(Trunc(2.9), 2);
  EXPECT_EQ(Trunc(-2.9), -2);
  EXPECT_EQ(Trunc(kNaN), 0);
  EXPECT_EQ(Trunc(1e300), std::numeric_limits<long long>::max());
}

TEST(NumFormat, FixedRoundsToPrecisionThenDigits) {
  const struct {
    double value;
    int precision, digits;
    const char* text;
  } cases[] = {
      {3.14159, 4, 2, "3.14"},
      {0.125, 15, 2, "0.13"},     // exact tie: away from zero
      {2.675, 15, 2, "2.67"},     // stored just below the tie
      {123.456, 4, 2, "123.50"},  // four significant digits, then padded
      {9.9996, 4, 3, "10.000"},   // carry adds an integer digit
      {0.005, 4, 2, "0.01"},      // rounding up from below the first shown place
      {0.0125, 4, 1, "0.0"},
      {-0.004, 4, 2, "0.00"},  // rounds to zero: no sign
      {-0.0, 4, 1, "0.0"},
      {1234567.0, 18, 0, "1234567"},
      {3.14159, 0, 2, "3.10"},        // precision below 2 counts as 2
      {12345.6, 4, 1, "1.235E4"},     // integer part wider than the precision
      {123456.7, 5, 2, "1.2346E05"},  // exponent has at least `digits` digits
      {-9999.5, 4, 0, "-1E4"},        // the carry itself overflows the precision
      {1e-7, 4, 0, "0"},
      {kNaN, 4, 2, "NAN"},
      {-kInf, 4, 2, "-INF"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FloatToStrFixed(c.value, c.precision, c.digits), QLatin1String(c.text))
        << c.value << " " << c.precision << " " << c.digits;
}

TEST(NumFormat, GeneralShowsFifteenDigitsAndSwitchesToExponent) {
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {0.1 + 0.2, "0.3"},
      {1.0 / 3, "0.333333333333333"},
      {9.999999999999998, "10"},
      {1e14, "100000000000000"},
      {1e15, "1E15"},
      {1.5e20, "1.5E20"},
      {123456789012345678.0, "1.23456789012346E17"},
      {0.0001, "0.0001"},
      {0.00001, "1E-5"},
      {-1.25e-7, "-1.25E-7"},
      {-0.0, "0"},
      {kNaN, "NAN"},
      {kInf, "INF"},
  };
  for (const auto& c : cases) EXPECT_EQ(FloatToStrGeneral(c.value), QLatin1String(c.text)) << c.value;
}

TEST(NumFormat, PatternsForExponentLabelsAndFixedPictures) {
  const struct {
    const char* pattern;
    double value;
    const char* text;
  } cases[] = {
      {"0e-", 12345, "1e4"},
      {"0e-", 0.0125, "1e-2"},
      {"0e-", 1, "1e0"},
      {"0e-", 0, "0e0"},
      {"0e-", -0.0, "0e0"},
      {"0e-", -0.0125, "-1e-2"},
      {"0e-", 95, "1e2"},
      {"0e+", 12345, "1e+4"},
      {"0.00E+00", 12345, "1.23E+04"},
      {"0.00E-00", 0.000123456, "1.23E-04"},
      {"0.0#e-", 2, "2.0e0"},
      {"0", 2.5, "3"},
      {"0", -0.4, "0"},
      {"0.0", 0.05, "0.1"},
      {"0.00", 1.005, "1.00"},
      {"0.00", -1234.5678, "-1234.57"},
      {"#0.000", 3.14159, "3.142"},
      {"#0.000", 0.5, "0.500"},
      {"#.00", 0.5, ".50"},
      {"0.0#", 1.5, "1.5"},
      {"0.0#", 2, "2.0"},
      {"#.##", 0, "0"},
      {"000", 7, "007"},
      {"", 0.1 + 0.2, "0.3"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(FormatFloatPattern(QLatin1String(c.pattern), c.value), QLatin1String(c.text))
        << c.pattern << " " << c.value;
}

TEST(NumFormat, UnsupportedPatternWarnsAndFallsBackToGeneral) {
  for (const char* pattern : {"#,##0", "0.00 V", "0;-0", "00e+0", "0e", "0#", "."}) {
    WarningCounter warnings;
    EXPECT_EQ(FormatFloatPattern(QLatin1String(pattern), 1234.5), QStringLiteral("1234.5")) << pattern;
    EXPECT_EQ(WarningCounter::Count, 1) << pattern;
  }
}

TEST(NumFormat, DecimalCommaIsUsedForOutput) {
  SeparatorScope comma(',');
  EXPECT_EQ(FloatToStrFixed(3.14159, 4, 2), QStringLiteral("3,14"));
  EXPECT_EQ(FloatToStrFixed(123456.7, 5, 2), QStringLiteral("1,2346E05"));
  EXPECT_EQ(FloatToStrGeneral(1.5e-7), QStringLiteral("1,5E-7"));
  EXPECT_EQ(FormatFloatPattern(QStringLiteral("0.0e-"), 12345), QStringLiteral("1,2e4"));
  EXPECT_EQ(FormatFloatPattern(QStringLiteral("0.00"), 1.5), QStringLiteral("1,50"));
}

TEST(NumFormat, TextToFloatAcceptsOnlyTheCurrentSeparator) {
  const struct {
    char sep;
    const char* text;
    bool ok;
    double value;
  } cases[] = {
      {'.', " 1.5 ", true, 1.5},       {'.', "-2.5e3", true, -2500},
      {'.', "+.5", true, 0.5},         {'.', "5.", true, 5},
      {'.', "1E-2", true, 0.01},       {'.', "1e-400", true, 0},
      {'.', "1,5", false, 0},          {'.', "", false, 0},
      {'.', " . ", false, 0},          {'.', "1e", false, 0},
      {'.', "e5", false, 0},           {'.', "1.5.2", false, 0},
      {'.', "1e400", false, 0},        {'.', "0x10", false, 0},
      {'.', "inf", false, 0},          {'.', "1 000", false, 0},
      {'.', "--1", false, 0},          {',', "1,5", true, 1.5},
      {',', " -0,25e1\t", true, -2.5}, {',', "1.5", false, 0},
  };
  for (const auto& c : cases) {
    SeparatorScope sep(c.sep);
    double v = 42;
    EXPECT_EQ(TryStrToFloat(QLatin1String(c.text), &v), c.ok) << c.sep << " '" << c.text << "'";
    EXPECT_EQ(v, c.ok ? c.value : 42) << c.sep << " '" << c.text << "'";
  }

  bool ok = true;
  EXPECT_EQ(StrToFloatDef(QStringLiteral("abc"), 7.5, &ok), 7.5);
  EXPECT_FALSE(ok);
  EXPECT_EQ(StrToFloatDef(QStringLiteral("2.5"), 7.5, &ok), 2.5);
  EXPECT_TRUE(ok);
}

TEST(NumFormat, GeneralTextReadsBackUnderEitherSeparator) {
  for (char sep : {'.', ','}) {
    SeparatorScope scope(sep);
    for (double v : {0.1 + 0.2, -1234.5678, 1.5e20, 6.02214076e-23, 1e15, 0.0001}) {
      double back = 0;
      ASSERT_TRUE(TryStrToFloat(FloatToStrGeneral(v), &back)) << sep << " " << v;
      EXPECT_NEAR(back, v, std::fabs(v) * 1e-14) << sep << " " << v;
    }
  }
}

TEST(NumFormat, TextToIntDecimalAndHexadecimal) {
  const struct {
    const char* text;
    bool ok;
    int value;
  } cases[] = {
      {"42", true, 42},
      {" -17 ", true, -17},
      {"$FF", true, 255},
      {"0x10", true, 16},
      {"-$10", true, -16},
      {"$FFFFFFFF", true, -1},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, std::numeric_limits<int>::min()},
      {"2147483648", false, 0},
      {"-2147483649", false, 0},
      {"$1FFFFFFFF", false, 0},
      {"12ab", false, 0},
      {"", false, 0},
      {"$", false, 0},
      {"$G", false, 0},
      {"- 1", false, 0},
  };
  for (const auto& c : cases) {
    int v = 99;
    EXPECT_EQ(TryStrToInt(QLatin1String(c.text), &v), c.ok) << c.text;
    EXPECT_EQ(v, c.ok ? c.value : 99) << c.text;
  }
}
