#pragma once
// TMeter360: a two-needle dial with two concentric full-circle scales, both
// starting at the bottom and running clockwise. Scale 1 lies outside a ring,
// scale 2 inside it; needle 1 reads scale 1, the shorter needle 2 scale 2
// and carries the peak pointer. Values beyond a scale are not parked: the
// needle goes round. Two captions, four LEDs, no zones and no read-out; by
// default an altimeter.

#include "meters/dial_meter.h"
#include "meters/dial_paint.h"

namespace Veltor {

class TMeter360 : public TDialMeter {
  Q_OBJECT
  Q_PROPERTY(Veltor::MeterEnums::TShapeTypeT Shape READ Shape WRITE SetShape)
  Q_PROPERTY(Veltor::TColor ColPointer1 READ ColPointer1 WRITE SetColPointer1)
  Q_PROPERTY(Veltor::TColor ColPointer2 READ ColPointer2 WRITE SetColPointer2)
  Q_PROPERTY(Veltor::TColor ColPeakPtr READ ColPeakPtr WRITE SetColPeakPtr)
  Q_PROPERTY(Veltor::TColor ColFont1 READ ColFont1 WRITE SetColFont1)
  Q_PROPERTY(Veltor::TColor ColFont2 READ ColFont2 WRITE SetColFont2)
  Q_PROPERTY(Veltor::TColor ColScala1 READ ColScala1 WRITE SetColScala1)
  Q_PROPERTY(Veltor::TColor ColScala2 READ ColScala2 WRITE SetColScala2)
  Q_PROPERTY(Veltor::TColor ColCircle READ ColCircle WRITE SetColCircle)
  Q_PROPERTY(double Value1 READ Value1 WRITE SetValue1)
  Q_PROPERTY(double Value2 READ Value2 WRITE SetValue2)
  Q_PROPERTY(double ValueStart1 READ ValueStart1 WRITE SetValueStart1)
  Q_PROPERTY(double ValueEnd1 READ ValueEnd1 WRITE SetValueEnd1)
  Q_PROPERTY(double ValueStart2 READ ValueStart2 WRITE SetValueStart2)
  Q_PROPERTY(double ValueEnd2 READ ValueEnd2 WRITE SetValueEnd2)
  Q_PROPERTY(int ScalaPart1 READ ScalaPart1 WRITE SetScalaPart1)
  Q_PROPERTY(int ScalaPsub1 READ ScalaPsub1 WRITE SetScalaPsub1)
  Q_PROPERTY(int ScalaPart2 READ ScalaPart2 WRITE SetScalaPart2)
  Q_PROPERTY(int ScalaPsub2 READ ScalaPsub2 WRITE SetScalaPsub2)
  Q_PROPERTY(bool NonLinear1 READ NonLinear1 WRITE SetNonLinear1)
  Q_PROPERTY(bool NonLinear2 READ NonLinear2 WRITE SetNonLinear2)
  Q_PROPERTY(QString Caption1 READ Caption1 WRITE SetCaption1)
  Q_PROPERTY(QString Caption2 READ Caption2 WRITE SetCaption2)
  Q_PROPERTY(Veltor::TColor ColLed1 READ ColLed1 WRITE SetColLed1)
  Q_PROPERTY(Veltor::TColor ColLed2 READ ColLed2 WRITE SetColLed2)
  Q_PROPERTY(Veltor::TColor ColLed3 READ ColLed3 WRITE SetColLed3)
  Q_PROPERTY(Veltor::TColor ColLed4 READ ColLed4 WRITE SetColLed4)
  Q_PROPERTY(bool LedEnable1 READ LedEnable1 WRITE SetLedEnable1)
  Q_PROPERTY(bool LedEnable2 READ LedEnable2 WRITE SetLedEnable2)
  Q_PROPERTY(bool LedOn1 READ LedOn1 WRITE SetLedOn1)
  Q_PROPERTY(bool LedOn2 READ LedOn2 WRITE SetLedOn2)
  Q_PROPERTY(bool LedOn3 READ LedOn3 WRITE SetLedOn3)
  Q_PROPERTY(bool LedOn4 READ LedOn4 WRITE SetLedOn4)
  Q_PROPERTY(bool LedBlink1 READ LedBlink1 WRITE SetLedBlink1)
  Q_PROPERTY(bool LedBlink2 READ LedBlink2 WRITE SetLedBlink2)
  Q_PROPERTY(bool LedBlink3 READ LedBlink3 WRITE SetLedBlink3)
  Q_PROPERTY(bool LedBlink4 READ LedBlink4 WRITE SetLedBlink4)
  Q_PROPERTY(int Damping1 READ Damping1 WRITE SetDamping1)
  Q_PROPERTY(int Damping2 READ Damping2 WRITE SetDamping2)
  Q_PROPERTY(int DampPeak READ DampPeak WRITE SetDampPeak)
  Q_PROPERTY(Veltor::MeterEnums::TPeakPtrMode PeakMode READ PeakMode WRITE SetPeakMode)

