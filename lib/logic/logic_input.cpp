// TLogic: the mouse (footer buttons, pointer, marker, zoom frame), the
// auto-repeat of the scroll buttons, and the four scroll operations.
#include "logic/logic.h"

#include "foundation/drawhelpers.h"
#include "foundation/tickregistry.h"

#include <algorithm>
#include <cmath>

namespace Veltor {

namespace {

const TShiftState kLeftState = ssLeft;
const TShiftState kRightState = ssRight;

// Shift and left button, or the middle button alone.
bool IsZoomGesture(TShiftState s) { return s == TShiftState(ssShift | ssLeft) || s == TShiftState(ssMiddle); }

constexpr int kFirstRepeatMs = 600;
constexpr int kRepeatMs = 50;

}  // namespace

int TLogic::PositionAt(int x, int y) const {
  int p = FDispStartPos;
  if (FModus == TextDisp) {
    p = (y - FDataRect.Top) / kLineHeight + FDispStartPos;
  } else if (FDataWidth > 0) {
    const double product = double(FDispEndPos - FDispStartPos) * (x - FDataRect.Left);
    p = int(std::nearbyint(product / FDataWidth)) + FDispStartPos;
  }
  return std::clamp(p, FDispStartPos, std::max(FDispStartPos, FDispEndPos));
}

// ---------------------------------------------------------------- mouse

void TLogic::MouseDown(TMouseButton, TShiftState shift, int x, int y) {
  if (HasFooter()) {
    for (int b = 0; b < kFooterButtons; ++b) {
      if (FButtons[b].Contains(x, y)) {
        PressButton(TFooterButton(b), shift);
        break;
      }
    }
  }
  if (!FDataRect.Contains(x, y)) return;
  if (FModus == Diagram && FZoomEnable && IsZoomGesture(shift)) {
    FZoomDragging = true;
    FZoomAnchorX = FZoomMoveX = x;
    FZoomAnchorY = FZoomMoveY = y;
    return;
  }
  PlaceLineAt(shift, x, y);
  FLastMouseX = x;
  FLastMouseY = y;
}

void TLogic::PlaceLineAt(TShiftState shift, int x, int y) {
  if (FPointerEnable && shift == kLeftState) {
    SetPointerPos(PositionAt(x, y));
  } else if (FMarkerEnable && shift == kRightState) {
    SetMarkerPos(PositionAt(x, y));
  }
}

void TLogic::PressButton(TFooterButton b, TShiftState shift) {
  DrawSunken(Canvas(), FButtons[b]);
  FPressed = b;
  const bool diagram = FModus == Diagram;
  const int last = FBufferCount - 1;
  switch (b) {
    case BtnChanZoom:
      if (!diagram) break;
      // Toggles between all channels and the remembered ones.
      if (FChanFirst == 0 && FChanLast == FMaxChan) {
        FChanFirst = FZoomChanFirst;
        FChanLast = FZoomChanLast;
      } else {
        FChanFirst = 0;
        FChanLast = FMaxChan;
      }
      Invalidate();
      break;
    case BtnChanUp:
      if (diagram && FChanLast < FMaxChan) {
        ++FChanFirst;
        ++FChanLast;
        Redraw();
      }
      break;
    case BtnChanDown:
      if (diagram && FChanFirst > 0) {
        --FChanFirst;
        --FChanLast;
        Redraw();
      }
      break;
    case BtnTimeZoom:
      if (IsZoomGesture(shift)) {
        SetModus(FModus == Diagram ? TextDisp : Diagram);
      } else if (diagram) {
        // Toggles between the whole buffer and the remembered positions.
        if (FDispStartPos == 0 && FDispEndPos == last) {
          FDispStartPos = FZoomStartPos;
          FDispEndPos = FZoomEndPos;
          Invalidate();
        } else {
          FDispStartPos = 0;
          FDispEndPos = last;
          Redraw();
        }
      }
      break;
    case BtnStepBack:
    case BtnStepFwd:
    case BtnPageBack:
    case BtnPageFwd:
      if (b == BtnStepBack) StepBack();
      if (b == BtnStepFwd) StepForward();
      if (b == BtnPageBack) PageBack();
      if (b == BtnPageFwd) PageForward();
      FRepeatTicker.SetInterval(kFirstRepeatMs);
      break;
  }
}

void TLogic::MouseMove(TShiftState shift, int x, int y) {
  if (FZoomEnable && IsZoomGesture(shift)) {
    if (FZoomDragging) {
      DrawZoomFrame();
      FZoomMoveX = std::clamp(x, FDataRect.Left, FDataRect.Right);
      FZoomMoveY = std::clamp(y, FDataRect.Top, FDataRect.Bottom);
      DrawZoomFrame();
    }
    return;
  }
  if (!FDataRect.Contains(x, y)) return;
  if (FModus == TextDisp ? y == FLastMouseY : x == FLastMouseX) return;
  PlaceLineAt(shift, x, y);
  FLastMouseX = x;
  FLastMouseY = y;
}

void TLogic::MouseUp(TMouseButton, TShiftState, int, int) {
  FRepeatTicker.Stop();
  if (FPressed >= 0) {
    DrawRaised(Canvas(), FButtons[FPressed]);
    FPressed = -1;
  }
  if (FZoomEnable && FZoomDragging) {
    FZoomDragging = false;
    DrawZoomFrame();
    FinishZoomFrame();
  }
}

void TLogic::DrawZoomFrame() {
  TCanvas& c = Canvas();
  c.Pen = TPen();
  c.Pen.Color = clWhite;
  c.Pen.Mode = pmXor;
  c.Brush.Style = bsClear;
  c.Rectangle(FZoomAnchorX, FZoomAnchorY, FZoomMoveX, FZoomMoveY);
  c.Pen = TPen();
}

void TLogic::FinishZoomFrame() {
  if (FDataWidth <= 0) return;
  const int xmin = std::min(FZoomAnchorX, FZoomMoveX) - FDataRect.Left;
  const int xmax = std::max(FZoomAnchorX, FZoomMoveX) - FDataRect.Left;
  const long long span = FDispEndPos - FDispStartPos;
  const int start = FDispStartPos + int(span * xmin / FDataWidth);
  const int end = FDispStartPos + int(span * xmax / FDataWidth);
  if (start == end) return;
  FZoomStartPos = start;
  FZoomEndPos = end;

  // Each edge picks the channel row it falls in.
  const double rowH = double(FDataRect.Bottom - FDataRect.Top) / (FChanLast - FChanFirst + 1);
  if (rowH <= 0) return;
  const int ymin = std::min(FZoomAnchorY, FZoomMoveY);
  const int ymax = std::max(FZoomAnchorY, FZoomMoveY);
  double m = FDataRect.Top;
  int k = 0;
  while (ymin + 1 > m) {
    m += rowH;
    ++k;
  }
  FZoomChanFirst = FChanFirst + k - 1;
  while (ymax > m) {
    m += rowH;
    ++k;
  }
  FZoomChanLast = FChanFirst + k - 1;
  if (FZoomChanLast != FZoomChanFirst) emit onZoomSet(this);
}

void TLogic::RepeatTick() {
  switch (FPressed) {
    case BtnStepBack: StepBack(); break;
    case BtnStepFwd: StepForward(); break;
    case BtnPageFwd: PageForward(); break;
    case BtnPageBack: PageBack(); break;
    default: FRepeatTicker.Stop(); return;
  }
  Update();
  FRepeatTicker.SetInterval(kRepeatMs);
}

// ---------------------------------------------------------------- scrolling

void TLogic::PageBack() {
  if (FDispStartPos == 0) return;
  const int s = FDispEndPos - FDispStartPos;
  FDispStartPos = std::max(0, FDispStartPos - s);
  FDispEndPos = FDispStartPos + s;
  Redraw();
}

void TLogic::PageForward() {
  if (FDispEndPos == FBufferCount - 1) return;
  const int s = FDispEndPos - FDispStartPos;
  FDispEndPos = std::min(FBufferCount - 1, FDispEndPos + s);
  FDispStartPos = FDispEndPos - s;
  Redraw();
}

// Draws into the shifted picture what a full redraw of the new view would
// show in the data-area columns [x1, x2) (counted from DataRect.Left): the
// background, the dotted base lines (their dots counted from the right edge,
// as the full redraw does) and the traces that `segments` draws for each
// channel, given the channel's level of a sample.
template <typename Segments>
void TLogic::DrawStrip(int x1, int x2, Segments segments) {
  TCanvas& c = Canvas();
  const TRect strip(FDataRect.Left + x1, FDataRect.Top, FDataRect.Left + x2, FDataRect.Bottom);
  c.Brush.Style = bsSolid;
  c.Brush.Color = FColDisplay;
  c.FillRect(strip);

  const TDiagramGeometry g = Geometry();
  c.SetClipRect(strip);
  c.Pen = TPen();
  c.Pen.Style = psDot;
  c.Pen.Color = FColGrid;
  c.Brush.Style = bsClear;
  for (int row = 0; row < g.Rows(); ++row) {
    c.MoveTo(FDataRect.Right, g.Base(row));
    c.LineTo(strip.Left - 1, g.Base(row));
  }
  // The edges may fall just beside the strip.
  c.SetClipRect(FDataRect);
  c.Pen = TPen();
  c.Pen.Color = FColCurve;
  for (int ch = FChanFirst; ch <= FChanLast; ++ch) {
    const int row = ch - FChanFirst;
    segments(c, [&](int p) { return g.Level(row, (quint32(GetSample(p)) >> ch) & 1u); });
  }
  c.ClearClip();
}

void TLogic::StepBack() {
  if (!FPaintDone) return;
  TCanvas& c = Canvas();
  if (FModus == TextDisp) {
    if (FDispStartPos - 1 < 0) {
      FDispStartPos = 0;
      return;
    }
    --FDispStartPos;
    FDispEndPos = FDispStartPos + FLinesPerPage;
    // The page moves down a line; the new first line is drawn.
    c.ScrollRect(TRect(FDataRect.Left, FDataRect.Top, FDataRect.Right,
                       FDataRect.Top + kLineHeight * (FLinesPerPage + 1)),
                 0, kLineHeight);
    DrawTextLine(FDispStartPos);
    if (FDispEndPos < FPointerPos) UpdatePointer();
    DrawPositionBar();
    return;
  }
  if (FDispStartPos < 1) return;
  HideLines();
  const double d = double(FDataWidth) / (FDispEndPos - FDispStartPos) + FScrollFraction;
  const int shift = int(std::nearbyint(d));
  FScrollFraction = d - shift;

  // The picture moves right; the new first sample comes in on the left with
  // the edge into the old one. The rightmost column held the sample that
  // just left the view: it is cleared.
  c.ScrollRect(FDataRect, shift, 0);
  const int left = FDataRect.Left;
  const int first = FDispStartPos - 1;
  DrawStrip(0, shift, [&](TCanvas& sc, auto level) {
    sc.MoveTo(left, level(first));
    sc.LineTo(left + shift, level(first));
    sc.LineTo(left + shift, level(first + 1));
  });
  DrawStrip(FDataWidth, FDataRect.Width(), [](TCanvas&, auto) {});

  --FDispStartPos;
  --FDispEndPos;
  UpdatePointer();
  UpdateMarker();
  DrawPositionBar();
}

void TLogic::StepForward() {
  if (!FPaintDone) return;
  TCanvas& c = Canvas();
  if (FModus == TextDisp) {
    ++FDispStartPos;
    if (FDispStartPos >= FBufferCount - FLinesPerPage) {
      --FDispStartPos;
      return;
    }
    FDispEndPos = FDispStartPos + FLinesPerPage;
    // The page moves up a line; the new last line is drawn.
    c.ScrollRect(FDataRect, 0, -kLineHeight);
    DrawTextLine(FDispEndPos);
    if (FPointerPos < FDispStartPos) UpdatePointer();
    DrawPositionBar();
    return;
  }
  if (FDispEndPos >= FBufferCount - 1) return;
  HideLines();
  const double d = double(FDataWidth) / (FDispEndPos - FDispStartPos) + FScrollFraction;
  const int shift = int(std::nearbyint(d));
  FScrollFraction = d - shift;

  // The picture moves left; the new last sample comes in on the right with
  // the edge out of the old last one. The column beyond the data width stays
  // empty, as in a full redraw.
  c.ScrollRect(FDataRect, -shift, 0);
  const int last = FDispEndPos;
  const int x = FDataRect.Left + FDataWidth - shift;
  const int end = FDataRect.Left + FDataWidth;
  DrawStrip(FDataWidth - shift, FDataRect.Width(), [&](TCanvas& sc, auto level) {
    sc.MoveTo(x, level(last - 1));
    sc.LineTo(x, level(last));
    sc.LineTo(end, level(last));
  });

  ++FDispStartPos;
  ++FDispEndPos;
  UpdatePointer();
  UpdateMarker();
  DrawPositionBar();
}

}  // namespace Veltor
