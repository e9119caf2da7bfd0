#include "logic/logic_paint.h"

#include "foundation/drawhelpers.h"
#include "logic/display_paint.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Veltor {

using namespace LogicMeasures;

namespace {

using L = TLogicLayout;

int Round(double v) { return int(std::nearbyint(v)); }

const QString kCourier = QStringLiteral("Courier New");
const QString kArial = QStringLiteral("Arial");
constexpr int kListingSize = 10;
constexpr int kMaxNameSize = 10;
constexpr int kStatusTextLength = 20;
constexpr int kTriggerHalfWidth = 2;  // the trigger bar spans its x +- this
constexpr int kTriangleWidth = 9;     // the listing's trigger mark
constexpr int kZoomBoxInsetX = 3;     // the time-zoom button's red box: a third in from each side
constexpr int kZoomBoxInsetY = 10;    // and four tenths from top and bottom

void Fill(TCanvas& c, const TRect& r, TColor colour) {
  c.Brush.Style = bsSolid;
  c.Brush.Color = colour;
  c.FillRect(r);
}

void UseListingFont(TCanvas& c, const TLogicColours& colours) {
  c.Font.Name = kCourier;
  c.Font.SetSize(kListingSize);
  c.Font.Style = TFontStyles();
  c.Font.Color = colours.Text;
}

void PaintTriggerTriangle(TCanvas& c, const TLogicColours& colours, const TLogicLayout& l, int y) {
  const TBrush brush = c.Brush;
  c.Pen = TPen();
  c.Pen.Color = colours.Trigger;
  c.Brush.Style = bsSolid;
  c.Brush.Color = colours.Trigger;
  const TPoint tri[3] = {
      {l.Data.Left, y}, {l.Data.Left, y + kLineHeight + 1}, {l.Data.Left + kTriangleWidth, y + kLineHeight / 2}};
  c.Polygon(tri, 3);
  c.Brush = brush;
}

// The pieces of a line one after the other with the canvas's brush behind
// them, clipped to `clip`; the characters only when the line has room for
// them. Positions outside the buffer stay blank.
void PaintTextPieces(TCanvas& c, const TLogicModel& m, const TLogicLayout& l, int p, int y, const TRect& clip) {
  if (p < 0 || p >= m.BufferCount()) return;
  QStringList pieces = SampleLinePieces(m.Samples(), p, false);
  const int eight = c.TextWidth(QStringLiteral("        "));
  if (c.TextWidth(pieces[0]) + c.TextWidth(pieces[1]) + eight <= l.DataWidth) {
    pieces = SampleLinePieces(m.Samples(), p, true);
  }
  c.SetClipRect(clip);
  c.TextOut(l.Data.Left, y, pieces[0]);
  for (int i = 1; i < pieces.size(); ++i) c.TextOut(c.PenPos.X, y, pieces[i]);
  c.ClearClip();
}

// The level of a channel (by its row) in a sample.
auto LevelOf(const TDiagramGeometry& g, const TLogicModel& m) {
  return [&g, &m](int row, int p) { return g.Level(row, (quint32(m.GetSample(p)) >> (g.ChanFirst + row)) & 1u); };
}

// The background of scroll-strip columns and the base lines over `lines`.
void PaintStripBackground(TCanvas& c, const TDiagramGeometry& g, const TLogicColours& colours, const TLogicLayout& l,
                          const TRect& fill, const TRect& lines) {
  Fill(c, fill, colours.Display);
  PaintBaseLines(c, g, l, colours.Grid, lines);
}

}  // namespace

// ---------------------------------------------------------------- footer

void PaintFooterButtons(TCanvas& c, const TLogicLayout& l, TColor frameColour) {
  c.Brush.Style = bsSolid;
  c.Brush.Color = frameColour;
  for (int b = 0; b < L::kFooterButtons; ++b) {
    c.FrameRect(l.ButtonFrames[b]);
    DrawRaised(c, l.Buttons[b]);
  }
}

