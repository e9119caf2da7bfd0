#include "setup.h"

#include "buttons/textspin.h"
#include "forms.h"
#include "host/modalui.h"
#include "logic/logic.h"
#include "widgets.h"

#include <QLineEdit>
#include <QPageSetupDialog>

namespace Tracelo {

TSetup::TSetup(Veltor::TLogic* display, QPrinter* printer, QWidget* parent)
    : QDialog(parent), FDisplay(display), FPrinter(printer) {
  QWidget* form = LoadFormInto(QStringLiteral(":/forms/setup.ui"), this, this);
  setWindowFlags(Qt::Dialog | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
  FColorGrid = FormChild<TColorGrid>(form, "ColorGrid");
  FFarbWahl = FormChild<TRadioGroup>(form, "FarbWahl");
  FPrSelect = FormChild<TRadioGroup>(form, "PrSelect");
  FPrZoom = FormChild<TRadioGroup>(form, "PrZoom");
  FKanalWahl = FormChild<Veltor::TTextSpin>(form, "KanalWahl");
  FDispTyp = FormChild<Veltor::TTextSpin>(form, "DispTyp");
  FKanalEdit = FormChild<QLineEdit>(form, "KanalEdit");
  FSavedNames = FDisplay->ChanNamen();
}

int TSetup::PrintSelect() const { return FPrSelect->ItemIndex(); }

int TSetup::PrintZoom() const { return FPrZoom->ItemIndex(); }

// Colour targets by FarbWahl entry: signal, display, text, text background,
// grid, marker, pointer, trigger.
Veltor::TColor TSetup::TargetColour(int entry) const {
  switch (entry) {
    case 0: return FDisplay->ColCurve();
    case 1: return FDisplay->ColDisplay();
    case 2: return FDisplay->ColText();
    case 3: return FDisplay->ColTextDisp();
    case 4: return FDisplay->ColGrid();
    case 5: return FDisplay->ColMarker();
    case 6: return FDisplay->ColPointer();
    case 7: return FDisplay->ColTrigger();
    default: return Veltor::clBlack;
  }
}

void TSetup::SetTargetColour(int entry, Veltor::TColor c) {
  switch (entry) {
    case 0: FDisplay->SetColCurve(c); break;
    case 1: FDisplay->SetColDisplay(c); break;
    case 2: FDisplay->SetColText(c); break;
    case 3: FDisplay->SetColTextDisp(c); break;
    case 4: FDisplay->SetColGrid(c); break;
    case 5: FDisplay->SetColMarker(c); break;
    case 6: FDisplay->SetColPointer(c); break;
    case 7: FDisplay->SetColTrigger(c); break;
    default: break;
  }
}

void TSetup::SelectColourTarget() { FFarbWahl->SetItemIndex(FDisplay->Modus() == Veltor::TLogic::TextDisp ? 2 : 0); }

void TSetup::showEvent(QShowEvent* e) {
  QDialog::showEvent(e);
  SelectColourTarget();
  for (int i = 0; i < 8; ++i) FSavedColours[std::size_t(i)] = TargetColour(i);
  FSavedNames = FDisplay->ChanNamen();
  FKanalEdit->setText(FSavedNames.value(FKanalWahl->Position()));
  FRestoreOnClose = true;
}

void TSetup::on_ColorGrid_OnClick(QObject*) { SetTargetColour(FFarbWahl->ItemIndex(), FColorGrid->ForegroundColor()); }

void TSetup::on_KanalWahl_onChanged(QObject*) {
  FKanalEdit->setText(FDisplay->ChanNamen().value(FKanalWahl->Position()));
}

void TSetup::on_NameStore_clicked() {
  const int channel = FKanalWahl->Position();
  if (FKanalEdit->text() != FDisplay->ChanNamen().value(channel)) FDisplay->SetChanName(channel, FKanalEdit->text());
}

void TSetup::on_DispTyp_onChanged(QObject*) {
  FDisplay->SetDisplayTyp(Veltor::TDisplay::tdispType(FDispTyp->Position()));
}

void TSetup::on_PrSetup_clicked() {
  QPageSetupDialog dialog(FPrinter, this);
  Veltor::ModalUI().Exec(&dialog);
}

void TSetup::on_StoreBtn_clicked() {
  FRestoreOnClose = false;
  accept();
}

void TSetup::on_CancelBtn_clicked() { reject(); }

// Every way of closing comes here: OK, Cancel and the close box.
void TSetup::done(int result) {
  if (FRestoreOnClose) {
    SelectColourTarget();
    // The order the colours were always put back in.
    for (int entry : {0, 1, 2, 3, 4, 7, 5, 6}) SetTargetColour(entry, FSavedColours[std::size_t(entry)]);
    FDisplay->SetChanNamen(FSavedNames);
    FDisplay->Invalidate();
    FRestoreOnClose = false;
  }
  QDialog::done(result);
}

}  // namespace Tracelo
