#include "buttons/pictbutton.h"

#include "buttons/buttongroup.h"
#include "host/designfont.h"

#include <cmath>

namespace Veltor {

using ButtonEnums::sstCircle;
using ButtonEnums::sstRectangle;
using ButtonEnums::sstRoundrect;
using ButtonEnums::sstRoundSquare;
using ButtonEnums::sstSquare;
using ButtonEnums::TShapeTypeT;

namespace {

// The face keeps a twentieth of the shorter inner side clear of the frame.
constexpr int kFaceMarginDivisor = 20;
constexpr int kMinFaceMargin = 1;
// Rounded faces have corners a third of their shorter side across.
constexpr int kCornerDivisor = 3;
constexpr int kBorderWidth = 2;
// Content stays this far inside the border of a sharp face...
constexpr int kContentInset = 2;
// ... further inside a rounded one, so no text runs into a corner ...
constexpr int kCornerInsetDivisor = 6;
// ... and inside the square a round face encloses.
constexpr double kCircleInsetShare = 0.15;

bool IsSquare(TShapeTypeT s) { return s == sstSquare || s == sstRoundSquare || s == sstCircle; }
bool IsRounded(TShapeTypeT s) { return s == sstRoundrect || s == sstRoundSquare; }

// The face shape over box, filled with the brush colour and no outline.
void FillShape(TCanvas& c, TShapeTypeT shape, const TRect& box, int corner) {
  c.Pen.Style = psClear;
  c.Brush.Style = bsSolid;
  if (shape == sstCircle) {
    c.Ellipse(box);
  } else if (IsRounded(shape)) {
    c.RoundRect(box.Left, box.Top, box.Right, box.Bottom, corner, corner);
  } else {
    c.FillRect(box);
  }
  c.Pen.Style = psSolid;
}

}  // namespace

int TPictButtonModel::Rows() const {
  switch (PictStyle) {
    case oneRow: return 1;
    case twoRow: return 2;
    case threeRow: return 3;
    case Picture: return 0;
  }
  return 0;
}

TPictButtonLayout PictButtonLayout(const TRect& inner, const TPictButtonModel& model) {
  TPictButtonLayout l;
  const int margin = std::max(kMinFaceMargin, std::min(inner.Width(), inner.Height()) / kFaceMarginDivisor);
  TRect face = inner;
  face.Shrink(margin);
  if (IsSquare(model.Shape)) {
    const int side = std::min(face.Width(), face.Height());
    const int left = face.Left + (face.Width() - side) / 2;
    const int top = face.Top + (face.Height() - side) / 2;
    face = TRect(left, top, left + side, top + side);
  }
  l.Face = face;
  l.Corner = IsRounded(model.Shape) ? std::min(face.Width(), face.Height()) / kCornerDivisor : 0;
  l.Inside = face;
  l.Inside.Shrink(kBorderWidth);

  int inset = kContentInset;
  if (model.Shape == sstCircle) inset = int(std::nearbyint(kCircleInsetShare * l.Inside.Width()));
  if (IsRounded(model.Shape)) inset += l.Corner / kCornerInsetDivisor;
  l.Content = l.Inside;
  l.Content.Shrink(inset);

  const int rows = model.Rows();
  for (int i = 0; i < rows; ++i) {
    const int h = l.Content.Height() / rows;
    const int top = l.Content.Top + i * h;
    const int bottom = i == rows - 1 ? l.Content.Bottom : top + h;
    l.Rows[std::size_t(i)] = TRect(l.Content.Left, top, l.Content.Right, bottom);
  }
  return l;
}

// ---------------------------------------------------------------- widget

TPictButton::TPictButton(QWidget* parent) : TRahmen(parent) {
  resize(100, 100);
  SetColBack(clBlack);
  TFont f = Font();
  f.Name = QStringLiteral("Arial");
  f.Height = -16;
  f.Color = clAqua;
  SetFont(f);
  FFont1 = f;
  FFont1.Color = clLime;
  FFont2 = f;
  FFont2.Color = clRed;
  FBlinker = TTickSubscription::Blinker([this] { BlinkTick(); });
}

TPictButton::~TPictButton() = default;

void TPictButton::StyleChanged(QObject*) { Invalidate(); }

QFont TPictButton::Font1Design() const { return DesignerFont(FFont1); }
void TPictButton::SetFont1Design(const QFont& v) { SetFont1(MergeDesignerFont(FFont1, v)); }
QFont TPictButton::Font2Design() const { return DesignerFont(FFont2); }
void TPictButton::SetFont2Design(const QFont& v) { SetFont2(MergeDesignerFont(FFont2, v)); }

void TPictButton::SetSymbol(const QPixmap& v) {
  FSymbol = v;
  Invalidate();
}

void TPictButton::SetRowText(int row, const QString& v) {
  Assign(FModel.Texts[std::size_t(row)], TPictButtonModel::CutText(v), [this, row] { DrawRow(row); });
}

void TPictButton::SetBlinkOn(bool v) {
  FModel.BlinkOn = v;
  DrawContent(FModel.ContentShown(BlinkState()));
}

void TPictButton::SetDown(bool v) {
  if (v == Down()) return;
  SetStatus(v);
  DrawContent(FContentVisible);
  NotifyGroup();
}

TPictButtonLayout TPictButton::Layout() const {
  return PictButtonLayout(FrameInnerRect(Look(), Width(), Height()), FModel);
}

const TFont& TPictButton::RowFont(int row) const { return row == 0 ? Font() : row == 1 ? FFont1 : FFont2; }

// ---------------------------------------------------------------- painting

void TPictButton::Paint() {
  TRahmen::Paint();
  FPainted = true;
  const TPictButtonLayout l = Layout();
  PaintFace(l);
  PaintContent(l, FModel.ContentShown(BlinkState()));
  // The rings were painted released; a down button gets its pressed look back.
  if (Down()) {
    const TRect painted = FInnerRect;
    DrawPressed(true);
    FInnerRect = painted;
  }
}

void TPictButton::PaintFace(const TPictButtonLayout& l) {
  TCanvas& c = Canvas();
  c.Brush.Color = FModel.ColBorder;
  FillShape(c, FModel.Shape, l.Face, l.Corner);
  c.Brush.Color = ColBack();
  FillShape(c, FModel.Shape, l.Inside, std::max(0, l.Corner - 2 * kBorderWidth));
}

void TPictButton::PaintRow(const TPictButtonLayout& l, int row) {
  const TRect& box = l.Rows[std::size_t(row)];
  if (box.IsEmpty()) return;
  const QString text = TPictButtonModel::ShownRowText(FModel.Texts[std::size_t(row)]);
  TCanvas& c = Canvas();
  c.Font = RowFont(row);
  if (FontAutom()) FitFont(c, box, text);
  c.Brush.Style = bsClear;
  const int x = box.Left + (box.Width() - c.TextWidth(text)) / 2;
  const int y = box.Top + (box.Height() - c.TextHeight(text)) / 2;
  c.TextRect(box, x, y, text);
}

void TPictButton::PaintContent(const TPictButtonLayout& l, bool shown) {
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = ColBack();
  c.FillRect(l.Content);
  FContentVisible = shown;
  if (!shown || l.Content.IsEmpty()) return;
  if (FModel.PictStyle != Picture) {
    for (int row = 0; row < FModel.Rows(); ++row) PaintRow(l, row);
    return;
  }
  if (FSymbol.isNull()) return;
  // A picture larger than the content area is scaled down to fit; a smaller
  // one keeps its size. Either way it is centred.
  QSize size = FSymbol.size();
  if (size.width() > l.Content.Width() || size.height() > l.Content.Height()) {
    size.scale(l.Content.Width(), l.Content.Height(), Qt::KeepAspectRatio);
  }
  const int left = l.Content.Left + (l.Content.Width() - size.width()) / 2;
  const int top = l.Content.Top + (l.Content.Height() - size.height()) / 2;
  c.StretchDraw(TRect(left, top, left + size.width(), top + size.height()), FSymbol.toImage());
}

// Redraws go by the layout, not by InnerRect: a pressed frame reports a
// different rectangle.
void TPictButton::DrawContent(bool shown) {
  if (!FPainted || Invalidated()) return;
  const TPictButtonLayout l = Layout();
  PaintContent(l, shown);
  ShowNow(l.Content);
}

void TPictButton::DrawRow(int row) {
  if (!FPainted || Invalidated() || row >= FModel.Rows()) return;
  const TPictButtonLayout l = Layout();
  const TRect& box = l.Rows[std::size_t(row)];
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = ColBack();
  c.FillRect(box);
  if (FContentVisible) PaintRow(l, row);
  ShowNow(box);
}

void TPictButton::ShowNow(const TRect& r) {
  if (isVisible() && !r.IsEmpty()) repaint(r.ToQRect());
}

// ---------------------------------------------------------------- mouse and groups

void TPictButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // The down button of a radio group stays down when clicked again, unless
  // the group may be left with none down.
  if (FModel.GroupIndex != 0 && parentWidget() && !FModel.AllowAllUp && Down()) return;
  TRahmen::MouseDown(Button, Shift, X, Y);
  NotifyGroup();
}

void TPictButton::NotifyGroup() {
  if (Down() && FModel.GroupIndex != 0) NotifyGroupDown(this, FModel.GroupIndex);
}

void TPictButton::WndProc(TMessage& Message) {
  if (FModel.GroupIndex != 0 && IsGroupDown(Message, FModel.GroupIndex)) {
    const TPictButton* sender = GroupSender<TPictButton>(this, Message);
    if (sender && sender->Down()) SetDown(false);
    return;
  }
  TRahmen::WndProc(Message);
}

// ---------------------------------------------------------------- blinking

void TPictButton::BlinkTick() {
  if (FModel.BlinkOn) DrawContent(BlinkState());
}

}  // namespace Veltor