 public:
  static constexpr int kSweep = 360;
  // The scales of this dial may reach this far either side of zero.
  static constexpr double kRangeLimit = 100000;

  explicit TMeter360(QWidget* parent = nullptr);

  TShapeTypeT Shape() const { return FShape; }
  void SetShape(TShapeTypeT v) { Rebuild(FShape, v); }
  TColor ColPointer1() const { return FColPointer1; }
  void SetColPointer1(TColor v) { SetPointerColour(FColPointer1, v); }
  TColor ColPointer2() const { return FColPointer2; }
  void SetColPointer2(TColor v) { SetPointerColour(FColPointer2, v); }
  TColor ColPeakPtr() const { return FColPeakPtr; }
  void SetColPeakPtr(TColor v) { SetPointerColour(FColPeakPtr, v); }
  TColor ColFont1() const { return FColFont1; }
  void SetColFont1(TColor v) { Rebuild(FColFont1, v); }
  TColor ColFont2() const { return FColFont2; }
  void SetColFont2(TColor v) { Rebuild(FColFont2, v); }
  TColor ColScala1() const { return FColScala1; }
  void SetColScala1(TColor v) { Rebuild(FColScala1, v); }
  TColor ColScala2() const { return FColScala2; }
  void SetColScala2(TColor v) { Rebuild(FColScala2, v); }

  double Value1() const { return FScale1.Value(); }
  void SetValue1(double v) { SetValue(FScale1, v); }
  double Value2() const { return FScale2.Value(); }
  void SetValue2(double v) { SetValue(FScale2, v); }
  double ValueStart1() const { return FScale1.ValueStart(); }
  void SetValueStart1(double v) { ModelChanged(FScale1.SetValueStart(v, Loading())); }
  double ValueEnd1() const { return FScale1.ValueEnd(); }
  void SetValueEnd1(double v) { ModelChanged(FScale1.SetValueEnd(v, Loading())); }
  double ValueStart2() const { return FScale2.ValueStart(); }
  void SetValueStart2(double v) { ModelChanged(FScale2.SetValueStart(v, Loading())); }
  double ValueEnd2() const { return FScale2.ValueEnd(); }
  void SetValueEnd2(double v) { ModelChanged(FScale2.SetValueEnd(v, Loading())); }
  int ScalaPart1() const { return FScale1.ScalaPart(); }
  void SetScalaPart1(int v) { ModelChanged(FScale1.SetScalaPart(v)); }
  int ScalaPsub1() const { return FScale1.ScalaPsub(); }
  void SetScalaPsub1(int v) { ModelChanged(FScale1.SetScalaPsub(v)); }
  int ScalaPart2() const { return FScale2.ScalaPart(); }
  void SetScalaPart2(int v) { ModelChanged(FScale2.SetScalaPart(v)); }
  int ScalaPsub2() const { return FScale2.ScalaPsub(); }
  void SetScalaPsub2(int v) { ModelChanged(FScale2.SetScalaPsub(v)); }
  bool NonLinear1() const { return FScale1.NonLinear(); }
  void SetNonLinear1(bool v) { ModelChanged(FScale1.SetNonLinear(v, Loading())); }
  bool NonLinear2() const { return FScale2.NonLinear(); }
  void SetNonLinear2(bool v) { ModelChanged(FScale2.SetNonLinear(v, Loading())); }
  QString Caption1() const { return FCaption1; }
  void SetCaption1(const QString& v) { Rebuild(FCaption1, v); }
  QString Caption2() const { return FCaption2; }
  void SetCaption2(const QString& v) { Rebuild(FCaption2, v); }

