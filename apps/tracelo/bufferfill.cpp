#include "bufferfill.h"

#include "bufferops.h"
#include "forms.h"
#include "host/modalui.h"
#include "logic/logic.h"
#include "tracelo.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QLineEdit>
#include <QRandomGenerator>

namespace Tracelo {

const QString TBufferFill::kOpenFilter =
    QStringLiteral("alle (*.*);;logic (*.trc);;VCD (*.vcd);;sigrok (*.sr);;CSV (*.csv)");
const QString TBufferFill::kSaveFilter = QStringLiteral("logic (*.trc);;VCD (*.vcd);;sigrok (*.sr);;CSV (*.csv)");

TBufferFill::TBufferFill(TTracelo* main) : QDialog(main), FMain(main) {
  LoadFormInto(QStringLiteral(":/forms/bufferfill.ui"), this, this);
  FStartEdit = findChild<QLineEdit*>(QStringLiteral("StartEdit"));
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
  bool startOk = false;
  const qint64 start = FStartEdit ? FStartEdit->text().trimmed().toLongLong(&startOk) : 0;
  if (FStartEdit && (!startOk || start < 0)) {
    ShowError(QStringLiteral("The start must be a sample number from 0 on."));
    return;
  }
  QString filter = QStringLiteral("alle (*.*)");
  const QString name =
      Veltor::ModalUI().OpenFileName(this, QStringLiteral("Restore Buffer from file"), QString(), kOpenFilter, &filter);
  if (name.isEmpty()) return;
  CloseFirst(Rejected);
  QString error;
  // Captures of other tools are recognised; anything else is raw data.
  const TCaptureFormat format = DetectCaptureFormat(name);
  if (format != TCaptureFormat::None) {
    QString shown;
    if (!LoadCapture(*FMain->Display(), name, format, start, &shown, &error)) {
      ShowError(error);
      return;
    }
    FMain->SetSource(QStringLiteral("%1, %2").arg(QFileInfo(name).fileName(), shown));
  } else {
    if (!ReadRawFile(*FMain->Display(), name, &error)) {
      ShowError(error);
      return;
    }
    FMain->SetSource(QFileInfo(name).fileName());
  }
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
  // The extension chooses another tool's format; everything else is a sample file.
  const TCaptureFormat format = CaptureFormatFromSuffix(name);
  const bool saved = format != TCaptureFormat::None ? SaveCapture(*FMain->Display(), name, format, &error)
                                                    : FMain->Display()->SaveToFile(name, &error);
  if (!saved) {
    ShowError(error);
    return;
  }
  FMain->SetSource(QFileInfo(name).fileName());
}

void TBufferFill::on_BitBtn1_clicked() { reject(); }

}  // namespace Tracelo
