#pragma once
// The frame every bordered control shares: an optional one-pixel frame line,
// an outer bevel, a flat border ring and an inner bevel, each switchable per
// side, around a background fill. Plain functions on a canvas, so the frame
// base control and the off-screen instrument base paint it alike.

#include "foundation/foundationtypes.h"
#include "host/canvas.h"
#include "host/types.h"

#include <QString>

namespace Veltor {

struct TFrameLook {
  bool Framed = false;
  TTastStyle ButtonStyle = tsNone;
  bool ShowPressed = true;
  TPanelBevel BevelIn = bvNone;
  TPanelBevel BevelOut = bvRaised;
  int BevWidth = 2;
  int BordWidth = 2;
  bool BordRight = true;
  bool BordLeft = true;
  bool BordTop = true;
  bool BordBottom = true;
  TColor ColBtnBord = clBlack;
  TColor ColBgnd = clSilver;

  // Buttons get the frame line unless their pressed look is switched off.
  bool FrameLineApplies() const { return (ButtonStyle != tsNone && ShowPressed) || Framed; }
};

// Bevel and border widths are kept within 0..5.
int ClampRingWidth(int w);

// Moves every switched-off edge of inner outwards by w, so that the ring of
// width w drawn next falls outside on that side.
void AdjustSides(const TFrameLook& look, TRect& inner, int w);

// One ring of width w just inside inner: top and left in colour a, bottom and
// right in colour b (b owns the diagonal joins).
void DrawRing(TCanvas& canvas, const TRect& inner, int w, TColor a, TColor b);

// Paints frame line, rings and background over a control of the given size
// and returns what is left inside.
TRect PaintFrame(TCanvas& canvas, const TFrameLook& look, int width, int height);

// What PaintFrame leaves inside the rings, worked out without painting, so
// layouts and mouse code need no paint first.
TRect FrameInnerRect(const TFrameLook& look, int width, int height);

// Redraws only the outermost bevel in its pressed or released look; returns
// the rectangle the frame code reached.
TRect DrawPressedFrame(TCanvas& canvas, const TFrameLook& look, int width, int height, bool pressed);

// What a press or release does to a frame button: its look changes first,
// then OnDown or OnUp fires, then OnClick. Which button and where do not matter.
struct TButtonStep {
  enum TLook { Keep, Press, Release };
  TLook Look = Keep;
  bool FireDown = false;
  bool FireUp = false;
  bool FireClick = false;
};
TButtonStep ButtonMouseDown(TTastStyle style, bool status);
TButtonStep ButtonMouseUp(TTastStyle style, bool status);

// Sets canvas.Font to the largest size at which text fits rect with a tenth
// of its height to spare. An empty text gets size 10.
void FitFont(TCanvas& canvas, const TRect& rect, const QString& text);

}  // namespace Veltor
