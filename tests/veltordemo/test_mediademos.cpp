// The dialogs of the sound player, game port, text viewer, settings file and
// roll-up panels: their wiring, and that they leave the machine as they
// found it.
#include "buttons/ledbutton.h"
#include "buttons/multibmp.h"
#include "buttons/textspin.h"
#include "foundation/tickregistry.h"
#include "mediademos.h"
#include "meters/gauge.h"
#include "misc/inieditor.h"
#include "misc/rollbar.h"
#include "potis/slider.h"
#include "system/bitwin.h"
#include "system/gameport.h"
#include "system/playsound.h"
#include "system/scrnsavectrl.h"
#include "text/textscroller.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDir>
#include <QDirIterator>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

using namespace Veltor;
using namespace VeltorDemo;

namespace {

// No sound card, never the user's X server, and a configuration folder of
// the tests' own.
QTemporaryDir& ConfigSandbox() {
  static QTemporaryDir dir;
  return dir;
}
const bool kQuietMachine = qputenv("SDL_AUDIODRIVER", "dummy") && (qunsetenv("DISPLAY"), true) &&
                           qputenv("XDG_CONFIG_HOME", ConfigSandbox().path().toUtf8());

template <typename T>
T* Find(QDialog& dialog, const char* name) {
  T* child = dialog.findChild<T*>(QLatin1String(name));
  EXPECT_TRUE(child) << name;
  return child;
}

QStringList Entries(QListWidget* list) {
  QStringList names;
  for (int i = 0; i < list->count(); ++i) names << list->item(i)->text();
  return names;
}

void Activate(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  ASSERT_EQ(found.size(), 1) << text.toStdString();
  emit list->itemActivated(found.front());
}

void Click(QWidget* w) {
  QTest::mousePress(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
  QTest::mouseRelease(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

QByteArray ReadFile(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below dir, relative to it.
QStringList FilesBelow(const QString& dir) {
  QStringList files;
  QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) files << QDir(dir).relativeFilePath(it.next());
  return files;
}

struct TestWorld {
  VeltorTest::ScriptedModalUI ui;
  TestWorld() {
    EXPECT_TRUE(kQuietMachine);
    RegisterDemoClasses();
  }
};

}  // namespace

TEST(MediaDemos, PlaySoundBrowsesFoldersListsWaveFilesAndPlaysTheChosenOneInTheSpinnersWay) {
  TestWorld setup;
  TPlaySoundDemo dialog;
  auto* dirs = Find<QListWidget>(dialog, "DirList");
  auto* files = Find<QListWidget>(dialog, "FileList");
  auto* sound = Find<TPlaySound>(dialog, "PlaySound1");
  EXPECT_EQ(dialog.Folder(), QLatin1String(TPlaySoundDemo::kSoundFolder));
  EXPECT_EQ(Entries(files), QStringList({"chime.wav", "click.wav"}));

  // Sub-folders and "..", and only wave files whatever their case.
  QTemporaryDir dir;
  ASSERT_TRUE(QDir(dir.path()).mkdir("sub"));
  WriteFile(dir.filePath("a.wav"), "RIFF");
  WriteFile(dir.filePath("notes.txt"), "text");
  WriteFile(dir.filePath("sub/LOUD.WAV"), "RIFF");
  dialog.ShowFolder(dir.path());
  EXPECT_EQ(Entries(dirs), QStringList({"..", "sub"}));
  EXPECT_EQ(Entries(files), QStringList({"a.wav"}));
  Activate(dirs, "sub");
  EXPECT_EQ(dialog.Folder(), QDir(dir.filePath("sub")).absolutePath());
  EXPECT_EQ(Entries(files), QStringList({"LOUD.WAV"}));
  Activate(dirs, "..");
  EXPECT_EQ(dialog.Folder(), QDir(dir.path()).absolutePath());

  // "immer wieder" keeps playing the selected file until stopped.
  dialog.ShowFolder(QLatin1String(TPlaySoundDemo::kSoundFolder));
  files->setCurrentRow(1);
  Find<TTextSpin>(dialog, "TextSpin1")->SetPosition(2);
  Find<QPushButton>(dialog, "PlayBtn")->click();
  EXPECT_EQ(sound->WaveFile(), QStringLiteral(":/veltor/sounds/click.wav"));
  EXPECT_EQ(sound->PlayState(), psContinous);
  EXPECT_TRUE(sound->RepeatArmed());
  EXPECT_TRUE(Find<QLabel>(dialog, "StateLabel")->text().contains("click.wav"));
  Find<QPushButton>(dialog, "StopBtn")->click();
  EXPECT_EQ(sound->PlayState(), psStopped);
  EXPECT_FALSE(sound->RepeatArmed());

  // "einmal" falls back to stopped at once; the file is the activated one.
  Find<TTextSpin>(dialog, "TextSpin1")->SetPosition(1);
  files->setCurrentRow(1);
  Activate(files, "chime.wav");
  EXPECT_EQ(sound->WaveFile(), QStringLiteral(":/veltor/sounds/chime.wav"));
  EXPECT_EQ(sound->PlayState(), psStopped);

  // Too short a pause shows as the player's shortest.
  auto* delay = Find<QDoubleSpinBox>(dialog, "RepDelayEdit");
  delay->setValue(0.1);
  EXPECT_DOUBLE_EQ(sound->RepDelay(), TPlaySound::MinRepDelay);
  EXPECT_DOUBLE_EQ(delay->value(), TPlaySound::MinRepDelay);

  // Closing silences a running loop and leaves no repeat on the tick.
  Find<TTextSpin>(dialog, "TextSpin1")->SetPosition(2);
  dialog.Play();
  ASSERT_TRUE(sound->RepeatArmed());
  Find<QPushButton>(dialog, "CloseBtn")->click();
  EXPECT_EQ(sound->PlayState(), psStopped);
  EXPECT_FALSE(sound->RepeatArmed());
}

TEST(MediaDemos, GamePortShowsEachSticksAxesAndTheButtonsHeldOnEither) {
  TestWorld setup;
  TGamePortDemo dialog;
  dialog.show();
  auto* port = Find<TGamePort>(dialog, "GamePort1");
  auto gauge = [&](int i) { return dialog.findChild<TGaugeGp*>(QStringLiteral("GaugeGp%1").arg(i))->Value(); };
  auto lamps = [&] {
    QString lit;
    for (int i = 1; i <= TGamePortDemo::kButtons; ++i)
      lit += dialog.findChild<TMultiBmp*>(QStringLiteral("MultiBmp%1").arg(i))->GlyphSel() == 2 ? '*' : '-';
    return lit;
  };
  // This machine has no joystick: said so, and nothing captured.
  if (!port->PortOk()) {
    EXPECT_EQ(Find<QLabel>(dialog, "StateLabel")->text(), QStringLiteral("Kein Joystick angeschlossen"));
    EXPECT_FALSE(Find<TLedButton>(dialog, "LedButton2")->LedOn());
    EXPECT_FALSE(Find<TLedButton>(dialog, "LedButton3")->LedOn());
  }
  EXPECT_TRUE(port->Enabled());

  emit port->OnJoy2Move(port, 1000, 64000, 7, 0b0101);
  EXPECT_EQ(gauge(3), 1000.0);
  EXPECT_EQ(gauge(4), 64000.0);
  EXPECT_EQ(gauge(1), double(TGamePortDemo::kCentre));
  EXPECT_EQ(lamps(), QStringLiteral("*-*-"));
  emit port->OnJoy1ButtonDown(port, 5, 6, 0, 0b1010, 3);
  EXPECT_EQ(gauge(1), 5.0);
  EXPECT_EQ(gauge(2), 6.0);
  EXPECT_EQ(lamps(), QStringLiteral("****"));
  emit port->OnJoy2ButtonUp(port, 1000, 64000, 7, 0, 2);
  EXPECT_EQ(lamps(), QStringLiteral("-*-*"));
  emit port->OnJoy1ButtonUp(port, 5, 6, 0, 0b0010, 3);
  EXPECT_EQ(lamps(), QStringLiteral("-*--"));
  emit port->OnJoy1Move(port, 9, 10, 0, 0);
  EXPECT_EQ(lamps(), QStringLiteral("----"));

  // The first LED button switches the port off and on.
  auto* power = Find<TLedButton>(dialog, "LedButton1");
  Click(power);
  EXPECT_FALSE(port->Enabled());
  EXPECT_FALSE(power->LedOn());
  Click(power);
  EXPECT_TRUE(port->Enabled());
  EXPECT_TRUE(power->LedOn());
  Find<QPushButton>(dialog, "CloseBtn")->click();
  EXPECT_FALSE(port->Enabled());
}

TEST(MediaDemos, TextViewNeverChangesTheFileItShowsEvenWhenEditedInMemory) {
  TestWorld setup;
  QTemporaryDir dir;
  const QString path = dir.filePath("lines.txt");
  const QByteArray original = "erste Zeile\nzweite Zeile\n";
  WriteFile(path, original);
  setup.ui.FileNames.push_back(path);
  {
    TTextSrcollDemo dialog;
    dialog.show();
    auto* view = Find<TTextScroller>(dialog, "TextScroller1");
    Find<QPushButton>(dialog, "OpenBtn")->click();
    ASSERT_TRUE(view->IsOpen());
    EXPECT_EQ(view->FileName(), path);
    Find<QCheckBox>(dialog, "ReadOnlyCheck")->setChecked(false);
    Find<QCheckBox>(dialog, "OverWriteCheck")->setChecked(true);
    view->setFocus();
    QTest::keyClicks(view, "XYZ");
    EXPECT_TRUE(view->Changed());
    EXPECT_TRUE(Find<QLabel>(dialog, "StatusLabel")->text().contains("geändert"));
    Find<QPushButton>(dialog, "CloseBtn")->click();
  }
  EXPECT_EQ(ReadFile(path), original);
}

TEST(MediaDemos, TextViewControlsSetHexModeFontAndTheHint) {
  TestWorld setup;
  TTextSrcollDemo dialog;
  dialog.show();
  auto* view = Find<TTextScroller>(dialog, "TextScroller1");
  auto* hex = Find<TMultiBmp>(dialog, "MultiBmp1");
  Click(hex);
  EXPECT_TRUE(view->HexMode());
  EXPECT_EQ(hex->GlyphSel(), 2);
  Click(hex);
  EXPECT_FALSE(view->HexMode());
  EXPECT_EQ(hex->GlyphSel(), 1);

  auto* spin = Find<TTextSpin>(dialog, "TextSpin1");
  spin->SetPosition(3);
  emit spin->onChanging(spin);
  EXPECT_EQ(view->FontSize(), 14);

  auto* hint = Find<TBitWin>(dialog, "BitWin1");
  EXPECT_EQ(hint->Parent(), view);
  QPoint at(5, 5);
  QString info;
  bool show = false;
  emit hint->OnShow(hint, at, info, show);
  EXPECT_TRUE(show);
  EXPECT_EQ(info, QStringLiteral("textscrolldemo.ui: %1 Zeilen").arg(view->Document().LineCount()));

  // A file that cannot be read is reported and leaves the view closed.
  EXPECT_FALSE(dialog.OpenFile(QStringLiteral("/no/such/file.txt")));
  EXPECT_EQ(setup.ui.Messages.size(), 1);
  EXPECT_FALSE(view->IsOpen());
  EXPECT_TRUE(Find<QLabel>(dialog, "FileLabel")->text().isEmpty());
}

// Both ways out put the screen saver back: the Close button and the
// window's close box.
TEST(MediaDemos, ScreenSaverSettingIsPutBackWhenTheDialogClosesEitherWay) {
  TestWorld setup;
  for (const bool closeBox : {false, true}) {
    SCOPED_TRACE(closeBox ? "close box" : "Close button");
    TTextSrcollDemo dialog;
    dialog.show();
    auto* saver = Find<TScrnSaveCtrl>(dialog, "ScrnSaveCtrl1");
    auto* check = Find<QCheckBox>(dialog, "SaverCheck");
    ASSERT_FALSE(saver->Supported());
    const bool before = saver->SaverEnable();
    EXPECT_EQ(check->isChecked(), before);
    check->setChecked(!before);
    EXPECT_EQ(saver->SaverEnable(), !before);
    if (closeBox)
      dialog.close();
    else
      Find<QPushButton>(dialog, "CloseBtn")->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(saver->SaverEnable(), before);
    EXPECT_EQ(check->isChecked(), before);
  }
}

TEST(MediaDemos, IniDemoWritesOnlyItsOwnFileInTheConfigFolderAndReadsItBack) {
  TestWorld setup;
  QTemporaryDir dir;
  const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
  const QByteArray oldHome = qgetenv("HOME");
  qputenv("XDG_CONFIG_HOME", dir.filePath("config").toUtf8());  // not there yet
  qputenv("HOME", dir.filePath("home").toUtf8());
  const QString file = dir.filePath("config/veltordemo.ini");
  {
    TIniFileDemo dialog;
    EXPECT_EQ(dialog.Editor()->FullPath(), file);
    Find<QLineEdit>(dialog, "SectionEdit")->setText("Test");
    Find<QLineEdit>(dialog, "StrEdit")->setText("zwei Worte");
    Find<QCheckBox>(dialog, "BoolCheck")->setChecked(false);
    Find<QLineEdit>(dialog, "CharEdit")->setText("Q");
    Find<QSpinBox>(dialog, "IntSpin")->setValue(-17);
    Find<QLineEdit>(dialog, "RealEdit")->setText("2,5");
    Find<QPushButton>(dialog, "WriteBtn")->click();
    EXPECT_TRUE(setup.ui.Messages.isEmpty()) << setup.ui.Messages.join(' ').toStdString();
  }
  EXPECT_EQ(FilesBelow(dir.path()), QStringList({"config/veltordemo.ini"}));
  const QByteArray stored = ReadFile(file);
  EXPECT_TRUE(stored.contains("[Test]"));
  EXPECT_TRUE(stored.contains("Ganzzahl=-17"));

  TIniFileDemo dialog;
  Find<QLineEdit>(dialog, "SectionEdit")->setText("Test");
  Find<QPushButton>(dialog, "ReadBtn")->click();
  EXPECT_EQ(Find<QLineEdit>(dialog, "StrEdit")->text(), QStringLiteral("zwei Worte"));
  EXPECT_FALSE(Find<QCheckBox>(dialog, "BoolCheck")->isChecked());
  EXPECT_EQ(Find<QLineEdit>(dialog, "CharEdit")->text(), QStringLiteral("Q"));
  EXPECT_EQ(Find<QSpinBox>(dialog, "IntSpin")->value(), -17);
  EXPECT_EQ(Find<QLineEdit>(dialog, "RealEdit")->text(), QStringLiteral("2.5"));

  // A real that is no number is refused before anything is written.
  Find<QLineEdit>(dialog, "RealEdit")->setText("zwei");
  Find<QSpinBox>(dialog, "IntSpin")->setValue(99);
  Find<QPushButton>(dialog, "WriteBtn")->click();
  EXPECT_EQ(setup.ui.Messages.size(), 1);
  EXPECT_EQ(ReadFile(file), stored);

  // An empty character field leaves no entry, and no NUL, in the file.
  Find<QLineEdit>(dialog, "RealEdit")->setText("1.5");
  Find<QLineEdit>(dialog, "CharEdit")->clear();
  Find<QPushButton>(dialog, "WriteBtn")->click();
  EXPECT_FALSE(ReadFile(file).contains('\0'));
  EXPECT_FALSE(ReadFile(file).contains("Zeichen"));
  EXPECT_TRUE(ReadFile(file).contains("Ganzzahl=99"));

  Find<QPushButton>(dialog, "EraseBtn")->click();
  EXPECT_FALSE(ReadFile(file).contains("[Test]"));
  EXPECT_EQ(FilesBelow(dir.path()), QStringList({"config/veltordemo.ini"}));
  qputenv("XDG_CONFIG_HOME", oldConfig);
  qputenv("HOME", oldHome);
}

TEST(MediaDemos, SliderSetsHowFastTheBarsRollAndTheButtonsRollAndShowThemAll) {
  TestWorld setup;
  TRollFormDemo dialog;
  dialog.show();
  std::vector<TRollBar*> bars;
  for (int i = 1; i <= TRollFormDemo::kBars; ++i)
    bars.push_back(dialog.findChild<TRollBar*>(QStringLiteral("RollBar%1").arg(i)));
  auto* slider = Find<TSlider>(dialog, "Slider1");
  slider->SetValue(2);
  emit slider->OnChanging(slider);
  for (TRollBar* bar : bars) EXPECT_EQ(bar->RollSpeed(), MiscEnums::trMedium);
  EXPECT_EQ(Find<QLabel>(dialog, "SpeedLabel")->text(), QStringLiteral("Rollgeschwindigkeit: mittel"));
  slider->SetValue(3);
  emit slider->OnChanging(slider);
  EXPECT_EQ(bars.back()->RollSpeed(), MiscEnums::trSlow);

  Find<QPushButton>(dialog, "UpBtn")->click();
  EXPECT_TRUE(bars.front()->Rolling());
  for (int i = 0; i < 100 && bars.front()->Rolling(); ++i) TimerTick();
  for (TRollBar* bar : bars) {
    EXPECT_FALSE(bar->Down());
    EXPECT_LT(bar->height(), bar->HeightMax());
  }
  Find<QPushButton>(dialog, "DownBtn")->click();
  for (int i = 0; i < 100 && bars.front()->Rolling(); ++i) TimerTick();
  for (TRollBar* bar : bars) EXPECT_EQ(bar->height(), bar->HeightMax());

  emit bars[1]->CloseButton()->OnClick(bars[1]->CloseButton());
  EXPECT_TRUE(bars[1]->isHidden());
  Find<QPushButton>(dialog, "ShowBtn")->click();
  EXPECT_FALSE(bars[1]->isHidden());
}
