#include "foundation/digit.h"

#include <QtDebug>

#include <algorithm>

namespace Veltor {

namespace {

constexpr TSegmentPolygon Quad(TPoint p0, TPoint p1, TPoint p2, TPoint p3) { return {p0, p1, p2, p3, p3, p3}; }

constexpr TSegmentSet kUpright = {{
    Quad({3, 0}, {62, 0}, {47, 15}, {18, 15}),                      // a
    Quad({64, 1}, {64, 48}, {48, 40}, {48, 17}),                    // b
    Quad({64, 50}, {64, 99}, {48, 83}, {48, 58}),                   // c
    Quad({3, 100}, {62, 100}, {47, 85}, {18, 85}),                  // d
    Quad({1, 50}, {1, 99}, {17, 83}, {17, 58}),                     // e
    Quad({1, 1}, {1, 48}, {17, 40}, {17, 17}),                      // f
    {{{18, 41}, {47, 41}, {62, 49}, {47, 57}, {18, 57}, {3, 49}}},  // g
    Quad({25, 27}, {40, 27}, {40, 73}, {25, 73}),                   // bar
    Quad({68, 85}, {77, 85}, {77, 100}, {68, 100}),                 // lower dot
    Quad({68, 40}, {77, 40}, {77, 55}, {68, 55}),                   // upper dot
}};

constexpr TSegmentSet kItalic = {{
    Quad({15, 0}, {65, 0}, {65, 15}, {15, 15}),      // a
    Quad({55, 0}, {70, 0}, {61, 55}, {46, 55}),      // b
    Quad({48, 45}, {63, 45}, {55, 100}, {40, 100}),  // c
    Quad({5, 85}, {55, 85}, {55, 100}, {5, 100}),    // d
    Quad({8, 45}, {23, 45}, {15, 100}, {0, 100}),    // e
    Quad({15, 0}, {30, 0}, {21, 55}, {6, 55}),       // f
    Quad({10, 42}, {60, 42}, {60, 57}, {10, 57}),    // g
    Quad({27, 27}, {43, 27}, {43, 73}, {27, 73}),    // bar
    Quad({62, 85}, {77, 85}, {77, 100}, {62, 100}),  // lower dot
    Quad({67, 40}, {80, 40}, {80, 55}, {67, 55}),    // upper dot
}};

// Masks in the order of DigitCharset. B, D, H, N, O and R are the lower-case
// shapes, the only ones seven segments tell apart from 8, 0 and friends.
constexpr std::array<int, DigitCharsetLength> kMasks = {
    0x100, 0x100, 0x300, 0x300,                                      // . , : ;
    0x3F,  0x06,  0x5B,  0x4F,  0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F,  // 0..9
    0x77,  0x7C,  0x39,  0x5E,  0x79, 0x71, 0x74, 0x0E, 0x38,        // A B C D E F H J L
    0x54,  0x5C,  0x73,  0x67,  0x50, 0x31, 0x3E, 0x6E,              // N O P Q R T U Y
    0xC0,  0x40,  0x48,  0x08,                                       // + - = _
    0x49,  0x22,  0x20,  0x63,  0x63, 0x30, 0x72, 0x36,              // 7F " ' BA B0 | B5 C7
};

// ASCII only: QChar::toUpper would turn the micro sign into a Greek capital.
constexpr char16_t UpperAscii(char16_t c) { return c >= u'a' && c <= u'z' ? char16_t(c - 32) : c; }

void FillSegments(TCanvas& canvas, const TSegmentSet& set, int mask) {
  for (int bit = 0; bit < SegmentCount; ++bit) {
    if (mask & (1 << bit)) canvas.Polygon(set[bit].data(), int(set[bit].size()));
  }
}

}  // namespace

const TSegmentSet& SegmentSet(bool italic) { return italic ? kItalic : kUpright; }

int SegmentMaskFor(QChar ch) {
  const char16_t c = UpperAscii(ch.unicode());
  for (int i = 0; i < DigitCharsetLength; ++i) {
    if (DigitCharset[i] == c) return kMasks[i];
  }
  return 0;
}

int PointMaskFor(QChar ch) {
  switch (ch.unicode()) {
    case u'.':
    case u',': return sgLowerDot;
    case u':':
    case u';': return sgLowerDot | sgUpperDot;
    default: return 0;
  }
}

// ---- TDigit

TDigit::TDigit() = default;
TDigit::~TDigit() = default;

void TDigit::Setup(const TRect& rect, TColor back) {
  CellRect = rect;
  CellBack = back;
  CellChar = QChar();
  CellColor = clBlack;
  CellPoint = QChar();
}

void TDigit::Draw(QChar ch, QChar point, TColor color, bool italic, TCanvas& canvas) {
  CellChar = QChar(UpperAscii(ch.unicode()));
  CellPoint = point;
  CellColor = color;

  if (!FBitmap) FBitmap = std::make_unique<TBitmap>(DigitWidth, DigitHeight);
  // Drawn at the target's ratio, the stretched cell stays sharp.
  FBitmap->SetRatio(canvas.Ratio());
  TCanvas& c = FBitmap->Canvas();
  c.Brush.Style = bsSolid;
  c.Brush.Color = CellBack;
  c.Pen.Style = psClear;
  c.Pen.Mode = pmCopy;
  c.FillRect(TRect(0, 0, DigitWidth, DigitHeight));

  c.Brush.Color = color;
  const TSegmentSet& set = SegmentSet(italic);
  FillSegments(c, set, SegmentMaskFor(CellChar));
  FillSegments(c, set, PointMaskFor(point));

  canvas.StretchDraw(CellRect, FBitmap->Image());
}

// ---- TDigDisplay

void TDigDisplay::Layout(const TRect& rect, int count, TColor back) {
  if (count < 1 || count > MaxCells) {
    qWarning("TDigDisplay::Layout: %d cells asked for, using %d..%d", count, 1, MaxCells);
    count = std::clamp(count, 1, MaxCells);
  }
  FDigText.clear();
  FDigits.clear();
  const int width = rect.Right - rect.Left;
  int left = rect.Left;
  for (int i = 1; i <= count; ++i) {
    const int right = rect.Left + width * i / count;
    auto cell = std::make_unique<TDigit>();
    cell->Setup(TRect(left, rect.Top, right, rect.Bottom), back);
    FDigits.push_back(std::move(cell));
    left = right;
  }
}

const TDigit* TDigDisplay::Digit(int index) const {
  if (index < 1 || index > DigCount()) return nullptr;
  return FDigits[size_t(index - 1)].get();
}

void TDigDisplay::DrawOne(QChar ch, QChar point, TColor color, TCanvas& canvas, int index) {
  if (index < 1 || index > DigCount()) return;
  FDigits[size_t(index - 1)]->Draw(ch, point, color, DigItalic, canvas);
}

void TDigDisplay::SetText(const QString& text, TCanvas& canvas, TColor color) {
  FDigText = text.left(MaxText);
  // The whole text is walked, not the stored copy: points joined to their
  // characters let up to 2 x MaxCells characters fill the row.
  int d = 1;
  for (qsizetype i = 0; i < text.size() && d <= DigCount(); ++i, ++d) {
    QChar point;
    if (i + 1 < text.size() && PointMaskFor(text[i + 1]) != 0) point = text[i + 1];
    DrawOne(text[i], point, color, canvas, d);
    if (!point.isNull()) ++i;
  }
}

}  // namespace Veltor
