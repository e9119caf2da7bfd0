#include "foundation/helpers.h"

#include "foundation/numformat.h"

#include <algorithm>
#include <cmath>

namespace Veltor {

namespace {

bool gEnglishMode = false;

const QChar kBar = QLatin1Char('|');

QString TrimBlanks(QStringView s) {
  while (!s.isEmpty() && s.front().unicode() <= ' ') s = s.mid(1);
  while (!s.isEmpty() && s.back().unicode() <= ' ') s.chop(1);
  return s.toString();
}

// Cuts the field at its closing bar, if any, and trims it.
QString Field(QStringView rest) {
  const qsizetype bar = rest.indexOf(kBar);
  return TrimBlanks(bar < 0 ? rest : rest.left(bar));
}

// Everything up to and including the first bar goes; with no bar nothing
// goes, so the whole item is the value.
QString SecondField(const QString& item) { return Field(QStringView(item).mid(item.indexOf(kBar) + 1)); }

QString ThirdField(const QString& item) {
  const qsizetype first = item.indexOf(kBar);
  const qsizetype second = first < 0 ? -1 : item.indexOf(kBar, first + 1);
  return second < 0 ? QString() : Field(QStringView(item).mid(second + 1));
}

constexpr double kDegToRad = 3.14159265358979323846 / 180.0;

}  // namespace

bool EnglishMode() { return gEnglishMode; }
void SetEnglishMode(bool english) { gEnglishMode = english; }

QString ItemText(const QString& item) {
  const qsizetype bar = item.indexOf(kBar);
  return TrimBlanks(bar < 0 ? QStringView(item) : QStringView(item).left(bar));
}

TColor ItemColor(const QString& item) {
  const QString field = SecondField(item);
  TColor c(0);
  if (field.isEmpty() || !TColor::FromString(field, &c)) return TColor(0);
  return c;
}

int ItemInt(const QString& item) {
  int v = 0;
  return TryStrToInt(SecondField(item), &v) ? v : 0;
}

double ItemFloat(const QString& item) {
  QString field = ThirdField(item);
  // Items are written with either decimal point; only the first one counts.
  const QChar sep = Formats().DecimalSeparator;
  const QChar other = sep == QLatin1Char('.') ? QLatin1Char(',') : QLatin1Char('.');
  if (sep == QLatin1Char('.') || sep == QLatin1Char(',')) {
    const qsizetype pos = field.indexOf(other);
    if (pos >= 0) field[pos] = sep;
  }
  return StrToFloatDef(field, 0);
}

void TrimSpaces(QString& text, QString& copy) {
  const QChar blank = QLatin1Char(' ');
  qsizetype first = 0;
  while (first < text.size() && text[first] == blank) ++first;
  text.remove(0, first);
  if (text.size() >= 2) {
    qsizetype end = text.size();
    while (end > 1 && text[end - 1] == blank) --end;
    text.truncate(end);
  }
  copy = text;
}

double SinDeg(double degrees) { return std::sin(degrees * kDegToRad); }

bool InCircle(TPoint centre, double radius, TPoint p) {
  // Unsigned arithmetic gives the two's-complement wrap without undefined behaviour.
  const quint32 dx = quint32(centre.X) - quint32(p.X);
  const quint32 dy = quint32(centre.Y) - quint32(p.Y);
  const qint32 sum = qint32(dx * dx + dy * dy);
  if (sum < 0) return false;  // the root of a wrapped negative sum is no distance
  return std::sqrt(double(sum)) < radius;
}

double VectorAngle(double x, double y) {
  constexpr double kZero = 0.00001;
  const bool xZero = std::fabs(x) <= kZero;
  const bool yZero = std::fabs(y) <= kZero;
  if (yZero) {
    if (xZero) return 0;
    return x > 0 ? 90 : 270;
  }
  if (xZero) return y > 0 ? 0 : 180;
  const double t = std::atan(std::fabs(x / y)) / kDegToRad;
  double a;
  if (x > 0)
    a = y > 0 ? t : 180 - t;
  else
    a = y < 0 ? 180 + t : 360 - t;
  // A vanishing t leaves 360 - t rounded up to 360, which is 0 again.
  return a >= 360 ? a - 360 : a;
}

TPoint RotatePoint(TPoint centre, TPoint p, double degrees) {
  if (degrees == 0) return p;
  const TPointF r = RotatePointF(TPointF(centre.X, centre.Y), TPointF(p.X, p.Y), degrees);
  return TPoint(int(RoundHalfEven(r.X)), int(RoundHalfEven(r.Y)));
}

TPointF RotatePointF(TPointF centre, TPointF p, double degrees) {
  const double s = std::sin(degrees * kDegToRad);
  const double k = std::cos(degrees * kDegToRad);
  const double dx = p.X - centre.X;
  const double dy = p.Y - centre.Y;
  return TPointF(dx * k + centre.X - dy * s, dy * k + centre.Y + dx * s);
}

double DecadeStep(double v) {
  // The thresholds 0.01 and 0.1 were always compared as slightly smaller than
  // the doubles 0.01 and 0.1, so those inputs reach their own decade. No double
  // lies between the two, so plain double comparison behaves the same.
  if (v < 0.01) return 0.001;
  if (v < 0.1) return 0.01;
  if (v < 1) return 0.1;
  if (v < 10) return 1;
  if (v < 100) return 10;
  if (v < 1000) return 100;
  if (v < 10000) return 1000;
  if (v < 100000) return 10000;
  return 100000;
}

double Log10(double v) { return v > 0 ? std::log(v) * 0.4342944 : 0; }

double Pow10(double v) { return std::exp(v * 2.302585); }

int DecimalsFor(double v) {
  if (v - std::trunc(v) == 0) return 0;
  if (v < 0.01) return 3;
  if (v < 0.1) return 2;
  if (v < 1) return 1;
  return 0;
}

QString BinText(quint32 value, int bits) {
  bits = std::clamp(bits, 0, 32);
  QString s(bits, QLatin1Char('0'));
  for (int i = 0; i < bits; ++i)
    if (value & (1u << (bits - 1 - i))) s[i] = QLatin1Char('1');
  return s;
}

QString TimeText(bool tenths, double seconds) {
  const double magnitude = std::fabs(seconds);
  const long long whole = Trunc(magnitude);
  const int tenth = std::min(9LL, Trunc((magnitude - double(whole)) * 10));
  const auto two = [](long long n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
  QString s = two(whole / 3600) + QLatin1Char(':') + two(whole / 60 % 60) + QLatin1Char(':') + two(whole % 60);
  if (tenths) s += QLatin1Char('.') + QString::number(tenth);
  if (seconds < 0 && (whole > 0 || (tenths && tenth > 0))) s.prepend(QLatin1Char('-'));
  return s;
}

QString PrefixText(const QString& unit, bool withDecimals, bool keepZeros, double value) {
  // Exponent of the value as it shows with one significant digit.
  const QString scientific = FormatFloatPattern(QStringLiteral("0e-"), value);
  const qsizetype ePos = scientific.indexOf(QLatin1Char('e'));
  int e = 0;
  const bool known = ePos >= 0 && TryStrToInt(scientific.mid(ePos + 1), &e);

  static const char* const kPrefixes[] = {"f", "p", "n", "u", "m", "", "k", "M", "G", "T"};
  static const double kScales[] = {1e15, 1e12, 1e9, 1e6, 1e3, 1, 1e-3, 1e-6, 1e-9, 1e-12};
  QString prefix;
  double scaled = 0;
  if (known && e >= -15 && e <= 14) {
    const int group = (e + 15) / 3;
    prefix = QLatin1String(kPrefixes[group]);
    scaled = value * kScales[group];
  }

  int decimals = 0;
  if (withDecimals) {
    decimals = std::abs(e) % 3;
    if (decimals == 0) decimals = 3;
  }
  QString number = FloatToStrFixed(scaled, 4, decimals);
  if (decimals > 1 && !keepZeros) {
    const QChar sep = Formats().DecimalSeparator;
    while (number.endsWith(QLatin1Char('0')) && number[number.size() - 2] != sep) number.chop(1);
  }
  return number + prefix + unit;
}

}  // namespace Veltor
