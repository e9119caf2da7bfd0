// TLogic: everything it draws. The footer (buttons, status fields, position
// bar), the full redraw as timing diagram or text listing, the channel names,
// the pointer and marker, and the status texts.
#include "logic/logic.h"

#include "foundation/drawhelpers.h"
#include "foundation/helpers.h"
#include "foundation/numformat.h"
#include "host/ansi.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace Veltor {

namespace {

int Round(double v) { return int(std::nearbyint(v)); }

const QString kCourier = QStringLiteral("Courier New");
const QString kArial = QStringLiteral("Arial");

// Hexadecimal digits of the sample width: 2, 4 or 8.
QString HexValue(quint32 v, int bytesPerSample) {
  return QStringLiteral("%1").arg(v, bytesPerSample * 2, 16, QLatin1Char('0')).toUpper();
}

// The sunken box around a pair of status fields (or one field): grey along
// the top and left, white along the bottom and right.
void SunkenBox(TCanvas& c, const TRect& upper, const TRect& lower) {
  c.Pen = TPen();
  c.Pen.Color = clGray;
  c.MoveTo(upper.Right, upper.Top);
  c.LineTo(upper.Left, upper.Top);
  c.LineTo(lower.Left, lower.Bottom);
  c.Pen.Color = clWhite;
  c.LineTo(lower.Right, lower.Bottom);
  c.LineTo(upper.Right, upper.Top);
}

void Fill(TCanvas& c, const TRect& r, TColor colour) {
  c.Brush.Style = bsSolid;
  c.Brush.Color = colour;
  c.FillRect(r);
}

}  // namespace

// ---------------------------------------------------------------- geometry

TDiagramGeometry TLogic::Geometry() const {
  TDiagramGeometry g;
  g.Left = FDataRect.Left;
  g.Top = FDataRect.Top;
  g.DataWidth = FDataWidth;
  g.DataHeight = FDataHeight;
  g.Start = FDispStartPos;
  g.End = FDispEndPos;
  g.ChanFirst = FChanFirst;
  g.ChanLast = FChanLast;
  return g;
}

int TLogic::LineX(int position) const {
  const int span = FDispEndPos - FDispStartPos;
  if (span <= 0) return FDataRect.Left + 1;
  return Round(double(position - FDispStartPos) * FDataWidth / span) + FDataRect.Left + 1;
}

QString TLogic::StatusTimeText(double seconds) {
  if (seconds > 60) return TimeText(false, seconds);
  return PrefixText(QStringLiteral("Sec"), true, true, seconds);
}

QStringList TLogic::TextLinePieces(int p, bool withCharacters) const {
  const TSampleView samples = Samples();
  const quint32 v = samples.At(p);
  const int bytes = samples.BytesPerSample;
  QString first = QStringLiteral(" %1: ").arg(p, 4, 16, QLatin1Char('0')).toUpper();
  first += QStringLiteral(" hex: ") + HexValue(v, bytes);
  const QString bits = BinText(v, bytes * 8);
  QString second = QStringLiteral("  bin: ");
  for (int i = 0; i < bytes; ++i) {
    if (i > 0) second += QLatin1Char(' ');
    second += bits.mid(i * 8, 8);
  }
  QStringList pieces{first, second};
  if (withCharacters) {
    // Control bytes would print as tabs and line breaks: they show as dots.
    QByteArray chars;
    for (int i = bytes - 1; i >= 0; --i) {
      const char byte = char((v >> (8 * i)) & 0xFF);
      chars.append((byte >= 0 && byte < 32) || byte == 127 ? '.' : byte);
    }
    pieces << QStringLiteral("  '") + FromAnsi(chars) + QLatin1Char('\'');
  }
  return pieces;
}

// ---------------------------------------------------------------- paint

