#pragma once
// Builds forms stored as Designer .ui files at run time.
//
// Library classes are created by name from a process-wide registry. Each
// library folder offers one function that registers its classes, for example
//
//   // foundation/foundation_classes.h
//   void RegisterFoundationClasses();  // TFormLoader::RegisterClass<TRahmen>(); ...
//
// A program calls the functions of the folders it links once at start-up,
// before it loads its first form. Registering a class again does nothing.
// Controls (QWidget descendants) and non-visual components (TComponent
// descendants: timers, ports, files) register alike.
//
// Designer only places widgets, so a non-visual component stands in the .ui
// as a widget of its class name:
//
//   <widget class="TSmartTimer" name="Timer1">
//    <property name="Time"><number>1000</number></property>
//    <property name="TimerMode"><enum>tmTicking</enum></property>
//   </widget>
//
// The loader creates the component owned by the form (find it with
// form->findChild<TSmartTimer*>("Timer1")) and leaves a hidden, zero-size,
// unnamed widget in its place for Qt's builder. Its stored properties and
// events are handled exactly like a control's; the geometry Designer stores
// for its icon is ignored. Fields of property groups are stored with dotted
// names, see host/formvalues.h.
//
// Loading a form:
//
//   TFormLoader loader;
//   std::unique_ptr<QWidget> form = loader.Load(":/forms/main.ui", this, this);
//   if (!form) qCritical().noquote() << loader.ErrorString();
//
// Before anything is built the file is checked against the classes'
// meta-objects: unknown classes, unknown or unpublished properties, enumeration
// keys that do not exist and values that cannot be stored are reported with
// file, line and name. Qt's own builder would otherwise turn a misspelt
// property into a dynamic one, store -1 for an unknown key, or skip a value it
// cannot convert, all without a word.
//
// While a form is built, every library component is in the csLoading state
// as its stored properties go through the setters; when the whole form stands,
// the receiver's on_<object>_<event> slots are connected and Loaded() runs on
// every component in creation order.

#include "host/component.h"

#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <type_traits>

namespace Veltor {

class TFormLoader {
 public:
  using TFactory = std::function<QWidget*(QWidget* parent)>;
  using TComponentFactory = std::function<TComponent*(QObject* owner)>;

  // Registers T, a control or a non-visual component, for stored forms under
  // name, by default its class name without the library's namespace
  // ("TRahmen", "TSmartTimer").
  template <typename T>
  static void RegisterClass(const QString& name = QString()) {
    if constexpr (std::is_base_of<QWidget, T>::value) {
      RegisterClass(
          T::staticMetaObject, [](QWidget* parent) -> QWidget* { return new T(parent); }, name);
    } else {
      static_assert(std::is_base_of<TComponent, T>::value, "stored forms hold widgets and TComponent descendants");
      RegisterComponentClass(
          T::staticMetaObject, [](QObject* owner) -> TComponent* { return new T(owner); }, name);
    }
  }
  static void RegisterClass(const QMetaObject& metaObject, TFactory factory, const QString& name = QString());
  static void RegisterComponentClass(const QMetaObject& metaObject, TComponentFactory factory,
                                     const QString& name = QString());

  // The meta-object registered under name ("TRahmen" or "Veltor::TRahmen"),
  // or nullptr.
  static const QMetaObject* RegisteredClass(const QString& name);
  // Every registered name, sorted.
  static QStringList RegisteredClasses();
  // Whether name is registered as a non-visual component.
  static bool IsComponentClass(const QString& name);
  // A new object of the class registered under name: a control with parent
  // as its parent, or a component owned by parent. nullptr for a name that
  // is not registered.
  static QObject* CreateObject(const QString& name, QWidget* parent);

  // Builds the form in path. The caller owns the returned widget, also when a
  // parent is given (release() it to leave it to the parent). receiver, when
  // given, gets its on_<object>_<event> slots connected. On any error nothing
  // is built and ErrorString() says what and where.
  std::unique_ptr<QWidget> Load(const QString& path, QWidget* parentWidget = nullptr, QObject* receiver = nullptr);

  // One line per problem of the last Load, "file:line: text".
  QString ErrorString() const { return FErrorString; }

  // Connects every signal X of form and the objects below it to receiver's
  // slot on_<objectName>_<X> when their arguments match. A slot that names no
  // such object or signal, or whose arguments do not fit, is reported with
  // qWarning. Returns the number of connections made.
  static int ConnectEventsByName(QObject* form, QObject* receiver);

 private:
  QString FErrorString;
};

}  // namespace Veltor
