#pragma once
// Enumerations for the host tests' probe controls, shaped like the ones the
// libraries above the host publish.

#include <QObject>

namespace Veltor {
namespace TestEnums {
Q_NAMESPACE

enum TPanelBevel { bvNone, bvLowered, bvRaised };
Q_ENUM_NS(TPanelBevel)

enum TTastStyle { tsNone, tsPush, tsPushPull };
Q_ENUM_NS(TTastStyle)

}  // namespace TestEnums

using namespace TestEnums;

}  // namespace Veltor
