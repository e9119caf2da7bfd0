// TLogic: the mouse (footer buttons, pointer, marker, zoom frame), the
// auto-repeat of the scroll buttons, and the four scroll operations.
#include "logic/logic.h"

#include "foundation/tickregistry.h"

#include <algorithm>

namespace Veltor {

namespace {

const TShiftState kLeftState = ssLeft;
const TShiftState kRightState = ssRight;

// Shift and left button, or the middle button alone.
bool IsZoomGesture(TShiftState s) { return s == TShiftState(ssShift | ssLeft) || s == TShiftState(ssMiddle); }

constexpr int kFirstRepeatMs = 600;
constexpr int kRepeatMs = 50;

}  // namespace

// ---------------------------------------------------------------- mouse

void TLogic::MouseDown(TMouseButton, TShiftState shift, int x, int y) {
  if (FLayout.HasFooter) {
    for (int b = 0; b < kFooterButtons; ++b) {
      if (FLayout.Buttons[b].Contains(x, y)) {
        PressButton(TFooterButton(b), shift);
        break;
      }
    }
  }
  if (!FLayout.Data.Contains(x, y)) return;
  if (!TextMode() && ZoomEnable() && IsZoomGesture(shift)) {
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
  if (PointerEnable() && shift == kLeftState) {
    SetPointerPos(PositionAt(x, y));
  } else if (MarkerEnable() && shift == kRightState) {
    SetMarkerPos(PositionAt(x, y));
  }
}

void TLogic::PressButton(TFooterButton b, TShiftState shift) {
  PaintButtonFace(Canvas(), FLayout, b, true);
  FPressed = b;
  switch (b) {
    case BtnChanZoom: Apply(FModel.ToggleChannelZoom()); break;
    case BtnChanUp: Apply(FModel.ShiftChannels(1)); break;
    case BtnChanDown: Apply(FModel.ShiftChannels(-1)); break;
    case BtnTimeZoom:
      if (IsZoomGesture(shift)) {
        SetModus(TextMode() ? Diagram : TextDisp);
      } else {
        Apply(FModel.ToggleTimeZoom());
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
  if (ZoomEnable() && IsZoomGesture(shift)) {
    if (FZoomDragging) {
      const TRect& d = FLayout.Data;
      DrawZoomFrame();
      FZoomMoveX = std::clamp(x, d.Left, d.Right);
      FZoomMoveY = std::clamp(y, d.Top, d.Bottom);
      DrawZoomFrame();
    }
    return;
  }
  if (!FLayout.Data.Contains(x, y)) return;
  if (TextMode() ? y == FLastMouseY : x == FLastMouseX) return;
  PlaceLineAt(shift, x, y);
  FLastMouseX = x;
  FLastMouseY = y;
}

void TLogic::MouseUp(TMouseButton, TShiftState, int, int) {
  FRepeatTicker.Stop();
  if (FPressed >= 0) {
    PaintButtonFace(Canvas(), FLayout, TFooterButton(FPressed), false);
    FPressed = -1;
  }
  if (ZoomEnable() && FZoomDragging) {
    FZoomDragging = false;
    DrawZoomFrame();
    FinishZoomFrame();
  }
}

void TLogic::FinishZoomFrame() {
  const TZoomBand band = ZoomBandOf(FLayout, FModel.View(), FZoomAnchorX, FZoomAnchorY, FZoomMoveX, FZoomMoveY);
  if (!band.Positions) return;
  FModel.SetZoomPositions(band.StartPos, band.EndPos);
  if (!band.Channels) return;
  FModel.SetZoomChannels(band.ChanFirst, band.ChanLast);
  if (band.ChanLast != band.ChanFirst) emit onZoomSet(this);
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
  if (FModel.PageBack()) Redraw();
}

void TLogic::PageForward() {
  if (FModel.PageForward()) Redraw();
}

void TLogic::StepBack() {
  if (!LaidOut()) return;
  if (TextMode()) {
    if (!FModel.StepLineBack()) return;
    // The page moves down a line; the new first line is drawn.
    ScrollListing(Canvas(), FModel, FLayout, true);
    DrawTextLine(DispStartPos());
    if (DispEndPos() < PointerPos()) UpdatePointer();
    DrawPositionBar();
    return;
  }
  if (!FModel.CanStepBack()) return;
  HideLines();
  PaintStepBack(Canvas(), FModel, FColours, FLayout, FModel.TakeScrollShift(FLayout.DataWidth));
  FModel.MoveView(-1);
  UpdatePointer();
  UpdateMarker();
  DrawPositionBar();
}

void TLogic::StepForward() {
  if (!LaidOut()) return;
  if (TextMode()) {
    if (!FModel.StepLineForward()) return;
    // The page moves up a line; the new last line is drawn.
    ScrollListing(Canvas(), FModel, FLayout, false);
    DrawTextLine(DispEndPos());
    if (PointerPos() < DispStartPos()) UpdatePointer();
    DrawPositionBar();
    return;
  }
  if (!FModel.CanStepForward()) return;
  HideLines();
  PaintStepForward(Canvas(), FModel, FColours, FLayout, FModel.TakeScrollShift(FLayout.DataWidth));
  FModel.MoveView(1);
  UpdatePointer();
  UpdateMarker();
  DrawPositionBar();
}

}  // namespace Veltor
