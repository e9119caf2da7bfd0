#include "potis/poti10t_layout.h"

#include "foundation/helpers.h"
#include "foundation/numformat.h"
#include "potis/poti_model.h"

#include <algorithm>
#include <cmath>

namespace Veltor {

namespace {
// Dial units of the parts the rotary pot does not have.
constexpr int kLedUnit = 100;
constexpr int kReadoutHalfWidth = 450;
constexpr int kReadoutTop = -700;
constexpr int kReadoutBottom = -1050;
constexpr int kDigitCells = 4;
// The maker mark sits this far above the preset button or the bottom.
constexpr int kMarkRise = 12;
constexpr int kMarkInset = 2;
// A whole fine turn moves a tenth of the range.
constexpr double kFineTurnsPerRange = 10;
constexpr int kMaxReadoutLength = 10;
constexpr int kMinPaddedLength = 5;
}  // namespace

std::array<TPoint, 3> TPoti10TLayout::Pointer(double scaleAngle) const {
  const TPoint c = Dial.Centre;
  return {RotatePoint(c, PointerZero[0], scaleAngle), RotatePoint(c, PointerZero[1], scaleAngle),
          RotatePoint(c, PointerZero[2], scaleAngle)};
}

TPoint TPoti10TLayout::Marker(double fineAngle) const { return RotatePoint(Dial.Centre, MarkerZero, fineAngle); }

TRect TPoti10TLayout::MovingArea() const {
  TRect r = Dial.RimBox;
  r.Shrink(-2);
  return r;
}

TPoti10TLayout Poti10TLayout(const TRotaryLook& look, bool presEnable, int width, int height) {
  TPoti10TLayout l;
  l.Dial = PotiLayout(look, width, height);
  const TRotaryLayout& d = l.Dial;
  const TPoint c = d.Centre;
  l.FineRadius = c.X - d.Frame.PixelX(-DialUnits::kCap);

  const int y600 = d.Frame.PixelY(DialUnits::kRim);
  const int y400 = d.Frame.PixelY(DialUnits::kCap);
  const int a = (y400 - y600) / 2;
  const std::array<TPoint, 3> upright = {TPoint(c.X, y600), TPoint(c.X - a, y400), TPoint(c.X + a, y400)};
  for (int i = 0; i < 3; ++i) l.PointerZero[i] = RotatePoint(c, upright[i], Dial::kStartFromTop);
  l.MarkerRadius = a;
  l.MarkerZero = RotatePoint(c, TPoint(c.X, y600 + a + 1), 180);

  const TPoint tl = d.Frame.Map(-kReadoutHalfWidth, kReadoutTop);
  const TPoint br = d.Frame.Map(kReadoutHalfWidth, kReadoutBottom);
  l.Readout = TRect(tl.X, tl.Y, br.X, br.Y);
  l.ReadoutCells = l.Readout;
  l.ReadoutCells.Shrink((l.Readout.Height() * 8 / 10) / 8);

  const int r = d.Frame.PixelX(kLedUnit) - width / 2;
  l.LedHousing = r;
  const TRect& R = d.Frame.R;
  l.Leds = {TPoint(R.Left + 3 * r / 2, R.Top + 3 * r / 2), TPoint(R.Right - 3 * r / 2, R.Top + 3 * r / 2)};

  const int markTop = (presEnable ? d.Preset.Top : d.Inner.Bottom) - kMarkRise;
  l.MarkAt = TPoint(d.Inner.Left + kMarkInset, markTop);
  return l;
}

int ReadoutDecimals(bool fixedPoint, double value, double start, double end) {
  if (fixedPoint) {
    if (end < 10 && start > -10) return 3;
    if (end < 100 && start > -100) return 2;
    if (end < 1000 && start > -1000) return 1;
    return 0;
  }
  const double v = std::fabs(value);
  if (v < 10) return 3;
  if (v < 100) return 2;
  if (v < 1000) return 1;
  return 0;
}

QString ReadoutText(double value, int decimals) {
  QString text = FloatToStrFixed(value, 4, decimals).left(kMaxReadoutLength);
  if (decimals > 0) text = text.rightJustified(kMinPaddedLength, QLatin1Char(' '));
  return text;
}

double FineStep(double span, double from, double to) {
  double delta = to - from;
  if (delta > 180) delta -= 360;
  if (delta < -180) delta += 360;
  return span * delta / (360 * kFineTurnsPerRange);
}

}  // namespace Veltor
