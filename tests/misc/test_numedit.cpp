#include "misc/misc_classes.h"
#include "misc/numedit.h"

#include "formtest.h"
#include "foundation/helpers.h"
#include "foundation/numformat.h"
#include "foundation/tickregistry.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QSignalSpy>
#include <QTest>

using namespace Veltor;
using VeltorTest::PixelAt;

namespace {

// A shown, active window with an edit field and a second control to move
// the focus to.
struct Bench {
  QWidget window;
  TNumEdit* edit = new TNumEdit(&window);
  TNumEdit* other = new TNumEdit(&window);
  VeltorTest::ScriptedModalUI ui;

  Bench() {
    window.resize(300, 100);
    edit->SetBounds(10, 10, 160, 30);
    other->SetBounds(10, 50, 160, 30);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
  }
  void Focus() {
    edit->setFocus(Qt::TabFocusReason);
    EXPECT_TRUE(edit->hasFocus());
  }
  void Type(const char* keys) { QTest::keyClicks(edit, QString::fromLatin1(keys)); }
  void Enter() { QTest::keyClick(edit, Qt::Key_Return); }
  void Leave() {
    other->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
  }
};

}  // namespace

TEST(NumEditValue, FormatPadsToTheFieldWidth) {
  TNumEditValue v;
  v.SetFloat(3.14);
  EXPECT_EQ(v.FieldWidth(), 9);
  EXPECT_EQ(v.Format(), QStringLiteral("      3.1"));
  v.Digits = 0;
  EXPECT_EQ(v.FieldWidth(), 7);
  EXPECT_EQ(v.Format(), QStringLiteral("      3"));
  v.Digits = 3;
  v.Precision = 4;
  EXPECT_EQ(v.Format(), QStringLiteral("   3.140"));
  v.Digits = -1;
  EXPECT_EQ(v.Format(), QStringLiteral("3.140E+00"));
  EXPECT_EQ(TNumEditValue::ClampDigits(12), 10);
  EXPECT_EQ(TNumEditValue::ClampDigits(-5), -1);
  EXPECT_EQ(TNumEditValue::ClampPrecision(16), 15);
  EXPECT_EQ(TNumEditValue::ClampPrecision(-1), 0);
}

TEST(NumEditValue, LimitsClampAndPullTheValue) {
  TNumEditValue v;
  v.SetFloat(12);
  EXPECT_EQ(v.ValueFloat, 10.0);
  v.SetFloat(2.5);
  EXPECT_EQ(v.ValueInt, 2);  // halves to even
  v.SetFloat(3.5);
  EXPECT_EQ(v.ValueInt, 4);
  EXPECT_TRUE(v.SetMax(3));
  EXPECT_EQ(v.ValueFloat, 3.0);
  EXPECT_FALSE(v.SetMax(5));
  EXPECT_EQ(v.ValueFloat, 3.0);
  EXPECT_TRUE(v.SetMin(4));
  EXPECT_EQ(v.ValueFloat, 4.0);
  EXPECT_FALSE(v.SetMax(4.5));  // a value below the new limit stays
  EXPECT_EQ(v.ValueFloat, 4.0);
  v.SetMax(1);  // never below the lower limit
  EXPECT_EQ(v.ValueMax, 4.0);
  v.SetMin(9);  // never above the upper limit
  EXPECT_EQ(v.ValueMin, 4.0);
  v.SetMax(7.6);
  v.SetInt(100);
  EXPECT_EQ(v.ValueInt, 8);  // the rounded upper limit
  EXPECT_EQ(v.ValueFloat, 8.0);
  v.SetInt(-3);
  EXPECT_EQ(v.ValueInt, 4);
}

TEST(CellEditor, OverwritesCellsAndNeverDeletes) {
  TCellEditor e;
  e.Show(QStringLiteral("      3.0"));
  EXPECT_TRUE(e.Type(QLatin1Char('5'), 9));
  EXPECT_EQ(e.Text(), QStringLiteral("5        "));
  EXPECT_EQ(e.Cursor(), 2);
  e.Left();
  e.Left();
  EXPECT_EQ(e.Cursor(), 1);
  EXPECT_EQ(e.Text(), QStringLiteral("5        "));
  EXPECT_TRUE(e.Type(QLatin1Char('7'), 9));  // not fresh: overwrites in place
  EXPECT_EQ(e.Text(), QStringLiteral("7        "));
  EXPECT_FALSE(e.Type(QLatin1Char('x'), 9));
  for (int i = 0; i < 12; ++i) e.Right();
  EXPECT_EQ(e.Cursor(), 9);
  e.Type(QLatin1Char('1'), 9);
  EXPECT_EQ(e.Text(), QStringLiteral("7       1"));
  EXPECT_EQ(e.Cursor(), 9);
  Formats().DecimalSeparator = QLatin1Char(',');
  EXPECT_TRUE(TCellEditor::Accepts(QLatin1Char(',')));
  Formats().DecimalSeparator = QLatin1Char('.');
  EXPECT_FALSE(TCellEditor::Accepts(QLatin1Char(',')));
  EXPECT_TRUE(TCellEditor::Accepts(QLatin1Char('E')));
}

