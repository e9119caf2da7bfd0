#pragma once
// Enumerations shared by the caption buttons and the spinners.

#include <QObject>

namespace Veltor {
namespace ButtonEnums {
Q_NAMESPACE

// Horizontal placement of a caption or a spinner's text.
enum TTextStyle { ttCenter, ttLeft, ttRight };
Q_ENUM_NS(TTextStyle)

}  // namespace ButtonEnums

using ButtonEnums::TTextStyle;
using ButtonEnums::ttCenter;
using ButtonEnums::ttLeft;
using ButtonEnums::ttRight;

}  // namespace Veltor
