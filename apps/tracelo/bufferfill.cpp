#include "bufferfill.h"

#include "bufferops.h"
#include "forms.h"
#include "host/modalui.h"
#include "logic/logic.h"
#include "tracelo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QRandomGenerator>

namespace Tracelo {

const QString TBufferFill::kOpenFilter = QStringLiteral("alle (*.*);;logic (*.trc)");
const QString TBufferFill::kSaveFilter = QStringLiteral("logic (*.trc)");

TBufferFill::TBufferFill(TTracelo* main) : QDialog(main), FMain(main) {
  LoadFormInto(QStringLiteral(":/forms/bufferfill.ui"), this, this);
}

void TBufferFill::CloseFirst(int result) {
  done(result);
  QCoreApplication::processEvents();
}

void TBufferFill::ShowError(const QString& text) {
  Veltor::ModalUI().Message(QString(), text, Veltor::mtError, Veltor::mbOK);
}

void TBufferFill::on_RandomBtn_clicked() {
  QRandomGenerator random(quint32(QDateTime::currentMSecsSinceEpoch()));
  FillRandom(*FMain->Display(), random);
  FMain->SetSource(QStringLiteral("random"));
  FMain->Display()->Redraw();
  done(Accepted);
}

void TBufferFill::on_FileLoad_clicked() {
  QString filter = QStringLiteral("alle (*.*)");
  const QString name =
      Veltor::ModalUI().OpenFileName(this, QStringLiteral("Restore Buffer from file"), QString(), kOpenFilter, &filter);
  if (name.isEmpty()) return;
  CloseFirst(Rejected);
  QString error;
  if (!ReadRawFile(*FMain->Display(), name, &error)) {
    ShowError(error);
    return;
  }
  FMain->SetSource(QFileInfo(name).fileName());
  FMain->Display()->Redraw();
}

void TBufferFill::on_RestoreBtn_clicked() {
  QString filter = QStringLiteral("logic (*.trc)");
  const QString name =
      Veltor::ModalUI().OpenFileName(this, QStringLiteral("Restore Buffer from file"), QString(), kOpenFilter, &filter);
  if (name.isEmpty()) return;
  CloseFirst(Accepted);
  QString error;
  const bool loaded = FMain->Display()->LoadFromFile(name, &error);
  // A damaged file was reported by the display; one that cannot be read at
  // all is reported here and leaves the caption alone.
  if (!loaded && !QFileInfo(name).isReadable()) {
    ShowError(error);
    return;
  }
  FMain->SetSource(QFileInfo(name).fileName());
}

void TBufferFill::on_SaveBtn_clicked() {
  QString name = Veltor::ModalUI().SaveFileName(this, QStringLiteral("Save Buffer to file"), QString(), kSaveFilter);
  if (name.isEmpty()) return;
  if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".trc");
  CloseFirst(Accepted);
  QString error;
  if (!FMain->Display()->SaveToFile(name, &error)) {
    ShowError(error);
    return;
  }
  FMain->SetSource(QFileInfo(name).fileName());
}

void TBufferFill::on_BitBtn1_clicked() { reject(); }

}  // namespace Tracelo