void TLogic::Paint() {
  TDisplay::Paint();
  TFont font = Font();
  font.Pitch = fpFixed;
  FontRef() = font;
  Canvas().Font = font;
  if (HasFooter()) {
    LayoutFooter();
    DrawFooter();
  } else {
    for (TRect& r : FButtons) r = TRect();
    for (TRect& r : FFields) r = TRect();
  }
  FNameRect.Top = FDataRect.Top;
  FNameRect.Bottom = FDataRect.Bottom;
  FNameRect.Right -= 6;
  FLinesPerPage = FDataHeight / kLineHeight - 1;
  Redraw();
}

void TLogic::LayoutFooter() {
  const TRect a(FNameRect.Left, FFootRect.Top + 2, FDataRect.Left - 2, FFootRect.Bottom);
  const int h = a.Height();
  const int w = 2 * h / 3;
  const int half = h / 2;
  const int split = a.Top + half;
  auto full = [&](int left) { return TRect(left, a.Top, left + w, a.Bottom); };
  auto upper = [&](int left) { return TRect(left, a.Top, left + w, split); };
  auto lower = [&](int left) { return TRect(left, split, left + w, a.Bottom); };

  FButtons[BtnChanZoom] = full(a.Left);
  const int col2 = FButtons[BtnChanZoom].Right - 1;
  FButtons[BtnChanUp] = upper(col2);
  FButtons[BtnChanDown] = lower(col2);
  FButtons[BtnTimeZoom] = full(col2 + w + 3);
  const int col4 = FButtons[BtnTimeZoom].Right - 1;
  FButtons[BtnStepBack] = upper(col4);
  FButtons[BtnPageBack] = lower(col4);
  const int col5 = col4 + w - 1;
  FButtons[BtnStepFwd] = upper(col5);
  FButtons[BtnPageFwd] = lower(col5);
  for (int& s : FButtonSplit) s = split;

  // Status field pairs: upper field on the buttons' upper half, lower field
  // on the lower half.
  const int fw = a.Width() + 2;
  const int step = Round(0.2 * (FDataRect.Right - FDataRect.Left));
  const int x0 = col5 + w;
  auto pair = [&](int right, TStatusField up, TStatusField down) {
    FFields[up] = TRect(right - fw, a.Top, right, split);
    FFields[down] = TRect(right - fw, split, right, a.Bottom);
  };
  pair(x0 + step, PtrCycField, PtrTimeField);
  pair(x0 + 2 * step, MrkCycField, MrkTimeField);
  pair(x0 + 3 * step, DiffCycField, DiffTimeField);
  const int rest = x0 + 3 * step + 20;
  FFields[ValueField] = TRect(rest, a.Top, FDataRect.Right, split);
  FFields[PosBar] = TRect(rest, split, FDataRect.Right, a.Bottom);
}

