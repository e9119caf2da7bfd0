#include "system/spy.h"

#include <QCursor>

#include <algorithm>
#include <cmath>

namespace Veltor {

namespace {

constexpr int kIntervalMs = 100;
constexpr int kDefaultSize = 100;

}  // namespace

TSpyLayout SpyLayout(int width, int height) {
  TSpyLayout l;
  const int half = width / 2;
  l.Eye[0] = TRect(0, 0, half - 1, height);
  l.Eye[1] = TRect(half + 1, 0, width, height);
  l.Centre[0] = QPointF(width / 4, height / 2.0);
  l.Centre[1] = QPointF(half + 1 + width / 4, height / 2.0);
  l.PupilRadius = width > 10 && height > 10 ? (width + height) / 15 : 1;
  l.Margin = int(l.PupilRadius * 1.175) + 2;
  // Narrow eyes leave the pupil no room across rather than negative room,
  // which would send it away from the pointer.
  for (int eye = 0; eye < 2; ++eye) l.A[eye] = std::max(0.0, l.Eye[eye].Width() / 2.0 - l.Margin);
  l.B = std::max(0.0, height / 2.0 - l.Margin);
  return l;
}

TPoint PupilPosition(TPoint p, QPointF centre, double a, double b) {
  const double dx = p.X - centre.x();
  const double dy = p.Y - centre.y();
  // A room without width or height is a line: the per-axis rule fits it.
  if (dx != 0 && dy != 0 && a > 0 && b > 0) {
    const double theta = std::atan(dy / dx) + (dx < 0 ? M_PI : 0);
    const double c = std::cos(theta), s = std::sin(theta);
    const double rho = a * b / std::sqrt((b * c) * (b * c) + (a * s) * (a * s));
    if (std::hypot(dx, dy) <= rho) return p;
    return TPoint(int(centre.x() + rho * c), int(centre.y() + rho * s));
  }
  // On an axis, clamp each coordinate on its own.
  const auto clamp = [](int pointer, double middle, double d, double room) {
    if (std::abs(d) < room) return pointer;
    return int(middle + (d > 0 ? room : d < 0 ? -room : 0));
  };
  return TPoint(clamp(p.X, centre.x(), dx, a), clamp(p.Y, centre.y(), dy, b));
}

TCustomSpy::TCustomSpy(QWidget* parent) : TGraphicControl(parent) {
  SetTransparentSurface(true);
  resize(kDefaultSize, kDefaultSize);
  FTimer.setInterval(kIntervalMs);
  connect(&FTimer, &QTimer::timeout, this, [this] { Follow(QCursor::pos()); });
  FTimer.start();
}

void TCustomSpy::SetActive(bool active) {
  if (active == Active()) return;
  if (active)
    FTimer.start();
  else
    FTimer.stop();
  Invalidate();
}

void TCustomSpy::Resized() {
  // The eyes stay round or tall: never wider than high.
  if (!(ComponentState() & csLoading) && height() < width()) {
    resize(height(), height());
  }
}

void TCustomSpy::Paint() {
  TCanvas& c = Canvas();
  c.Brush.Color = FEyeColor;
  c.Brush.Style = bsSolid;
  c.Pen.Color = FBordColor;
  c.Pen.Width = 1;
  c.Pen.Style = psSolid;
  for (const TRect& eye : Layout().Eye) c.Ellipse(eye);
  FDrawn[0] = FDrawn[1] = TPoint(-1, -1);
  // A repaint keeps the pupils where the pointer was last seen.
  if (Active() && FSeen) PlacePupils();
}

void TCustomSpy::Follow(QPoint screenPos) {
  if (FSeen && screenPos == FLastSeen) return;
  FLastSeen = screenPos;
  FSeen = true;
  // Pupils of another size went with the repaint that size brings.
  if (FPupilsSize == size()) DrawPupils(FEyeColor);
  PlacePupils();
}

void TCustomSpy::PlacePupils() {
  const QPoint local = mapFromGlobal(FLastSeen);
  const TSpyLayout l = Layout();
  for (int eye = 0; eye < 2; ++eye)
    FDrawn[eye] = PupilPosition(TPoint(local.x(), local.y()), l.Centre[eye], l.A[eye], l.B);
  FPupilsSize = size();
  DrawPupils(FPupilColor);
}

void TCustomSpy::DrawPupils(TColor colour) {
  TCanvas& c = Canvas();
  c.Brush.Color = colour;
  c.Brush.Style = bsSolid;
  c.Pen.Color = colour;
  c.Pen.Width = 1;
  c.Pen.Style = psSolid;
  const int r = Layout().PupilRadius;
  for (const TPoint& p : FDrawn) {
    if (p.X == -1 && p.Y == -1) continue;
    c.Ellipse(p.X - r, p.Y - r, p.X + r, p.Y + r);
  }
}

}  // namespace Veltor
