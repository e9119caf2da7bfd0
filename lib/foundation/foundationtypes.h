#pragma once
// Enumerations of the frame base and the instrument base.

#include <QObject>

namespace Veltor {
namespace FoundationEnums {
Q_NAMESPACE

// Bevel style of frame rings, panels and caption boxes.
enum TPanelBevel { bvNone, bvLowered, bvRaised };
Q_ENUM_NS(TPanelBevel)

// Push-button behaviour of the frame base control.
enum TTastStyle { tsNone, tsPush, tsPushPull };
Q_ENUM_NS(TTastStyle)

// Outline of a panel: none, or a one-pixel window frame.
enum TBorderStyle { bsNone, bsSingle };
Q_ENUM_NS(TBorderStyle)

}  // namespace FoundationEnums

using FoundationEnums::bsNone;
using FoundationEnums::bsSingle;
using FoundationEnums::bvLowered;
using FoundationEnums::bvNone;
using FoundationEnums::bvRaised;
using FoundationEnums::TBorderStyle;
using FoundationEnums::TPanelBevel;
using FoundationEnums::tsNone;
using FoundationEnums::tsPush;
using FoundationEnums::tsPushPull;
using FoundationEnums::TTastStyle;

}  // namespace Veltor
