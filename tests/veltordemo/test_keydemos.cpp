#include "buttons/textspin.h"
#include "demodialog.h"
#include "foundation/numformat.h"
#include "foundation/smarttimer.h"
#include "foundation/tickregistry.h"
#include "host/radiogroup.h"
#include "keydemos.h"
#include "misc/keypad.h"
#include "misc/misctypes.h"
#include "misc/numedit.h"
#include "potis/poti270.h"
#include "text/stroke.h"

#include "dialogtest.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWheelEvent>

using namespace Veltor;
using namespace VeltorDemo;
using namespace DemoTest;

namespace {

// Opened and shown; numbers with a decimal point, whatever an earlier test
// of the process switched to.
std::unique_ptr<QDialog> Open(const char* name) {
  RegisterDemoClasses();
  Formats().DecimalSeparator = QLatin1Char('.');
  std::unique_ptr<QDialog> dialog = CreateDemoDialog(QLatin1String(name));
  dialog->show();
  EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
  return dialog;
}

QString LabelText(const QDialog& dialog, const char* name) {
  return dialog.findChild<QLabel*>(QLatin1String(name))->text();
}

TEST(KeyDemos, ControlsLandInTheRightProperty) {
  VeltorTest::ScriptedModalUI ui;
  const std::vector<HandlerRow> rows = {
      {"TJoyStickDemo", "TextSpin1", 3, "JoyStick1", "RepSpeed", 500},
      {"TJoyStickDemo", "RastCenterCheck", true, "JoyStick1", "RastCenter", true},
      {"TJoyStickDemo", "LockModeCheck", true, "JoyStick1", "LockMode", true},
      {"TLeftRightDemo", "TextSpin1", 0, "LeftRightT1", "RepSpeed", 0},
      {"TLeftRightDemo", "AllowAllUpCheck", false, "LeftRightT1", "AllowAllUp", false},
      {"TUpDownDemo", "TextSpin1", 5, "UpDownT1", "RepSpeed", 2500},
      {"TNumEditDemo", "Poti2701", 20.5, "NumEdit1", "ValueFloat", 20.5},
      {"TNumEditDemo", "Poti2701", 20.5, "ValueLabel", "text", QStringLiteral("Spannung: 20.50 V")},
      {"TNumEditDemo", "NumEdit1", 7.0, "Poti2701", "Value", 7.0},
      {"TNumEditDemo", "NumEdit4", 81.0, "NumEdit4", "LedBlink", true},
      {"TNumEditDemo", "NumEdit4", 80.0, "NumEdit4", "LedOn", false},
      {"TNumEditDemo", "NumEdit4", -5.0, "ValueLabel", "text", QStringLiteral("Temperatur: -5.0 °C")},
      {"TNumEditDemo", "ErrorShowCheck", true, "NumEdit3", "ErrorShow", true},
      {"TNumEditDemo", "InvertCheck", true, "NumEdit2", "DispInvert", true},
      {"TStrokeTextDlg", "NumEdit1", 25.0, "Stroke1", "SizeX", 25},
      {"TStrokeTextDlg", "NumEdit2", 80.0, "Stroke1", "SizeY", 80},
      {"TStrokeTextDlg", "NumEdit3", -30.0, "Stroke1", "Rotate", -30},
      {"TStrokeTextDlg", "NumEdit4", 7.0, "Stroke1", "Bold", 7},
      {"TStrokeTextDlg", "TextEdit", QStringLiteral("Hallo"), "Stroke1", "sString", QStringLiteral("Hallo")},
      {"TStrokeTextDlg", "JustifyGroup", 2, "Stroke1", "JustifyHor", int(stRight)},
      {"TStrokeTextDlg", "JustifyGroup", 0, "Stroke1", "JustifyHor", int(stLeft)},
      {"TStrokeTextDlg", "ColorGroup", 2, "Stroke1", "Color", QVariant::fromValue(TColor(clBlue))},
      {"TStrokeTextDlg", "MirrorCheck", true, "Stroke1", "Mirror", true},
      {"TStrokeTextDlg", "ItalicCheck", true, "Stroke1", "Italic", true},
      {"TRotLabelDemo", "TextSpin1", 3, "SmartTimer1", "Time", 500},
      {"TRotLabelDemo", "TurnCheck", false, "SmartTimer1", "TimerMode", int(TSmartTimer::tmStopped)},
      {"TRotLabelDemo", "StyleGroup", 3, "RotLabel1", "rlStyle3D", int(rlShadowed)},
      {"TRotLabelDemo", "StyleGroup", 0, "RotLabel1", "rlStyle3D", int(rlNormal)},
      {"TRotLabelDemo", "TransparentCheck", false, "RotLabel1", "rlTransparent", false},
      {"TRotLabelDemo", "CaptionEdit", QStringLiteral("Neu"), "RotLabel1", "Caption", QStringLiteral("Neu")},
      {"TSliderDemo", "TextSpin1", 4, "Slider12", "DragDelay", 10},
      {"TSliderDemo", "TextSpin1", 4, "Slider1", "DragDelay", 10},
      {"TSliderDemo", "ScalaCheck", false, "Slider7", "ScalaShow", false},
  };
  ExpectHandlerRows(rows, Open);
}

void Press(TKeypad* pad, int key) {
  QTest::mousePress(pad, Qt::LeftButton, Qt::NoModifier, pad->Layout().Keys[std::size_t(key)].ToQRect().center());
}

void Release(TKeypad* pad, int key) {
  QTest::mouseRelease(pad, Qt::LeftButton, Qt::NoModifier, pad->Layout().Keys[std::size_t(key)].ToQRect().center());
}

void Click(TKeypad* pad, int key) {
  Press(pad, key);
  Release(pad, key);
}

// Latching keys: each click reports the key, its state and the mask; the
// direction keys move the cursor, the centre key brings it home.
TEST(KeyDemos, JoyStickReportsItsKeysAndMovesTheCursor) {
  VeltorTest::ScriptedModalUI ui;
  std::unique_ptr<QDialog> dialog = Open("TJoyStickDemo");
  auto* demo = qobject_cast<TKeypadDemo*>(dialog.get());
  auto* pad = dialog->findChild<TKeypad*>(QStringLiteral("JoyStick1"));
  Click(pad, 1);  // up
  EXPECT_EQ(LabelText(*dialog, "KeyLabel"), QStringLiteral("Taste B gedrückt"));
  EXPECT_EQ(LabelText(*dialog, "StatusLabel"), QStringLiteral("ButtonStatus: 000000010"));
  EXPECT_EQ(demo->Position(), QPoint(0, 1));
  Click(pad, 1);
  EXPECT_EQ(LabelText(*dialog, "KeyLabel"), QStringLiteral("Taste b losgelassen"));
  EXPECT_EQ(LabelText(*dialog, "StatusLabel"), QStringLiteral("ButtonStatus: 000000000"));
  EXPECT_EQ(demo->Position(), QPoint(0, 1));
  Click(pad, 8);  // down-right
  EXPECT_EQ(LabelText(*dialog, "KeyLabel"), QStringLiteral("Taste I gedrückt"));
  EXPECT_EQ(demo->Position(), QPoint(1, 0));
  Click(pad, 3);  // left, while down-right still latches: both move
  EXPECT_EQ(demo->Position(), QPoint(1, -1));
  EXPECT_EQ(LabelText(*dialog, "PositionLabel"), QStringLiteral("X: 1   Y: -1"));
  EXPECT_EQ(LabelText(*dialog, "EventLabel"), QStringLiteral("OnDown: 3   OnUp: 1"));
  Click(pad, TJoyStick::kCentre);
  EXPECT_EQ(LabelText(*dialog, "KeyLabel"), QStringLiteral("Taste e losgelassen"));
  EXPECT_EQ(demo->Position(), QPoint(0, 0));
}

// A held key moves at once, again after the first repeat delay (9 ticks),
// then every 100 ms (2 ticks), never past the end; releasing stops it.
TEST(KeyDemos, HeldKeysRepeatTheirMoveUntilReleased) {
  VeltorTest::ScriptedModalUI ui;
  std::unique_ptr<QDialog> dialog = Open("TLeftRightDemo");
  auto* demo = qobject_cast<TKeypadDemo*>(dialog.get());
  auto* pad = dialog->findChild<TKeypad*>(QStringLiteral("LeftRightT1"));
  auto* bar = dialog->findChild<QProgressBar*>(QStringLiteral("PositionBar"));
  Press(pad, 1);  // right
  EXPECT_EQ(demo->Position().x(), 1);
  for (int i = 0; i < 8; ++i) TimerTick();
  EXPECT_EQ(demo->Position().x(), 1);
  TimerTick();
  EXPECT_EQ(demo->Position().x(), 2);
  TimerTick();
  TimerTick();
  EXPECT_EQ(demo->Position().x(), 3);
  EXPECT_EQ(bar->value(), 3);
  Release(pad, 1);
  EXPECT_EQ(LabelText(*dialog, "KeyLabel"), QStringLiteral("Taste r losgelassen"));
  for (int i = 0; i < 20; ++i) TimerTick();
  EXPECT_EQ(demo->Position().x(), 3);
  Press(pad, 0);  // left, held to the end of the range
  for (int i = 0; i < 300; ++i) TimerTick();
  Release(pad, 0);
  EXPECT_EQ(demo->Position(), QPoint(-TKeypadDemo::kRange, 0));
  EXPECT_EQ(LabelText(*dialog, "PositionLabel"), QStringLiteral("Position: -50"));
}

TEST(KeyDemos, UpDownKeysMoveAlongTheStandingBar) {
  VeltorTest::ScriptedModalUI ui;
  std::unique_ptr<QDialog> dialog = Open("TUpDownDemo");
  auto* pad = dialog->findChild<TKeypad*>(QStringLiteral("UpDownT1"));
  auto* bar = dialog->findChild<QProgressBar*>(QStringLiteral("PositionBar"));
  Click(pad, 0);
  Click(pad, 0);
  EXPECT_EQ(bar->value(), 2);
  EXPECT_EQ(LabelText(*dialog, "KeyLabel"), QStringLiteral("Taste u losgelassen"));
  Click(pad, 1);
  EXPECT_EQ(bar->value(), 1);
  EXPECT_EQ(LabelText(*dialog, "EventLabel"), QStringLiteral("OnDown: 3   OnUp: 3"));
}

// Each period turns the label by the step; closing the dialog stops the
// timer before the dialog is freed.
TEST(KeyDemos, TimerTurnsTheLabelByTheStepAndStopsOnClose) {
  VeltorTest::ScriptedModalUI ui;
  std::unique_ptr<QDialog> dialog = Open("TRotLabelDemo");
  auto* label = dialog->findChild<QObject*>(QStringLiteral("RotLabel1"));
  auto* timer = dialog->findChild<TSmartTimer*>(QStringLiteral("SmartTimer1"));
  TimerTick();
  TimerTick();
  EXPECT_EQ(label->property("rlAngle").toInt(), 5);
  Operate(dialog->findChild<QObject*>(QStringLiteral("TextSpin2")), 0);  // -15 degrees
  EXPECT_EQ(qobject_cast<TRotLabelDemo*>(dialog.get())->Step(), -15);
  TimerTick();
  TimerTick();
  EXPECT_EQ(label->property("rlAngle").toInt(), 350);
  EXPECT_EQ(LabelText(*dialog, "AngleLabel"), QStringLiteral("Winkel: 350°"));
  dialog->findChild<QPushButton*>(QStringLiteral("CloseBtn"))->click();
  EXPECT_EQ(timer->TimerMode(), TSmartTimer::tmStopped);
  for (int i = 0; i < 10; ++i) TimerTick();
  EXPECT_EQ(label->property("rlAngle").toInt(), 350);
}

// Typed and accepted with Enter, the voltage reaches the pot.
TEST(KeyDemos, AnEntryTypedIntoTheVoltageFieldTurnsThePot) {
  VeltorTest::ScriptedModalUI ui;
  std::unique_ptr<QDialog> dialog = Open("TNumEditDemo");
  auto* edit = dialog->findChild<TNumEdit*>(QStringLiteral("NumEdit1"));
  edit->setFocus();
  QTest::keyClicks(edit, QStringLiteral("25.5"));
  QTest::keyClick(edit, Qt::Key_Return);
  EXPECT_EQ(dialog->findChild<TPoti270*>(QStringLiteral("Poti2701"))->Value(), 25.5);
  EXPECT_EQ(LabelText(*dialog, "ValueLabel"), QStringLiteral("Spannung: 25.50 V"));
}

void WheelUp(QWidget* w) {
  const QPointF at = QRectF(w->rect()).center();
  QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                false);
  QApplication::sendEvent(w, &e);
}

// The slider moved last is read out, a selector with its position.
TEST(KeyDemos, TheSliderMovedLastIsReadOut) {
  VeltorTest::ScriptedModalUI ui;
  std::unique_ptr<QDialog> dialog = Open("TSliderDemo");
  WheelUp(dialog->findChild<QWidget*>(QStringLiteral("Slider3")));
  EXPECT_EQ(LabelText(*dialog, "ValueLabel"), QStringLiteral("Slider3: 80.0"));
  WheelUp(dialog->findChild<QWidget*>(QStringLiteral("Slider10")));
  EXPECT_EQ(LabelText(*dialog, "ValueLabel"), QStringLiteral("Slider10: 80.0 (Stellung 4)"));
}

}  // namespace
