#include "potis/slider_layout.h"

#include "foundation/numformat.h"

#include <algorithm>

namespace Veltor {

namespace {
// A cross-wise or length-wise button is this fraction of ButtonSize thin.
constexpr int kThinNumerator = 10;
constexpr int kThinDenominator = 25;
constexpr int kMinCross = 15;
constexpr int kMaxCross = 50;
}  // namespace

TRect TSliderLayout::ButtonAt(int centre) const {
  if (Vertical) return TRect(Middle - Across, centre - Along, Middle + Across, centre + Along);
  return TRect(centre - Along, Middle - Across, centre + Along, Middle + Across);
}

std::vector<int> TSliderLayout::TickPlaces(int parts) const {
  std::vector<int> places;
  const int start = Vertical ? Trench.Top : Trench.Left;
  const int length = Vertical ? Trench.Height() : Trench.Width();
  for (int i = 0; i <= parts; ++i) {
    int at = start + int(RoundHalfEven(double(length) / parts * i));
    if (i == 0) ++at;
    if (i == parts) --at;
    places.push_back(at);
  }
  return places;
}

TSliderLayout SliderLayout(const TSliderLook& look, int width, int height) {
  TSliderLayout l;
  l.Vertical = look.Vertical;
  l.Inner = FrameInnerRect(look.Frame, width, height);
  const int thin = look.ButtonSize * kThinNumerator / kThinDenominator;
  switch (look.ButtonDir) {
    case btCrossWise:
      l.Along = thin;
      l.Across = look.ButtonSize;
      break;
    case btLengthWise:
      l.Along = look.ButtonSize;
      l.Across = thin;
      break;
    case btSquare: l.Along = l.Across = look.ButtonSize; break;
  }
  const int tw = look.TrenchWidth;
  const TRect& in = l.Inner;
  if (l.Vertical) {
    l.Middle = width / 2;
    l.Trench = TRect(l.Middle - tw, in.Top + l.Along, l.Middle + tw, in.Bottom - l.Along);
    l.Track = TTrack{l.Trench.Top, std::max(0, l.Trench.Height())};
    const int offset = std::clamp(look.CaptOffset, -width / 2, width / 2);
    l.CaptionArea = TRect(l.Middle + offset, in.Top, in.Right, in.Bottom);
  } else {
    l.Middle = height / 2;
    l.Trench = TRect(in.Left + l.Along, l.Middle - tw, in.Right - l.Along, l.Middle + tw);
    l.Track = TTrack{l.Trench.Left, std::max(0, l.Trench.Width())};
    const int offset = std::clamp(look.CaptOffset, -height / 2, height / 2);
    l.CaptionArea = TRect(in.Left, l.Middle + offset, in.Right, in.Bottom);
  }
  return l;
}

TSliderShape SliderShape(int width, int height) {
  TSliderShape s{height <= width ? orHorizontal : orVertical, width, height};
  if (s.Orientation == orVertical) {
    s.Width = std::clamp(width, kMinCross, kMaxCross);
  } else {
    s.Height = std::clamp(height, kMinCross, kMaxCross);
  }
  return s;
}

double SliderValueAt(const TPotiModel& m, const TSliderLayout& l, int x, int y) {
  if (l.Track.Length <= 0) return m.Start();
  const int along = l.Vertical ? Track::Up(l.Track, y) : x - l.Track.Start;
  return m.Clamp(m.Start() + m.Span() / l.Track.Length * along);
}

int SliderButtonCentre(const TPotiModel& m, const TSliderLayout& l) {
  const int r = int(RoundHalfEven((m.Value() - m.Start()) / m.Span() * l.Track.Length));
  return l.Vertical ? l.Track.Start + l.Track.Length - r : l.Track.Start + r;
}

int SliderDetent(const TPotiModel& m, int parts, double v) {
  return int(RoundHalfEven((v - m.Start()) * parts / m.Span()));
}

double SliderDetentValue(const TPotiModel& m, int parts, int p) { return m.Start() + m.Span() / parts * p; }

}  // namespace Veltor
