#include "logic/diagram.h"

#include <QRect>

#include <cmath>

namespace Veltor {

namespace {

int Round(double v) { return int(std::nearbyint(v)); }

// The pixel columns of the shown samples: x[k] for k = 0 .. E - S.
std::vector<int> SampleColumns(const TDiagramGeometry& g) {
  const int n = std::max(0, g.End - g.Start);
  std::vector<int> xs(static_cast<std::size_t>(n) + 1);
  for (int k = 0; k <= n; ++k) xs[std::size_t(k)] = g.X(k);
  return xs;
}

}  // namespace

int TDiagramGeometry::Base(int row) const {
  const double h = RowHeight();
  return Round(h * (row + 1)) + Top - Round(h * 0.1);
}

int TDiagramGeometry::LowOffset() const { return Round(RowHeight() * 0.1); }

int TDiagramGeometry::HighOffset() const { return Round(RowHeight() * 0.7); }

int TDiagramGeometry::X(int k) const { return Round(k * PixelsPerSample()) + Left; }

void DrawTracesReference(TCanvas& canvas, const TDiagramGeometry& g, const TSampleView& samples, TColor colour) {
  if (g.End <= g.Start || g.Rows() <= 0) return;
  canvas.Pen = TPen();
  canvas.Pen.Color = colour;
  std::vector<int> previous(static_cast<std::size_t>(g.Rows()));
  const quint32 first = samples.At(g.Start);
  for (int c = g.ChanFirst; c <= g.ChanLast; ++c) {
    previous[std::size_t(c - g.ChanFirst)] = g.Level(c - g.ChanFirst, (first >> c) & 1u);
  }
  for (int p = g.Start; p < g.End; ++p) {
    const int k = p - g.Start;
    const quint32 v = samples.At(p);
    for (int c = g.ChanFirst; c <= g.ChanLast; ++c) {
      const int row = c - g.ChanFirst;
      const int level = g.Level(row, (v >> c) & 1u);
      canvas.MoveTo(g.X(k), previous[std::size_t(row)]);
      canvas.LineTo(g.X(k), level);
      canvas.LineTo(g.X(k + 1), level);
      previous[std::size_t(row)] = level;
    }
  }
}

// All channels are handled at once, bit-parallel, one pixel column at a
// time: the samples falling on a column only add to two masks, rising and
// falling edges; each channel then gets at most one vertical run per column,
// and its level steps are merged into horizontal runs across columns.
void DrawTracesFast(TCanvas& canvas, const TDiagramGeometry& g, const TSampleView& samples, TColor colour) {
  const int n = g.End - g.Start;
  const int rows = g.Rows();
  if (n <= 0 || rows <= 0 || g.PixelsPerSample() <= 0 || g.ChanFirst < 0 || g.ChanLast > 31) return;
  const std::vector<int> xs = SampleColumns(g);
  TSpanWriter out(canvas, colour);

  struct Channel {
    int yHigh, yLow;
    int runStart = 0, runEnd = 0;  // the pending horizontal run
    bool runHigh = false;
  };
  std::vector<Channel> channels(static_cast<std::size_t>(rows));
  for (int row = 0; row < rows; ++row) {
    channels[std::size_t(row)].yHigh = g.Level(row, true);
    channels[std::size_t(row)].yLow = g.Level(row, false);
  }
  const quint32 shown = (g.ChanLast == 31 ? ~0u : (1u << (g.ChanLast + 1)) - 1) & ~((1u << g.ChanFirst) - 1);

  // A rise runs from the low level up to just below the high one, a fall from
  // the high level down to just above the low one; both make one run.
  auto flushColumn = [&](int x, quint32 rise, quint32 fall) {
    for (quint32 edges = (rise | fall) & shown; edges; edges &= edges - 1) {
      const int c = __builtin_ctz(edges);
      const Channel& ch = channels[std::size_t(c - g.ChanFirst)];
      if (ch.yHigh == ch.yLow) continue;
      const bool r = (rise >> c) & 1u, f = (fall >> c) & 1u;
      const int top = f ? ch.yHigh : ch.yHigh + 1;
      const int bottom = r ? ch.yLow + 1 : ch.yLow;
      out.V(x, top, bottom);
    }
  };
  auto flushRun = [&](Channel& ch) {
    if (ch.runEnd > ch.runStart) out.H(ch.runStart, ch.runEnd, ch.runHigh ? ch.yHigh : ch.yLow);
    ch.runStart = ch.runEnd = 0;
  };

  quint32 previous = samples.At(g.Start);
  quint32 rise = 0, fall = 0;
  int column = xs[0];
  for (int k = 0; k < n; ++k) {
    const int x = xs[std::size_t(k)];
    if (x != column) {
      flushColumn(column, rise, fall);
      column = x;
      rise = fall = 0;
    }
    const quint32 v = samples.At(g.Start + k);
    const quint32 changed = v ^ previous;
    rise |= changed & v;
    fall |= changed & ~v;
    previous = v;
    const int next = xs[std::size_t(k) + 1];
    if (next == x) continue;
    for (int c = g.ChanFirst; c <= g.ChanLast; ++c) {
      Channel& ch = channels[std::size_t(c - g.ChanFirst)];
      const bool high = (v >> c) & 1u;
      if (ch.runEnd == x && ch.runHigh == high) {
        ch.runEnd = next;
        continue;
      }
      flushRun(ch);
      ch.runStart = x;
      ch.runEnd = next;
      ch.runHigh = high;
    }
  }
  flushColumn(column, rise, fall);
  for (Channel& ch : channels) flushRun(ch);
  canvas.Touch(QRect(QPoint(xs.front(), g.Top), QPoint(xs.back(), g.Top + g.DataHeight)));
}

}  // namespace Veltor
