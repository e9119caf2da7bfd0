#pragma once
// Small value types and enumerations shared by every control of the library.

#include <QFlags>
#include <QObject>
#include <QPoint>
#include <QRect>

namespace Veltor {
Q_NAMESPACE

// How a control is placed by its parent.
enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };
Q_ENUM_NS(TAlign)

enum TAlignment { taLeftJustify, taRightJustify, taCenter };
Q_ENUM_NS(TAlignment)

// Vertical placement of a label's text.
enum TTextLayout { tlTop, tlCenter, tlBottom };
Q_ENUM_NS(TTextLayout)

enum TMouseButton { mbLeft, mbRight, mbMiddle };
Q_ENUM_NS(TMouseButton)

enum TShiftFlag {
  ssShift = 0x01,
  ssAlt = 0x02,
  ssCtrl = 0x04,
  ssLeft = 0x08,
  ssRight = 0x10,
  ssMiddle = 0x20,
  ssDouble = 0x40
};
Q_DECLARE_FLAGS(TShiftState, TShiftFlag)
Q_FLAG_NS(TShiftState)

// Canvas state.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };
Q_ENUM_NS(TPenStyle)

// Raster operation of the pen (and of shape interiors drawn with it).
enum TPenMode {
  pmBlack,
  pmWhite,
  pmNop,
  pmNot,
  pmCopy,
  pmNotCopy,
  pmMergePenNot,
  pmMaskPenNot,
  pmMergeNotPen,
  pmMaskNotPen,
  pmMerge,
  pmNotMerge,
  pmMask,
  pmNotMask,
  pmXor,
  pmNotXor
};
Q_ENUM_NS(TPenMode)

enum TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
Q_ENUM_NS(TBrushStyle)

enum TFontStyleFlag { fsBold = 0x01, fsItalic = 0x02, fsUnderline = 0x04, fsStrikeOut = 0x08 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyleFlag)
Q_FLAG_NS(TFontStyles)

enum TFontPitch { fpDefault, fpVariable, fpFixed };
Q_ENUM_NS(TFontPitch)

// How CopyRect combines source and destination.
enum TCopyMode { cmSrcCopy, cmSrcInvert, cmSrcAnd, cmSrcPaint, cmNotSrcCopy, cmDstInvert, cmBlackness, cmWhiteness };
Q_ENUM_NS(TCopyMode)

enum TComponentStateFlag { csLoading = 0x01, csDesigning = 0x02 };
Q_DECLARE_FLAGS(TComponentState, TComponentStateFlag)

// Integer rectangle with exclusive right and bottom edges.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr TRect() = default;
  constexpr TRect(int l, int t, int r, int b) : Left(l), Top(t), Right(r), Bottom(b) {}

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
  // Moves every edge inwards by d (outwards for negative d).
  void Shrink(int d) {
    Left += d;
    Top += d;
    Right -= d;
    Bottom -= d;
  }
  QRect ToQRect() const { return QRect(Left, Top, Right - Left, Bottom - Top); }
  static TRect FromQRect(const QRect& r) {
    return TRect(r.left(), r.top(), r.left() + r.width(), r.top() + r.height());
  }
  friend constexpr bool operator==(const TRect& a, const TRect& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
  }
  friend constexpr bool operator!=(const TRect& a, const TRect& b) { return !(a == b); }
};

struct TPoint {
  int X = 0;
  int Y = 0;
  constexpr TPoint() = default;
  constexpr TPoint(int x, int y) : X(x), Y(y) {}
  friend constexpr bool operator==(const TPoint& a, const TPoint& b) { return a.X == b.X && a.Y == b.Y; }
  friend constexpr bool operator!=(const TPoint& a, const TPoint& b) { return !(a == b); }
};

struct TPointF {
  double X = 0;
  double Y = 0;
  constexpr TPointF() = default;
  constexpr TPointF(double x, double y) : X(x), Y(y) {}
};

}  // namespace Veltor

Q_DECLARE_OPERATORS_FOR_FLAGS(Veltor::TShiftState)
Q_DECLARE_OPERATORS_FOR_FLAGS(Veltor::TComponentState)
Q_DECLARE_OPERATORS_FOR_FLAGS(Veltor::TFontStyles)
