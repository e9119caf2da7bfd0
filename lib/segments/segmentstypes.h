#pragma once
// Enumerations of the seven-segment read-outs, spinners and the control
// timer.

#include <QObject>

namespace Veltor {
namespace SegmentEnums {
Q_NAMESPACE

// Outline of the coloured panel behind the cells.
enum TmShapeType { smtRectangle, smtRoundrect };
Q_ENUM_NS(TmShapeType)

// What a thumbwheel steps through.
enum TDispType { decimal, hexa, sign, alphanum };
Q_ENUM_NS(TDispType)

// Which parts of a time the control timer shows.
enum TCtrlTRes { tcHH, tcMM, tcSS, tcHHMM, tcMMSS, tcHHMMSS };
Q_ENUM_NS(TCtrlTRes)

// State of the control timer; trig1..trig3 edit a trigger time.
enum tCtrlTMode { reset, run, stop, elapsed, trig1, trig2, trig3 };
Q_ENUM_NS(tCtrlTMode)

}  // namespace SegmentEnums

using SegmentEnums::smtRectangle;
using SegmentEnums::smtRoundrect;
using SegmentEnums::tCtrlTMode;
using SegmentEnums::TCtrlTRes;
using SegmentEnums::TDispType;
using SegmentEnums::TmShapeType;

}  // namespace Veltor
