#include "host/formcheck.h"

#include "host/color.h"
#include "host/formloader.h"
#include "host/formvalues.h"

#include <QHash>
#include <QLabel>
#include <QMetaProperty>
#include <QUiLoader>
#include <QVariant>
#include <QXmlStreamReader>

#include <memory>
#include <vector>

namespace Veltor {

namespace {

// Qt's own widget classes as the form builder creates them ("Line" is a
// QFrame). The builder cannot tell us their meta-objects by name, so one
// throw-away instance per class answers, once.
const QMetaObject* QtWidgetMetaObject(const QString& className) {
  static QHash<QString, const QMetaObject*> known;
  const auto it = known.constFind(className);
  if (it != known.cend()) return *it;
  const QMetaObject* meta = nullptr;
  QUiLoader loader;
  if (className == QLatin1String("Line") || loader.availableWidgets().contains(className)) {
    const std::unique_ptr<QWidget> probe(loader.createWidget(className));
    if (probe) meta = probe->metaObject();
  }
  known.insert(className, meta);
  return meta;
}

// Properties the builder handles itself instead of setting them.
bool IsBuilderProperty(const QString& className, const QMetaObject* meta, const QString& property) {
  if (property == QLatin1String("buddy")) return meta->inherits(&QLabel::staticMetaObject);
  if (property == QLatin1String("orientation")) return className == QLatin1String("Line");
  return false;
}

struct TWidgetInfo {
  QString Class;
  QString Object;
  const QMetaObject* Meta = nullptr;  // nullptr for a class already reported unknown
  bool Library = false;
  bool Component = false;  // a non-visual component behind a placeholder
};

class TFormChecker {
 public:
  TFormChecker(const QByteArray& ui, const QString& fileName) : FReader(ui), FFileName(fileName) {}
  QStringList Run();

 private:
  void Error(qint64 line, const QString& text) {
    FErrors << QStringLiteral("%1:%2: %3").arg(FFileName).arg(line).arg(text);
  }
  void OpenWidget();
  void CheckLayout();
  void CheckProperty(const TWidgetInfo& widget);
  // The property a stored value goes to, or an invalid one when that is
  // already reported.
  QMetaProperty Target(const TWidgetInfo& widget, const QString& name, bool dynamic, qint64 line);
  void CheckSyntax(const TStoredValue& value, const QString& where);
  void CheckValue(const TWidgetInfo& widget, const QMetaProperty& property, const TStoredValue& value, bool deferred,
                  const QString& where);

