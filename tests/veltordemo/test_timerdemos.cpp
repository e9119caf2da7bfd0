#include "buttons/boxline.h"
#include "buttons/ledbutton.h"
#include "buttons/ledcheck.h"
#include "buttons/multibmp.h"
#include "buttons/pictbutton.h"
#include "buttons/textspin.h"
#include "foundation/smarttimer.h"
#include "foundation/tickregistry.h"
#include "misc/numedit.h"
#include "potis/slider.h"
#include "segments/ctrltimer.h"
#include "segments/spin7seg.h"
#include "timerdemos.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWheelEvent>

using namespace Veltor;
using namespace VeltorDemo;

namespace {

template <typename Dialog>
std::unique_ptr<Dialog> Open(const char* name) {
  RegisterDemoClasses();
  std::unique_ptr<QDialog> dialog = CreateDemoDialog(QLatin1String(name));
  auto* typed = qobject_cast<Dialog*>(dialog.get());
  EXPECT_TRUE(typed) << name;
  dialog.release();
  std::unique_ptr<Dialog> result(typed);
  result->show();
  return result;
}

template <typename T>
T* Find(QObject* dialog, const QString& name) {
  T* child = dialog->findChild<T*>(name);
  EXPECT_TRUE(child) << name.toStdString();
  return child;
}

void ClickAt(QWidget* w, QPoint at) {
  QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, at);
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, at);
}

void Click(QWidget* w) { ClickAt(w, w->rect().center()); }

// One notch of the mouse wheel: the same user step a button click makes.
void Wheel(QWidget* w, bool up) {
  const QPointF at = QRectF(w->rect()).center();
  QWheelEvent e(at, w->mapToGlobal(at), QPoint(), QPoint(0, up ? 120 : -120), Qt::NoButton, Qt::NoModifier,
                Qt::NoScrollPhase, false);
  QApplication::sendEvent(w, &e);
}

void Ticks(int n) {
  for (int i = 0; i < n; ++i) TimerTick();
}

// Sets a spinner's entry as a click would and fires its change.
void Spin(QObject* dialog, const char* name, int position) {
  auto* spin = Find<TCustomSpin>(dialog, QLatin1String(name));
  spin->SetPosition(position);
  emit spin->onChanging(spin);
}

// ------------------------------------------------------------ TBoxLineDemo

// The byte is everywhere at once: both wheels, both box lines, all sixteen
// LEDs (bits 0..7 of the row, then of the column).
void ExpectByteShown(TBoxLineDemo* d, int byte) {
  EXPECT_EQ(d->Byte(), byte);
  EXPECT_EQ(Find<TSpin7Seg>(d, QStringLiteral("Spin7Seg1"))->ValueInt(), byte >> 4);
  EXPECT_EQ(Find<TSpin7Seg>(d, QStringLiteral("Spin7Seg2"))->ValueInt(), byte & 15);
  EXPECT_EQ(Find<TBoxLine>(d, QStringLiteral("BoxLine1"))->BoxStatByte(), byte);
  EXPECT_EQ(Find<TBoxLine>(d, QStringLiteral("BoxLine2"))->BoxStatByte(), byte);
  for (int led = 1; led <= 16; ++led) {
    const bool bit = (byte >> ((led - 1) % 8)) & 1;
    EXPECT_EQ(Find<TLedCheck>(d, QStringLiteral("LedCheck%1").arg(led))->Checked(), bit) << "LED " << led;
  }
}

