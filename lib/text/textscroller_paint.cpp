// Drawing of the text view, in the order the layers are drawn: border,
// margins with captions, lines with the selection, bookmarks, caret.
#include "foundation/frame3d.h"
#include "host/ansi.h"
#include "text/textscroller.h"

namespace Veltor {
namespace {

constexpr int kCaptionIndent = 3;
constexpr int kMarkSize = 12;
constexpr TColor kMarkBack = clNavy;
constexpr TColor kMarkText = clWhite;

// The text of a stored line as shown: control characters become the
// replacement character, so binary files show one cell per byte.
QString ShownText(const QByteArray& bytes, char nonHex) {
  QByteArray shown = bytes;
  for (char& c : shown)
    if (quint8(c) < 32) c = nonHex;
  return FromAnsi(shown);
}

}  // namespace

void TTextScroller::Paint() {
  TCanvas& c = Canvas();
  const TTextScrollerLayout l = Layout();
  TRect r = ClientRect();
  if (FBorderStyle == bsSingle) {
    DrawFrame3D(c, r, clBtnShadow, clBtnHighlight);
    DrawFrame3D(c, r, cl3DDkShadow, clBtnFace);
  }
  c.Brush.Style = bsSolid;
  c.Brush.Color = clBtnFace;  // the corner between the scroll bars
  c.FillRect(l.Client);
  c.Font = Font();
  PaintMargins(c, l);
  PaintLines(c, l);
  PaintBookmarks(c, l);
  PaintCaret(c, l);
}

void TTextScroller::PaintMargins(TCanvas& c, const TTextScrollerLayout& l) {
  c.Brush.Style = bsSolid;
  c.Brush.Color = FMargTopColor;
  c.FillRect(l.Corner);
  c.FillRect(l.TopMargin);
  c.Brush.Color = FMargLeftColor;
  c.FillRect(l.LeftMargin);

  c.Brush.Style = bsClear;
  c.Font.Color = FMargTxtCol;
  const int y = l.TopMargin.Top + (l.TopMargin.Height() - FLineHeight) / 2;
  const int tab = FMarginCapt.indexOf(QLatin1Char('\t'));
  const QString left = tab < 0 ? QString() : FMarginCapt.left(tab);
  const QString top = tab < 0 ? FMarginCapt : FMarginCapt.mid(tab + 1);
  c.TextRect(l.Corner, l.Corner.Left + kCaptionIndent, y, left);
  if (FDoc.HexMode) {
    const QString header = FromAnsi(TTextDocument::HexHeader(FDoc.HexSize)).mid(FNav.LeftCol);
    c.TextRect(l.TopMargin, l.TopMargin.Left, y, header);
  } else {
    c.TextRect(l.TopMargin, l.TopMargin.Left + kCaptionIndent, y, top);
  }
}

void TTextScroller::PaintLines(TCanvas& c, const TTextScrollerLayout& l) {
  c.Brush.Style = bsSolid;
  c.Brush.Color = FColorBack;
  c.FillRect(l.Text);
  if (!IsOpen() || l.Text.IsEmpty()) return;
  c.SetClipRect(l.Text);

  auto colX = [&](int col) { return l.Text.Left + (col - FNav.LeftCol) * FCharWidth; };
  if (FDoc.HexMode) {
    const int ascii = TTextDocument::AsciiColumn(FDoc.HexSize);
    c.Brush.Color = FColorBack2;
    c.FillRect(TRect(colX(ascii), l.Text.Top, colX(ascii + kHexBytesPerLine), l.Text.Bottom));
  }

  const bool selection = FNav.ShowCaret && FNav.HasSelection();
  const TTextPos selStart = FNav.SelStart();
  const TTextPos selEnd = FNav.SelEnd();
  for (int i = 0; i <= l.PageLines; ++i) {
    const int line = FNav.TopLine + i;
    if (line >= FDoc.LineCount()) break;
    const int y = l.Text.Top + i * FLineHeight;
    const QByteArray& bytes = FDoc.Line(line);
    const int visible = qMin(int(bytes.size()), FNav.LeftCol + l.PageCols + 1);
    if (visible <= FNav.LeftCol) continue;
    const QString text = ShownText(bytes.mid(FNav.LeftCol, visible - FNav.LeftCol), FDoc.NonHexChar);
    c.Brush.Style = bsClear;
    c.Font.Color = FColorText;
    c.TextOut(l.Text.Left, y, text);

    if (!selection || line < selStart.Line || line > selEnd.Line) continue;
    const int from = qMax(line == selStart.Line ? selStart.Col : 0, FNav.LeftCol);
    const int to = qMin(line == selEnd.Line ? selEnd.Col : int(bytes.size()), visible);
    if (to <= from) continue;
    c.Brush.Style = bsSolid;
    c.Brush.Color = FColorHBack;
    c.FillRect(TRect(colX(from), y, colX(to), y + FLineHeight));
    c.Brush.Style = bsClear;
    c.Font.Color = FColorHText;
    c.TextOut(colX(from), y, ShownText(bytes.mid(from, to - from), FDoc.NonHexChar));
  }
  c.ClearClip();
}

void TTextScroller::PaintBookmarks(TCanvas& c, const TTextScrollerLayout& l) {
  if (!FShowBookmarks || !IsOpen() || l.LeftMargin.IsEmpty()) return;
  c.SetClipRect(l.LeftMargin);
  const int glyphW = FMarkGlyphs.isNull() ? 0 : FMarkGlyphs.width() / 10;
  for (int i = 0; i <= l.PageLines; ++i) {
    const int line = FNav.TopLine + i;
    int first = -1;
    int count = 0;
    for (int n = 0; n < 10; ++n) {
      if (!FNav.MarkSet[n] || FNav.Marks[n].Line != line) continue;
      if (first < 0) first = n;
      ++count;
    }
    if (count == 0) continue;
    const int y = l.Text.Top + i * FLineHeight;
    const int x = l.LeftMargin.Left + (l.LeftMargin.Width() - kMarkSize) / 2;
    const TRect box(x, y + (FLineHeight - kMarkSize) / 2, x + kMarkSize, y + (FLineHeight - kMarkSize) / 2 + kMarkSize);
    if (count > 1 && !FMarkDbGlyph.isNull()) {
      c.Draw(box.Left, box.Top, FMarkDbGlyph.toImage());
    } else if (count == 1 && glyphW > 0) {
      c.Draw(box.Left, box.Top, FMarkGlyphs.copy(first * glyphW, 0, glyphW, FMarkGlyphs.height()).toImage());
    } else {
      c.Brush.Style = bsSolid;
      c.Brush.Color = kMarkBack;
      c.Pen.Color = kMarkText;
      c.Pen.Width = 1;
      c.Rectangle(box);
      c.Brush.Style = bsClear;
      c.Font.Color = kMarkText;
      const QString label = count > 1 ? QStringLiteral("+") : QString::number(first);
      c.DrawText(box, label, Qt::AlignCenter);
    }
  }
  c.ClearClip();
}

void TTextScroller::PaintCaret(TCanvas& c, const TTextScrollerLayout& l) {
  if (!FNav.ShowCaret || !IsOpen() || !FCaretOn) return;
  const TTextPos p = FNav.Caret;
  const int row = p.Line - FNav.TopLine;
  const int col = p.Col - FNav.LeftCol;
  if (row < 0 || row > l.PageLines || col < 0 || col > l.PageCols) return;
  const int x = l.Text.Left + col * FCharWidth;
  const int y = l.Text.Top + row * FLineHeight;
  const TRect cell(x, y, x + FCharWidth, y + FLineHeight);
  c.SetClipRect(l.Text);
  if (FCaret->Shape() == csBitmap && !FCaret->Bitmap().isNull()) {
    c.Draw(x - FCaret->BitmapHotSpotX(), y - FCaret->BitmapHotSpotY(), FCaret->Bitmap().toImage());
  } else {
    const TRect r = FCaret->ShapeRect(cell);
    c.Brush.Style = bsSolid;
    c.Brush.Color = FCaret->IsGray() ? clGray : FColorText;
    c.FillRect(r);
    // A block caret shows the character under it in the background colour.
    const QByteArray& bytes = FDoc.Line(p.Line);
    if ((r.Height() > FLineHeight / 3 && r.Width() >= FCharWidth) && p.Col < bytes.size()) {
      c.SetClipRect(r);
      c.Brush.Style = bsClear;
      c.Font.Color = FColorBack;
      c.TextOut(x, y, ShownText(bytes.mid(p.Col, 1), FDoc.NonHexChar));
    }
  }
  c.ClearClip();
}

}  // namespace Veltor