void TLogic::DrawFooter() {
  TCanvas& c = Canvas();
  // The button frames take the head's colour (black without a head).
  c.Brush.Style = bsSolid;
  c.Brush.Color = DisplayTyp() == complete ? ColHead() : clBlack;
  for (TRect& r : FButtons) DrawFramedRaised(c, r);

  auto halves = [&](TFooterButton b, TRect* top, TRect* bottom) {
    const TRect r = FButtons[b];
    *top = TRect(r.Left, r.Top, r.Right, FButtonSplit[b]);
    *bottom = TRect(r.Left, FButtonSplit[b], r.Right, r.Bottom);
  };
  TRect top, bottom;
  halves(BtnChanZoom, &top, &bottom);
  DrawArrowUp(c, top, true);
  DrawArrowDown(c, bottom, true);
  DrawArrowUp(c, FButtons[BtnChanUp], false);
  DrawArrowDown(c, FButtons[BtnChanDown], false);
  halves(BtnTimeZoom, &top, &bottom);
  DrawArrowLeft(c, top, true);
  DrawArrowRight(c, bottom, true);
  const TRect t = FButtons[BtnTimeZoom];
  c.Pen = TPen();
  c.Pen.Color = clWhite;
  c.Brush.Style = bsSolid;
  c.Brush.Color = clRed;
  c.Rectangle(t.Left + t.Width() / 3, t.Top + 4 * t.Height() / 10, t.Right - t.Width() / 3,
              t.Bottom - 4 * t.Height() / 10);
  DrawArrowLeft(c, FButtons[BtnStepBack], false);
  DrawArrowLeft(c, FButtons[BtnPageBack], true);
  DrawArrowRight(c, FButtons[BtnStepFwd], false);
  DrawArrowRight(c, FButtons[BtnPageFwd], true);

  // Status fields: sunken boxes, then the insides filled.
  for (auto [up, down] : {std::pair(PtrCycField, PtrTimeField), std::pair(MrkCycField, MrkTimeField),
                          std::pair(DiffCycField, DiffTimeField)}) {
    SunkenBox(c, FFields[up], FFields[down]);
    FFields[up].Left += 1;
    FFields[up].Right -= 1;
    FFields[up].Top += 1;
    FFields[down].Left += 1;
    FFields[down].Right -= 1;
    Fill(c, FFields[up], FColDisplay);
    Fill(c, FFields[down], FColDisplay);
  }
  TRect& value = FFields[ValueField];
  SunkenBox(c, value, value);
  value.Left += 1;
  value.Top += 1;
  value.Right -= 1;
  Fill(c, value, FColDisplay);
  TRect& bar = FFields[PosBar];
  bar.Top += 4;
  bar.Bottom -= 2;
  SunkenBox(c, bar, bar);
  bar.Left += 1;
  bar.Top += 1;
  Fill(c, bar, clSilver);

  // Labels beside the pairs.
  c.Font.SetSize(FFields[DiffCycField].Height() * 6 / 10);
  c.Font.Color = clBlack;
  c.Font.Style = fsBold;
  c.Brush.Style = bsClear;
  const int size = c.Font.Size();
  c.TextOut(FFields[MrkCycField].Right + 4, FFields[MrkCycField].Top + size, QStringLiteral("M"));
  c.TextOut(FFields[PtrCycField].Right + 4, FFields[PtrCycField].Top + size, QStringLiteral("P"));
  c.TextOut(FFields[DiffCycField].Right + 4, FFields[DiffCycField].Top + size, QStringLiteral("D"));
  c.Font.Style = TFontStyles();
}

// ---------------------------------------------------------------- redraw

void TLogic::NormaliseView() {
  if (FModus == Diagram) {
    if (FModeChanged) {
      FChanFirst = FZoomChanFirst;
      FChanLast = FZoomChanLast;
      FDispStartPos = FZoomStartPos;
      FDispEndPos = FZoomEndPos;
    }
    if (FDispStartPos < 0) FDispStartPos = 0;
    if (FDispEndPos > FBufferCount - 1) FDispEndPos = FBufferCount - 1;
    // A remembered frame beyond a smaller buffer must still leave a view.
    if (FDispStartPos >= FDispEndPos) FDispStartPos = std::max(0, FDispEndPos - 1);
  } else if (FModeChanged) {
    FDispStartPos = FPointerPos - FLinesPerPage / 2;
    if (FDispStartPos < 0) {
      FDispStartPos = 0;
    } else if (FDispStartPos >= FBufferCount - FLinesPerPage - 1) {
      FDispStartPos = FBufferCount - FLinesPerPage - 1;
    }
    // A page longer than the buffer starts at its first sample.
    FDispStartPos = std::max(0, FDispStartPos);
    FDispEndPos = FDispStartPos + FLinesPerPage;
  }
  FModeChanged = false;
}

void TLogic::Redraw() {
  if (!FPaintDone) return;
  FScrollFraction = 0;
  NormaliseView();
  RecomputeTimes();
  DrawStatus();
  DrawPositionBar();
  if (FModus == Diagram && DisplayTyp() != dispOnly) DrawChannelNames();
  if (FModus == TextDisp) {
    DrawTextListing();
  } else {
    DrawDiagram();
  }
  FPointerX = -1;
  UpdatePointer();
  FMarkerX = -1;
  UpdateMarker();
  emit onRefresh(this);
}

