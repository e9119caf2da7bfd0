#include "segments/segmentrow.h"

#include <algorithm>

namespace Veltor {

namespace {

// Cell pictures kept per row: enough for sixteen characters in two colours
// over eight cells of equal size.
constexpr size_t kMaxPictures = 64;

QChar UpperAscii(QChar ch) { return ch >= u'a' && ch <= u'z' ? QChar(ch.unicode() - 32) : ch; }

}  // namespace

std::vector<TCellChar> SplitCells(const QString& text) {
  std::vector<TCellChar> cells;
  for (qsizetype i = 0; i < text.size(); ++i) {
    TCellChar cell{text[i], QChar()};
    if (i + 1 < text.size() && PointMaskFor(text[i + 1]) != 0) cell.Point = text[++i];
    cells.push_back(cell);
  }
  return cells;
}

void TSegmentRow::Layout(const TRect& rect, int count, TColor back) {
  FRow.Layout(rect, std::clamp(count, 1, TDigDisplay::MaxCells), back);
  FBack = back;
  FShown.assign(size_t(FRow.DigCount()), TShown());
}

TRect TSegmentRow::CellRect(int index) const {
  const TDigit* d = FRow.Digit(index);
  return d ? d->CellRect : TRect();
}

void TSegmentRow::Forget() { std::fill(FShown.begin(), FShown.end(), TShown()); }

void TSegmentRow::SetText(const QString& text, TCanvas& canvas, TColor color) {
  const std::vector<TCellChar> cells = SplitCells(text);
  const int n = std::min(int(cells.size()), Count());
  for (int d = 1; d <= n; ++d) DrawOne(cells[size_t(d - 1)].Char, cells[size_t(d - 1)].Point, color, canvas, d);
}

void TSegmentRow::DrawOne(QChar ch, QChar point, TColor color, TCanvas& canvas, int index) {
  if (index < 1 || index > Count()) return;
  ch = UpperAscii(ch);
  TShown& shown = FShown[size_t(index - 1)];
  if (shown.Valid && shown.Char == ch && shown.Point == point && shown.Color == color && shown.Italic == Italic) return;
  shown = TShown{true, ch, point, color, Italic};
  const TRect r = CellRect(index);
  if (r.Width() <= 0 || r.Height() <= 0) return;
  canvas.Draw(r.Left, r.Top, Picture(ch, point, color, r.Width(), r.Height()));
}

const QImage& TSegmentRow::Picture(QChar ch, QChar point, TColor color, int width, int height) {
  auto same = [&](const TPicture& p) {
    return p.Char == ch && p.Point == point && p.Color == color && p.Back == FBack && p.Italic == Italic &&
           p.Width == width && p.Height == height;
  };
  auto it = std::find_if(FPictures.begin(), FPictures.end(), same);
  if (it != FPictures.end()) {
    std::rotate(it, it + 1, FPictures.end());
    return FPictures.back().Image;
  }
  if (FPictures.size() >= kMaxPictures) FPictures.erase(FPictures.begin());
  TBitmap bitmap(width, height);
  TDigit digit;
  digit.Setup(TRect(0, 0, width, height), FBack);
  digit.Draw(ch, point, color, Italic, bitmap.Canvas());
  FPictures.push_back(TPicture{ch, point, color, FBack, Italic, width, height, bitmap.Image()});
  return FPictures.back().Image;
}

}  // namespace Veltor
