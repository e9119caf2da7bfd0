#pragma once
// Seven-segment character cells. Every segment read-out of the library draws
// through TDigit (one cell) and TDigDisplay (a row of cells): a character is
// filled from fixed polygons into an 80 x 100 bitmap which is then stretched
// into the cell's rectangle, so digits scale to any size and aspect.

#include "host/canvas.h"
#include "host/color.h"
#include "host/types.h"

#include <QChar>
#include <QString>

#include <array>
#include <memory>
#include <vector>

namespace Veltor {

// Native size of a cell picture; the polygon tables are in these pixels.
constexpr int DigitWidth = 80;
constexpr int DigitHeight = 100;

// Bits of a segment mask.
enum TSegmentBit {
  sgA = 0x001,         // top
  sgB = 0x002,         // upper right
  sgC = 0x004,         // lower right
  sgD = 0x008,         // bottom
  sgE = 0x010,         // lower left
  sgF = 0x020,         // upper left
  sgG = 0x040,         // middle
  sgBar = 0x080,       // central vertical bar (for "+")
  sgLowerDot = 0x100,  // decimal point
  sgUpperDot = 0x200   // with the lower dot, a colon
};
constexpr int SegmentCount = 10;

// Each shape is stored with six points; four-point shapes repeat their last
// point, which fills exactly like the plain quadrilateral.
using TSegmentPolygon = std::array<TPoint, 6>;
using TSegmentSet = std::array<TSegmentPolygon, SegmentCount>;

// The polygons of bits 0..9, upright or slanted.
const TSegmentSet& SegmentSet(bool italic);

// The characters a cell can show; the position in this list picks the mask.
// 0x7F shows three bars, 0xBA and 0xB0 a degree ring, 0xB5 the micro sign.
inline constexpr char16_t DigitCharset[] = u".,:;0123456789ABCDEFHJLNOPQRTUY+-=_\u007F\"'\u00BA\u00B0|\u00B5\u00C7";
constexpr int DigitCharsetLength = int(sizeof(DigitCharset) / sizeof(char16_t)) - 1;
static_assert(DigitCharsetLength == 43, "one mask per character");

// Segments lit by ch after upper-casing a..z (nothing else is upper-cased);
// 0 for a character outside DigitCharset, which shows as an empty cell.
int SegmentMaskFor(QChar ch);
// Dots added by a point character: "." and "," the lower dot, ":" and ";"
// both; anything else (including QChar()) nothing.
int PointMaskFor(QChar ch);

// One character cell.
class TDigit {
 public:
  TDigit();
  ~TDigit();
  TDigit(const TDigit&) = delete;
  TDigit& operator=(const TDigit&) = delete;

  // Places the cell and forgets what it showed.
  void Setup(const TRect& rect, TColor back);
  // Draws ch (with the dots of point) in color on CellBack into CellRect of
  // canvas, and remembers what was drawn.
  void Draw(QChar ch, QChar point, TColor color, bool italic, TCanvas& canvas);

  TRect CellRect;
  TColor CellBack = clBlack;
  QChar CellChar;  // last character drawn, upper-cased
  TColor CellColor = clBlack;
  QChar CellPoint;  // last point character drawn, QChar() for none

 private:
  // Kept between draws: a read-out redraws its cells on every value change.
  std::unique_ptr<TBitmap> FBitmap;
};

// A row of up to MaxCells character cells, left to right.
class TDigDisplay {
 public:
  static constexpr int MaxCells = 8;
  static constexpr int MaxText = 10;

  // Splits rect into count cells of (nearly) equal width with background
  // back; count is limited to 1..MaxCells. Nothing is drawn; Text() is
  // emptied.
  void Layout(const TRect& rect, int count, TColor back);
  // Draws one cell, index 1..DigCount(); other indexes do nothing.
  void DrawOne(QChar ch, QChar point, TColor color, TCanvas& canvas, int index);
  // Draws text from the first cell on; a ".", ",", ":" or ";" after a
  // character joins that character's cell. Cells beyond the text keep what
  // they showed, text beyond the last cell is dropped. Text() keeps the
  // first MaxText characters.
  void SetText(const QString& text, TCanvas& canvas, TColor color);
  QString Text() const { return FDigText; }

  // 0 until the first Layout.
  int DigCount() const { return int(FDigits.size()); }
  // Cell 1..DigCount(), or nullptr.
  const TDigit* Digit(int index) const;

  bool DigItalic = false;  // set by the owning control

 private:
  QString FDigText;
  std::vector<std::unique_ptr<TDigit>> FDigits;
};

}  // namespace Veltor