void PaintFooterGlyphs(TCanvas& c, const TLogicLayout& l) {
  auto top = [&](L::TFooterButton b) {
    const TRect& r = l.Buttons[b];
    return TRect(r.Left, r.Top, r.Right, l.ButtonSplit);
  };
  auto bottom = [&](L::TFooterButton b) {
    const TRect& r = l.Buttons[b];
    return TRect(r.Left, l.ButtonSplit, r.Right, r.Bottom);
  };
  DrawArrowUp(c, top(L::BtnChanZoom), true);
  DrawArrowDown(c, bottom(L::BtnChanZoom), true);
  DrawArrowUp(c, l.Buttons[L::BtnChanUp], false);
  DrawArrowDown(c, l.Buttons[L::BtnChanDown], false);
  DrawArrowLeft(c, top(L::BtnTimeZoom), true);
  DrawArrowRight(c, bottom(L::BtnTimeZoom), true);
  const TRect& t = l.Buttons[L::BtnTimeZoom];
  c.Pen = TPen();
  c.Pen.Color = clWhite;
  c.Brush.Style = bsSolid;
  c.Brush.Color = clRed;
  c.Rectangle(t.Left + t.Width() / kZoomBoxInsetX, t.Top + 4 * t.Height() / kZoomBoxInsetY,
              t.Right - t.Width() / kZoomBoxInsetX, t.Bottom - 4 * t.Height() / kZoomBoxInsetY);
  DrawArrowLeft(c, l.Buttons[L::BtnStepBack], false);
  DrawArrowLeft(c, l.Buttons[L::BtnPageBack], true);
  DrawArrowRight(c, l.Buttons[L::BtnStepFwd], false);
  DrawArrowRight(c, l.Buttons[L::BtnPageFwd], true);
}

void PaintButtonFace(TCanvas& c, const TLogicLayout& l, L::TFooterButton b, bool pressed) {
  if (pressed) {
    DrawSunkenOutline(c, l.Buttons[b]);
  } else {
    DrawRaised(c, l.Buttons[b]);
  }
}

void PaintStatusBoxes(TCanvas& c, const TLogicLayout& l, TColor fieldColour) {
  const L::TStatusField pairs[L::kStatusPairs][2] = {
      {L::PtrCycField, L::PtrTimeField}, {L::MrkCycField, L::MrkTimeField}, {L::DiffCycField, L::DiffTimeField}};
  for (int i = 0; i < L::kStatusPairs; ++i) {
    DrawSunkenOutline(c, l.PairBoxes[i], TOutlineStart::TopRight);
    Fill(c, l.Fields[pairs[i][0]], fieldColour);
    Fill(c, l.Fields[pairs[i][1]], fieldColour);
  }
  DrawSunkenOutline(c, l.ValueBox, TOutlineStart::TopRight);
  Fill(c, l.Fields[L::ValueField], fieldColour);
  DrawSunkenOutline(c, l.BarBox, TOutlineStart::TopRight);
  Fill(c, l.Fields[L::PosBar], clSilver);
}

void PaintStatusLabels(TCanvas& c, const TLogicLayout& l, const TFont& font) {
  c.Font = font;
  c.Font.SetSize(l.LabelSize);
  c.Font.Color = clBlack;
  c.Font.Style = fsBold;
  c.Brush.Style = bsClear;
  c.TextOut(l.Labels[1].X, l.Labels[1].Y, QStringLiteral("M"));
  c.TextOut(l.Labels[0].X, l.Labels[0].Y, QStringLiteral("P"));
  c.TextOut(l.Labels[2].X, l.Labels[2].Y, QStringLiteral("D"));
  c.Font.Style = TFontStyles();
}

// ---------------------------------------------------------------- status

void PaintStatus(TCanvas& c, const TLogicModel& m, const TLogicColours& colours, const TLogicLayout& l) {
  c.Brush.Style = bsSolid;
  c.Brush.Color = colours.Display;
  c.Font.Name = kArial;
  c.Font.SetSize(l.StatusFontSize);
  c.Font.Style = TFontStyles();
  // Right-aligned in the field, on the field's colour.
  auto show = [&](L::TStatusField f, TColor colour, const QString& text, int inset = 0) {
    const QString t = text.left(kStatusTextLength);
    c.Font.Color = colour;
    const TRect& r = l.Fields[f];
    c.TextRect(r, r.Right - c.TextWidth(t) - inset, r.Top, t);
  };
  const QString cyc = QStringLiteral("cyc");
  show(L::PtrTimeField, colours.Pointer, StatusTimeText(m.PointerTime()));
  show(L::PtrCycField, colours.Pointer, QString::number(m.PointerPos()) + cyc);
  show(L::ValueField, colours.Pointer, SampleValueText(m.Samples(), m.PointerPos()), 1);
  show(L::MrkTimeField, colours.Marker, StatusTimeText(m.MarkerTime()));
  show(L::MrkCycField, colours.Marker, QString::number(m.MarkerPos()) + cyc);
  show(L::DiffTimeField, colours.Curve, StatusTimeText(m.PointerTime() - m.MarkerTime()));
  show(L::DiffCycField, colours.Curve, QString::number(m.PointerPos() - m.MarkerPos()) + cyc);
}

