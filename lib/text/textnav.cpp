#include "text/textnav.h"

#include "host/keys.h"
#include "text/textdoc.h"

namespace Veltor {
namespace {

struct TKeyRow {
  quint16 Key;
  int Plain, Shift, Ctrl, CtrlShift, CtrlPassive;
};

// clang-format off
const TKeyRow kKeyRows[] = {
    {VK_LEFT,  46, 20, 84, 29, 86},
    {VK_BACK,  46, 20, 84, 29, 86},
    {VK_RIGHT, 55, 23, 85, 30, 87},
    {VK_UP,    83, 24, 57, 24, 57},
    {VK_DOWN,  15, 17, 56, 17, 56},
    {VK_PRIOR, 52, 22, 81, 28, 81},
    {VK_NEXT,  48, 21,  2, 25,  2},
    {VK_HOME,  42, 19, 31, 26, 31},
    {VK_END,   16, 18, 45, 27, 45},
    {VK_TAB,   84, 84, 84, 84, 84},
};
// clang-format on

constexpr int kMaxLeftCol = kMaxTextLine;

}  // namespace

int KeyToCommand(quint16 key, TShiftState shift, bool passive, unsigned marksAtCaret) {
  if (shift.testFlag(ssAlt)) return TextCmd::None;
  const bool ctrl = shift.testFlag(ssCtrl);
  const bool sh = shift.testFlag(ssShift);
  for (const TKeyRow& row : kKeyRows) {
    if (row.Key != key) continue;
    if (passive) return ctrl ? row.CtrlPassive : row.Plain;
    if (ctrl) return sh ? row.CtrlShift : row.Ctrl;
    return sh ? row.Shift : row.Plain;
  }
  if (key == VK_INSERT && ctrl && !sh) return TextCmd::Copy;
  if (key >= '0' && key <= '9' && ctrl) {
    const int n = key - '0';
    if (!sh) return TextCmd::GotoMark + n;
    return marksAtCaret & (1u << n) ? TextCmd::ClearMark + n : TextCmd::SetMark + n;
  }
  return TextCmd::None;
}

bool IsWordChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '$';
}

unsigned TTextNav::MarksAt(TTextPos p) const {
  unsigned bits = 0;
  for (int n = 0; n < 10; ++n)
    if (MarkSet[n] && Marks[n] == p) bits |= 1u << n;
  return bits;
}

int TTextNav::LastLine() const { return qMax(0, FDoc.LineCount() - 1); }

int TTextNav::MaxTopLine() const { return qMax(0, FDoc.LineCount() - qMax(1, PageLines)); }

void TTextNav::SetTop(int line) { TopLine = qBound(0, line, MaxTopLine()); }

TTextPos TTextNav::Clamped(TTextPos p) const {
  p.Line = qBound(0, p.Line, LastLine());
  p.Col = qBound(0, p.Col, FDoc.LineLength(p.Line));
  return p;
}

void TTextNav::Reset(TTextPos caret) {
  TopLine = 0;
  LeftCol = 0;
  Caret = Anchor = Clamped(caret);
  MousePos = TTextPos{};
}

void TTextNav::Clamp() {
  Caret = Clamped(Caret);
  Anchor = Clamped(Anchor);
  SetTop(TopLine);
  LeftCol = qBound(0, LeftCol, kMaxLeftCol);
}

void TTextNav::ScrollToCaret() {
  if (Caret.Line < TopLine) SetTop(Caret.Line);
  if (Caret.Line >= TopLine + PageLines) SetTop(Caret.Line - PageLines + 1);
  if (Caret.Col < LeftCol) LeftCol = Caret.Col;
  if (Caret.Col >= LeftCol + PageCols) LeftCol = Caret.Col - PageCols + 1;
}

void TTextNav::MoveCaret(TTextPos p, bool extend) {
  Caret = Clamped(p);
  if (!extend) Anchor = Caret;
  ScrollToCaret();
}

TTextPos TTextNav::MoveLeft(TTextPos p) const {
  if (p.Col > 0) return {p.Line, p.Col - 1};
  if (p.Line > 0) return {p.Line - 1, FDoc.LineLength(p.Line - 1)};
  return p;
}

