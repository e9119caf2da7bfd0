#pragma once
// TOrientedMeter: a round meter whose scale faces one side of the control,
// with its pivot near or beyond the opposite edge: the base of TMeter120 and
// TMeter180. The face is a rectangle or rounded rectangle that runs past the
// sides whose frame is switched off.

#include "meters/round_meter.h"

namespace Veltor {

class TOrientedMeter : public TRoundMeter {
  Q_OBJECT
  Q_PROPERTY(Veltor::MeterEnums::TmShapeType Shape READ Shape WRITE SetShape)
  Q_PROPERTY(Veltor::MeterEnums::TOrientType Orientation READ Orientation WRITE SetOrientation)

 public:
  TmShapeType Shape() const { return FShape; }
  void SetShape(TmShapeType v) { Rebuild(FShape, v); }
  MeterEnums::TOrientType Orientation() const { return FOrientation; }
  void SetOrientation(MeterEnums::TOrientType v) { Rebuild(FOrientation, v); }

 protected:
  using TRoundMeter::TRoundMeter;

 private:
  TmShapeType FShape = smtRoundrect;
  MeterEnums::TOrientType FOrientation = MeterEnums::orTop;
};

}  // namespace Veltor