void TLogic::DrawChannelNames() {
  TCanvas& c = Canvas();
  const TDiagramGeometry g = Geometry();
  Fill(c, FNameRect, ColBgnd());
  c.Font.Name = kArial;
  c.Font.SetSize(std::max(1, std::min(Round(g.RowHeight() * 0.6), 10)));
  c.Font.Style = TFontStyles();
  c.Font.Color = clBlack;
  c.Pen = TPen();
  c.Brush.Style = bsClear;
  const int tick = FNameRect.Width() / 8;
  c.SetClipRect(FNameRect);
  for (int row = 0; row < g.Rows(); ++row) {
    const int base = g.Base(row);
    c.TextOut(FNameRect.Left, base - std::abs(c.Font.Height), ChannelLabel(FChanFirst + row));
  }
  c.ClearClip();
  for (int row = 0; row < g.Rows(); ++row) {
    c.MoveTo(FDataRect.Left, g.Base(row));
    c.LineTo(FDataRect.Left - tick, g.Base(row));
  }
}

void TLogic::DrawDiagram() {
  TCanvas& c = Canvas();
  const TDiagramGeometry g = Geometry();
  Fill(c, FDataRect, FColDisplay);

  if (FDispStartPos < FTriggerPos && FTriggerPos < FDispEndPos) {
    const int xt = Round(double(FTriggerPos - FDispStartPos) * FDataWidth / (FDispEndPos - FDispStartPos)) +
                   FDataRect.Left;
    c.Pen = TPen();
    c.Pen.Style = psClear;
    c.Brush.Style = bsSolid;
    c.Brush.Color = FColTrigger;
    c.Rectangle(std::max(xt - 2, FDataRect.Left), FDataRect.Top, std::min(xt + 2, FDataRect.Right),
                FDataRect.Bottom);
  }

  // Dotted base lines over the background, gaps left transparent.
  c.Pen = TPen();
  c.Pen.Style = psDot;
  c.Pen.Color = FColGrid;
  c.Brush.Style = bsClear;
  for (int row = 0; row < g.Rows(); ++row) {
    c.MoveTo(FDataRect.Right, g.Base(row));
    c.LineTo(FDataRect.Left, g.Base(row));
  }

  DrawTraces(c, g, Samples(), FColCurve);
}

void TLogic::DrawTextListing() {
  TCanvas& c = Canvas();
  c.Font.Name = kCourier;
  c.Font.SetSize(10);
  c.Font.Style = TFontStyles();
  c.Font.Color = FColText;
  Fill(c, FDataRect, FColTextDisp);
  c.Brush.Style = bsClear;
  for (int h = 0; h <= FLinesPerPage; ++h) {
    const int p = FDispStartPos + h;
    const int y = FDataRect.Top + kLineHeight * h;
    if (p == FTriggerPos) DrawTriggerTriangle(y);
    c.Brush.Style = bsClear;
    DrawTextPieces(p, y, FDataRect);
  }
  c.Font.Name = kArial;
}

void TLogic::DrawTriggerTriangle(int y) {
  TCanvas& c = Canvas();
  const TBrush brush = c.Brush;
  c.Pen = TPen();
  c.Pen.Color = FColTrigger;
  c.Brush.Style = bsSolid;
  c.Brush.Color = FColTrigger;
  const TPoint tri[3] = {{FDataRect.Left, y}, {FDataRect.Left, y + kLineHeight + 1},
                         {FDataRect.Left + 9, y + kLineHeight / 2}};
  c.Polygon(tri, 3);
  c.Brush = brush;
}

