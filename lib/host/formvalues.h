#pragma once
// Stored values of a .ui form that the library assigns itself instead of
// leaving them to Qt's form builder: every property of a non-visual
// component and every field of a property group.
//
// The builder cannot set either. It applies values to the widget it made and
// looks enumeration keys up in that widget's meta-object; a non-visual
// component has no widget of its own (only a placeholder), and a group field
// ("StartTime.Hours") is no property of its owner. So the loader takes these
// values out of the document before the builder sees it and assigns them
// afterwards, through the setters, while the form is still loading.
//
// Group fields are written as properties of the owner with a dotted name,
// group first:
//
//   <widget class="TCtrlTimer" name="Timer1">
//    <property name="StartTime.ValueMinutes"><number>5</number></property>
//
// One <property> element per field keeps every value in a form Designer
// already reads and writes; groups inside groups take one dot more. Group
// fields are assigned after all properties the builder sets, in document
// order, so a field setter sees its owner fully configured.

#include <QByteArray>
#include <QColor>
#include <QMetaProperty>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <vector>

class QObject;
class QXmlStreamReader;

namespace Veltor {

// A property value as the form stores it.
struct TStoredValue {
  QString Kind;  // the value element's name in lower case: "string", "enum", "color", ...
  QString Text;
  QStringList Items;  // of a <stringlist>
  QColor Color;       // of a <color>
  qint64 Line = 0;    // of the value element
};

// Reads the value of the <property> element the reader stands on, up to and
// including its end tag. Kind stays empty when the property holds no value.
TStoredValue ReadStoredValue(QXmlStreamReader& reader);

// The value converted for property. problem receives what is wrong with it
// ("\"bvFlat\" is not a value of TPanelBevel (where)"). Kinds only the
// builder makes (rectangles, fonts, palettes, ...) give an invalid QVariant
// and no problem.
QVariant StoredVariant(const TStoredValue& value, const QMetaProperty& property, const QString& where,
                       QString* problem);

// "Group.Field" (or "Outer.Inner.Field") resolved in meta: the group
// properties in order and the field. Problem is set when a part is missing
// or is not a published group.
struct TPropertyPath {
  std::vector<QMetaProperty> Groups;
  QMetaProperty Field;
  const QMetaObject* FieldClass = nullptr;
  QString Problem;
};
TPropertyPath ResolvePropertyPath(const QMetaObject* meta, const QString& name);

// Values the library assigns itself, in document order, and the document
// that is left for the builder.
struct TDeferredValue {
  QString Object;
  QString Property;
  TStoredValue Value;
};
struct TSplitForm {
  QByteArray Ui;
  std::vector<TDeferredValue> Values;
};
TSplitForm SplitDeferredValues(const QByteArray& ui);

// Whether the library assigns a property itself: every property of a
// non-visual component, and group fields of any class.
bool IsDeferredProperty(bool component, const QString& name);

// Designer stores where it shows a component's icon; a form loaded at run
// time has no use for it.
bool IsDesignerOnlyProperty(bool component, const QString& name);

// Assigns value to the property (or group field) name of object through its
// setter. Returns false with problem set when it cannot.
bool AssignStoredValue(QObject* object, const QString& name, const TStoredValue& value, QString* problem);

}  // namespace Veltor
