#pragma once
// TCustomRotary: what the rotary pot and the rotary selector share: the
// shaded knob with its exclusive-or pointer, the caption box below it, the
// preset button in the lower-left corner, the mouse handling around the knob
// centre and the wheel. Descendants add their value, their scale and what a
// turn does to the value.

#include "foundation/rahmen.h"
#include "potis/poti_layout.h"
#include "potis/poti_model.h"

#include <QString>

class QWheelEvent;

namespace Veltor {

class TCustomRotary : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(bool FontAutom READ FontAutom WRITE SetFontAutom)
  Q_PROPERTY(Veltor::TColor ColPointer READ ColPointer WRITE SetColPointer)
  Q_PROPERTY(Veltor::TColor ColCaption READ ColCaption WRITE SetColCaption)
  Q_PROPERTY(Veltor::TColor ColPreset READ ColPreset WRITE SetColPreset)
  Q_PROPERTY(Veltor::TColor ColScala READ ColScala WRITE SetColScala)
  Q_PROPERTY(Veltor::TColor ColButton READ ColButton WRITE SetColButton)
  Q_PROPERTY(Veltor::TColor ColLight READ ColLight WRITE SetColLight)
  Q_PROPERTY(Veltor::TColor ColShade READ ColShade WRITE SetColShade)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool CaptEnable READ CaptEnable WRITE SetCaptEnable)
  Q_PROPERTY(Veltor::FoundationEnums::TPanelBevel CaptBevel READ CaptBevel WRITE SetCaptBevel)
  Q_PROPERTY(bool PresEnable READ PresEnable WRITE SetPresEnable)
  Q_PROPERTY(bool ButtonSmall READ ButtonSmall WRITE SetButtonSmall)

 public:
  ~TCustomRotary() override;

  TColor ColPointer() const { return FColPointer; }
  void SetColPointer(TColor v) { Assign(FColPointer, v); }
  // Redraws only the caption box.
  TColor ColCaption() const { return FColCaption; }
  void SetColCaption(TColor v);
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
  // At most ten characters; a shown caption box is redrawn at once.
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  bool CaptEnable() const { return FCaptEnable; }
  void SetCaptEnable(bool v) { Assign(FCaptEnable, v); }
  TPanelBevel CaptBevel() const { return FCaptBevel; }
  void SetCaptBevel(TPanelBevel v) { Assign(FCaptBevel, v); }
  bool PresEnable() const { return FPresEnable; }
  void SetPresEnable(bool v) { Assign(FPresEnable, v); }
  // Stored and repainted; it changes nothing else.
  bool ButtonSmall() const { return FButtonSmall; }
  void SetButtonSmall(bool v) { Assign(FButtonSmall, v); }

  // Every place and hit area at the present size; needs no paint.
  virtual TRotaryLayout Layout() const = 0;
  // Where the pointer line ends now, as drawn.
  TPoint PointerTip() const { return FPointerEnd; }

 public slots:
  // Change notification of the font and the entries: repaints.
  void StyleChanged(QObject* Sender = nullptr);

 signals:
  // After every change the user makes (mouse, delayed drag, wheel).
  void onChanging(QObject* Sender);
  // At mouse-up when the press changed the value; after every wheel notch
  // that changed it.
  void onChanged(QObject* Sender);
  // At mouse-up after a press on the preset button.
  void onPreset(QObject* Sender);

 protected:
  explicit TCustomRotary(QWidget* parent);

  TRotaryLook RotaryLook() const;
  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void wheelEvent(QWheelEvent* e) override;

  // The scale layer (ticks and labels, or detents), in the label font.
  virtual void PaintScale(TCanvas& canvas, const TRotaryLayout& l) = 0;
  // The pointer's scale angle, 0..270.
  virtual double PointerAngle() const = 0;
  // A press at mouse angle alpha (not in the preset button).
  virtual void PressAt(double alpha) = 0;
  // A move with the button held from lastAlpha to alpha.
  virtual void DragTo(double lastAlpha, double alpha) = 0;
  // Whole wheel notches, positive turning clockwise.
  virtual void WheelBy(int notches) = 0;
  virtual void Released() {}

  // Moves the drawn pointer to PointerAngle(), when the dial is on screen.
  void MovePointer();
  // The user changed the value: remembered for mouse-up, and onChanging.
  void UserChanged();
  // The first paint has laid the dial out.
  bool DialPainted() const { return FDialPainted; }
  // Whether the dial's picture is there to draw into outside Paint.
  bool CanDrawNow() { return FDialPainted && !Invalidated(); }

 private:
  void DrawCaptionNow();
  void DrawPresetNow(bool pressed);

  TColor FColPointer = clSilver;
  TColor FColCaption = clBlack;
  TColor FColPreset = clBlack;
  TColor FColScala = clBlack;
  TColor FColButton = 0xBFBF00;
  TColor FColLight = 0xF0F0B0;
  TColor FColShade = clGray;
  QString FCaption;
  bool FCaptEnable = false;
  TPanelBevel FCaptBevel = bvNone;
  bool FPresEnable = false;
  bool FButtonSmall = false;

  bool FDialPainted = false;
  TPoint FPointerEnd;
  // One press, from mouse-down to mouse-up.
  bool FTracking = false;
  bool FChanged = false;
  bool FPresetPressed = false;
  double FLastAlpha = 0;
  TWheelNotches FWheel;
};

}  // namespace Veltor
