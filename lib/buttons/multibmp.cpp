#include "buttons/multibmp.h"

#include "buttons/buttongroup.h"

namespace Veltor {

// The blink clock's call reaches the control as this message, so that it
// runs like any other of the control's messages.
constexpr quint32 kBlinkStepMessage = WM_USER;

void TMultiBmpModel::SetGlyphNums(int v) {
  GlyphNums = std::clamp(v, 1, kMaxGlyphs);
  GlyphSel = std::min(GlyphSel, GlyphNums);
}

void TMultiBmpModel::SetBlinkOn(bool v) {
  BlinkOn = v;
  if (v) Animate = false;
}

void TMultiBmpModel::SetAnimate(bool v) {
  Animate = v;
  if (v) BlinkOn = false;
}

bool TMultiBmpModel::StepAnimation() {
  if (GlyphSel >= GlyphNums) {
    GlyphSel = 1;
    return true;
  }
  ++GlyphSel;
  return false;
}

TRect TMultiBmpModel::GlyphCell(int stripWidth, int stripHeight) const {
  const int w = stripWidth / GlyphNums;
  const int left = (GlyphSel - 1) * w;
  return TRect(left, 0, left + w, stripHeight);
}

TMultiBmpLayout MultiBmpLayout(const TRect& inner, int glyphWidth, int glyphHeight) {
  TMultiBmpLayout l;
  l.Area = inner;
  const int left = inner.Left + (inner.Width() - glyphWidth) / 2;
  const int top = inner.Top + (inner.Height() - glyphHeight) / 2;
  l.Glyph = TRect(left, top, left + glyphWidth, top + glyphHeight);
  return l;
}

// ---------------------------------------------------------------- widget

TMultiBmp::TMultiBmp(QWidget* parent) : TRahmen(parent) {
  resize(30, 30);
  FBlinker = TTickSubscription::Blinker([this] {
    if (FPainted) Perform(kBlinkStepMessage);
  });
}

TMultiBmp::~TMultiBmp() = default;

void TMultiBmp::SetGlyph(const QPixmap& v) {
  FGlyph = v;
  FStrip = v.toImage().convertToFormat(QImage::Format_ARGB32);
  ApplyAutoSize();
  Invalidate();
}

void TMultiBmp::SetBlinkOn(bool v) {
  FModel.SetBlinkOn(v);
  DrawGlyph(FModel.GlyphShown(BlinkState()));
}

void TMultiBmp::SetAutoSize(bool v) {
  Assign(FModel.AutoSize, v, [this] {
    ApplyAutoSize();
    Invalidate();
  });
}

void TMultiBmp::SetGlyphNums(int v) {
  const int old = FModel.GlyphNums;
  FModel.SetGlyphNums(v);
  if (FModel.GlyphNums == old) return;
  ApplyAutoSize();
  Invalidate();
}

void TMultiBmp::SetGlyphSel(int v) {
  Assign(FModel.GlyphSel, TMultiBmpModel::WrapGlyphSel(v, FModel.GlyphNums),
         [this] { DrawGlyph(FModel.GlyphShown(BlinkState())); });
}

void TMultiBmp::SetDown(bool v) {
  if (v == Down()) return;
  SetStatus(v);
  NotifyGroup();
}

QSize TMultiBmp::CellSize() const {
  if (FStrip.isNull()) return QSize(0, 0);
  return QSize(FStrip.width() / FModel.GlyphNums, FStrip.height());
}

void TMultiBmp::ApplyAutoSize() {
  if (!FModel.AutoSize || FStrip.isNull()) return;
  const TRect inner = FrameInnerRect(Look(), Width(), Height());
  const QSize cell = CellSize();
  resize(cell.width() + Width() - inner.Width(), cell.height() + Height() - inner.Height());
}

TMultiBmpLayout TMultiBmp::Layout() const {
  const QSize cell = CellSize();
  return MultiBmpLayout(FrameInnerRect(Look(), Width(), Height()), cell.width(), cell.height());
}

// ---------------------------------------------------------------- painting

void TMultiBmp::Paint() {
  TRahmen::Paint();
  FPainted = true;
  PaintGlyph(Layout(), FModel.GlyphShown(BlinkState()));
  if (Down()) {
    const TRect painted = FInnerRect;
    DrawPressed(true);
    FInnerRect = painted;
  }
}

void TMultiBmp::PaintGlyph(const TMultiBmpLayout& l, bool shown) {
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = ColBack();
  c.FillRect(l.Area);
  const TRect cell = FModel.GlyphCell(FStrip.width(), FStrip.height());
  // A strip narrower than its glyph count has nothing to show.
  FGlyphVisible = shown && !cell.IsEmpty();
  if (!FGlyphVisible) return;
  QImage glyph = FStrip.copy(cell.ToQRect());
  if (FModel.GlyphMode) {
    const QRgb transparent = FModel.ColTransp.ToQRgb() | 0xFF000000u;
    for (int y = 0; y < glyph.height(); ++y) {
      auto* row = reinterpret_cast<QRgb*>(glyph.scanLine(y));
      for (int x = 0; x < glyph.width(); ++x) {
        if (row[x] == transparent) row[x] = 0;
      }
    }
  } else {
    // Copied as it is: no part of the glyph lets the background through.
    glyph = glyph.convertToFormat(QImage::Format_RGB32);
  }
  c.SetClipRect(l.Area);
  c.Draw(l.Glyph.Left, l.Glyph.Top, glyph);
  c.ClearClip();
}

void TMultiBmp::DrawGlyph(bool shown) {
  if (!FPainted || Invalidated()) return;
  const TMultiBmpLayout l = Layout();
  PaintGlyph(l, shown);
  if (isVisible()) repaint(l.Area.ToQRect());
}

void TMultiBmp::BlinkStep() {
  if (FModel.BlinkOn) {
    DrawGlyph(BlinkState());
  } else if (FModel.Animate && FModel.GlyphNums >= 2) {
    if (FModel.StepAnimation()) emit OnEndAnim(this);
    DrawGlyph(true);
  }
}

// ---------------------------------------------------------------- mouse and groups

void TMultiBmp::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FModel.GroupIndex != 0 && parentWidget() && !FModel.AllowAllUp && Down()) return;
  TRahmen::MouseDown(Button, Shift, X, Y);
  NotifyGroup();
}

void TMultiBmp::NotifyGroup() {
  if (Down() && FModel.GroupIndex != 0) NotifyGroupDown(this, FModel.GroupIndex);
}

void TMultiBmp::WndProc(TMessage& Message) {
  if (Message.Msg == kBlinkStepMessage) {
    BlinkStep();
    return;
  }
  if (FModel.GroupIndex != 0 && IsGroupDown(Message, FModel.GroupIndex)) {
    const TMultiBmp* sender = GroupSender<TMultiBmp>(this, Message);
    if (sender && sender->Down()) SetDown(false);
    return;
  }
  TRahmen::WndProc(Message);
}

}  // namespace Veltor
