#include "aboutbox.h"
#include "buttons/ledcheck.h"
#include "forms.h"
#include "foundation/helpers.h"
#include "foundation/numformat.h"
#include "foundation/panel.h"
#include "foundation/speedbutton.h"
#include "foundation/tickregistry.h"
#include "glyphs.h"
#include "host/label.h"
#include "mainform.h"
#include "misc/background.h"
#include "system/playsound.h"
#include "system/sysinfo.h"
#include "system/wavefile.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace Veltor;
using namespace VeltorDemo;

namespace {

// No sound card in the test runs.
const bool kQuietAudio = qputenv("SDL_AUDIODRIVER", "dummy");

// The main window shown offscreen; every modal window returns at once and is
// recorded.
struct Program {
  VeltorTest::ScriptedModalUI ui;
  std::unique_ptr<TMainForm> main;

  Program() {
    RegisterDemoClasses();
    main = std::make_unique<TMainForm>();
    main->resize(1024, 700);
    main->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(main.get()));
    QCoreApplication::processEvents();
  }
  int AboutShown() const { return int(ui.Executed.count(main->AboutBox())); }
  void ClickLed() {
    const QPoint centre = main->LedCheck()->rect().center();
    QTest::mousePress(main->LedCheck(), Qt::LeftButton, Qt::NoModifier, centre);
    QTest::mouseRelease(main->LedCheck(), Qt::LeftButton, Qt::NoModifier, centre);
  }
};

}  // namespace

TEST(MainForm, ShowPlaysTheStartSoundFillsTheWindowAndShowsTheAboutBoxOnce) {
  Program p;
  EXPECT_EQ(p.AboutShown(), 1);
  EXPECT_EQ(p.main->PlaySound()->WaveFile(), ChimeSound());
  EXPECT_EQ(p.main->BackGround()->Align(), alClient);
  p.main->hide();
  p.main->show();
  QCoreApplication::processEvents();
  EXPECT_EQ(p.AboutShown(), 1) << "the about box shows at the first show only";
}

TEST(MainForm, ClosingPlaysTheClosingSoundHidesTheBackgroundAndShowsTheAboutBox) {
  Program p;
  ASSERT_TRUE(p.main->BackGround()->isVisible());
  p.main->Button("ExitBtn")->Click();
  EXPECT_FALSE(p.main->isVisible());
  EXPECT_EQ(p.AboutShown(), 2);
  EXPECT_EQ(p.main->PlaySound()->WaveFile(), ClickSound());
  EXPECT_TRUE(p.main->BackGround()->isHidden());
}

TEST(MainForm, ButtonsWithoutADialogAreGreyedButThere) {
  Program p;
  for (const TLaunchButton& row : LaunchButtons()) {
    TSpeedButton* button = p.main->Button(row.Name);
    ASSERT_NE(button, nullptr) << row.Name;
    EXPECT_TRUE(button->isVisible()) << row.Name;
    EXPECT_EQ(button->isEnabled(), CanLaunch(row)) << row.Name;
    EXPECT_FALSE(button->Glyph().isNull()) << row.Name;
  }
  p.main->Button("AboutBtn")->Click();
  EXPECT_EQ(p.AboutShown(), 2);
}

TEST(MainForm, StatusLineShowsTheLongHintOfTheHoveredButton) {
  Program p;
  TSpeedButton* button = p.main->Button("Meter270Btn");
  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(button->mapToGlobal(QPoint(3, 3))));
  QCoreApplication::sendEvent(button, &enter);
  EXPECT_EQ(p.main->StatusBar()->Caption(),
            QString::fromUtf8(FindLaunchButton(QStringLiteral("Meter270Btn"))->LongHint));
  EXPECT_EQ(button->toolTip(), QStringLiteral("TMeter270"));
}

TEST(MainForm, LedCheckClickedTwiceReturnsToGermanWithADecimalComma) {
  Program p;
  p.ClickLed();
  EXPECT_TRUE(p.main->LedCheck()->Checked());
  EXPECT_TRUE(EnglishMode());
  EXPECT_EQ(Formats().DecimalSeparator, QLatin1Char('.'));
  EXPECT_EQ(Formats().ShortDateFormat, QStringLiteral("mm/dd/yy"));
  p.ClickLed();
  EXPECT_FALSE(p.main->LedCheck()->Checked());
  EXPECT_FALSE(EnglishMode());
  EXPECT_EQ(Formats().DecimalSeparator, QLatin1Char(','));
  EXPECT_EQ(Formats().ShortDateFormat, QStringLiteral("dd.mm.yy"));
}

TEST(MainForm, ShadeButtonFourTimesReturnsToTheFirstDirectionWithTheNextColour) {
  Program p;
  TBackGround* background = p.main->BackGround();
  ASSERT_EQ(background->FillDirection(), fdLeftToRight);
  ASSERT_EQ(background->BeginColor(), clBlue);
  p.main->Button("ShadeBtn")->Click();
  EXPECT_EQ(background->FillDirection(), fdTopToBottom);
  for (int i = 0; i < 3; ++i) p.main->Button("ShadeBtn")->Click();
  EXPECT_EQ(background->FillDirection(), fdLeftToRight);
  EXPECT_EQ(background->BeginColor(), clRed);
}

