#include "foundation/tickregistry.h"
#include "host/keys.h"
#include "text/stroke.h"
#include "text/text_classes.h"
#include "text/textscroller.h"

#include "formtest.h"
#include "testutil.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

using namespace Veltor;
using namespace Veltor::TextCmd;

namespace {

class TextScroller : public ::testing::Test {
 protected:
  QString Write(const QString& name, const QByteArray& bytes) {
    const QString path = Dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  void Open(const QString& path, bool hex = false) {
    View.SetHexMode(hex);
    View.SetFileName(path);
    View.SetIsOpen(true);
    ASSERT_TRUE(View.IsOpen());
  }
  QList<int> Commands(QSignalSpy& spy) {
    QList<int> out;
    for (const auto& args : spy) out << args.at(1).toInt();
    spy.clear();
    return out;
  }

  VeltorTest::ScriptedModalUI UI;
  QTemporaryDir Dir;
  TTextScroller View;
};

}  // namespace

TEST_F(TextScroller, CaretBlinksOnlyWithABlinkTime) {
  Open(Write("t.txt", "text\n"));
  View.Caret()->SetShape(csBlock);
  const TTextScrollerLayout l = View.Layout();
  auto caretPixel = [&] { return VeltorTest::PixelAt(View.SurfaceImage(), l.Text.Left + 1, l.Text.Top + 1); };
  EXPECT_EQ(caretPixel(), clBlack);
  for (int tick = 0; tick < 4; ++tick) TimerTick();
  EXPECT_EQ(caretPixel(), clBlack);  // steady
  View.Caret()->SetBlinkTime(110);   // two ticks per phase
  TimerTick();
  TimerTick();
  EXPECT_EQ(caretPixel(), clWhite);
  TimerTick();
  TimerTick();
  EXPECT_EQ(caretPixel(), clBlack);
  View.Caret()->SetBlinkTime(0);
  for (int tick = 0; tick < 2; ++tick) TimerTick();
  EXPECT_EQ(caretPixel(), clBlack);
}

TEST_F(TextScroller, SettersKeepTheirRanges) {
  View.SetHexBufLen(1);
  EXPECT_EQ(View.HexBufLen(), 64);
  View.SetHexOffset(1 << 24);
  EXPECT_EQ(View.HexOffset(), 1048575);
  View.SetTabSize(0);
  EXPECT_EQ(View.TabSize(), 1);
  View.SetNonHexChar(0);
  EXPECT_EQ(View.NonHexChar(), 1);
  View.Caret()->SetCaretWidth(0);
  EXPECT_EQ(View.Caret()->CaretWidth(), 1);
}

TEST_F(TextScroller, OpensTheFileByTheNameAsGiven) {
  const QString mixed = Write("Data.txt", "lower\n");
  Write("DATA.TXT", "upper\n");
  Open(mixed);
  EXPECT_EQ(View.FileName(), mixed);
  EXPECT_EQ(View.Document().Line(0), "lower");
}

TEST_F(TextScroller, MissingFileShowsTheMessageAndStaysClosed) {
  const QString missing = Dir.filePath("gone.txt");
  View.SetFileName(missing);
  View.SetIsOpen(true);
  EXPECT_FALSE(View.IsOpen());
  EXPECT_EQ(UI.Messages, QStringList{QStringLiteral("File\n%1\n not found").arg(missing)});
  View.PaintNow();  // draws the empty view
}

TEST_F(TextScroller, ModeAndNameChangesReopenTheFile) {
  const QString a = Write("a.txt", "alpha\n");
  Open(a);
  QSignalSpy status(&View, &TTextScroller::OnShowStatus);
  View.SetHexMode(true);
  EXPECT_TRUE(View.IsOpen());
  EXPECT_TRUE(View.Document().Line(0).startsWith("000000 61 6C 70"));
  EXPECT_EQ(View.Nav().Caret.Col, 7);
  ASSERT_FALSE(status.isEmpty());
  EXPECT_EQ(status.last().at(2).toInt(), 8);  // counted from 1
  View.SetFileName(Write("b.txt", "beta"));
  EXPECT_TRUE(View.Document().Line(0).startsWith("000000 62 65"));
}

TEST_F(TextScroller, KeysBecomeCommands) {
  Open(Write("t.txt", "one two\nthree\nfour\n"));
  QSignalSpy spy(&View, &TTextScroller::OnUserCommand);
  QTest::keyClick(&View, Qt::Key_Down);
  QTest::keyClick(&View, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&View, Qt::Key_Right, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(&View, Qt::Key_Tab);
  QTest::keyClick(&View, Qt::Key_5, Qt::ControlModifier | Qt::ShiftModifier);
  QTest::keyClick(&View, Qt::Key_5, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(Commands(spy), (QList<int>{15, 23, 30, 84, 63, 73}));
  View.SetPassive(true);
  QTest::keyClick(&View, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClick(&View, Qt::Key_Left, Qt::ControlModifier);
  EXPECT_EQ(Commands(spy), (QList<int>{55, 86}));
}

TEST_F(TextScroller, TopLineAndStatusEventsFollowTheCaret) {
  QByteArray text;
  for (int i = 0; i < 50; ++i) text.append("line\n");
  Open(Write("t.txt", text));
  QSignalSpy top(&View, &TTextScroller::OnTopLineChanged);
  QSignalSpy status(&View, &TTextScroller::OnShowStatus);
  View.ExecuteCommand(TextEnd);
  ASSERT_EQ(top.size(), 1);
  EXPECT_EQ(top.at(0).at(1).toInt(), 51 - View.Nav().PageLines);
  ASSERT_EQ(status.size(), 1);
  EXPECT_EQ(status.at(0).at(1).toInt(), 51);
  View.ExecuteCommand(LineEnd);  // already there: nothing moved
  EXPECT_EQ(top.size(), 1);
  EXPECT_EQ(status.size(), 1);
}

TEST_F(TextScroller, HexOverwriteFromTypedCharacters) {
  Open(Write("b.bin", QByteArray(20, '\0')), true);
  View.SetHexOffset(0x10);
  View.SetOverWrite(true);
  QSignalSpy changes(&View, &TTextScroller::OnHexChange);
  QTest::keyClicks(&View, "4a");
  ASSERT_EQ(changes.size(), 2);
  EXPECT_EQ(changes.at(1).at(1).toInt(), 0x10);
  EXPECT_EQ(changes.at(1).at(2).value<quint8>(), 0x4A);
  EXPECT_EQ(View.Nav().Caret.Col, 10);
  QTest::keyClicks(&View, "g");  // not a hex digit
  EXPECT_EQ(UI.Beeps, 1);
  EXPECT_EQ(changes.size(), 2);
  EXPECT_TRUE(View.Changed());
  QTest::keyClick(&View, Qt::Key_Escape);
  EXPECT_FALSE(View.OverWrite());
  QTest::keyClicks(&View, "1");
  EXPECT_EQ(UI.Beeps, 2);
  EXPECT_EQ(quint8(View.Document().HexBuffer().at(1)), 0);
}

TEST_F(TextScroller, TextOverwriteReportsLineColumnAndCharacter) {
  Open(Write("t.txt", "abc\ndef\n"));
  View.ExecuteCommand(Down);
  View.ExecuteCommand(Right);
  View.SetOverWrite(true);
  QSignalSpy changes(&View, &TTextScroller::OnTextChange);
  QTest::keyClicks(&View, "XY");
  ASSERT_EQ(changes.size(), 2);
  EXPECT_EQ(changes.at(1).at(1).toInt(), 1);
  EXPECT_EQ(changes.at(1).at(2).toInt(), 2);
  EXPECT_EQ(changes.at(1).at(3).value<QChar>(), QChar('Y'));
  EXPECT_EQ(View.Document().Line(1), "dXY");
  View.SetReadOnly(true);
  QTest::keyClicks(&View, "Z");
  EXPECT_EQ(View.Document().Line(1), "dXY");
  EXPECT_EQ(UI.Beeps, 1);
  // The file itself is never written.
  QFile f(View.FileName());
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), "abc\ndef\n");
}

TEST_F(TextScroller, CopyPutsTheSelectionOnTheClipboard) {
  Open(Write("t.txt", "first line\nsecond\n"));
  QApplication::clipboard()->setText(QStringLiteral("before"));
  QTest::keyClick(&View, Qt::Key_Right, Qt::ControlModifier);
  QTest::keyClick(&View, Qt::Key_Down, Qt::ShiftModifier);
  QTest::keyClick(&View, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("line\r\nsecond"));
}

TEST_F(TextScroller, MouseSetsTheCaretAndShiftClickSelects) {
  Open(Write("t.txt", "0123456789\nabcdefghij\n"));
  const TTextScrollerLayout l = View.Layout();
  const QFontMetrics m(View.Font().ToQFont());
  const int cw = m.horizontalAdvance('M');
  const int lh = m.height();
  QTest::mouseClick(&View, Qt::LeftButton, Qt::NoModifier, QPoint(l.Text.Left + 3 * cw + 1, l.Text.Top + lh + 2));
  EXPECT_EQ(View.Nav().Caret, (TTextPos{1, 3}));
  QTest::mouseClick(&View, Qt::LeftButton, Qt::ShiftModifier, QPoint(l.Text.Left + 5 * cw + 1, l.Text.Top + 2));
  EXPECT_EQ(View.Nav().SelectedText(), "56789\r\nabc");
}

TEST_F(TextScroller, SelectionAndBookmarksArePainted) {
  Open(Write("t.txt", "some text\nmore\n"));
  View.SetColorHBack(clRed);
  const TTextScrollerLayout l = View.Layout();
  QImage img = View.SurfaceImage();
  EXPECT_EQ(VeltorTest::CountColour(img, l.Text, clRed), 0);
  EXPECT_EQ(VeltorTest::CountColour(img, l.LeftMargin, clNavy), 0);
  View.ExecuteCommand(SelWordRight);
  View.ExecuteCommand(SetMark + 1);
  img = View.SurfaceImage();
  const QFontMetrics m(View.Font().ToQFont());
  const TRect word(l.Text.Left, l.Text.Top, l.Text.Left + 4 * m.horizontalAdvance('M'), l.Text.Top + m.height());
  EXPECT_GT(VeltorTest::CountColour(img, word, clRed), word.Width() * word.Height() / 2);
  EXPECT_EQ(VeltorTest::CountColour(img, TRect(word.Right + 2, l.Text.Top, l.Text.Right, l.Text.Bottom), clRed), 0);
  EXPECT_GT(VeltorTest::CountColour(img, l.LeftMargin, clNavy), 20);
}

TEST_F(TextScroller, StoredFormOpensTheFileAfterLoading) {
  RegisterTextClasses();
  const QString path = Write("form.txt", "from a form\n");
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(QStringLiteral(R"(
  <widget class="TTextScroller" name="Viewer">
   <property name="IsOpen"><bool>true</bool></property>
   <property name="FileName"><string>%1</string></property>
   <property name="HexSize"><enum>hsWord</enum></property>
   <property name="Caret.Shape"><enum>csBlock</enum></property>
  </widget>
  <widget class="TStroke" name="Label">
   <property name="sString"><string>Volt</string></property>
   <property name="JustifyHor"><enum>stCenter</enum></property>
  </widget>)")
                                       .arg(path));
  ASSERT_TRUE(form);
  auto* viewer = form->findChild<TTextScroller*>("Viewer");
  ASSERT_TRUE(viewer);
  EXPECT_TRUE(viewer->IsOpen());
  EXPECT_EQ(viewer->Document().Line(0), "from a form");
  EXPECT_EQ(viewer->HexSize(), hsWord);
  EXPECT_EQ(viewer->Caret()->Shape(), csBlock);
  auto* label = form->findChild<TStroke*>("Label");
  ASSERT_TRUE(label);
  EXPECT_EQ(label->JustifyHor(), stCenter);
}

// Random files of random bytes, in both modes, with random settings, keys,
// typing and sizes; the file vanishing between opens. Nothing may crash and
// the caret and the view stay inside the document.
TEST_F(TextScroller, RandomFilesInBothModes) {
  std::mt19937 rng(20261208);
  auto pick = [&](int n) { return int(rng() % unsigned(n)); };
  const char special[] = {'\r', '\n', '\t', '\0', char(0xFF), 'a', ' ', '$'};
  const tsHexSize sizes[] = {hsByte, hsWord, hsLong};
  View.SetOverWrite(true);
  for (int round = 0; round < 40; ++round) {
    SCOPED_TRACE(round);
    QByteArray bytes;
    const int length = pick(5) == 0 ? 0 : pick(3000);
    for (int i = 0; i < length; ++i) bytes.append(pick(3) == 0 ? special[pick(8)] : char(pick(256)));
    if (pick(4) == 0) bytes.append(QByteArray(1500 + pick(1000), 'L'));
    const QString path = Write(QStringLiteral("r%1.bin").arg(round), bytes);

    View.SetIsOpen(false);
    View.SetHexSize(sizes[pick(3)]);
    View.SetHexBufLen(pick(2) ? 64 + pick(2000) : 255);
    View.SetShowCaret(pick(4) != 0);
    View.SetPassive(pick(5) == 0);
    View.resize(40 + pick(400), 20 + pick(300));
    Open(path, pick(2) == 0);

    for (int step = 0; step < 150; ++step) {
      if (pick(4) == 0) {
        QTest::keyClick(&View, char(32 + pick(95)));
      } else {
        View.ExecuteCommand(pick(90));
      }
      const TTextNav& nav = View.Nav();
      const int lines = View.Document().LineCount();
      ASSERT_GE(lines, 1);
      ASSERT_GE(nav.Caret.Line, 0);
      ASSERT_LT(nav.Caret.Line, lines);
      ASSERT_GE(nav.Caret.Col, 0);
      ASSERT_LE(nav.Caret.Col, View.Document().LineLength(nav.Caret.Line));
      ASSERT_GE(nav.TopLine, 0);
      ASSERT_LE(nav.TopLine, qMax(0, lines - nav.PageLines));
    }
    if (View.HexMode()) {
      ASSERT_EQ(View.Document().LineCount(), qMax(1, (qMin(int(bytes.size()), View.HexBufLen()) + 15) / 16));
    }
    View.PaintNow();
    QFile::remove(path);  // the file vanishes: reopening refuses it
    const int before = UI.Messages.size();
    View.SetHexMode(!View.HexMode());
    EXPECT_FALSE(View.IsOpen());
    EXPECT_EQ(UI.Messages.size(), before + 1);
    View.PaintNow();
  }
}
