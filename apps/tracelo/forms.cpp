#include "forms.h"

#include "buttons/buttons_classes.h"
#include "host/formloader.h"
#include "logic/logic_classes.h"
#include "widgets.h"

#include <QApplication>
#include <QVBoxLayout>

// The forms live in a static library: their resources must be pulled in.
static void InitFormResources() { Q_INIT_RESOURCE(forms); }

namespace Tracelo {

// No display name: Qt appends it to every window title on X11, and the
// windows' own titles already say which program they belong to.
void SetUpApplication() { QApplication::setApplicationName(QStringLiteral("tracelo")); }

void RegisterTraceloClasses() {
  InitFormResources();
  Veltor::RegisterLogicClasses();
  Veltor::RegisterButtonClasses();
  Veltor::TFormLoader::RegisterClass<Veltor::TRadioGroup>(QStringLiteral("TRadioGroup"));
  Veltor::TFormLoader::RegisterClass<TColorGrid>(QStringLiteral("TColorGrid"));
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

}  // namespace Tracelo
