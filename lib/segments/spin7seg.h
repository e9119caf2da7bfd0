#pragma once
// TSpin7Seg: a thumbwheel switch. One seven-segment cell on a coloured panel
// with an up button above and a down button below; the buttons step the
// character through decimal or hexadecimal digits, a sign, or the characters
// from blank to "Z". At the ends it stops (Limiter) or wraps and reports a
// carry or borrow, so spinners side by side form a multi-digit counter.

#include "foundation/rahmen.h"
#include "foundation/tickregistry.h"
#include "segments/segmentrow.h"
#include "segments/segmentstypes.h"

namespace Veltor {

// The value of a thumbwheel and its stepping rules.
struct TThumbwheel {
  TDispType DispTyp = SegmentEnums::decimal;
  QChar Char = u'8';
  int Int = 8;  // -1 when the character has no numeric value
  bool Limiter = false;

  // Takes ch (upper-cased) when it is valid for DispTyp; false otherwise.
  bool SetChar(QChar ch);
  // Takes v for decimal 0..9 and hexa 0..15; false otherwise.
  bool SetInt(int v);
  // Switches the type: "+" for sign, "8" otherwise.
  void SetType(TDispType t);
  // One step; carry becomes +1 on a wrap upwards, -1 downwards, else 0.
  // False when the Limiter stopped the step.
  bool Next(bool up, int& carry);
};

// Where the parts of a TSpin7Seg go, from its size and the frame's inside.
struct TSpin7SegLayout {
  TRect Panel;
  TRect Cell;
  TRect UpRect;
  TRect DownRect;
  int Corner = 0;  // w5: corner of a rounded panel
};
TSpin7SegLayout Spin7SegLayout(int height, const TRect& inner, bool bordLeft, bool bordRight);

class TSpin7Seg : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(Veltor::TColor ColBack READ ColBack WRITE SetColBack)
  Q_PROPERTY(Veltor::SegmentEnums::TDispType DispTyp READ DispTyp WRITE SetDispTyp)
  Q_PROPERTY(Veltor::SegmentEnums::TmShapeType Shape READ Shape WRITE SetShape)
  Q_PROPERTY(Veltor::TColor ColSegm READ ColSegm WRITE SetColSegm)
  // A string in stored forms, which have no character type; its first
  // character counts, an empty one is a blank.
  Q_PROPERTY(QString ValueChar READ ValueCharText WRITE SetValueCharText)
  Q_PROPERTY(int ValueInt READ ValueInt WRITE SetValueInt)
  Q_PROPERTY(int RepSpeed READ RepSpeed WRITE SetRepSpeed)
  Q_PROPERTY(bool Limiter READ Limiter WRITE SetLimiter)
  Q_PROPERTY(bool Italic READ Italic WRITE SetItalic)

 public:
  explicit TSpin7Seg(QWidget* parent = nullptr);

  TDispType DispTyp() const { return FWheel.DispTyp; }
  void SetDispTyp(TDispType v);
  TmShapeType Shape() const { return FShape; }
  void SetShape(TmShapeType v) { Assign(FShape, v); }
  TColor ColSegm() const { return FColSegm; }
  void SetColSegm(TColor v) { Assign(FColSegm, v); }
  QChar ValueChar() const { return FWheel.Char; }
  void SetValueChar(QChar v);
  QString ValueCharText() const { return QString(ValueChar()); }
  void SetValueCharText(const QString& v) { SetValueChar(v.isEmpty() ? QChar(u' ') : v[0]); }
  int ValueInt() const { return FWheel.Int; }
  void SetValueInt(int v);
  // Auto-repeat period in ms while a button is held; below 50, no repeat.
  int RepSpeed() const { return FRepSpeed; }
  void SetRepSpeed(int v) { FRepSpeed = v; }
  bool Limiter() const { return FWheel.Limiter; }
  void SetLimiter(bool v) { FWheel.Limiter = v; }
  bool Italic() const { return FItalic; }
  void SetItalic(bool v);

  // One step by program (fires no event); see TThumbwheel::Next.
  bool NextValue(bool up, int& carry);

  // The parts for the current size; the buttons are the hit areas.
  TSpin7SegLayout Geometry() const;

 public slots:
  void StyleChanged() { Invalidate(); }

 signals:
  // After every step made by the user (button, repeat or wheel).
  void onChanging(QObject* Sender);
  // At mouse-up when the press made a step; after each wheel step.
  void onChanged(QObject* Sender);
  void onWrapCarry(QObject* Sender);
  void onWrapBorrow(QObject* Sender);

 protected:
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  // A step made by the user; fires onChanging and a wrap event. Returns
  // whether the value changed.
  bool UserStep(bool up);
  void DrawCell();
  void DrawButton(TRect r, bool pressed);
  void RepeatTick();

  TThumbwheel FWheel;
  TmShapeType FShape = smtRoundrect;
  TColor FColSegm = clLime;
  int FRepSpeed = 0;
  bool FItalic = false;

  bool FShown = false;
  TSpin7SegLayout FLayout;
  TSegmentRow FCell;
  bool FUpDown = false;
  bool FDownDown = false;
  bool FChanged = false;
  int FWheelRest = 0;  // wheel angle not yet stepped
  TTickSubscription FRepeat;
};

}  // namespace Veltor
