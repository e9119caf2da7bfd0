#include "propertysheet.h"

#include "host/color.h"
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
    : QObject(parent), FObject(object), FSheet(defaultSheet) {}

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
  QVariant value = Sheet()->property(index);
  const QMetaType presented = PresentedType(value.metaType());
  if (value.metaType() == QMetaType::fromType<Veltor::TColor>()) return value.value<Veltor::TColor>().ToQColor();
  if (presented != value.metaType()) value.convert(presented);
  return value;
}

void TPropertySheet::setProperty(int index, const QVariant& value) {
  const QMetaType type = ObjectType(index);
  if (!type.isValid() || PresentedType(type) == type || value.metaType() != PresentedType(type)) {
    Sheet()->setProperty(index, value);
    return;
  }
  QVariant own = value;
  if (const TNarrowInteger* narrow = NarrowInteger(type)) own = qBound(narrow->Min, value.toInt(), narrow->Max);
  if (type == QMetaType::fromType<Veltor::TColor>()) {
    own = QVariant::fromValue(Veltor::TColor::FromQColor(value.value<QColor>()));
  } else {
    own.convert(type);
  }
  Sheet()->setProperty(index, own);
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