TTextPos TTextNav::MoveRight(TTextPos p) const {
  if (p.Col < FDoc.LineLength(p.Line)) return {p.Line, p.Col + 1};
  if (p.Line < LastLine()) return {p.Line + 1, 0};
  return p;
}

TTextPos TTextNav::PrevWord(TTextPos p) const {
  if (p.Col == 0) return p.Line > 0 ? TTextPos{p.Line - 1, FDoc.LineLength(p.Line - 1)} : p;
  const QByteArray& s = FDoc.Line(p.Line);
  int i = qMin(p.Col, int(s.size()));
  while (i > 0 && !IsWordChar(s.at(i - 1))) --i;
  while (i > 0 && IsWordChar(s.at(i - 1))) --i;
  return {p.Line, i};
}

TTextPos TTextNav::NextWord(TTextPos p, bool toNextWord) const {
  const QByteArray& s = FDoc.Line(p.Line);
  const int len = int(s.size());
  if (p.Col >= len) return p.Line < LastLine() ? TTextPos{p.Line + 1, 0} : p;
  int i = p.Col;
  while (i < len && IsWordChar(s.at(i))) ++i;
  if (toNextWord)
    while (i < len && !IsWordChar(s.at(i))) ++i;
  return {p.Line, i};
}

bool TTextNav::Execute(int command) { return ShowCaret ? ExecuteCaret(command) : ExecuteScroll(command); }

bool TTextNav::ExecuteCaret(int cmd) {
  using namespace TextCmd;
  const int page = qMax(1, PageLines - 1);
  const TTextPos c = Caret;
  const bool visible = c.Line >= TopLine && c.Line < TopLine + PageLines;
  switch (cmd) {
    case Left:
    case SelLeft: MoveCaret(MoveLeft(c), cmd == SelLeft); return true;
    case Right:
    case SelRight: MoveCaret(MoveRight(c), cmd == SelRight); return true;
    case WordLeft:
    case SelWordLeft: MoveCaret(PrevWord(c), cmd == SelWordLeft); return true;
    case WordRight:
    case SelWordRight: MoveCaret(NextWord(c, cmd == WordRight), cmd == SelWordRight); return true;
    case Up:
    case SelUp: MoveCaret({c.Line - 1, c.Col}, cmd == SelUp); return true;
    case Down:
    case SelDown: MoveCaret({c.Line + 1, c.Col}, cmd == SelDown); return true;
    case PageUp:
    case SelPageUp:
      SetTop(TopLine - page);
      MoveCaret({c.Line - page, c.Col}, cmd == SelPageUp);
      return true;
    case PageDown:
    case SelPageDown:
      SetTop(TopLine + page);
      MoveCaret({c.Line + page, c.Col}, cmd == SelPageDown);
      return true;
    case LineStart:
    case SelLineStart: MoveCaret({c.Line, 0}, cmd == SelLineStart); return true;
    case LineEnd:
    case SelLineEnd: MoveCaret({c.Line, FDoc.LineLength(c.Line)}, cmd == SelLineEnd); return true;
    case TextStart:
    case SelTextStart: MoveCaret({0, 0}, cmd == SelTextStart); return true;
    case TextEnd:
    case SelTextEnd: MoveCaret({LastLine(), FDoc.LineLength(LastLine())}, cmd == SelTextEnd); return true;
    case CaretToFirstVisible:
    case SelFirstVisible:
      if (visible)
        MoveCaret({TopLine, c.Col}, cmd == SelFirstVisible);
      else
        SetTop(c.Line);
      return true;
    case CaretToLastVisible:
    case SelLastVisible:
      if (visible)
        MoveCaret({TopLine + PageLines - 1, c.Col}, cmd == SelLastVisible);
      else
        SetTop(c.Line - PageLines + 1);
      return true;
    case ScrollUp: SetTop(TopLine - 1); return true;
    case ScrollDown: SetTop(TopLine + 1); return true;
    case ScrollLeft:
    case ScrollRight:
      if (!FDoc.HexMode) LeftCol = qBound(0, LeftCol + (cmd == ScrollLeft ? -1 : 1), kMaxLeftCol);
      return true;
    case Copy: return true;  // the view puts SelectedText on the clipboard
    default: break;
  }
  if (cmd >= GotoMark && cmd < GotoMark + 10) {
    const int n = cmd - GotoMark;
    if (MarkSet[n]) MoveCaret(Marks[n], false);
    return true;
  }
  if (cmd >= SetMark && cmd < SetMark + 10) {
    Marks[cmd - SetMark] = Caret;
    MarkSet[cmd - SetMark] = true;
    return true;
  }
  if (cmd >= ClearMark && cmd < ClearMark + 10) {
    MarkSet[cmd - ClearMark] = false;
    return true;
  }
  return false;
}

