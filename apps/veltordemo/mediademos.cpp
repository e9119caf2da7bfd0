#include "mediademos.h"

#include "buttons/ledbutton.h"
#include "buttons/multibmp.h"
#include "buttons/textspin.h"
#include "host/modalui.h"
#include "meters/gauge.h"
#include "misc/inieditor.h"
#include "misc/rollbar.h"
#include "potis/slider.h"
#include "system/bitwin.h"
#include "system/gameport.h"
#include "system/playsound.h"
#include "system/scrnsavectrl.h"
#include "text/textscroller.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSpinBox>

namespace VeltorDemo {

using namespace Veltor;

// ------------------------------------------------------------ TPlaySoundDemo

namespace {

// The places the folder box offers, in its order.
QStringList SoundPlaces() {
  return {QLatin1String(TPlaySoundDemo::kSoundFolder), QDir::homePath(), QDir::currentPath()};
}

const QString kUpEntry = QStringLiteral("..");

}  // namespace

TPlaySoundDemo::TPlaySoundDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("playsounddemo");
  FSound = Child<TPlaySound>("PlaySound1");
  auto* places = Child<QComboBox>("PlaceBox");
  const QStringList paths = SoundPlaces();
  for (int i = 0; i < places->count() && i < paths.size(); ++i) places->setItemData(i, paths[i]);
  Child<QDoubleSpinBox>("RepDelayEdit")->setValue(FSound->RepDelay());
  ShowFolder(paths.front());
  ShowState();
}

void TPlaySoundDemo::ShowFolder(const QString& path) {
  QDir dir(path);
  FFolder = dir.absolutePath();
  Child<QLabel>("FolderLabel")->setText(QDir::toNativeSeparators(FFolder));

  auto* dirs = Child<QListWidget>("DirList");
  dirs->clear();
  if (!dir.isRoot()) dirs->addItem(kUpEntry);
  dirs->addItems(dir.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase));

  auto* files = Child<QListWidget>("FileList");
  files->clear();
  files->addItems(dir.entryList({QStringLiteral("*.wav")}, QDir::Files, QDir::Name | QDir::IgnoreCase));
  if (files->count() > 0) files->setCurrentRow(0);
}

void TPlaySoundDemo::Play() {
  QListWidgetItem* item = Child<QListWidget>("FileList")->currentItem();
  if (!item) return;
  const auto mode = tPlayState(Child<TTextSpin>("TextSpin1")->PosInteger());
  FSound->SetWaveFile(QDir(FFolder).filePath(item->text()));
  // The one-shot states fall back to stopped at once; a running loop is
  // ended first so that the same state starts anew.
  FSound->SetPlayState(psStopped);
  FSound->SetPlayState(mode);
  ShowState();
}

void TPlaySoundDemo::ShowState() {
  const QString file = QFileInfo(FSound->WaveFile()).fileName();
  Child<QLabel>("StateLabel")
      ->setText(FSound->PlayState() == psContinous ? QStringLiteral("Spielt immer wieder: %1").arg(file)
                                                   : QStringLiteral("Gestoppt"));
}

void TPlaySoundDemo::on_PlaceBox_activated(int index) {
  ShowFolder(Child<QComboBox>("PlaceBox")->itemData(index).toString());
}

void TPlaySoundDemo::on_DirList_itemActivated(QListWidgetItem* item) {
  QDir dir(FFolder);
  if (item->text() == kUpEntry ? dir.cdUp() : dir.cd(item->text())) ShowFolder(dir.path());
}

void TPlaySoundDemo::on_FileList_itemActivated(QListWidgetItem* item) {
  Child<QListWidget>("FileList")->setCurrentItem(item);
  Play();
}

void TPlaySoundDemo::on_StopBtn_clicked() {
  FSound->SetPlayState(psStopped);
  ShowState();
}

void TPlaySoundDemo::on_RepDelayEdit_valueChanged(double seconds) {
  FSound->SetRepDelay(seconds);
  // Shows what the player made of it: too short a pause is lengthened.
  auto* edit = Child<QDoubleSpinBox>("RepDelayEdit");
  const QSignalBlocker quiet(edit);
  edit->setValue(FSound->RepDelay());
}

// A new way of playing takes over a loop at once.
void TPlaySoundDemo::on_TextSpin1_onChanged(QObject*) {
  if (FSound->PlayState() == psContinous) Play();
}

