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

// Collects one channel's pixels column by column, in increasing x, and
// writes each column's vertical runs and each row's horizontal runs once.
class TraceWriter {
 public:
  TraceWriter(TCanvas& canvas, int yHigh, int yLow) : FCanvas(canvas), FHigh(yHigh), FLow(yLow) {}

  // The edge at x from the level at `from` to the level at `to`, leaving
  // out the pixel it arrives at.
  void Edge(int x, bool toHigh) {
    if (x != FColumn) FlushColumn(x);
    (toHigh ? FRise : FFall) = true;
  }

  // The level held over [x1, x2).
  void Step(int x1, int x2, bool high) {
    Run& run = high ? FRunHigh : FRunLow;
    if (run.x2 == x1) {
      run.x2 = x2;
      return;
    }
    FlushRun(run, high ? FHigh : FLow);
    run.x1 = x1;
    run.x2 = x2;
  }

  void Finish() {
    FlushColumn(FColumn);
    FlushRun(FRunHigh, FHigh);
    FlushRun(FRunLow, FLow);
  }

 private:
  struct Run {
    int x1 = 0;
    int x2 = 0;
  };

  void FlushColumn(int next) {
    if (FRise || FFall) {
      // A rise runs from the low level up to just below the high one, a fall
      // from the high level down to just above the low one.
      int top = FLow, bottom = FLow;  // [top, bottom)
      if (FRise && FHigh != FLow) {
        top = std::min(top, FHigh + 1);
        bottom = std::max(bottom, FLow + 1);
      }
      if (FFall && FHigh != FLow) {
        top = std::min(top, FHigh);
        bottom = std::max(bottom, FLow);
      }
      if (top < bottom) FCanvas.VSpan(FColumn, top, bottom);
    }
    FColumn = next;
    FRise = FFall = false;
  }

  void FlushRun(Run& run, int y) {
    if (run.x2 > run.x1) FCanvas.HSpan(run.x1, run.x2, y);
    run = Run();
  }

  TCanvas& FCanvas;
  const int FHigh;
  const int FLow;
  int FColumn = 0;
  bool FRise = false;
  bool FFall = false;
  Run FRunHigh;
  Run FRunLow;
};

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

void DrawTracesFast(TCanvas& canvas, const TDiagramGeometry& g, const TSampleView& samples, TColor colour) {
  const int n = g.End - g.Start;
  if (n <= 0 || g.Rows() <= 0 || g.PixelsPerSample() <= 0) return;
  canvas.Pen = TPen();
  canvas.Pen.Color = colour;
  const std::vector<int> xs = SampleColumns(g);
  std::vector<quint32> values(static_cast<std::size_t>(n));
  for (int k = 0; k < n; ++k) values[std::size_t(k)] = samples.At(g.Start + k);

  for (int c = g.ChanFirst; c <= g.ChanLast; ++c) {
    const int row = c - g.ChanFirst;
    TraceWriter writer(canvas, g.Level(row, true), g.Level(row, false));
    bool previous = (values[0] >> c) & 1u;
    for (int k = 0; k < n; ++k) {
      const bool high = (values[std::size_t(k)] >> c) & 1u;
      const int x = xs[std::size_t(k)];
      if (high != previous) writer.Edge(x, high);
      const int next = xs[std::size_t(k) + 1];
      if (next > x) writer.Step(x, next, high);
      previous = high;
    }
    writer.Finish();
  }
  canvas.Touch(QRect(QPoint(xs.front(), g.Top), QPoint(xs.back(), g.Top + g.DataHeight)));
}

}  // namespace Veltor
