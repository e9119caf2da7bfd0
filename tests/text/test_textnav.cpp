#include "host/keys.h"
#include "text/textdoc.h"
#include "text/textnav.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Veltor;
using namespace Veltor::TextCmd;

TEST(TextKeys, TableGivesTheCommandOfEachKeyAndShiftState) {
  struct Row {
    quint16 Key;
    int Plain, Shift, Ctrl, CtrlShift, CtrlPassive;
  };
  const Row rows[] = {
      {VK_LEFT, 46, 20, 84, 29, 86}, {VK_BACK, 46, 20, 84, 29, 86}, {VK_RIGHT, 55, 23, 85, 30, 87},
      {VK_UP, 83, 24, 57, 24, 57},   {VK_DOWN, 15, 17, 56, 17, 56}, {VK_PRIOR, 52, 22, 81, 28, 81},
      {VK_NEXT, 48, 21, 2, 25, 2},   {VK_HOME, 42, 19, 31, 26, 31}, {VK_END, 16, 18, 45, 27, 45},
      {VK_TAB, 84, 84, 84, 84, 84},
  };
  const TShiftState none;
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "key " << r.Key);
    EXPECT_EQ(KeyToCommand(r.Key, none, false, 0), r.Plain);
    EXPECT_EQ(KeyToCommand(r.Key, ssShift, false, 0), r.Shift);
    EXPECT_EQ(KeyToCommand(r.Key, ssCtrl, false, 0), r.Ctrl);
    EXPECT_EQ(KeyToCommand(r.Key, ssCtrl | ssShift, false, 0), r.CtrlShift);
    // Passive ignores Shift.
    EXPECT_EQ(KeyToCommand(r.Key, none, true, 0), r.Plain);
    EXPECT_EQ(KeyToCommand(r.Key, ssShift, true, 0), r.Plain);
    EXPECT_EQ(KeyToCommand(r.Key, ssCtrl, true, 0), r.CtrlPassive);
    EXPECT_EQ(KeyToCommand(r.Key, ssCtrl | ssShift, true, 0), r.CtrlPassive);
  }
}

TEST(TextKeys, CopyAndBookmarkKeys) {
  EXPECT_EQ(KeyToCommand(VK_INSERT, ssCtrl, false, 0), Copy);
  EXPECT_EQ(KeyToCommand(VK_INSERT, ssCtrl | ssShift, false, 0), None);
  EXPECT_EQ(KeyToCommand(VK_INSERT, TShiftState(), false, 0), None);
  EXPECT_EQ(KeyToCommand('0', ssCtrl, false, 0), 32);
  EXPECT_EQ(KeyToCommand('9', ssCtrl, false, 0), 41);
  EXPECT_EQ(KeyToCommand('3', ssCtrl | ssShift, false, 0), 61);
  EXPECT_EQ(KeyToCommand('3', ssCtrl | ssShift, false, 1u << 3), 71);
  EXPECT_EQ(KeyToCommand('3', ssCtrl | ssShift, false, 1u << 4), 61);
  EXPECT_EQ(KeyToCommand('3', TShiftState(), false, 0), None);
  EXPECT_EQ(KeyToCommand('A', ssCtrl, false, 0), None);
  EXPECT_EQ(KeyToCommand(VK_LEFT, ssAlt, false, 0), None);
}

TEST(TextKeys, WordCharacters) {
  for (char c : QByteArray("azAZ09_$")) EXPECT_TRUE(IsWordChar(c)) << c;
  for (char c : QByteArray(" .-=@[`{\t")) EXPECT_FALSE(IsWordChar(c)) << c;
  EXPECT_FALSE(IsWordChar(char(0xE4)));
}

