#pragma once
// Enumerations shared by the caption buttons, the spinners, the LED buttons
// and checks, the switches, the picture buttons and the box line.

#include <QObject>

namespace Veltor {
namespace ButtonEnums {
Q_NAMESPACE

// Horizontal placement of a caption or a spinner's text.
enum TTextStyle { ttCenter, ttLeft, ttRight };
Q_ENUM_NS(TTextStyle)

// Outline of an LED.
enum TLedShape { ledCircle, ledRectangle };
Q_ENUM_NS(TLedShape)

// Caption of an LED button: none, in a box under the LED, or inside the LED.
enum TCaptType { ctNone, ctBevel, ctLed };
Q_ENUM_NS(TCaptType)

// Behaviour of an LED check: a lamp only, a push button, a check box, or one
// radio button of a group.
enum TCheckMode { lcNone, lcButton, lcCheckBox, lcRadioBtn };
Q_ENUM_NS(TCheckMode)

// Side of the LED on which a caption stands.
enum TOrientType { orTop, orBottom, orLeft, orRight };
Q_ENUM_NS(TOrientType)

// Position of a slide switch: knob down (upper field shown) or up.
enum swStatus { swPos2, swPos1 };
Q_ENUM_NS(swStatus)

// TShapeTypeT and TOrientation share their names with the meters' face
// shapes and the pots' orientation, so they stay inside ButtonEnums: name
// them as ButtonEnums::sstCircle, ButtonEnums::orHorizontal.

// Outline of a picture button's face.
enum TShapeTypeT { sstRectangle, sstSquare, sstRoundrect, sstRoundSquare, sstCircle };
Q_ENUM_NS(TShapeTypeT)

// What a picture button's face shows: one to three rows of text, or a picture.
enum TPictStyle { oneRow, twoRow, threeRow, Picture };
Q_ENUM_NS(TPictStyle)

// Direction of a box line: a column or a row of boxes.
enum TOrientation { orVertical, orHorizontal };
Q_ENUM_NS(TOrientation)

}  // namespace ButtonEnums

using ButtonEnums::ttCenter;
using ButtonEnums::TTextStyle;
using ButtonEnums::ttLeft;
using ButtonEnums::ttRight;

using ButtonEnums::ledCircle;
using ButtonEnums::ledRectangle;
using ButtonEnums::TLedShape;

using ButtonEnums::ctBevel;
using ButtonEnums::ctLed;
using ButtonEnums::ctNone;
using ButtonEnums::TCaptType;

using ButtonEnums::lcButton;
using ButtonEnums::lcCheckBox;
using ButtonEnums::lcNone;
using ButtonEnums::lcRadioBtn;
using ButtonEnums::TCheckMode;

using ButtonEnums::orBottom;
using ButtonEnums::orLeft;
using ButtonEnums::orRight;
using ButtonEnums::orTop;
using ButtonEnums::TOrientType;

using ButtonEnums::swPos1;
using ButtonEnums::swPos2;
using ButtonEnums::swStatus;

using ButtonEnums::oneRow;
using ButtonEnums::Picture;
using ButtonEnums::threeRow;
using ButtonEnums::TPictStyle;
using ButtonEnums::twoRow;

}  // namespace Veltor
