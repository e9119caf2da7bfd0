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
// Fields of property groups (TPersistent, such as a timer's StartTime) are
// no properties of their owner; the sheet adds each field of an editable
// type after Designer's own properties, under the dotted name the form
// loader reads ("StartTime.ValueMinutes"), and reads and writes it on the
// group. Fields of other types (text, pictures, enumerations) stay out of
// the editor, as Designer's editors for them need its own value types; a
// stored value of such a field still goes through Designer unchanged, as a
// dynamic property.
//
// The plugin registers TPropertySheetFactory with Designer's extension
// manager; it answers for library objects only and asks the manager for the
// default sheet itself, answering nullptr to that inner request.

#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionFactory>

#include <QMetaProperty>
#include <QMetaType>
#include <QPointer>

#include <vector>

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

  int count() const override { return Sheet()->count() + int(FFields.size()); }
  int indexOf(const QString& name) const override;
  QString propertyName(int index) const override;
  QString propertyGroup(int index) const override;
  void setPropertyGroup(int index, const QString& group) override;
  bool hasReset(int index) const override { return !Field(index) && Sheet()->hasReset(index); }
  bool reset(int index) override { return !Field(index) && Sheet()->reset(index); }
  bool isVisible(int index) const override { return Field(index) || Sheet()->isVisible(index); }
  void setVisible(int index, bool visible) override;
  bool isAttribute(int index) const override { return !Field(index) && Sheet()->isAttribute(index); }
  void setAttribute(int index, bool attribute) override;
  bool isChanged(int index) const override;
  void setChanged(int index, bool changed) override;
  bool isEnabled(int index) const override { return Field(index) || Sheet()->isEnabled(index); }

  QVariant property(int index) const override;
  void setProperty(int index, const QVariant& value) override;

 private:
  // One field of a property group, edited as "Group.Field".
  struct TGroupField {
    QString Name;
    QString Group;
    QPointer<QObject> Owner;  // the group object
    QMetaProperty Property;
    bool Changed = false;
  };

  QDesignerPropertySheetExtension* Sheet() const;
  // The group field at index, or nullptr for Designer's own properties.
  // Fields follow them, so their indices move when Designer adds dynamic
  // properties; they are always looked up afresh.
  TGroupField* Field(int index) const;
  // The property's own type on the object, or an invalid type when the
  // sheet's property is none of the object's (a fake or dynamic one).
  QMetaType ObjectType(int index) const;

  QPointer<QObject> FObject;
  QPointer<QObject> FSheet;
  mutable std::vector<TGroupField> FFields;
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
