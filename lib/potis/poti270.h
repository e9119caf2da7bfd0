#pragma once
// TPoti270: a rotary potentiometer. A shaded knob with a pointer shows a
// value between ValueStart and ValueEnd on a 270-degree scale; the user turns
// it with the left mouse button (the knob follows the mouse around its
// centre, at once or crawling with DragDelay) or with the wheel.

#include "foundation/tickregistry.h"
#include "potis/poti_model.h"
#include "potis/rotary.h"

namespace Veltor {

class TPoti270 : public TCustomRotary {
  Q_OBJECT
  Q_PROPERTY(double Value READ Value WRITE SetValue)
  Q_PROPERTY(double ValueStart READ ValueStart WRITE SetValueStart)
  Q_PROPERTY(double ValueEnd READ ValueEnd WRITE SetValueEnd)
  Q_PROPERTY(int ScalaPart READ ScalaPart WRITE SetScalaPart)
  Q_PROPERTY(int DragDelay READ DragDelay WRITE SetDragDelay)

 public:
  explicit TPoti270(QWidget* parent = nullptr);
  ~TPoti270() override;

  // Clamped to the range; moves the pointer and fires no event.
  double Value() const { return FModel.Value(); }
  void SetValue(double v);
  // Kept within -100..100 and at least one below/above the other end; the
  // value follows into the new range.
  double ValueStart() const { return FModel.Start(); }
  void SetValueStart(double v);
  double ValueEnd() const { return FModel.End(); }
  void SetValueEnd(double v);
  // Scale divisions, 1..10.
  int ScalaPart() const { return FScalaPart; }
  void SetScalaPart(int v);
  // 0: the value follows the mouse at once; n: it crawls towards the mouse
  // by a fifteenth of the range per tick and per unit, 0..20.
  int DragDelay() const { return FDragDelay; }
  void SetDragDelay(int v);

  // What one wheel notch adds: half a scale division.
  double WheelStep() const { return FModel.Span() / (2.0 * FScalaPart); }

  TRotaryLayout Layout() const override;

 protected:
  void Loaded() override;
  void PaintScale(TCanvas& canvas, const TRotaryLayout& l) override;
  double PointerAngle() const override;
  void PressAt(double alpha) override;
  void DragTo(double lastAlpha, double alpha) override;
  void WheelBy(int notches) override;
  void Released() override;

 private:
  // Applies a value the mouse asks for: at once, or as the target of the
  // delayed drag.
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
