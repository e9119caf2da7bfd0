#include "misc/fifo.h"

#include <cstdlib>

namespace Veltor {

namespace {

constexpr int kDefaultWidth = 80;
constexpr int kDefaultHeight = 30;
// The text stands two thirds of the font height above the box's middle.
constexpr int kRaiseNum = 2;
constexpr int kRaiseDen = 3;

}  // namespace

TFiFo::TFiFo(QWidget* parent) : TRahmen(parent) {
  resize(kDefaultWidth, kDefaultHeight);
  SetFontColor(clBlack);
  SetTabStop(true);
}

void TFiFo::SetText(const QString& v) {
  if (v == FText) return;
  FText = FifoStore(v);
  DrawText();
}

void TFiFo::SetTextChar(QChar c) {
  FText = FifoAppend(FText, c);
  DrawText();
}

void TFiFo::SetColTxtBack(TColor v) {
  if (v == FColTxtBack) return;
  FColTxtBack = v;
  // The margin depends on the colour.
  Invalidate();
}

// ---------------------------------------------------------------- painting

void TFiFo::Paint() {
  FInPaint = true;
  TRahmen::Paint();
  if (FReadOnly) SetTabStop(false);
  FPainted = true;
  FLayout = CellFieldLayout(InnerRect(), Width(), Height(), FColTxtBack, false, FTextBevel);
  TCanvas& c = Canvas();
  c.Pen.Style = psSolid;
  c.Pen.Mode = pmCopy;
  c.Pen.Width = 1;
  PaintTextBevel(c, FLayout, FTextBevel, FColTxtBack);
  const TRect& t = FLayout.Text;
  FTextY = t.Top + t.Height() / 2 - kRaiseNum * std::abs(Font().Height) / kRaiseDen + 1;
  if (FText == QString(QChar())) FText.clear();
  DrawText();
  FInPaint = false;
}

QString TFiFo::ShownText() {
  TCanvas& c = Canvas();
  c.Font = Font();
  return FifoShown(FText, FLayout.Text.Width(), [&c](const QString& s) { return c.TextWidth(s); });
}

void TFiFo::DrawText() {
  if (!FPainted) return;
  const QString s = ShownText();
  TCanvas& c = Canvas();
  const TCellText cells{s, QString(), ShowsCaret() ? int(s.size()) : 0};
  PaintCellTextAt(c, FLayout.Text, FLayout.Text.Left + 1, FTextY, cells, FColTxtBack, Font().Color);
  if (isVisible() && !FInPaint) repaint(FLayout.TextFrame.ToQRect());
}

// ---------------------------------------------------------------- input

void TFiFo::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Shift & ssDouble) emit OnDblClick(this);
  if (!FReadOnly && !hasFocus()) setFocus(Qt::MouseFocusReason);
  TRahmen::MouseDown(Button, Shift, X, Y);
}

void TFiFo::KeyPress(QChar& Key) {
  if (FReadOnly || Key.isNull() || Key.unicode() < 0x20) return TRahmen::KeyPress(Key);
  const QChar k = Key;
  Key = QChar();
  SetTextChar(k);
  emit OnChange(this);
}

void TFiFo::DoEnter() {
  DrawText();
  TRahmen::DoEnter();
}

void TFiFo::DoExit() {
  DrawText();
  TRahmen::DoExit();
}

}  // namespace Veltor
