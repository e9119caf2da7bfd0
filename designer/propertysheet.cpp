#include "propertysheet.h"

#include "host/color.h"
#include "host/component.h"
#include "host/formloader.h"

#include <QtDesigner/QExtensionManager>

#include <QColor>
#include <QMetaProperty>

#include <limits>

namespace VeltorDesigner {

namespace {

// Integer types without an editor of their own, with their range.
struct TNarrowInteger {
  QMetaType::Type Type;
  int Min;
  int Max;
};
constexpr TNarrowInteger kNarrowIntegers[] = {
    {QMetaType::UShort, 0, std::numeric_limits<quint16>::max()},
    {QMetaType::Short, std::numeric_limits<qint16>::min(), std::numeric_limits<qint16>::max()},
    {QMetaType::UChar, 0, std::numeric_limits<quint8>::max()},
    {QMetaType::SChar, std::numeric_limits<qint8>::min(), std::numeric_limits<qint8>::max()},
    {QMetaType::Char, std::numeric_limits<char>::min(), std::numeric_limits<char>::max()},
};

const TNarrowInteger* NarrowInteger(QMetaType type) {
  for (const TNarrowInteger& narrow : kNarrowIntegers) {
    if (type.id() == narrow.Type) return &narrow;
  }
  return nullptr;
}

// Value types of group fields the sheet offers. Designer hands text in as a
// value type of its own, which only its own sheet unpacks, so text fields
// are left out with pictures and enumerations.
bool IsFieldType(QMetaType type) {
  switch (type.id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Double:
    case QMetaType::QColor: return true;
    default: return false;
  }
}

QVariant Presented(QVariant value) {
  if (value.metaType() == QMetaType::fromType<Veltor::TColor>()) return value.value<Veltor::TColor>().ToQColor();
  const QMetaType presented = PresentedType(value.metaType());
  if (presented != value.metaType()) value.convert(presented);
  return value;
}

// value, given in the presented type, in type, the property's own.
QVariant Own(const QVariant& value, QMetaType type) {
  if (type == QMetaType::fromType<Veltor::TColor>()) {
    return QVariant::fromValue(Veltor::TColor::FromQColor(value.value<QColor>()));
  }
  QVariant own = value;
  if (const TNarrowInteger* narrow = NarrowInteger(type)) own = qBound(narrow->Min, value.toInt(), narrow->Max);
  own.convert(type);
  return own;
}

}  // namespace

QMetaType PresentedType(QMetaType type) {
  if (type == QMetaType::fromType<Veltor::TColor>()) return QMetaType::fromType<QColor>();
  if (NarrowInteger(type)) return QMetaType::fromType<int>();
  if (type.id() == QMetaType::Float) return QMetaType::fromType<double>();
  return type;
}

bool IsLibraryObject(const QObject* object) {
  for (const QMetaObject* meta = object ? object->metaObject() : nullptr; meta; meta = meta->superClass()) {
    if (Veltor::TFormLoader::RegisteredClass(QString::fromLatin1(meta->className()))) return true;
  }
  return false;
}

TPropertySheet::TPropertySheet(QObject* object, QObject* defaultSheet, QObject* parent)
    : QObject(parent), FObject(object), FSheet(defaultSheet) {
  const QMetaObject* meta = object->metaObject();
  for (int i = 0; i < meta->propertyCount(); ++i) {
    const QMetaProperty group = meta->property(i);
    if (!(group.metaType().flags() & QMetaType::PointerToQObject)) continue;
    QObject* owner = group.read(object).value<QObject*>();
    if (!qobject_cast<Veltor::TPersistent*>(owner)) continue;
    const QMetaObject* fields = owner->metaObject();
    for (int f = QObject::staticMetaObject.propertyCount(); f < fields->propertyCount(); ++f) {
      const QMetaProperty field = fields->property(f);
      if (!field.isWritable() || !IsFieldType(PresentedType(field.metaType()))) continue;
      const QString groupName = QString::fromLatin1(group.name());
      FFields.push_back({groupName + QLatin1Char('.') + QString::fromLatin1(field.name()), groupName, owner, field});
    }
  }
}

TPropertySheet::TGroupField* TPropertySheet::Field(int index) const {
  const int field = index - Sheet()->count();
  return field >= 0 && field < int(FFields.size()) ? &FFields[std::size_t(field)] : nullptr;
}

int TPropertySheet::indexOf(const QString& name) const {
  const int index = Sheet()->indexOf(name);
  if (index >= 0) return index;
  for (std::size_t i = 0; i < FFields.size(); ++i) {
    if (FFields[i].Name == name) return Sheet()->count() + int(i);
  }
  return -1;
}

QString TPropertySheet::propertyName(int index) const {
  const TGroupField* field = Field(index);
  return field ? field->Name : Sheet()->propertyName(index);
}

QString TPropertySheet::propertyGroup(int index) const {
  const TGroupField* field = Field(index);
  return field ? field->Group : Sheet()->propertyGroup(index);
}

void TPropertySheet::setPropertyGroup(int index, const QString& group) {
  if (TGroupField* field = Field(index)) {
    field->Group = group;
  } else {
    Sheet()->setPropertyGroup(index, group);
  }
}

void TPropertySheet::setVisible(int index, bool visible) {
  if (!Field(index)) Sheet()->setVisible(index, visible);
}

void TPropertySheet::setAttribute(int index, bool attribute) {
  if (!Field(index)) Sheet()->setAttribute(index, attribute);
}

bool TPropertySheet::isChanged(int index) const {
  const TGroupField* field = Field(index);
  return field ? field->Changed : Sheet()->isChanged(index);
}

void TPropertySheet::setChanged(int index, bool changed) {
  if (TGroupField* field = Field(index)) {
    field->Changed = changed;
  } else {
    Sheet()->setChanged(index, changed);
  }
}

QDesignerPropertySheetExtension* TPropertySheet::Sheet() const {
  return qobject_cast<QDesignerPropertySheetExtension*>(FSheet.data());
}

QMetaType TPropertySheet::ObjectType(int index) const {
  if (!FObject) return QMetaType();
  const QMetaObject* meta = FObject->metaObject();
  const int property = meta->indexOfProperty(Sheet()->propertyName(index).toLatin1().constData());
  return property < 0 ? QMetaType() : meta->property(property).metaType();
}

QVariant TPropertySheet::property(int index) const {
  if (const TGroupField* field = Field(index)) {
    return field->Owner ? Presented(field->Property.read(field->Owner)) : QVariant();
  }
  return Presented(Sheet()->property(index));
}

void TPropertySheet::setProperty(int index, const QVariant& value) {
  if (const TGroupField* field = Field(index)) {
    const QMetaType type = field->Property.metaType();
    if (field->Owner) field->Property.write(field->Owner, value.metaType() == type ? value : Own(value, type));
    return;
  }
  const QMetaType type = ObjectType(index);
  if (!type.isValid() || PresentedType(type) == type || value.metaType() != PresentedType(type)) {
    Sheet()->setProperty(index, value);
    return;
  }
  Sheet()->setProperty(index, Own(value, type));
}

TPropertySheetFactory::TPropertySheetFactory(QExtensionManager* manager) : QExtensionFactory(manager) {}

void TPropertySheetFactory::Install(QExtensionManager* manager) {
  if (!manager || manager->findChild<TPropertySheetFactory*>()) return;
  manager->registerExtensions(new TPropertySheetFactory(manager), Q_TYPEID(QDesignerPropertySheetExtension));
}

QObject* TPropertySheetFactory::createExtension(QObject* object, const QString& iid, QObject* parent) const {
  if (FAskingDefault || iid != Q_TYPEID(QDesignerPropertySheetExtension) || !IsLibraryObject(object)) return nullptr;
  FAskingDefault = true;
  QObject* defaultSheet = extensionManager()->extension(object, iid);
  FAskingDefault = false;
  return defaultSheet ? new TPropertySheet(object, defaultSheet, parent) : nullptr;
}

}  // namespace VeltorDesigner
