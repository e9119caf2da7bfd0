#include "misc/inieditor.h"
#include "misc/misc_classes.h"

#include "formtest.h"
#include "foundation/numformat.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Veltor;

namespace {

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

// An editor on a file in its own temporary folder.
struct Fixture {
  QTemporaryDir dir;
  TIniEditor ini;
  Fixture() {
    ini.SetFileLocation(PathInFileName);
    ini.SetFileName(dir.filePath(QStringLiteral("t.ini")));
  }
  QByteArray Bytes() const { return ReadBytes(ini.FullPath()); }
};

const QString S = QStringLiteral("S");

}  // namespace

TEST(IniEditorPath, FolderAndDefaultExtension) {
  EXPECT_EQ(IniFilePath(QStringLiteral("/opt/app/"), QStringLiteral("SETUP")), QStringLiteral("/opt/app/SETUP.INI"));
  EXPECT_EQ(IniFilePath(QStringLiteral("/opt/app/"), QStringLiteral("\\SETUP")), QStringLiteral("/opt/app/SETUP.INI"));
  EXPECT_EQ(IniFilePath(QStringLiteral("/opt/app/"), QStringLiteral("C:\\X\\SETUP.CFG")),
            QStringLiteral("C:\\X\\SETUP.CFG"));
  EXPECT_EQ(IniFilePath(QStringLiteral("/opt/app/"), QStringLiteral("/etc/x.cfg")), QStringLiteral("/etc/x.cfg"));
  // A dot in a folder name is no extension.
  EXPECT_EQ(IniFilePath(QStringLiteral("/home/u/.config/"), QStringLiteral("demo")),
            QStringLiteral("/home/u/.config/demo.INI"));
  EXPECT_EQ(IniFilePath(QString(), QStringLiteral("demo.cfg")), QStringLiteral("demo.cfg"));
}

