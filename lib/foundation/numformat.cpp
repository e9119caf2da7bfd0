#include "foundation/numformat.h"

#include <QtDebug>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

namespace Veltor {

FormatSettings& Formats() {
  static FormatSettings settings;
  return settings;
}

namespace {

constexpr long long kMaxLL = std::numeric_limits<long long>::max();
constexpr long long kMinLL = std::numeric_limits<long long>::min();
// 2^63 as a double; every double below it in magnitude fits a long long.
constexpr double kTwo63 = 9223372036854775808.0;

long long SaturatedFromIntegral(double integral) {
  if (std::isnan(integral)) return 0;
  if (integral >= kTwo63) return kMaxLL;
  if (integral < -kTwo63) return kMinLL;
  return static_cast<long long>(integral);
}

// A value as 0.d1d2d3... x 10^Exponent. No digits means zero.
struct DecimalValue {
  bool Negative = false;
  std::string Digits;
  int Exponent = 0;
};

constexpr int kRawDigits = 18;
constexpr int kNoDecimalLimit = 9999;

// The digits of a finite value, rounded half away from zero at whichever comes
// first: `precision` significant digits or `decimals` places after the point.
DecimalValue ToDecimal(double value, int precision, int decimals) {
  DecimalValue d;
  d.Negative = std::signbit(value);
  const double magnitude = std::fabs(value);
  if (magnitude == 0) {
    d.Negative = false;
    return d;
  }

  // to_chars is locale-independent, unlike printf under QApplication.
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, magnitude, std::chars_format::scientific, kRawDigits - 1);
  const std::string text(buf, res.ptr);
  const std::size_t ePos = text.find('e');
  for (std::size_t i = 0; i < ePos; ++i)
    if (text[i] != '.') d.Digits += text[i];
  d.Exponent = std::stoi(text.substr(ePos + 1)) + 1;

