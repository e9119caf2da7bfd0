#pragma once
// The layers of a round meter's static dial, each a painter that reads a
// TDialLayout and draws onto a canvas. Every round meter draws its dial by
// calling these in the same order: face, zones, scale, read-out box and
// caption, hub, LED sockets, maker's mark.

#include "host/canvas.h"
#include "meters/dial_layout.h"
#include "meters/meter_model.h"

#include <QString>

#include <vector>

namespace Veltor {

// Face in ColShape outline and ColBack fill.
void PaintDialFace(TCanvas& c, const TDialLayout& l, TColor outline, TColor fill);

// One coloured zone of the scale, in values.
struct TDialZone {
  TColor Colour;
  double From, To;
};

// The zones as a ring between ZoneInner and ZoneOuter; `back` cuts out the
// inside. Zones are drawn in the order given, a later one covering an
// earlier one.
void PaintZoneRing(TCanvas& c, const TDialLayout& l, const TMeterModel& m, const TDialZone (&zones)[3], TColor back);

// Label box width of a scale: one more than its widest label, measured in
// `font` (decade scales: the width of "103" in the canvas font).
int ScaleLabelWidth(TCanvas& c, const TMeterModel& m, const TFont& font);

// Font height of the scale labels when the control sizes its fonts itself:
// one and a half tick lengths.
int ScaleFontHeight(const TDialLayout& l);

// The boxes around the first and last label (where range marks blink), and
// where the text of every label went.
struct TLabelBoxes {
  TRect Start, End;
  std::vector<TRect> Texts;
};

// Ticks in `ticks`, labels in the canvas font. On a full circle the end of
// the scale falls on its start and only the start is drawn there.
TLabelBoxes PaintDialScale(TCanvas& c, const TDialLayout& l, const TMeterModel& m, TColor ticks, int labelWidth);

// The unit caption beside the read-out box, in the canvas font; returns
// where it went.
TRect PaintCaption(TCanvas& c, const TDialLayout& l, const QString& text);

// Hub disc (nothing without one).
void PaintHub(TCanvas& c, const TDialLayout& l, TColor outline, TColor fill);

// Sockets of the LEDs first .. first + count - 1.
void PaintLedSockets(TCanvas& c, const TDialLayout& l, int first, int count);

// The maker's mark beside LED 1.
void PaintMakerMark(TCanvas& c, const TDialLayout& l);

}  // namespace Veltor
