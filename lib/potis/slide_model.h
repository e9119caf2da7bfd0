#pragma once
// What the straight controls share: the mapping between a value (or a
// detent) and a pixel along a track, linear or in decades, and the knob
// sprite that moves along it touching only its own rectangle. No widgets.

#include "host/canvas.h"
#include "host/types.h"
#include "potis/poti_model.h"

namespace Veltor {

// A stretch of pixels along which a knob travels: Start is the first pixel
// (top or left), Length the distance to the last one.
struct TTrack {
  int Start = 0;
  int Length = 0;
};

namespace Track {

// Pixels from the track's start, counted towards the far end of the value
// (up on a vertical track: the distance from the bottom).
inline int Up(const TTrack& t, int y) { return t.Start + t.Length - y; }

// The value at a row of a vertical track whose top is the model's end (not
// clamped), and the row showing the model's value. Linear: the value
// resolved to hundredths, so that a row never flickers between two pixels.
double LinearValueAt(const TPotiModel& m, const TTrack& t, int y);
int LinearRow(const TPotiModel& m, const TTrack& t);
// The same in decades: equal distances are equal ratios.
double DecadeValueAt(const TPotiModel& m, const TTrack& t, int y);
int DecadeRow(const TPotiModel& m, const TTrack& t);

// The nearest detent of 0..parts to a row (outside that range beyond the
// ends), and the row of detent p.
int DetentAt(int parts, const TTrack& t, int y);
int DetentRow(int parts, const TTrack& t, int p);

}  // namespace Track

// The knob picture and the background it covers. A move puts the saved
// background back at the old place, saves what lies under the new one and
// draws the knob there: nothing outside the two rectangles is touched.
class TKnobSprite {
 public:
  // The picture at w x h, to be drawn into by the caller; forgets the place.
  TBitmap& NewImage(int w, int h, qreal ratio);
  TBitmap& Image() { return FImage; }
  // Places the knob at r the first time after a full paint (nothing to
  // restore), or moves it there.
  void MoveTo(TCanvas& canvas, const TRect& r);
  // Draws the picture again where it is (after it changed).
  void Show(TCanvas& canvas);
  // The picture below is being drawn anew; the next MoveTo restores nothing.
  void Forget() { FPlaced = false; }
  bool Placed() const { return FPlaced; }
  TRect Place() const { return FPlace; }

 private:
  TBitmap FImage;
  TBitmap FBackground;
  TRect FPlace;
  bool FPlaced = false;
};

}  // namespace Veltor