// The three pieces one after the other, with the canvas's brush behind them,
// clipped to `clip`. Positions outside the buffer stay blank.
void TLogic::DrawTextPieces(int p, int y, const TRect& clip) {
  if (p < 0 || p >= FBufferCount) return;
  TCanvas& c = Canvas();
  QStringList pieces = TextLinePieces(p, false);
  const int eight = c.TextWidth(QStringLiteral("        "));
  if (c.TextWidth(pieces[0]) + c.TextWidth(pieces[1]) + eight <= FDataWidth) pieces = TextLinePieces(p, true);
  c.SetClipRect(clip);
  c.TextOut(FDataRect.Left, y, pieces[0]);
  for (int i = 1; i < pieces.size(); ++i) c.TextOut(c.PenPos.X, y, pieces[i]);
  c.ClearClip();
}

void TLogic::DrawTextLine(int p) {
  if (!FPaintDone || p < FDispStartPos || p > FDispEndPos) return;
  TCanvas& c = Canvas();
  c.Font.Name = kCourier;
  c.Font.SetSize(10);
  c.Font.Style = TFontStyles();
  c.Font.Color = FColText;
  c.Brush.Style = bsSolid;
  if (p == FPointerPos && FPointerEnable) {
    c.Brush.Color = FColPointer;
  } else if (p == FMarkerPos && FMarkerEnable) {
    c.Brush.Color = FColMarker;
  } else {
    c.Brush.Color = FColTextDisp;
  }
  const int y = FDataRect.Top + kLineHeight * (p - FDispStartPos);
  // The font's cells are taller than the line pitch: an opaque line keeps to
  // its own band so that it does not cover the top of the next one.
  const TRect band(FDataRect.Left, y, FDataRect.Right, std::min(y + kLineHeight, FDataRect.Bottom));
  DrawTextPieces(p, y, band);
  if (p == FTriggerPos) DrawTriggerTriangle(y);
  c.Font.Name = kArial;
}

// ---------------------------------------------------------------- pointer and marker

void TLogic::XorLine(int x, TColor colour) {
  TCanvas& c = Canvas();
  c.Pen = TPen();
  c.Pen.Width = 2;
  c.Pen.Mode = pmXor;
  c.Pen.Color = colour;
  c.MoveTo(x, FDataRect.Top);
  c.LineTo(x, FDataRect.Bottom - 2);
  c.Pen = TPen();
}

void TLogic::UpdatePointer() {
  FPointerPos = std::clamp(FPointerPos, FDispStartPos, std::max(FDispStartPos, FDispEndPos));
  FPointerTime = FPointerPos * FTimeBase;
  if (!FPaintDone) return;
  DrawStatus();
  if (FModus == TextDisp) {
    const int old = FPointerX;
    FPointerX = FPointerPos;
    DrawTextLine(old);
    DrawTextLine(FPointerPos);
    return;
  }
  const int x = LineX(FPointerPos);
  if (!FPointerEnable || x == FPointerX) return;
  if (FPointerX != -1) XorLine(FPointerX, FColPointer);
  XorLine(x, FColPointer);
  FPointerX = x;
}

void TLogic::UpdateMarker() {
  FMarkerPos = std::clamp(FMarkerPos, 0, FBufferCount - 1);
  FMarkerTime = FMarkerPos * FTimeBase;
  if (!FPaintDone) return;
  DrawStatus();
  if (FModus == TextDisp) {
    const int old = FMarkerX;
    FMarkerX = FMarkerPos;
    DrawTextLine(old);
    DrawTextLine(FMarkerPos);
    return;
  }
  if (FMarkerPos < FDispStartPos || FMarkerPos > FDispEndPos) {
    if (FMarkerX != -1 && FMarkerEnable) XorLine(FMarkerX, FColMarker);
    FMarkerX = -1;
    return;
  }
  const int x = LineX(FMarkerPos);
  if (!FMarkerEnable || x == FMarkerX) return;
  if (FMarkerX != -1) XorLine(FMarkerX, FColMarker);
  XorLine(x, FColMarker);
  FMarkerX = x;
}

