#include "misc/rotlabel.h"

#include <cmath>

namespace Veltor {

namespace {

constexpr int kDefaultSize = 115;
constexpr int kDefaultFontSize = 16;
constexpr double kDegToRad = 0.017453292519943295;
// The box around the caption is this much wider and higher than the text.
constexpr int kBoxExtraWidth = 10;
constexpr int kBoxExtraHeight = 7;

int Trunc(double v) { return int(std::trunc(v)); }

}  // namespace

int NormalizeAngle(int degrees) {
  const int r = degrees % 360;
  return r < 0 ? r + 360 : r;
}

TRotLabelGeometry RotLabelGeometry(int width, int height, int textWidth, int textHeight, int angle) {
  const double cs = std::cos(angle * kDegToRad);
  const double sn = std::sin(angle * kDegToRad);
  const int cx = width / 2;
  const int cy = height / 2;
  TRotLabelGeometry g;
  // Half the text back along the turned baseline and half up along the
  // turned vertical; screen y grows downwards.
  g.Origin = TPoint(cx - Trunc(textWidth / 2.0 * cs) - Trunc(textHeight / 2.0 * sn),
                    cy + Trunc(textWidth / 2.0 * sn) - Trunc(textHeight / 2.0 * cs));
  const double w = (textWidth + kBoxExtraWidth) / 2.0;
  const double h = (textHeight + kBoxExtraHeight) / 2.0;
  const int a = Trunc(w * cs);
  const int b = Trunc(h * sn);
  const int c = Trunc(w * sn);
  const int d = Trunc(h * cs);
  g.Box = {TPoint(cx - a - b, cy + c - d), TPoint(cx + a - b, cy - c - d), TPoint(cx + a + b, cy - c + d),
           TPoint(cx - a + b, cy + c + d)};
  return g;
}

TRotLabel::TRotLabel(QWidget* parent) : TCustomLabel(parent) {
  SetAutoSize(false);
  // The surface stays see-through: the box, when there is one, is turned too.
  SetTransparent(true);
  resize(kDefaultSize, kDefaultSize);
  EditFont([](TFont& f) {
    f.Name = QStringLiteral("Arial");
    f.SetSize(kDefaultFontSize);
    f.Color = clRed;
  });
}

void TRotLabel::Paint() {
  TCanvas& c = Canvas();
  c.Font = Font();
  c.Font.Orientation = 0;
  c.Brush.Style = bsClear;
  const QString text = Caption();
  FGeometry = RotLabelGeometry(Width(), Height(), c.TextWidth(text), c.TextHeight(text), FAngle);

  if (!FTransparent) {
    c.Brush.Style = bsSolid;
    c.Brush.Color = Color();
    c.Pen.Style = psClear;
    c.Polygon(FGeometry.Box.data(), int(FGeometry.Box.size()));
    c.Pen.Style = psSolid;
    c.Brush.Style = bsClear;
  }

  c.Font.Orientation = FAngle * 10;
  const TColor fore = c.Font.Color;
  const TPoint o = FGeometry.Origin;
  auto pass = [&c, &text](TColor color, int x, int y) {
    c.Font.Color = color;
    c.TextOut(x, y, text);
  };
  switch (FStyle3D) {
    case rlRaised:
      pass(clWhite, o.X - 1, o.Y - 1);
      pass(clBlack, o.X + 1, o.Y + 1);
      break;
    case rlLowered:
      pass(clWhite, o.X + 1, o.Y + 1);
      pass(clBlack, o.X - 1, o.Y - 1);
      break;
    case rlShadowed: pass(FShColor, o.X + FShOffSetH, o.Y + FShOffSetV); break;
    case rlNormal: break;
  }
  pass(fore, o.X, o.Y);
}

}  // namespace Veltor
