#include "text/textscroller_layout.h"

#include <QtGlobal>

namespace Veltor {

TTextScrollerLayout LayoutTextScroller(const TTextScrollerGeometry& g) {
  TTextScrollerLayout l;
  const int b = g.Border ? kTextBorderWidth : 0;
  l.Client = TRect(b, b, qMax(b, g.Width - b), qMax(b, g.Height - b));
  const bool vbar = g.ScrollBars == ssVertical || g.ScrollBars == ssBoth;
  const bool hbar = g.ScrollBars == ssHorizontal || g.ScrollBars == ssBoth;
  const int right = qMax(l.Client.Left, l.Client.Right - (vbar ? kScrollBarSize : 0));
  const int bottom = qMax(l.Client.Top, l.Client.Bottom - (hbar ? kScrollBarSize : 0));
  if (vbar) l.VScroll = TRect(right, l.Client.Top, l.Client.Right, bottom);
  if (hbar) l.HScroll = TRect(l.Client.Left, bottom, right, l.Client.Bottom);

  const int textLeft = qMin(right, l.Client.Left + qMax(0, g.MarginLeft));
  const int textTop = qMin(bottom, l.Client.Top + qMax(0, g.MarginTop));
  l.Corner = TRect(l.Client.Left, l.Client.Top, textLeft, textTop);
  l.TopMargin = TRect(textLeft, l.Client.Top, right, textTop);
  l.LeftMargin = TRect(l.Client.Left, textTop, textLeft, bottom);
  l.Text = TRect(textLeft, textTop, right, bottom);
  l.PageLines = qMax(1, (bottom - textTop) / qMax(1, g.LineHeight));
  l.PageCols = qMax(1, (right - textLeft) / qMax(1, g.CharWidth));
  return l;
}

TPoint TextCellAt(const TTextScrollerLayout& l, const TTextScrollerGeometry& g, int x, int y) {
  const int dx = x - l.Text.Left;
  const int dy = y - l.Text.Top;
  const int cw = qMax(1, g.CharWidth);
  const int lh = qMax(1, g.LineHeight);
  // Floor division, so points left of or above the text give negative cells.
  const int col = dx >= 0 ? (dx + cw / 2) / cw : -((-dx + cw - 1) / cw);
  const int line = dy >= 0 ? dy / lh : -((-dy + lh - 1) / lh);
  return TPoint(col, line);
}

}  // namespace Veltor
