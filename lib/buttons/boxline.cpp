#include "buttons/boxline.h"

namespace Veltor {

using ButtonEnums::orHorizontal;
using ButtonEnums::orVertical;
using ButtonEnums::TOrientation;

namespace {

// Characters and short captions stand this far right of and above their
// box's top-left corner.
constexpr int kTextDx = 2;
constexpr int kTextDy = -2;
// A row's turned long caption starts this far left of its box.
constexpr int kLongCaptionDx = -2;
constexpr int kUpwards = 900;  // font escapement of the turned captions
constexpr TColor kCaptionBack = clSilver;
constexpr TColor kCaptionText = clBlack;
// Two-image glyphs let this colour through.
constexpr TColor kGlyphTransparent = clOlive;

QString FirstChar(const QString& s) { return s.left(1); }

QImage WithTransparent(QImage image, TColor colour) {
  image = image.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = colour.ToQRgb() | 0xFF000000u;
  for (int y = 0; y < image.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (row[x] == key) row[x] = 0;
    }
  }
  return image;
}

}  // namespace

QImage GreyedGlyph(const QImage& image) {
  QImage out = image.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const int v = 128 + qGray(row[x]) / 2;
      row[x] = qRgba(v, v, v, qAlpha(row[x]));
    }
  }
  return out;
}

// ---------------------------------------------------------------- one box

TBoxLBox::TBoxLBox(TBoxLine* owner, int index) : TPersistent(owner), FOwner(owner), FIndex(index) {
  setObjectName(QStringLiteral("Box%1").arg(index));
}

bool TBoxLBox::Enabled() const { return FOwner->FModel.BoxEnaByte & Mask(); }

void TBoxLBox::SetEnabled(bool v) {
  FOwner->SetBytes(FOwner->FModel.BoxStatByte, TBoxLineModel::WithBit(FOwner->FModel.BoxEnaByte, Mask(), v));
}

bool TBoxLBox::Status() const { return FOwner->FModel.BoxStatByte & Mask(); }

void TBoxLBox::SetStatus(bool v) {
  FOwner->SetBytes(TBoxLineModel::WithBit(FOwner->FModel.BoxStatByte, Mask(), v), FOwner->FModel.BoxEnaByte);
}

void TBoxLBox::SetVisible(bool v) {
  if (v == FVisible) return;
  FVisible = v;
  FOwner->Invalidate();
}

void TBoxLBox::SetCharOn(const QString& v) {
  FCharOn = FirstChar(v);
  Redraw();
}

void TBoxLBox::SetCharOff(const QString& v) {
  FCharOff = FirstChar(v);
  Redraw();
}

void TBoxLBox::SetCaptShort(const QString& v) {
  FCaptShort = FirstChar(v);
  FOwner->DrawCaptions(FIndex);
}

void TBoxLBox::SetCaptLong(const QString& v) {
  FCaptLong = v;
  FOwner->DrawCaptions(FIndex);
}

void TBoxLBox::SetNumGlyphs(int v) {
  FNumGlyphs = std::clamp(v, 1, 2);
  Redraw();
}

void TBoxLBox::SetGlyphOn(const QPixmap& v) {
  FGlyphOn = v;
  FGreyOn = v.isNull() ? QImage() : GreyedGlyph(v.toImage());
  Redraw();
}

void TBoxLBox::SetGlyphOff(const QPixmap& v) {
  FGlyphOff = v;
  FGreyOff = v.isNull() ? QImage() : GreyedGlyph(v.toImage());
  Redraw();
}

QImage TBoxLBox::ShownGlyph() const {
  const bool on = Status();
  const QPixmap& glyph = on ? FGlyphOn : FGlyphOff;
  if (glyph.isNull()) return QImage();
  if (FNumGlyphs == 1) return Enabled() ? glyph.toImage() : (on ? FGreyOn : FGreyOff);
  const int half = glyph.width() / 2;
  const QImage picked = glyph.toImage().copy(Enabled() ? half : 0, 0, half, glyph.height());
  return WithTransparent(picked, kGlyphTransparent);
}

void TBoxLBox::Redraw() { FOwner->DrawBox(FIndex); }

// ---------------------------------------------------------------- layout

TBoxLineLayout BoxLineLayout(int width, int height, const TBoxLineModel& model) {
  TBoxLineLayout out;
  const int w = model.BoxWidth;
  const int s = model.BoxSpace;
  const bool row = model.Orientation == orHorizontal;
  // Across the line: near the top (left) edge with CaptLeft, else near the
  // bottom (right) edge.
  const int across = row ? height : width;
  const int nearStart = model.CaptLeft ? s + w : across - (s + w) - w;
  for (int i = 0; i < TBoxLineModel::kBoxes; ++i) {
    // Along the line.
    int start;
    if (row) {
      start = model.OrderUp ? s / 2 + i * (w + s) : (width - w / 2) - w - i * (w + s);
    } else {
      start = model.OrderUp ? (height - s / 2) - w - i * (w + s) : s / 2 + i * (w + s);
    }
    TBoxSpot& spot = out.Boxes[std::size_t(i)];
    // The short caption takes the narrow side between box and edge, the
    // long caption the wide side.
    const int shortStart = model.CaptLeft ? nearStart - s - w : nearStart + w + s;
    const int longStart = model.CaptLeft ? nearStart + w + s : s;
    const int longEnd = model.CaptLeft ? across - s : nearStart - s;
    if (row) {
      spot.Box = TRect(start, nearStart, start + w, nearStart + w);
      spot.Short = TRect(start, shortStart, start + w, shortStart + w);
      spot.Long = TRect(start + kLongCaptionDx, longStart, start + w, longEnd);
    } else {
      spot.Box = TRect(nearStart, start, nearStart + w, start + w);
      spot.Short = TRect(shortStart, start, shortStart + w, start + w);
      // The text stands at the box's top - 2: the area reaches into the gaps
      // so that it is not cut.
      spot.Long = TRect(longStart, start - s / 2, longEnd, start + w + (s - s / 2));
    }
  }
  return out;
}

