#include "meters/meter180.h"

namespace Veltor {

TMeter180::TMeter180(QWidget* parent) : TOrientedMeter(parent) { resize(250, 144); }

TDialLayout TMeter180::MakeLayout() const {
  return Meter180Layout(Width(), Height(), InnerRect(), Sides(), Shape(), Orientation());
}

}  // namespace Veltor