TEST(BoxLineDemo, LowWheelCarriesIntoAndBorrowsFromTheHighWheel) {
  VeltorTest::ScriptedModalUI ui;
  auto d = Open<TBoxLineDemo>("TBoxLineDemo");
  ExpectByteShown(d.get(), 0x3C);
  EXPECT_EQ(Find<QLabel>(d.get(), QStringLiteral("ValueLabel"))->text(), QStringLiteral("Wert: $3C = 60 = 00111100b"));
  struct Row {
    int Start;
    const char* Wheel;
    bool Up;
    int Expected;
  };
  const Row rows[] = {
      {0x0F, "Spin7Seg2", true, 0x10},  {0x10, "Spin7Seg2", false, 0x0F}, {0xFF, "Spin7Seg2", true, 0x00},
      {0x00, "Spin7Seg2", false, 0xFF}, {0x3C, "Spin7Seg2", true, 0x3D},  {0x3C, "Spin7Seg2", false, 0x3B},
      {0x3C, "Spin7Seg1", true, 0x4C},  {0xF0, "Spin7Seg1", true, 0x00},  {0x05, "Spin7Seg1", false, 0xF5},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(
        QStringLiteral("%1 %2 %3").arg(row.Start, 2, 16).arg(QLatin1String(row.Wheel)).arg(row.Up).toStdString());
    d->SetByte(row.Start);
    ExpectByteShown(d.get(), row.Start);
    Wheel(Find<TSpin7Seg>(d.get(), QLatin1String(row.Wheel)), row.Up);
    ExpectByteShown(d.get(), row.Expected);
  }
}

TEST(BoxLineDemo, ClickOnABoxOrAnLedTogglesItsBit) {
  VeltorTest::ScriptedModalUI ui;
  auto d = Open<TBoxLineDemo>("TBoxLineDemo");
  d->SetByte(0x3C);
  auto* row = Find<TBoxLine>(d.get(), QStringLiteral("BoxLine1"));
  auto* column = Find<TBoxLine>(d.get(), QStringLiteral("BoxLine2"));
  auto boxCentre = [](TBoxLine* line, int bit) {
    const TRect r = line->Layout().Boxes[std::size_t(bit)].Box;
    return QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  };
  ClickAt(row, boxCentre(row, 0));
  ExpectByteShown(d.get(), 0x3D);
  ClickAt(column, boxCentre(column, 7));
  ExpectByteShown(d.get(), 0xBD);
  Click(Find<TLedCheck>(d.get(), QStringLiteral("LedCheck3")));  // bit 2 of the row
  ExpectByteShown(d.get(), 0xB9);
  Click(Find<TLedCheck>(d.get(), QStringLiteral("LedCheck10")));  // bit 1 of the column
  ExpectByteShown(d.get(), 0xBB);
}

// Each LED sits beside its own box: under the row's, right of the column's.
TEST(BoxLineDemo, LedsLineUpWithTheirBoxes) {
  VeltorTest::ScriptedModalUI ui;
  auto d = Open<TBoxLineDemo>("TBoxLineDemo");
  auto* row = Find<TBoxLine>(d.get(), QStringLiteral("BoxLine1"));
  auto* column = Find<TBoxLine>(d.get(), QStringLiteral("BoxLine2"));
  for (int bit = 0; bit < 8; ++bit) {
    const TRect r = row->Layout().Boxes[std::size_t(bit)].Box;
    const QRect led = Find<QWidget>(d.get(), QStringLiteral("LedCheck%1").arg(bit + 1))->geometry();
    EXPECT_EQ(led.center().x() - row->x(), (r.Left + r.Right) / 2 - 1) << bit;
    EXPECT_GT(led.top(), row->geometry().bottom());
    const TRect c = column->Layout().Boxes[std::size_t(bit)].Box;
    const QRect led2 = Find<QWidget>(d.get(), QStringLiteral("LedCheck%1").arg(bit + 9))->geometry();
    EXPECT_EQ(led2.center().y() - column->y(), (c.Top + c.Bottom) / 2 - 1) << bit;
    EXPECT_GT(led2.left(), column->geometry().right());
  }
}

// ------------------------------------------------------------ TCtrlTimDemo

constexpr int kTicksPerSecond = 18;

