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

}  // namespace MiscEnums

using MiscEnums::ApplicationPath;
using MiscEnums::PathInFileName;
using MiscEnums::TFileLocation;
using MiscEnums::WindowsPath;

using MiscEnums::fdBottomToTop;
using MiscEnums::fdLeftToRight;
using MiscEnums::fdRightToLeft;
using MiscEnums::fdTopToBottom;
using MiscEnums::TFillDirection;

}  // namespace Veltor
