#include "host/formloader.h"

#include "host/color.h"
#include "host/component.h"
#include "host/formcheck.h"
#include "host/formvalues.h"

#include <QBuffer>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMetaMethod>
#include <QPointer>
#include <QUiLoader>

#include <utility>
#include <vector>

namespace Veltor {

namespace {

struct TRegisteredClass {
  const QMetaObject* Meta = nullptr;
  TFormLoader::TFactory Create;                    // controls
  TFormLoader::TComponentFactory CreateComponent;  // non-visual components
};

QHash<QString, TRegisteredClass>& Registry() {
  static QHash<QString, TRegisteredClass> registry;
  return registry;
}

// Forms may name library classes with or without the namespace.
QString PlainClassName(const QString& name) {
  static const QString prefix = QStringLiteral("Veltor::");
  return name.startsWith(prefix) ? name.mid(prefix.size()) : name;
}

// Qt's form builder with library classes added. It puts every library
// component into the loading state as it creates it and remembers the
// components in creation order for EndLoading, and by name for the values
// the loader assigns itself.
class TFormBuilder : public QUiLoader {
 public:
  QWidget* createWidget(const QString& className, QWidget* parent, const QString& name) override {
    const auto it = Registry().constFind(PlainClassName(className));
    if (it == Registry().cend()) return Created(QUiLoader::createWidget(className, parent, name), name);
    if (it->CreateComponent) return CreateComponent(*it, parent, name);
    QWidget* widget = it->Create(parent);
    if (!widget) {
      FFailed << name;
      return nullptr;
    }
    widget->setObjectName(name);
    if (auto* component = dynamic_cast<TComponentBase*>(widget)) component->BeginLoading();
    return Created(widget, name);
  }

  // The object the form declares under name, or nullptr.
  QObject* Object(const QString& name) const { return FByName.value(name).data(); }

  void EndLoading() {
    for (const QPointer<QObject>& object : FCreated) {
      if (auto* component = dynamic_cast<TComponentBase*>(object.data())) component->EndLoading();
    }
    FCreated.clear();
  }

  // After a failed build: whatever was made must not linger under the
  // caller's parent. Children go before their parents.
  void DiscardCreated() {
    for (auto it = FCreated.rbegin(); it != FCreated.rend(); ++it) delete it->data();
    FCreated.clear();
  }

  // Objects whose factory returned nothing; Qt's builder would just leave
  // them out of the form.
  const QStringList& Failed() const { return FFailed; }

  // The builder names every widget it makes after the element; a
  // placeholder gives its name back, so the name finds the component only.
  void UnnamePlaceholders() {
    for (const QPointer<QWidget>& placeholder : FPlaceholders) {
      if (placeholder) placeholder->setObjectName(QString());
    }
  }

 private:
  QWidget* Created(QWidget* widget, const QString& name) {
    if (!widget) return nullptr;
    if (!FRoot) FRoot = widget;
    Remember(widget, name);
    return widget;
  }
  void Remember(QObject* object, const QString& name) {
    FCreated.emplace_back(object);
    if (!name.isEmpty()) FByName.insert(name, object);
  }

  // The component belongs to the form; the builder gets a placeholder that
  // takes no room, not even in a layout.
  QWidget* CreateComponent(const TRegisteredClass& entry, QWidget* parent, const QString& name) {
    TComponent* component = FRoot ? entry.CreateComponent(FRoot) : nullptr;
    if (!component) {
      FFailed << name;
      return nullptr;
    }
    component->setObjectName(name);
    component->BeginLoading();
    Remember(component, name);
    auto* placeholder = new QWidget(parent);
    placeholder->setFixedSize(0, 0);
    placeholder->hide();
    FCreated.emplace_back(placeholder);
    FPlaceholders.emplace_back(placeholder);
    return placeholder;
  }

  QWidget* FRoot = nullptr;
  std::vector<QPointer<QWidget>> FPlaceholders;
  std::vector<QPointer<QObject>> FCreated;
  QHash<QString, QPointer<QObject>> FByName;
  QStringList FFailed;
};

// The line of the <widget> element that declares objectName, for messages
// about objects the builder could not make.
int DeclarationLine(const QByteArray& ui, const QString& objectName) {
  const qsizetype at = ui.indexOf("name=\"" + objectName.toUtf8() + '"');
  return at < 0 ? 0 : int(ui.left(at).count('\n')) + 1;
}

enum class TSlotMatch { NoObject, NoSignal, WrongArguments, Connected };

}  // namespace

namespace {

void Register(const QString& name, TRegisteredClass entry) {
  const QString key = PlainClassName(name.isEmpty() ? QString::fromLatin1(entry.Meta->className()) : name);
  const auto it = Registry().constFind(key);
  if (it != Registry().cend()) {
    if (it->Meta != entry.Meta) {
      qWarning().noquote() << QStringLiteral("TFormLoader: \"%1\" is already registered for %2; %3 is not registered")
                                  .arg(key, QString::fromLatin1(it->Meta->className()),
                                       QString::fromLatin1(entry.Meta->className()));
    }
    return;
  }
  Registry().insert(key, std::move(entry));
}

}  // namespace

void TFormLoader::RegisterClass(const QMetaObject& metaObject, TFactory factory, const QString& name) {
  Register(name, TRegisteredClass{&metaObject, std::move(factory), nullptr});
}

void TFormLoader::RegisterComponentClass(const QMetaObject& metaObject, TComponentFactory factory,
                                         const QString& name) {
  Register(name, TRegisteredClass{&metaObject, nullptr, std::move(factory)});
}

const QMetaObject* TFormLoader::RegisteredClass(const QString& name) {
  const auto it = Registry().constFind(PlainClassName(name));
  return it == Registry().cend() ? nullptr : it->Meta;
}

QStringList TFormLoader::RegisteredClasses() {
  QStringList names = Registry().keys();
  names.sort();
  return names;
}

bool TFormLoader::IsComponentClass(const QString& name) {
  const auto it = Registry().constFind(PlainClassName(name));
  return it != Registry().cend() && it->CreateComponent;
}

QObject* TFormLoader::CreateObject(const QString& name, QWidget* parent) {
  const auto it = Registry().constFind(PlainClassName(name));
  if (it == Registry().cend()) return nullptr;
  if (it->CreateComponent) return it->CreateComponent(parent);
  return it->Create(parent);
}

std::unique_ptr<QWidget> TFormLoader::Load(const QString& path, QWidget* parentWidget, QObject* receiver) {
  FErrorString.clear();
  RegisterColorType();

  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    FErrorString = QStringLiteral("%1: cannot open the form: %2")
                       .arg(path, file.exists() ? file.errorString() : QStringLiteral("no such file"));
    return nullptr;
  }
  const QByteArray ui = file.readAll();
  const QStringList problems = CheckForm(ui, path);
  if (!problems.isEmpty()) {
    FErrorString = problems.join(QLatin1Char('\n'));
    return nullptr;
  }

