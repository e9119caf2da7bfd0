#pragma once
// How Designer's property editor shows the properties of the library's
// controls and components.
//
// Designer edits a fixed set of value types. Colours of the library are
// TColor, which it does not know, and a few properties use integer types it
// has no editor for (quint16). TPropertySheet wraps Designer's own property
// sheet of a library object and presents such values in a type the editor
// knows: TColor as QColor, small integers as int. What the editor sets goes
// back through the wrapped sheet, converted to the property's own type, and
// a saved form holds the presented type (<color>, <number>), which the form
// loader reads.
//
// The plugin registers TPropertySheetFactory with Designer's extension
// manager; it answers for library objects only and asks the manager for the
// default sheet itself, answering nullptr to that inner request.

#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionFactory>

#include <QMetaType>
#include <QPointer>

class QExtensionManager;

namespace VeltorDesigner {

// The type the property editor shows for a property of type type: the type
// itself when the editor knows it.
QMetaType PresentedType(QMetaType type);

class TPropertySheet : public QObject, public QDesignerPropertySheetExtension {
  Q_OBJECT
  Q_INTERFACES(QDesignerPropertySheetExtension)

 public:
  TPropertySheet(QObject* object, QObject* defaultSheet, QObject* parent);

  int count() const override { return FSheet ? Sheet()->count() : 0; }
  int indexOf(const QString& name) const override { return Sheet()->indexOf(name); }
  QString propertyName(int index) const override { return Sheet()->propertyName(index); }
  QString propertyGroup(int index) const override { return Sheet()->propertyGroup(index); }
  void setPropertyGroup(int index, const QString& group) override { Sheet()->setPropertyGroup(index, group); }
  bool hasReset(int index) const override { return Sheet()->hasReset(index); }
  bool reset(int index) override { return Sheet()->reset(index); }
  bool isVisible(int index) const override { return Sheet()->isVisible(index); }
  void setVisible(int index, bool visible) override { Sheet()->setVisible(index, visible); }
  bool isAttribute(int index) const override { return Sheet()->isAttribute(index); }
  void setAttribute(int index, bool attribute) override { Sheet()->setAttribute(index, attribute); }
  bool isChanged(int index) const override { return Sheet()->isChanged(index); }
  void setChanged(int index, bool changed) override { Sheet()->setChanged(index, changed); }
  bool isEnabled(int index) const override { return Sheet()->isEnabled(index); }

  QVariant property(int index) const override;
  void setProperty(int index, const QVariant& value) override;

 private:
  QDesignerPropertySheetExtension* Sheet() const;
  // The property's own type on the object, or an invalid type when the
  // sheet's property is none of the object's (a fake or dynamic one).
  QMetaType ObjectType(int index) const;

  QPointer<QObject> FObject;
  QPointer<QObject> FSheet;
};

class TPropertySheetFactory : public QExtensionFactory {
  Q_OBJECT

 public:
  explicit TPropertySheetFactory(QExtensionManager* manager);
  // Registers one factory with the manager; later calls do nothing.
  static void Install(QExtensionManager* manager);

 protected:
  QObject* createExtension(QObject* object, const QString& iid, QObject* parent) const override;

 private:
  mutable bool FAskingDefault = false;
};

// Whether object is a control of the libraries or a component's tile.
bool IsLibraryObject(const QObject* object);

}  // namespace VeltorDesigner
