#pragma once
// Enumerations of the text view and the stroke-font text.

#include <QObject>

namespace Veltor {
namespace TextEnums {
Q_NAMESPACE

// Which point of a stroke text sits on its position, across and up.
enum TJustHor { stLeft, stCenter, stRight };
Q_ENUM_NS(TJustHor)
enum TJustVert { stBottom, stMiddle, stTop };
Q_ENUM_NS(TJustVert)

// Grouping of the bytes of a hex line: 1, 2 or 4 bytes between blanks.
enum tsHexSize { hsByte, hsWord, hsLong };
Q_ENUM_NS(tsHexSize)

// Look of the text view's caret.
enum TtsCaretShape { csBlock, csHalfBlock, csVertLine, csHorzLine, csCustom, csBitmap };
Q_ENUM_NS(TtsCaretShape)
enum TtsCaretAlign { caLeft, caTop, caRight, caBottom, caCenter };
Q_ENUM_NS(TtsCaretAlign)

// Scroll bars of the text view.
enum TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
Q_ENUM_NS(TScrollStyle)

}  // namespace TextEnums

using TextEnums::stBottom;
using TextEnums::stCenter;
using TextEnums::stLeft;
using TextEnums::stMiddle;
using TextEnums::stRight;
using TextEnums::stTop;
using TextEnums::TJustHor;
using TextEnums::TJustVert;

using TextEnums::hsByte;
using TextEnums::hsLong;
using TextEnums::hsWord;
using TextEnums::tsHexSize;

using TextEnums::caBottom;
using TextEnums::caCenter;
using TextEnums::caLeft;
using TextEnums::caRight;
using TextEnums::caTop;
using TextEnums::csBitmap;
using TextEnums::csBlock;
using TextEnums::csCustom;
using TextEnums::csHalfBlock;
using TextEnums::csHorzLine;
using TextEnums::csVertLine;
using TextEnums::TtsCaretAlign;
using TextEnums::TtsCaretShape;

using TextEnums::ssBoth;
using TextEnums::ssHorizontal;
using TextEnums::ssNone;
using TextEnums::ssVertical;
using TextEnums::TScrollStyle;

}  // namespace Veltor
