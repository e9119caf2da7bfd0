#include "misc/inifile.h"

#include "host/ansi.h"

#include <QFile>
#include <QSaveFile>

namespace Veltor {

namespace IniLine {

QString SectionName(const QString& line) {
  const QString t = line.trimmed();
  if (!t.startsWith(QLatin1Char('['))) return QString();
  const int close = t.indexOf(QLatin1Char(']'));
  if (close < 0) return QString();
  return t.mid(1, close - 1).trimmed();
}

QString EntryName(const QString& line) {
  const QString t = line.trimmed();
  if (t.startsWith(QLatin1Char(';')) || t.startsWith(QLatin1Char('['))) return QString();
  const int eq = t.indexOf(QLatin1Char('='));
  if (eq < 0) return QString();
  const QString name = t.left(eq).trimmed();
  return name.isEmpty() ? QString() : name;
}

QString EntryValue(const QString& line) {
  const int eq = line.indexOf(QLatin1Char('='));
  return eq < 0 ? QString() : line.mid(eq + 1).trimmed();
}

}  // namespace IniLine

namespace {

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString EntryLine(const QString& entry, const QString& value) { return entry + QLatin1Char('=') + value; }

}  // namespace

bool TIniDocument::Load(const QString& path) {
  FLines.clear();
  QFile f(path);
  if (!f.exists()) return true;
  if (!f.open(QIODevice::ReadOnly)) return false;
  const QString text = FromAnsi(f.readAll());
  FLines = text.split(QLatin1Char('\n'));
  // A final line break does not start another line.
  if (!FLines.isEmpty() && FLines.last().isEmpty()) FLines.removeLast();
  for (QString& line : FLines) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  }
  return true;
}

QByteArray TIniDocument::ToBytes() const {
  QByteArray out;
  for (const QString& line : FLines) {
    out += ToAnsi(line);
    out += "\r\n";
  }
  return out;
}

bool TIniDocument::Save(const QString& path) const {
  QSaveFile f(path);
  // Unbuffered, so a short write shows in the byte count instead of being
  // lost in the buffer and committed anyway.
  if (!f.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
  const QByteArray bytes = ToBytes();
  qint64 done = 0;
  while (done < bytes.size()) {
    const qint64 n = f.write(bytes.constData() + done, bytes.size() - done);
    if (n <= 0) {
      f.cancelWriting();
      return false;
    }
    done += n;
  }
  return f.commit();
}

int TIniDocument::FindSection(const QString& section) const {
  for (int i = 0; i < FLines.size(); ++i) {
    const QString name = IniLine::SectionName(FLines[i]);
    if (!name.isNull() && SameName(name, section)) return i;
  }
  return -1;
}

int TIniDocument::SectionEnd(int header) const {
  int i = header + 1;
  while (i < FLines.size() && IniLine::SectionName(FLines[i]).isNull()) ++i;
  return i;
}

int TIniDocument::FindEntry(int header, const QString& entry) const {
  const int end = SectionEnd(header);
  for (int i = header + 1; i < end; ++i) {
    const QString name = IniLine::EntryName(FLines[i]);
    if (!name.isNull() && SameName(name, entry)) return i;
  }
  return -1;
}

bool TIniDocument::Read(const QString& section, const QString& entry, QString* value) const {
  const int header = FindSection(section);
  if (header < 0) return false;
  const int line = FindEntry(header, entry);
  if (line < 0) return false;
  *value = IniLine::EntryValue(FLines[line]);
  return true;
}

void TIniDocument::Write(const QString& section, const QString& entry, const QString& value) {
  int header = FindSection(section);
  if (header < 0) {
    FLines.append(QLatin1Char('[') + section + QLatin1Char(']'));
    FLines.append(EntryLine(entry, value));
    return;
  }
  const int line = FindEntry(header, entry);
  if (line >= 0) {
    // Keep the name as the file spells it.
    const QString& old = FLines[line];
    FLines[line] = old.left(old.indexOf(QLatin1Char('='))) + QLatin1Char('=') + value;
    return;
  }
  // After the section's last non-blank line, so a blank line that separates
  // it from the next section stays where it is.
  int at = SectionEnd(header);
  while (at > header + 1 && FLines[at - 1].trimmed().isEmpty()) --at;
  FLines.insert(at, EntryLine(entry, value));
}

bool TIniDocument::DeleteEntry(const QString& section, const QString& entry) {
  const int header = FindSection(section);
  if (header < 0) return false;
  const int line = FindEntry(header, entry);
  if (line < 0) return false;
  FLines.removeAt(line);
  return true;
}

bool TIniDocument::DeleteSection(const QString& section) {
  const int header = FindSection(section);
  if (header < 0) return false;
  const int end = SectionEnd(header);
  FLines.erase(FLines.begin() + header, FLines.begin() + end);
  return true;
}

}  // namespace Veltor