void TPlaySoundDemo::done(int result) {
  FSound->SetPlayState(psStopped);
  TDemoDialog::done(result);
}

// ------------------------------------------------------------- TGamePortDemo

TGamePortDemo::TGamePortDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("gameportdemo");
  FPort = Child<TGamePort>("GamePort1");
  FGauges = Numbered<TGaugeGp>(*this, "GaugeGp", 4);
  FLamps = Numbered<TMultiBmp>(*this, "MultiBmp", kButtons);
  FLeds = Numbered<TLedButton>(*this, "LedButton", 3);
  ShowStick(1, kCentre, kCentre, 0);
  ShowStick(2, kCentre, kCentre, 0);
  Reconnect();
}

void TGamePortDemo::Reconnect() {
  // The port captures the chosen sticks when it is switched on.
  FPort->SetEnabled(false);
  TUseDevice sticks;
  sticks.setFlag(udJoystick1, FLeds[1]->Down());
  sticks.setFlag(udJoystick2, FLeds[2]->Down());
  FPort->SetUseDevice(sticks);
  FPort->SetEnabled(FLeds[0]->Down());

  FLeds[0]->SetLedOn(FPort->Enabled());
  FLeds[1]->SetLedOn(FPort->Captured(1));
  FLeds[2]->SetLedOn(FPort->Captured(2));
  QString state;
  if (!FPort->PortOk())
    state = QStringLiteral("Kein Joystick angeschlossen");
  else if (!FPort->Enabled())
    state = QStringLiteral("Gameport ausgeschaltet");
  else
    state = QStringLiteral("Joysticks gefunden: %1").arg(FPort->DeviceCount());
  Child<QLabel>("StateLabel")->setText(state);
}

void TGamePortDemo::ShowStick(int stick, int x, int y, int buttons) {
  const std::size_t first = std::size_t(stick - 1) * 2;
  FGauges[first]->SetValue(x);
  FGauges[first + 1]->SetValue(y);
  FButtons[std::size_t(stick - 1)] = buttons;
  const int held = FButtons[0] | FButtons[1];
  for (int i = 0; i < kButtons; ++i) FLamps[std::size_t(i)]->SetGlyphSel(held & (1 << i) ? 2 : 1);
}

void TGamePortDemo::on_GamePort1_OnJoy1Move(QObject*, int x, int y, int, int Button) { ShowStick(1, x, y, Button); }
void TGamePortDemo::on_GamePort1_OnJoy2Move(QObject*, int x, int y, int, int Button) { ShowStick(2, x, y, Button); }
void TGamePortDemo::on_GamePort1_OnJoy1ButtonDown(QObject*, int x, int y, int, int Button, int) {
  ShowStick(1, x, y, Button);
}
void TGamePortDemo::on_GamePort1_OnJoy2ButtonDown(QObject*, int x, int y, int, int Button, int) {
  ShowStick(2, x, y, Button);
}
void TGamePortDemo::on_GamePort1_OnJoy1ButtonUp(QObject*, int x, int y, int, int Button, int) {
  ShowStick(1, x, y, Button);
}
void TGamePortDemo::on_GamePort1_OnJoy2ButtonUp(QObject*, int x, int y, int, int Button, int) {
  ShowStick(2, x, y, Button);
}

void TGamePortDemo::on_LedButton1_OnClick(QObject*) { Reconnect(); }
void TGamePortDemo::on_LedButton2_OnClick(QObject*) { Reconnect(); }
void TGamePortDemo::on_LedButton3_OnClick(QObject*) { Reconnect(); }

void TGamePortDemo::done(int result) {
  FPort->SetEnabled(false);
  TDemoDialog::done(result);
}

// ----------------------------------------------------------- TTextSrcollDemo

TTextSrcollDemo::TTextSrcollDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("textscrolldemo");
  FScroller = Child<TTextScroller>("TextScroller1");
  FSaver = Child<TScrnSaveCtrl>("ScrnSaveCtrl1");
  on_TextSpin1_onChanging(Child<TTextSpin>("TextSpin1"));
  Child<QCheckBox>("ReadOnlyCheck")->setChecked(FScroller->ReadOnly());
  Child<QCheckBox>("OverWriteCheck")->setChecked(FScroller->OverWrite());
  {
    auto* check = Child<QCheckBox>("SaverCheck");
    const QSignalBlocker quiet(check);
    check->setChecked(FSaver->SaverEnable());
  }
  Child<QLabel>("SaverLabel")
      ->setText(FSaver->Supported() ? QStringLiteral("(X-Server; beim Schließen zurückgestellt)")
                                    : QStringLiteral("(kein X-Server: nur im Speicher)"));
  // Something to look at: this dialog's own form.
  OpenFile(QStringLiteral(":/veltordemo/textscrolldemo.ui"));
}

