#pragma once
// TDisp7Seg: a framed read-out of 1 to 8 seven-segment cells on a coloured
// panel, with an optional side area holding two status LEDs and a unit text.

#include "foundation/rahmen.h"
#include "foundation/tickregistry.h"
#include "segments/segmentrow.h"
#include "segments/segmentstypes.h"

#include <QString>

namespace Veltor {

// The text an integer shows in size cells: right-aligned with blanks, or
// every cell showing "8." when it does not fit.
QString Disp7SegIntText(int v, int size);
// The text a real shows in size cells: its shortest form, right-aligned, or
// with the decimals that do not fit cut off; "8." in every cell when the
// digits before the point (or an exponent) do not fit.
QString Disp7SegFloatText(double v, int size);

// Where the parts of a TDisp7Seg go; a pure function of its size and flags.
struct TDisp7SegLayout {
  TRect Panel;    // drawn outline; may reach beyond a side without rings
  TRect Cells;    // the row of cells
  TRect TextBox;  // unit text
  TPoint Led1;
  TPoint Led2;
  int LedRadius = 0;
};
struct TDisp7SegFlags {
  bool BordLeft = true, BordRight = true, BordTop = true, BordBottom = true;
  bool SideArea = true;  // LEDs or unit text shown
};
TDisp7SegLayout Disp7SegLayout(int width, int height, const TRect& inner, const TDisp7SegFlags& flags);

class TDisp7Seg : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(Veltor::TColor ColBack READ ColBack WRITE SetColBack)
  Q_PROPERTY(int DispSize READ DispSize WRITE SetDispSize)
  Q_PROPERTY(Veltor::TColor ColLed1 READ ColLed1 WRITE SetColLed1)
  Q_PROPERTY(Veltor::TColor ColLed2 READ ColLed2 WRITE SetColLed2)
  Q_PROPERTY(bool LedEnable READ LedEnable WRITE SetLedEnable)
  Q_PROPERTY(bool LedOn1 READ LedOn1 WRITE SetLedOn1)
  Q_PROPERTY(bool LedOn2 READ LedOn2 WRITE SetLedOn2)
  Q_PROPERTY(bool LedBlink1 READ LedBlink1 WRITE SetLedBlink1)
  Q_PROPERTY(bool LedBlink2 READ LedBlink2 WRITE SetLedBlink2)
  Q_PROPERTY(bool TextEnable READ TextEnable WRITE SetTextEnable)
  Q_PROPERTY(QString TextEinh READ TextEinh WRITE SetTextEinh)
  Q_PROPERTY(int CharPos READ CharPos WRITE SetCharPos)
  Q_PROPERTY(bool DispItalic READ DispItalic WRITE SetDispItalic)
  Q_PROPERTY(Veltor::SegmentEnums::TmShapeType Shape READ Shape WRITE SetShape)
  Q_PROPERTY(Veltor::TColor ColSegm READ ColSegm WRITE SetColSegm)
  Q_PROPERTY(int ValueInt READ ValueInt WRITE SetValueInt)
  Q_PROPERTY(double ValueFloat READ ValueFloat WRITE SetValueFloat)
  Q_PROPERTY(QString ValueStr READ ValueStr WRITE SetValueStr)
  // A string in stored forms, which have no character type; its first
  // character counts, an empty one is a blank.
  Q_PROPERTY(QString ValueChar READ ValueCharText WRITE SetValueCharText)

 public:
  static constexpr int MaxCells = 8;
  static constexpr int MaxUnitText = 10;

  explicit TDisp7Seg(QWidget* parent = nullptr);

  int DispSize() const { return FDispSize; }
  void SetDispSize(int v);
  TColor ColLed1() const { return FColLed[0]; }
  void SetColLed1(TColor v) { SetLedColor(0, v); }
  TColor ColLed2() const { return FColLed[1]; }
  void SetColLed2(TColor v) { SetLedColor(1, v); }
  bool LedEnable() const { return FLedEnable; }
  void SetLedEnable(bool v) { Assign(FLedEnable, v); }
  bool LedOn1() const { return FLedOn[0]; }
  void SetLedOn1(bool v) { SetLedOn(0, v); }
  bool LedOn2() const { return FLedOn[1]; }
  void SetLedOn2(bool v) { SetLedOn(1, v); }
  bool LedBlink1() const { return FLedBlink[0]; }
  void SetLedBlink1(bool v) { SetLedBlink(0, v); }
  bool LedBlink2() const { return FLedBlink[1]; }
  void SetLedBlink2(bool v) { SetLedBlink(1, v); }
  bool TextEnable() const { return FTextEnable; }
  void SetTextEnable(bool v) { Assign(FTextEnable, v); }
  QString TextEinh() const { return FTextEinh; }
  void SetTextEinh(const QString& v);
  int CharPos() const { return FCharPos; }
  void SetCharPos(int v);
  bool DispItalic() const { return FDispItalic; }
  void SetDispItalic(bool v) { Assign(FDispItalic, v); }
  TmShapeType Shape() const { return FShape; }
  void SetShape(TmShapeType v) { Assign(FShape, v); }
  TColor ColSegm() const { return FColSegm; }
  void SetColSegm(TColor v) { Assign(FColSegm, v); }

  int ValueInt() const { return FValueInt; }
  void SetValueInt(int v);
  double ValueFloat() const { return FValueFloat; }
  void SetValueFloat(double v);
  QString ValueStr() const { return FValueStr; }
  void SetValueStr(const QString& v);
  QChar ValueChar() const { return FValueChar; }
  void SetValueChar(QChar v);
  QString ValueCharText() const { return QString(ValueChar()); }
  void SetValueCharText(const QString& v) { SetValueChar(v.isEmpty() ? QChar(u' ') : v[0]); }

  // Geometry of the last paint.
  const TDisp7SegLayout& Geometry() const { return FLayout; }

 public slots:
  void StyleChanged() { Invalidate(); }

 protected:
  void Paint() override;

 private:
  void SetLedColor(int i, TColor v);
  void SetLedOn(int i, bool v);
  void SetLedBlink(int i, bool v);
  void DrawLed(int i, bool lit);
  void DrawUnitText();
  void ShowText(const QString& text);
  void BlinkTick();

  TSegmentRow FRow;
  bool FShown = false;
  TDisp7SegLayout FLayout;
  TFont FUnitFont;
  TTickSubscription FBlinker;

  TColor FColLed[2] = {clRed, clLime};
  bool FLedOn[2] = {false, false};
  bool FLedBlink[2] = {false, false};
  bool FLedEnable = true;
  bool FTextEnable = true;
  QString FTextEinh = QStringLiteral("mW");
  int FDispSize = 2;
  int FCharPos = 1;
  bool FDispItalic = false;
  TmShapeType FShape = smtRoundrect;
  TColor FColSegm = clYellow;
  int FValueInt = 0;
  double FValueFloat = 0;
  QString FValueStr = QStringLiteral("88888888");
  QChar FValueChar = u'8';
};

}  // namespace Veltor
