#include "foundation/frame.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Veltor {

namespace {

// Puts the canvas into the state the ring code expects: filled shapes only.
void PrepareForRings(TCanvas& canvas) {
  canvas.Brush.Style = bsSolid;
  canvas.Pen.Style = psClear;
  canvas.Pen.Mode = pmCopy;
  canvas.Pen.Width = 1;
}

void DrawBevel(TCanvas& canvas, const TFrameLook& look, TRect& inner, TPanelBevel bevel) {
  if (bevel == bvNone) return;
  AdjustSides(look, inner, look.BevWidth);
  if (bevel == bvRaised) {
    DrawRing(canvas, inner, look.BevWidth, clWhite, clGray);
  } else {
    DrawRing(canvas, inner, look.BevWidth, clGray, clWhite);
  }
  inner.Shrink(look.BevWidth);
}

// Whether a bevel of the given style shows sunken in the given button state.
bool ShowsSunken(const TFrameLook& look, TPanelBevel bevel, bool pressed) {
  if (bevel == bvRaised) return pressed && look.ShowPressed;
  return !pressed || !look.ShowPressed;
}

void DrawPressedRing(TCanvas& canvas, const TRect& inner, int w, bool sunken) {
  DrawRing(canvas, inner, w, sunken ? clGray : clWhite, sunken ? clWhite : clGray);
}

}  // namespace

int ClampRingWidth(int w) { return std::clamp(w, 0, 5); }

void AdjustSides(const TFrameLook& look, TRect& inner, int w) {
  if (!look.BordRight) inner.Right += w;
  if (!look.BordLeft) inner.Left -= w;
  if (!look.BordTop) inner.Top -= w;
  if (!look.BordBottom) inner.Bottom += w;
}

void DrawRing(TCanvas& canvas, const TRect& r, int w, TColor a, TColor b) {
  const TPoint topLeft[6] = {{r.Left, r.Top},         {r.Right, r.Top},           {r.Right - w, r.Top + w},
                             {r.Left + w, r.Top + w}, {r.Left + w, r.Bottom - w}, {r.Left, r.Bottom}};
  const TPoint bottomRight[6] = {{r.Right, r.Bottom},         {r.Right, r.Top},           {r.Right - w, r.Top + w},
                                 {r.Right - w, r.Bottom - w}, {r.Left + w, r.Bottom - w}, {r.Left, r.Bottom}};
  canvas.Brush.Color = a;
  canvas.Polygon(topLeft, 6);
  canvas.Brush.Color = b;
  canvas.Polygon(bottomRight, 6);
}

TRect FrameInnerRect(const TFrameLook& look, int width, int height) {
  TRect r(0, 0, width, height);
  if (look.FrameLineApplies()) r.Shrink(1);
  const auto ring = [&](int w) {
    AdjustSides(look, r, w);
    r.Shrink(w);
  };
  if (look.BevelOut != bvNone) ring(look.BevWidth);
  if (look.BordWidth > 0) ring(look.BordWidth);
  if (look.BevelIn != bvNone) ring(look.BevWidth);
  return r;
}

TRect PaintFrame(TCanvas& canvas, const TFrameLook& look, int width, int height) {
  TRect inner(0, 0, width, height);
  PrepareForRings(canvas);

  const TRect savedClip = canvas.ClipRect();
  if (look.FrameLineApplies()) {
    canvas.Brush.Color = look.ColBtnBord;
    canvas.FrameRect(inner);
    inner.Shrink(1);
    // A ring pushed out over a switched-off side must not cover the line.
    canvas.SetClipRect(inner);
  }

  DrawBevel(canvas, look, inner, look.BevelOut);

  if (look.BordWidth > 0) {
    AdjustSides(look, inner, look.BordWidth);
    DrawRing(canvas, inner, look.BordWidth, clSilver, clSilver);
    inner.Shrink(look.BordWidth);
  }

  DrawBevel(canvas, look, inner, look.BevelIn);

  PrepareForRings(canvas);
  canvas.Brush.Color = look.ColBgnd;
  canvas.FillRect(inner);
  canvas.SetClipRect(savedClip);
  return inner;
}

TRect DrawPressedFrame(TCanvas& canvas, const TFrameLook& look, int width, int height, bool pressed) {
  TRect inner(0, 0, width, height);
  PrepareForRings(canvas);
  const TRect savedClip = canvas.ClipRect();
  if (look.FrameLineApplies()) {
    inner.Shrink(1);
    canvas.SetClipRect(inner);
  }

  if (look.BevelOut != bvNone) {
    AdjustSides(look, inner, look.BevWidth);
    DrawPressedRing(canvas, inner, look.BevWidth, ShowsSunken(look, look.BevelOut, pressed));
  } else if (look.BevelIn != bvNone) {
    if (look.BordWidth > 0) {
      AdjustSides(look, inner, look.BordWidth);
      inner.Shrink(look.BordWidth);
    }
    AdjustSides(look, inner, look.BevWidth);
    DrawPressedRing(canvas, inner, look.BevWidth, ShowsSunken(look, look.BevelIn, pressed));
    inner.Shrink(look.BevWidth);
  }
  canvas.SetClipRect(savedClip);
  return inner;
}

TButtonStep ButtonMouseDown(TTastStyle style, bool status) {
  TButtonStep step;
  switch (style) {
    case tsNone: break;
    case tsPush:
      step.Look = TButtonStep::Press;
      step.FireDown = true;
      break;
    case tsPushPull:
      // Toggles on the press; the release does nothing.
      step.Look = status ? TButtonStep::Release : TButtonStep::Press;
      step.FireUp = status;
      step.FireDown = !status;
      step.FireClick = true;
      break;
  }
  return step;
}

TButtonStep ButtonMouseUp(TTastStyle style, bool status) {
  TButtonStep step;
  switch (style) {
    case tsNone:
      if (status) step.Look = TButtonStep::Release;
      step.FireClick = true;
      break;
    case tsPush:
      step.Look = TButtonStep::Release;
      step.FireUp = true;
      step.FireClick = true;
      break;
    case tsPushPull: break;
  }
  return step;
}

void FitFont(TCanvas& canvas, const TRect& rect, const QString& text) {
  // Bounds that keep the loops finite for any rectangle; the rest of the rule
  // is the classic one.
  constexpr int kMinSize = 1;
  constexpr int kMaxSize = 1000;

  TFont& font = canvas.Font;
  if (text.isEmpty()) {
    font.SetSize(10);
    return;
  }
  // A positive (cell) height would make sizes count backwards; work in points.
  if (font.Height > 0) font.SetSize(std::max(kMinSize, std::abs(font.Size())));

  const int h = rect.Height();
  const int w = rect.Width();
  auto paddedHeight = [&] { return int(std::nearbyint(std::abs(font.Height) * 1.1)); };
  auto fits = [&] { return paddedHeight() <= h && canvas.TextWidth(text) <= w; };

  if (std::abs(font.Height) <= h && canvas.TextWidth(text) <= w) {
    while (paddedHeight() < h && canvas.TextWidth(text) < w && font.Size() < kMaxSize) {
      font.SetSize(font.Size() + 1);
    }
    if (!fits() && font.Size() > kMinSize) font.SetSize(font.Size() - 1);
  } else {
    while (!fits() && font.Size() > kMinSize) font.SetSize(font.Size() - 1);
  }
}

}  // namespace Veltor
