#pragma once
// TCustomSlide: what the slide pot and the slide selector share: the
// vertical slot with its scale, the knob picture moving along it, the caption
// box at the top, the preset button at the lower right, the press with its
// events and the wheel. Descendants add their value and what a press at a
// row does to it.

#include "foundation/rahmen.h"
#include "potis/poti_model.h"
#include "potis/slide_paint.h"

#include <QString>

class QWheelEvent;

namespace Veltor {

class TCustomSlide : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(bool FontAutom READ FontAutom WRITE SetFontAutom)
  Q_PROPERTY(Veltor::TColor ColScala READ ColScala WRITE SetColScala)
  Q_PROPERTY(Veltor::TColor ColButton READ ColButton WRITE SetColButton)
  Q_PROPERTY(Veltor::TColor ColCaption READ ColCaption WRITE SetColCaption)
  Q_PROPERTY(Veltor::TColor ColPreset READ ColPreset WRITE SetColPreset)
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool CaptEnable READ CaptEnable WRITE SetCaptEnable)
  Q_PROPERTY(Veltor::FoundationEnums::TPanelBevel CaptBevel READ CaptBevel WRITE SetCaptBevel)
  Q_PROPERTY(bool PresEnable READ PresEnable WRITE SetPresEnable)

 public:
  ~TCustomSlide() override;

  TColor ColScala() const { return FColScala; }
  void SetColScala(TColor v) { Assign(FColScala, v); }
  TColor ColButton() const { return FColButton; }
  void SetColButton(TColor v) { Assign(FColButton, v); }
  // Redraws only the caption box.
  TColor ColCaption() const { return FColCaption; }
  void SetColCaption(TColor v);
  TColor ColPreset() const { return FColPreset; }
  void SetColPreset(TColor v) { Assign(FColPreset, v); }
  // At most ten characters; a shown caption box is redrawn at once.
  QString Caption() const { return FCaption; }
  void SetCaption(const QString& v);
  bool CaptEnable() const { return FCaptEnable; }
  void SetCaptEnable(bool v) { Assign(FCaptEnable, v); }
  TPanelBevel CaptBevel() const { return FCaptBevel; }
  void SetCaptBevel(TPanelBevel v) { Assign(FCaptBevel, v); }
  bool PresEnable() const { return FPresEnable; }
  void SetPresEnable(bool v) { Assign(FPresEnable, v); }

  // Every place and hit area at the present size; needs no paint.
  TSlideLayout Layout() const;
  // Where the knob is drawn now (empty before the first paint).
  TRect KnobRect() const { return FKnob.Placed() ? FKnob.Place() : TRect(); }

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
  explicit TCustomSlide(QWidget* parent);

  void Paint() override;
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void MouseMove(TShiftState Shift, int X, int Y) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void wheelEvent(QWheelEvent* e) override;

  // Labels in decades take a smaller font.
  virtual bool DecadeLabels() const { return false; }
  // Labels that need the width: the slot moves left.
  virtual bool NarrowLeft() const { return false; }
  virtual void PaintScale(TCanvas& canvas, const TSlideLayout& l) = 0;
  // The row the knob's middle shows the value at.
  virtual int KnobRow(const TSlideLayout& l) const = 0;
  // A press at row y (not in the preset button), a move with it held.
  virtual void PressAt(const TSlideLayout& l, int y) = 0;
  virtual void DragTo(const TSlideLayout& l, int y) = 0;
  // Whole wheel notches, positive upwards.
  virtual void WheelBy(int notches) = 0;
  virtual void Released() {}

  // Moves the knob to the value, when the slide is on screen.
  void MoveKnob();
  // The user changed the value: remembered for mouse-up, and onChanging.
  void UserChanged();
  bool SlidePainted() const { return FSlidePainted; }

 private:
  bool CanDrawNow() { return FSlidePainted && !Invalidated(); }
  void DrawCaptionNow();
  void DrawPresetNow(bool pressed);

  TColor FColScala = clBlack;
  TColor FColButton = 0xBFBF00;
  TColor FColCaption = clBlack;
  TColor FColPreset = clBlack;
  QString FCaption;
  bool FCaptEnable = false;
  TPanelBevel FCaptBevel = bvNone;
  bool FPresEnable = false;

  bool FSlidePainted = false;
  TKnobSprite FKnob;
  // One press, from mouse-down to mouse-up.
  bool FTracking = false;
  bool FChanged = false;
  bool FPresetPressed = false;
  TWheelNotches FWheel;
};

}  // namespace Veltor