TEST(MainForm, TimerRefreshesTheMemoryReadOut) {
  Program p;
  TSysSources sources = TSysSources::Live();
  sources.MemInfo = [] { return QStringLiteral("MemTotal: 8000000 kB\nMemAvailable: 3000000 kB\n"); };
  p.main->SysInfo()->SetSources(sources);
  // One period of the form's timer is 1000 ms of 55 ms ticks.
  for (int i = 0; i < 20 && p.main->MemTot()->Caption() != p.main->SysInfo()->SysMem(); ++i) TimerTick();
  EXPECT_FALSE(p.main->SysInfo()->SysMem().isEmpty());
  EXPECT_EQ(p.main->MemTot()->Caption(), p.main->SysInfo()->SysMem());
  EXPECT_EQ(p.main->MemFree()->Caption(), p.main->SysInfo()->SysMemFree());
  EXPECT_EQ(p.main->MemUsed()->Caption(), p.main->SysInfo()->SysMemUsed());
  EXPECT_NE(p.main->MemTot()->Caption(), p.main->MemFree()->Caption());
}

TEST(MainForm, DialogsOpenModallyAndTheRollFormHidesTheBackgroundMeanwhile) {
  Program p;
  TLaunchButton roll = *FindLaunchButton(QString::fromLatin1(kRollFormButton));
  roll.OpenDialog = Dialog<QDialog>();
  bool hiddenMeanwhile = false;
  p.ui.OnExec = [&](QDialog*) {
    hiddenMeanwhile = p.main->BackGround()->isHidden();
    return 0;
  };
  p.main->Launch(roll);
  EXPECT_TRUE(hiddenMeanwhile);
  EXPECT_FALSE(p.main->BackGround()->isHidden());
  ASSERT_EQ(p.ui.Executed.size(), 2);  // the about box, then the dialog

  TLaunchButton bevel = LaunchButtons()[0];
  bevel.OpenDialog = Dialog<QDialog>();
  p.main->Launch(bevel);
  EXPECT_FALSE(hiddenMeanwhile);
  EXPECT_EQ(p.ui.Executed.size(), 3);
}

// Each demonstration button opens its dialog modally with the main window as
// parent and frees it when it returns.
TEST(MainForm, DemoButtonsOpenTheirDialogModallyAndFreeItAfterwards) {
  Program p;
  for (const char* name : {"Bevel3DBtn", "Disp7sBtn", "Meter270Btn", "GaugeBtn"}) {
    SCOPED_TRACE(name);
    QPointer<QDialog> shown;
    bool opened = false;
    p.ui.OnExec = [&](QDialog* dialog) {
      shown = dialog;
      opened = dialog != p.main->AboutBox();
      EXPECT_EQ(dialog->parentWidget(), p.main.get());
      return 0;
    };
    p.main->Launch(*FindLaunchButton(QLatin1String(name)));
    EXPECT_TRUE(opened);
    EXPECT_TRUE(shown.isNull());
    EXPECT_TRUE(p.main->Button(name)->isEnabled());
  }
}

TEST(AboutBox, InfoShowsTheHelpAndOkHidesItAndCloses) {
  RegisterDemoClasses();
  TAboutBox box;
  box.show();
  EXPECT_FALSE(box.HelpShown());
  box.findChild<QPushButton*>(QStringLiteral("InfoBtn"))->click();
  EXPECT_TRUE(box.HelpShown());
  EXPECT_FALSE(box.findChild<QPlainTextEdit*>(QStringLiteral("HelpMemo"))->toPlainText().isEmpty());
  box.findChild<QPushButton*>(QStringLiteral("OKButton"))->click();
  EXPECT_FALSE(box.HelpShown());
  EXPECT_FALSE(box.isVisible());
  EXPECT_EQ(box.result(), QDialog::Accepted);
}

TEST(Glyphs, ControlsArePicturedComponentsAreDrawnAndTheKeyPixelIsFree) {
  RegisterDemoClasses();
  const QImage led = ControlPicture(QStringLiteral("TLedButton"));
  ASSERT_FALSE(led.isNull());
  EXPECT_EQ(led.size(), QSize(kGlyphSize, kGlyphSize));
  int drawn = 0;
  for (int y = 0; y < led.height(); ++y) {
    for (int x = 0; x < led.width(); ++x) drawn += qAlpha(led.pixel(x, y)) > 0;
  }
  EXPECT_GT(drawn, kGlyphSize * kGlyphSize / 4) << "the control is in the picture";
  EXPECT_TRUE(ControlPicture(QStringLiteral("TSmartTimer")).isNull()) << "non-visual";
  EXPECT_TRUE(ControlPicture(QStringLiteral("TNoSuchClass")).isNull());

  QImage red(kGlyphSize, kGlyphSize, QImage::Format_ARGB32);
  red.fill(QColor(0xFF, 0, 0));
  const QImage strip = MakeButtonGlyph(red).toImage().convertToFormat(QImage::Format_ARGB32);
  ASSERT_EQ(strip.size(), QSize(2 * kGlyphSize, kGlyphSize));
  const QRgb key = strip.pixel(0, kGlyphSize - 1);
  EXPECT_NE(key, qRgb(0xFF, 0, 0));
  EXPECT_EQ(strip.pixel(1, 1), qRgb(0xFF, 0, 0)) << "the picture";
  const QRgb faded = strip.pixel(kGlyphSize + 1, 1);
  EXPECT_EQ(qRed(faded), qGreen(faded)) << "the disabled cell is grey";
  EXPECT_NE(faded, key);
}
