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

}  // namespace MiscEnums

using MiscEnums::ApplicationPath;
using MiscEnums::PathInFileName;
using MiscEnums::TFileLocation;
using MiscEnums::WindowsPath;

}  // namespace Veltor
