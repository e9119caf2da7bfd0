#include "potis/slide_model.h"

#include "foundation/helpers.h"
#include "foundation/numformat.h"

#include <cmath>
#include <cstdlib>

namespace Veltor {

namespace Track {

namespace {
// A linear track resolves values to hundredths.
constexpr double kResolution = 100;
}  // namespace

double LinearValueAt(const TPotiModel& m, const TTrack& t, int y) {
  if (t.Length <= 0) return m.Start();
  return m.Start() + m.Span() / t.Length * Up(t, y);
}

int LinearRow(const TPotiModel& m, const TTrack& t) {
  const long long span = RoundHalfEven(kResolution * m.Span());
  if (span <= 0) return t.Start;
  const long long fromEnd = std::llabs(RoundHalfEven(kResolution * m.Value()) - RoundHalfEven(kResolution * m.End()));
  return t.Start + int(fromEnd * t.Length / span);
}

double DecadeValueAt(const TPotiModel& m, const TTrack& t, int y) {
  const double logStart = Log10(m.Start());
  if (t.Length <= 0) return m.Start();
  return Pow10(double(Up(t, y)) / t.Length * (Log10(m.End()) - logStart) + logStart);
}

int DecadeRow(const TPotiModel& m, const TTrack& t) {
  const double logEnd = Log10(m.End());
  const double decades = logEnd - Log10(m.Start());
  if (decades <= 0) return t.Start;
  return t.Start + int(RoundHalfEven(std::fabs(Log10(m.Value()) - logEnd) * t.Length / decades));
}

int DetentAt(int parts, const TTrack& t, int y) {
  if (t.Length <= 0) return 0;
  return int(RoundHalfEven(double(Up(t, y)) / t.Length * parts));
}

int DetentRow(int parts, const TTrack& t, int p) {
  if (parts <= 0) return t.Start + t.Length;
  return t.Start + t.Length - int(RoundHalfEven(double(t.Length) / parts * p));
}

}  // namespace Track

TBitmap& TKnobSprite::NewImage(int w, int h, qreal ratio) {
  FPlaced = false;
  FImage.SetSize(w, h, ratio);
  FBackground.SetSize(w, h, ratio);
  return FImage;
}

void TKnobSprite::MoveTo(TCanvas& canvas, const TRect& r) {
  if (FPlaced && r == FPlace) return;
  const TRect whole(0, 0, FImage.Width(), FImage.Height());
  if (FPlaced) canvas.CopyRect(FPlace, FBackground.Image(), whole);
  canvas.Release();
  FBackground.Canvas().CopyRect(whole, *canvas.Target(), r);
  canvas.Draw(r.Left, r.Top, FImage.Image());
  FPlace = r;
  FPlaced = true;
}

void TKnobSprite::Show(TCanvas& canvas) {
  if (FPlaced) canvas.Draw(FPlace.Left, FPlace.Top, FImage.Image());
}

}  // namespace Veltor
