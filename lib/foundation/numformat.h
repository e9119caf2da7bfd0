#pragma once
// Process-wide number and date format, and the number <-> text conversions the
// controls use for labels, read-outs and item strings.
//
// Formatting works on a decimal digit string of the value: the double is first
// written with 18 significant digits (correctly rounded), and every further
// rounding to a number of digits or decimals is done on that digit string with
// halves going away from zero. So 0.125 shows as "0.13" with two decimals, while
// 2.675 (stored as 2.67499999999999982...) shows as "2.67". A result that shows
// only zeros never carries a minus sign, so -0.0 and -0.001 with two decimals
// both print as "0" / "0.00".

#include <QChar>
#include <QString>

namespace Veltor {

struct FormatSettings {
  QChar DecimalSeparator = QLatin1Char('.');
  QString ShortDateFormat = QStringLiteral("dd.mm.yy");
};

// The one format every conversion below reads. It starts with the values
// above; the demonstration program switches it along with the language.
FormatSettings& Formats();

// Real to integer with halves going to the even neighbour (2.5 -> 2, 3.5 -> 4).
// NaN gives 0; values beyond the range of long long saturate.
long long RoundHalfEven(double value);
// Real to integer toward zero; NaN gives 0, out-of-range values saturate.
long long Trunc(double value);

// Fixed-point text with `digits` decimals (0..18) of `value` first limited to
// `precision` significant digits (2..18). When the integer part needs more than
// `precision` digits the general exponent form is used instead, with at least
// min(digits, 4) exponent digits: (123456.7, 5, 2) gives "1.2346E05".
QString FloatToStrFixed(double value, int precision, int digits);

// Shortest text of `value` with at most 15 significant digits and no trailing
// zeros. Decimal exponents from -4 to 14 print plainly ("0.0001",
// "100000000000000"); others as "1E-5", "1.5E20" (sign only when negative).
QString FloatToStrGeneral(double value);

// Formats `value` by a picture such as "0", "0.00", "#0.000", "0.0#" (fixed,
// rounded to the last decimal placeholder, at most 15 significant digits) or
// "0e-", "0.00E+00" (one mantissa digit; "-" shows the exponent sign only when
// negative, "+" always; the zeros after the sign give the minimum exponent
// digits). An empty pattern gives FloatToStrGeneral. Anything else (literal text,
// sections, thousands separators) is not understood: it is reported with
// qWarning and the general format is returned.
QString FormatFloatPattern(const QString& pattern, double value);

// Text to real: optional blanks around, optional sign, digits with at most one
// current decimal separator (the other one is rejected), optional exponent
// "e5", "E-3". Values beyond the double range are rejected; *out is left alone
// on failure.
bool TryStrToFloat(const QString& text, double* out);
double StrToFloatDef(const QString& text, double defaultValue, bool* ok = nullptr);

// Text to 32-bit integer: optional blanks around, optional sign, decimal digits
// or hexadecimal after "$" or "0x" (up to 8 hex digits, read as two's
// complement). Out-of-range values are rejected; *out is left alone on failure.
bool TryStrToInt(const QString& text, int* out);

}  // namespace Veltor
