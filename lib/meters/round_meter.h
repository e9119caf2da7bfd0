#pragma once
// TRoundMeter: the single-needle round meter. One value model, three
// coloured zones, a scale with labels, a four-digit read-out with a unit
// caption, an optional hub, a triangular needle, an optional peak pointer,
// two LEDs and the maker's mark. The sweep, the direction and every place
// come from the descendant's layout (TMeter270, TMeter180, TMeter120); the
// drawing is the same for all of them.

#include "foundation/digit.h"
#include "meters/dial_meter.h"
#include "meters/dial_paint.h"

#include <QHash>
#include <QImage>

#include <array>

namespace Veltor {

class TRoundMeter : public TDialMeter {
  Q_OBJECT
  Q_PROPERTY(Veltor::TColor ColMin READ ColMin WRITE SetColMin)
  Q_PROPERTY(Veltor::TColor ColMid READ ColMid WRITE SetColMid)
  Q_PROPERTY(Veltor::TColor ColMax READ ColMax WRITE SetColMax)
  Q_PROPERTY(Veltor::TColor ColPointer READ ColPointer WRITE SetColPointer)
  Q_PROPERTY(Veltor::TColor ColPeakPtr READ ColPeakPtr WRITE SetColPeakPtr)
  Q_PROPERTY(Veltor::TColor ColDBack READ ColDBack WRITE SetColDBack)
  Q_PROPERTY(Veltor::TColor ColDRand READ ColDRand WRITE SetColDRand)
  Q_PROPERTY(Veltor::TColor ColDisplay READ ColDisplay WRITE SetColDisplay)
  Q_PROPERTY(Veltor::TColor ColScala READ ColScala WRITE SetColScala)
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(double ValueStart READ ValueStart WRITE SetValueStart)
  Q_PROPERTY(double ValueEnd READ ValueEnd WRITE SetValueEnd)
  Q_PROPERTY(double ValueMinA READ ValueMinA WRITE SetValueMinA)
  Q_PROPERTY(double ValueMinE READ ValueMinE WRITE SetValueMinE)
  Q_PROPERTY(double ValueMidA READ ValueMidA WRITE SetValueMidA)
  Q_PROPERTY(double ValueMidE READ ValueMidE WRITE SetValueMidE)
  Q_PROPERTY(double ValueMaxA READ ValueMaxA WRITE SetValueMaxA)
  Q_PROPERTY(double ValueMaxE READ ValueMaxE WRITE SetValueMaxE)
  Q_PROPERTY(int ScalaPart READ ScalaPart WRITE SetScalaPart)
  Q_PROPERTY(int ScalaPsub READ ScalaPsub WRITE SetScalaPsub)
  Q_PROPERTY(bool NonLinear READ NonLinear WRITE SetNonLinear)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(Veltor::TColor ColLed1 READ ColLed1 WRITE SetColLed1)
  Q_PROPERTY(Veltor::TColor ColLed2 READ ColLed2 WRITE SetColLed2)
  Q_PROPERTY(bool LedEnable READ LedEnable WRITE SetLedEnable)
  Q_PROPERTY(bool LedOn1 READ LedOn1 WRITE SetLedOn1)
  Q_PROPERTY(bool LedOn2 READ LedOn2 WRITE SetLedOn2)
  Q_PROPERTY(bool LedBlink1 READ LedBlink1 WRITE SetLedBlink1)
  Q_PROPERTY(bool LedBlink2 READ LedBlink2 WRITE SetLedBlink2)
  Q_PROPERTY(bool DispEnable READ DispEnable WRITE SetDispEnable)
  Q_PROPERTY(bool DispItalic READ DispItalic WRITE SetDispItalic)
  Q_PROPERTY(bool DispFixPnt READ DispFixPnt WRITE SetDispFixPnt)
  Q_PROPERTY(int Damping READ Damping WRITE SetDamping)
  Q_PROPERTY(int DampPeak READ DampPeak WRITE SetDampPeak)
  Q_PROPERTY(Veltor::MeterEnums::TPeakPtrMode PeakMode READ PeakMode WRITE SetPeakMode)

 public:
  TColor ColMin() const { return FColMin; }
  void SetColMin(TColor v) { Rebuild(FColMin, v); }
  TColor ColMid() const { return FColMid; }
  void SetColMid(TColor v) { Rebuild(FColMid, v); }
  TColor ColMax() const { return FColMax; }
  void SetColMax(TColor v) { Rebuild(FColMax, v); }
  TColor ColPointer() const { return FColPointer; }
  void SetColPointer(TColor v) { SetPointerColour(FColPointer, v); }
  TColor ColPeakPtr() const { return FColPeakPtr; }
  void SetColPeakPtr(TColor v) { SetPointerColour(FColPeakPtr, v); }
  TColor ColDBack() const { return FColDBack; }
  void SetColDBack(TColor v) { Rebuild(FColDBack, v); }
  TColor ColDRand() const { return FColDRand; }
  void SetColDRand(TColor v) { Rebuild(FColDRand, v); }
  TColor ColDisplay() const { return FColDisplay; }
  void SetColDisplay(TColor v) { Rebuild(FColDisplay, v); }
  TColor ColScala() const { return FColScala; }
  void SetColScala(TColor v) { Rebuild(FColScala, v); }