// ---------------------------------------------------------------- widget

TBoxLine::TBoxLine(QWidget* parent) : TCustomControl(parent) {
  SetColor(clSilver);
  resize(160, 85);
  for (int i = 0; i < TBoxLineModel::kBoxes; ++i) FBoxes[std::size_t(i)] = new TBoxLBox(this, i);
}

int TBoxLine::BoxAt(int x, int y) const {
  const TBoxLineLayout l = Layout();
  for (int i = 0; i < TBoxLineModel::kBoxes; ++i) {
    if (Box(i)->Visible() && l.Boxes[std::size_t(i)].Box.Contains(x, y)) return i;
  }
  return -1;
}

void TBoxLine::SetBytes(quint8 stat, quint8 ena) {
  const quint8 changed = quint8((stat ^ FModel.BoxStatByte) | (ena ^ FModel.BoxEnaByte));
  FModel.BoxStatByte = stat;
  FModel.BoxEnaByte = ena;
  for (int i = 0; i < TBoxLineModel::kBoxes; ++i) {
    if (changed & (1u << i)) DrawBox(i);
  }
}

// ---------------------------------------------------------------- painting

void TBoxLine::Paint() {
  TControl::Paint();
  FPainted = true;
  const TBoxLineLayout l = Layout();
  for (int i = 0; i < TBoxLineModel::kBoxes; ++i) {
    if (!Box(i)->Visible()) continue;
    PaintBox(l.Boxes[std::size_t(i)], *Box(i));
    PaintCaptions(l.Boxes[std::size_t(i)], *Box(i));
  }
}

void TBoxLine::PaintBox(const TBoxSpot& spot, const TBoxLBox& box) {
  TCanvas& c = Canvas();
  const bool enabled = box.Enabled();
  const QImage glyph = box.ShownGlyph();
  c.Brush.Style = bsSolid;
  c.Brush.Color = enabled ? FModel.ColorEnable : FModel.ColorDisable;
  if (!glyph.isNull() && box.NumGlyphs() == 1) {
    c.StretchDraw(spot.Box, glyph);
    return;
  }
  c.FillRect(spot.Box);
  if (!glyph.isNull()) {
    c.SetClipRect(spot.Box);
    c.Draw(spot.Box.Left, spot.Box.Top, glyph);
    c.ClearClip();
    return;
  }
  c.Font = Font();
  c.Font.Color = enabled ? FModel.ColorFontEna : FModel.ColorFontDis;
  c.Brush.Style = bsClear;
  c.TextRect(spot.Box, spot.Box.Left + kTextDx, spot.Box.Top + kTextDy, box.ShownChar());
}

void TBoxLine::PaintCaptions(const TBoxSpot& spot, const TBoxLBox& box) {
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = kCaptionBack;
  c.Font = Font();
  c.Font.Color = kCaptionText;
  c.TextRect(spot.Short, spot.Short.Left + kTextDx, spot.Short.Top + kTextDy, box.CaptShort());

  c.Font.SetSize(c.Font.Size() - 1);
  const QString& text = box.CaptLong();
  if (FModel.Orientation == orVertical) {
    // Aligned against the box.
    const int x = FModel.CaptLeft ? spot.Long.Left : spot.Long.Right - c.TextWidth(text);
    c.TextRect(spot.Long, x, spot.Box.Top + kTextDy, text);
    return;
  }
  // Turned to read upwards; it begins next to the box above it and ends next
  // to the box below it.
  c.FillRect(spot.Long);
  if (spot.Long.IsEmpty() || text.isEmpty()) return;
  c.Font.Orientation = kUpwards;
  c.Brush.Style = bsClear;
  const int y = FModel.CaptLeft ? spot.Long.Top + c.TextWidth(text) : spot.Long.Bottom;
  c.SetClipRect(spot.Long);
  c.TextOut(spot.Box.Left + kLongCaptionDx, y, text);
  c.ClearClip();
}

void TBoxLine::DrawBox(int i) {
  if (!FPainted || Invalidated() || !Box(i)->Visible()) return;
  const TBoxSpot spot = Layout().Boxes[std::size_t(i)];
  PaintBox(spot, *Box(i));
  ShowNow(spot.Box);
}

void TBoxLine::DrawCaptions(int i) {
  if (!FPainted || Invalidated() || !Box(i)->Visible()) return;
  const TBoxSpot spot = Layout().Boxes[std::size_t(i)];
  PaintCaptions(spot, *Box(i));
  ShowNow(spot.Short);
  ShowNow(spot.Long);
}

void TBoxLine::ShowNow(const TRect& r) {
  if (isVisible() && !r.IsEmpty()) repaint(r.ToQRect());
}

// ---------------------------------------------------------------- mouse

void TBoxLine::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TCustomControl::MouseDown(Button, Shift, X, Y);
  const int i = BoxAt(X, Y);
  if (i >= 0 && Box(i)->Enabled()) FireClick(i);
}

void TBoxLine::FireClick(int i) {
  switch (i) {
    case 0: emit OnBox0Click(this); break;
    case 1: emit OnBox1Click(this); break;
    case 2: emit OnBox2Click(this); break;
    case 3: emit OnBox3Click(this); break;
    case 4: emit OnBox4Click(this); break;
    case 5: emit OnBox5Click(this); break;
    case 6: emit OnBox6Click(this); break;
    case 7: emit OnBox7Click(this); break;
    default: break;
  }
}

}  // namespace Veltor
