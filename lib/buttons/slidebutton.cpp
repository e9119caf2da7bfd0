#include "buttons/slidebutton.h"

#include "foundation/frame3d.h"

#include <cmath>

namespace Veltor {

namespace {

// The well keeps this share of the inner side clear all round.
constexpr double kMarginShare = 0.04;
// The grip grooves across the knob: how many, how far apart, and how much
// of the knob's width each side they leave free.
constexpr int kGrooves = 3;
constexpr int kGrooveStep = 3;
constexpr int kGrooveInsetDivisor = 5;
constexpr TColor kBitmapFieldColor = clSilver;

}  // namespace

TSlideButtonLayout SlideButtonLayout(int width, int height, const TRect& inner, swStatus position) {
  TSlideButtonLayout l;
  const int side = width > height ? inner.Height() : inner.Width();
  l.Margin = int(std::nearbyint(kMarginShare * side));
  l.Outline = inner;
  l.Outline.Shrink(l.Margin);
  l.Well = l.Outline;
  l.Well.Shrink(1);
  const int middle = l.Well.Top + l.Well.Height() / 2;
  TRect upper(l.Well.Left, l.Well.Top, l.Well.Right, middle);
  TRect lower(l.Well.Left, middle, l.Well.Right, l.Well.Bottom);
  l.Field = position == swPos2 ? upper : lower;
  l.Knob = position == swPos2 ? lower : upper;
  return l;
}

TSlideButton::TSlideButton(QWidget* parent) : TRahmen(parent) { resize(40, 65); }

void TSlideButton::StyleChanged(QObject*) { Invalidate(); }

void TSlideButton::SetBmpPos1(const QPixmap& v) {
  if (v.isNull()) return;
  FBmpPos1 = v;
  Invalidate();
}

void TSlideButton::SetBmpPos2(const QPixmap& v) {
  if (v.isNull()) return;
  FBmpPos2 = v;
  Invalidate();
}

TSlideButtonLayout TSlideButton::Layout() const {
  return SlideButtonLayout(Width(), Height(), FrameInnerRect(Look(), Width(), Height()), FModel.Position);
}

// ---------------------------------------------------------------- painting

void TSlideButton::Paint() {
  TRahmen::Paint();
  const TSlideButtonLayout l = SlideButtonLayout(Width(), Height(), InnerRect(), FModel.Position);
  TRect outline = l.Outline;
  DrawFrame3D(Canvas(), outline, clGray, clWhite);
  PaintField(l);
  PaintKnob(l);
}

void TSlideButton::PaintField(const TSlideButtonLayout& l) {
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  if (FModel.BmpEnable) {
    c.Brush.Color = kBitmapFieldColor;
    c.FillRect(l.Field);
    const QPixmap& bmp = FModel.FieldOnTop() ? FBmpPos2 : FBmpPos1;
    if (!bmp.isNull()) c.StretchDraw(l.Field, bmp.toImage());
    return;
  }
  c.Brush.Color = FModel.FieldColor();
  c.FillRect(l.Field);
  const QString& text = FModel.FieldText();
  c.Font = Font();
  if (FontAutom()) FitFont(c, l.Field, text);
  c.Font.Color = FModel.TextColor();
  c.Brush.Style = bsClear;
  const int x = l.Field.Left + (l.Field.Width() - c.TextWidth(text)) / 2;
  const int y = l.Field.Top + (l.Field.Height() - c.TextHeight(text)) / 2;
  c.TextRect(l.Field, x, y, text);
}

void TSlideButton::PaintKnob(const TSlideButtonLayout& l) {
  TCanvas& c = Canvas();
  TRect knob = l.Knob;
  c.Brush.Style = bsSolid;
  c.Brush.Color = FModel.ColButton;
  c.FillRect(knob);
  DrawFrame3D(c, knob, clWhite, clBlack);
  DrawFrame3D(c, knob, FModel.ColButton, clGray);
  // Grooves across the middle, each a dark line over a light one.
  const int inset = knob.Width() / kGrooveInsetDivisor;
  const int midY = knob.Top + knob.Height() / 2;
  c.Pen.Width = 1;
  c.Pen.Mode = pmCopy;
  c.Pen.Style = psSolid;
  for (int i = 0; i < kGrooves; ++i) {
    const int y = midY + (i - kGrooves / 2) * kGrooveStep - 1;
    if (y <= knob.Top || y + 1 >= knob.Bottom) continue;
    c.Pen.Color = clGray;
    c.MoveTo(knob.Left + inset, y);
    c.LineTo(knob.Right - inset, y);
    c.Pen.Color = clWhite;
    c.MoveTo(knob.Left + inset, y + 1);
    c.LineTo(knob.Right - inset, y + 1);
  }
}

// ---------------------------------------------------------------- mouse

void TSlideButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TRahmen::MouseDown(Button, Shift, X, Y);
  FModel.Position = TSlideButtonModel::Flipped(FModel.Position);
  Invalidate();
  if (isVisible()) Update();
  emit KeyChange(this);
}

}  // namespace Veltor