  QXmlStreamReader FReader;
  QString FFileName;
  QStringList FErrors;
  std::vector<TWidgetInfo> FWidgets;    // the <widget> elements open at the reader's position
  QHash<QString, qint64> FObjectLines;  // the line declaring each object name
};

QStringList TFormChecker::Run() {
  std::vector<QString> open;
  bool sawWidget = false;
  while (!FReader.atEnd()) {
    const QXmlStreamReader::TokenType token = FReader.readNext();
    if (token == QXmlStreamReader::StartElement) {
      const QString name = FReader.name().toString();
      if (open.empty() && name != QLatin1String("ui")) {
        Error(FReader.lineNumber(), QStringLiteral("not a form: the document starts with <%1>, not <ui>").arg(name));
        return FErrors;
      }
      // Properties of items, layouts and spacers are not the widget's own.
      if (name == QLatin1String("property") && open.back() == QLatin1String("widget")) {
        CheckProperty(FWidgets.back());  // reads up to </property>
        continue;
      }
      if (name == QLatin1String("widget")) {
        OpenWidget();
        sawWidget = true;
      } else if (name == QLatin1String("layout")) {
        CheckLayout();
      }
      open.push_back(name);
    } else if (token == QXmlStreamReader::EndElement && !open.empty()) {
      if (open.back() == QLatin1String("widget")) FWidgets.pop_back();
      open.pop_back();
    }
  }
  if (FReader.hasError()) {
    Error(FReader.lineNumber(), QStringLiteral("malformed XML: %1").arg(FReader.errorString()));
  } else if (!sawWidget) {
    Error(FReader.lineNumber(), QStringLiteral("the form holds no widget"));
  }
  return FErrors;
}

void TFormChecker::OpenWidget() {
  const qint64 line = FReader.lineNumber();
  const QXmlStreamAttributes attributes = FReader.attributes();
  TWidgetInfo info;
  info.Class = attributes.value(QLatin1String("class")).toString();
  info.Object = attributes.value(QLatin1String("name")).toString();
  info.Meta = TFormLoader::RegisteredClass(info.Class);
  info.Library = info.Meta != nullptr;
  info.Component = TFormLoader::IsComponentClass(info.Class);
  if (!info.Meta && !info.Class.isEmpty()) info.Meta = QtWidgetMetaObject(info.Class);
  if (!info.Meta) {
    Error(line, QStringLiteral("unknown class \"%1\" (object \"%2\"); library classes must be registered with "
                               "TFormLoader::RegisterClass")
                    .arg(info.Class, info.Object));
  }
  // Stored values and events find their objects by name.
  if (!info.Object.isEmpty()) {
    const auto first = FObjectLines.constFind(info.Object);
    if (first != FObjectLines.cend()) {
      Error(line, QStringLiteral("object name \"%1\" is used twice (first on line %2)").arg(info.Object).arg(*first));
    } else {
      FObjectLines.insert(info.Object, line);
    }
  }
  if (info.Component) {
    if (FWidgets.empty()) {
      Error(line,
            QStringLiteral("non-visual component \"%1\" (%2) cannot be the form itself").arg(info.Object, info.Class));
    } else if (info.Object.isEmpty()) {
      Error(line, QStringLiteral("non-visual component of class %1 has no name").arg(info.Class));
    }
  }
  if (!FWidgets.empty() && FWidgets.back().Component) {
    Error(line, QStringLiteral("non-visual component \"%1\" cannot hold widget \"%2\"")
                    .arg(FWidgets.back().Object, info.Object));
  }
  FWidgets.push_back(info);
}

void TFormChecker::CheckLayout() {
  const QString layoutClass = FReader.attributes().value(QLatin1String("class")).toString();
  if (!QUiLoader().availableLayouts().contains(layoutClass)) {
    Error(FReader.lineNumber(), QStringLiteral("unknown layout class \"%1\"").arg(layoutClass));
  }
  if (!FWidgets.empty() && FWidgets.back().Component) {
    Error(FReader.lineNumber(),
          QStringLiteral("non-visual component \"%1\" cannot hold a layout").arg(FWidgets.back().Object));
  }
}

void TFormChecker::CheckProperty(const TWidgetInfo& widget) {
  const qint64 line = FReader.lineNumber();
  const QXmlStreamAttributes attributes = FReader.attributes();
  const QString name = attributes.value(QLatin1String("name")).toString();
  // Designer marks properties its author added on purpose with stdset="0".
  const bool dynamic = attributes.value(QLatin1String("stdset")) == QLatin1String("0");
  const TStoredValue value = ReadStoredValue(FReader);
  if (!widget.Meta || IsDesignerOnlyProperty(widget.Component, name)) return;

  const QString where = QStringLiteral("property \"%1\" of \"%2\"").arg(name, widget.Object);
  if (value.Kind.isEmpty()) {
    Error(line, QStringLiteral("no value given for %1").arg(where));
    return;
  }
  CheckSyntax(value, where);
  const QMetaProperty property = Target(widget, name, dynamic, line);
  if (property.isValid()) CheckValue(widget, property, value, IsDeferredProperty(widget.Component, name), where);
}

QMetaProperty TFormChecker::Target(const TWidgetInfo& widget, const QString& name, bool dynamic, qint64 line) {
  const QString where = QStringLiteral("property \"%1\" of \"%2\"").arg(name, widget.Object);
  if (name.contains(QLatin1Char('.'))) {
    const TPropertyPath path = ResolvePropertyPath(widget.Meta, name);
    if (!path.Problem.isEmpty()) {
      Error(line, QStringLiteral("%1 (object \"%2\")").arg(path.Problem, widget.Object));
      return QMetaProperty();
    }
    if (!path.Field.isWritable() || !path.Field.isDesignable()) {
      Error(line, QStringLiteral("%1 is not a published field of property group %2")
                      .arg(where, QString::fromLatin1(path.FieldClass->className()).section(QStringLiteral("::"), -1)));
      return QMetaProperty();
    }
    return path.Field;
  }

  const int index = widget.Meta->indexOfProperty(name.toUtf8().constData());
  if (index < 0) {
    if (dynamic && widget.Component) {
      Error(line,
            QStringLiteral("non-visual component \"%1\" takes no dynamic property \"%2\"").arg(widget.Object, name));
    } else if (!dynamic && !IsBuilderProperty(widget.Class, widget.Meta, name)) {
      Error(line,
            QStringLiteral("class %1 has no property \"%2\" (object \"%3\")").arg(widget.Class, name, widget.Object));
    }
    return QMetaProperty();
  }
  const QMetaProperty property = widget.Meta->property(index);
  if (!property.isWritable()) {
    Error(line, QStringLiteral("%1 is read-only in class %2").arg(where, widget.Class));
    return QMetaProperty();
  }
  // Library classes keep their protected properties non-designable until a
  // descendant publishes them.
  if (widget.Library && !property.isDesignable()) {
    Error(line, QStringLiteral("class %1 does not publish property \"%2\" (object \"%3\")")
                    .arg(widget.Class, name, widget.Object));
    return QMetaProperty();
  }
  return property;
}

// Text the builder would read as 0 or false without complaint.
void TFormChecker::CheckSyntax(const TStoredValue& value, const QString& where) {
  const QString text = value.Text.trimmed();
  bool ok = true;
  if (value.Kind == QLatin1String("number")) {
    text.toInt(&ok);
  } else if (value.Kind == QLatin1String("uint")) {
    text.toUInt(&ok);
  } else if (value.Kind == QLatin1String("longlong")) {
    text.toLongLong(&ok);
  } else if (value.Kind == QLatin1String("ulonglong")) {
    text.toULongLong(&ok);
  } else if (value.Kind == QLatin1String("double") || value.Kind == QLatin1String("float")) {
    text.toDouble(&ok);
  } else if (value.Kind == QLatin1String("bool")) {
    ok = text == QLatin1String("true") || text == QLatin1String("false");
  }
  if (!ok) {
    Error(value.Line, QStringLiteral("\"%1\" is not a valid <%2> (%3)").arg(value.Text, value.Kind, where));
  }
}

// The setter is only called when the builder's value converts to the
// property's type, and with -1 for an enumeration key it does not know;
// otherwise the builder skips it silently. Values the library assigns itself
// must also be of a kind it reads.
void TFormChecker::CheckValue(const TWidgetInfo& widget, const QMetaProperty& property, const TStoredValue& value,
                              bool deferred, const QString& where) {
  const QString& kind = value.Kind;
  const bool enumKind = kind == QLatin1String("enum") || kind == QLatin1String("set");
  // Qt's widgets convert other kinds (a key as <string>) themselves.
  if (!widget.Library && !enumKind && !(property.isEnumType() && kind == QLatin1String("number"))) return;
  QString problem;
  const QVariant v = StoredVariant(value, property, where, &problem);
  if (!problem.isEmpty()) {
    Error(value.Line, problem);
  } else if (deferred && !v.isValid()) {
    Error(value.Line, QStringLiteral("<%1> values cannot be stored in %2").arg(kind, where));
  }
}

}  // namespace

QStringList CheckForm(const QByteArray& ui, const QString& fileName) {
  RegisterColorType();
  return TFormChecker(ui, fileName).Run();
}

}  // namespace Veltor
