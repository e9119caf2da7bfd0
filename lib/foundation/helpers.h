#pragma once
// Free functions shared by many controls: item strings of spinners and
// selectors, angle and rotation arithmetic for round instruments, decade and
// logarithm arithmetic for scales, and the texts of the logic display.

#include "host/color.h"
#include "host/types.h"

#include <QString>

namespace Veltor {

// Library-wide language flag: false (German texts) until an application turns
// it on. Components that show messages pick their wording by it.
bool EnglishMode();
void SetEnglishMode(bool english);

// Item strings have up to three fields, "text|value|real"; the fields after the
// text are optional. Blanks around each field are ignored.
// The text before the first bar (or the whole string).
QString ItemText(const QString& item);
// The colour named in the second field ("clRed", "$0000FF", "255"); 0 if
// there is none or it does not convert. An item without any bar is read as the
// value field itself.
TColor ItemColor(const QString& item);
// The integer in the second field; 0 if there is none or it does not convert.
// Like ItemColor, an item without a bar is read as the value field.
int ItemInt(const QString& item);
// The real number in the third field; 0 if there is none or it does not
// convert. Either "." or "," is accepted as the decimal point.
double ItemFloat(const QString& item);

// Removes the spaces at both ends of text; copy receives the result as well.
void TrimSpaces(QString& text, QString& copy);

double SinDeg(double degrees);
// True when p lies strictly inside the circle. The squared distance is summed
// in 32-bit integers that wrap around, as the instruments always did: points
// far enough away that the sum wraps negative count as outside, and a sum that
// wraps to a small positive value counts as inside.
bool InCircle(TPoint centre, double radius, TPoint p);
// Direction of (x, y) measured from the positive y axis towards the positive
// x axis, in degrees, 0 <= result < 360. Components within 0.00001 of zero
// count as zero.
double VectorAngle(double x, double y);
// Turns p about centre by `degrees`; with the screen's y axis pointing down a
// positive angle turns clockwise. Coordinates are rounded half to even.
TPoint RotatePoint(TPoint centre, TPoint p, double degrees);
TPointF RotatePointF(TPointF centre, TPointF p, double degrees);

// The largest power of ten not above v, limited to 0.001 .. 100000.
double DecadeStep(double v);
// Decimal logarithm through ln v x 0.4342944, so exact powers of ten come out
// a little low (Log10(1000) is 2.9999998...); 0 for v <= 0.
double Log10(double v);
// Ten to the power v through e^(v x 2.302585); the inverse of Log10 above.
double Pow10(double v);
// Decimals a scale label of v needs: 0 for whole numbers, else 3 below 0.01,
// 2 below 0.1, 1 below 1, 0 from 1 on.
int DecimalsFor(double v);

// The low `bits` bits of value as "0"/"1", most significant first. The logic
// display uses 8, 16 or 32; other widths are limited to 0..32.
QString BinText(quint32 value, int bits);
// Whole seconds as hh:mm:ss (hours with as many digits as needed, at least
// two), with `tenths` followed by "." and the truncated tenth. Negative values
// get a leading "-" unless they show as zero.
QString TimeText(bool tenths, double seconds);
// The value scaled to an SI prefix chosen by its decimal exponent (after
// rounding to one digit, so 950 becomes "0.95k"), followed by the prefix and
// `unit`. With `withDecimals` the number shows up to four significant digits
// (trailing zeros dropped unless `keepZeros`, but at least one decimal); without
// it, none. Zero shows as "0.0" / "0". Exponents outside -15..14 have no prefix
// and show the value 0.
QString PrefixText(const QString& unit, bool withDecimals, bool keepZeros, double value);

}  // namespace Veltor
