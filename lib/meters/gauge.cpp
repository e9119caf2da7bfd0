#include "meters/gauge.h"

#include "foundation/numformat.h"

#include <QMouseEvent>

#include <algorithm>

namespace Veltor {

namespace {

constexpr int kMinThickness = 12;
constexpr int kMaxThickness = 100;

}  // namespace

// ---------------------------------------------------------------- model

bool TGaugeModel::SetPercent(double p) {
  if (p == FPercent) return false;
  FPercent = std::clamp(p, 0.0, 100.0);
  FValue = FMin + (FMax - FMin) * FPercent * 0.01;
  return true;
}

bool TGaugeModel::SetValue(double v, bool loading) {
  if (loading) {
    FValue = v;
    return false;
  }
  v = std::clamp(v, FMin, FMax);
  if (v == FValue) return false;
  FValue = v;
  return Recompute();
}

bool TGaugeModel::Recompute() {
  const double p = (FValue - FMin) / (FMax - FMin) * 100;
  if (p == FPercent) return false;
  FPercent = p;
  return true;
}

bool TGaugeModel::SetValueMin(double v, bool loading) {
  if (!loading && v >= FMax) v = FMax - 1;
  if (v == FMin) return false;
  FMin = v;
  if (loading) return false;
  FValue = std::clamp(FValue, FMin, FMax);
  return Recompute();
}

bool TGaugeModel::SetValueMax(double v, bool loading) {
  // An end equal to the start would leave no range to divide by.
  if (!loading && v <= FMin) v = FMin + 1;
  if (v == FMax) return false;
  FMax = v;
  if (loading) return false;
  FValue = std::clamp(FValue, FMin, FMax);
  return Recompute();
}

bool TGaugeModel::Normalise() {
  if (FMax <= FMin) FMax = FMin + 1;
  FValue = std::clamp(FValue, FMin, FMax);
  return Recompute();
}

bool TGaugeModel::SetDamping(int v) {
  v = std::clamp(v, 0, kMaxDamping);
  if (v == FDamping) return false;
  FDamping = v;
  return true;
}

void TGaugeModel::Step() { FShown = FDamping == 0 ? FPercent : (FDamping * FShown + FPercent) / (FDamping + 1); }

// ---------------------------------------------------------------- layout

TGaugeLayout GaugeLayout(const TRect& inner, TOrientation orientation) {
  TGaugeLayout l;
  l.Strip = inner;
  l.Strip.Shrink(2);
  l.Vertical = orientation == orVertical;
  return l;
}

int GaugeSegments(double shown, int length, int segmWidth, int segmGap) {
  const long long end = RoundHalfEven(0.01 * shown * length);
  return int(RoundHalfEven(double(end) / (segmWidth + segmGap)));
}

// ---------------------------------------------------------------- control

TGaugeGp::TGaugeGp(QWidget* parent) : TRahmen(parent) {
  SetColBack(clBtnFace);
  resize(100, 18);
  FTicker = TTickSubscription::Ticker([this] {
    Perform(WM_USER, 0, 0);
    Update();
  });
}

void TGaugeGp::SetValueMin(double v) {
  if (FModel.SetValueMin(v, Loading())) RedrawStep();
}

void TGaugeGp::SetValueMax(double v) {
  if (FModel.SetValueMax(v, Loading())) RedrawStep();
}

void TGaugeGp::SetValue(double v) {
  if (FModel.SetValue(v, Loading())) RedrawStep();
}

void TGaugeGp::SetPercent(double v) {
  if (FModel.SetPercent(v)) RedrawStep();
}

void TGaugeGp::SetPntrPercent(double v) {
  v = std::clamp(v, 0.0, 100.0);
  if (v == FPntrPercent) return;
  FPntrPercent = v;
  FLastDrawn = -1;
  RedrawStep();
}

void TGaugeGp::SetDamping(int v) {
  if (!FModel.SetDamping(v)) return;
  if (FModel.Damping() > 0) {
    FTicker.SetInterval(10);
  } else {
    FTicker.Stop();
  }
}

void TGaugeGp::SetOrientation(TOrientation v) {
  if (v == FOrientation) return;
  FOrientation = v;
  if (FPainted) {
    ApplyShape();
    Repaint();
  }
}

void TGaugeGp::Resized() { ApplyShape(); }

// A hidden widget hears of its size only when shown; a form's gauges know
// their orientation and reading as soon as the form is read.
void TGaugeGp::Loaded() {
  TRahmen::Loaded();
  ApplyShape();
  if (FModel.Normalise()) RedrawStep();
}

void TGaugeGp::ApplyShape() {
  if (FShaping) return;
  FShaping = true;
  const bool horizontal = Height() <= Width();
  if (horizontal) {
    SetHeight(std::clamp(Height(), kMinThickness, kMaxThickness));
  } else {
    SetWidth(std::clamp(Width(), kMinThickness, kMaxThickness));
  }
  FOrientation = horizontal ? orHorizontal : orVertical;
  FShaping = false;
}

void TGaugeGp::WndProc(TMessage& Message) {
  if (Message.Msg == WM_USER) {
    RedrawStep();
    return;
  }
  TRahmen::WndProc(Message);
}

// The frame's press behaviour (and its OnClick), then the host's events.
void TGaugeGp::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TRahmen::MouseDown(Button, Shift, X, Y);
  TControl::MouseDown(Button, Shift, X, Y);
}

