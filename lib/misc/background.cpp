#include "misc/background.h"

#include <algorithm>
#include <cstdlib>

namespace Veltor {

namespace {

constexpr int kDefaultSize = 50;

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDivRound(qint64 a, qint64 b, qint64 c) {
  const qint64 product = a * b;
  const qint64 half = std::abs(c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const qint64 q = (std::abs(product) + half) / std::abs(c);
  return int(negative ? -q : q);
}

TColor BandColour(int k, int bands, int r0, int g0, int b0, int dr, int dg, int db) {
  const auto channel = [&](int base, int delta) { return (base + MulDivRound(k, delta, bands)) & 0xFF; };
  return TColor::FromRGB(channel(r0, dr), channel(g0, dg), channel(b0, db));
}

}  // namespace

std::vector<TGradientBand> GradientBands(int width, int height, int bands, TFillDirection direction, TColor begin,
                                         TColor end) {
  bands = std::max(bands, 1);
  const int r0 = begin.Red(), g0 = begin.Green(), b0 = begin.Blue();
  const int dr = end.Red() - r0, dg = end.Green() - g0, db = end.Blue() - b0;
  const bool vertical = direction == fdTopToBottom || direction == fdBottomToTop;
  const bool reversed = direction == fdBottomToTop || direction == fdRightToLeft;
  const int length = vertical ? height : width;

  std::vector<TGradientBand> result;
  result.reserve(std::size_t(bands));
  // Step k runs from the begin edge; reversed directions count their
  // positions back from the far edge.
  for (int k = 0; k < bands; ++k) {
    const int slot = reversed ? bands - 1 - k : k;
    const int from = MulDivRound(slot, length, bands);
    const int to = MulDivRound(slot + 1, length, bands);
    const TRect rect = vertical ? TRect(0, from, width, to) : TRect(from, 0, to, height);
    result.push_back({rect, BandColour(k, bands, r0, g0, b0, dr, dg, db)});
  }
  return result;
}

TBackGround::TBackGround(QWidget* parent) : TGraphicControl(parent) { resize(kDefaultSize, kDefaultSize); }

void TBackGround::SetNumberOfColors(int n) {
  const bool loading = ComponentState() & csLoading;
  if (!loading) n = std::clamp(n, 1, MaxColors);
  const int bands = n == MaxColors && FRealize ? MaxColors - 1 : n;
  if (n == FNumberOfColors && bands == FBands) return;
  FNumberOfColors = n;
  FBands = std::max(bands, 1);
  Invalidate();
}

void TBackGround::Paint() {
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  const TColor begin = FBeginColor.ToRGB();
  const TColor end = FEndColor.ToRGB();
  for (const TGradientBand& band : GradientBands(width(), height(), FBands, FFillDirection, begin, end)) {
    c.Brush.Color = band.Color;
    c.FillRect(band.Rect);
  }
}

}  // namespace Veltor