bool TTextSrcollDemo::OpenFile(const QString& path) {
  FScroller->SetIsOpen(false);
  FScroller->SetFileName(path);
  FScroller->SetIsOpen(true);
  Child<QLabel>("FileLabel")->setText(FScroller->IsOpen() ? QDir::toNativeSeparators(path) : QString());
  return FScroller->IsOpen();
}

void TTextSrcollDemo::on_OpenBtn_clicked() {
  const QString path = ModalUI().OpenFileName(this, QStringLiteral("Datei anzeigen"), QDir::homePath(),
                                              QStringLiteral("Alle Dateien (*);;Textdateien (*.txt)"));
  if (!path.isEmpty()) OpenFile(path);
}

void TTextSrcollDemo::on_MultiBmp1_OnClick(QObject* Sender) {
  auto* button = qobject_cast<TMultiBmp*>(Sender);
  button->SetGlyphSel(button->Down() ? 2 : 1);
  FScroller->SetHexMode(button->Down());
}

void TTextSrcollDemo::on_TextSpin1_onChanging(QObject* Sender) {
  FScroller->SetFontSize(qobject_cast<TCustomSpin*>(Sender)->PosInteger());
}

void TTextSrcollDemo::on_ReadOnlyCheck_toggled(bool on) { FScroller->SetReadOnly(on); }
void TTextSrcollDemo::on_OverWriteCheck_toggled(bool on) { FScroller->SetOverWrite(on); }
void TTextSrcollDemo::on_SaverCheck_toggled(bool on) { FSaver->SetSaverEnable(on); }

void TTextSrcollDemo::on_TextScroller1_OnShowStatus(QObject*, int LineNum, int ColNum, bool overwrite, bool changed) {
  QString status = QStringLiteral("Zeile %1, Spalte %2 – %3").arg(LineNum).arg(ColNum);
  status = status.arg(overwrite ? QStringLiteral("Überschreiben ein") : QStringLiteral("Überschreiben aus"));
  if (changed) status += QStringLiteral(" – geändert (nur im Speicher)");
  Child<QLabel>("StatusLabel")->setText(status);
}

void TTextSrcollDemo::on_BitWin1_OnShow(QObject*, QPoint&, QString& bwInfo, bool& bwShow) {
  bwInfo = FScroller->IsOpen() ? QStringLiteral("%1: %2 Zeilen")
                                     .arg(QFileInfo(FScroller->FileName()).fileName())
                                     .arg(FScroller->Document().LineCount())
                               : QStringLiteral("Keine Datei geöffnet");
  bwShow = true;
}

void TTextSrcollDemo::RestoreSaver() {
  FSaver->Restore();
  const QSignalBlocker quiet(Child<QCheckBox>("SaverCheck"));
  Child<QCheckBox>("SaverCheck")->setChecked(FSaver->SaverEnable());
}

// Both ways out end here: the Close button accepts, the window's close box
// rejects.
void TTextSrcollDemo::done(int result) {
  RestoreSaver();
  TDemoDialog::done(result);
}

// -------------------------------------------------------------- TIniFileDemo

namespace {

const QString kTextEntry = QStringLiteral("Text");
const QString kBoolEntry = QStringLiteral("Schalter");
const QString kCharEntry = QStringLiteral("Zeichen");
const QString kIntEntry = QStringLiteral("Ganzzahl");
const QString kRealEntry = QStringLiteral("Kommazahl");

}  // namespace

TIniFileDemo::TIniFileDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("inifiledemo");
  FEditor = Child<TIniEditor>("IniEditor1");
  Child<QLabel>("PathLabel")->setText(QDir::toNativeSeparators(FEditor->FullPath()));
  ShowFile();
}

QString TIniFileDemo::Section() const { return Child<QLineEdit>("SectionEdit")->text().trimmed(); }