void TGaugeGp::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TRahmen::MouseUp(Button, Shift, X, Y);
  TControl::MouseUp(Button, Shift, X, Y);
}

void TGaugeGp::mouseDoubleClickEvent(QMouseEvent* e) {
  if (e->button() == Qt::LeftButton) emit OnDblClick(this);
}

// ---------------------------------------------------------------- drawing

void TGaugeGp::Paint() {
  TRahmen::Paint();
  FLastDrawn = -1;
  FPainted = true;
  RedrawStep();
}

void TGaugeGp::Fill(TCanvas& c, const TRect& r) {
  c.Rectangle(r);
  ++FPaintWork;
}

void TGaugeGp::RedrawStep() {
  if (!FPainted) return;
  FModel.Step();
  TCanvas& c = Canvas();
  c.Pen = TPen{FSegmColor, 1, psSolid, pmCopy};
  c.Brush = TBrush{FSegmColor, bsSolid};
  const TGaugeLayout l = GaugeLayout(InnerRect(), FOrientation);
  if (l.Strip.IsEmpty()) return;
  if (FMeterMode) {
    DrawBand(c, l);
  } else {
    DrawBar(c, l);
  }
}

void TGaugeGp::DrawBar(TCanvas& c, const TGaugeLayout& l) {
  const int length = l.Length();
  const int n = GaugeSegments(FModel.Shown(), length, FSegmWidth, FSegmGap);
  if (n == FLastDrawn) return;
  FLastDrawn = n;
  const TRect& s = l.Strip;
  // Segment i covers [off, off + SegmWidth) along the run from its start.
  const auto segment = [&](int off) {
    return l.Vertical ? TRect(s.Left, s.Bottom - off - FSegmWidth, s.Right, s.Bottom - off)
                      : TRect(s.Left + off, s.Top, s.Left + off + FSegmWidth, s.Bottom);
  };
  const int pitch = FSegmWidth + FSegmGap;
  int off = 0;
  for (int i = 0; i < n && off + FSegmWidth <= length; ++i, off += pitch) Fill(c, segment(off));
  c.Brush.Color = ColBack();
  c.Pen.Color = FSegmBorder ? FColBorder : ColBack();
  for (; off + FSegmWidth <= length; off += pitch) Fill(c, segment(off));
}

void TGaugeGp::DrawBand(TCanvas& c, const TGaugeLayout& l) {
  TRect r = l.Strip;
  r.Shrink(1);
  const int len = l.Vertical ? r.Height() : r.Width();
  const int run = int(RoundHalfEven(0.01 * FModel.Shown() * len));
  const int w = std::max(1, int(RoundHalfEven(0.01 * FPntrPercent * len)));
  if (run == FLastDrawn) return;
  FLastDrawn = run;
  if (FSegmBorder) {
    c.Brush.Color = FColBorder;
    c.FrameRect(l.Strip);
  }
  // Along the run: [0, start) back, [start, pos) band, [pos, len) back.
  const int pos = std::clamp(run, 1, len);
  const int start = std::max(0, pos - w);
  c.Pen.Style = psClear;
  const auto part = [&](int from, int to, TColor colour) {
    if (to <= from) return;
    c.Brush.Color = colour;
    Fill(c, l.Vertical ? TRect(r.Left, r.Bottom - to, r.Right + 1, r.Bottom - from + 1)
                       : TRect(r.Left + from, r.Top, r.Left + to + 1, r.Bottom + 1));
  };
  part(0, start, ColBack());
  part(start, pos, FSegmColor);
  part(pos, len, ColBack());
  c.Pen.Style = psSolid;
}

}  // namespace Veltor
