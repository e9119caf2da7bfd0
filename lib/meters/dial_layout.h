#pragma once
// Geometry of the round meters. One description, TDialLayout, covers every
// dial of the library: the 270 degree reference dial, the 120 and 180 degree
// dials facing any side, and the full-circle dial of TMeter360. They differ
// only in the numbers put into it: where the pivot lies, which way the axes
// run, where the scale starts and how far and which way it sweeps, the radii
// of zones and ticks, and the places of read-out, hub and LEDs.
//
// All layouts are pure functions of the control's size, inner rectangle,
// side flags and face shape; the painters and the needle composition only
// read them.

#include "host/types.h"
#include "meters/meterstypes.h"

#include <array>
#include <vector>

namespace Veltor {

using TPolygon3 = std::array<TPoint, 3>;

// The sides of the base frame that are drawn (BordLeft ... BordBottom).
struct TDialSides {
  bool Left = true, Top = true, Right = true, Bottom = true;
};

enum class TFaceKind { Rectangle, RoundRect, Ellipse };

// Where the unit caption stands relative to its anchor.
enum class TCaptionPlace {
  UnderBox,   // top at the read-out box's bottom edge, centred on the box
  BelowBox,   // 2 pixels below the box, centred on it
  AboveBox,   // 2 pixels above the box, centred on it
  CentredOn,  // centred on CaptionAt
};

struct TDialLayout {
  // --- Dial frame. R is the area the frame spans; the dial units at its
  // four edges may run either way (a mirrored axis has Left > Right).
  TRect R;
  int M = 0;  // margin; sizes needle and peak pointer
  int XLeft = -1000, XRight = 1000, YTop = 1000, YBottom = -1000;
  TPoint C;  // pivot of needle and scale

  // A point of the dial frame in pixels (integer arithmetic, multiply first).
  TPoint P(int x, int y) const;
  // Pixel length of `units` dial units along the x axis.
  int Length(int units) const;
  bool Valid() const { return R.Width() > 0 && R.Height() > 0; }

  // --- Scale direction. A template pointing along the dial's +y axis is
  // turned by StartTurn to the scale start; a value at fraction f of the
  // scale stands at StartTurn + f x Sweep. Positive angles turn clockwise on
  // the screen; a negative Sweep runs anticlockwise.
  double StartTurn = -135;
  double Sweep = 270;
  double AngleAt(double fraction) const { return StartTurn + fraction * Sweep; }

  // --- Face.
  TFaceKind Face = TFaceKind::RoundRect;
  TRect FaceRect;
  int Corner = 0;  // corner ellipse of a rounded face
  TRect Clip;      // when not empty, dial and needles stay inside it

  // --- Scale radii in dial units.
  int ZoneInner = 580, ZoneOuter = 650;
  bool ZoneDisc = true;  // the zone ring is cut out by a disc (else a pie over the sweep)
  TPoint ZoneStart;      // a point on the radial of the scale start
  int TickInner = 670, TickOuter = 760;
  bool LabelsInside = false;  // labels inside the inner tick end (else beyond the outer)
  int LabelGap = -1;          // pixels kept between label and tick ends; -1: centre fh beyond

  // --- Hub, pointers, LEDs, read-out, caption, maker's mark (pixels).
  int HubRadius = 0;    // 0: no hub
  TPolygon3 Needle{};   // at the scale start, tip first
  TPolygon3 Needle2{};  // second needle of a two-needle dial
  TPolygon3 Peak{};     // at the scale start, tip first
  int LedRadius = 0;    // socket radius; the lamp is one pixel less
  std::vector<TPoint> Leds;
  TRect Readout;
  TCaptionPlace CaptionPlace = TCaptionPlace::UnderBox;
  TPoint CaptionAt;
  TPoint Mark;            // the maker's mark starts here ...
  bool MarkLeft = false;  // ... or ends here
};

TDialLayout Meter270Layout(int width, int height, const TRect& inner, TDialSides sides, TShapeTypeT shape);
TDialLayout Meter360Layout(int width, int height, const TRect& inner, TDialSides sides, TShapeTypeT shape);
TDialLayout Meter120Layout(int width, int height, const TRect& inner, TDialSides sides, TmShapeType shape,
                           MeterEnums::TOrientType orient);
TDialLayout Meter180Layout(int width, int height, const TRect& inner, TDialSides sides, TmShapeType shape,
                           MeterEnums::TOrientType orient);

// Where a caption of the given size stands.
TRect CaptionRect(const TDialLayout& l, int textWidth, int textHeight);

// Centre of a label w x h for the major tick at `fraction`, kept clear of
// the ticks as the layout asks.
TPoint LabelCentre(const TDialLayout& l, double fraction, int w, int h);

}  // namespace Veltor
