#pragma once
// Geometry of the slider: the trench along the middle line, the track the
// value maps onto, the button's size and place, the engraved ticks and the
// caption area. Pure functions of the size and the properties.

#include "foundation/foundationtypes.h"
#include "foundation/frame.h"
#include "host/types.h"
#include "potis/poti_model.h"
#include "potis/potistypes.h"
#include "potis/slide_model.h"

#include <vector>

namespace Veltor {

// The properties the slider's geometry depends on besides the size.
struct TSliderLook {
  TFrameLook Frame;
  bool Vertical = false;
  TButtonDir ButtonDir = btLengthWise;
  int ButtonSize = 10;
  int TrenchWidth = 2;
  int CaptOffset = 0;
};

struct TSliderLayout {
  bool Vertical = false;
  TRect Inner;
  int Middle = 0;     // the middle line across the travel
  int Along = 0;      // the button's half-length along the travel
  int Across = 0;     // and its half-width across it
  TRect Trench;       // also the track: p0 its left (top) edge
  TTrack Track;       // left to right, or top to bottom
  TRect CaptionArea;  // where the caption is aligned

  // The button with its middle at pixel centre along the travel.
  TRect ButtonAt(int centre) const;
  // The rows (vertical) or columns of the ScalaPart + 1 ticks, the ends one
  // pixel further in.
  std::vector<int> TickPlaces(int parts) const;
};

TSliderLayout SliderLayout(const TSliderLook& look, int width, int height);

// The size rule: the orientation follows the shape (horizontal when at
// least as wide as high) and the side across the travel is kept within
// 15..50.
struct TSliderShape {
  TOrientation Orientation = orHorizontal;
  int Width = 0;
  int Height = 0;
};
TSliderShape SliderShape(int width, int height);

// The value under a mouse point, clamped to the range.
double SliderValueAt(const TPotiModel& m, const TSliderLayout& l, int x, int y);
// The pixel along the travel where the button's middle shows the value.
int SliderButtonCentre(const TPotiModel& m, const TSliderLayout& l);

// The detent of 0..parts nearest to a value, and the value of a detent.
int SliderDetent(const TPotiModel& m, int parts, double v);
double SliderDetentValue(const TPotiModel& m, int parts, int p);

}  // namespace Veltor