  const int keep = std::min(precision, d.Exponent + decimals);
  if (keep < 0) {
    d.Digits.clear();
  } else if (keep < static_cast<int>(d.Digits.size())) {
    const bool roundUp = d.Digits[keep] >= '5';
    d.Digits.resize(keep);
    if (roundUp) {
      int i = keep - 1;
      while (i >= 0 && d.Digits[i] == '9') d.Digits[i--] = '0';
      if (i >= 0) {
        ++d.Digits[i];
      } else {
        // Carry out of the first digit (also reached with keep == 0): 0.99.. -> 1.0
        d.Digits.insert(d.Digits.begin(), '1');
        ++d.Exponent;
      }
    }
  }
  while (!d.Digits.empty() && d.Digits.back() == '0') d.Digits.pop_back();
  if (d.Digits.empty()) {
    d.Negative = false;
    d.Exponent = 0;
  }
  return d;
}

QString NonFiniteText(double value) {
  if (std::isnan(value)) return QStringLiteral("NAN");
  return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
}

QString ExponentText(int exponent, bool alwaysSign, int minDigits) {
  QString s = QString::number(std::abs(exponent));
  if (s.size() < minDigits) s.prepend(QString(minDigits - s.size(), QLatin1Char('0')));
  if (exponent < 0)
    s.prepend(QLatin1Char('-'));
  else if (alwaysSign)
    s.prepend(QLatin1Char('+'));
  return s;
}

// Digit i of d counted from the first one, with zeros outside the stored ones.
QChar DigitAt(const DecimalValue& d, int i) {
  if (i < 0 || i >= static_cast<int>(d.Digits.size())) return QLatin1Char('0');
  return QLatin1Char(d.Digits[i]);
}

// d.ddd followed by the exponent; the mantissa shows the digits of d as they are.
QString ScientificText(const DecimalValue& d, int minMantissaDecimals, QChar expChar, bool alwaysSign,
                       int minExpDigits) {
  QString s;
  if (d.Negative) s += QLatin1Char('-');
  s += DigitAt(d, 0);
  const int decimals = std::max(minMantissaDecimals, static_cast<int>(d.Digits.size()) - 1);
  if (decimals > 0) {
    s += Formats().DecimalSeparator;
    for (int i = 1; i <= decimals; ++i) s += DigitAt(d, i);
  }
  const int exponent = d.Digits.empty() ? 0 : d.Exponent - 1;
  return s + expChar + ExponentText(exponent, alwaysSign, minExpDigits);
}

// Integer digits (at least minIntDigits, which may be 0), then exactly
// `decimals` places.
QString PlainText(const DecimalValue& d, int minIntDigits, int decimals) {
  QString s;
  if (d.Negative) s += QLatin1Char('-');
  const int intDigits = std::max(d.Exponent, minIntDigits);
  for (int i = d.Exponent - intDigits; i < d.Exponent; ++i) s += DigitAt(d, i);
  if (decimals > 0) {
    s += Formats().DecimalSeparator;
    for (int i = 0; i < decimals; ++i) s += DigitAt(d, d.Exponent + i);
  }
  return s;
}

QString GeneralText(double value, int precision, int minExpDigits) {
  if (!std::isfinite(value)) return NonFiniteText(value);
  const DecimalValue d = ToDecimal(value, precision, kNoDecimalLimit);
  if (d.Digits.empty()) return QStringLiteral("0");
  if (d.Exponent > precision || d.Exponent < -3) return ScientificText(d, 0, QLatin1Char('E'), false, minExpDigits);
  const int decimals = std::max(0, static_cast<int>(d.Digits.size()) - d.Exponent);
  return PlainText(d, 1, decimals);
}

bool IsBlank(QChar c) { return c.unicode() <= ' '; }

// Text without the blanks (control characters and spaces) around it.
QStringView TrimmedView(const QString& text) {
  QStringView v(text);
  while (!v.isEmpty() && IsBlank(v.front())) v = v.mid(1);
  while (!v.isEmpty() && IsBlank(v.back())) v.chop(1);
  return v;
}

bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

int HexDigitValue(QChar c) {
  const char16_t u = c.unicode();
  if (u >= '0' && u <= '9') return u - '0';
  if (u >= 'a' && u <= 'f') return u - 'a' + 10;
  if (u >= 'A' && u <= 'F') return u - 'A' + 10;
  return -1;
}

// The picture of FormatFloatPattern, taken apart.
struct Picture {
  int MinIntDigits = 0;
  int MinDecimals = 0;
  int MaxDecimals = 0;
  bool Scientific = false;
  QChar ExpChar;
  bool ExpAlwaysSigned = false;
  int MinExpDigits = 0;
};

bool ParsePicture(const QString& pattern, Picture* pic) {
  int i = 0;
  const int n = pattern.size();
  int intPlaces = 0;
  while (i < n && pattern[i] == QLatin1Char('#')) ++i, ++intPlaces;
  while (i < n && pattern[i] == QLatin1Char('0')) ++i, ++intPlaces, ++pic->MinIntDigits;
  if (i < n && pattern[i] == QLatin1Char('.')) {
    ++i;
    while (i < n && pattern[i] == QLatin1Char('0')) ++i, ++pic->MinDecimals;
    pic->MaxDecimals = pic->MinDecimals;
    while (i < n && pattern[i] == QLatin1Char('#')) ++i, ++pic->MaxDecimals;
  }
  if (i < n && (pattern[i] == QLatin1Char('e') || pattern[i] == QLatin1Char('E'))) {
    pic->Scientific = true;
    pic->ExpChar = pattern[i++];
    if (i >= n || (pattern[i] != QLatin1Char('+') && pattern[i] != QLatin1Char('-'))) return false;
    pic->ExpAlwaysSigned = pattern[i++] == QLatin1Char('+');
    while (i < n && pattern[i] == QLatin1Char('0')) ++i, ++pic->MinExpDigits;
    // A mantissa wider than one digit would need engineering-style exponents.
    if (intPlaces != 1) return false;
  }
  return i == n && intPlaces + pic->MaxDecimals > 0;
}

constexpr int kPatternPrecision = 15;

}  // namespace

long long RoundHalfEven(double value) {
  const double lower = std::floor(value);
  const double diff = value - lower;  // exact for every double
  double r = lower;
  if (diff > 0.5 || (diff == 0.5 && std::fmod(lower, 2.0) != 0)) r = lower + 1;
  return SaturatedFromIntegral(r);
}

long long Trunc(double value) { return SaturatedFromIntegral(std::trunc(value)); }

QString FloatToStrFixed(double value, int precision, int digits) {
  precision = std::clamp(precision, 2, kRawDigits);
  digits = std::clamp(digits, 0, kRawDigits);
  if (!std::isfinite(value)) return NonFiniteText(value);
  const DecimalValue d = ToDecimal(value, precision, digits);
  if (d.Exponent > precision) return ScientificText(d, 0, QLatin1Char('E'), false, std::min(digits, 4));
  return PlainText(d, 1, digits);
}

QString FloatToStrGeneral(double value) { return GeneralText(value, 15, 0); }

