#pragma once
// Where the keys of a direction keypad go, the size a pad keeps, and the
// arrow each key shows. Pure functions: mouse code and tests need no paint.

#include "foundation/frame.h"
#include "host/canvas.h"
#include "host/types.h"

#include <QSize>

#include <vector>

namespace Veltor {

// A 3 x 3 grid, two keys one above the other, or two side by side.
enum class TKeypadShape { Grid, Column, Row };

// The symbol on a key.
enum class TArrow { Up, Down, Left, Right, UpLeft, UpRight, DownLeft, DownRight, Symbol };

struct TKeypadLayout {
  int KeySize = 0;
  std::vector<TRect> Keys;
};

// The size a pad of the given shape takes when asked for width x height:
// the grid square and at least 60 wide, a column at least 20 wide and two
// keys high, a row at least 20 high and two keys wide.
QSize KeypadSize(TKeypadShape shape, const TFrameLook& look, int width, int height);

TKeypadLayout KeypadLayout(TKeypadShape shape, const TFrameLook& look, int width, int height);

// The seven corners of the arrow inside a key's face (L, T, R, B), for a
// key of size s.
std::vector<TPoint> ArrowPolygon(TArrow arrow, const TRect& face, int s);

// One key: a push-button face, sunken while down, with its arrow filled in
// fill, or the symbol picture stretched over the face.
void PaintKey(TCanvas& canvas, const TRect& key, int s, bool down, TArrow arrow, TColor fill, const QImage* symbol);

}  // namespace Veltor
