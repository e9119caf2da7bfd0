#include "potis/slide_paint.h"

#include "foundation/drawhelpers.h"
#include "foundation/frame3d.h"
#include "foundation/helpers.h"
#include "foundation/numformat.h"
#include "potis/poti_layout.h"
#include "potis/rotary_paint.h"
#include "potis/selector_model.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Veltor {

namespace {

constexpr int kMarkHeight = 9;
// The preset button at the lower right: a third of the inner width, at
// least kPresetMinWidth, kPresetHeight high; the mark stays clear of it.
constexpr int kPresetMinWidth = 12;
constexpr int kPresetHeight = 13;
constexpr int kPresetClearance = 9;
// Margin round the content: a twentieth of the width within these bounds.
constexpr int kMinMargin = 3;
constexpr int kMaxMargin = 10;
// The base size s follows the control's area within these bounds.
constexpr int kMinBase = 8;
constexpr int kMaxBase = 13;
// Half-ticks between labelled ticks once a division is this many pixels.
constexpr int kHalfTickSpacing = 30;
// A label is this far right of its tick.
constexpr int kLabelGap = 3;

void Line(TCanvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}

// Ticks of the given length left of the slot and right of it, on row y.
void TicksBothSides(TCanvas& c, const TSlideLayout& l, int y, int length) {
  const int xa = l.Slot.Left - l.S;
  const int xb = l.Slot.Right + l.S;
  Line(c, xa, y, xa - length, y);
  Line(c, xb, y, xb + length, y);
}

void ScalePen(TCanvas& c, TColor colour) {
  c.Pen = TPen{colour, 1, psSolid, pmCopy};
  c.Brush.Style = bsClear;
}

}  // namespace

TSlideLayout SlideLayout(const TSlideLook& look, int width, int height) {
  TSlideLayout l;
  TRect in = FrameInnerRect(look.Frame, width, height);
  l.Inner = in;
  const int presetRight = in.Right - 1;
  l.Preset =
      TRect(presetRight - std::max(kPresetMinWidth, in.Width() / 3), in.Bottom - kPresetHeight, presetRight, in.Bottom);
  if (look.PresEnable) in.Bottom -= kPresetClearance;

  in.Shrink(std::clamp(width / 20, kMinMargin, kMaxMargin));
  const int s = std::clamp((height / 25) * width / 115, kMinBase, kMaxBase);
  l.S = s;
  l.LabelFont = look.Font;
  if (look.FontAutom) l.LabelFont.SetSize(look.DecadeLabels ? s : s * 12 / 10);
  const int fh = std::abs(l.LabelFont.Height);
  l.FontHeight = fh;

  l.CaptionFrame = TRect(in.Left, in.Top, in.Right, in.Top + fh * 12 / 10);
  l.CaptionBox = l.CaptionFrame;
  if (look.CaptBevel != bvNone) l.CaptionBox.Shrink(1);
  in.Top = look.CaptEnable ? l.CaptionFrame.Bottom + fh : in.Top + s;

  l.KnobHalf = s * 7 / 10;
  in.Bottom -= s;
  in.Left += look.NarrowLeft ? 2 * l.KnobHalf : 2 * s;
  l.X0 = in.Left;
  l.Track = TTrack{in.Top, std::max(0, in.Bottom - in.Top)};
  const int d = s / 3;
  l.Slot = TRect(l.X0 - d, in.Top, l.X0 + d, in.Bottom);
  return l;
}

void DrawSlideMark(TCanvas& c, const TRect& inner) {
  c.Brush.Style = bsClear;
  TFont font;
  font.Name = QStringLiteral("Arial");
  font.Height = -kMarkHeight;
  font.Color = clGray;
  c.Font = font;
  c.TextOut(inner.Left + 1, inner.Bottom - kMarkHeight, QString::fromLatin1(kMakerMark));
}

void DrawSlot(TCanvas& c, const TSlideLayout& l) {
  c.Pen = TPen{clBlack, 1, psSolid, pmCopy};
  c.Brush = TBrush{clBlack, bsSolid};
  c.Rectangle(l.Slot);
}

int SlideScaleDecimals(double span) {
  if (span < 2) return 2;
  if (span < 4) return 1;
  return 0;
}