TEST(IniEditorPath, LocationPicksTheFolder) {
  TIniEditor ini;
  ini.SetFileName(QStringLiteral("SETUP"));
  EXPECT_EQ(ini.FullPath(), QStringLiteral("SETUP.INI"));  // location never set
  ini.SetFileLocation(ApplicationPath);
  EXPECT_EQ(ini.FullPath(), QCoreApplication::applicationDirPath() + QStringLiteral("/SETUP.INI"));
  ini.SetFileLocation(WindowsPath);
  EXPECT_EQ(ini.FullPath(),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/SETUP.INI"));
  ini.SetFileLocation(PathInFileName);
  EXPECT_EQ(ini.FullPath(), QStringLiteral("SETUP.INI"));
}

TEST(IniEditor, TypedValuesRoundTrip) {
  Fixture f;
  EXPECT_TRUE(f.ini.WriteStr(S, QStringLiteral("Str"), QStringLiteral("hello world")));
  EXPECT_TRUE(f.ini.WriteBool(S, QStringLiteral("Bool"), true));
  EXPECT_TRUE(f.ini.WriteChar(S, QStringLiteral("Char"), QLatin1Char('Q')));
  EXPECT_TRUE(f.ini.WriteInt(S, QStringLiteral("Int"), -42));
  EXPECT_TRUE(f.ini.WriteReal(S, QStringLiteral("Real"), 2.5e-7));
  EXPECT_EQ(f.Bytes(), QByteArray("[S]\r\nStr=hello world\r\nBool=True\r\nChar=Q\r\nInt=-42\r\nReal=2.5E-7\r\n"));
  QString s;
  f.ini.ReadStr(S, QStringLiteral("str"), s, QStringLiteral("def"));
  EXPECT_EQ(s, QStringLiteral("hello world"));
  EXPECT_TRUE(f.ini.ReadBool(S, QStringLiteral("Bool"), false));
  EXPECT_EQ(f.ini.ReadChar(S, QStringLiteral("Char"), QLatin1Char('z')), QLatin1Char('Q'));
  EXPECT_EQ(f.ini.ReadInt(S, QStringLiteral("Int"), 0), -42);
  EXPECT_DOUBLE_EQ(f.ini.ReadReal(S, QStringLiteral("Real"), 0), 2.5e-7);
}

TEST(IniEditor, ReadIntTruncatesOrReadsHexOrFallsBack) {
  Fixture f;
  const struct {
    const char* text;
    int expected;
  } rows[] = {{"3.9", 3}, {"-3.9", -3}, {"$1F", 31}, {"abc", 77}, {"1e20", 77}, {"12", 12}};
  for (const auto& row : rows) {
    f.ini.WriteStr(S, QStringLiteral("N"), QString::fromLatin1(row.text));
    EXPECT_EQ(f.ini.ReadInt(S, QStringLiteral("N"), 77), row.expected) << row.text;
  }
  EXPECT_EQ(f.ini.ReadInt(S, QStringLiteral("Missing"), -5), -5);
  f.ini.InitEntry(S, QStringLiteral("Empty"));
  EXPECT_EQ(f.ini.ReadInt(S, QStringLiteral("Empty"), 9), 9);
}

TEST(IniEditor, ReadBoolCharRealConversions) {
  Fixture f;
  const struct {
    const char* text;
    bool expected;
  } rows[] = {{"yes", true}, {"Yes", true}, {"1", true}, {"TRUE", true}, {"2", false}, {"on", false}};
  for (const auto& row : rows) {
    f.ini.WriteStr(S, QStringLiteral("B"), QString::fromLatin1(row.text));
    EXPECT_EQ(f.ini.ReadBool(S, QStringLiteral("B"), !row.expected), row.expected) << row.text;
  }
  EXPECT_TRUE(f.ini.ReadBool(S, QStringLiteral("Missing"), true));
  EXPECT_FALSE(f.ini.ReadBool(S, QStringLiteral("Missing"), false));
  f.ini.InitEntry(S, QStringLiteral("Empty"));
  EXPECT_EQ(f.ini.ReadChar(S, QStringLiteral("Empty"), QLatin1Char('d')), QLatin1Char('d'));
  f.ini.WriteStr(S, QStringLiteral("R"), QStringLiteral("x1"));
  EXPECT_DOUBLE_EQ(f.ini.ReadReal(S, QStringLiteral("R"), 1.25), 1.25);
  EXPECT_DOUBLE_EQ(f.ini.ReadReal(S, QStringLiteral("Missing"), -0.5), -0.5);
}

TEST(IniEditor, RealsFollowTheDecimalSeparator) {
  Fixture f;
  Formats().DecimalSeparator = QLatin1Char(',');
  f.ini.WriteReal(S, QStringLiteral("R"), 1.5);
  const double back = f.ini.ReadReal(S, QStringLiteral("R"), 0);
  Formats().DecimalSeparator = QLatin1Char('.');
  EXPECT_EQ(f.Bytes(), QByteArray("[S]\r\nR=1,5\r\n"));
  EXPECT_DOUBLE_EQ(back, 1.5);
}

TEST(IniEditor, EmptyValuesEraseAndInitEntryKeepsOne) {
  Fixture f;
  f.ini.WriteStr(S, QStringLiteral("E"), QStringLiteral("1"));
  f.ini.WriteStr(S, QStringLiteral("F"), QStringLiteral("2"));
  f.ini.WriteStr(QStringLiteral("T"), QStringLiteral("G"), QStringLiteral("3"));
  EXPECT_TRUE(f.ini.WriteStr(S, QStringLiteral("E"), QString()));
  EXPECT_EQ(f.Bytes(), QByteArray("[S]\r\nF=2\r\n[T]\r\nG=3\r\n"));
  EXPECT_TRUE(f.ini.InitEntry(S, QStringLiteral("H")));
  EXPECT_EQ(f.Bytes(), QByteArray("[S]\r\nF=2\r\nH=\r\n[T]\r\nG=3\r\n"));
  EXPECT_TRUE(f.ini.EraseEntry(S, QStringLiteral("F")));
  EXPECT_TRUE(f.ini.EraseSection(S));
  EXPECT_EQ(f.Bytes(), QByteArray("[T]\r\nG=3\r\n"));
  EXPECT_TRUE(f.ini.InitSection(QStringLiteral("t")));
  EXPECT_EQ(f.Bytes(), QByteArray(""));
}

TEST(IniEditor, EmptyNamesReadDefaultsAndWriteNothing) {
  Fixture f;
  EXPECT_TRUE(f.ini.WriteStr(QString(), QStringLiteral("E"), QStringLiteral("v")));
  EXPECT_TRUE(f.ini.InitEntry(S, QString()));
  EXPECT_TRUE(f.ini.InitSection(QString()));
  EXPECT_FALSE(QFile::exists(f.ini.FullPath()));
  f.ini.WriteInt(S, QStringLiteral("N"), 5);
  EXPECT_EQ(f.ini.ReadInt(QString(), QStringLiteral("N"), 8), 8);
  EXPECT_EQ(f.ini.ReadInt(S, QString(), 8), 8);
  TIniEditor unnamed;
  EXPECT_TRUE(unnamed.WriteInt(S, QStringLiteral("N"), 1));
  EXPECT_EQ(unnamed.ReadInt(S, QStringLiteral("N"), 3), 3);
}

TEST(IniEditor, LongTextIsCut) {
  Fixture f;
  f.ini.WriteStr(S, QStringLiteral("L"), QString(300, QLatin1Char('a')));
  QString v;
  f.ini.ReadStr(S, QStringLiteral("L"), v, QString());
  EXPECT_EQ(v.size(), TIniEditor::kMaxText);
}

TEST(IniEditor, FailedWriteIsReportedAndFileKept) {
  Fixture f;
  ASSERT_TRUE(f.ini.WriteStr(S, QStringLiteral("K"), QStringLiteral("old")));
  const QByteArray before = f.Bytes();
  // A "folder" that is a plain file cannot take the temporary file.
  TIniEditor bad;
  bad.SetFileLocation(PathInFileName);
  bad.SetFileName(f.ini.FullPath() + QStringLiteral("/sub.ini"));
  EXPECT_FALSE(bad.WriteStr(S, QStringLiteral("K"), QStringLiteral("new")));
  EXPECT_FALSE(bad.InitEntry(S, QStringLiteral("K")));
  EXPECT_EQ(f.Bytes(), before);
}

TEST(IniEditor, StoredFormSetsFileAndLocation) {
  RegisterMiscClasses();
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TIniEditor" name="Ini">
   <property name="FileName"><string>demo</string></property>
   <property name="FileLocation"><enum>WindowsPath</enum></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* ini = form->findChild<TIniEditor*>("Ini");
  ASSERT_TRUE(ini);
  EXPECT_EQ(ini->FullPath(),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/demo.INI"));
}
