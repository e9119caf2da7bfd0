#pragma once
// Geometry and trace drawing of the timing diagram, apart from the widget:
// channel rows and levels, sample-to-pixel mapping, and two ways to draw the
// traces that give the same pixels: line by line (the plain definition) and
// column-merged (fast, for long buffers).

#include "host/canvas.h"

#include <QtGlobal>

#include <vector>

namespace Veltor {

// Samples as stored: little-endian words of 1, 2 or 4 bytes.
struct TSampleView {
  const quint8* Bytes = nullptr;
  int BytesPerSample = 4;
  int Count = 0;

  quint32 At(int p) const {
    if (p < 0 || p >= Count) return 0;
    const quint8* b = Bytes + std::size_t(p) * BytesPerSample;
    switch (BytesPerSample) {
      case 1: return b[0];
      case 2: return quint32(b[0]) | (quint32(b[1]) << 8);
      default: return quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) | (quint32(b[3]) << 24);
    }
  }
};

struct TDiagramGeometry {
  int Left = 0;        // data area left edge
  int Top = 0;         // data area top edge (0 for an off-screen strip)
  int DataWidth = 0;   // pixels across the shown samples
  int DataHeight = 0;  // pixels down the shown channels
  int Start = 0;       // first shown sample (S)
  int End = 1;         // last shown sample (E); E itself is not drawn
  int ChanFirst = 0;
  int ChanLast = 0;

  int Rows() const { return ChanLast - ChanFirst + 1; }
  double RowHeight() const { return double(DataHeight) / Rows(); }
  // The base line of row i (row 0 at the top shows ChanFirst).
  int Base(int row) const;
  int LowOffset() const;   // a 0 bit is drawn this far above the base line
  int HighOffset() const;  // a 1 bit this far
  int Level(int row, bool high) const { return Base(row) - (high ? HighOffset() : LowOffset()); }
  double PixelsPerSample() const { return double(DataWidth) / (End - Start); }
  // The x of the k-th shown sample (k = p - Start).
  int X(int k) const;
};

// The traces as the plain definition draws them: for every shown sample and
// channel an edge at x(k) from the previous level, then a step to x(k + 1).
void DrawTracesReference(TCanvas& canvas, const TDiagramGeometry& g, const TSampleView& samples, TColor colour);

// The same pixels, drawn by merging everything that falls on one pixel column
// into at most two vertical runs and the horizontal runs between them.
// Writes straight into the canvas's image (copy mode), within its clip.
void DrawTracesFast(TCanvas& canvas, const TDiagramGeometry& g, const TSampleView& samples, TColor colour);

}  // namespace Veltor
