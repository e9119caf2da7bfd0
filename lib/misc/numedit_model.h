#pragma once
// The numeric edit field's value, limits and format, and its overwrite
// editing on the cells of the formatted number, without a widget.

#include <QChar>
#include <QString>

namespace Veltor {

struct TNumEditValue {
  static constexpr int kMinDigits = -1;  // exponent format
  static constexpr int kMaxDigits = 10;
  static constexpr int kMinPrecision = 0;
  static constexpr int kMaxPrecision = 15;

  double ValueFloat = 0;
  int ValueInt = 0;
  int Digits = 1;
  int Precision = 7;
  double ValueMin = 0;
  double ValueMax = 10.0;

  static int ClampDigits(int v);
  static int ClampPrecision(int v);

  // Clamps to the limits; ValueInt follows, rounded half to even.
  void SetFloat(double v);
  // Clamps to the rounded limits; ValueFloat follows.
  void SetInt(int n);
  // A limit never passes the other one; a value beyond the new limit is
  // pulled to it. Return whether the value moved.
  bool SetMax(double v);
  bool SetMin(double v);
  bool InRange(double v) const { return v >= ValueMin && v <= ValueMax; }

  // Characters of the number's field.
  int FieldWidth() const;
  // The value formatted and padded with leading blanks to FieldWidth.
  QString Format() const;
};

// What accepting an entry found.
enum class TNumEntry {
  Same,       // nothing new was typed
  Valid,      // a number within the limits
  TooSmall,   // a number below the lower limit
  TooLarge,   // a number above the upper limit
  NotANumber  // text that does not convert
};

// Overwrite editing on the cells of the shown text.
class TCellEditor {
 public:
  // Shows a freshly formatted text; the next typed character starts anew.
  void Show(const QString& formatted);
  const QString& Text() const { return FText; }
  const QString& Formatted() const { return FFormatted; }
  int Cursor() const { return FCursor; }
  bool Fresh() const { return FFresh; }

  // A character of a number: the current decimal separator, "-", ".",
  // digits and "e"/"E".
  static bool Accepts(QChar c);
  // Writes c into the cursor's cell and moves on; the first character after
  // Show blanks the field to width cells first. False when c is refused.
  bool Type(QChar c, int width);
  // Moves the cursor one cell without touching the text.
  void Left();
  void Right();
  // Puts the cursor on a cell (kept within 1..width).
  void PlaceCursor(int cell, int width);
  // Focus gained: cursor on the first cell, the next character starts anew.
  void Restart();
  // The next character starts anew, or (EndFresh) overwrites in place.
  void MarkFresh() { FFresh = true; }
  void EndFresh() { FFresh = false; }

  // The entry judged against the limits; *value is set for Valid, TooSmall
  // and TooLarge.
  TNumEntry Judge(const TNumEditValue& limits, double* value) const;

 private:
  QString FText;
  QString FFormatted;
  int FCursor = 1;
  bool FFresh = true;
};

}  // namespace Veltor