  TColor ColLed1() const { return FScale1.Led(0).Color; }
  void SetColLed1(TColor v) { SetLedColor(0, v); }
  TColor ColLed2() const { return FScale1.Led(1).Color; }
  void SetColLed2(TColor v) { SetLedColor(1, v); }
  TColor ColLed3() const { return FScale2.Led(0).Color; }
  void SetColLed3(TColor v) { SetLedColor(2, v); }
  TColor ColLed4() const { return FScale2.Led(1).Color; }
  void SetColLed4(TColor v) { SetLedColor(3, v); }
  bool LedEnable1() const { return FLedEnable1; }
  void SetLedEnable1(bool v) { Rebuild(FLedEnable1, v); }
  bool LedEnable2() const { return FLedEnable2; }
  void SetLedEnable2(bool v) { Rebuild(FLedEnable2, v); }
  bool LedOn1() const { return FScale1.Led(0).On; }
  void SetLedOn1(bool v) { SetLedOn(0, v); }
  bool LedOn2() const { return FScale1.Led(1).On; }
  void SetLedOn2(bool v) { SetLedOn(1, v); }
  bool LedOn3() const { return FScale2.Led(0).On; }
  void SetLedOn3(bool v) { SetLedOn(2, v); }
  bool LedOn4() const { return FScale2.Led(1).On; }
  void SetLedOn4(bool v) { SetLedOn(3, v); }
  bool LedBlink1() const { return FScale1.Led(0).Blink; }
  void SetLedBlink1(bool v) { SetLedBlink(0, v); }
  bool LedBlink2() const { return FScale1.Led(1).Blink; }
  void SetLedBlink2(bool v) { SetLedBlink(1, v); }
  bool LedBlink3() const { return FScale2.Led(0).Blink; }
  void SetLedBlink3(bool v) { SetLedBlink(2, v); }
  bool LedBlink4() const { return FScale2.Led(1).Blink; }
  void SetLedBlink4(bool v) { SetLedBlink(3, v); }

  int Damping1() const { return FScale1.Damping(); }
  void SetDamping1(int v);
  int Damping2() const { return FScale2.Damping(); }
  void SetDamping2(int v);
  int DampPeak() const { return FScale2.DampPeak(); }
  void SetDampPeak(int v);
  TPeakPtrMode PeakMode() const { return FScale2.PeakMode(); }
  void SetPeakMode(TPeakPtrMode v);

  // Drops the peak pointer to the start of scale 2.
  void ResetPeak();

  const TMeterModel& Scale1() const { return FScale1; }
  const TMeterModel& Scale2() const { return FScale2; }
  // Where the captions were drawn, and the labels of the inner scale.
  TRect Caption1Rect() const { return FCaption1Rect; }
  TRect Caption2Rect() const { return FCaption2Rect; }
  const std::vector<TRect>& InnerLabelBoxes() const { return FInnerLabels; }

 protected:
  void Paint() override;
  void UpdateNeedle(bool force) override;
  int LedCount() const override { return 4; }
  TMeterLed& LedState(int i) override { return i < 2 ? FScale1.Led(i) : FScale2.Led(i - 2); }
  bool LedShown(int i) const override { return i < 2 ? FLedEnable1 : FLedEnable2; }
  void BlinkLeds(bool blinkState) override;

 private:
  void SetValue(TMeterModel& scale, double v);
  void PaintCaptions(TCanvas& c);

  TMeterModel FScale1, FScale2;
  TShapeTypeT FShape = sstRoundrect;
  TColor FColPointer1 = clRed, FColPointer2 = clRed, FColPeakPtr = clLime;
  TColor FColFont1 = clFuchsia, FColFont2 = clYellow;
  TColor FColScala1 = clFuchsia, FColScala2 = clYellow;
  QString FCaption1 = QStringLiteral("ALTITUDE");
  QString FCaption2 = QStringLiteral("feet");
  bool FLedEnable1 = true, FLedEnable2 = true;
  TRect FCaption1Rect, FCaption2Rect;
  std::vector<TRect> FInnerLabels;
};

}  // namespace Veltor
