#pragma once
// Enumerations of the pots, sliders and selectors.

#include <QObject>

namespace Veltor {
namespace PotiEnums {
Q_NAMESPACE

// Direction in which a slider travels.
enum TOrientation { orVertical, orHorizontal };
Q_ENUM_NS(TOrientation)

// Shape of a slider's button: across the track, along it, or square.
enum TButtonDir { btCrossWise, btLengthWise, btSquare };
Q_ENUM_NS(TButtonDir)

// Look of a button face: chosen by the platform, classic, or flat.
enum TButtonStyle { bsAutoDetect, bsWin31, bsNew };
Q_ENUM_NS(TButtonStyle)

}  // namespace PotiEnums

using PotiEnums::bsAutoDetect;
using PotiEnums::bsNew;
using PotiEnums::bsWin31;
using PotiEnums::btCrossWise;
using PotiEnums::btLengthWise;
using PotiEnums::btSquare;
using PotiEnums::orHorizontal;
using PotiEnums::orVertical;
using PotiEnums::TButtonDir;
using PotiEnums::TButtonStyle;
using PotiEnums::TOrientation;

}  // namespace Veltor