void PaintPositionBar(TCanvas& c, const TLogicModel& m, const TLogicLayout& l) {
  const TRect& bar = l.Fields[L::PosBar];
  Fill(c, bar, clSilver);
  Fill(c, PositionBarSpan(bar, m.DispStartPos(), m.DispEndPos(), m.BufferCount()), clRed);
}

// ---------------------------------------------------------------- diagram

void PaintChannelNames(TCanvas& c, const TLogicModel& m, const TLogicLayout& l, TColor background) {
  const TDiagramGeometry g = DiagramGeometryOf(l, m.View());
  Fill(c, l.Names, background);
  c.Font.Name = kArial;
  c.Font.SetSize(std::max(1, std::min(Round(g.RowHeight() * 0.6), kMaxNameSize)));
  c.Font.Style = TFontStyles();
  c.Font.Color = clBlack;
  c.Pen = TPen();
  c.Brush.Style = bsClear;
  // Each name stands on its channel's base line, with a tick beside the data.
  c.SetClipRect(l.Names);
  for (int row = 0; row < g.Rows(); ++row) {
    c.TextOut(l.Names.Left, g.Base(row) - std::abs(c.Font.Height), m.ChannelLabel(g.ChanFirst + row));
  }
  c.ClearClip();
  const int tick = l.Names.Width() / 8;
  for (int row = 0; row < g.Rows(); ++row) {
    c.MoveTo(l.Data.Left, g.Base(row));
    c.LineTo(l.Data.Left - tick, g.Base(row));
  }
}

void PaintDiagramBackground(TCanvas& c, const TLogicLayout& l, const TLogicColours& colours) {
  Fill(c, l.Data, colours.Display);
}

void PaintTriggerBar(TCanvas& c, const TLogicModel& m, const TLogicColours& colours, const TLogicLayout& l) {
  if (!m.TriggerInView()) return;
  const int s = m.DispStartPos();
  const int xt = Round(double(m.TriggerPos() - s) * l.DataWidth / (m.DispEndPos() - s)) + l.Data.Left;
  c.Pen = TPen();
  c.Pen.Style = psClear;
  c.Brush.Style = bsSolid;
  c.Brush.Color = colours.Trigger;
  c.Rectangle(std::max(xt - kTriggerHalfWidth, l.Data.Left), l.Data.Top, std::min(xt + kTriggerHalfWidth, l.Data.Right),
              l.Data.Bottom);
}

void PaintBaseLines(TCanvas& c, const TDiagramGeometry& g, const TLogicLayout& l, TColor grid, const TRect& columns) {
  c.Pen = TPen();
  c.Pen.Style = psDot;
  c.Pen.Color = grid;
  // Gaps left transparent.
  c.Brush.Style = bsClear;
  // All of every line needs no clip.
  const bool clip = columns.Left > l.Data.Left || columns.Right <= l.Data.Right;
  if (clip) c.SetClipRect(columns);
  // Starting at the right edge keeps the dots where a full redraw puts them;
  // the walk ends just left of the columns (or at the left edge, which the
  // line leaves out).
  const int end = std::max(l.Data.Left, columns.Left - 1);
  for (int row = 0; row < g.Rows(); ++row) {
    c.MoveTo(l.Data.Right, g.Base(row));
    c.LineTo(end, g.Base(row));
  }
  if (clip) c.ClearClip();
}

void PaintStepBack(TCanvas& c, const TLogicModel& m, const TLogicColours& colours, const TLogicLayout& l, int shift) {
  const TDiagramGeometry g = DiagramGeometryOf(l, m.View());
  const auto level = LevelOf(g, m);
  c.ScrollRect(l.Data, shift, 0);

  // The new first sample comes in on the left with the edge into the old
  // first one. The old first column moved in with the picture without its
  // base line dots (a full redraw leaves the left edge without them): they
  // are drawn into it too.
  const int left = l.Data.Left;
  const int first = m.DispStartPos() - 1;
  PaintStripBackground(c, g, colours, l, TRect(left, l.Data.Top, left + shift, l.Data.Bottom),
                       TRect(left, l.Data.Top, left + shift + 1, l.Data.Bottom));
  c.SetClipRect(l.Data);
  c.Pen = TPen();
  c.Pen.Color = colours.Curve;
  for (int row = 0; row < g.Rows(); ++row) {
    c.MoveTo(left, level(row, first));
    c.LineTo(left + shift, level(row, first));
    c.LineTo(left + shift, level(row, first + 1));
    // The old first sample's level where a dot may just have covered it.
    c.LineTo(left + shift + 1, level(row, first + 1));
  }
  c.ClearClip();

  // The rightmost column held the sample that just left the view.
  const TRect last(left + l.DataWidth, l.Data.Top, l.Data.Right, l.Data.Bottom);
  PaintStripBackground(c, g, colours, l, last, last);
}

