#pragma once
// Enumerations of the assorted panel helpers.

#include <QObject>

namespace Veltor {
namespace MiscEnums {
Q_NAMESPACE

// Which folder a settings file name is taken relative to: the program's
// folder, the user's configuration folder, or none (the name says it all).
enum TFileLocation { ApplicationPath, WindowsPath, PathInFileName };
Q_ENUM_NS(TFileLocation)

// Direction in which a gradient runs from its begin colour to its end colour.
enum TFillDirection { fdTopToBottom, fdBottomToTop, fdLeftToRight, fdRightToLeft };
Q_ENUM_NS(TFillDirection)

// The look of a rotated caption: plain, engraved, embossed, or with a shadow.
enum T3DEffect { rlNormal, rlLowered, rlRaised, rlShadowed };
Q_ENUM_NS(T3DEffect)

// How fast a roll-up bar rolls: at once, or in steps of 50, 25 or 10 pixels.
enum trRollSpeed { trImmediate, trFast, trMedium, trSlow };
Q_ENUM_NS(trRollSpeed)

}  // namespace MiscEnums

using MiscEnums::ApplicationPath;
using MiscEnums::PathInFileName;
using MiscEnums::rlLowered;
using MiscEnums::rlNormal;
using MiscEnums::rlRaised;
using MiscEnums::rlShadowed;
using MiscEnums::T3DEffect;
using MiscEnums::TFileLocation;
using MiscEnums::trFast;
using MiscEnums::trImmediate;
using MiscEnums::trMedium;
using MiscEnums::trRollSpeed;
using MiscEnums::trSlow;
using MiscEnums::WindowsPath;

using MiscEnums::fdBottomToTop;
using MiscEnums::fdLeftToRight;
using MiscEnums::fdRightToLeft;
using MiscEnums::fdTopToBottom;
using MiscEnums::TFillDirection;

}  // namespace Veltor
