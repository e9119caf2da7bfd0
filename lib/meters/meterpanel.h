#pragma once
// TCustomMeterPanel: what the straight-scale panel meters share. The value
// machinery is the round meters' TMeterModel (damping, peak pointer, range
// flags, LEDs, blinking range marks); limit events fire at the free
// thresholds UpperLimit and LowerLimit. A descendant lays out and paints its
// face into DrawBitmap, maps a scale fraction to a pixel and draws its
// pointers on the composite; the base runs the motion step, composes
// pointers and LEDs on BackBitmap and puts the result on the screen.

#include "buttons/led.h"
#include "foundation/tickregistry.h"
#include "foundation/veltorbase.h"
#include "meters/meter_model.h"

#include <QFont>

namespace Veltor {

class TCustomMeterPanel : public TVeltorBase {
  Q_OBJECT
  Q_PROPERTY(Veltor::TColor ColBack READ ColBack WRITE SetColBack)
  Q_PROPERTY(Veltor::TColor ColLed1 READ ColLed1 WRITE SetColLed1)
  Q_PROPERTY(Veltor::TColor ColLed2 READ ColLed2 WRITE SetColLed2)
  Q_PROPERTY(bool LedEnable READ LedEnable WRITE SetLedEnable)
  Q_PROPERTY(bool LedOn1 READ LedOn1 WRITE SetLedOn1)
  Q_PROPERTY(bool LedOn2 READ LedOn2 WRITE SetLedOn2)
  Q_PROPERTY(bool LedBlink1 READ LedBlink1 WRITE SetLedBlink1)
  Q_PROPERTY(bool LedBlink2 READ LedBlink2 WRITE SetLedBlink2)
  Q_PROPERTY(bool NonLinear READ NonLinear WRITE SetNonLinear)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QFont FontCapt READ FontCapt WRITE SetFontCapt)
  Q_PROPERTY(Veltor::TColor FontCaptColor READ FontCaptColor WRITE SetFontCaptColor)
  Q_PROPERTY(Veltor::MeterEnums::TmShapeType Shape READ Shape WRITE SetShape)
  Q_PROPERTY(Veltor::TColor ColScala READ ColScala WRITE SetColScala)
  Q_PROPERTY(Veltor::TColor ColShape READ ColShape WRITE SetColShape)
  Q_PROPERTY(Veltor::TColor ColPointer READ ColPointer WRITE SetColPointer)
  Q_PROPERTY(double UpperLimit READ UpperLimit WRITE SetUpperLimit)
  Q_PROPERTY(double LowerLimit READ LowerLimit WRITE SetLowerLimit)
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(double ValueStart READ ValueStart WRITE SetValueStart)
  Q_PROPERTY(double ValueEnd READ ValueEnd WRITE SetValueEnd)
  Q_PROPERTY(int ScalaPart READ ScalaPart WRITE SetScalaPart)
  Q_PROPERTY(int ScalaPsub READ ScalaPsub WRITE SetScalaPsub)
  Q_PROPERTY(int Damping READ Damping WRITE SetDamping)
  Q_PROPERTY(Veltor::TColor ColPeakPtr READ ColPeakPtr WRITE SetColPeakPtr)
  Q_PROPERTY(int DampPeak READ DampPeak WRITE SetDampPeak)
  Q_PROPERTY(Veltor::MeterEnums::TPeakPtrMode PeakMode READ PeakMode WRITE SetPeakMode)

 public:
  explicit TCustomMeterPanel(QWidget* parent = nullptr);

  TColor ColLed1() const { return FModel.Led(0).Color; }
  void SetColLed1(TColor v) { SetLedColor(0, v); }
  TColor ColLed2() const { return FModel.Led(1).Color; }
  void SetColLed2(TColor v) { SetLedColor(1, v); }
  bool LedEnable() const { return FLedEnable; }
  void SetLedEnable(bool v) { Rebuild(FLedEnable, v); }
  bool LedOn1() const { return FModel.Led(0).On; }
  void SetLedOn1(bool v) { SetLedOn(0, v); }
  bool LedOn2() const { return FModel.Led(1).On; }
  void SetLedOn2(bool v) { SetLedOn(1, v); }
  bool LedBlink1() const { return FModel.Led(0).Blink; }
  void SetLedBlink1(bool v) { SetLedBlink(0, v); }
  bool LedBlink2() const { return FModel.Led(1).Blink; }
  void SetLedBlink2(bool v) { SetLedBlink(1, v); }
  bool NonLinear() const { return FModel.NonLinear(); }
  void SetNonLinear(bool v);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  // The caption font; Designer edits it as a QFont, its colour apart.
  const TFont& CaptFont() const { return FFontCapt; }
  void SetCaptFont(const TFont& f);
  QFont FontCapt() const;
  void SetFontCapt(const QFont& f);
  TColor FontCaptColor() const { return FFontCapt.Color; }
  void SetFontCaptColor(TColor v);

