#pragma once
// Keyboard navigation of the text view: the key-to-command table, the caret
// with its selection, the scroll position and the bookmarks, and the
// commands that move them. Widget-free; the view feeds it the page size.

#include "host/types.h"

#include <QByteArray>

#include <array>

namespace Veltor {

class TTextDocument;

struct TTextPos {
  int Line = 0;
  int Col = 0;
  friend bool operator==(const TTextPos& a, const TTextPos& b) { return a.Line == b.Line && a.Col == b.Col; }
  friend bool operator!=(const TTextPos& a, const TTextPos& b) { return !(a == b); }
  friend bool operator<(const TTextPos& a, const TTextPos& b) {
    return a.Line < b.Line || (a.Line == b.Line && a.Col < b.Col);
  }
};

// Command numbers of the view (Ctrl+Insert copies; bookmarks n = 0..9 go at
// 32 + n, are set at 58 + n and cleared at 68 + n).
namespace TextCmd {
enum : int {
  None = 0,
  CaretToLastVisible = 2,
  Copy = 6,
  Down = 15,
  LineEnd = 16,
  SelDown = 17,
  SelLineEnd = 18,
  SelLineStart = 19,
  SelLeft = 20,
  SelPageDown = 21,
  SelPageUp = 22,
  SelRight = 23,
  SelUp = 24,
  SelLastVisible = 25,
  SelTextStart = 26,
  SelTextEnd = 27,
  SelFirstVisible = 28,
  SelWordLeft = 29,
  SelWordRight = 30,
  TextStart = 31,
  GotoMark = 32,
  LineStart = 42,
  TextEnd = 45,
  Left = 46,
  PageDown = 48,
  PageUp = 52,
  Right = 55,
  ScrollDown = 56,
  ScrollUp = 57,
  SetMark = 58,
  ClearMark = 68,
  CaretToFirstVisible = 81,
  Up = 83,
  WordLeft = 84,
  WordRight = 85,
  ScrollLeft = 86,
  ScrollRight = 87
};
}

// The command of a key with its Shift and Ctrl states; 0 for none.
// marksAtCaret has bit n set when bookmark n stands at the caret.
int KeyToCommand(quint16 key, TShiftState shift, bool passive, unsigned marksAtCaret);

// Letters, digits, '_' and '$'.
bool IsWordChar(char c);

class TTextNav {
 public:
  explicit TTextNav(const TTextDocument& doc) : FDoc(doc) {}

  TTextPos Caret;
  // Where an extending move started; equal to Caret when nothing is
  // selected.
  TTextPos Anchor;
  int TopLine = 0;
  int LeftCol = 0;
  // Whole lines and columns the view shows; at least 1.
  int PageLines = 1;
  int PageCols = 1;
  bool ShowCaret = true;
  // Where the mouse last pressed or moved over the text.
  TTextPos MousePos;

  // Position of bookmark n, while MarkSet[n].
  std::array<TTextPos, 10> Marks{};
  std::array<bool, 10> MarkSet{};
  unsigned MarksAt(TTextPos p) const;

  // Carries out a command; false when it is not one this mode handles (the
  // key then goes to the default handling).
  bool Execute(int command);

  bool HasSelection() const { return Caret != Anchor; }
  TTextPos SelStart() const { return Caret < Anchor ? Caret : Anchor; }
  TTextPos SelEnd() const { return Caret < Anchor ? Anchor : Caret; }
  // The selected text, lines joined by CR LF.
  QByteArray SelectedText() const;

  // Back to the start of a new document.
  void Reset(TTextPos caret);
  // Keeps caret, anchor and scroll position inside the document.
  void Clamp();
  // Scrolls so that the caret is in view.
  void ScrollToCaret();
  // Moves the caret one column right after an overwrite; hex lines skip
  // blanks and go on at the next line's first byte.
  void StepAfterOverwrite();
  // Puts the caret at p (kept inside the document), extending the
  // selection or not, and scrolls it into view.
  void MoveCaret(TTextPos p, bool extend);
  // Where a bookmark is set: the caret, or without one the text position
  // last under the mouse.
  TTextPos MarkPos() const { return Clamped(ShowCaret ? Caret : MousePos); }

 private:
  int LastLine() const;
  int MaxTopLine() const;
  TTextPos Clamped(TTextPos p) const;
  TTextPos MoveLeft(TTextPos p) const;
  TTextPos MoveRight(TTextPos p) const;
  TTextPos PrevWord(TTextPos p) const;
  TTextPos NextWord(TTextPos p, bool toNextWord) const;
  bool ExecuteCaret(int command);
  bool ExecuteScroll(int command);
  void SetTop(int line);

  const TTextDocument& FDoc;
};

}  // namespace Veltor
