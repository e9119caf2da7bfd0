#include "collection.h"

#include "registry.h"
#include "widgetplugin.h"

#include "foundation/tickregistry.h"
#include "host/formloader.h"

#include <QApplication>

namespace VeltorDesigner {

TCollection::TCollection(QObject* parent) : QObject(parent) {
  if (qApp) Veltor::InitFoundation();
  RegisterLibraryClasses();
  for (const QString& name : Veltor::TFormLoader::RegisteredClasses()) FWidgets.append(new TWidgetPlugin(name, this));
}

}  // namespace VeltorDesigner
