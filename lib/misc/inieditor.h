#pragma once
// TIniEditor: typed values in a sectioned settings file, with a choice of the
// folder the file lives in and a default extension. Every call reads the
// file anew and every change writes it at once, so several editors (or
// programs) on one file see each other's values.

#include "host/component.h"
#include "misc/misctypes.h"

#include <QString>

namespace Veltor {

class TIniEditor : public TComponent {
  Q_OBJECT
  Q_PROPERTY(QString FileName READ FileName WRITE SetFileName)
  Q_PROPERTY(Veltor::MiscEnums::TFileLocation FileLocation READ FileLocation WRITE SetFileLocation)

 public:
  // Longest section name, entry name or value handed to the file.
  static constexpr int kMaxText = 255;
  static constexpr const char* kDefaultExtension = ".INI";

  explicit TIniEditor(QObject* owner = nullptr);

  QString FileName() const { return FFileName; }
  void SetFileName(const QString& v) { FFileName = v; }
  // Setting it fixes the folder put in front of FileName. An editor whose
  // location was never set uses FileName as it is.
  TFileLocation FileLocation() const { return FFileLocation; }
  void SetFileLocation(TFileLocation v);

  // The file every operation works on.
  QString FullPath() const;

  // The writes return false only when the file could not be written; the
  // file then keeps its old contents. A write with an empty section name or
  // file name does nothing and returns true.
  //
  // A non-empty value is stored; an empty value erases the entry, or with an
  // empty entry name the whole section.
  bool WriteStr(const QString& section, const QString& entry, const QString& value);
  bool WriteBool(const QString& section, const QString& entry, bool value);
  bool WriteChar(const QString& section, const QString& entry, QChar value);
  bool WriteInt(const QString& section, const QString& entry, int value);
  // General format, up to 15 significant digits, current decimal separator.
  bool WriteReal(const QString& section, const QString& entry, double value);
  bool EraseSection(const QString& section) { return WriteStr(section, QString(), QString()); }
  bool EraseEntry(const QString& section, const QString& entry) { return WriteStr(section, entry, QString()); }
  // Removes the whole section.
  bool InitSection(const QString& section);
  // Stores the entry with an empty value: the only way to keep one.
  bool InitEntry(const QString& section, const QString& entry);

  // The reads give the default when a name is empty, the entry is missing or
  // its text does not convert.
  void ReadStr(const QString& section, const QString& entry, QString& value, const QString& defaultValue) const;
  // "true", "yes" (any case) and "1" are true; any other text is false.
  bool ReadBool(const QString& section, const QString& entry, bool defaultValue) const;
  QChar ReadChar(const QString& section, const QString& entry, QChar defaultValue) const;
  // A real text is cut toward zero ("3.9" gives 3); hexadecimal "$1F" is
  // read too.
  int ReadInt(const QString& section, const QString& entry, int defaultValue) const;
  double ReadReal(const QString& section, const QString& entry, double defaultValue) const;

 private:
  // The entry's text, or defaultText when it cannot be read.
  QString ReadText(const QString& section, const QString& entry, const QString& defaultText) const;

  QString FFileName;
  TFileLocation FFileLocation = ApplicationPath;
  QString FFolder;  // put in front of FileName; empty until the location is set
};

// The folder of each location with a trailing "/", empty for PathInFileName.
QString IniFolder(TFileLocation location);
// The file a name resolves to in folder (which ends in "/" or is empty): a
// name that is absolute or carries a drive is kept, a leading backslash is
// dropped, and a file name without an extension gets ".INI".
QString IniFilePath(const QString& folder, const QString& fileName);

}  // namespace Veltor
