#pragma once
// Enumerations of the device and system components.

#include <QObject>

namespace Veltor {
namespace SystemEnums {
Q_NAMESPACE

// Parity bit of a serial line.
enum TComParity { cpNone, cpOdd, cpEven, cpMark, cpSpace };
Q_ENUM_NS(TComParity)

// Stop bits of a serial line; one and a half only with five data bits.
enum TComStopBits { csOne, csOneHalf, csTwo };
Q_ENUM_NS(TComStopBits)

// Bits of the line error mask TComPort::PortErrors returns.
enum TComError {
  ceRxOver = 0x0001,   // the input buffer overflowed
  ceOverrun = 0x0002,  // the receiver lost a character
  ceRxParity = 0x0004,
  ceFrame = 0x0008,
  ceBreak = 0x0010,
  ceTxFull = 0x0100,  // a character was refused: the transmit queue was full
};
Q_ENUM_NS(TComError)

// Joysticks a game port uses.
enum TUseDeviceItem { udJoystick1 = 0x1, udJoystick2 = 0x2 };
Q_DECLARE_FLAGS(TUseDevice, TUseDeviceItem)
Q_FLAG_NS(TUseDevice)

// What writing the sound player's PlayState does: psStartWait and psStartExit
// are commands that fall back to psStopped at once.
enum tPlayState { psStopped, psStartWait, psStartExit, psContinous };
Q_ENUM_NS(tPlayState)

// Which side of the rest-time hint sits at the pointer.
enum TbsOriginH { bwhLeft, bwhCenter, bwhRight };
Q_ENUM_NS(TbsOriginH)
enum TbsOriginV { bwvTop, bwvCenter, bwvBottom };
Q_ENUM_NS(TbsOriginV)

}  // namespace SystemEnums

using SystemEnums::ceBreak;
using SystemEnums::ceFrame;
using SystemEnums::ceOverrun;
using SystemEnums::ceRxOver;
using SystemEnums::ceRxParity;
using SystemEnums::ceTxFull;
using SystemEnums::cpEven;
using SystemEnums::cpMark;
using SystemEnums::cpNone;
using SystemEnums::cpOdd;
using SystemEnums::cpSpace;
using SystemEnums::csOne;
using SystemEnums::csOneHalf;
using SystemEnums::csTwo;
using SystemEnums::psContinous;
using SystemEnums::psStartExit;
using SystemEnums::psStartWait;
using SystemEnums::psStopped;
using SystemEnums::TComError;
using SystemEnums::TComParity;
using SystemEnums::TComStopBits;
using SystemEnums::tPlayState;
using SystemEnums::TUseDevice;
using SystemEnums::TUseDeviceItem;
using SystemEnums::udJoystick1;
using SystemEnums::udJoystick2;

using SystemEnums::bwhCenter;
using SystemEnums::bwhLeft;
using SystemEnums::bwhRight;
using SystemEnums::bwvBottom;
using SystemEnums::bwvCenter;
using SystemEnums::bwvTop;
using SystemEnums::TbsOriginH;
using SystemEnums::TbsOriginV;

}  // namespace Veltor

Q_DECLARE_OPERATORS_FOR_FLAGS(Veltor::SystemEnums::TUseDevice)
