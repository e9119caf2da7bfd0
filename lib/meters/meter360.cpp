#include "meters/meter360.h"

#include <algorithm>
#include <cstdlib>

namespace Veltor {

namespace {

// Dial radii of the two scales in dial units.
constexpr int kRing = 710;
constexpr int kInnerTickIn = 620;
constexpr int kInnerTickOut = 680;
// Captions: the box that sizes them, and the rows of their top edges.
constexpr int kCaptionBoxTop = 100;
constexpr int kCaptionBoxBottom = -190;
constexpr int kCaption1Top = 300;
constexpr int kCaption2Top = -190;
// The smallest caption font a crowded dial shrinks to.
constexpr int kMinCaptionHeight = 2;

bool Overlaps(const TRect& a, const std::vector<TRect>& boxes) {
  return std::any_of(boxes.begin(), boxes.end(), [&a](const TRect& b) {
    return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
  });
}

}  // namespace

TMeter360::TMeter360(QWidget* parent) : TDialMeter(parent) {
  resize(200, 200);
  for (TMeterModel* scale : {&FScale1, &FScale2}) scale->SetRangeLimit(kRangeLimit);
  FScale2.SetPeakClamped(false);
  FScale2.SetValueEnd(10000);
  FScale2.Led(0).Color = clYellow;
  FScale2.Led(1).Color = clAqua;
}

void TMeter360::SetValue(TMeterModel& scale, double v) {
  if (scale.SetValue(v)) UpdateNeedle(false);
}

void TMeter360::SetDamping1(int v) {
  if (FScale1.SetDamping(v)) RunTicker(FScale1.Damping() > 0 || FScale2.Damping() > 0);
}

void TMeter360::SetDamping2(int v) {
  if (FScale2.SetDamping(v)) RunTicker(FScale1.Damping() > 0 || FScale2.Damping() > 0);
}

void TMeter360::SetDampPeak(int v) {
  if (FScale2.SetDampPeak(v) && FScale2.DampPeak() > 0) RunTicker(true);
}

void TMeter360::SetPeakMode(TPeakPtrMode v) {
  if (FScale2.SetPeakMode(v)) UpdateNeedle(true);
}

void TMeter360::ResetPeak() {
  if (FScale2.ResetPeak()) UpdateNeedle(true);
}

void TMeter360::BlinkLeds(bool blinkState) {
  if (FLedEnable1) FScale1.BlinkLeds(blinkState);
  if (FLedEnable2) FScale2.BlinkLeds(blinkState);
}

// ---------------------------------------------------------------- dial

void TMeter360::Paint() {
  TVeltorBase::Paint();
  SetPainted(true);
  FScale1.FixDecadeRange();
  FScale2.FixDecadeRange();
  TCanvas& c = DrawBitmap().Canvas();
  c.Font = Font();
  FLayout = Meter360Layout(Width(), Height(), InnerRect(), {BordLeft(), BordTop(), BordRight(), BordBottom()}, FShape);
  FInnerRect = FLayout.R;
  FInnerLabels.clear();
  FCaption1Rect = FCaption2Rect = TRect();
  if (FLayout.Valid()) {
    const TDialLayout& l = FLayout;
    PaintDialFace(c, l, FColShape, ColBack());

    // The ring between the scales, a second circle just inside it.
    const int ring = l.Length(kRing);
    c.Brush.Style = bsClear;
    c.Pen = TPen{FColScala1, 2, psSolid, pmCopy};
    c.Ellipse(l.C.X - ring, l.C.Y - ring, l.C.X + ring, l.C.Y + ring);
    c.Pen.Color = FColScala2;
    c.Ellipse(l.C.X - ring + 2, l.C.Y - ring + 2, l.C.X + ring - 2, l.C.Y + ring - 2);

    if (FontAutom()) c.Font.Height = ScaleFontHeight(l);
    c.Font.Color = FColFont1;
    PaintDialScale(c, l, FScale1, FColScala1, ScaleLabelWidth(c, FScale1, Font()));
    TDialLayout inner = l;
    inner.TickInner = kInnerTickIn;
    inner.TickOuter = kInnerTickOut;
    inner.LabelsInside = true;
    c.Font.Color = FColFont2;
    FInnerLabels = PaintDialScale(c, inner, FScale2, FColScala2, ScaleLabelWidth(c, FScale2, Font())).Texts;

    PaintCaptions(c);
    PaintHub(c, l, FColShape, FColCircle);
    if (FLedEnable1) PaintLedSockets(c, l, 0, 2);
    if (FLedEnable2) PaintLedSockets(c, l, 2, 2);
    PaintMakerMark(c, l);
  }
  UpdateNeedle(true);
}

void TMeter360::PaintCaptions(TCanvas& c) {
  const TDialLayout& l = FLayout;
  c.Font = Font();
  if (FontAutom()) {
    const int ch = (l.P(0, kCaptionBoxBottom).Y - l.P(0, kCaptionBoxTop).Y) * 8 / 10;
    c.Font.Height = std::abs(ch * 3 / 4);
  }
  c.Brush.Style = bsClear;
  const auto place = [&](const QString& text, int topUnits) {
    const int w = c.TextWidth(text);
    const int x = Width() / 2 - w / 2;
    const int y = l.P(0, topUnits).Y;
    return TRect(x, y, x + w, y + c.TextHeight(text));
  };
  // A caption as wide as the dial would run into the inner labels; the
  // captions then share a smaller font.
  while (FontAutom() && c.Font.Height > kMinCaptionHeight &&
         (Overlaps(place(FCaption1, kCaption1Top), FInnerLabels) ||
          Overlaps(place(FCaption2, kCaption2Top), FInnerLabels)))
    --c.Font.Height;
  FCaption1Rect = place(FCaption1, kCaption1Top);
  FCaption2Rect = place(FCaption2, kCaption2Top);
  c.TextOut(FCaption2Rect.Left, FCaption2Rect.Top, FCaption2);
  c.TextOut(FCaption1Rect.Left, FCaption1Rect.Top, FCaption1);
}

// ---------------------------------------------------------------- needles

void TMeter360::UpdateNeedle(bool force) {
  if (!Painted()) return;
  FScale1.Step();
  FScale2.Step();
  const bool peak = FScale2.PeakMode() != ppNone;
  const std::vector<TPointer>& drawn = Drawn();
  const TPolygon3 needle1 = PointerAt(FLayout.Needle, FScale1.Fraction(FScale1.ShownValue()));
  const TPolygon3 needle2 = PointerAt(FLayout.Needle2, FScale2.Fraction(FScale2.ShownValue()));
  const TPolygon3 peakPoly = peak || drawn.size() < 3 ? PointerAt(FLayout.Peak, FScale2.PeakFraction()) : drawn[2].Poly;
  const bool moved = drawn.size() < 3 || needle1[0] != drawn[0].Poly[0] || needle2[0] != drawn[1].Poly[0] ||
                     peakPoly[0] != drawn[2].Poly[0] || peak != drawn[2].Shown;
  if (force || moved)
    Compose({{needle1, FColPointer1, true}, {needle2, FColPointer2, true}, {peakPoly, FColPeakPtr, peak}}, force, {});
}

}  // namespace Veltor
