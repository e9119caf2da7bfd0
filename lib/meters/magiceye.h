#pragma once
// TMagicEye: the tuning indicator of an old radio set as a flat strip. Inside
// a sunken edge it shows a luminous band between two positions of a value
// scale on a dark background; a band whose edges are given the wrong way
// round shows in the inverse colour. Every change redraws the strip at once.

#include "foundation/rahmen.h"
#include "potis/potistypes.h"

namespace Veltor {

// Where the band lies, in pixels from the strip's start (First <= Last), and
// whether its edges were given the wrong way round.
struct TEyeBand {
  int First = 0;
  int Last = 0;
  bool Inverse = false;
};

// The band of startPos..endPos on a scale startValue..endValue drawn along
// `length` pixels; a band of no width is widened by one pixel.
TEyeBand MagicEyeBand(double startValue, double endValue, double startPos, double endPos, int length);

class TMagicEye : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(Veltor::TColor ColorBack READ ColorBack WRITE SetColorBack)
  Q_PROPERTY(Veltor::TColor ColorEye READ ColorEye WRITE SetColorEye)
  Q_PROPERTY(Veltor::TColor ColorEyeInv READ ColorEyeInv WRITE SetColorEyeInv)
  Q_PROPERTY(double StartValue READ StartValue WRITE SetStartValue)
  Q_PROPERTY(double EndValue READ EndValue WRITE SetEndValue)
  Q_PROPERTY(double StartPos READ StartPos WRITE SetStartPos)
  Q_PROPERTY(double EndPos READ EndPos WRITE SetEndPos)
  Q_PROPERTY(Veltor::PotiEnums::TOrientation Direction READ Direction WRITE SetDirection)

 public:
  explicit TMagicEye(QWidget* parent = nullptr);

  TColor ColorBack() const { return FColorBack; }
  void SetColorBack(TColor v) { Change(FColorBack, v); }
  TColor ColorEye() const { return FColorEye; }
  void SetColorEye(TColor v) { Change(FColorEye, v); }
  TColor ColorEyeInv() const { return FColorEyeInv; }
  void SetColorEyeInv(TColor v) { Change(FColorEyeInv, v); }
  double StartValue() const { return FStartValue; }
  void SetStartValue(double v);
  double EndValue() const { return FEndValue; }
  void SetEndValue(double v);
  double StartPos() const { return FStartPos; }
  void SetStartPos(double v) { Change(FStartPos, v); }
  double EndPos() const { return FEndPos; }
  void SetEndPos(double v) { Change(FEndPos, v); }
  TOrientation Direction() const { return FDirection; }
  void SetDirection(TOrientation v);

  // The strip inside the sunken edge; valid after the first paint.
  TRect Strip() const { return FStrip; }

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  template <typename T>
  void Change(T& field, const T& v) {
    if (field == v) return;
    field = v;
    DrawStrip();
  }
  void DrawStrip();

  TColor FColorBack = clBlack, FColorEye = clLime, FColorEyeInv = clRed;
  double FStartValue = 0, FEndValue = 10, FStartPos = 3, FEndPos = 7;
  TOrientation FDirection = orHorizontal;
  bool FPainted = false;
  TRect FStrip;
};

}  // namespace Veltor