namespace {

class TextNav : public ::testing::Test {
 protected:
  void Load(const QByteArray& text, int pageLines = 3, int pageCols = 40) {
    const QString path = Dir.filePath(QStringLiteral("t.txt"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(text);
    f.close();
    ASSERT_TRUE(Doc.Open(path, nullptr));
    Nav.PageLines = pageLines;
    Nav.PageCols = pageCols;
    Nav.Reset({});
  }
  TTextPos At(int line, int col) {
    Nav.Caret = Nav.Anchor = {line, col};
    return Nav.Caret;
  }
  void Run(int command) { EXPECT_TRUE(Nav.Execute(command)) << command; }

  QTemporaryDir Dir;
  TTextDocument Doc;
  TTextNav Nav{Doc};
};

}  // namespace

#define EXPECT_POS(p, line, col) \
  do {                           \
    EXPECT_EQ((p).Line, line);   \
    EXPECT_EQ((p).Col, col);     \
  } while (false)

TEST_F(TextNav, LeftAndRightWrapAtLineEnds) {
  Load("ab\ncd\n");
  Run(Left);  // nothing before the start
  EXPECT_POS(Nav.Caret, 0, 0);
  At(1, 0);
  Run(Left);
  EXPECT_POS(Nav.Caret, 0, 2);
  Run(Right);
  EXPECT_POS(Nav.Caret, 1, 0);
  At(2, 0);  // the empty last line
  Run(Right);
  EXPECT_POS(Nav.Caret, 2, 0);
}

TEST_F(TextNav, WordLeftStopsOnTheFirstCharacterOfTheWord) {
  Load("  foo_bar, $x1  baz\nnext");
  At(0, 19);  // end of line
  Run(WordLeft);
  EXPECT_POS(Nav.Caret, 0, 16);
  Run(WordLeft);
  EXPECT_POS(Nav.Caret, 0, 11);
  Run(WordLeft);
  EXPECT_POS(Nav.Caret, 0, 2);
  Run(WordLeft);  // no word before: column 0
  EXPECT_POS(Nav.Caret, 0, 0);
  At(1, 2);  // inside a word: its start
  Run(WordLeft);
  EXPECT_POS(Nav.Caret, 1, 0);
  Run(WordLeft);  // from column 0: end of the previous line
  EXPECT_POS(Nav.Caret, 0, 19);
}

TEST_F(TextNav, WordRightGoesToTheNextWordUnlessExtending) {
  Load("foo, bar\nx");
  Run(WordRight);
  EXPECT_POS(Nav.Caret, 0, 5);
  EXPECT_FALSE(Nav.HasSelection());
  At(0, 0);
  Run(SelWordRight);  // stops at the word's end
  EXPECT_POS(Nav.Caret, 0, 3);
  EXPECT_POS(Nav.Anchor, 0, 0);
  EXPECT_EQ(Nav.SelectedText(), "foo");
  At(0, 8);
  Run(WordRight);  // at the end: next line
  EXPECT_POS(Nav.Caret, 1, 0);
}

TEST_F(TextNav, ExtendingMovesSelectAcrossLinesAndPlainMovesDropIt) {
  Load("hello\nworld\n");
  At(0, 3);
  Run(SelDown);
  Run(SelRight);
  EXPECT_EQ(Nav.SelectedText(), "lo\r\nworl");
  Run(SelTextStart);
  EXPECT_EQ(Nav.SelectedText(), "hel");
  Run(Right);
  EXPECT_FALSE(Nav.HasSelection());
  Run(SelLineEnd);
  EXPECT_EQ(Nav.SelectedText(), "ello");
}

TEST_F(TextNav, UpDownKeepTheColumnWithinTheLine) {
  Load("long line\nab\nlonger line\n");
  At(0, 7);
  Run(Down);
  EXPECT_POS(Nav.Caret, 1, 2);
  Run(Down);
  EXPECT_POS(Nav.Caret, 2, 2);
  Run(Up);
  Run(Up);
  Run(Up);
  EXPECT_POS(Nav.Caret, 0, 2);
}

TEST_F(TextNav, PageMovesGoPageLinesLessOneAndScroll) {
  Load("0\n1\n2\n3\n4\n5\n6\n7\n8\n9", 4);  // page move is 3 lines
  Run(PageDown);
  EXPECT_POS(Nav.Caret, 3, 0);
  EXPECT_EQ(Nav.TopLine, 3);
  Run(PageDown);
  Run(PageDown);
  EXPECT_POS(Nav.Caret, 9, 0);
  EXPECT_EQ(Nav.TopLine, 7);  // no further than a full last page (11 lines)
  Run(SelPageUp);
  EXPECT_POS(Nav.Caret, 6, 0);
  EXPECT_POS(Nav.Anchor, 9, 0);
  EXPECT_EQ(Nav.TopLine, 4);
}

TEST_F(TextNav, FirstAndLastVisibleLineOrScrollToTheCaret) {
  Load("0\n1\n2\n3\n4\n5\n6\n7\n8\n9", 4);
  At(5, 0);
  Nav.TopLine = 3;
  Run(CaretToFirstVisible);
  EXPECT_POS(Nav.Caret, 3, 0);
  Run(CaretToLastVisible);
  EXPECT_POS(Nav.Caret, 6, 0);
  Nav.TopLine = 0;  // caret out of view: the view moves instead
  Run(CaretToLastVisible);
  EXPECT_EQ(Nav.TopLine, 3);
  EXPECT_POS(Nav.Caret, 6, 0);
  Nav.TopLine = 0;
  Run(CaretToFirstVisible);
  EXPECT_EQ(Nav.TopLine, 6);
  EXPECT_POS(Nav.Caret, 6, 0);
}

TEST_F(TextNav, CaretMovesScrollTheCaretIntoView) {
  Load("0123456789\n1\n2\n3\n4\n5", 2, 4);
  Run(LineEnd);
  EXPECT_EQ(Nav.LeftCol, 7);
  Run(LineStart);
  EXPECT_EQ(Nav.LeftCol, 0);
  Run(Down);
  Run(Down);
  EXPECT_EQ(Nav.TopLine, 1);
  Run(TextEnd);  // the empty line after the last line break
  EXPECT_EQ(Nav.TopLine, 5);
  Run(ScrollUp);
  EXPECT_EQ(Nav.TopLine, 4);
  EXPECT_POS(Nav.Caret, 6, 0);  // scrolling leaves the caret
}

TEST_F(TextNav, BookmarksSetGoAndClear) {
  Load("a\nbb\nccc\n");
  At(2, 3);
  Run(SetMark + 4);
  EXPECT_EQ(Nav.MarksAt({2, 3}), 1u << 4);
  At(0, 0);
  Run(GotoMark + 4);
  EXPECT_POS(Nav.Caret, 2, 3);
  Run(ClearMark + 4);
  EXPECT_EQ(Nav.MarksAt({2, 3}), 0u);
  At(1, 1);
  Run(GotoMark + 4);  // cleared: the caret stays
  EXPECT_POS(Nav.Caret, 1, 1);
  Run(GotoMark + 9);
  EXPECT_POS(Nav.Caret, 1, 1);
}

TEST_F(TextNav, WithoutCaretTheKeysScrollAndMarksFollowTheMouse) {
  Load("0\n1\n2\n3\n4\n5\n6\n7\n8\n9", 4);
  Nav.ShowCaret = false;
  Run(Down);
  Run(ScrollDown);
  EXPECT_EQ(Nav.TopLine, 2);
  Run(Up);
  EXPECT_EQ(Nav.TopLine, 1);
  Run(PageDown);
  EXPECT_EQ(Nav.TopLine, 4);
  Run(Right);
  Run(ScrollRight);
  EXPECT_EQ(Nav.LeftCol, 2);
  Run(Left);
  EXPECT_EQ(Nav.LeftCol, 1);
  Run(TextStart);
  EXPECT_EQ(Nav.TopLine, 0);
  EXPECT_EQ(Nav.LeftCol, 0);
  Run(TextEnd);
  EXPECT_EQ(Nav.TopLine, 7);
  Nav.MousePos = {7, 0};
  Run(SetMark + 2);
  EXPECT_EQ(Nav.MarksAt({7, 0}), 1u << 2);
  Run(TextStart);
  Nav.MousePos = {3, 0};
  Run(SetMark + 5);
  Run(GotoMark + 5);
  EXPECT_EQ(Nav.TopLine, 3);  // the mark's line at the top
  Run(GotoMark + 2);
  EXPECT_EQ(Nav.TopLine, 7);  // as near the top as the last page allows
  EXPECT_FALSE(Nav.Execute(SelDown));
  EXPECT_FALSE(Nav.Execute(Copy));
}

TEST_F(TextNav, HexModeIgnoresSidewaysScrolling) {
  Doc.HexMode = true;
  Load(QByteArray(64, 'x'));
  Run(ScrollRight);
  EXPECT_EQ(Nav.LeftCol, 0);
  Nav.ShowCaret = false;
  Run(Right);
  EXPECT_EQ(Nav.LeftCol, 0);
}

TEST_F(TextNav, AfterAnOverwriteHexTypingSkipsBlanksAndWraps) {
  Doc.HexMode = true;
  Load(QByteArray(32, 'x'));
  At(0, 7);
  Nav.StepAfterOverwrite();  // high to low nibble
  EXPECT_POS(Nav.Caret, 0, 8);
  Nav.StepAfterOverwrite();  // over the blank to the next byte
  EXPECT_POS(Nav.Caret, 0, 10);
  At(0, 53);  // low nibble of byte 15
  Nav.StepAfterOverwrite();
  EXPECT_POS(Nav.Caret, 1, 7);
  At(0, 70);  // last character
  Nav.StepAfterOverwrite();
  EXPECT_POS(Nav.Caret, 1, 55);
}
