#pragma once
// TStrokeSet: lays a short text out in the stroke font, in a frame whose y
// axis points up, relative to the text's reference point.

#include "host/types.h"
#include "text/strokefont.h"
#include "text/texttypes.h"

#include <QString>

#include <array>

namespace Veltor {

constexpr int kStrokeMaxChars = 64;
// Longest text laid out; longer texts are cut.
constexpr int kStrokeMaxText = 63;

// How a stroke text is laid out.
struct TStrokeParams {
  int SizeX = 10;  // pixels per character cell
  int SizeY = 14;  // pixels per twelve grid steps
  int Rotate = 0;  // degrees, counter-clockwise on screen
  bool Mirror = false;
  bool Italic = false;
  TJustHor JustifyHor = stLeft;
  TJustVert JustifyVert = stBottom;
};

// One laid-out point. Pen: 1 line to the next point, 0 pen up, -1 no point.
struct TStrokePoint {
  double X = 0;
  double Y = 0;
  int Pen = -1;
};

class TStrokeSet {
 public:
  // Use the alternative table instead of the standard font.
  bool UseAlternative = false;
  // Points of each character laid out by the last Layout.
  std::array<std::array<TStrokePoint, kStrokePoints>, kStrokeMaxChars> Points{};
  // Number of characters laid out.
  int Count = 0;
  // Advance of the last character.
  TPointF Advance;

  // Lays out the first 63 characters of text. Characters outside 0..255
  // have no glyph.
  void Layout(const QString& text, const TStrokeParams& p);

  // Screen position of a laid-out point: the reference point plus the point,
  // y turned down, each rounded half to even.
  static TPoint ToScreen(const TStrokePoint& pt, TPoint position);
};

}  // namespace Veltor
