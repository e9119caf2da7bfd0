#include "forms.h"

#include "buttons/buttons_classes.h"
#include "foundation/foundation_classes.h"
#include "host/formloader.h"
#include "logic/logic_classes.h"
#include "meters/meters_classes.h"
#include "misc/misc_classes.h"
#include "potis/potis_classes.h"
#include "host/radiogroup.h"
#include "segments/segments_classes.h"
#include "system/system_classes.h"
#include "text/text_classes.h"

#include <QApplication>
#include <QVBoxLayout>

// The forms live in a static library: their resources must be pulled in.
static void InitFormResources() { Q_INIT_RESOURCE(veltordemo_forms); }

namespace VeltorDemo {

const char* const kApplicationTitle = "Veltor Demo";

void SetUpApplication() {
  QApplication::setApplicationName(QStringLiteral("veltordemo"));
  QApplication::setApplicationDisplayName(QString::fromLatin1(kApplicationTitle));
}

void RegisterDemoClasses() {
  InitFormResources();
  Veltor::RegisterFoundationClasses();
  Veltor::RegisterLogicClasses();
  Veltor::RegisterButtonClasses();
  Veltor::RegisterPotiClasses();
  Veltor::RegisterSystemClasses();
  Veltor::RegisterSegmentClasses();
  Veltor::RegisterMeterClasses();
  Veltor::RegisterMiscClasses();
  Veltor::RegisterTextClasses();
  Veltor::TFormLoader::RegisterClass<Veltor::TRadioGroup>(QStringLiteral("TRadioGroup"));
}

QWidget* LoadFormInto(const QString& path, QWidget* host, QObject* receiver) {
  Veltor::TFormLoader loader;
  std::unique_ptr<QWidget> form = loader.Load(path, host, receiver);
  if (!form) throw TFormError(loader.ErrorString().toStdString());
  host->setWindowTitle(form->windowTitle());
  host->resize(form->size());
  auto* layout = new QVBoxLayout(host);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(form.get());
  return form.release();
}

}  // namespace VeltorDemo
