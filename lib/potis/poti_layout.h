#pragma once
// Geometry of the rotary pots and selectors: the dial frame (a logical frame
// in dial units around the knob centre), and every place and hit area of the
// knob, scale, caption box and preset button. Pure functions of the size and
// the properties; painting and mouse handling both read them.

#include "foundation/foundationtypes.h"
#include "foundation/frame.h"
#include "host/canvas.h"
#include "host/types.h"

#include <QString>

namespace Veltor {

// Radii and places of the rotary controls, in dial units.
namespace DialUnits {
constexpr int kHalfSide = 1000;  // half the shorter side of the dial area
constexpr int kScale = 670;      // scale arc, inner end of the ticks
constexpr int kTickEnd = 760;    // outer end of the ticks
constexpr int kRim = 600;        // knob rim, end of the pointer
constexpr int kCap = 400;        // knob cap
constexpr int kShade = 500;      // offset that narrows the rim's shaded sector
constexpr int kDot = 710;        // selector detent dots
constexpr int kDotRadius = 40;
constexpr int kCaptionHalfWidth = 500;
constexpr int kCaptionTop = -750;
}  // namespace DialUnits

// The logical frame of a dial: origin at the dial centre, y upwards, 1000
// units to half the shorter side of R. Points map to pixels in integer
// arithmetic, multiplying before dividing.
struct TDialFrame {
  TRect R;
  int XMin = -DialUnits::kHalfSide;
  int XMax = DialUnits::kHalfSide;
  int YMin = -DialUnits::kHalfSide;
  int YMax = DialUnits::kHalfSide;

  // R is the inner rectangle shrunk by the shorter outer side div 40.
  static TDialFrame Make(const TRect& inner, int width, int height);

  int PixelX(int x) const { return R.Left + int(qint64(x - XMin) * R.Width() / (XMax - XMin)); }
  int PixelY(int y) const { return R.Top + int(qint64(YMax - y) * R.Height() / (YMax - YMin)); }
  TPoint Map(int x, int y) const { return TPoint(PixelX(x), PixelY(y)); }
  TPoint Centre() const { return Map(0, 0); }
  // Pixel length of a radius measured straight up from the centre.
  int Length(int units) const { return Centre().Y - PixelY(units); }
};

// Everything a rotary control places. The pot uses the tick fields, the
// selector the dot fields; both use the rest.
struct TRotaryLayout {
  TRect Inner;   // inside the rings: maker mark and preset button
  TRect Preset;  // the preset button, also its hit area
  TDialFrame Frame;
  TPoint Centre;       // knob centre, the pivot of every turn
  TRect ScaleBox;      // square of the scale arc
  TRect RimBox;        // square of the knob rim
  TRect CapBox;        // square of the knob cap
  TPoint ZeroPoint;    // pointer end at the start of the scale
  TFont LabelFont;     // scale labels (sized to the dial with FontAutom)
  TRect CaptionFrame;  // caption box with its bevel
  TRect CaptionBox;    // the caption's own area, inside the bevel
  TPoint TickInner;    // pot: a tick at 12 o'clock, inner end
  TPoint TickOuter;    // pot: the same tick's outer end
  int DotRadius = 0;   // selector: detent dot radius in pixels
  TPoint DotPoint;     // selector: centre of the dot at the start of the scale
};

// The properties a rotary layout depends on besides the size.
struct TRotaryLook {
  TFrameLook Frame;
  TFont Font;
  bool FontAutom = true;
  TPanelBevel CaptBevel = bvNone;
};

TRotaryLayout PotiLayout(const TRotaryLook& look, int width, int height);
TRotaryLayout SelectorLayout(const TRotaryLook& look, int width, int height);

// The pointer end for a scale angle (0 at the start, 270 at the end).
TPoint PointerEnd(const TRotaryLayout& l, double scaleAngle);

// Decimals of a pot's scale labels: 2 for a span below 3, 1 up to 10, else 0.
int ScaleDecimals(double span);
// A scale label: "0" for zero, otherwise four significant digits with the
// given decimals, one trailing zero dropped from two decimals, at most ten
// characters.
QString ScaleLabel(double v, int decimals);

}  // namespace Veltor
