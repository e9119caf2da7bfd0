#include "meters/meter270.h"

namespace Veltor {

TMeter270::TMeter270(QWidget* parent) : TRoundMeter(parent) { resize(200, 200); }

TDialLayout TMeter270::MakeLayout() const { return Meter270Layout(Width(), Height(), InnerRect(), Sides(), FShape); }

}  // namespace Veltor
