#pragma once
// Where the parts of a text view go: border, margins, text area and scroll
// bars, and how many whole lines and columns the text area shows.

#include "host/types.h"
#include "text/texttypes.h"

namespace Veltor {

constexpr int kTextBorderWidth = 2;
constexpr int kScrollBarSize = 16;

struct TTextScrollerGeometry {
  int Width = 0;
  int Height = 0;
  bool Border = true;
  TScrollStyle ScrollBars = ssBoth;
  int MarginLeft = 0;
  int MarginTop = 0;
  int CharWidth = 8;
  int LineHeight = 16;
};

struct TTextScrollerLayout {
  TRect Client;      // inside the border
  TRect Corner;      // top-left, where both margins meet
  TRect TopMargin;   // above the text
  TRect LeftMargin;  // beside the text
  TRect Text;
  TRect VScroll;  // empty when not shown
  TRect HScroll;
  int PageLines = 1;  // whole lines, at least 1
  int PageCols = 1;
};

TTextScrollerLayout LayoutTextScroller(const TTextScrollerGeometry& g);

// Line and column of a point in the text area (may lie outside the
// document; the caller clamps).
TPoint TextCellAt(const TTextScrollerLayout& l, const TTextScrollerGeometry& g, int x, int y);

}  // namespace Veltor
