#include "groupfields.h"

#include "host/formvalues.h"

#include <QDynamicPropertyChangeEvent>
#include <QVariant>

namespace VeltorDesigner {

bool TGroupFieldForwarder::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::DynamicPropertyChange) return false;
  const QByteArray name = static_cast<QDynamicPropertyChangeEvent*>(event)->propertyName();
  const QVariant value = watched->property(name.constData());
  if (!name.contains('.') || !value.isValid()) return false;
  const Veltor::TPropertyPath path = Veltor::ResolvePropertyPath(watched->metaObject(), QString::fromLatin1(name));
  if (!path.Problem.isEmpty()) return false;
  QObject* group = watched;
  for (const QMetaProperty& step : path.Groups) {
    group = step.read(group).value<QObject*>();
    if (!group) return false;
  }
  path.Field.write(group, value);
  return false;
}

}  // namespace VeltorDesigner