void TIniFileDemo::on_WriteBtn_clicked() {
  const QString section = Section();
  // Either separator is taken; the file gets the one of the language set.
  bool realOk = false;
  const double real =
      Child<QLineEdit>("RealEdit")->text().replace(QLatin1Char(','), QLatin1Char('.')).toDouble(&realOk);
  if (section.isEmpty() || !realOk) {
    ModalUI().Message(QString(),
                      section.isEmpty() ? QStringLiteral("Bitte einen Abschnitt angeben.")
                                        : QStringLiteral("Die Kommazahl ist keine Zahl."),
                      mtWarning, mbOK);
    return;
  }
  QDir().mkpath(QFileInfo(FEditor->FullPath()).absolutePath());
  // No character is no entry, rather than a NUL in the file.
  const QString text = Child<QLineEdit>("CharEdit")->text();
  const bool written = FEditor->WriteStr(section, kTextEntry, Child<QLineEdit>("StrEdit")->text()) &&
                       FEditor->WriteBool(section, kBoolEntry, Child<QCheckBox>("BoolCheck")->isChecked()) &&
                       (text.isEmpty() ? FEditor->EraseEntry(section, kCharEntry)
                                       : FEditor->WriteChar(section, kCharEntry, text.front())) &&
                       FEditor->WriteInt(section, kIntEntry, Child<QSpinBox>("IntSpin")->value()) &&
                       FEditor->WriteReal(section, kRealEntry, real);
  if (!written) {
    ModalUI().Message(QString(),
                      QStringLiteral("Die Datei %1 konnte nicht geschrieben werden.")
                          .arg(QDir::toNativeSeparators(FEditor->FullPath())),
                      mtError, mbOK);
  }
  on_ReadBtn_clicked();
}

void TIniFileDemo::on_ReadBtn_clicked() {
  const QString section = Section();
  QString text;
  FEditor->ReadStr(section, kTextEntry, text, QString());
  Child<QLineEdit>("StrEdit")->setText(text);
  Child<QCheckBox>("BoolCheck")->setChecked(FEditor->ReadBool(section, kBoolEntry, false));
  const QChar c = FEditor->ReadChar(section, kCharEntry, QChar());
  Child<QLineEdit>("CharEdit")->setText(c.isNull() ? QString() : QString(c));
  Child<QSpinBox>("IntSpin")->setValue(FEditor->ReadInt(section, kIntEntry, 0));
  Child<QLineEdit>("RealEdit")->setText(QString::number(FEditor->ReadReal(section, kRealEntry, 0), 'g', 15));
  ShowFile();
}

void TIniFileDemo::on_EraseBtn_clicked() {
  if (!FEditor->EraseSection(Section())) {
    ModalUI().Message(QString(), QStringLiteral("Der Abschnitt konnte nicht gelöscht werden."), mtError, mbOK);
  }
  ShowFile();
}

void TIniFileDemo::ShowFile() {
  QFile file(FEditor->FullPath());
  Child<QPlainTextEdit>("FileView")
      ->setPlainText(file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll())
                                                    : QStringLiteral("(die Datei gibt es noch nicht)"));
}

// ------------------------------------------------------------- TRollFormDemo

namespace {

constexpr trRollSpeed kRollSpeeds[] = {MiscEnums::trImmediate, MiscEnums::trFast, MiscEnums::trMedium,
                                       MiscEnums::trSlow};
const char* const kRollSpeedNames[] = {"sofort", "schnell", "mittel", "langsam"};

}  // namespace

TRollFormDemo::TRollFormDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("rollformdemo");
  FBars = Numbered<TRollBar>(*this, "RollBar", kBars);
  on_Slider1_OnChanging(Child<TSlider>("Slider1"));
}

void TRollFormDemo::on_Slider1_OnChanging(QObject* Sender) {
  const int index = int(qobject_cast<TSlider*>(Sender)->Value());
  for (TRollBar* bar : FBars) bar->SetRollSpeed(ByIndex(kRollSpeeds, index));
  Child<QLabel>("SpeedLabel")
      ->setText(QStringLiteral("Rollgeschwindigkeit: %1").arg(QLatin1String(ByIndex(kRollSpeedNames, index))));
}

void TRollFormDemo::on_UpBtn_clicked() {
  for (TRollBar* bar : FBars) bar->RollUp();
}

void TRollFormDemo::on_DownBtn_clicked() {
  for (TRollBar* bar : FBars) bar->RollDown();
}

void TRollFormDemo::on_ShowBtn_clicked() {
  for (TRollBar* bar : FBars) bar->show();
}

}  // namespace VeltorDemo
