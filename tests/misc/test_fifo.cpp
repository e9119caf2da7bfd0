#include "misc/fifo.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

QString Letters(int n) {
  QString s;
  for (int i = 0; i < n; ++i) s.append(QChar('a' + i % 26));
  return s;
}

// A shown, active window with the field and a second one to take the focus.
struct Bench {
  QWidget window;
  TFiFo* fifo = new TFiFo(&window);
  TFiFo* other = new TFiFo(&window);

  Bench() {
    window.resize(300, 100);
    fifo->SetBounds(10, 10, 120, 30);
    other->SetBounds(10, 50, 120, 30);
    fifo->SetSurfaceRatio(1);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
};

}  // namespace

TEST(FiFo, AppendingDropsTheOldestWhenFull) {
  TFiFo fifo;
  EXPECT_TRUE(fifo.TextChar().isNull());
  const QString all = Letters(300);
  for (QChar c : all) fifo.SetTextChar(c);
  EXPECT_EQ(fifo.Text(), all.right(kFifoCapacity));
  EXPECT_EQ(fifo.TextChar(), all.back());
}

TEST(FiFo, WritingTheTextDropsOnlyTheFirstCharacterOfALongOne) {
  TFiFo fifo;
  fifo.SetText(Letters(300));
  EXPECT_EQ(fifo.Text(), Letters(300).mid(1));
  fifo.SetText(Letters(253));
  EXPECT_EQ(fifo.Text(), Letters(253));
  fifo.SetText(Letters(254));
  EXPECT_EQ(fifo.Text(), Letters(254).mid(1));
}

TEST(FiFo, ShowsTheEndThatFitsWithTheCaretCell) {
  const auto width = [](const QString& s) { return 10 * int(s.size()); };
  EXPECT_EQ(FifoShown(QStringLiteral("abcdefgh"), 50, width), QStringLiteral("efgh "));
  EXPECT_EQ(FifoShown(QStringLiteral("abc"), 50, width), QStringLiteral("abc "));
  EXPECT_EQ(FifoShown(QStringLiteral("abcd"), 50, width), QStringLiteral("abcd "));
  // Even a room too small keeps the caret cell.
  EXPECT_EQ(FifoShown(QStringLiteral("ab"), 3, width), QStringLiteral(" "));
}

TEST(FiFo, WideTextShowsItsRightEndAndTheCaret) {
  Bench b;
  b.fifo->SetText(Letters(60));
  b.fifo->setFocus(Qt::TabFocusReason);
  ASSERT_TRUE(b.fifo->hasFocus());
  const QImage img = b.fifo->SurfaceImage();
  const QString shown = b.fifo->ShownText();
  EXPECT_TRUE(shown.endsWith(Letters(60).right(3) + QLatin1Char(' ')));
  EXPECT_LT(shown.size(), 30);
  // The caret cell, the last one, is inverted: black on white, and it is
  // still inside the box.
  const TRect t = b.fifo->Layout().Text;
  TCanvas& c = b.fifo->Canvas();
  c.Font = b.fifo->Font();
  const int caretLeft = t.Left + 1 + c.TextWidth(shown.left(shown.size() - 1));
  const int caretRight = t.Left + 1 + c.TextWidth(shown);
  EXPECT_LE(caretRight, t.Right + 1);
  const int x = (caretLeft + caretRight) / 2, y = (t.Top + t.Bottom) / 2;
  EXPECT_EQ(PixelAt(img, x, y), clBlack);
  // Losing the focus takes the caret away.
  b.other->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(PixelAt(b.fifo->SurfaceImage(), x, y), clWhite);
}

TEST(FiFo, TypingAppendsUnlessReadOnly) {
  Bench b;
  QSignalSpy changed(b.fifo, &TFiFo::OnChange);
  b.fifo->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(b.fifo, QStringLiteral("ab1"));
  EXPECT_EQ(b.fifo->Text(), QStringLiteral("ab1"));
  EXPECT_EQ(changed.count(), 3);

  // Text set by the program fires nothing.
  b.fifo->SetText(QStringLiteral("x"));
  EXPECT_EQ(changed.count(), 3);

  b.fifo->SetReadOnly(true);
  QTest::keyClicks(b.fifo, QStringLiteral("z"));
  EXPECT_EQ(b.fifo->Text(), QStringLiteral("x"));
  EXPECT_EQ(changed.count(), 3);
  b.fifo->PaintNow();
  EXPECT_FALSE(b.fifo->TabStop());
}

TEST(FiFo, SilverBackgroundSitsFlushWithTheFrame) {
  TFiFo fifo;
  fifo.PaintNow();
  const TRect withMargin = fifo.Layout().TextFrame;
  fifo.SetColTxtBack(clSilver);
  fifo.PaintNow();
  const TRect flush = fifo.Layout().TextFrame;
  EXPECT_LT(flush.Left, withMargin.Left);
  EXPECT_LT(flush.Top, withMargin.Top);
}
