#include "meters/magiceye.h"

#include "foundation/drawhelpers.h"
#include "foundation/numformat.h"

#include <algorithm>

namespace Veltor {

TEyeBand MagicEyeBand(double startValue, double endValue, double startPos, double endPos, int length) {
  // A stored form may deliver a scale that is not increasing.
  const double range = endValue > startValue ? endValue - startValue : 1;
  const double hi = std::max(startValue, endValue);
  const auto pixel = [&](double v) {
    return int(RoundHalfEven((std::clamp(v, startValue, hi) - startValue) * length / range));
  };
  const int p1 = pixel(startPos);
  const int p2 = pixel(endPos);
  TEyeBand band{std::min(p1, p2), std::max(p1, p2), p1 > p2};
  if (band.First == band.Last) {
    if (band.Last < length) {
      ++band.Last;
    } else {
      --band.First;
    }
  }
  return band;
}

TMagicEye::TMagicEye(QWidget* parent) : TRahmen(parent) {
  SetBordWidth(4);
  SetBevWidth(1);
  resize(150, 30);
}

void TMagicEye::SetStartValue(double v) {
  if (!Loading() && v >= FEndValue) v = FEndValue - 1;
  Change(FStartValue, v);
}

void TMagicEye::SetEndValue(double v) {
  if (!Loading() && v <= FStartValue) v = FStartValue + 1;
  Change(FEndValue, v);
}

void TMagicEye::SetDirection(TOrientation v) {
  if (v == FDirection) return;
  FDirection = v;
  if (FPainted) Repaint();
}

void TMagicEye::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    DrawStrip();
    return;
  }
  TRahmen::WndProc(Message);
}

void TMagicEye::Paint() {
  TRahmen::Paint();
  FPainted = true;
  FStrip = InnerRect();
  TCanvas& c = Canvas();
  c.Pen = TPen{clGray, 1, psSolid, pmCopy};
  // The sunken edge takes the strip's outermost pixels.
  DrawSunken(c, TRect(FStrip.Left, FStrip.Top, FStrip.Right - 1, FStrip.Bottom - 1));
  FStrip.Shrink(1);
  DrawStrip();
}

void TMagicEye::DrawStrip() {
  if (!FPainted || FStrip.IsEmpty()) return;
  TCanvas& c = Canvas();
  const TRect& s = FStrip;
  const bool vertical = FDirection == orVertical;
  const int length = vertical ? s.Height() : s.Width();
  const TEyeBand band = MagicEyeBand(FStartValue, FEndValue, FStartPos, FEndPos, length);
  // Along the strip: [0, First) back, [First, Last) band, [Last, length) back.
  const auto part = [&](int from, int to, TColor colour) {
    if (to <= from) return;
    c.Brush = TBrush{colour, bsSolid};
    c.FillRect(vertical ? TRect(s.Left, s.Bottom - to, s.Right, s.Bottom - from)
                        : TRect(s.Left + from, s.Top, s.Left + to, s.Bottom));
  };
  part(0, band.First, FColorBack);
  part(band.First, band.Last, band.Inverse ? FColorEyeInv : FColorEye);
  part(band.Last, length, FColorBack);
}

}  // namespace Veltor