void DrawLinearSlideScale(TCanvas& c, const TSlideLayout& l, const TPotiModel& m, int parts, TColor colour) {
  ScalePen(c, colour);
  const int decimals = SlideScaleDecimals(m.Span());
  const int labelWidth = std::max(c.TextWidth(FloatToStrFixed(m.End(), 4, decimals)),
                                  c.TextWidth(FloatToStrFixed(m.Start(), 4, decimals)));
  const int length = l.Track.Length;
  const int division = length / parts;
  const bool halfTicks = division > kHalfTickSpacing;
  const int xb = l.Slot.Right + l.S;
  for (int i = 0; i <= parts; ++i) {
    const int y = l.Bottom() - length * i / parts;
    TicksBothSides(c, l, y, l.S);
    if (i < parts && halfTicks) TicksBothSides(c, l, y - division / 2, l.S / 2);
    const QString text = ScaleLabel(m.Start() + m.Span() / parts * i, decimals);
    c.TextOut(xb + labelWidth - c.TextWidth(text) + l.S, y - l.FontHeight * 2 / 3, text);
  }
}

void DrawDecadeSlideScale(TCanvas& c, const TSlideLayout& l, const TPotiModel& m, int parts, TColor colour) {
  ScalePen(c, colour);
  const double logEnd = Log10(m.End());
  const double decades = logEnd - Log10(m.Start());
  if (decades <= 0) return;
  const auto row = [&](double v) {
    return l.Track.Start + int(RoundHalfEven(std::fabs(Log10(v) - logEnd) * l.Track.Length / decades));
  };
  const int n = int(RoundHalfEven(decades));
  const int xb = l.Slot.Right + l.S;
  double v = m.Start();
  for (int k = 0; k <= n; ++k, v *= 10) {
    const int y = row(v);
    TicksBothSides(c, l, y, l.S);
    DrawPow10(xb + l.S + kLabelGap, y - l.FontHeight * 11 / 20, c, v);
    c.Font = l.LabelFont;
    ScalePen(c, colour);
    if (k == n || parts <= 1) continue;
    for (int j = 1; j < parts; ++j) TicksBothSides(c, l, row(v * j * 10 / parts), l.S / 2);
  }
}

void DrawSelectorSlideScale(TCanvas& c, const TSlideLayout& l, const TSelectorModel& m, TColor colour) {
  ScalePen(c, colour);
  const int parts = m.ScalaPart();
  const int x = l.Slot.Right + 1;
  const int length = l.S / 2;
  for (int i = 0; i <= parts; ++i) {
    const int y = l.Bottom() - l.Track.Length * i / parts;
    Line(c, x, y, x + length, y);
    if (i < m.EntryCount()) c.TextOut(x + length + kLabelGap, y - l.FontHeight * 2 / 3, m.Label(i));
  }
}

void DrawSlideCaption(TCanvas& c, const TSlideLayout& l, TPanelBevel bevel, const TFont& font, const QString& caption,
                      TColor colour) {
  TColor topLeft, bottomRight;
  if (BevelColors(bevel, &topLeft, &bottomRight)) {
    TRect r = l.CaptionFrame;
    DrawFrame3D(c, r, topLeft, bottomRight);
  }
  DrawCaption(c, l.CaptionBox, font, caption, colour);
}

void DrawSlideKnob(TBitmap& bitmap, TColor colour) {
  TCanvas& c = bitmap.Canvas();
  const int w = bitmap.Width(), h = bitmap.Height();
  const int groove = (h - 1) / 2;
  c.Pen = TPen{colour, 2, psSolid, pmCopy};
  c.Brush = TBrush{colour, bsSolid};
  c.Rectangle(0, 0, w, h);
  c.Pen.Color = clWhite;
  Line(c, 1, groove - 1, w - 1, groove - 1);
  const TPoint lit[] = {{0, h - 1}, {0, 0}, {w - 1, 0}};
  c.Polyline(lit, 3);
  c.Pen.Color = clGray;
  const TPoint shaded[] = {{w - 1, 0}, {w - 1, h - 1}, {0, h - 1}};
  c.Polyline(shaded, 3);
  Line(c, 1, groove + 1, w - 1, groove + 1);
}

}  // namespace Veltor
