#include "misc/keypad.h"

namespace Veltor {

namespace {

constexpr int kJoyStickSide = 90;
constexpr int kPadSide = 40;

}  // namespace

// ---------------------------------------------------------------- TKeypad

TKeypad::TKeypad(QWidget* parent, TKeypadShape shape, const QString& letters, int centre)
    : TRahmen(parent), FModel(letters, centre), FShape(shape) {
  FTicker = TTickSubscription::Ticker([this] { RepeatTick(); });
}

void TKeypad::KeepSize() {
  const QSize s = KeypadSize(FShape, Look(), Width(), Height());
  if (s != size()) resize(s);
}

void TKeypad::AppearanceChanged() {
  KeepSize();
  TRahmen::AppearanceChanged();
}

void TKeypad::SetButtonStatus(int v) {
  for (int key : FModel.WriteStatus(quint16(v))) DrawKey(key);
}

// Keys are drawn as they stand: a repaint never lets a latched key go.
void TKeypad::Paint() {
  FInPaint = true;
  TRahmen::Paint();
  FPainted = true;
  for (int k = 0; k < FModel.KeyCount(); ++k) DrawKey(k);
  FInPaint = false;
}

void TKeypad::DrawKey(int key) {
  if (!FPainted) return;
  const TKeypadLayout l = Layout();
  if (key < 0 || key >= int(l.Keys.size()) || l.KeySize <= 0) return;
  const bool down = FModel.IsDown(key);
  PaintKey(Canvas(), l.Keys[key], l.KeySize, down, KeyArrow(key), KeyColor(key), KeySymbol(down));
  if (isVisible() && !FInPaint) repaint(l.Keys[key].ToQRect());
}

int TKeypad::KeyAt(int x, int y) const {
  const TKeypadLayout l = Layout();
  const int centre = FModel.Centre();
  // The centre key is tried last.
  for (int k = 0; k < int(l.Keys.size()); ++k) {
    if (k != centre && l.Keys[k].Contains(x, y)) return k;
  }
  if (centre >= 0 && centre < int(l.Keys.size()) && l.Keys[centre].Contains(x, y)) return centre;
  return -1;
}

void TKeypad::MouseDown(TMouseButton, TShiftState, int X, int Y) {
  const int key = KeyAt(X, Y);
  if (key < 0) return;
  const TKeypadModel::TPress p = FModel.Press(key);
  if (p.Pressed || p.Released) DrawKey(key);
  if (p.Released) emit OnUp(this);
  if (p.Pressed) emit OnDown(this);
  if (p.ArmRepeat) FTicker.SetInterval(TKeypadModel::kFirstRepeatMs);
}

void TKeypad::MouseUp(TMouseButton, TShiftState, int, int) {
  FTicker.Stop();
  for (int key : FModel.Release()) {
    DrawKey(key);
    emit OnUp(this);
  }
}

void TKeypad::RepeatTick() {
  if (!FPainted) return;
  int period = 0;
  const bool fire = FModel.RepeatStep(&period);
  if (period <= 0) {
    FTicker.Stop();
    return;
  }
  FTicker.SetInterval(period);
  if (fire) emit OnDown(this);
}

// ---------------------------------------------------------------- the pads

TJoyStick::TJoyStick(QWidget* parent) : TKeypad(parent, TKeypadShape::Grid, QStringLiteral("ABCDEFGHI"), kCentre) {
  resize(kJoyStickSide, kJoyStickSide);
  KeepSize();
}

void TJoyStick::SetSymbolUp(const QPixmap& v) {
  FSymbolUp = v.toImage();
  Invalidate();
}

void TJoyStick::SetSymbolDown(const QPixmap& v) {
  FSymbolDown = v.toImage();
  Invalidate();
}

TArrow TJoyStick::KeyArrow(int key) const {
  static constexpr TArrow kArrows[9] = {TArrow::UpLeft,   TArrow::Up,     TArrow::UpRight,
                                        TArrow::Left,     TArrow::Symbol, TArrow::Right,
                                        TArrow::DownLeft, TArrow::Down,   TArrow::DownRight};
  return kArrows[key];
}

TColor TJoyStick::KeyColor(int key) const {
  // Corners are the diagonals.
  return key % 2 == 0 ? FColorSek : FColorMain;
}

TUpDownT::TUpDownT(QWidget* parent) : TKeypad(parent, TKeypadShape::Column, QStringLiteral("UD"), -1) {
  resize(kPadSide, 0);
  KeepSize();
}

TLeftRightT::TLeftRightT(QWidget* parent) : TKeypad(parent, TKeypadShape::Row, QStringLiteral("LR"), -1) {
  resize(0, kPadSide);
  KeepSize();
}

}  // namespace Veltor
