#include "potis/slider.h"

#include "foundation/frame3d.h"

#include <QWheelEvent>

#include <algorithm>
#include <cstdlib>

namespace Veltor {

namespace {
constexpr double kValueLimit = 10000;
constexpr int kMaxTrenchWidth = 6;
constexpr int kMinButtonSize = 6;
constexpr int kMaxButtonSize = 30;
constexpr int kMaxScalaPart = 100;
constexpr int kMaxDragDelay = 20;
constexpr int kDragTickMs = 50;
// An engraved tick is three parallel lines this long, beside the trench.
constexpr int kTickLength = 6;
constexpr int kCaptionSize = 8;
constexpr int kMinInsetFace = 5;
// Escapement of the vertical caption, in tenths of a degree.
constexpr int kUpwards = 900;

void Line(TCanvas& c, int x1, int y1, int x2, int y2) {
  c.MoveTo(x1, y1);
  c.LineTo(x2, y2);
}
}  // namespace

TSlider::TSlider(QWidget* parent) : TVeltorBase(parent), FModel(kValueLimit) {
  FModel.SetEnd(100);
  SetBevWidth(1);
  resize(150, 20);
  FDragTicker = TTickSubscription::Ticker([this] { DragTick(); });
}

TSlider::~TSlider() = default;

void TSlider::SetCaptOffset(int v) {
  const int cross = FOrientation == orVertical ? Width() : Height();
  Assign(FCaptOffset, std::clamp(v, -(cross / 2), std::max(-(cross / 2), Width() - 5)));
}

void TSlider::SetSelector(bool v) {
  if (Assign(FSelector, v)) SnapToDetent();
}

void TSlider::SnapToDetent() {
  if (!FSelector || Loading()) return;
  FPosition = std::clamp(SliderDetent(FModel, FScalaPart, FModel.Value()), 0, FScalaPart);
  FModel.SetValue(SliderDetentValue(FModel, FScalaPart, FPosition));
}

void TSlider::SetValueMax(double v) {
  if (FModel.SetEnd(v, Loading())) Invalidate();
}

void TSlider::SetValueMin(double v) {
  if (FModel.SetStart(v, Loading())) Invalidate();
}

void TSlider::SetValue(double v) {
  if (Loading()) {
    FModel.LoadValue(v);
    return;
  }
  v = FModel.Clamp(v);
  if (v == FModel.Value()) return;
  if (FSelector) {
    SetPosition(SliderDetent(FModel, FScalaPart, v));
  } else if (FModel.SetValue(v)) {
    MoveButton();
  }
}

void TSlider::SetPosition(int v) {
  if (Loading()) {
    FPosition = v;
    return;
  }
  v = std::clamp(v, 0, FScalaPart);
  if (v == FPosition) return;
  FPosition = v;
  FModel.SetValue(SliderDetentValue(FModel, FScalaPart, v));
  MoveButton();
}

void TSlider::SetTrenchWidth(int v) { Assign(FTrenchWidth, std::clamp(v, 1, kMaxTrenchWidth)); }

void TSlider::SetDragDelay(int v) { FDragDelay = std::clamp(v, 0, kMaxDragDelay); }

void TSlider::SetButtonSize(int v) { Assign(FButtonSize, std::clamp(v, kMinButtonSize, kMaxButtonSize)); }

void TSlider::SetScalaPart(int v) {
  Assign(FScalaPart, std::clamp(v, 1, kMaxScalaPart));
  FPosition = std::min(FPosition, FScalaPart);
  SnapToDetent();
}

void TSlider::SetButtonColor(TColor v) {
  if (FButtonColor == v) return;
  FButtonColor = v;
  if (!Painted() || Invalidated()) return;
  PaintButtonImage(Layout());
  FButton.Show(Canvas());
}

void TSlider::SetOrientation(TOrientation v) {
  FOrientation = v;
  ApplySizeRule();
}

void TSlider::Loaded() {
  TVeltorBase::Loaded();
  // A hidden widget hears of its size only when it is shown; a form's
  // sliders read their orientation before that.
  ApplySizeRule();
  FPosition = std::clamp(FPosition, 0, FScalaPart);
  if (FModel.Normalise()) Invalidate();
  SnapToDetent();
}

// The orientation follows the shape, and the side across the travel is kept
// within kMinCross..kMaxCross.
void TSlider::Resized() { ApplySizeRule(); }

void TSlider::ApplySizeRule() {
  if (FApplyingSize) return;
  FApplyingSize = true;
  const TOrientation was = FOrientation;
  const TSliderShape shape = SliderShape(Width(), Height());
  FOrientation = shape.Orientation;
  resize(shape.Width, shape.Height);
  FApplyingSize = false;
  if (FOrientation != was) Invalidate();
}

TSliderLayout TSlider::Layout() const {
  TSliderLook look;
  look.Frame = Look();
  look.Vertical = FOrientation == orVertical;
  look.ButtonDir = FButtonDir;
  look.ButtonSize = FButtonSize;
  look.TrenchWidth = FTrenchWidth;
  look.CaptOffset = FCaptOffset;
  return SliderLayout(look, Width(), Height());
}

// ---------------------------------------------------------------- painting

void TSlider::Paint() {
  TVeltorBase::Paint();
  SetPainted(true);
  const TSliderLayout l = Layout();
  TCanvas& c = DrawBitmap().Canvas();
  PaintTrench(c, l);
  if (FScalaShow) PaintTicks(c, l);
  if (FCaptEna) PaintCaption(c, l);
  Canvas().CopyRect(ClientRect(), DrawBitmap().Image(), ClientRect());
  PaintButtonImage(l);
  FButton.Forget();
  FButton.MoveTo(Canvas(), l.ButtonAt(SliderButtonCentre(FModel, l)));
}

void TSlider::PaintTrench(TCanvas& c, const TSliderLayout& l) {
  c.Brush = TBrush{FTrenchColor, bsSolid};
  c.FillRect(l.Trench);
  TColor topLeft = clSilver, bottomRight = clSilver;
  BevelColors(FTrenchStyle, &topLeft, &bottomRight);
  TRect frame = l.Trench;
  DrawFrame3D(c, frame, topLeft, bottomRight);
}

void TSlider::PaintTicks(TCanvas& c, const TSliderLayout& l) {
  TColor c1 = clSilver, c2 = clSilver;
  BevelColors(FTrenchStyle, &c1, &c2);
  const TColor colours[] = {c1, FScalaColor, c2};
  c.Pen = TPen{clBlack, 1, psSolid, pmCopy};
  for (const int at : l.TickPlaces(FScalaPart)) {
    for (int k = 0; k < 3; ++k) {
      c.Pen.Color = colours[k];
      const int line = at - 1 + k;
      if (l.Vertical) {
        Line(c, l.Trench.Left - 1, line, l.Trench.Left - 1 - kTickLength, line);
      } else {
        Line(c, line, l.Trench.Top - 1, line, l.Trench.Top - 1 - kTickLength);
      }
    }
  }
}

void TSlider::PaintCaption(TCanvas& c, const TSliderLayout& l) {
  TFont font;
  font.Name = QStringLiteral("Arial");
  font.SetSize(kCaptionSize);
  font.Color = FCaptColor;
  if (l.Vertical) font.Orientation = kUpwards;
  c.Font = font;
  c.Brush.Style = bsClear;
  const TRect& a = l.CaptionArea;
  const int length = c.TextWidth(FCaption);
  if (l.Vertical) {
    // Reads upwards: the start of the text is at the bottom.
    int y = a.Top + (a.Height() + length) / 2;
    if (FAlignment == taLeftJustify) y = a.Bottom;
    if (FAlignment == taRightJustify) y = a.Top + length;
    c.TextOut(a.Left, y, FCaption);
  } else {
    int x = a.Left + (a.Width() - length) / 2;
    if (FAlignment == taLeftJustify) x = a.Left;
    if (FAlignment == taRightJustify) x = a.Right - length;
    c.TextOut(x, a.Top, FCaption);
  }
}

void TSlider::PaintButtonImage(const TSliderLayout& l) {
  const TRect place = l.ButtonAt(0);
  TBitmap& image = FButton.Image();
  if (image.Width() != place.Width() || image.Height() != place.Height() || image.Ratio() != SurfaceRatio())
    FButton.NewImage(place.Width(), place.Height(), SurfaceRatio());
  TCanvas& c = image.Canvas();
  TRect face(0, 0, place.Width(), place.Height());
  if (FBtnStyle == bsWin31) {
    // The classic face has a black outline round the bevel.
    c.Brush = TBrush{clBlack, bsSolid};
    c.FrameRect(face);
    face.Shrink(1);
  }
  face = DrawButtonFace(c, face, false, false);
  // The coloured square sits a pixel inside the face, unless that would
  // leave no colour inside its outline.
  if (std::min(face.Width(), face.Height()) > kMinInsetFace) face.Shrink(1);
  c.Pen = TPen{clBlack, 1, psSolid, pmCopy};
  c.Brush = TBrush{FButtonColor, bsSolid};
  c.Rectangle(face);
}

void TSlider::MoveButton() {
  if (!Painted() || Invalidated()) return;
  const TSliderLayout l = Layout();
  FButton.MoveTo(Canvas(), l.ButtonAt(SliderButtonCentre(FModel, l)));
}

// ---------------------------------------------------------------- input

void TSlider::UserChanged() {
  FChanged = true;
  emit OnChanging(this);
}

void TSlider::Follow(double v, bool press) {
  if (FSelector) {
    const int before = FPosition;
    SetPosition(SliderDetent(FModel, FScalaPart, v));
    if (FPosition != before) UserChanged();
  } else if (FDragDelay == 0) {
    if (FModel.SetValue(v)) {
      MoveButton();
      UserChanged();
    }
  } else {
    if (press) FDragTicker.SetInterval(kDragTickMs);
    FDragTarget = v;
  }
}

void TSlider::MouseDown(TMouseButton, TShiftState Shift, int X, int Y) {
  FChanged = false;
  if (!LeftButtonAlone(Shift)) return;
  FTracking = true;
  Follow(SliderValueAt(FModel, Layout(), X, Y), true);
}

void TSlider::MouseMove(TShiftState Shift, int X, int Y) {
  if (!FTracking || !LeftButtonAlone(Shift)) return;
  Follow(SliderValueAt(FModel, Layout(), X, Y), false);
}

void TSlider::MouseUp(TMouseButton, TShiftState, int, int) {
  FTracking = false;
  FDragTicker.Stop();
  if (FChanged) {
    FChanged = false;
    emit OnChanged(this);
  }
}

void TSlider::DragTick() {
  if (!Painted() || FDragDelay == 0 || FSelector) return;
  if (!FModel.SetValue(FModel.DragStep(FDragTarget, FDragDelay))) return;
  MoveButton();
  Update();
  UserChanged();
}

// A notch is a detent, or a division; each is a step of its own, as a
// click would be.
void TSlider::wheelEvent(QWheelEvent* e) {
  e->accept();
  if (FTracking) return;
  const int notches = FWheel.Add(e->angleDelta().y());
  const int sign = notches > 0 ? 1 : -1;
  for (int i = 0; i < std::abs(notches); ++i) {
    const double before = FModel.Value();
    if (FSelector) {
      SetPosition(FPosition + sign);
    } else if (FModel.SetValue(before + sign * FModel.Span() / FScalaPart)) {
      MoveButton();
    }
    if (FModel.Value() == before) break;
    UserChanged();
    FChanged = false;
    emit OnChanged(this);
  }
}

}  // namespace Veltor
