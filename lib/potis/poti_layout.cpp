#include "potis/poti_layout.h"

#include "foundation/helpers.h"
#include "foundation/numformat.h"
#include "potis/poti_model.h"

#include <algorithm>
#include <cstdlib>

namespace Veltor {

namespace {

// The dial area keeps a margin of the shorter outer side div this.
constexpr int kMarginDivisor = 40;

// The preset button sits in the lower-left corner: a sixth of the inner
// width and a tenth of its height, but never smaller than this.
constexpr int kPresetMinWidth = 12;
constexpr int kPresetMinHeight = 11;
constexpr int kPresetWidthDivisor = 6;
constexpr int kPresetHeightDivisor = 10;

// Label font sizes that follow the dial: from the tick length (pot) or the
// dot radius (selector), never below kMinLabelSize points.
constexpr int kMinLabelSize = 7;
constexpr double kPotLabelPerTick = 1.4;
constexpr double kSelectorLabelPerDot = 3.5;

constexpr int kMaxLabelLength = 10;

TRect Square(const TDialFrame& f, int radius) {
  const TPoint tl = f.Map(-radius, radius);
  const TPoint br = f.Map(radius, -radius);
  return TRect(tl.X, tl.Y, br.X, br.Y);
}

// What both layouts share; the label font is set by the caller first.
void PlaceCommonParts(TRotaryLayout& l, int width, int height) {
  const TRect& in = l.Inner;
  const int presetRight = in.Left + std::max(kPresetMinWidth, in.Width() / kPresetWidthDivisor);
  const int presetTop = in.Bottom - std::max(kPresetMinHeight, in.Height() / kPresetHeightDivisor);
  l.Preset = TRect(in.Left, presetTop, presetRight, in.Bottom);

  l.Frame = TDialFrame::Make(in, width, height);
  l.Centre = l.Frame.Centre();
  l.ScaleBox = Square(l.Frame, DialUnits::kScale);
  l.RimBox = Square(l.Frame, DialUnits::kRim);
  l.CapBox = Square(l.Frame, DialUnits::kCap);
  l.ZeroPoint = RotatePoint(l.Centre, l.Frame.Map(0, DialUnits::kRim), Dial::kStartFromTop);
}

void PlaceCaption(TRotaryLayout& l, const TRotaryLook& look) {
  const TPoint topLeft = l.Frame.Map(-DialUnits::kCaptionHalfWidth, DialUnits::kCaptionTop);
  const int fh = std::abs(l.LabelFont.Height);
  l.CaptionFrame = TRect(topLeft.X, topLeft.Y, l.Frame.PixelX(DialUnits::kCaptionHalfWidth), topLeft.Y + fh * 12 / 10);
  l.CaptionBox = l.CaptionFrame;
  if (look.CaptBevel != bvNone) l.CaptionBox.Shrink(1);
}

TRotaryLayout Begin(const TRotaryLook& look, int width, int height) {
  TRotaryLayout l;
  l.Inner = FrameInnerRect(look.Frame, width, height);
  PlaceCommonParts(l, width, height);
  l.LabelFont = look.Font;
  return l;
}

}  // namespace

TDialFrame TDialFrame::Make(const TRect& inner, int width, int height) {
  TDialFrame f;
  f.R = inner;
  f.R.Shrink(std::min(width, height) / kMarginDivisor);
  const int w = f.R.Width();
  const int h = f.R.Height();
  // A control too small for a dial keeps the plain frame rather than divide
  // by nothing.
  if (w <= 0 || h <= 0) return f;
  if (height > width) {
    const int y0 = std::max(1, int(RoundHalfEven(double(h) * DialUnits::kHalfSide / w)));
    f.YMin = -y0;
    f.YMax = y0;
  } else {
    const int x0 = std::max(1, int(RoundHalfEven(double(w) * DialUnits::kHalfSide / h)));
    f.XMin = -x0;
    f.XMax = x0;
  }
  return f;
}

TRotaryLayout PotiLayout(const TRotaryLook& look, int width, int height) {
  TRotaryLayout l = Begin(look, width, height);
  l.TickInner = l.Frame.Map(0, DialUnits::kScale);
  l.TickOuter = l.Frame.Map(0, DialUnits::kTickEnd);
  if (look.FontAutom) {
    const int tick = std::abs(l.TickOuter.Y - l.TickInner.Y);
    l.LabelFont.SetSize(std::max(kMinLabelSize, int(RoundHalfEven(tick * kPotLabelPerTick)) + 1));
  }
  PlaceCaption(l, look);
  return l;
}

TRotaryLayout SelectorLayout(const TRotaryLook& look, int width, int height) {
  TRotaryLayout l = Begin(look, width, height);
  l.DotRadius = std::abs(l.Frame.Length(DialUnits::kDotRadius));
  l.DotPoint = RotatePoint(l.Centre, l.Frame.Map(0, DialUnits::kDot), Dial::kStartFromTop);
  if (look.FontAutom) {
    l.LabelFont.SetSize(std::max(kMinLabelSize, int(RoundHalfEven(l.DotRadius * kSelectorLabelPerDot)) + 1));
  }
  PlaceCaption(l, look);
  return l;
}

TPoint PointerEnd(const TRotaryLayout& l, double scaleAngle) { return RotatePoint(l.Centre, l.ZeroPoint, scaleAngle); }

int ScaleDecimals(double span) {
  if (span < 3) return 2;
  if (span <= 10) return 1;
  return 0;
}

QString ScaleLabel(double v, int decimals) {
  if (v == 0) return QStringLiteral("0");
  QString text = FloatToStrFixed(v, 4, decimals);
  if (decimals == 2 && text.endsWith(QLatin1Char('0'))) text.chop(1);
  return text.left(kMaxLabelLength);
}

}  // namespace Veltor
