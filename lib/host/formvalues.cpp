#include "host/formvalues.h"

#include "host/color.h"
#include "host/component.h"
#include "host/formloader.h"

#include <QMetaEnum>
#include <QPixmap>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <limits>

namespace Veltor {

namespace {

bool IsTextKind(const QString& kind) {
  static const QStringList kinds{"string", "cstring", "number", "uint", "longlong", "ulonglong",
                                 "double", "float",   "bool",   "enum", "set",      "pixmap"};
  return kinds.contains(kind);
}

// What the builder does to an <enum> text before looking the key up:
// everything up to the last scope separator goes ("Veltor::TPanelBevel::bvRaised",
// "Veltor.bvRaised" and "bvRaised" all name bvRaised).
QString EnumKey(const QString& text) {
  qsizetype cut = text.lastIndexOf(QLatin1Char(':'));
  if (cut < 0) cut = text.lastIndexOf(QLatin1Char('.'));
  return cut < 0 ? text : text.mid(cut + 1);
}

QColor ReadColor(QXmlStreamReader& reader) {
  int rgba[4] = {0, 0, 0, 255};
  if (reader.attributes().hasAttribute(QLatin1String("alpha"))) {
    rgba[3] = reader.attributes().value(QLatin1String("alpha")).toInt();
  }
  static const char* const parts[] = {"red", "green", "blue", "alpha"};
  while (reader.readNextStartElement()) {
    const QString part = reader.name().toString();
    const QString text = reader.readElementText(QXmlStreamReader::SkipChildElements);
    for (int i = 0; i < 4; ++i) {
      if (part == QLatin1String(parts[i])) rgba[i] = text.trimmed().toInt();
    }
  }
  return QColor(rgba[0], rgba[1], rgba[2], rgba[3]);
}

QVariant EnumVariant(const TStoredValue& value, const QMetaProperty& property, const QString& where, QString* problem) {
  const QMetaEnum enumerator = property.enumerator();
  if (!property.isEnumType() || !enumerator.isValid()) {
    *problem = QStringLiteral("%1 is not an enumeration; <%2> cannot be stored in it").arg(where, value.Kind);
    return QVariant();
  }
  const QString enumName = QString::fromLatin1(enumerator.name());
  bool ok = false;
  if (value.Kind == QLatin1String("enum")) {
    const int v = enumerator.keyToValue(EnumKey(value.Text.trimmed()).toUtf8().constData(), &ok);
    if (ok) return v;
    *problem = QStringLiteral("\"%1\" is not a value of %2 (%3)").arg(value.Text, enumName, where);
  } else if (value.Kind == QLatin1String("set")) {
    // The builder hands the whole text to keysToValue, which does not strip
    // scopes the way <enum> values are stripped.
    const int v = enumerator.keysToValue(value.Text.toUtf8().constData(), &ok);
    if (ok) return v;
    QString bad = value.Text;
    for (const QString& part : value.Text.split(QLatin1Char('|'))) {
      enumerator.keysToValue(part.trimmed().toUtf8().constData(), &ok);
      if (!ok) {
        bad = part.trimmed();
        break;
      }
    }
    *problem = QStringLiteral("\"%1\" is not a value of %2 (%3)").arg(bad, enumName, where);
  } else if (value.Kind == QLatin1String("number")) {
    const int v = value.Text.trimmed().toInt();
    if (enumerator.isFlag() || enumerator.valueToKey(v)) return v;
    *problem = QStringLiteral("%1 is not a value of %2 (%3)").arg(value.Text.trimmed(), enumName, where);
  } else {
    *problem = QStringLiteral("%1 takes an <enum> or <set> value, not <%2>").arg(where, value.Kind);
  }
  return QVariant();
}

// The value as the builder would make it from its element alone; invalid
// for kinds the library leaves to the builder.
QVariant PlainVariant(const TStoredValue& value) {
  const QString& kind = value.Kind;
  const QString text = value.Text.trimmed();
  if (kind == QLatin1String("string")) return value.Text;
  if (kind == QLatin1String("cstring")) return value.Text.toUtf8();
  if (kind == QLatin1String("number")) return text.toInt();
  if (kind == QLatin1String("uint")) return text.toUInt();
  if (kind == QLatin1String("longlong")) return text.toLongLong();
  if (kind == QLatin1String("ulonglong")) return text.toULongLong();
  if (kind == QLatin1String("double")) return text.toDouble();
  if (kind == QLatin1String("float")) return text.toFloat();
  if (kind == QLatin1String("bool")) return text == QLatin1String("true");
  if (kind == QLatin1String("stringlist")) return value.Items;
  if (kind == QLatin1String("color")) return value.Color;
  return QVariant();
}

// Integer targets narrower than the stored number: the conversion would
// wrap without a word (70000 into a 16-bit period gives 4464).
bool FitsIntegerTarget(const QVariant& v, QMetaType target) {
  qint64 low = 0, high = 0;
  switch (target.id()) {
    case QMetaType::UShort: high = std::numeric_limits<quint16>::max(); break;
    case QMetaType::Short:
      low = std::numeric_limits<qint16>::min();
      high = std::numeric_limits<qint16>::max();
      break;
    case QMetaType::UChar: high = std::numeric_limits<quint8>::max(); break;
    case QMetaType::SChar:
    case QMetaType::Char:
      low = std::numeric_limits<qint8>::min();
      high = std::numeric_limits<qint8>::max();
      break;
    case QMetaType::UInt: high = std::numeric_limits<quint32>::max(); break;
    default: return true;
  }
  bool ok = false;
  const qint64 n = v.toLongLong(&ok);
  return !ok || (n >= low && n <= high);
}

}  // namespace

TStoredValue ReadStoredValue(QXmlStreamReader& reader) {
  TStoredValue value;
  while (reader.readNextStartElement()) {
    if (!value.Kind.isEmpty()) {
      reader.skipCurrentElement();
      continue;
    }
    value.Kind = reader.name().toString().toLower();
    value.Line = reader.lineNumber();
    if (value.Kind == QLatin1String("stringlist")) {
      while (reader.readNextStartElement()) {
        if (reader.name() == QLatin1String("string")) {
          value.Items << reader.readElementText();
        } else {
          reader.skipCurrentElement();
        }
      }
    } else if (value.Kind == QLatin1String("color")) {
      value.Color = ReadColor(reader);
    } else if (IsTextKind(value.Kind)) {
      value.Text = reader.readElementText(QXmlStreamReader::SkipChildElements);
    } else {
      reader.skipCurrentElement();
    }
  }
  return value;
}

QVariant StoredVariant(const TStoredValue& value, const QMetaProperty& property, const QString& where,
                       QString* problem) {
  problem->clear();
  const QString& kind = value.Kind;
  if (property.isEnumType() || kind == QLatin1String("enum") || kind == QLatin1String("set")) {
    return EnumVariant(value, property, where, problem);
  }
  // A picture named by resource or absolute path; the builder resolves
  // relative paths against the form's folder, which is not known here.
  if (kind == QLatin1String("pixmap")) {
    const QString path = value.Text.trimmed();
    if (!path.startsWith(QLatin1Char(':')) && !path.startsWith(QLatin1Char('/'))) return QVariant();
    QPixmap picture(path);
    if (picture.isNull()) *problem = QStringLiteral("cannot read the picture \"%1\" (%2)").arg(path, where);
    return picture.isNull() ? QVariant() : QVariant(picture);
  }
  QVariant v = PlainVariant(value);
  const QMetaType target = property.metaType();
  if (!v.isValid() || target == QMetaType::fromType<QVariant>() || v.metaType() == target) return v;

  // The text converter cannot fail, so a misspelt colour would arrive as black.
  if (target == QMetaType::fromType<TColor>() && kind == QLatin1String("string")) {
    TColor color;
    if (!TColor::FromString(value.Text, &color)) {
      *problem = QStringLiteral("\"%1\" is not a colour (%2)").arg(value.Text, where);
      return QVariant();
    }
    return QVariant::fromValue(color);
  }
  const QString shown = kind == QLatin1String("stringlist") ? value.Items.join(QLatin1Char(','))
                        : kind == QLatin1String("color")    ? QStringLiteral("<color>")
                                                            : value.Text;
  if (!FitsIntegerTarget(v, target)) {
    *problem =
        QStringLiteral("%1 is out of range for %2 of type %3").arg(shown, where, QString::fromLatin1(target.name()));
    return QVariant();
  }
  if (!v.convert(target)) {
    *problem = QStringLiteral("\"%1\" (<%2>) cannot be stored in %3 of type %4")
                   .arg(shown, kind, where, QString::fromLatin1(target.name()));
    return QVariant();
  }
  return v;
}

TPropertyPath ResolvePropertyPath(const QMetaObject* meta, const QString& name) {
  TPropertyPath path;
  const QStringList parts = name.split(QLatin1Char('.'));
  const QMetaObject* owner = meta;
  for (qsizetype i = 0; i < parts.size(); ++i) {
    const QString& part = parts.at(i);
    const QString ownerClass = QString::fromLatin1(owner->className()).section(QStringLiteral("::"), -1);
    const int index = part.isEmpty() ? -1 : owner->indexOfProperty(part.toUtf8().constData());
    const bool last = i == parts.size() - 1;
    if (index < 0) {
      path.Problem = !last   ? QStringLiteral("class %1 has no property group \"%2\"").arg(ownerClass, part)
                     : i > 0 ? QStringLiteral("property group %1 has no field \"%2\"").arg(ownerClass, part)
                             : QStringLiteral("class %1 has no property \"%2\"").arg(ownerClass, part);
      return path;
    }
    const QMetaProperty property = owner->property(index);
    if (last) {
      path.Field = property;
      path.FieldClass = owner;
      return path;
    }
    const QMetaObject* group = property.metaType().metaObject();
    if (!group || !group->inherits(&TPersistent::staticMetaObject) || !property.isReadable()) {
      path.Problem = QStringLiteral("\"%1\" of class %2 is not a property group").arg(part, ownerClass);
      return path;
    }
    if (!property.isDesignable()) {
      path.Problem = QStringLiteral("class %1 does not publish property group \"%2\"").arg(ownerClass, part);
      return path;
    }
    path.Groups.push_back(property);
    owner = group;
  }
  return path;
}

bool IsDeferredProperty(bool component, const QString& name) { return component || name.contains(QLatin1Char('.')); }

bool IsDesignerOnlyProperty(bool component, const QString& name) {
  return component && name == QLatin1String("geometry");
}

TSplitForm SplitDeferredValues(const QByteArray& ui) {
  TSplitForm split;
  QXmlStreamReader reader(ui);
  QXmlStreamWriter writer(&split.Ui);
  struct TOpenWidget {
    QString Object;
    bool Component;
  };
  std::vector<QString> open;
  std::vector<TOpenWidget> widgets;
  while (!reader.atEnd()) {
    const QXmlStreamReader::TokenType token = reader.readNext();
    if (token == QXmlStreamReader::StartElement) {
      const QString name = reader.name().toString();
      if (name == QLatin1String("property") && !open.empty() && open.back() == QLatin1String("widget")) {
        const QString property = reader.attributes().value(QLatin1String("name")).toString();
        const bool component = widgets.back().Component;
        if (IsDeferredProperty(component, property)) {
          TStoredValue value = ReadStoredValue(reader);  // up to </property>, which is not copied either
          if (!IsDesignerOnlyProperty(component, property)) {
            split.Values.push_back(TDeferredValue{widgets.back().Object, property, std::move(value)});
          }
          continue;
        }
      }
      if (name == QLatin1String("widget")) {
        const QXmlStreamAttributes attributes = reader.attributes();
        widgets.push_back(
            TOpenWidget{attributes.value(QLatin1String("name")).toString(),
                        TFormLoader::IsComponentClass(attributes.value(QLatin1String("class")).toString())});
      }
      open.push_back(name);
    } else if (token == QXmlStreamReader::EndElement && !open.empty()) {
      if (open.back() == QLatin1String("widget")) widgets.pop_back();
      open.pop_back();
    }
    writer.writeCurrentToken(reader);
  }
  return split;
}

bool AssignStoredValue(QObject* object, const QString& name, const TStoredValue& value, QString* problem) {
  const TPropertyPath path = ResolvePropertyPath(object->metaObject(), name);
  const QString where = QStringLiteral("property \"%1\" of \"%2\"").arg(name, object->objectName());
  if (!path.Problem.isEmpty()) {
    *problem = path.Problem;
    return false;
  }
  QObject* target = object;
  for (const QMetaProperty& group : path.Groups) {
    target = group.read(target).value<QObject*>();
    if (!target) {
      *problem = QStringLiteral("%1: group \"%2\" does not exist").arg(where, QString::fromLatin1(group.name()));
      return false;
    }
  }
  const QVariant v = StoredVariant(value, path.Field, where, problem);
  if (!problem->isEmpty()) return false;
  if (!v.isValid()) {
    *problem = QStringLiteral("<%1> values cannot be stored in %2").arg(value.Kind, where);
    return false;
  }
  if (!path.Field.write(target, v)) {
    *problem = QStringLiteral("%1 could not be stored").arg(where);
    return false;
  }
  return true;
}

}  // namespace Veltor