TEST(CellEditor, JudgesTheEntryAgainstTheLimits) {
  TNumEditValue limits;  // 0..10
  TCellEditor e;
  e.Show(QStringLiteral("      3.1"));
  double v = 0;
  EXPECT_EQ(e.Judge(limits, &v), TNumEntry::Same);  // padding is no change
  const struct {
    const char* typed;
    TNumEntry entry;
  } rows[] = {{"10", TNumEntry::Valid},
              {"0", TNumEntry::Valid},
              {"10.01", TNumEntry::TooLarge},
              {"-1", TNumEntry::TooSmall},
              {"1-2", TNumEntry::NotANumber}};
  for (const auto& row : rows) {
    e.Show(QStringLiteral("      3.1"));
    e.Restart();
    for (const char* c = row.typed; *c; ++c) e.Type(QLatin1Char(*c), 9);
    EXPECT_EQ(e.Judge(limits, &v), row.entry) << row.typed;
  }
}

TEST(NumEdit, DefaultsAndClampingSetters) {
  TNumEdit n;
  EXPECT_EQ(n.Width(), 80);
  EXPECT_EQ(n.Height(), 30);
  EXPECT_EQ(n.LedCol(), clRed);
  EXPECT_EQ(n.ColTxtBack(), clWhite);
  EXPECT_EQ(n.TextBevel(), bvLowered);
  EXPECT_EQ(n.FontColor(), clBlack);
  EXPECT_TRUE(n.TabStop());
  EXPECT_TRUE(n.FontAutom());
  n.SetDigits(12);
  EXPECT_EQ(n.Digits(), 10);
  n.SetDigits(1);
  n.SetValueFloat(4);
  n.SetValueText(QStringLiteral(" 2.5 "));
  EXPECT_EQ(n.ValueFloat(), 2.5);
  n.SetValueText(QStringLiteral("abc"));  // not a number: ignored
  EXPECT_EQ(n.ValueFloat(), 2.5);
  n.SetValueMax(1);
  EXPECT_EQ(n.ValueFloat(), 1.0);
  EXPECT_EQ(n.Editor().Text(), QStringLiteral("      1.0"));  // the pulled value shows at once
  n.SetDigits(2);
  EXPECT_EQ(n.Editor().Text(), QStringLiteral("      1.00"));
}

TEST(NumEdit, TypingAndEnterSetTheValue) {
  Bench b;
  b.edit->SetValueFloat(3);
  QSignalSpy changes(b.edit, &TNumEdit::OnChange);
  b.Focus();
  b.Type("7.25");
  EXPECT_EQ(b.edit->Editor().Text(), QStringLiteral("7.25     "));
  EXPECT_EQ(b.edit->ValueFloat(), 3.0);  // not before Enter
  b.Enter();
  EXPECT_EQ(b.edit->ValueFloat(), 7.25);
  EXPECT_EQ(b.edit->Editor().Text(), QStringLiteral("      7.3"));
  EXPECT_EQ(changes.count(), 1);
  // Backspace goes back a cell and overwrites; it deletes nothing.
  b.Type("\b\b9");  // the cursor stood after "7.25"
  EXPECT_EQ(b.edit->Editor().Text(), QStringLiteral("  9   7.3"));
  QTest::keyClick(b.edit, Qt::Key_X);
  EXPECT_EQ(b.ui.Beeps, 1);
}

