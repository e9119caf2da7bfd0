#pragma once
// TMeter120: a 120 degree meter without a hub whose pivot lies outside the
// face; needle and zones never leave the face.

#include "meters/oriented_meter.h"

namespace Veltor {

class TMeter120 : public TOrientedMeter {
  Q_OBJECT

 public:
  static constexpr int kSweep = 120;

  explicit TMeter120(QWidget* parent = nullptr);

 protected:
  TDialLayout MakeLayout() const override;
};

}  // namespace Veltor
