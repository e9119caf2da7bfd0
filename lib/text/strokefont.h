#pragma once
// The built-in vector font of the stroke text.
//
// Every glyph is at most 24 points, one byte each: bits 0-3 are y on a grid of
// twelve steps per character height (baseline of capitals at 2, cap height at
// 10), bits 4-6 are x on a grid of eight steps per character width. A byte
// above 128 lifts the pen after its point; the byte 255 ends the glyph.

#include <QtGlobal>

#include <array>

namespace Veltor {

constexpr int kStrokePoints = 24;
constexpr quint8 kStrokeEnd = 255;

using TStrokeGlyph = std::array<quint8, kStrokePoints>;
using TStrokeFont = std::array<TStrokeGlyph, 256>;

// The font drawn by default: glyphs for 1-20 (symbols) and 33-127.
const TStrokeFont& StandardStrokeFont();

// A second table of the same layout, every byte 255 until a font is loaded
// into it. Nothing in the library loads one, so it stays empty and unused.
const TStrokeFont& AlternativeStrokeFont();
bool AlternativeStrokeFontLoaded();

// One glyph point unpacked.
struct TStrokeByte {
  int X = 0;
  int Y = 0;
  bool PenUp = false;
};
inline TStrokeByte UnpackStroke(quint8 b) { return {(b >> 4) & 7, b & 15, b > 128}; }

}  // namespace Veltor
