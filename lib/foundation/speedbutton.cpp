#include "foundation/speedbutton.h"

#include "foundation/frame3d.h"

#include <QPointer>

namespace Veltor {

TSpeedButtonLayout LayoutSpeedButton(const TRect& face, QSize glyph, QSize text, int spacing) {
  // A missing glyph or caption takes no room (an invalid QSize is -1 wide).
  if (glyph.isEmpty()) glyph = QSize(0, 0);
  if (text.isEmpty()) text = QSize(0, 0);
  const int gap = glyph.isEmpty() || text.isEmpty() ? 0 : spacing;
  const int blockWidth = glyph.width() + gap + text.width();
  const int left = face.Left + (face.Width() - blockWidth) / 2;
  TSpeedButtonLayout layout;
  layout.GlyphPos = TPoint(left, face.Top + (face.Height() - glyph.height()) / 2);
  const int textLeft = left + glyph.width() + gap;
  const int textTop = face.Top + (face.Height() - text.height()) / 2;
  layout.TextRect = TRect(textLeft, textTop, textLeft + text.width(), textTop + text.height());
  return layout;
}

TSpeedButton::TSpeedButton(QWidget* parent) : TGraphicControl(parent) {
  resize(23, 22);
  SetParentFont(true);
}

void TSpeedButton::SetGlyph(const QPixmap& v) {
  FGlyph = v;
  Invalidate();
}

QList<TSpeedButton*> TSpeedButton::Group() const {
  QList<TSpeedButton*> group;
  if (FGroupIndex == 0 || !parentWidget()) return group;
  for (QObject* child : parentWidget()->children()) {
    auto* b = qobject_cast<TSpeedButton*>(child);
    if (b && b != this && b->FGroupIndex == FGroupIndex) group.append(b);
  }
  return group;
}

void TSpeedButton::SetGroupIndex(int v) {
  if (!Assign(FGroupIndex, std::max(0, v))) return;
  if (FGroupIndex == 0) {
    SetDown(false);
    return;
  }
  // Joining a group takes over its AllowAllUp; a down button keeps its
  // group to one down.
  const QList<TSpeedButton*> group = Group();
  if (!group.isEmpty()) FAllowAllUp = group.first()->FAllowAllUp;
  if (FDown) {
    for (TSpeedButton* b : group) b->SetDown(false);
  }
}

void TSpeedButton::SetDown(bool v) {
  if (FGroupIndex == 0) v = false;
  if (v == FDown) return;
  // The down button of a group without AllowAllUp only goes up when another
  // one goes down.
  if (FDown && !FAllowAllUp) return;
  FDown = v;
  if (v) {
    for (TSpeedButton* b : Group()) {
      if (b->FDown) {
        b->FDown = false;
        b->Invalidate();
      }
    }
  }
  Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool v) {
  FAllowAllUp = v;
  for (TSpeedButton* b : Group()) b->FAllowAllUp = v;
}

void TSpeedButton::Click() { emit OnClick(this); }

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseDown(Button, Shift, X, Y);
  if (Button != mbLeft || !isEnabled()) return;
  FDragging = true;
  FPressed = true;
  Repaint();
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging) return;
  const bool inside = ClientRect().Contains(X, Y);
  if (inside != FPressed) {
    FPressed = inside;
    Repaint();
  }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const QPointer<TSpeedButton> alive(this);
  TGraphicControl::MouseUp(Button, Shift, X, Y);
  if (!alive || Button != mbLeft || !FDragging) return;
  FDragging = false;
  FPressed = false;
  const bool clicked = ClientRect().Contains(X, Y);
  if (FGroupIndex != 0 && clicked) SetDown(!FDown);
  Repaint();
  if (clicked) Click();
}

void TSpeedButton::enterEvent(QEnterEvent* e) {
  TGraphicControl::enterEvent(e);
  FHot = true;
  if (FFlat) Invalidate();
}

void TSpeedButton::leaveEvent(QEvent* e) {
  TGraphicControl::leaveEvent(e);
  FHot = false;
  if (FFlat) Invalidate();
}

QImage TSpeedButton::GlyphImage(int index) const {
  if (FGlyph.isNull()) return QImage();
  const int cell = FGlyph.width() / FNumGlyphs;
  if (index >= FNumGlyphs) index = 0;
  QImage img = FGlyph.toImage().copy(index * cell, 0, cell, FGlyph.height()).convertToFormat(QImage::Format_ARGB32);
  const QRgb transparent = FGlyph.toImage().pixel(0, FGlyph.height() - 1);
  for (int y = 0; y < img.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      if (row[x] == transparent) row[x] = 0;
    }
  }
  return img;
}

void TSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  const bool sunken = FPressed || FDown;
  TRect face = ClientRect();
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = Color();
  canvas.FillRect(face);
  if (!FFlat) {
    face = DrawButtonFace(canvas, face, sunken, false);
  } else if (sunken || (FHot && isEnabled())) {
    TRect ring = face;
    DrawFrame3D(canvas, ring, sunken ? clBtnShadow : clBtnHighlight, sunken ? clBtnHighlight : clBtnShadow);
    if (sunken) face = TRect(face.Left + 1, face.Top + 1, face.Right + 1, face.Bottom + 1);
  }
  if (FDown && !FPressed) {
    // A latched button shows a lighter face.
    TRect inner = face;
    inner.Shrink(1);
    canvas.Brush.Color = clBtnHighlight;
    canvas.FillRect(inner);
  }

  const int glyphIndex = !isEnabled() ? 1 : FDown && !FPressed ? 3 : sunken ? 2 : 0;
  const QImage glyph = GlyphImage(glyphIndex);
  canvas.Font = Font();
  const int flags = Qt::TextShowMnemonic | Qt::AlignCenter;
  const TRect measured = canvas.TextBounds(TRect(0, 0, 1 << 16, 1 << 16), FCaption, flags);
  const QSize textSize = FCaption.isEmpty() ? QSize() : QSize(measured.Width(), measured.Height());
  const TSpeedButtonLayout layout = LayoutSpeedButton(face, glyph.size(), textSize, FSpacing);
  if (!glyph.isNull()) canvas.Draw(layout.GlyphPos.X, layout.GlyphPos.Y, glyph);
  if (FCaption.isEmpty()) return;
  canvas.Brush.Style = bsClear;
  if (!isEnabled()) {
    canvas.Font.Color = clBtnHighlight;
    const TRect& t = layout.TextRect;
    canvas.DrawText(TRect(t.Left + 1, t.Top + 1, t.Right + 1, t.Bottom + 1), FCaption, flags);
    canvas.Font.Color = clBtnShadow;
  }
  canvas.DrawText(layout.TextRect, FCaption, flags);
}

}  // namespace Veltor