  double Value() const { return FModel.Value(); }
  void SetValue(double v);
  double ValueStart() const { return FModel.ValueStart(); }
  void SetValueStart(double v) { ModelChanged(FModel.SetValueStart(v, Loading())); }
  double ValueEnd() const { return FModel.ValueEnd(); }
  void SetValueEnd(double v) { ModelChanged(FModel.SetValueEnd(v, Loading())); }
  double ValueMinA() const { return FModel.ValueMinA(); }
  void SetValueMinA(double v) { ModelChanged(FModel.SetValueMinA(v, Loading())); }
  double ValueMinE() const { return FModel.ValueMinE(); }
  void SetValueMinE(double v) { ModelChanged(FModel.SetValueMinE(v, Loading())); }
  double ValueMidA() const { return FModel.ValueMidA(); }
  void SetValueMidA(double v) { ModelChanged(FModel.SetValueMidA(v, Loading())); }
  double ValueMidE() const { return FModel.ValueMidE(); }
  void SetValueMidE(double v) { ModelChanged(FModel.SetValueMidE(v, Loading())); }
  double ValueMaxA() const { return FModel.ValueMaxA(); }
  void SetValueMaxA(double v) { ModelChanged(FModel.SetValueMaxA(v, Loading())); }
  double ValueMaxE() const { return FModel.ValueMaxE(); }
  void SetValueMaxE(double v) { ModelChanged(FModel.SetValueMaxE(v, Loading())); }
  int ScalaPart() const { return FModel.ScalaPart(); }
  void SetScalaPart(int v) { ModelChanged(FModel.SetScalaPart(v)); }
  int ScalaPsub() const { return FModel.ScalaPsub(); }
  void SetScalaPsub(int v) { ModelChanged(FModel.SetScalaPsub(v)); }
  bool NonLinear() const { return FModel.NonLinear(); }
  void SetNonLinear(bool v) { ModelChanged(FModel.SetNonLinear(v, Loading())); }
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v) { Rebuild(FCaption, v); }

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

  bool DispEnable() const { return FDispEnable; }
  void SetDispEnable(bool v) { Rebuild(FDispEnable, v); }
  bool DispItalic() const { return FReadout.DigItalic; }
  void SetDispItalic(bool v);
  bool DispFixPnt() const { return FModel.DispFixPnt(); }
  void SetDispFixPnt(bool v);
  int Damping() const { return FModel.Damping(); }
  void SetDamping(int v);
  int DampPeak() const { return FModel.DampPeak(); }
  void SetDampPeak(int v);
  TPeakPtrMode PeakMode() const { return FModel.PeakMode(); }
  void SetPeakMode(TPeakPtrMode v);

  // Drops the peak pointer to the scale start.
  void ResetPeak();

  const TMeterModel& Model() const { return FModel; }
  TRect StartLabelBox() const { return FLabels.Start; }
  TRect EndLabelBox() const { return FLabels.End; }
  QString ReadoutText() const { return FReadoutText; }
  // Where the dial's labels and caption were drawn.
  const std::vector<TRect>& LabelBoxes() const { return FLabels.Texts; }
  TRect CaptionBox() const { return FCaptionRect; }

 signals:
  void OnUpperLim(QObject* Sender);
  void OnLowerLim(QObject* Sender);

 protected:
  explicit TRoundMeter(QWidget* parent);

  // Where everything of this meter's dial sits for the current size.
  virtual TDialLayout MakeLayout() const = 0;
  TDialSides Sides() const { return {BordLeft(), BordTop(), BordRight(), BordBottom()}; }

  void Paint() override;
  void UpdateNeedle(bool force) override;
  int LedCount() const override { return 2; }
  TMeterLed& LedState(int i) override { return FModel.Led(i); }
  bool LedShown(int) const override { return FLedEnable; }
  void BlinkLeds(bool blinkState) override;
  void BlinkMarks() override;
  void AfterCopy() override { DrawMarks(false); }

 private:
  // Draws the cells of text that changed (all of them with `all`) onto the
  // dial; returns the rectangle they cover.
  TRect DrawReadout(const QString& text, bool all);
  void PaintReadoutBox(TCanvas& c);
  void DrawMarks(bool toggle);

  TMeterModel FModel;
  static constexpr int kReadoutCells = 4;
  // What a read-out cell shows and its pictures of the characters it has
  // shown since the dial was drawn.
  struct TCellCache {
    QString Shown;
    QHash<QString, QImage> Pictures;
  };
  TDigDisplay FReadout;
  std::array<TCellCache, kReadoutCells> FCells;
  QString FReadoutText;  // as drawn
  TColor FColMin = clYellow, FColMid = clLime, FColMax = clRed;
  TColor FColPointer = clRed, FColPeakPtr = clYellow;
  TColor FColDBack = clBlack, FColDRand = clWhite, FColDisplay = clAqua;
  TColor FColScala = clWhite;
  QString FCaption = QStringLiteral("U/min x100");
  bool FLedEnable = true;
  bool FDispEnable = true;
  TLabelBoxes FLabels;
  TRect FCaptionRect;
};

}  // namespace Veltor
