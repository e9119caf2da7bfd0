#pragma once
// TPotiSlide: a vertical slide potentiometer. A knob in a slot shows a value
// between ValueStart (bottom) and ValueEnd (top) on a linear scale or, with
// NonLinear, on a scale in decades; the user drags it with the left mouse
// button (at once or crawling with DragDelay) or steps it with the wheel.

#include "foundation/tickregistry.h"
#include "potis/poti_model.h"
#include "potis/slide.h"

namespace Veltor {

class TPotiSlide : public TCustomSlide {
  Q_OBJECT
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(double ValueStart READ ValueStart WRITE SetValueStart)
  Q_PROPERTY(double ValueEnd READ ValueEnd WRITE SetValueEnd)
  Q_PROPERTY(int ScalaPart READ ScalaPart WRITE SetScalaPart)
  Q_PROPERTY(bool NonLinear READ NonLinear WRITE SetNonLinear)
  Q_PROPERTY(int DragDelay READ DragDelay WRITE SetDragDelay)

 public:
  explicit TPotiSlide(QWidget* parent = nullptr);
  ~TPotiSlide() override;

  // Clamped to the range; moves the knob and fires no event.
  double Value() const { return FModel.Value(); }
  void SetValue(double v);
  // Kept within -1000..1000 and at least one apart; in decades they snap
  // down to their decade and stay at least a decade apart.
  double ValueStart() const { return FModel.Start(); }
  void SetValueStart(double v);
  double ValueEnd() const { return FModel.End(); }
  void SetValueEnd(double v);
  // Divisions 1..20 of a linear scale, sub-divisions of each decade.
  int ScalaPart() const { return FScalaPart; }
  void SetScalaPart(int v);
  // A scale in decades; switching it on brings the range above zero.
  bool NonLinear() const { return FModel.DecadeMode(); }
  void SetNonLinear(bool v);
  // 0: the value follows the mouse at once; n: it crawls towards the mouse
  // by a fifteenth of the range per tick and per unit, 0..20.
  int DragDelay() const { return FDragDelay; }
  void SetDragDelay(int v);

  // The value at row y of the track, not clamped.
  double ValueAtRow(const TSlideLayout& l, int y) const;

 protected:
  void Loaded() override;
  bool DecadeLabels() const override { return NonLinear(); }
  void PaintScale(TCanvas& canvas, const TSlideLayout& l) override;
  int KnobRow(const TSlideLayout& l) const override;
  void PressAt(const TSlideLayout& l, int y) override;
  void DragTo(const TSlideLayout& l, int y) override;
  void WheelBy(int notches) override;
  void Released() override;

 private:
  void Follow(double v);
  bool ChangeByUser(double v);
  void DragTick();

  TPotiModel FModel;
  int FScalaPart = 5;
  int FDragDelay = 0;
  double FDragTarget = 0;
  TTickSubscription FDragTicker;
};

}  // namespace Veltor
