#include "demodialog.h"

#include "host/modalui.h"
#include "launchtable.h"
#include "host/radiogroup.h"

#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace VeltorDemo {

void TDemoDialog::LoadForm(const char* formName) {
  FForm = LoadFormInto(QStringLiteral(":/veltordemo/%1.ui").arg(QLatin1String(formName)), this, this);
}

bool TDemoDialog::PrintComponent(QWidget* component) {
  QPrinter printer(QPrinter::HighResolution);
  if (QPrinterInfo::availablePrinterNames().isEmpty()) {
    QString name = Veltor::ModalUI().SaveFileName(component->window(), QStringLiteral("Drucken"), QString(),
                                                  QStringLiteral("PDF (*.pdf)"));
    if (name.isEmpty()) return false;
    if (QFileInfo(name).suffix().isEmpty()) name += QStringLiteral(".pdf");
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(name);
  }
  const QPixmap picture = component->grab();
  QPainter painter;
  if (!painter.begin(&printer)) {
    Veltor::ModalUI().Message(QString(), QStringLiteral("Cannot print: the printer is not available."), Veltor::mtError,
                              Veltor::mbOK);
    return false;
  }
  // The component keeps its screen size: 96 of its pixels to the inch, an
  // inch from the page's corner.
  const qreal scale = printer.resolution() / 96.0;
  painter.scale(scale, scale);
  painter.drawPixmap(QPoint(96, 96), picture);
  painter.end();
  return true;
}

int GroupIndexOf(QObject* radioGroup) { return qobject_cast<TRadioGroup*>(radioGroup)->ItemIndex(); }

namespace {

QString WithoutNamespace(const QString& name) { return name.mid(name.lastIndexOf(QLatin1Char(':')) + 1); }

}  // namespace

std::unique_ptr<QDialog> CreateDemoDialog(const QString& className, QWidget* parent) {
  const QString wanted = WithoutNamespace(className);
  for (const TLaunchButton& button : LaunchButtons()) {
    if (!button.OpenDialog) continue;
    std::unique_ptr<QDialog> dialog = button.OpenDialog(parent);
    if (WithoutNamespace(QLatin1String(dialog->metaObject()->className())) == wanted) return dialog;
  }
  return nullptr;
}

QStringList DemoDialogNames() {
  QStringList names;
  for (const TLaunchButton& button : LaunchButtons()) {
    if (button.OpenDialog)
      names << WithoutNamespace(QLatin1String(button.OpenDialog(nullptr)->metaObject()->className()));
  }
  return names;
}

}  // namespace VeltorDemo