bool TTextNav::ExecuteScroll(int cmd) {
  using namespace TextCmd;
  const int page = qMax(1, PageLines - 1);
  const int hexStep = FDoc.HexMode ? 0 : 1;
  switch (cmd) {
    case Down:
    case ScrollDown: SetTop(TopLine + 1); return true;
    case Up:
    case ScrollUp: SetTop(TopLine - 1); return true;
    case Left:
    case ScrollLeft: LeftCol = qBound(0, LeftCol - hexStep, kMaxLeftCol); return true;
    case Right:
    case ScrollRight: LeftCol = qBound(0, LeftCol + hexStep, kMaxLeftCol); return true;
    case PageDown: SetTop(TopLine + page); return true;
    case PageUp: SetTop(TopLine - page); return true;
    case LineStart:
    case TextStart:
      SetTop(0);
      LeftCol = 0;
      return true;
    case LineEnd:
    case TextEnd:
      SetTop(MaxTopLine());
      LeftCol = qMax(0, FDoc.LineLength(LastLine()) - PageCols + 1);
      return true;
    case WordLeft:
    case SelWordLeft: MoveCaret(PrevWord(Caret), false); return true;
    case WordRight:
    case SelWordRight: MoveCaret(NextWord(Caret, true), false); return true;
    default: break;
  }
  if (cmd >= GotoMark && cmd < GotoMark + 10) {
    const int n = cmd - GotoMark;
    if (MarkSet[n]) {
      Caret = Anchor = Clamped(Marks[n]);
      SetTop(Caret.Line);
    }
    return true;
  }
  if (cmd >= SetMark && cmd < SetMark + 10) {
    Marks[cmd - SetMark] = Clamped(MousePos);
    MarkSet[cmd - SetMark] = true;
    return true;
  }
  if (cmd >= ClearMark && cmd < ClearMark + 10) {
    MarkSet[cmd - ClearMark] = false;
    return true;
  }
  return false;
}

QByteArray TTextNav::SelectedText() const {
  const TTextPos a = Clamped(SelStart());
  const TTextPos b = Clamped(SelEnd());
  if (a.Line == b.Line) return FDoc.Line(a.Line).mid(a.Col, b.Col - a.Col);
  QByteArray text = FDoc.Line(a.Line).mid(a.Col);
  for (int line = a.Line + 1; line < b.Line; ++line) text.append("\r\n").append(FDoc.Line(line));
  return text.append("\r\n").append(FDoc.Line(b.Line).left(b.Col));
}

void TTextNav::StepAfterOverwrite() {
  const TTextPos c = Caret;
  TTextPos next = MoveRight(c);
  if (FDoc.HexMode) {
    const tsHexSize size = FDoc.HexSize;
    const int ascii = TTextDocument::AsciiColumn(size);
    if (TTextDocument::ColumnKind(c.Col, size) == THexColumn::Ascii) {
      // Typing runs on through the character area into the next line's.
      next = c.Col + 1 < ascii + kHexBytesPerLine ? TTextPos{c.Line, c.Col + 1}
             : c.Line < LastLine()                ? TTextPos{c.Line + 1, ascii}
                                                  : c;
    } else {
      next = TTextPos{c.Line, c.Col + 1};
      while (next.Col < ascii && !TTextDocument::IsDigitColumn(next.Col, size)) ++next.Col;
      if (next.Col >= ascii) next = c.Line < LastLine() ? TTextPos{c.Line + 1, kHexAddressWidth} : c;
    }
  }
  MoveCaret(next, false);
}

}  // namespace Veltor
