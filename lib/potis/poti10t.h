#pragma once
// TPoti10T: a ten-turn precision pot. A press on the outer dial sets the
// value by angle on the 270-degree scale; a press on the central knob turns
// it finely, a whole turn of the mouse moving the value by a tenth of the
// range. A triangle shows the value, a round marker the fine turning; a
// seven-segment read-out shows the number and two LEDs sit in the corners.

#include "foundation/digit.h"
#include "foundation/tickregistry.h"
#include "foundation/veltorbase.h"
#include "potis/poti10t_layout.h"
#include "potis/poti_model.h"

#include <QString>

class QWheelEvent;

namespace Veltor {

class TPoti10T : public TVeltorBase {
  Q_OBJECT
  Q_PROPERTY(bool FontAutom READ FontAutom WRITE SetFontAutom)
  Q_PROPERTY(Veltor::TColor ColPointer1 READ ColPointer1 WRITE SetColPointer1)
  Q_PROPERTY(Veltor::TColor ColPointer2 READ ColPointer2 WRITE SetColPointer2)
  Q_PROPERTY(Veltor::TColor ColCaption READ ColCaption WRITE SetColCaption)
  Q_PROPERTY(Veltor::TColor ColPreset READ ColPreset WRITE SetColPreset)
  Q_PROPERTY(Veltor::TColor ColScala READ ColScala WRITE SetColScala)
  Q_PROPERTY(Veltor::TColor ColButton READ ColButton WRITE SetColButton)
  Q_PROPERTY(Veltor::TColor ColLight READ ColLight WRITE SetColLight)
  Q_PROPERTY(Veltor::TColor ColShade READ ColShade WRITE SetColShade)
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(double ValueStart READ ValueStart WRITE SetValueStart)
  Q_PROPERTY(double ValueEnd READ ValueEnd WRITE SetValueEnd)
  Q_PROPERTY(int ScalaPart READ ScalaPart WRITE SetScalaPart)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool CaptEnable READ CaptEnable WRITE SetCaptEnable)
  Q_PROPERTY(bool PresEnable READ PresEnable WRITE SetPresEnable)
  Q_PROPERTY(bool DispEnable READ DispEnable WRITE SetDispEnable)
  Q_PROPERTY(Veltor::TColor ColDBack READ ColDBack WRITE SetColDBack)
  Q_PROPERTY(Veltor::TColor ColDRand READ ColDRand WRITE SetColDRand)
  Q_PROPERTY(Veltor::TColor ColDisplay READ ColDisplay WRITE SetColDisplay)
  Q_PROPERTY(bool DispItalic READ DispItalic WRITE SetDispItalic)
  Q_PROPERTY(bool DispFixPnt READ DispFixPnt WRITE SetDispFixPnt)
  Q_PROPERTY(int DragDelay READ DragDelay WRITE SetDragDelay)
  Q_PROPERTY(Veltor::TColor ColLed1 READ ColLed1 WRITE SetColLed1)
  Q_PROPERTY(Veltor::TColor ColLed2 READ ColLed2 WRITE SetColLed2)
  Q_PROPERTY(bool LedEnable READ LedEnable WRITE SetLedEnable)
  Q_PROPERTY(bool LedOn1 READ LedOn1 WRITE SetLedOn1)
  Q_PROPERTY(bool LedOn2 READ LedOn2 WRITE SetLedOn2)
  Q_PROPERTY(bool LedBlink1 READ LedBlink1 WRITE SetLedBlink1)
  Q_PROPERTY(bool LedBlink2 READ LedBlink2 WRITE SetLedBlink2)

 public:
  explicit TPoti10T(QWidget* parent = nullptr);
  ~TPoti10T() override;

  TColor ColPointer1() const { return FColPointer1; }
  void SetColPointer1(TColor v) { Assign(FColPointer1, v); }
  TColor ColPointer2() const { return FColPointer2; }
  void SetColPointer2(TColor v) { Assign(FColPointer2, v); }
  TColor ColCaption() const { return FColCaption; }
  void SetColCaption(TColor v) { Assign(FColCaption, v); }
  TColor ColPreset() const { return FColPreset; }
  void SetColPreset(TColor v) { Assign(FColPreset, v); }
  TColor ColScala() const { return FColScala; }
  void SetColScala(TColor v) { Assign(FColScala, v); }
  TColor ColButton() const { return FColButton; }
  void SetColButton(TColor v) { Assign(FColButton, v); }
  TColor ColLight() const { return FColLight; }
  void SetColLight(TColor v) { Assign(FColLight, v); }
  TColor ColShade() const { return FColShade; }
  void SetColShade(TColor v) { Assign(FColShade, v); }

  // Clamped to the range; moves the pointer and the read-out, no event.
  double Value() const { return FModel.Value(); }
  void SetValue(double v);
  // Kept within -100..100 and at least one apart; the value follows.
  double ValueStart() const { return FModel.Start(); }
  void SetValueStart(double v);
  double ValueEnd() const { return FModel.End(); }
  void SetValueEnd(double v);
  // Scale divisions, 1..10.
  int ScalaPart() const { return FScalaPart; }
  void SetScalaPart(int v);
  // At most ten characters.
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  bool CaptEnable() const { return FCaptEnable; }
  void SetCaptEnable(bool v) { Assign(FCaptEnable, v); }
  bool PresEnable() const { return FPresEnable; }
  void SetPresEnable(bool v) { Assign(FPresEnable, v); }

