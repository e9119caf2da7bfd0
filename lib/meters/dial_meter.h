#pragma once
// TDialMeter: what every round meter does with its layers. The dial is drawn
// only by Paint into DrawBitmap; pointers and LED lamps are composed on a
// copy in BackBitmap, which goes to the screen. Motion between value changes
// comes from the tick registry through the needle-step message, LED blinking
// from the blink clock.
//
// Descendants provide the dial (Paint), one motion step (UpdateNeedle) and
// their LEDs (LedState, LedShown).

#include "foundation/tickregistry.h"
#include "foundation/veltorbase.h"
#include "meters/dial_layout.h"
#include "meters/meter_model.h"

#include <vector>

namespace Veltor {

class TDialMeter : public TVeltorBase {
  Q_OBJECT
  Q_PROPERTY(bool FontAutom READ FontAutom WRITE SetFontAutom)
  Q_PROPERTY(Veltor::TColor ColBack READ ColBack WRITE SetColBack)
  Q_PROPERTY(Veltor::TColor ColShape READ ColShape WRITE SetColShape)

 public:
  TColor ColShape() const { return FColShape; }
  void SetColShape(TColor v) { Rebuild(FColShape, v); }
  TColor ColCircle() const { return FColCircle; }
  void SetColCircle(TColor v) { Rebuild(FColCircle, v); }

  // Asks for a full repaint through the paint cycle.
  Q_INVOKABLE void StyleChanged(QObject* Sender);
  // Valid after the first paint.
  const TDialLayout& Layout() const { return FLayout; }

 signals:
  void OnDblClick(QObject* Sender);

 protected:
  explicit TDialMeter(QWidget* parent);

  // One motion step and, when something moved or `force`, the picture.
  virtual void UpdateNeedle(bool force) = 0;
  // The LEDs, numbered from 0, and whether LED i is shown at all.
  virtual int LedCount() const = 0;
  virtual TMeterLed& LedState(int i) = 0;
  virtual bool LedShown(int i) const = 0;
  // Blink clock: blinking LEDs take their phase; range marks may blink too.
  virtual void BlinkLeds(bool blinkState) = 0;
  virtual void BlinkMarks() {}
  // Called after each copy to the screen, which wipes what was drawn there.
  virtual void AfterCopy() {}

  void WndProc(TMessage& Message) override;
  void mouseDoubleClickEvent(QMouseEvent* e) override;

  // A dial property: store and, once painted, rebuild the dial at once.
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
  // A pointer colour: store and recompose.
  void SetPointerColour(TColor& field, TColor v);
  // Needle motion on the tick while any damping asks for it.
  void RunTicker(bool on);

  // A pointer to compose: where it stands now, its colour, and whether it is
  // shown at all.
  struct TPointer {
    TPolygon3 Poly;
    TColor Colour;
    bool Shown = true;
  };
  // The polygon `start` turned to `fraction` of the scale.
  TPolygon3 PointerAt(const TPolygon3& start, double fraction) const;
  // Puts the pointers and the LED lamps on a copy of the dial and the result
  // on the screen: all of it with `full`, else only where the pointers were
  // and are, plus `extra`.
  void Compose(const std::vector<TPointer>& pointers, bool full, std::vector<TRect> extra);
  // Pointers as drawn last (empty before the first composition).
  const std::vector<TPointer>& Drawn() const { return FDrawn; }

  void SetLedColor(int i, TColor v);
  void SetLedOn(int i, bool v);
  void SetLedBlink(int i, bool v);

  TDialLayout FLayout;
  TColor FColShape = clWhite;
  TColor FColCircle = clGray;

 private:
  TRect LedBounds(int i) const;
  void DrawLamp(TCanvas& canvas, int i);
  void DrawLed(int i);
  void BlinkTick();

  std::vector<TPointer> FDrawn;
  TTickSubscription FTicker;
  TTickSubscription FBlinker;
};

}  // namespace Veltor
