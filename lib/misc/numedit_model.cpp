#include "misc/numedit_model.h"

#include "foundation/numformat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Veltor {

namespace {

// The numeric formatting routines work with at least two significant digits.
constexpr int kMinFormatPrecision = 2;
constexpr int kExponentDigits = 2;

int RoundToInt(double v) {
  const long long n = RoundHalfEven(v);
  return int(std::clamp<long long>(n, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

int TNumEditValue::ClampDigits(int v) { return std::clamp(v, kMinDigits, kMaxDigits); }
int TNumEditValue::ClampPrecision(int v) { return std::clamp(v, kMinPrecision, kMaxPrecision); }

void TNumEditValue::SetFloat(double v) {
  if (std::isnan(v)) return;
  ValueFloat = std::clamp(v, ValueMin, ValueMax);
  ValueInt = RoundToInt(ValueFloat);
}

void TNumEditValue::SetInt(int n) {
  ValueInt = std::clamp(n, RoundToInt(ValueMin), RoundToInt(ValueMax));
  ValueFloat = ValueInt;
}

bool TNumEditValue::SetMax(double v) {
  if (std::isnan(v)) return false;
  ValueMax = std::max(v, ValueMin);
  if (ValueFloat <= ValueMax) return false;
  SetFloat(ValueMax);
  return true;
}

bool TNumEditValue::SetMin(double v) {
  if (std::isnan(v)) return false;
  ValueMin = std::min(v, ValueMax);
  if (ValueFloat >= ValueMin) return false;
  SetFloat(ValueMin);
  return true;
}

int TNumEditValue::FieldWidth() const { return Digits > 0 ? Precision + Digits + 1 : Precision + Digits; }

QString TNumEditValue::Format() const {
  const int precision = std::max(Precision, kMinFormatPrecision);
  QString s;
  if (Digits >= 0) {
    s = FloatToStrFixed(ValueFloat, precision, Digits);
  } else {
    const QString mantissa =
        precision > 1 ? QStringLiteral("0.") + QString(precision - 1, QLatin1Char('0')) : QStringLiteral("0");
    s = FormatFloatPattern(mantissa + QStringLiteral("E+") + QString(kExponentDigits, QLatin1Char('0')), ValueFloat);
  }
  return s.rightJustified(FieldWidth(), QLatin1Char(' '));
}

void TCellEditor::Show(const QString& formatted) {
  FText = FFormatted = formatted;
  FCursor = std::clamp(FCursor, 1, std::max(1, int(FText.size())));
}

bool TCellEditor::Accepts(QChar c) {
  return c == Formats().DecimalSeparator || c == QLatin1Char('-') || c == QLatin1Char('.') ||
         (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('e') || c == QLatin1Char('E');
}

bool TCellEditor::Type(QChar c, int width) {
  const bool fresh = FFresh;
  FFresh = false;
  if (!Accepts(c)) return false;
  if (fresh) {
    FText = QString(std::max(1, width), QLatin1Char(' '));
    FCursor = 1;
  }
  if (FCursor >= 1 && FCursor <= FText.size()) FText[FCursor - 1] = c;
  FCursor = std::min(FCursor + 1, int(FText.size()));
  return true;
}

void TCellEditor::Left() {
  FFresh = false;
  FCursor = std::max(1, FCursor - 1);
}

void TCellEditor::Right() {
  FFresh = false;
  FCursor = std::min(FCursor + 1, std::max(1, int(FText.size())));
}

void TCellEditor::PlaceCursor(int cell, int width) {
  FFresh = false;
  FCursor = std::clamp(cell, 1, std::max(1, width));
}

void TCellEditor::Restart() {
  FFresh = true;
  FCursor = 1;
}

TNumEntry TCellEditor::Judge(const TNumEditValue& limits, double* value) const {
  const QString t = FText.trimmed();
  // The shown text carries blanks in front: compare what is written.
  if (t.isEmpty() || t == FFormatted.trimmed()) return TNumEntry::Same;
  if (!TryStrToFloat(t, value)) return TNumEntry::NotANumber;
  if (*value < limits.ValueMin) return TNumEntry::TooSmall;
  if (*value > limits.ValueMax) return TNumEntry::TooLarge;
  return TNumEntry::Valid;
}

}  // namespace Veltor
