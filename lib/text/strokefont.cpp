#include "text/strokefont.h"

#include <cstring>

namespace Veltor {
namespace {

// Glyphs as text: each point is two digits, x (0-7) then y (0-f); a bar
// after a point lifts the pen there.
struct TGlyphSource {
  int Code;
  const char* Points;
};

// clang-format off
const TGlyphSource kGlyphs[] = {
    // Symbols below the space.
    {1, "29 3a 49 38 29|"},                            // degree
    {2, "32 3a| 18 3a 58|"},                           // arrow up
    {3, "3a 32| 14 32 54|"},                           // arrow down
    {4, "16 66| 48 66 44|"},                           // arrow right
    {5, "16 66| 38 16 34|"},                           // arrow left
    {6, "12 22 23 15 18 2a 5a 68 65 53 52 62|"},       // ohm
    {7, "17 10| 13 22 52 63| 67 62|"},                 // micro
    {8, "38 34| 16 56| 12 52|"},                       // plus-minus
    {9, "12 1a 6a 62 12|"},                            // square
    {10, "02 3a 62 02|"},                              // triangle
    {11, "06 3a 66 32 06|"},                           // diamond
    {12, "23 43 54 56 47 27 16 14 23|"},               // circle
    {13, "15 32 6a|"},                                 // check mark
    {14, "14 58| 18 54|"},                             // times
    {15, "15 26 32 6b 7b|"},                           // root
    {16, "36 27 17 06 05 14 24 46 57 67 76 75 64 54 36|"},  // infinity
    {17, "16 56| 38 39| 33 34|"},                      // divide
    {18, "59 17 55| 13 53|"},                          // less or equal
    {19, "19 57 15| 13 53|"},                          // greater or equal
    {20, "15 55| 17 57| 23 49|"},                      // not equal
    // Punctuation.
    {'!', "3a 35| 32 33|"},
    {'"', "2a 28| 5a 58|"},
    {'#', "29 23| 59 53| 17 67| 15 65|"},
    {'$', "69 5a 2a 19 17 26 56 65 63 52 22 13| 3b 31|"},
    {'%', "12 6a| 19 1a 2a 29 19| 52 53 63 62 52|"},
    {'&', "62 27 18 19 2a 3a 49 48 14 13 22 42 65|"},
    {'\'', "3a 38|"},
    {'(', "4b 29 23 41|"},
    {')', "2b 49 43 21|"},
    {'*', "38 34| 17 55| 15 57|"},
    {'+', "38 34| 16 56|"},
    {',', "33 32 20|"},
    {'-', "16 56|"},
    {'.', "32 33|"},
    {'/', "12 6a|"},
    // Digits.
    {'0', "22 52 63 69 5a 2a 19 13 22| 23 59|"},
    {'1', "28 4a 42| 22 62|"},
    {'2', "18 19 2a 5a 69 67 12 62|"},
    {'3', "19 2a 5a 69 67 56 36| 56 65 63 52 22 13|"},
    {'4', "52 5a 14 64|"},
    {'5', "6a 1a 16 56 65 63 52 22 13|"},
    {'6', "5a 3a 18 13 22 52 63 65 56 16|"},
    {'7', "1a 6a 69 32|"},
    {'8', "26 17 19 2a 5a 69 67 56 26 15 13 22 52 63 65 56|"},
    {'9', "66 26 17 19 2a 5a 69 64 42 22|"},
    {':', "32 33| 36 37|"},
    {';', "36 37| 33 32 20|"},
    {'<', "59 16 53|"},
    {'=', "15 55| 17 57|"},
    {'>', "19 56 13|"},
    {'?', "19 2a 5a 69 67 56 36 34| 32 33|"},
    {'@', "57 54 63 74 78 6a 2a 08 03 21 51| 57 37 26 24 33 54|"},
    // Capitals.
    {'A', "12 18 3a 4a 68 62| 65 15|"},
    {'B', "12 52 63 65 56 26| 56 67 69 5a 1a| 2a 22|"},
    {'C', "69 5a 2a 19 13 22 52 63|"},
    {'D', "12 1a 4a 68 64 42 12|"},
    {'E', "6a 1a 12 62| 16 46|"},
    {'F', "6a 1a 12| 16 46|"},
    {'G', "69 5a 2a 19 13 22 52 63 66 46|"},
    {'H', "12 1a| 62 6a| 16 66|"},
    {'I', "2a 4a| 3a 32| 22 42|"},
    {'J', "3a 6a| 5a 53 42 22 13 14|"},
    {'K', "12 1a| 6a 15| 37 62|"},
    {'L', "1a 12 62|"},
    {'M', "12 1a 35 45 6a 62|"},
    {'N', "12 1a 62 6a|"},
    {'O', "22 52 63 69 5a 2a 19 13 22|"},
    {'P', "12 1a 5a 69 67 56 16|"},
    {'Q', "22 52 63 69 5a 2a 19 13 22| 44 71|"},
    {'R', "12 1a 5a 69 67 56 16| 46 62|"},
    {'S', "69 5a 2a 19 17 26 56 65 63 52 22 13|"},
    {'T', "0a 6a| 3a 32|"},
    {'U', "1a 13 22 52 63 6a|"},
    {'V', "1a 32 42 6a|"},
    {'W', "1a 22 35 45 52 6a|"},
    {'X', "1a 62| 12 6a|"},
    {'Y', "0a 36 6a| 36 32|"},
    {'Z', "1a 6a 12 62|"},
    {'[', "4b 2b 21 41|"},
    {'\\', "1a 62|"},
    {']', "2b 4b 41 21|"},
    {'^', "17 3a 57|"},
    {'_', "01 71|"},
    {'`', "2a 38|"},
    // Small letters: x-height 7, descenders to 0.
    {'a', "16 27 57 66 62| 65 25 14 13 22 52 63|"},
    {'b', "1a 12| 16 27 57 66 63 52 22 13|"},
    {'c', "66 57 27 16 13 22 52 63|"},
    {'d', "6a 62| 66 57 27 16 13 22 52 63|"},
    {'e', "15 65 66 57 27 16 13 22 52 63|"},
    {'f', "69 5a 4a 39 32| 17 57|"},
    {'g', "66 57 27 16 14 23 53 64| 67 61 50 20 11|"},
    {'h', "1a 12| 16 27 57 66 62|"},
    {'i', "27 37 32| 22 42| 39 3a|"},
    {'j', "47 41 30 20 11| 49 4a|"},
    {'k', "1a 12| 57 13| 35 62|"},
    {'l', "2a 3a 32| 22 42|"},
    {'m', "17 12| 16 27 37 46 42| 46 57 67 76 72|"},
    {'n', "17 12| 16 27 57 66 62|"},
    {'o', "27 57 66 63 52 22 13 16 27|"},
    {'p', "17 10| 16 27 57 66 63 52 22 13|"},
    {'q', "67 60| 66 57 27 16 13 22 52 63|"},
    {'r', "17 12| 15 37 57 66|"},
    {'s', "66 57 27 16 25 54 63 52 22 13|"},
    {'t', "39 33 42 52 63| 17 57|"},
    {'u', "17 13 22 52 63| 67 62|"},
    {'v', "17 32 42 67|"},
    {'w', "17 22 35 45 52 67|"},
    {'x', "17 62| 12 67|"},
    {'y', "17 32| 67 20 10|"},
    {'z', "17 67 12 62|"},
    {'{', "4b 3a 37 26 35 32 41|"},
    {'|', "3b 31|"},
    {'}', "2b 3a 37 46 35 32 21|"},
    {'~', "15 26 36 45 55 66|"},
    {127, "12 1a 6a 62 12 6a| 1a 62|"},                // rubout: crossed box
};
// clang-format on

int HexDigit(char c) { return c <= '9' ? c - '0' : c - 'a' + 10; }

TStrokeGlyph ParseGlyph(const char* text) {
  TStrokeGlyph g;
  g.fill(kStrokeEnd);
  int n = 0;
  for (const char* p = text; *p && n < kStrokePoints;) {
    if (*p == ' ') {
      ++p;
      continue;
    }
    quint8 b = quint8((HexDigit(p[0]) & 7) << 4 | (HexDigit(p[1]) & 15));
    p += 2;
    if (*p == '|') {
      b |= 0x80;
      ++p;
    }
    g[n++] = b;
  }
  return g;
}

TStrokeFont MakeStandardFont() {
  TStrokeFont font;
  for (auto& g : font) g.fill(kStrokeEnd);
  for (const auto& src : kGlyphs) font[src.Code] = ParseGlyph(src.Points);
  return font;
}

TStrokeFont MakeEmptyFont() {
  TStrokeFont font;
  for (auto& g : font) g.fill(kStrokeEnd);
  return font;
}

}  // namespace

const TStrokeFont& StandardStrokeFont() {
  static const TStrokeFont font = MakeStandardFont();
  return font;
}

const TStrokeFont& AlternativeStrokeFont() {
  static const TStrokeFont font = MakeEmptyFont();
  return font;
}

bool AlternativeStrokeFontLoaded() { return false; }

}  // namespace Veltor
