#pragma once
// Enumerations of the round meters and the panel meters.

#include <QObject>

namespace Veltor {
namespace MeterEnums {
Q_NAMESPACE

// Face of the 270 and 360 degree meters.
enum TShapeTypeT { sstRectangle, sstSquare, sstRoundrect, sstRoundSquare, sstCircle };
Q_ENUM_NS(TShapeTypeT)

// Face of the 120 and 180 degree meters.
enum TmShapeType { smtRectangle, smtRoundrect };
Q_ENUM_NS(TmShapeType)

// Peak pointer: none, one that only rises, or one that falls back to the
// needle.
enum TPeakPtrMode { ppNone, ppPeak, ppDrag };
Q_ENUM_NS(TPeakPtrMode)

// Side of the control the scale of a 120 or 180 degree meter faces.
enum TOrientType { orTop, orBottom, orLeft, orRight };
Q_ENUM_NS(TOrientType)

// How a vertical panel meter shows its value: a pointer, a continuous bar
// or a column of LED segments.
enum TMeterStyle { simpleMeter, BarGraph, LedBar };
Q_ENUM_NS(TMeterStyle)

}  // namespace MeterEnums

using MeterEnums::sstCircle;
using MeterEnums::sstRectangle;
using MeterEnums::sstRoundrect;
using MeterEnums::sstRoundSquare;
using MeterEnums::sstSquare;
using MeterEnums::TShapeTypeT;

using MeterEnums::smtRectangle;
using MeterEnums::smtRoundrect;
using MeterEnums::TmShapeType;

using MeterEnums::ppDrag;
using MeterEnums::ppNone;
using MeterEnums::ppPeak;
using MeterEnums::TPeakPtrMode;

using MeterEnums::BarGraph;
using MeterEnums::LedBar;
using MeterEnums::simpleMeter;
using MeterEnums::TMeterStyle;

// TOrientType and its values stay inside MeterEnums: the buttons have an
// enumeration of the same name in namespace Veltor, and both headers meet in
// forms and the gallery. Meter code writes MeterEnums::orTop and so on.

}  // namespace Veltor
