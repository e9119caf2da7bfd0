#pragma once
// TNumEdit: an entry field for one number, styled like an instrument
// read-out: a fixed-pitch, right-aligned number of fixed width followed by a
// unit, an optional status LED that can blink, and a range check with a
// message. Typing overwrites the cells of the shown number.

#include "foundation/rahmen.h"
#include "foundation/tickregistry.h"
#include "misc/celltext.h"
#include "misc/numedit_model.h"

namespace Veltor {

class TNumEdit : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(Veltor::TColor LedCol READ LedCol WRITE SetLedCol)
  Q_PROPERTY(bool LedOn READ LedOn WRITE SetLedOn)
  Q_PROPERTY(bool LedEnable READ LedEnable WRITE SetLedEnable)
  Q_PROPERTY(bool LedBlink READ LedBlink WRITE SetLedBlink)
  Q_PROPERTY(bool DispInvert READ DispInvert WRITE SetDispInvert)
  Q_PROPERTY(QString ValueText READ ValueText WRITE SetValueText STORED false)
  Q_PROPERTY(QString UnitText READ UnitText WRITE SetUnitText)
  Q_PROPERTY(int ValueInt READ ValueInt WRITE SetValueInt STORED false)
  Q_PROPERTY(double ValueFloat READ ValueFloat WRITE SetValueFloat)
  Q_PROPERTY(int Digits READ Digits WRITE SetDigits)
  Q_PROPERTY(int Precision READ Precision WRITE SetPrecision)
  Q_PROPERTY(double ValueMin READ ValueMin WRITE SetValueMin)
  Q_PROPERTY(double ValueMax READ ValueMax WRITE SetValueMax)
  Q_PROPERTY(bool ReadOnly READ ReadOnly WRITE SetReadOnly)
  Q_PROPERTY(bool ErrorExit READ ErrorExit WRITE SetErrorExit)
  Q_PROPERTY(bool ErrorShow READ ErrorShow WRITE SetErrorShow)
  Q_PROPERTY(Veltor::TColor ColTxtBack READ ColTxtBack WRITE SetColTxtBack)
  Q_PROPERTY(Veltor::FoundationEnums::TPanelBevel TextBevel READ TextBevel WRITE SetTextBevel)
  Q_PROPERTY(bool FontAutom READ FontAutom WRITE SetFontAutom)

 public:
  explicit TNumEdit(QWidget* parent = nullptr);

  TColor LedCol() const { return FLedCol; }
  void SetLedCol(TColor v);
  bool LedOn() const { return FLedOn; }
  void SetLedOn(bool v);
  bool LedEnable() const { return FLedEnable; }
  void SetLedEnable(bool v) { Assign(FLedEnable, v); }
  // Blinks with the library's blink clock, in step with every other LED.
  bool LedBlink() const { return FLedBlink; }
  void SetLedBlink(bool v);
  // Text in the background colour on the font colour.
  bool DispInvert() const { return FDispInvert; }
  void SetDispInvert(bool v);
  // The number as shown, without the padding; writing a number sets the
  // value, other text is ignored.
  QString ValueText() const { return FValue.Format().trimmed(); }
  void SetValueText(const QString& v);
  QString UnitText() const { return FUnitText; }
  void SetUnitText(const QString& v) { Assign(FUnitText, v); }
  int ValueInt() const { return FValue.ValueInt; }
  void SetValueInt(int v);
  double ValueFloat() const { return FValue.ValueFloat; }
  void SetValueFloat(double v);
  // Decimals, -1..10; -1 shows an exponent.
  int Digits() const { return FValue.Digits; }
  void SetDigits(int v) {
    Assign(FValue.Digits, TNumEditValue::ClampDigits(v), [this] { Reformat(); });
  }
  // Significant digits, 0..15.
  int Precision() const { return FValue.Precision; }
  void SetPrecision(int v) {
    Assign(FValue.Precision, TNumEditValue::ClampPrecision(v), [this] { Reformat(); });
  }
  double ValueMin() const { return FValue.ValueMin; }
  void SetValueMin(double v);
  double ValueMax() const { return FValue.ValueMax; }
  void SetValueMax(double v);
  // A read-only field shows the value only and leaves the tab order.
  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool v) { Assign(FReadOnly, v); }
  // Lets the focus go although the entry is out of range (the old value
  // returns); otherwise the field keeps the focus.
  bool ErrorExit() const { return FErrorExit; }
  void SetErrorExit(bool v) { FErrorExit = v; }
  // Tells the user when an entry is out of range; otherwise Enter clamps it.
  bool ErrorShow() const { return FErrorShow; }
  void SetErrorShow(bool v) { FErrorShow = v; }
  TColor ColTxtBack() const { return FColTxtBack; }
  void SetColTxtBack(TColor v) { Assign(FColTxtBack, v); }
  TPanelBevel TextBevel() const { return FTextBevel; }
  void SetTextBevel(TPanelBevel v) { Assign(FTextBevel, v); }

  // What the field shows and edits.
  const TCellEditor& Editor() const { return FEditor; }
  // Valid after the first paint.
  const TCellFieldLayout& Layout() const { return FLayout; }
  // The font the text is drawn in, after fitting.
  const TFont& TextFont() const { return FTextFont; }

  // "value too small" / "value too large" in the library's language.
  static QString RangeMessage(bool tooLarge);

 signals:
  void OnChange(QObject* Sender);
  void OnDblClick(QObject* Sender);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void KeyPress(QChar& Key) override;
  void DoEnter() override;
  void DoExit() override;
  void focusInEvent(QFocusEvent* e) override;

 private:
  bool Editable() const { return !FReadOnly; }
  // Redraws the text area; reformat takes the value's text first, which
  // redraws only when it differs from what is shown unless forced.
  void DrawText(bool reformat, bool force = false);
  void DrawLed(bool on);
  void ShowNow(const TRect& r);
  void Accept();
  void BlinkTick();
  int CellUnder(int x);
  // A format property changed: the field shows the value anew.
  void Reformat();

  TNumEditValue FValue;
  TCellEditor FEditor;
  TCellFieldLayout FLayout;
  TFont FTextFont;
  int FTextY = 0;
  bool FPainted = false;
  bool FInPaint = false;
  bool FFocusByMouse = false;

  TColor FLedCol = clRed;
  bool FLedOn = false;
  bool FLedEnable = false;
  bool FLedBlink = false;
  bool FDispInvert = false;
  QString FUnitText;
  bool FReadOnly = false;
  bool FErrorExit = false;
  bool FErrorShow = false;
  TColor FColTxtBack = clWhite;
  TPanelBevel FTextBevel = bvLowered;
  TTickSubscription FBlinker;
};

}  // namespace Veltor
