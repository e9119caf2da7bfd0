#include "logic/display.h"

#include "foundation/drawhelpers.h"

#include <algorithm>
#include <cstdlib>

namespace Veltor {

TDisplay::TDisplay(QWidget* parent) : TRahmen(parent) { resize(400, 200); }

void TDisplay::SetNameHead(const QString& v) {
  const QString name = v.left(kMaxNameHead);
  if (name == FNameHead) return;
  FNameHead = name;
  DrawHead();
}

void TDisplay::SetDisplayTyp(tdispType v) {
  if (v == FDisplayTyp) return;
  FDisplayTyp = v;
  Invalidate();
}

void TDisplay::SetColHead(TColor v) {
  if (v == FColHead) return;
  FColHead = v;
  DrawHead();
}

void TDisplay::SetColTxtHead(TColor v) {
  if (v == FColTxtHead) return;
  FColTxtHead = v;
  DrawHead();
}

void TDisplay::StyleChanged(QObject*) { Invalidate(); }

void TDisplay::Paint() {
  TRahmen::Paint();
  FPaintDone = true;
  LayoutRegions();
  Canvas().Font = Font();
  DrawDataOutline();
  FNameRect.Shrink(1);
  FDataRect.Left += 1;
  FDataRect.Top += 1;
  FDataWidth = FDataRect.Right - FDataRect.Left - 1;
  FDataHeight = FDataRect.Bottom - FDataRect.Top;
  if (HasHead()) DrawNameBox();
}

void TDisplay::LayoutRegions() {
  const int s = Height() / 8;
  const int c = std::clamp(s, 25, 35);
  const int f = std::clamp(s, 30, 40);
  const TRect inner = InnerRect();
  const TRect w(inner.Left, inner.Top, inner.Right - 3, inner.Bottom);
  FNameRect = TRect(w.Left, w.Top, w.Left + 2 * c, w.Bottom);
  FHeadRect = TRect(w.Left + 2 * c, w.Top, w.Right, w.Top + 23);
  FFootRect = TRect(w.Left + 2 * c, w.Bottom - f, w.Right, w.Bottom);
  FDataRect = w;
  switch (FDisplayTyp) {
    case complete:
      FDataRect.Left = FNameRect.Right;
      FDataRect.Top = FHeadRect.Bottom;
      FDataRect.Bottom = FFootRect.Top;
      break;
    case dispOnly:
      FDataRect.Left += 3;
      break;
    case dispTop:
      FDataRect.Left = FNameRect.Right;
      FDataRect.Top = FHeadRect.Bottom;
      break;
    case dispCenter:
      FDataRect.Left = FNameRect.Right;
      break;
    case dispBottom:
      FDataRect.Left = FNameRect.Right;
      FDataRect.Bottom = FFootRect.Top;
      break;
  }
}

// Grey along the left and top, white along the right and bottom: the data
// area looks sunk into the panel.
void TDisplay::DrawDataOutline() {
  TCanvas& c = Canvas();
  c.Pen.Style = psSolid;
  c.Pen.Mode = pmCopy;
  c.Pen.Width = 1;
  const TRect& r = FDataRect;
  c.Pen.Color = clGray;
  c.MoveTo(r.Left, r.Bottom);
  c.LineTo(r.Left, r.Top);
  c.LineTo(r.Right, r.Top);
  c.Pen.Color = clWhite;
  c.LineTo(r.Right, r.Bottom);
  c.LineTo(r.Left, r.Bottom);
}

void TDisplay::DrawNameBox() {
  TCanvas& c = Canvas();
  const int w3 = FHeadRect.Width() / 3;
  FHeadBox = TRect(FHeadRect.Left + w3, FHeadRect.Top + 1, FHeadRect.Right - w3, FHeadRect.Bottom - 4);
  DrawSunken(c, FHeadBox);

  c.Brush.Style = bsClear;
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = -9;
  c.Font.Style = TFontStyles();
  c.Font.Color = clGray;
  const QString mark = QString::fromLatin1(kMakerMark);
  c.TextOut(FHeadRect.Right - c.TextWidth(mark), FHeadRect.Top, mark);

  FHeadBox.Left += 1;
  FHeadBox.Top += 1;
  DrawHead();
}

void TDisplay::DrawHead() {
  if (!FPaintDone || !HasHead()) return;
  TCanvas& c = Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = FColHead;
  c.FillRect(FHeadBox);
  FitFont(c, FHeadBox, FNameHead);
  c.Font.Color = FColTxtHead;
  const TFontStyles saved = c.Font.Style;
  c.Font.Style = fsBold;
  const int x = FHeadBox.Left + (FHeadBox.Width() - c.TextWidth(FNameHead)) / 2;
  const int y = FHeadBox.Top + (FHeadBox.Height() - std::abs(c.Font.Height)) / 2 - 1;
  c.TextRect(FHeadBox, x, y, FNameHead);
  c.Font.Style = saved;
}

}  // namespace Veltor