// Showing draws the line where the position is now; hiding takes it away and
// forgets where it was, so that a position changed meanwhile shows right.
void TLogic::ShowPointer(bool show) {
  if (FModus == TextDisp) {
    DrawTextLine(FPointerPos);
    return;
  }
  if (show) {
    FPointerX = LineX(FPointerPos);
    XorLine(FPointerX, FColPointer);
  } else if (FPointerX != -1) {
    XorLine(FPointerX, FColPointer);
    FPointerX = -1;
  }
}

void TLogic::ShowMarker(bool show) {
  if (FModus == TextDisp) {
    DrawTextLine(FMarkerPos);
    return;
  }
  if (show) {
    if (FMarkerPos < FDispStartPos || FMarkerPos > FDispEndPos) return;
    FMarkerX = LineX(FMarkerPos);
    XorLine(FMarkerX, FColMarker);
  } else if (FMarkerX != -1) {
    XorLine(FMarkerX, FColMarker);
    FMarkerX = -1;
  }
}

void TLogic::SetPointerEnable(bool v) {
  if (v == FPointerEnable) return;
  FPointerEnable = v;
  if (!FPaintDone) return;
  ShowPointer(v);
  DrawStatus();
}

void TLogic::SetMarkerEnable(bool v) {
  if (v == FMarkerEnable) return;
  FMarkerEnable = v;
  if (!FPaintDone) return;
  ShowMarker(v);
  DrawStatus();
}

void TLogic::HideLines() {
  if (FModus == TextDisp) return;
  if (FPointerEnable && FPointerX != -1) XorLine(FPointerX, FColPointer);
  if (FMarkerEnable && FMarkerX != -1) XorLine(FMarkerX, FColMarker);
  FPointerX = -1;
  FMarkerX = -1;
  DrawStatus();
}

// ---------------------------------------------------------------- status

void TLogic::DrawStatus() {
  RecomputeTimes();
  if (!FPaintDone || !HasFooter()) return;
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = FColDisplay;
  c.Font.SetSize(Round(0.5 * FFields[PtrCycField].Height()));
  c.Font.Style = TFontStyles();
  auto show = [&](TStatusField f, TColor colour, const QString& text, int inset = 0) {
    const QString t = text.left(20);
    c.Font.Color = colour;
    const TRect& r = FFields[f];
    c.TextRect(r, r.Right - c.TextWidth(t) - inset, r.Top, t);
  };
  const QString cyc = QStringLiteral("cyc");
  show(PtrTimeField, FColPointer, StatusTimeText(FPointerTime));
  show(PtrCycField, FColPointer, QString::number(FPointerPos) + cyc);
  QString value = HexValue(quint32(GetSample(FPointerPos)), Samples().BytesPerSample);
  if (FLogSize == Size32) value.insert(4, QLatin1Char(' '));
  show(ValueField, FColPointer, value + QStringLiteral(" hex"), 1);
  show(MrkTimeField, FColMarker, StatusTimeText(FMarkerTime));
  show(MrkCycField, FColMarker, QString::number(FMarkerPos) + cyc);
  show(DiffTimeField, FColCurve, StatusTimeText(FPointerTime - FMarkerTime));
  show(DiffCycField, FColCurve, QString::number(FPointerPos - FMarkerPos) + cyc);
}

void TLogic::DrawPositionBar() {
  if (!FPaintDone || !HasFooter()) return;
  TCanvas& c = Canvas();
  const TRect& bar = FFields[PosBar];
  Fill(c, bar, clSilver);
  const long long w = bar.Width();
  int a = int(w * FDispStartPos / FBufferCount);
  int b = int(w * FDispEndPos / FBufferCount);
  // Both ends on one pixel: still one pixel wide, and never on the outline.
  if (a == b) {
    if (a > 0) {
      a -= 1;
    } else {
      b += 1;
    }
  }
  Fill(c, TRect(bar.Left + a, bar.Top, bar.Left + b, bar.Bottom), clRed);
}

}  // namespace Veltor