  bool DispEnable() const { return FDispEnable; }
  void SetDispEnable(bool v) { Assign(FDispEnable, v); }
  TColor ColDBack() const { return FColDBack; }
  void SetColDBack(TColor v) { Assign(FColDBack, v); }
  TColor ColDRand() const { return FColDRand; }
  void SetColDRand(TColor v) { Assign(FColDRand, v); }
  TColor ColDisplay() const { return FColDisplay; }
  void SetColDisplay(TColor v) { Assign(FColDisplay, v); }
  bool DispItalic() const { return FDispItalic; }
  void SetDispItalic(bool v);
  // Decimals fixed by the range rather than by the value.
  bool DispFixPnt() const { return FDispFixPnt; }
  void SetDispFixPnt(bool v);
  // 0..20, as the rotary pot's.
  int DragDelay() const { return FDragDelay; }
  void SetDragDelay(int v);

  // The LEDs: colour, lit, blinking. A change redraws only the LED.
  TColor ColLed1() const { return FLeds[0].Colour; }
  void SetColLed1(TColor v) { SetLedColour(0, v); }
  TColor ColLed2() const { return FLeds[1].Colour; }
  void SetColLed2(TColor v) { SetLedColour(1, v); }
  bool LedEnable() const { return FLedEnable; }
  void SetLedEnable(bool v) { Assign(FLedEnable, v); }
  bool LedOn1() const { return FLeds[0].On; }
  void SetLedOn1(bool v) { SetLedOn(0, v); }
  bool LedOn2() const { return FLeds[1].On; }
  void SetLedOn2(bool v) { SetLedOn(1, v); }
  bool LedBlink1() const { return FLeds[0].Blink; }
  void SetLedBlink1(bool v) { SetLedBlink(0, v); }
  bool LedBlink2() const { return FLeds[1].Blink; }
  void SetLedBlink2(bool v) { SetLedBlink(1, v); }
  // Whether LED i (0 or 1) shows lit now.
  bool LedLit(int i) const;

  // What one wheel notch adds: half a scale division.
  double WheelStep() const { return FModel.Span() / (2.0 * FScalaPart); }
  TPoti10TLayout Layout() const;
  // The read-out's text as shown.
  QString ReadoutShown() const { return FReadout.Text(); }
  // Whether the last press turns the fine knob.
  bool FineMode() const { return FFine; }

 public slots:
  void StyleChanged(QObject* Sender = nullptr);

 signals:
  void onChanging(QObject* Sender);
  void onChanged(QObject* Sender);
  void onPreset(QObject* Sender);

 protected:
  void Loaded() override;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void wheelEvent(QWheelEvent* e) override;

 private:
  struct TLed {
    TColor Colour;
    bool On = false;
    bool Blink = false;
    bool Phase = false;  // lit in this blink phase
  };

  void PaintDial(TCanvas& c, const TPoti10TLayout& l);
  void PaintMoving(TCanvas& c, const TPoti10TLayout& l);
  // Recomposes the pointer, marker and read-out where they changed.
  void UpdateMoving();
  void DrawLamp(TCanvas& c, const TPoti10TLayout& l, int i);
  void DrawLed(int i);
  void SetLedColour(int i, TColor v);
  void SetLedOn(int i, bool v);
  void SetLedBlink(int i, bool v);
  void BlinkTick();
  bool CanDrawNow() { return Painted() && !Invalidated(); }

  void Follow(double v);
  bool ChangeByUser(double v);
  void UserChanged();
  void DragTick();
  void DrawPresetNow(bool pressed);

  TPotiModel FModel;
  TColor FColPointer1 = clRed;
  TColor FColPointer2 = clBlue;
  TColor FColCaption = clBlack;
  TColor FColPreset = clBlack;
  TColor FColScala = clBlack;
  TColor FColButton = 0xBFBF00;
  TColor FColLight = 0xF0F0B0;
  TColor FColShade = clGray;
  int FScalaPart = 5;
  QString FCaption;
  bool FCaptEnable = false;
  bool FPresEnable = false;
  bool FDispEnable = true;
  TColor FColDBack = clBlack;
  TColor FColDRand = clWhite;
  TColor FColDisplay = clLime;
  bool FDispItalic = false;
  bool FDispFixPnt = true;
  int FDragDelay = 0;
  bool FLedEnable = true;
  TLed FLeds[2] = {{clRed}, {clLime}};

  TDigDisplay FReadout;
  // What is drawn now: the pointer's angle and the marker's.
  double FShownAngle = -1;
  double FShownFine = -1;
  // The mouse angle of the last fine-mode event; 0 after each paint.
  double FFineAngle = 0;
  bool FFine = false;
  bool FTracking = false;
  bool FChanged = false;
  bool FPresetPressed = false;
  double FLastAlpha = 0;
  double FDragTarget = 0;
  TTickSubscription FDragTicker;
  TTickSubscription FBlinker;
  TWheelNotches FWheel;
};

}  // namespace Veltor