void PressTimerButton(TCtrlTimer* timer, int index) {
  const TRect r = timer->Geometry().Buttons[std::size_t(index)];
  ClickAt(timer, QPoint((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
}

// Which of the four picture buttons are lit: the second line and blinking.
void ExpectLit(QObject* d, std::array<bool, 4> lit) {
  for (int i = 0; i < 4; ++i) {
    auto* b = Find<TPictButton>(d, QStringLiteral("PictButton%1").arg(i + 1));
    const QString line = !lit[std::size_t(i)] ? QString()
                         : i < 3              ? TCtrlTimDemo::TriggeredLine()
                                              : TCtrlTimDemo::ElapsedLine();
    EXPECT_EQ(b->Text1(), line) << "button " << i + 1;
    EXPECT_EQ(b->BlinkOn(), lit[std::size_t(i)]) << "button " << i + 1;
  }
}

// Start 10 s, triggers at 8, 5 and 2 s left; elapsed one step after zero.
TEST(CtrlTimDemo, TriggersAndElapsedLightTheirButtonsAndResetClearsThem) {
  VeltorTest::ScriptedModalUI ui;
  auto d = Open<TCtrlTimDemo>("TCtrlTimDemo");
  auto* timer = Find<TCtrlTimer>(d.get(), QStringLiteral("CtrlTimer1"));
  EXPECT_EQ(TCtrlTimDemo::TriggeredLine(), QStringLiteral("\ttriggered"));
  PressTimerButton(timer, 0);  // RUN
  ASSERT_EQ(timer->Mode(), SegmentEnums::run);
  Ticks(2 * kTicksPerSecond - 1);
  ExpectLit(d.get(), {false, false, false, false});
  Ticks(1);
  ExpectLit(d.get(), {true, false, false, false});
  Ticks(3 * kTicksPerSecond);
  ExpectLit(d.get(), {true, true, false, false});
  Ticks(3 * kTicksPerSecond);
  ExpectLit(d.get(), {true, true, true, false});
  Ticks(3 * kTicksPerSecond);
  EXPECT_EQ(timer->Mode(), SegmentEnums::elapsed);
  ExpectLit(d.get(), {true, true, true, true});
  EXPECT_EQ(Find<TPictButton>(d.get(), QStringLiteral("PictButton4"))->Text1(), QStringLiteral("\telapsed"));
  PressTimerButton(timer, 2);  // RESET
  EXPECT_EQ(timer->Mode(), SegmentEnums::reset);
  ExpectLit(d.get(), {false, false, false, false});
}

// The window's close box, Escape and the Close button all reset the timer,
// which clears the buttons.
TEST(CtrlTimDemo, EveryWayOfClosingResetsTheTimer) {
  VeltorTest::ScriptedModalUI ui;
  const std::function<void(QDialog*)> closings[] = {
      [](QDialog* d) { d->close(); },
      [](QDialog* d) { d->reject(); },
      [](QDialog* d) { d->findChild<QPushButton*>(QStringLiteral("CloseBtn"))->click(); },
  };
  for (std::size_t i = 0; i < std::size(closings); ++i) {
    SCOPED_TRACE(i);
    auto d = Open<TCtrlTimDemo>("TCtrlTimDemo");
    auto* timer = Find<TCtrlTimer>(d.get(), QStringLiteral("CtrlTimer1"));
    PressTimerButton(timer, 0);
    Ticks(2 * kTicksPerSecond);
    ExpectLit(d.get(), {true, false, false, false});
    closings[i](d.get());
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(timer->Mode(), SegmentEnums::reset);
    ExpectLit(d.get(), {false, false, false, false});
  }
}

TEST(CtrlTimDemo, CompanionsSetResolutionColoursAndItalic) {
  VeltorTest::ScriptedModalUI ui;
  auto d = Open<TCtrlTimDemo>("TCtrlTimDemo");
  auto* timer = Find<TCtrlTimer>(d.get(), QStringLiteral("CtrlTimer1"));
  Spin(d.get(), "TextSpin1", 5);
  EXPECT_EQ(timer->Resolution(), SegmentEnums::tcHHMMSS);
  EXPECT_EQ(timer->StartTime()->ValueSeconds(), 10);  // the demo's times come back
  EXPECT_EQ(timer->Trigger3()->ValueSeconds(), 2);
  Spin(d.get(), "TextSpin1", 3);
  EXPECT_EQ(timer->Resolution(), SegmentEnums::tcHHMM);
  EXPECT_EQ(timer->StartTime()->ValueSeconds(), 0);
  Spin(d.get(), "TextSpin2", 2);
  EXPECT_EQ(timer->ColSegm(), TColor(clRed));
  Spin(d.get(), "TextSpin3", 3);
  EXPECT_EQ(timer->ColBack(), TColor(clGray));
  Click(Find<TLedCheck>(d.get(), QStringLiteral("LedCheck1")));
  EXPECT_TRUE(timer->DispItalic());
}

// ----------------------------------------------------------- TSmartTimeDemo

TEST(SmartTimeDemo, SpinnersSetTheTimerAndCountedCyclesStopIt) {
  VeltorTest::ScriptedModalUI ui;
  auto d = Open<TSmartTimeDemo>("TSmartTimeDemo");
  auto* timer = Find<TSmartTimer>(d.get(), QStringLiteral("SmartTimer1"));
  Spin(d.get(), "TextSpin1", 2);
  EXPECT_EQ(timer->TimerMode(), TSmartTimer::tmBlinking);
  Spin(d.get(), "TextSpin1", 0);
  EXPECT_EQ(timer->TimerMode(), TSmartTimer::tmStopped);
  Spin(d.get(), "TextSpin2", 0);
  EXPECT_EQ(timer->Time(), 50);  // one event per tick
  Spin(d.get(), "TextSpin3", 1);
  EXPECT_EQ(timer->Cycles(), 3);
  const int eventsBefore = d->Events();
  Spin(d.get(), "TextSpin1", 3);
  EXPECT_EQ(timer->TimerMode(), TSmartTimer::tmIterate);
  Ticks(10);
  EXPECT_EQ(d->Events() - eventsBefore, 3);
  EXPECT_EQ(timer->TimerMode(), TSmartTimer::tmStopped);
  auto caption = [&](int i) { return Find<QWidget>(d.get(), QStringLiteral("Bevel3D%1").arg(i))->property("Caption"); };
  EXPECT_EQ(caption(1), QStringLiteral("Modus: gestoppt"));
  EXPECT_EQ(caption(3), QStringLiteral("Zyklen: 0"));
  EXPECT_EQ(caption(4), QStringLiteral("Ereignisse: %1").arg(d->Events()));
  // Choosing the counting mode again counts the spinner's cycles afresh, and
  // so does the restart.
  Spin(d.get(), "TextSpin1", 0);
  Spin(d.get(), "TextSpin1", 3);
  Ticks(10);
  EXPECT_EQ(d->Events() - eventsBefore, 6);
  d->findChild<QPushButton*>(QStringLiteral("RestartBtn"))->click();
  EXPECT_EQ(d->Events(), 0);
  Ticks(10);
  EXPECT_EQ(d->Events(), 3);
}

TEST(SmartTimeDemo, EachEventMovesTheRunningLightOneButtonOn) {
  VeltorTest::ScriptedModalUI ui;
  auto d = Open<TSmartTimeDemo>("TSmartTimeDemo");
  Spin(d.get(), "TextSpin2", 0);  // 50 ms: every tick
  for (int step = 1; step <= 5; ++step) {
    Ticks(1);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(Find<TLedButton>(d.get(), QStringLiteral("LedButton%1").arg(i + 1))->LedOn(), i == step % 4)
          << "step " << step << " button " << i + 1;
    }
  }
}

// ----------------------------------------------------------- TSerieSpinDemo

TEST(SerieSpinDemo, PreferredValuesAndColourBands) {
  EXPECT_EQ(PreferredValues(3), (std::vector<int>{10, 22, 47}));
  EXPECT_EQ(PreferredValues(6), (std::vector<int>{10, 15, 22, 33, 47, 68}));
  EXPECT_EQ(PreferredValues(24).size(), 24u);
  EXPECT_EQ(SeriesEntries(3).at(2), QStringLiteral("4.7|47|4.7"));
  const QColor gold(0xd4, 0xaf, 0x37), brown(0x8b, 0x45, 0x13);
  // 4.7 kOhm 5 %: yellow, violet, red, gold.
  const auto bands = ResistorBands(47, 2, 5);
  EXPECT_EQ(bands[0], QColor(Qt::yellow));
  EXPECT_EQ(bands[1], QColor(0x8a, 0x2b, 0xe2));
  EXPECT_EQ(bands[2], QColor(Qt::red));
  EXPECT_EQ(bands[3], gold);
  // 1.0 Ohm 1 %: brown, black, gold multiplier, brown.
  const auto small = ResistorBands(10, -1, 1);
  EXPECT_EQ(small[0], brown);
  EXPECT_EQ(small[1], QColor(Qt::black));
  EXPECT_EQ(small[2], gold);
  EXPECT_EQ(small[3], brown);
}

TEST(SerieSpinDemo, SeriesKeepTheNearestValueAndTheFieldShowsTheResistance) {
  VeltorTest::ScriptedModalUI ui;
  auto d = Open<TSerieSpinDemo>("TSerieSpinDemo");
  auto* values = Find<TCustomSpin>(d.get(), QStringLiteral("SerieSpin1"));
  auto* ohms = Find<TNumEdit>(d.get(), QStringLiteral("NumEdit1"));
  EXPECT_EQ(d->SeriesShown(), 12);
  EXPECT_EQ(values->PosString(), QStringLiteral("4.7"));
  EXPECT_EQ(ohms->ValueFloat(), 4700.0);
  Spin(d.get(), "SerieSpin1", 7);  // 3.9
  Spin(d.get(), "SerieSpin2", 0);  // x 1
  EXPECT_DOUBLE_EQ(ohms->ValueFloat(), 3.9);
  Spin(d.get(), "SerieSpin2", 6);  // x 1M
  EXPECT_DOUBLE_EQ(ohms->ValueFloat(), 3.9e6);
  Click(Find<TLedCheck>(d.get(), QStringLiteral("LedCheck2")));  // E6: 3.3 is nearer than 4.7
  EXPECT_EQ(d->SeriesShown(), 6);
  EXPECT_EQ(values->Count(), 6);
  EXPECT_EQ(values->PosString(), QStringLiteral("3.3"));
  EXPECT_DOUBLE_EQ(ohms->ValueFloat(), 3.3e6);
  Click(Find<TLedCheck>(d.get(), QStringLiteral("LedCheck4")));  // E24 has 3.3 as well
  EXPECT_EQ(values->PosString(), QStringLiteral("3.3"));
  Click(Find<TLedCheck>(d.get(), QStringLiteral("LedCheck5")));
  EXPECT_TRUE(Find<TCustomSpin>(d.get(), QStringLiteral("SerieSpin4"))->Limiter());
  auto* slider = Find<TSlider>(d.get(), QStringLiteral("Slider1"));
  slider->SetValue(350);
  emit slider->OnChanging(slider);
  EXPECT_EQ(Find<TCustomSpin>(d.get(), QStringLiteral("SerieSpin3"))->RepSpeed(), 350);
}

// ------------------------------------------------------------ TLedCheckDemo

TEST(LedCheckDemo, RadioGroupsSwitchesAndOptionsReachTheirTargets) {
  VeltorTest::ScriptedModalUI ui;
  auto d = Open<TLedCheckDemo>("TLedCheckDemo");
  auto led = [&](int i) { return Find<TLedCheck>(d.get(), QStringLiteral("LedCheck%1").arg(i)); };
  auto picture = [&](int i) { return Find<TMultiBmp>(d.get(), QStringLiteral("MultiBmp%1").arg(i)); };
  Click(led(9));  // green
  EXPECT_EQ(picture(3)->GlyphSel(), 3);
  EXPECT_FALSE(led(7)->Checked());
  Click(led(8));
  EXPECT_EQ(picture(3)->GlyphSel(), 2);
  Click(led(11));  // square LEDs
  EXPECT_EQ(led(20)->LedShape(), ledRectangle);
  Click(led(13));  // lowered ring
  EXPECT_EQ(led(1)->LedBevel(), bvLowered);
  Click(led(14));
  EXPECT_EQ(led(5)->LedBevel(), bvNone);
  Click(led(1));  // the lamp
  EXPECT_EQ(picture(1)->GlyphSel(), 2);
  Click(led(2));  // the fan stops
  EXPECT_FALSE(picture(2)->Animate());
  Click(led(15));
  EXPECT_TRUE(led(6)->LedBlink());
  EXPECT_FALSE(led(15)->LedBlink());
  Click(led(18));
  EXPECT_EQ(led(3)->Caption1(), QStringLiteral("Heizung an"));
  Click(led(19));  // all on
  for (int i = 1; i <= TLedCheckDemo::kSwitches; ++i) EXPECT_TRUE(led(i)->Checked()) << i;
  EXPECT_TRUE(picture(2)->Animate());
  Click(led(20));  // all off
  for (int i = 1; i <= TLedCheckDemo::kSwitches; ++i) EXPECT_FALSE(led(i)->Checked()) << i;
  EXPECT_EQ(picture(1)->GlyphSel(), 1);
  auto* slider = Find<TSlider>(d.get(), QStringLiteral("Slider1"));
  slider->SetValue(10);
  emit slider->OnChanging(slider);
  EXPECT_EQ(led(17)->LedSize(), 10);
}

// ------------------------------------------------------------ TMultiBmpDemo

TEST(MultiBmpDemo, LampGroupTimerStepsAndChecks) {
  VeltorTest::ScriptedModalUI ui;
  auto d = Open<TMultiBmpDemo>("TMultiBmpDemo");
  auto bmp = [&](int i) { return Find<TMultiBmp>(d.get(), QStringLiteral("MultiBmp%1").arg(i)); };
  Click(bmp(11));
  EXPECT_EQ(bmp(11)->GlyphSel(), 2);
  EXPECT_EQ(bmp(9)->GlyphSel(), 1);
  EXPECT_FALSE(bmp(9)->Down());
  // One second: the traffic light and the counter step once; 9 goes to 0.
  bmp(8)->SetGlyphSel(10);
  Ticks(kTicksPerSecond);
  EXPECT_EQ(bmp(7)->GlyphSel(), 2);
  EXPECT_EQ(bmp(8)->GlyphSel(), 1);
  Find<QCheckBox>(d.get(), QStringLiteral("AnimateCheck"))->setChecked(false);
  EXPECT_FALSE(bmp(4)->Animate());
  Find<QCheckBox>(d.get(), QStringLiteral("BlinkCheck"))->setChecked(false);
  EXPECT_FALSE(bmp(6)->BlinkOn());
  EXPECT_TRUE(bmp(12)->GlyphMode());
  Find<QCheckBox>(d.get(), QStringLiteral("TranspCheck"))->setChecked(false);
  EXPECT_FALSE(bmp(12)->GlyphMode());
}

// ---------------------------------------------------------------- printing

TEST(TimerDemos, PrintWritesAPdfForEveryDialog) {
  VeltorTest::ScriptedModalUI ui;
  RegisterDemoClasses();
  if (!QPrinterInfo::availablePrinterNames().isEmpty()) GTEST_SKIP() << "a printer is installed";
  QTemporaryDir dir;
  for (const char* name :
       {"TSmartTimeDemo", "TMultiBmpDemo", "TLedCheckDemo", "TSerieSpinDemo", "TCtrlTimDemo", "TBoxLineDemo"}) {
    SCOPED_TRACE(name);
    const QString path = dir.path() + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".pdf");
    ui.FileNames.push_back(path);
    std::unique_ptr<QDialog> dialog = CreateDemoDialog(QLatin1String(name));
    dialog->findChild<QPushButton*>(QStringLiteral("PrintBtn"))->click();
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
  }
}

}  // namespace