  TmShapeType Shape() const { return FShape; }
  void SetShape(TmShapeType v) { Rebuild(FShape, v); }
  TColor ColScala() const { return FColScala; }
  void SetColScala(TColor v) { Rebuild(FColScala, v); }
  TColor ColShape() const { return FColShape; }
  void SetColShape(TColor v) { Rebuild(FColShape, v); }
  TColor ColPointer() const { return FColPointer; }
  void SetColPointer(TColor v) { SetPointerColour(FColPointer, v); }
  TColor ColPeakPtr() const { return FColPeakPtr; }
  void SetColPeakPtr(TColor v) { SetPointerColour(FColPeakPtr, v); }

  double UpperLimit() const { return FUpperLimit; }
  void SetUpperLimit(double v) { FUpperLimit = v; }
  double LowerLimit() const { return FLowerLimit; }
  void SetLowerLimit(double v) { FLowerLimit = v; }

  double Value() const { return FModel.Value(); }
  void SetValue(double v);
  double ValueStart() const { return FModel.ValueStart(); }
  void SetValueStart(double v);
  double ValueEnd() const { return FModel.ValueEnd(); }
  void SetValueEnd(double v);
  int ScalaPart() const { return FModel.ScalaPart(); }
  void SetScalaPart(int v) { ModelChanged(FModel.SetScalaPart(v)); }
  int ScalaPsub() const { return FModel.ScalaPsub(); }
  void SetScalaPsub(int v) { ModelChanged(FModel.SetScalaPsub(v)); }
  int Damping() const { return FModel.Damping(); }
  void SetDamping(int v);
  int DampPeak() const { return FModel.DampPeak(); }
  void SetDampPeak(int v);
  TPeakPtrMode PeakMode() const { return FModel.PeakMode(); }
  void SetPeakMode(TPeakPtrMode v);

  // Drops the peak pointer to the scale start.
  void ResetPeak();
  // Asks for a full repaint through the paint cycle.
  Q_INVOKABLE void StyleChanged(QObject* Sender);

  const TMeterModel& Model() const { return FModel; }
  TRect StartLabelBox() const { return FStartLabelBox; }
  TRect EndLabelBox() const { return FEndLabelBox; }
  // Pixel of the pointer and of the peak along the scale, as drawn last.
  int PointerPos() const { return FPointerPos; }
  int PeakPos() const { return FPeakPos; }

 signals:
  void OnDblClick(QObject* Sender);
  void OnUpperLim(QObject* Sender);
  void OnLowerLim(QObject* Sender);

 protected:
  void WndProc(TMessage& Message) override;
  void FontChanged() override { StyleChanged(this); }
  void mouseDoubleClickEvent(QMouseEvent* e) override;

  // A face property: store and, once painted, rebuild the face at once.
  template <typename T, typename V>
  void Rebuild(T& field, const V& v) {
    if (field == v) return;
    field = v;
    RepaintDial();
  }
  void ModelChanged(bool changed) {
    if (changed) RepaintDial();
  }
  void RepaintDial();
  void SetPointerColour(TColor& field, TColor v);

  // Called by a descendant's Paint once the face is in DrawBitmap: clears
  // the mark phases and runs a forced update step.
  void FinishPaint();
  // One motion step and, when the pointer or peak pixel moved or `force`,
  // the composite on the screen.
  void UpdateStep(bool force);

  // --- What each panel meter supplies.
  // Pixel along the scale of a fraction (0 = ValueStart, 1 = ValueEnd).
  virtual int ScalePixel(double fraction) const = 0;
  // Pointer and peak on the composite at the given pixels.
  virtual void DrawPointers(TCanvas& c, int pos, int peakPos) = 0;
  // Where LED i sits; a zero radius hides it.
  virtual TLedSpot LedSpot(int i) const = 0;
  // Brings the read-out up to date; true when it drew something.
  virtual bool UpdateReadout(bool /*force*/) { return false; }
  // The scale range changed outside loading.
  virtual void StartChanged() {}
  virtual void EndChanged() {}
  // The caption changed after the first paint.
  virtual void CaptionChanged() { RepaintDial(); }
  // LED properties are ignored while this holds.
  virtual bool LedsLocked() const { return false; }

  // Scale labels: face layer helpers for descendants.
  void SetLabelBoxes(const TRect& first, const TRect& last) {
    FStartLabelBox = first;
    FEndLabelBox = last;
  }
  // The grey maker's mark with its left edge at x and its top at y.
  static void DrawMakerMark(TCanvas& c, int x, int y);
  static int MakerMarkWidth(TCanvas& c);

  TMeterModel FModel;
  QString FCaption;
  TFont FFontCapt;
  TmShapeType FShape = smtRoundrect;
  TColor FColScala = clWhite, FColShape = clWhite;
  TColor FColPointer = clRed, FColPeakPtr = clYellow;
  bool FLedEnable = true;
  double FUpperLimit = 45, FLowerLimit = 0;

 private:
  void Recompose();
  void DrawMarks(bool toggle);
  void DrawLed(int i);
  void DrawLamp(TCanvas& c, int i);
  void SetLedColor(int i, TColor v);
  void SetLedOn(int i, bool v);
  void SetLedBlink(int i, bool v);
  void BlinkTick();

  TRect FStartLabelBox, FEndLabelBox;
  int FPointerPos = -1, FPeakPos = -1;
  bool FPeakShown = false;
  TTickSubscription FTicker;
  TTickSubscription FBlinker;
};

}  // namespace Veltor
