#include "tracelo.h"

#include "bufferfill.h"
#include "buttons/textspin.h"
#include "forms.h"
#include "host/modalui.h"
#include "infos.h"
#include "logic/logic.h"
#include "setup.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QPainter>
#include <QPrinterInfo>
#include <QTimer>

namespace Tracelo {

const char* const kProgramTitle = "Corvane Logic Analyzer Demo";

TTracelo::TTracelo(QWidget* parent) : QWidget(parent) {
  QWidget* form = LoadFormInto(QStringLiteral(":/forms/tracelo.ui"), this, this);
  FDisplay = FormChild<Veltor::TLogic>(form, "Display");
  FTimeBase = FormChild<Veltor::TTextSpin>(form, "TimeBase");
  // The dialogs come after the main window, as the program has always
  // created them.
  FSetup = std::make_unique<TSetup>(FDisplay, &FPrinter, this);
  FInfos = std::make_unique<TInfos>(this);
  FBufferFill = std::make_unique<TBufferFill>(this);
}

TTracelo::~TTracelo() = default;

void TTracelo::SetSource(const QString& source) {
  setWindowTitle(QStringLiteral("%1 [%2]").arg(QString::fromLatin1(kProgramTitle), source));
}

void TTracelo::on_CloseBtn_clicked() { close(); }

void TTracelo::on_ScanBtn_clicked() { Veltor::ModalUI().Exec(FBufferFill.get()); }

void TTracelo::on_Display_onZoomSet(QObject*) { FDisplay->ApplyZoom(); }

void TTracelo::on_TextGraphBtn_clicked() {
  FDisplay->SetModus(FDisplay->Modus() == Veltor::TLogic::Diagram ? Veltor::TLogic::TextDisp : Veltor::TLogic::Diagram);
}

void TTracelo::on_TimeBase_onChanged(QObject*) { FDisplay->SetTimeBase(FTimeBase->PosFloat()); }

void TTracelo::on_SetupBtn_clicked() { Veltor::ModalUI().Exec(FSetup.get()); }

void TTracelo::on_HelpBtn_clicked() { Veltor::ModalUI().Exec(FInfos.get()); }

void TTracelo::on_PrintBtn_clicked() { HardCopy(); }

// The splash comes once the window is on screen, not from inside a paint.
void TTracelo::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  if (!FSplashShown) QTimer::singleShot(0, this, &TTracelo::ShowSplash);
}

void TTracelo::ShowSplash() {
  if (FSplashShown) return;
  FSplashShown = true;
  if (FInfoBoxes && !FInfos->isVisible()) ShowInfos();
}

void TTracelo::closeEvent(QCloseEvent* e) {
  if (FInfoBoxes) ShowInfos();
  e->accept();
}

void TTracelo::ShowInfos() {
  FInfosOpen = true;
  CentreInfos();
  Veltor::ModalUI().Exec(FInfos.get());
  FInfosOpen = false;
}

void TTracelo::CentreInfos() {
  QRect box = FInfos->frameGeometry();
  box.moveCenter(frameGeometry().center());
  FInfos->move(box.topLeft());
}

void TTracelo::moveEvent(QMoveEvent* e) {
  QWidget::moveEvent(e);
  if (FInfosOpen) CentreInfos();
}

void TTracelo::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  if (FInfosOpen) CentreInfos();
}

bool TTracelo::HardCopy() {
  if (Veltor::MessageDlg(QStringLiteral("HardCopy drucken ?"), Veltor::mtConfirmation, Veltor::mbYes | Veltor::mbNo) !=
      Veltor::mrYes) {
    return false;
  }
  // Without any printer the copy goes into a PDF file the user names.
  if (FPrinter.outputFileName().isEmpty() && QPrinterInfo::availablePrinterNames().isEmpty()) {
    QString name =
        Veltor::ModalUI().SaveFileName(this, QStringLiteral("HardCopy"), QString(), QStringLiteral("PDF (*.pdf)"));
    if (name.isEmpty()) return false;
    if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".pdf");
    FPrinter.setOutputFormat(QPrinter::PdfFormat);
    FPrinter.setOutputFileName(name);
  }
  FDisplay->Redraw();
  const QPageLayout::Orientation saved = FPrinter.pageLayout().orientation();
  FPrinter.setPageOrientation(QPageLayout::Landscape);
  QPainter painter;
  if (!painter.begin(&FPrinter)) {
    FPrinter.setPageOrientation(saved);
    Veltor::ModalUI().Message(QString(), QStringLiteral("Cannot print: the printer is not available."), Veltor::mtError,
                              Veltor::mbOK);
    return false;
  }
  // Pictures go into the page as they are, not re-compressed.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  const bool whole = FSetup->PrintSelect() == 1;
  Veltor::TBitmap* picture = whole ? FDisplay->PrintAll() : FDisplay->PrintDisp();
  QRect target(100, 100, picture->Width() + 10, picture->Height() + 10);
  if (FSetup->PrintZoom() == 1) target = painter.viewport();  // the whole page
  painter.drawImage(target, picture->Image());
  painter.end();
  FPrinter.setPageOrientation(saved);
  Veltor::Beep();
  FDisplay->ReleaseSnapshot();
  return true;
}

}  // namespace Tracelo