TEST(NumEdit, OutOfRangeEntryIsRefusedWithMessageOrClamped) {
  Bench b;
  b.edit->SetValueFloat(3);
  b.edit->SetErrorShow(true);
  QSignalSpy changes(b.edit, &TNumEdit::OnChange);
  b.Focus();
  b.Type("12");
  b.Enter();
  EXPECT_EQ(b.edit->ValueFloat(), 3.0);
  EXPECT_EQ(b.edit->Editor().Text(), QStringLiteral("      3.0"));
  EXPECT_EQ(b.ui.Messages, QStringList{QStringLiteral("Wert zu gross")});
  EXPECT_EQ(b.ui.Beeps, 1);
  SetEnglishMode(true);
  b.Leave();
  b.Focus();
  b.Type("-1");
  b.Enter();
  SetEnglishMode(false);
  EXPECT_EQ(b.ui.Messages.value(1), QStringLiteral("value too small"));
  EXPECT_EQ(changes.count(), 0);

  b.edit->SetErrorShow(false);
  b.Leave();
  b.Focus();
  b.Type("99");
  b.Enter();
  EXPECT_EQ(b.edit->ValueFloat(), 10.0);
  EXPECT_EQ(changes.count(), 1);
}

TEST(NumEdit, TextThatIsNoNumberKeepsTheOldValue) {
  Bench b;
  b.edit->SetValueFloat(3);
  QSignalSpy changes(b.edit, &TNumEdit::OnChange);
  b.Focus();
  b.Type("1-2");
  b.Enter();
  EXPECT_EQ(b.edit->ValueFloat(), 3.0);
  EXPECT_EQ(b.edit->Editor().Text(), QStringLiteral("      3.0"));
  EXPECT_EQ(changes.count(), 0);
}

TEST(NumEdit, LeavingTakesValidEntriesAndHoldsBadOnes) {
  Bench b;
  b.edit->SetValueFloat(3);
  QSignalSpy changes(b.edit, &TNumEdit::OnChange);
  b.Focus();
  b.Type("4");
  b.Leave();
  EXPECT_EQ(b.edit->ValueFloat(), 4.0);
  EXPECT_EQ(changes.count(), 1);
  EXPECT_TRUE(b.other->hasFocus());

  b.Focus();
  b.Type("44");
  b.Leave();
  EXPECT_TRUE(b.edit->hasFocus());  // taken back
  EXPECT_EQ(b.edit->ValueFloat(), 4.0);
  EXPECT_EQ(b.ui.Beeps, 1);

  b.edit->SetErrorExit(true);
  b.Type("44");
  b.Leave();
  EXPECT_TRUE(b.other->hasFocus());
  EXPECT_EQ(b.edit->ValueFloat(), 4.0);
  EXPECT_EQ(b.edit->Editor().Text(), QStringLiteral("      4.0"));
  EXPECT_EQ(changes.count(), 1);
}

TEST(NumEdit, ClickPutsTheCursorOnTheCellUnderThePointer) {
  Bench b;
  b.edit->SetValueFloat(3);
  b.edit->SetUnitText(QStringLiteral("V"));
  b.edit->PaintNow();
  b.Leave();
  // The first press only brings the focus.
  const TRect t = b.edit->Layout().Text;
  QTest::mouseClick(b.edit, Qt::LeftButton, Qt::NoModifier, QPoint(t.Right - 2, t.Top + 3));
  EXPECT_TRUE(b.edit->hasFocus());
  EXPECT_EQ(b.edit->Editor().Cursor(), 1);
  EXPECT_TRUE(b.edit->Editor().Fresh());
  // On the unit: the last cell of the number.
  QTest::mouseClick(b.edit, Qt::LeftButton, Qt::NoModifier, QPoint(t.Right - 2, t.Top + 3));
  EXPECT_EQ(b.edit->Editor().Cursor(), 9);
  EXPECT_FALSE(b.edit->Editor().Fresh());
  QImage scratch(8, 8, QImage::Format_RGB32);
  TCanvas probe(&scratch);
  probe.Font = b.edit->TextFont();
  const int left = t.Right - probe.TextWidth(QStringLiteral("      3.0V"));
  const int cell = probe.TextWidth(QStringLiteral("0"));
  QTest::mouseClick(b.edit, Qt::LeftButton, Qt::NoModifier, QPoint(left + 2 * cell + cell / 2, t.Top + 3));
  EXPECT_EQ(b.edit->Editor().Cursor(), 3);
  // Overwrite the 3 in cell 7; the right button accepts.
  QTest::mouseClick(b.edit, Qt::LeftButton, Qt::NoModifier, QPoint(left + 6 * cell + cell / 2, t.Top + 3));
  b.Type("8");
  QSignalSpy changes(b.edit, &TNumEdit::OnChange);
  QTest::mouseClick(b.edit, Qt::RightButton, Qt::NoModifier, QPoint(left, t.Top + 3));
  EXPECT_EQ(b.edit->ValueFloat(), 8.0);
  EXPECT_EQ(changes.count(), 1);
}

