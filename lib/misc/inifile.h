#pragma once
// A sectioned settings file ("[Section]" lines and "Entry=Value" lines) read
// and changed without losing anything the program does not touch: comments,
// blank lines, lines it does not understand, the spelling of names and the
// order of everything stay as they were.

#include <QString>
#include <QStringList>

namespace Veltor {

class TIniDocument {
 public:
  TIniDocument() = default;
  explicit TIniDocument(const QStringList& lines) : FLines(lines) {}

  // Reads path as 8-bit text. A missing file gives an empty document and
  // true; a file that exists but cannot be read gives false.
  bool Load(const QString& path);
  // Writes the document to path through a temporary file that replaces the
  // old one only when every byte is written. Returns false (old file left
  // as it was) when that fails.
  bool Save(const QString& path) const;

  // Names are matched without regard to case; the first match wins.
  bool Read(const QString& section, const QString& entry, QString* value) const;
  // Replaces the first matching entry's value in place, or appends the entry
  // at the end of its section; a missing section is added at the end.
  void Write(const QString& section, const QString& entry, const QString& value);
  // Removes the first matching entry's line; true when one was there.
  bool DeleteEntry(const QString& section, const QString& entry);
  // Removes the first matching section, header and body; true when found.
  bool DeleteSection(const QString& section);

  const QStringList& Lines() const { return FLines; }
  // The file's bytes: lines each ended by CR LF.
  QByteArray ToBytes() const;

 private:
  // Line index of the section header, -1 when missing.
  int FindSection(const QString& section) const;
  // One past the last line of the section starting at header.
  int SectionEnd(int header) const;
  // Line index of the entry inside the section, -1 when missing.
  int FindEntry(int header, const QString& entry) const;

  QStringList FLines;
};

// The parts of one line; used by the document and its tests.
namespace IniLine {
// The name between the brackets of a section header (trimmed), or a null
// string when the line is not a header.
QString SectionName(const QString& line);
// The trimmed name left of the first "=" of an entry line, or a null string
// for comments (";" first) and lines without "=".
QString EntryName(const QString& line);
// The trimmed text right of the first "=".
QString EntryValue(const QString& line);
}  // namespace IniLine

}  // namespace Veltor
