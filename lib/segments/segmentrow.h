#pragma once
// A row of seven-segment cells that draws only what changed. The cells are
// laid out and rendered by TDigDisplay/TDigit; each rendered cell picture is
// kept, so showing a character again in a cell of the same size is a copy,
// and a cell that already shows the character costs nothing.

#include "foundation/digit.h"
#include "foundation/frame.h"
#include "host/canvas.h"

#include <QImage>
#include <QString>

#include <vector>

namespace Veltor {

// One cell of a text: its character and the point joined to it.
struct TCellChar {
  QChar Char;
  QChar Point;  // QChar() for none
};

// Splits text into cells: a ".", ",", ":" or ";" after a character joins
// that character's cell; a point first or after another point is a cell of
// its own.
std::vector<TCellChar> SplitCells(const QString& text);

class TSegmentRow {
 public:
  // Splits rect into count cells (1..TDigDisplay::MaxCells) and forgets
  // what they showed.
  void Layout(const TRect& rect, int count, TColor back);
  int Count() const { return FRow.DigCount(); }
  // Cell 1..Count(); an empty rectangle otherwise.
  TRect CellRect(int index) const;

  // Draws text from the first cell on; cells beyond the text keep what they
  // showed and text beyond the last cell is dropped.
  void SetText(const QString& text, TCanvas& canvas, TColor color);
  // Draws one cell, 1..Count(); other indexes do nothing.
  void DrawOne(QChar ch, QChar point, TColor color, TCanvas& canvas, int index);
  // The next draw of every cell paints it even when it looks unchanged
  // (after something else painted over the cells).
  void Forget();

  bool Italic = false;

 private:
  struct TShown {
    bool Valid = false;
    QChar Char;
    QChar Point;
    TColor Color;
    bool Italic = false;
  };
  struct TPicture {
    QChar Char;
    QChar Point;
    TColor Color;
    TColor Back;
    bool Italic = false;
    int Width = 0;
    int Height = 0;
    QImage Image;
  };
  const QImage& Picture(QChar ch, QChar point, TColor color, int width, int height);

  TDigDisplay FRow;
  TColor FBack = clBlack;
  std::vector<TShown> FShown;
  std::vector<TPicture> FPictures;  // most recently used last
};

}  // namespace Veltor