QString FormatFloatPattern(const QString& pattern, double value) {
  if (pattern.isEmpty()) return FloatToStrGeneral(value);
  Picture pic;
  if (!ParsePicture(pattern, &pic)) {
    qWarning("FormatFloatPattern: unsupported pattern \"%s\"", qUtf8Printable(pattern));
    return FloatToStrGeneral(value);
  }
  if (!std::isfinite(value)) return NonFiniteText(value);

  if (pic.Scientific) {
    const DecimalValue d = ToDecimal(value, 1 + pic.MaxDecimals, kNoDecimalLimit);
    return ScientificText(d, pic.MinDecimals, pic.ExpChar, pic.ExpAlwaysSigned, pic.MinExpDigits);
  }

  DecimalValue d = ToDecimal(value, kPatternPrecision, pic.MaxDecimals);
  int decimals = pic.MaxDecimals;
  // Optional places ("#") after the required ones show only significant digits.
  while (decimals > pic.MinDecimals && DigitAt(d, d.Exponent + decimals - 1) == QLatin1Char('0')) --decimals;
  QString s = PlainText(d, pic.MinIntDigits, decimals);
  // "#.##" of zero would otherwise leave nothing (or a lone sign) to show.
  if (s.isEmpty()) s = QStringLiteral("0");
  return s;
}

bool TryStrToFloat(const QString& text, double* out) {
  const QStringView v = TrimmedView(text);
  const QChar sep = Formats().DecimalSeparator;
  std::string plain;  // the number with "." as decimal point, for from_chars
  int i = 0;
  const int n = v.size();
  bool negative = false;
  if (i < n && (v[i] == QLatin1Char('+') || v[i] == QLatin1Char('-'))) negative = v[i++] == QLatin1Char('-');
  int mantissaDigits = 0;
  int leadingIntDigits = 0;  // integer digits after leading zeros, for the range check
  for (; i < n && IsDigit(v[i]); ++i, ++mantissaDigits) {
    if (leadingIntDigits > 0 || v[i] != QLatin1Char('0')) ++leadingIntDigits;
    plain += char(v[i].unicode());
  }
  if (i < n && v[i] == sep) {
    plain += '.';
    for (++i; i < n && IsDigit(v[i]); ++i, ++mantissaDigits) plain += char(v[i].unicode());
  }
  if (mantissaDigits == 0) return false;
  long long exponent = 0;
  if (i < n && (v[i] == QLatin1Char('e') || v[i] == QLatin1Char('E'))) {
    plain += 'e';
    ++i;
    if (i < n && (v[i] == QLatin1Char('+') || v[i] == QLatin1Char('-'))) plain += char(v[i++].unicode());
    const int expStart = i;
    for (; i < n && IsDigit(v[i]); ++i) plain += char(v[i].unicode());
    if (i == expStart) return false;
    // Only the rough size matters for telling overflow from underflow below.
    exponent = std::clamp(std::strtoll(plain.c_str() + plain.find('e') + 1, nullptr, 10), -100000LL, 100000LL);
  }
  if (i != n) return false;

  double result = 0;
  const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), result);
  if (res.ec == std::errc::result_out_of_range) {
    if (leadingIntDigits + exponent > 0) return false;  // too large for a double
    result = 0;                                         // too small: it is zero
  } else if (res.ec != std::errc() || res.ptr != plain.data() + plain.size()) {
    return false;
  }
  *out = negative ? -result : result;
  return true;
}

double StrToFloatDef(const QString& text, double defaultValue, bool* ok) {
  double v = defaultValue;
  const bool converted = TryStrToFloat(text, &v);
  if (ok) *ok = converted;
  return converted ? v : defaultValue;
}

bool TryStrToInt(const QString& text, int* out) {
  const QStringView v = TrimmedView(text);
  int i = 0;
  const int n = v.size();
  bool negative = false;
  if (i < n && (v[i] == QLatin1Char('+') || v[i] == QLatin1Char('-'))) negative = v[i++] == QLatin1Char('-');

  bool hex = false;
  if (i < n && v[i] == QLatin1Char('$')) {
    hex = true;
    ++i;
  } else if (i + 1 < n && v[i] == QLatin1Char('0') && (v[i + 1] == QLatin1Char('x') || v[i + 1] == QLatin1Char('X'))) {
    hex = true;
    i += 2;
  }
  if (i >= n) return false;

  quint64 magnitude = 0;
  for (; i < n; ++i) {
    const int digit = hex ? HexDigitValue(v[i]) : (IsDigit(v[i]) ? v[i].unicode() - '0' : -1);
    if (digit < 0) return false;
    magnitude = magnitude * (hex ? 16 : 10) + quint64(digit);
    if (magnitude > 0xFFFFFFFFull) return false;
  }

  qint64 result;
  if (hex) {
    // Hexadecimal is a bit pattern: $FFFFFFFF is -1.
    const quint32 bits = negative ? 0u - quint32(magnitude) : quint32(magnitude);
    result = qint32(bits);
  } else {
    result = negative ? -qint64(magnitude) : qint64(magnitude);
    if (result < std::numeric_limits<int>::min() || result > std::numeric_limits<int>::max()) return false;
  }
  *out = int(result);
  return true;
}

}  // namespace Veltor
