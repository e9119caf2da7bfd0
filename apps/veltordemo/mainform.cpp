#include "mainform.h"

#include "aboutbox.h"
#include "buttons/ledcheck.h"
#include "forms.h"
#include "foundation/panel.h"
#include "foundation/speedbutton.h"
#include "glyphs.h"
#include "host/label.h"
#include "host/modalui.h"
#include "misc/background.h"
#include "system/playsound.h"
#include "system/sysinfo.h"
#include "system/wavefile.h"

#include <QCloseEvent>
#include <QTimer>

namespace VeltorDemo {

const QColor kFormColour(0xD1, 0xD1, 0xD1);

TMainForm::TMainForm(QWidget* parent) : QWidget(parent) {
  QWidget* form = LoadFormInto(QStringLiteral(":/veltordemo/mainform.ui"), this, this);
  QPalette palette = form->palette();
  palette.setColor(QPalette::Window, kFormColour);
  form->setPalette(palette);
  form->setAutoFillBackground(true);

  FBackGround = FormChild<Veltor::TBackGround>(form, "BackGround");
  FStatusBar = FormChild<Veltor::TPanel>(form, "StatusBar");
  FLedCheck = FormChild<Veltor::TLedCheck>(form, "LedCheck1");
  FSysInfo = FormChild<Veltor::TSysInfo>(form, "SysInfo");
  FPlaySound = FormChild<Veltor::TPlaySound>(form, "PlaySound");
  FMemTot = FormChild<Veltor::TLabel>(form, "MemTot");
  FMemFree = FormChild<Veltor::TLabel>(form, "MemFree");
  FMemUsed = FormChild<Veltor::TLabel>(form, "MemUsed");
  SetUpButtons(form);

  // The status line follows the hint of whatever the pointer is over.
  connect(&Veltor::THintBroker::Instance(), &Veltor::THintBroker::OnHint, FStatusBar,
          [this](const QString& hint) { FStatusBar->SetCaption(hint); });

  FAboutBox = std::make_unique<TAboutBox>(this);
}

TMainForm::~TMainForm() = default;

void TMainForm::SetUpButtons(QWidget* form) {
  const std::vector<TLaunchButton>& buttons = LaunchButtons();
  const std::vector<QPixmap> glyphs = LaunchGlyphs(buttons);
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    const TLaunchButton& row = buttons[i];
    auto* button = FormChild<Veltor::TSpeedButton>(form, row.Name);
    button->SetNumGlyphs(2);
    button->SetGlyph(glyphs[i]);
    // Buttons whose dialog is still to come stay in the bar, greyed.
    button->SetEnabled(CanLaunch(row));
    connect(button, &Veltor::TSpeedButton::OnClick, this, [this, &row](QObject*) { Launch(row); });
  }
}

Veltor::TSpeedButton* TMainForm::Button(const char* name) const {
  return findChild<Veltor::TSpeedButton*>(QString::fromLatin1(name));
}

void TMainForm::Launch(const TLaunchButton& button) {
  const QLatin1String name(button.Name);
  if (name == QLatin1String(kExitButton)) {
    close();
  } else if (name == QLatin1String(kAboutButton)) {
    ShowAbout();
  } else if (name == QLatin1String(kShadeButton)) {
    StepShade();
  } else if (button.OpenDialog) {
    const bool hideBackground = name == QLatin1String(kRollFormButton);
    if (hideBackground) FBackGround->hide();
    std::unique_ptr<QDialog> dialog = button.OpenDialog(this);
    Veltor::ModalUI().Exec(dialog.get());
    if (hideBackground) FBackGround->show();
  }
}

void TMainForm::StepShade() {
  const TShade next = NextShade({FBackGround->FillDirection(), FBackGround->BeginColor()});
  FBackGround->SetFillDirection(next.Direction);
  FBackGround->SetBeginColor(next.BeginColor);
}

void TMainForm::on_LedCheck1_OnClick(QObject*) { ApplyLanguage(FLedCheck->Checked()); }

void TMainForm::on_SmartTimer_TimerEvent(QObject*, bool) { RefreshMemory(); }

void TMainForm::RefreshMemory() {
  FSysInfo->SetEvaluate(true);
  FMemTot->SetCaption(FSysInfo->SysMem());
  FMemFree->SetCaption(FSysInfo->SysMemFree());
  FMemUsed->SetCaption(FSysInfo->SysMemUsed());
}

void TMainForm::PlayWave(const QString& file) {
  FPlaySound->SetWaveFile(file);
  FPlaySound->SetPlayState(Veltor::psStartExit);
}

void TMainForm::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  // Restoring a minimised window is no new start.
  if (e->spontaneous()) return;
  PlayWave(Veltor::ChimeSound());
  FBackGround->SetAlign(Veltor::alClient);
  // The read-out shows figures from the start, not after the first second.
  RefreshMemory();
  // The about box comes once the window is on screen, not from inside its
  // first paint.
  if (!FAboutShown) QTimer::singleShot(0, this, &TMainForm::ShowAboutOnce);
}

void TMainForm::ShowAboutOnce() {
  if (FAboutShown) return;
  FAboutShown = true;
  if (!FAboutBox->isVisible()) ShowAbout();
}

void TMainForm::ShowAbout() { Veltor::ModalUI().Exec(FAboutBox.get()); }

void TMainForm::closeEvent(QCloseEvent* e) {
  PlayWave(Veltor::ClickSound());
  FBackGround->hide();
  ShowAbout();
  e->accept();
}

}  // namespace VeltorDemo
