#include "logic/logic_layout.h"

#include "host/canvas.h"

#include <algorithm>
#include <cmath>

namespace Veltor {

using namespace LogicMeasures;

namespace {

int Round(double v) { return int(std::nearbyint(v)); }

// The footer block under the name column: three button columns, a gap, the
// time-zoom button and two more columns, each column two-thirds as wide as
// the block is high; the second, fourth and fifth are split into an upper and
// a lower button. Neighbouring columns share their edge.
void LayoutButtons(TLogicLayout& l, const TRect& a, int* x0) {
  const int w = 2 * a.Height() / 3;
  const int split = a.Top + a.Height() / 2;
  auto full = [&](int left) { return TRect(left, a.Top, left + w, a.Bottom); };
  auto upper = [&](int left) { return TRect(left, a.Top, left + w, split); };
  auto lower = [&](int left) { return TRect(left, split, left + w, a.Bottom); };

  TRect outer[TLogicLayout::kFooterButtons];
  outer[TLogicLayout::BtnChanZoom] = full(a.Left);
  const int col2 = outer[TLogicLayout::BtnChanZoom].Right - 1;
  outer[TLogicLayout::BtnChanUp] = upper(col2);
  outer[TLogicLayout::BtnChanDown] = lower(col2);
  outer[TLogicLayout::BtnTimeZoom] = full(col2 + w + kTimeZoomGap);
  const int col4 = outer[TLogicLayout::BtnTimeZoom].Right - 1;
  outer[TLogicLayout::BtnStepBack] = upper(col4);
  outer[TLogicLayout::BtnPageBack] = lower(col4);
  const int col5 = col4 + w - 1;
  outer[TLogicLayout::BtnStepFwd] = upper(col5);
  outer[TLogicLayout::BtnPageFwd] = lower(col5);

  // Each button is framed on its outer rectangle (right and bottom edge
  // included); its face lies a pixel inside.
  for (int b = 0; b < TLogicLayout::kFooterButtons; ++b) {
    const TRect& r = outer[b];
    l.ButtonFrames[b] = TRect(r.Left, r.Top, r.Right + 1, r.Bottom + 1);
    l.Buttons[b] = TRect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
  }
  l.ButtonSplit = split;
  *x0 = col5 + w;
}

// The status pairs end a fifth of the data width apart, each as wide as the
// button block; the value field and the position bar fill the rest. Each
// pair has one sunken outline; the fields lie inside it.
void LayoutStatus(TLogicLayout& l, const TRect& a, int x0) {
  const int split = l.ButtonSplit;
  const int fw = a.Width() + 2;
  const int step = Round(kPairStep * (l.Data.Right - l.Data.Left));
  const TLogicLayout::TStatusField pairs[TLogicLayout::kStatusPairs][2] = {
      {TLogicLayout::PtrCycField, TLogicLayout::PtrTimeField},
      {TLogicLayout::MrkCycField, TLogicLayout::MrkTimeField},
      {TLogicLayout::DiffCycField, TLogicLayout::DiffTimeField}};
  for (int i = 0; i < TLogicLayout::kStatusPairs; ++i) {
    const int right = x0 + (i + 1) * step;
    const int left = right - fw;
    l.PairBoxes[i] = TRect(left, a.Top, right, a.Bottom);
    l.Fields[pairs[i][0]] = TRect(left + 1, a.Top + 1, right - 1, split);
    l.Fields[pairs[i][1]] = TRect(left + 1, split, right - 1, a.Bottom);
  }
  const int rest = x0 + 3 * step + kRestGap;
  l.ValueBox = TRect(rest, a.Top, l.Data.Right, split);
  l.Fields[TLogicLayout::ValueField] = TRect(rest + 1, a.Top + 1, l.Data.Right - 1, split);
  l.BarBox = TRect(rest, split + kBarTopInset, l.Data.Right, a.Bottom - kBarBottomInset);
  l.Fields[TLogicLayout::PosBar] = TRect(rest + 1, l.BarBox.Top + 1, l.BarBox.Right, l.BarBox.Bottom);

  l.StatusFontSize = Round(0.5 * l.Fields[TLogicLayout::PtrCycField].Height());
  // The letters stand beside the upper fields, a letter's size (in points)
  // below their top.
  l.LabelSize = l.Fields[TLogicLayout::DiffCycField].Height() * 6 / 10;
  TFont label;
  label.SetSize(l.LabelSize);
  for (int i = 0; i < TLogicLayout::kStatusPairs; ++i) {
    const TRect& f = l.Fields[pairs[i][0]];
    l.Labels[i] = TPoint(f.Right + kLabelGap, f.Top + label.Size());
  }
}

}  // namespace

TLogicLayout LayoutLogic(const TDisplayLayout& d, bool hasFooter) {
  TLogicLayout l;
  l.Data = d.DataRect;
  l.DataWidth = d.DataWidth;
  l.DataHeight = d.DataHeight;
  l.Names = TRect(d.NameRect.Left, d.DataRect.Top, d.NameRect.Right - kNamesRightGap, d.DataRect.Bottom);
  l.PageLines = d.DataHeight / kLineHeight - 1;
  l.HasFooter = hasFooter;
  if (!hasFooter) return l;
  const TRect block(d.NameRect.Left, d.FootRect.Top + kFooterTopGap, d.DataRect.Left - kButtonsRightGap,
                    d.FootRect.Bottom);
  int x0 = 0;
  LayoutButtons(l, block, &x0);
  LayoutStatus(l, block, x0);
  return l;
}

TDiagramGeometry DiagramGeometryOf(const TLogicLayout& l, const TLogicView& v) {
  TDiagramGeometry g;
  g.Left = l.Data.Left;
  g.Top = l.Data.Top;
  g.DataWidth = l.DataWidth;
  g.DataHeight = l.DataHeight;
  g.Start = v.Start;
  g.End = v.End;
  g.ChanFirst = v.ChanFirst;
  g.ChanLast = v.ChanLast;
  return g;
}

int PositionAt(const TLogicLayout& l, const TLogicView& v, int x, int y) {
  int p = v.Start;
  if (v.Text) {
    p = (y - l.Data.Top) / kLineHeight + v.Start;
  } else if (l.DataWidth > 0) {
    const double product = double(v.End - v.Start) * (x - l.Data.Left);
    p = Round(product / l.DataWidth) + v.Start;
  }
  return std::clamp(p, v.Start, std::max(v.Start, v.End));
}

int LineX(const TLogicLayout& l, const TLogicView& v, int position) {
  const int span = v.End - v.Start;
  if (span <= 0) return l.Data.Left + 1;
  return Round(double(position - v.Start) * l.DataWidth / span) + l.Data.Left + 1;
}

TZoomBand ZoomBandOf(const TLogicLayout& l, const TLogicView& v, int x1, int y1, int x2, int y2) {
  TZoomBand band;
  if (l.DataWidth <= 0) return band;
  const int xmin = std::min(x1, x2) - l.Data.Left;
  const int xmax = std::max(x1, x2) - l.Data.Left;
  const long long span = v.End - v.Start;
  band.StartPos = v.Start + int(span * xmin / l.DataWidth);
  band.EndPos = v.Start + int(span * xmax / l.DataWidth);
  if (band.StartPos == band.EndPos) return band;
  band.Positions = true;

  // Each edge picks the channel row it falls in.
  const double rowH = double(l.Data.Bottom - l.Data.Top) / (v.ChanLast - v.ChanFirst + 1);
  if (rowH <= 0) return band;
  const int ymin = std::min(y1, y2);
  const int ymax = std::max(y1, y2);
  double m = l.Data.Top;
  int k = 0;
  while (ymin + 1 > m) {
    m += rowH;
    ++k;
  }
  band.ChanFirst = v.ChanFirst + k - 1;
  while (ymax > m) {
    m += rowH;
    ++k;
  }
  band.ChanLast = v.ChanFirst + k - 1;
  band.Channels = true;
  return band;
}

TRect PositionBarSpan(const TRect& bar, int start, int end, int count) {
  const long long w = bar.Width();
  if (w <= 0 || count <= 0) return TRect();
  // A text page may reach past a short buffer: only samples that exist count.
  const int last = count - 1;
  const int s = std::clamp(std::min(start, end), 0, last);
  const int e = std::clamp(std::max(start, end), 0, last);
  int a = int(w * s / count);
  int b = int(w * e / count);
  // Both ends on one pixel: still one pixel wide, and never on the outline.
  if (a == b) {
    if (a > 0) {
      a -= 1;
    } else {
      b += 1;
    }
  }
  return TRect(bar.Left + a, bar.Top, bar.Left + b, bar.Bottom);
}

}  // namespace Veltor
