#include "host/formcheck.h"

#include "host/color.h"
#include "host/formloader.h"

#include <QColor>
#include <QHash>
#include <QLabel>
#include <QMetaEnum>
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

// What the builder does to an <enum> text before looking the key up:
// everything up to the last scope separator goes ("Veltor::TPanelBevel::bvRaised",
// "Veltor.bvRaised" and "bvRaised" all name bvRaised).
QString EnumKey(const QString& text) {
  qsizetype cut = text.lastIndexOf(QLatin1Char(':'));
  if (cut < 0) cut = text.lastIndexOf(QLatin1Char('.'));
  return cut < 0 ? text : text.mid(cut + 1);
}

// Properties the builder handles itself instead of setting them.
bool IsBuilderProperty(const QString& className, const QMetaObject* meta, const QString& property) {
  if (property == QLatin1String("buddy")) return meta->inherits(&QLabel::staticMetaObject);
  if (property == QLatin1String("orientation")) return className == QLatin1String("Line");
  return false;
}

struct TStoredValue {
  QString Kind;  // the value element's name in lower case: "string", "enum", "color", ...
  QString Text;
  QStringList Items;
  qint64 Line = 0;
};

bool IsTextKind(const QString& kind) {
  static const QStringList kinds{"string", "cstring", "number", "uint",  "longlong", "ulonglong",
                                 "double", "float",   "bool",   "enum",  "set"};
  return kinds.contains(kind);
}

struct TWidgetInfo {
  QString Class;
  QString Object;
  const QMetaObject* Meta = nullptr;  // nullptr for a class already reported unknown
  bool Library = false;
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
  TStoredValue ReadValue();
  void CheckSyntax(const TStoredValue& value, const QString& where);
  void CheckEnumValue(const TWidgetInfo& widget, const QMetaProperty& property, const TStoredValue& value,
                      const QString& where);
  void CheckConversion(const QMetaProperty& property, const TStoredValue& value, const QString& where);

  QXmlStreamReader FReader;
  QString FFileName;
  QStringList FErrors;
  std::vector<TWidgetInfo> FWidgets;  // the <widget> elements open at the reader's position
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
  const QXmlStreamAttributes attributes = FReader.attributes();
  TWidgetInfo info;
  info.Class = attributes.value(QLatin1String("class")).toString();
  info.Object = attributes.value(QLatin1String("name")).toString();
  info.Meta = TFormLoader::RegisteredClass(info.Class);
  info.Library = info.Meta != nullptr;
  if (!info.Meta && !info.Class.isEmpty()) info.Meta = QtWidgetMetaObject(info.Class);
  if (!info.Meta) {
    Error(FReader.lineNumber(),
          QStringLiteral("unknown class \"%1\" (object \"%2\"); library classes must be registered with "
                         "TFormLoader::RegisterClass")
              .arg(info.Class, info.Object));
  }
  FWidgets.push_back(info);
}

void TFormChecker::CheckLayout() {
  const QString layoutClass = FReader.attributes().value(QLatin1String("class")).toString();
  if (!QUiLoader().availableLayouts().contains(layoutClass)) {
    Error(FReader.lineNumber(), QStringLiteral("unknown layout class \"%1\"").arg(layoutClass));
  }
}

TStoredValue TFormChecker::ReadValue() {
  TStoredValue value;
  while (FReader.readNextStartElement()) {
    if (!value.Kind.isEmpty()) {
      FReader.skipCurrentElement();
      continue;
    }
    value.Kind = FReader.name().toString().toLower();
    value.Line = FReader.lineNumber();
    if (value.Kind == QLatin1String("stringlist")) {
      while (FReader.readNextStartElement()) {
        if (FReader.name() == QLatin1String("string")) {
          value.Items << FReader.readElementText();
        } else {
          FReader.skipCurrentElement();
        }
      }
    } else if (IsTextKind(value.Kind)) {
      value.Text = FReader.readElementText(QXmlStreamReader::SkipChildElements);
    } else {
      FReader.skipCurrentElement();
    }
  }
  return value;
}