  TSplitForm split = SplitDeferredValues(ui);
  TFormBuilder builder;
  builder.setWorkingDirectory(QFileInfo(path).absoluteDir());
  QBuffer buffer(&split.Ui);
  buffer.open(QIODevice::ReadOnly);
  std::unique_ptr<QWidget> form(builder.load(&buffer, parentWidget));
  if (!form || !builder.Failed().isEmpty()) {
    form.reset();
    builder.DiscardCreated();
    if (builder.Failed().isEmpty()) {
      FErrorString = QStringLiteral("%1: the form could not be built: %2").arg(path, builder.errorString());
    } else {
      const QString name = builder.Failed().first();
      FErrorString = QStringLiteral("%1:%2: object \"%3\" could not be created")
                         .arg(path)
                         .arg(DeclarationLine(ui, name))
                         .arg(name);
    }
    return nullptr;
  }
  builder.UnnamePlaceholders();
  // Still loading: the values the builder could not set go through the
  // setters now.
  QStringList failures;
  for (const TDeferredValue& value : split.Values) {
    QObject* object = builder.Object(value.Object);
    QString problem = QStringLiteral("object \"%1\" was not built").arg(value.Object);
    if (!object || !AssignStoredValue(object, value.Property, value.Value, &problem)) {
      failures << QStringLiteral("%1:%2: %3").arg(path).arg(value.Value.Line).arg(problem);
    }
  }
  if (!failures.isEmpty()) {
    form.reset();
    builder.DiscardCreated();
    FErrorString = failures.join(QLatin1Char('\n'));
    return nullptr;
  }
  // Events first, so a component's Loaded() already sees its handlers.
  if (receiver) ConnectEventsByName(form.get(), receiver);
  builder.EndLoading();
  return form;
}

int TFormLoader::ConnectEventsByName(QObject* form, QObject* receiver) {
  if (!form || !receiver) return 0;
  QList<QObject*> objects = form->findChildren<QObject*>();
  objects.prepend(form);

  int connections = 0;
  const QMetaObject* receiverMeta = receiver->metaObject();
  for (int i = 0; i < receiverMeta->methodCount(); ++i) {
    const QMetaMethod slot = receiverMeta->method(i);
    if (slot.methodType() != QMetaMethod::Slot || !slot.name().startsWith("on_")) continue;
    const QByteArray slotName = slot.name();

    // Object names may hold underscores themselves, so every object whose
    // name fits the start of the slot's name is tried until one connects.
    TSlotMatch match = TSlotMatch::NoObject;
    QString detail;
    for (QObject* object : std::as_const(objects)) {
      const QByteArray prefix = "on_" + object->objectName().toUtf8() + '_';
      if (object->objectName().isEmpty() || !slotName.startsWith(prefix)) continue;
      const QByteArray signalName = slotName.mid(prefix.size());
      const QMetaObject* meta = object->metaObject();
      for (int s = 0; s < meta->methodCount() && match != TSlotMatch::Connected; ++s) {
        const QMetaMethod signal = meta->method(s);
        if (signal.methodType() != QMetaMethod::Signal || signal.name() != signalName) continue;
        if (!QMetaObject::checkConnectArgs(signal, slot)) {
          match = TSlotMatch::WrongArguments;
          detail = QStringLiteral("its arguments do not fit signal %1 of \"%2\"")
                       .arg(QString::fromLatin1(signal.methodSignature()), object->objectName());
          continue;
        }
        if (QObject::connect(object, signal, receiver, slot)) {
          match = TSlotMatch::Connected;
          ++connections;
        }
      }
      if (match == TSlotMatch::Connected) break;
      if (match == TSlotMatch::NoObject) {
        match = TSlotMatch::NoSignal;
        detail =
            QStringLiteral("\"%1\" (%2) has no signal %3")
                .arg(object->objectName(), QString::fromLatin1(meta->className()), QString::fromLatin1(signalName));
      }
    }
    if (match == TSlotMatch::Connected) continue;
    if (match == TSlotMatch::NoObject) detail = QStringLiteral("the form has no object of that name");
    qWarning().noquote() << QStringLiteral("TFormLoader: slot %1::%2 is not connected: %3")
                                .arg(QString::fromLatin1(receiverMeta->className()),
                                     QString::fromLatin1(slot.methodSignature()), detail);
  }
  return connections;
}

}  // namespace Veltor
