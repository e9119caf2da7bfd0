#include "host/modalui.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>

namespace Veltor {

namespace {

TModalUI* g_current = nullptr;

QMessageBox::StandardButtons QtButtons(TMsgDlgButtons b) {
  QMessageBox::StandardButtons out;
  if (b & mbYes) out |= QMessageBox::Yes;
  if (b & mbNo) out |= QMessageBox::No;
  if (b & mbOK) out |= QMessageBox::Ok;
  if (b & mbCancel) out |= QMessageBox::Cancel;
  if (b & mbAbort) out |= QMessageBox::Abort;
  if (b & mbRetry) out |= QMessageBox::Retry;
  if (b & mbIgnore) out |= QMessageBox::Ignore;
  return out ? out : QMessageBox::Ok;
}

TModalResult ResultFromQt(int button) {
  switch (button) {
    case QMessageBox::Ok: return mrOk;
    case QMessageBox::Cancel: return mrCancel;
    case QMessageBox::Abort: return mrAbort;
    case QMessageBox::Retry: return mrRetry;
    case QMessageBox::Ignore: return mrIgnore;
    case QMessageBox::Yes: return mrYes;
    case QMessageBox::No: return mrNo;
    default: return mrCancel;
  }
}

}  // namespace

TModalResult TModalUI::Message(const QString& caption, const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  switch (type) {
    case mtWarning: icon = QMessageBox::Warning; break;
    case mtError: icon = QMessageBox::Critical; break;
    case mtInformation: icon = QMessageBox::Information; break;
    case mtConfirmation: icon = QMessageBox::Question; break;
    case mtCustom: break;
  }
  QMessageBox box(icon, caption.isEmpty() ? QApplication::applicationName() : caption, text, QtButtons(buttons),
                  QApplication::activeWindow());
  return ResultFromQt(box.exec());
}

void TModalUI::Beep() { QApplication::beep(); }

QString TModalUI::OpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                               QString* selectedFilter) {
  return QFileDialog::getOpenFileName(parent, caption, dir, filter, selectedFilter);
}

QString TModalUI::SaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                               QString* selectedFilter) {
  return QFileDialog::getSaveFileName(parent, caption, dir, filter, selectedFilter);
}

int TModalUI::Exec(QDialog* dialog) { return dialog ? dialog->exec() : 0; }

TModalUI& ModalUI() {
  static TModalUI interactive;
  return g_current ? *g_current : interactive;
}

void SetModalUI(TModalUI* ui) { g_current = ui; }

void ShowMessage(const QString& text) { ModalUI().Message(QString(), text, mtCustom, mbOK); }

TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  return ModalUI().Message(QString(), text, type, buttons);
}

void Beep() { ModalUI().Beep(); }

}  // namespace Veltor
