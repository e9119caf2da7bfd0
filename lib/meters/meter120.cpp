#include "meters/meter120.h"

namespace Veltor {

TMeter120::TMeter120(QWidget* parent) : TOrientedMeter(parent) {
  resize(250, 112);
  SetCaption(QStringLiteral("l/min"));
}

TDialLayout TMeter120::MakeLayout() const {
  return Meter120Layout(Width(), Height(), InnerRect(), Sides(), Shape(), Orientation());
}

}  // namespace Veltor