void TFormChecker::CheckProperty(const TWidgetInfo& widget) {
  const qint64 line = FReader.lineNumber();
  const QXmlStreamAttributes attributes = FReader.attributes();
  const QString name = attributes.value(QLatin1String("name")).toString();
  // Designer marks properties its author added on purpose with stdset="0".
  const bool dynamic = attributes.value(QLatin1String("stdset")) == QLatin1String("0");
  const TStoredValue value = ReadValue();
  if (!widget.Meta) return;

  const QString where = QStringLiteral("property \"%1\" of \"%2\"").arg(name, widget.Object);
  if (value.Kind.isEmpty()) {
    Error(line, QStringLiteral("no value given for %1").arg(where));
    return;
  }
  CheckSyntax(value, where);

  const int index = widget.Meta->indexOfProperty(name.toUtf8().constData());
  if (index < 0) {
    if (dynamic || IsBuilderProperty(widget.Class, widget.Meta, name)) return;
    Error(line, QStringLiteral("class %1 has no property \"%2\" (object \"%3\")").arg(widget.Class, name, widget.Object));
    return;
  }
  const QMetaProperty property = widget.Meta->property(index);
  if (!property.isWritable()) {
    Error(line, QStringLiteral("%1 is read-only in class %2").arg(where, widget.Class));
    return;
  }
  // Library classes keep their protected properties non-designable until a
  // descendant publishes them.
  if (widget.Library && !property.isDesignable()) {
    Error(line, QStringLiteral("class %1 does not publish property \"%2\" (object \"%3\")")
                    .arg(widget.Class, name, widget.Object));
    return;
  }
  if (property.isEnumType() || value.Kind == QLatin1String("enum") || value.Kind == QLatin1String("set")) {
    CheckEnumValue(widget, property, value, where);
  } else if (widget.Library) {
    CheckConversion(property, value, where);
  }
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

void TFormChecker::CheckEnumValue(const TWidgetInfo& widget, const QMetaProperty& property,
                                  const TStoredValue& value, const QString& where) {
  const QMetaEnum enumerator = property.enumerator();
  if (!property.isEnumType() || !enumerator.isValid()) {
    Error(value.Line, QStringLiteral("%1 is not an enumeration; <%2> cannot be stored in it").arg(where, value.Kind));
    return;
  }
  const QString enumName = QString::fromLatin1(enumerator.name());
  if (value.Kind == QLatin1String("enum")) {
    bool ok = false;
    enumerator.keyToValue(EnumKey(value.Text.trimmed()).toUtf8().constData(), &ok);
    if (!ok) Error(value.Line, QStringLiteral("\"%1\" is not a value of %2 (%3)").arg(value.Text, enumName, where));
  } else if (value.Kind == QLatin1String("set")) {
    // The builder hands the whole text to keysToValue, which does not strip
    // scopes the way <enum> values are stripped.
    bool ok = false;
    enumerator.keysToValue(value.Text.toUtf8().constData(), &ok);
    if (ok) return;
    QString bad = value.Text;
    for (const QString& part : value.Text.split(QLatin1Char('|'))) {
      enumerator.keysToValue(part.trimmed().toUtf8().constData(), &ok);
      if (!ok) {
        bad = part.trimmed();
        break;
      }
    }
    Error(value.Line, QStringLiteral("\"%1\" is not a value of %2 (%3)").arg(bad, enumName, where));
  } else if (value.Kind == QLatin1String("number")) {
    if (!enumerator.isFlag() && !enumerator.valueToKey(value.Text.trimmed().toInt())) {
      Error(value.Line, QStringLiteral("%1 is not a value of %2 (%3)").arg(value.Text.trimmed(), enumName, where));
    }
  } else if (widget.Library) {
    Error(value.Line, QStringLiteral("%1 takes an <enum> or <set> value, not <%2>").arg(where, value.Kind));
  }
}

// The setter is only called when the builder's value converts to the
// property's type; otherwise the builder skips it silently.
void TFormChecker::CheckConversion(const QMetaProperty& property, const TStoredValue& value, const QString& where) {
  const QMetaType target = property.metaType();
  const QString& kind = value.Kind;
  QVariant v;
  if (kind == QLatin1String("string")) {
    v = value.Text;
  } else if (kind == QLatin1String("cstring")) {
    v = value.Text.toUtf8();
  } else if (kind == QLatin1String("number")) {
    v = value.Text.trimmed().toInt();
  } else if (kind == QLatin1String("uint")) {
    v = value.Text.trimmed().toUInt();
  } else if (kind == QLatin1String("longlong")) {
    v = value.Text.trimmed().toLongLong();
  } else if (kind == QLatin1String("ulonglong")) {
    v = value.Text.trimmed().toULongLong();
  } else if (kind == QLatin1String("double")) {
    v = value.Text.trimmed().toDouble();
  } else if (kind == QLatin1String("float")) {
    v = value.Text.trimmed().toFloat();
  } else if (kind == QLatin1String("bool")) {
    v = value.Text.trimmed() == QLatin1String("true");
  } else if (kind == QLatin1String("stringlist")) {
    v = value.Items;
  } else if (kind == QLatin1String("color")) {
    v = QColor();
  } else {
    return;  // rectangles, fonts, palettes and the like: the builder makes the right type itself
  }
  if (target == QMetaType::fromType<QVariant>() || v.metaType() == target) return;

  // The text converter cannot fail, so a misspelt colour would arrive as black.
  if (target == QMetaType::fromType<TColor>() && kind == QLatin1String("string")) {
    TColor color;
    if (!TColor::FromString(value.Text, &color)) {
      Error(value.Line, QStringLiteral("\"%1\" is not a colour (%2)").arg(value.Text, where));
    }
    return;
  }
  if (!v.convert(target)) {
    const QString shown = kind == QLatin1String("stringlist") ? value.Items.join(QLatin1Char(','))
                          : kind == QLatin1String("color")    ? QStringLiteral("<color>")
                                                              : value.Text;
    Error(value.Line, QStringLiteral("\"%1\" (<%2>) cannot be stored in %3 of type %4")
                          .arg(shown, kind, where, QString::fromLatin1(target.name())));
  }
}

}  // namespace

QStringList CheckForm(const QByteArray& ui, const QString& fileName) {
  RegisterColorType();
  return TFormChecker(ui, fileName).Run();
}

}  // namespace Veltor