void PaintStepForward(TCanvas& c, const TLogicModel& m, const TLogicColours& colours, const TLogicLayout& l,
                      int shift) {
  const TDiagramGeometry g = DiagramGeometryOf(l, m.View());
  const auto level = LevelOf(g, m);
  c.ScrollRect(l.Data, -shift, 0);

  // The new last sample comes in on the right with the edge out of the old
  // last one. The column beyond the data width stays empty, as in a full
  // redraw.
  const int x = l.Data.Left + l.DataWidth - shift;
  const int end = l.Data.Left + l.DataWidth;
  const int last = m.DispEndPos();
  const TRect strip(x, l.Data.Top, l.Data.Right, l.Data.Bottom);
  PaintStripBackground(c, g, colours, l, strip, strip);
  c.SetClipRect(l.Data);
  c.Pen = TPen();
  c.Pen.Color = colours.Curve;
  for (int row = 0; row < g.Rows(); ++row) {
    c.MoveTo(x, level(row, last - 1));
    c.LineTo(x, level(row, last));
    c.LineTo(end, level(row, last));
  }
  c.ClearClip();
}

// ---------------------------------------------------------------- listing

void PaintListing(TCanvas& c, const TLogicModel& m, const TLogicColours& colours, const TLogicLayout& l) {
  UseListingFont(c, colours);
  Fill(c, l.Data, colours.TextDisp);
  for (int h = 0; h <= m.PageLines(); ++h) {
    const int p = m.DispStartPos() + h;
    const int y = l.Data.Top + kLineHeight * h;
    if (p == m.TriggerPos()) PaintTriggerTriangle(c, colours, l, y);
    c.Brush.Style = bsClear;
    PaintTextPieces(c, m, l, p, y, l.Data);
  }
}

void PaintTextLine(TCanvas& c, const TLogicModel& m, const TLogicColours& colours, const TLogicLayout& l, int p) {
  UseListingFont(c, colours);
  c.Brush.Style = bsSolid;
  if (p == m.PointerPos() && m.PointerEnable()) {
    c.Brush.Color = colours.Pointer;
  } else if (p == m.MarkerPos() && m.MarkerEnable()) {
    c.Brush.Color = colours.Marker;
  } else {
    c.Brush.Color = colours.TextDisp;
  }
  const int y = l.Data.Top + kLineHeight * (p - m.DispStartPos());
  // The font's cells are taller than the line pitch: an opaque line keeps to
  // its own band so that it does not cover the top of the next one.
  const TRect band(l.Data.Left, y, l.Data.Right, std::min(y + kLineHeight, l.Data.Bottom));
  PaintTextPieces(c, m, l, p, y, band);
  if (p == m.TriggerPos()) PaintTriggerTriangle(c, colours, l, y);
}

void ScrollListing(TCanvas& c, const TLogicModel& m, const TLogicLayout& l, bool back) {
  if (back) {
    c.ScrollRect(TRect(l.Data.Left, l.Data.Top, l.Data.Right, l.Data.Top + kLineHeight * (m.PageLines() + 1)), 0,
                 kLineHeight);
  } else {
    c.ScrollRect(l.Data, 0, -kLineHeight);
  }
}

// ---------------------------------------------------------------- XOR

void PaintXorLine(TCanvas& c, const TLogicLayout& l, int x, TColor colour) {
  c.Pen = TPen();
  c.Pen.Width = 2;
  c.Pen.Mode = pmXor;
  c.Pen.Color = colour;
  c.MoveTo(x, l.Data.Top);
  c.LineTo(x, l.Data.Bottom - 2);
  c.Pen = TPen();
}

void PaintZoomFrame(TCanvas& c, int x1, int y1, int x2, int y2) {
  c.Pen = TPen();
  c.Pen.Color = clWhite;
  c.Pen.Mode = pmXor;
  c.Brush.Style = bsClear;
  c.Rectangle(x1, y1, x2, y2);
  c.Pen = TPen();
}

}  // namespace Veltor
