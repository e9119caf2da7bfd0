#pragma once
// TMeter270: the reference round meter. A face carrying a 270 degree scale
// from the lower left clockwise over the top to the lower right, three
// coloured zones, ticks and labels, a four-digit read-out with a unit caption,
// a hub, a triangular needle, an optional peak pointer, two LEDs and the
// maker's mark.

#include "meters/round_meter.h"

namespace Veltor {

using TMeter270Layout = TDialLayout;

class TMeter270 : public TRoundMeter {
  Q_OBJECT
  Q_PROPERTY(Veltor::MeterEnums::TShapeTypeT Shape READ Shape WRITE SetShape)
  Q_PROPERTY(Veltor::TColor ColCircle READ ColCircle WRITE SetColCircle)

 public:
  static constexpr int kSweep = 270;

  explicit TMeter270(QWidget* parent = nullptr);

  TShapeTypeT Shape() const { return FShape; }
  void SetShape(TShapeTypeT v) { Rebuild(FShape, v); }

 protected:
  TDialLayout MakeLayout() const override;

 private:
  TShapeTypeT FShape = sstRoundrect;
};

}  // namespace Veltor
