#pragma once
// TMeter180: a half-circle meter whose pivot and hub lie just inside one edge
// of the face.

#include "meters/oriented_meter.h"

namespace Veltor {

class TMeter180 : public TOrientedMeter {
  Q_OBJECT
  Q_PROPERTY(Veltor::TColor ColCircle READ ColCircle WRITE SetColCircle)

 public:
  static constexpr int kSweep = 180;

  explicit TMeter180(QWidget* parent = nullptr);

 protected:
  TDialLayout MakeLayout() const override;
};

}  // namespace Veltor