TEST(NumEdit, CursorCellIsInvertedOnlyWhileFocused) {
  Bench b;
  b.edit->SetValueFloat(3);
  b.edit->SetFontAutom(false);
  b.Leave();
  b.edit->PaintNow();
  const TRect t = b.edit->Layout().Text;
  QImage scratch(8, 8, QImage::Format_RGB32);
  TCanvas probe(&scratch);
  probe.Font = b.edit->TextFont();
  const int cell = probe.TextWidth(QStringLiteral("0"));
  const int left = t.Right - 9 * cell;
  // A blank cell: white unfocused, black when it is the cursor.
  const int x = left + cell / 2, y = t.Top + 1;
  EXPECT_EQ(PixelAt(b.edit->SurfaceImage(), x, y), clWhite);
  b.Focus();
  EXPECT_EQ(PixelAt(b.edit->SurfaceImage(), x, y), clBlack);
  EXPECT_EQ(PixelAt(b.edit->SurfaceImage(), x + cell, y), clWhite);
  b.Leave();
  EXPECT_EQ(PixelAt(b.edit->SurfaceImage(), x, y), clWhite);
  b.edit->SetDispInvert(true);
  EXPECT_EQ(PixelAt(b.edit->SurfaceImage(), x, y), clBlack);
}

TEST(NumEdit, LedBlinksWithTheBlinkClock) {
  TNumEdit n;
  n.SetLedEnable(true);
  n.SetLedCol(clLime);
  n.PaintNow();
  const TRect led = n.Layout().Led;
  ASSERT_FALSE(led.IsEmpty());
  const int cx = (led.Left + led.Right) / 2, cy = (led.Top + led.Bottom) / 2;
  EXPECT_EQ(PixelAt(n.SurfaceImage(), cx, cy), TColor(0x006000));
  n.SetLedOn(true);
  EXPECT_EQ(PixelAt(n.SurfaceImage(), cx, cy), clLime);
  n.SetLedBlink(true);
  // The lamp shows BlinkState xor LedOn at each call, once every 7 ticks.
  const auto lamp = [&] { return PixelAt(n.SurfaceImage(), cx, cy); };
  for (int i = 0; i < 7; ++i) TimerTick();
  const TColor first = lamp();
  for (int i = 0; i < 7; ++i) TimerTick();
  const TColor second = lamp();
  EXPECT_NE(first, second);
  EXPECT_TRUE(first == clLime || first == TColor(0x006000));
  EXPECT_TRUE(second == clLime || second == TColor(0x006000));
  n.SetLedBlink(false);
  for (int i = 0; i < 14; ++i) TimerTick();
  EXPECT_EQ(lamp(), clLime);
}

TEST(NumEdit, LayoutMarginsLedAndBevel) {
  const TRect inner(4, 4, 156, 46);  // 160 x 50 with a 4-pixel frame
  const TCellFieldLayout plain = CellFieldLayout(inner, 160, 50, clWhite, false, bvLowered);
  // Margin: 4 % of the inner height (wider than high), 1.68 -> 2.
  EXPECT_EQ(plain.TextFrame, TRect(6, 6, 154, 44));
  EXPECT_EQ(plain.Text, TRect(7, 7, 153, 43));
  const TCellFieldLayout flush = CellFieldLayout(inner, 160, 50, clSilver, true, bvNone);
  // LED: 42 * 5 / 10 - 1 = 20 wide, gap max(2, 4) = 4.
  EXPECT_EQ(flush.Led, TRect(4, 4, 24, 46));
  EXPECT_EQ(flush.Text, TRect(28, 4, 156, 46));
  TFont f;
  f.Height = -11;
  FitCellFont(f, 30);
  EXPECT_GE(30, int(std::lround(1.1 * -f.Height)));
  EXPECT_GT(int(std::lround(1.1 * (-f.Height + 2))), 30);
}

TEST(NumEdit, StoredFormKeepsValuesAsWritten) {
  RegisterMiscClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TNumEdit" name="Edit">
   <property name="ValueFloat"><double>25</double></property>
   <property name="ValueMax"><double>30</double></property>
   <property name="UnitText"><string>mV</string></property>
   <property name="TextBevel"><enum>bvRaised</enum></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* edit = form->findChild<TNumEdit*>("Edit");
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->ValueFloat(), 25.0);  // set before its limit, not clamped
  EXPECT_EQ(edit->UnitText(), QStringLiteral("mV"));
  EXPECT_EQ(edit->TextBevel(), bvRaised);
}
