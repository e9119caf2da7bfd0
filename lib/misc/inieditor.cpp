#include "misc/inieditor.h"

#include "foundation/numformat.h"
#include "misc/inifile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <limits>

namespace Veltor {

namespace {

QString Cut(const QString& s) { return s.left(TIniEditor::kMaxText); }

QString WithSlash(const QString& folder) {
  if (folder.isEmpty() || folder.endsWith(QLatin1Char('/'))) return folder;
  return folder + QLatin1Char('/');
}

}  // namespace

QString IniFolder(TFileLocation location) {
  switch (location) {
    case ApplicationPath: return WithSlash(QCoreApplication::applicationDirPath());
    case WindowsPath: return WithSlash(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));
    case PathInFileName: break;
  }
  return QString();
}

QString IniFilePath(const QString& folder, const QString& fileName) {
  const bool hasDrive = fileName.size() > 1 && fileName.at(1) == QLatin1Char(':');
  QString path = fileName;
  if (!folder.isEmpty() && !hasDrive && !QDir::isAbsolutePath(fileName)) {
    path = folder + (fileName.startsWith(QLatin1Char('\\')) ? fileName.mid(1) : fileName);
  }
  // Only the file's own name counts: folders such as ~/.config have dots.
  if (!QFileInfo(path).fileName().contains(QLatin1Char('.'))) path += QLatin1String(TIniEditor::kDefaultExtension);
  return path;
}

TIniEditor::TIniEditor(QObject* owner) : TComponent(owner) {}

void TIniEditor::SetFileLocation(TFileLocation v) {
  FFileLocation = v;
  FFolder = IniFolder(v);
}

QString TIniEditor::FullPath() const { return IniFilePath(FFolder, FFileName); }

bool TIniEditor::WriteStr(const QString& section, const QString& entry, const QString& value) {
  if (section.isEmpty() || FFileName.isEmpty()) return true;
  const QString path = FullPath();
  TIniDocument doc;
  if (!doc.Load(path)) return false;
  bool changed = true;
  if (!value.isEmpty()) {
    doc.Write(Cut(section), Cut(entry), Cut(value));
  } else if (!entry.isEmpty()) {
    changed = doc.DeleteEntry(Cut(section), Cut(entry));
  } else {
    changed = doc.DeleteSection(Cut(section));
  }
  // Erasing what is not there leaves the file alone (and makes none).
  return !changed || doc.Save(path);
}

bool TIniEditor::WriteBool(const QString& section, const QString& entry, bool value) {
  return WriteStr(section, entry, value ? QStringLiteral("True") : QStringLiteral("False"));
}

bool TIniEditor::WriteChar(const QString& section, const QString& entry, QChar value) {
  return WriteStr(section, entry, QString(value));
}

bool TIniEditor::WriteInt(const QString& section, const QString& entry, int value) {
  return WriteStr(section, entry, QString::number(value));
}

bool TIniEditor::WriteReal(const QString& section, const QString& entry, double value) {
  return WriteStr(section, entry, FloatToStrGeneral(value));
}

bool TIniEditor::InitSection(const QString& section) {
  if (section.isEmpty() || FFileName.isEmpty()) return true;
  const QString path = FullPath();
  TIniDocument doc;
  if (!doc.Load(path)) return false;
  return !doc.DeleteSection(Cut(section)) || doc.Save(path);
}

bool TIniEditor::InitEntry(const QString& section, const QString& entry) {
  if (section.isEmpty() || entry.isEmpty() || FFileName.isEmpty()) return true;
  const QString path = FullPath();
  TIniDocument doc;
  if (!doc.Load(path)) return false;
  doc.Write(Cut(section), Cut(entry), QString());
  return doc.Save(path);
}

QString TIniEditor::ReadText(const QString& section, const QString& entry, const QString& defaultText) const {
  if (section.isEmpty() || entry.isEmpty() || FFileName.isEmpty()) return defaultText;
  TIniDocument doc;
  QString value;
  if (!doc.Load(FullPath()) || !doc.Read(Cut(section), Cut(entry), &value)) return Cut(defaultText);
  return Cut(value);
}

void TIniEditor::ReadStr(const QString& section, const QString& entry, QString& value,
                         const QString& defaultValue) const {
  value = ReadText(section, entry, defaultValue);
}

bool TIniEditor::ReadBool(const QString& section, const QString& entry, bool defaultValue) const {
  const QString t = ReadText(section, entry, defaultValue ? QStringLiteral("True") : QStringLiteral("False")).toUpper();
  return t == QLatin1String("TRUE") || t == QLatin1String("YES") || t == QLatin1String("1");
}

QChar TIniEditor::ReadChar(const QString& section, const QString& entry, QChar defaultValue) const {
  const QString def = defaultValue.isNull() ? QString() : QString(defaultValue);
  const QString t = ReadText(section, entry, def);
  return t.isEmpty() ? defaultValue : t.at(0);
}

int TIniEditor::ReadInt(const QString& section, const QString& entry, int defaultValue) const {
  const QString t = ReadText(section, entry, QString::number(defaultValue));
  double real = 0;
  // A real beyond the integers counts as unreadable, not as a wrapped number.
  if (TryStrToFloat(t, &real) && real > std::numeric_limits<int>::min() - 1.0 &&
      real < std::numeric_limits<int>::max() + 1.0) {
    return int(Trunc(real));
  }
  int n = 0;
  return TryStrToInt(t, &n) ? n : defaultValue;
}

double TIniEditor::ReadReal(const QString& section, const QString& entry, double defaultValue) const {
  const QString t = ReadText(section, entry, FloatToStrGeneral(defaultValue));
  double v = 0;
  return TryStrToFloat(t, &v) ? v : defaultValue;
}

}  // namespace Veltor
