#include "logic/display_paint.h"

#include "foundation/drawhelpers.h"
#include "foundation/frame.h"

#include <cstdlib>

namespace Veltor {

namespace {

constexpr int kMarkHeight = -9;

}  // namespace

void DrawSunkenOutline(TCanvas& c, const TRect& r, TOutlineStart start) {
  const TPen saved = c.Pen;
  c.Pen = TPen();
  c.Pen.Color = clGray;
  if (start == TOutlineStart::BottomLeft) {
    c.MoveTo(r.Left, r.Bottom);
    c.LineTo(r.Left, r.Top);
    c.LineTo(r.Right, r.Top);
    c.Pen.Color = clWhite;
    c.LineTo(r.Right, r.Bottom);
    c.LineTo(r.Left, r.Bottom);
  } else {
    c.MoveTo(r.Right, r.Top);
    c.LineTo(r.Left, r.Top);
    c.LineTo(r.Left, r.Bottom);
    c.Pen.Color = clWhite;
    c.LineTo(r.Right, r.Bottom);
    c.LineTo(r.Right, r.Top);
  }
  c.Pen = saved;
}

void PaintDataOutline(TCanvas& c, const TDisplayLayout& l) { DrawSunkenOutline(c, l.DataOutline); }

void PaintNameBox(TCanvas& c, const TDisplayLayout& l) {
  DrawSunkenOutline(c, l.HeadBoxOutline);
  c.Brush.Style = bsClear;
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = kMarkHeight;
  c.Font.Style = TFontStyles();
  c.Font.Color = clGray;
  const QString mark = QString::fromLatin1(kMakerMark);
  c.TextOut(l.HeadRect.Right - c.TextWidth(mark), l.HeadRect.Top, mark);
}

void PaintHeadName(TCanvas& c, const TDisplayLayout& l, const QString& name, TColor box, TColor text) {
  const TRect& r = l.HeadBox;
  c.Brush.Style = bsSolid;
  c.Brush.Color = box;
  c.FillRect(r);
  // Fitted in the plain face from a fixed start (the fit depends on where
  // it starts), so a setter's redraw matches a full paint; drawn in bold.
  c.Font.Name = QStringLiteral("Arial");
  c.Font.Height = kMarkHeight;
  c.Font.Style = TFontStyles();
  FitFont(c, r, name);
  c.Font.Color = text;
  c.Font.Style = fsBold;
  const int x = r.Left + (r.Width() - c.TextWidth(name)) / 2;
  const int y = r.Top + (r.Height() - std::abs(c.Font.Height)) / 2 - 1;
  c.TextRect(r, x, y, name);
  c.Font.Style = TFontStyles();
}

}  // namespace Veltor
