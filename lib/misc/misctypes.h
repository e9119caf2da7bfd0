#pragma once
// Enumerations of the miscellaneous controls.

#include <QObject>

namespace Veltor {
namespace MiscEnums {
Q_NAMESPACE

// Direction in which a gradient runs from its begin colour to its end colour.
enum TFillDirection { fdTopToBottom, fdBottomToTop, fdLeftToRight, fdRightToLeft };
Q_ENUM_NS(TFillDirection)

}  // namespace MiscEnums

using MiscEnums::fdBottomToTop;
using MiscEnums::fdLeftToRight;
using MiscEnums::fdRightToLeft;
using MiscEnums::fdTopToBottom;
using MiscEnums::TFillDirection;

}  // namespace Veltor
