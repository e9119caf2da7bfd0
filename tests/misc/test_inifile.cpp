#include "misc/inifile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>
#include <csignal>

using namespace Veltor;

namespace {

QByteArray ReadBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

// A file as people write them: comments, blank lines, stray text, odd
// spacing and case, a repeated entry and a repeated section.
const QByteArray kSample =
    "; settings of the test bench\r\n"
    "[Main]\r\n"
    "Speed = 12\r\n"
    "speed=99\r\n"
    "junk without equals\r\n"
    "\r\n"
    "[Other]\r\n"
    "Name=Probe\r\n"
    "[main]\r\n"
    "Late=1\r\n";

}  // namespace

TEST(IniDocument, ReadsFirstMatchWithoutRegardToCase) {
  TIniDocument doc(QString::fromLatin1(kSample).split(QStringLiteral("\r\n")));
  QString v;
  ASSERT_TRUE(doc.Read(QStringLiteral("MAIN"), QStringLiteral("SPEED"), &v));
  EXPECT_EQ(v, QStringLiteral("12"));
  // Only the first of two sections of one name is seen.
  EXPECT_FALSE(doc.Read(QStringLiteral("Main"), QStringLiteral("Late"), &v));
  // Comments and lines without "=" are no entries.
  EXPECT_FALSE(doc.Read(QStringLiteral("Main"), QStringLiteral("junk without equals"), &v));
  EXPECT_TRUE(IniLine::EntryName(QStringLiteral(";a=b")).isNull());
  EXPECT_TRUE(doc.Read(QStringLiteral("other"), QStringLiteral("name"), &v));
  EXPECT_EQ(v, QStringLiteral("Probe"));
}

TEST(IniDocument, WriteChangesOnlyWhatItMust) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.ini"));
  WriteBytes(path, kSample);
  TIniDocument doc;
  ASSERT_TRUE(doc.Load(path));
  doc.Write(QStringLiteral("MAIN"), QStringLiteral("speed"), QStringLiteral("7"));     // in place, name as spelt
  doc.Write(QStringLiteral("Main"), QStringLiteral("Mode"), QStringLiteral("fast"));   // before the blank line
  doc.Write(QStringLiteral("Other"), QStringLiteral("Port"), QStringLiteral("COM2"));  // end of a section
  doc.Write(QStringLiteral("New"), QStringLiteral("A"), QStringLiteral("b"));          // new section at the end
  ASSERT_TRUE(doc.Save(path));
  EXPECT_EQ(ReadBytes(path), QByteArray("; settings of the test bench\r\n"
                                        "[Main]\r\n"
                                        "Speed =7\r\n"
                                        "speed=99\r\n"
                                        "junk without equals\r\n"
                                        "Mode=fast\r\n"
                                        "\r\n"
                                        "[Other]\r\n"
                                        "Name=Probe\r\n"
                                        "Port=COM2\r\n"
                                        "[main]\r\n"
                                        "Late=1\r\n"
                                        "[New]\r\n"
                                        "A=b\r\n"));
}

TEST(IniDocument, DeletesFirstEntryAndFirstSection) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("bench.ini"));
  WriteBytes(path, kSample);
  TIniDocument doc;
  ASSERT_TRUE(doc.Load(path));
  EXPECT_TRUE(doc.DeleteEntry(QStringLiteral("main"), QStringLiteral("SPEED")));
  EXPECT_FALSE(doc.DeleteEntry(QStringLiteral("Other"), QStringLiteral("Missing")));
  EXPECT_TRUE(doc.DeleteSection(QStringLiteral("OTHER")));
  EXPECT_FALSE(doc.DeleteSection(QStringLiteral("Nowhere")));
  ASSERT_TRUE(doc.Save(path));
  EXPECT_EQ(ReadBytes(path), QByteArray("; settings of the test bench\r\n"
                                        "[Main]\r\n"
                                        "speed=99\r\n"
                                        "junk without equals\r\n"
                                        "\r\n"
                                        "[main]\r\n"
                                        "Late=1\r\n"));
}

TEST(IniDocument, LoadsBareLineFeedsAndMissingFiles) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("lf.ini"));
  WriteBytes(path, "[S]\nK=\xe4\n");  // 8-bit text, Unix line ends
  TIniDocument doc;
  ASSERT_TRUE(doc.Load(path));
  QString v;
  ASSERT_TRUE(doc.Read(QStringLiteral("s"), QStringLiteral("k"), &v));
  EXPECT_EQ(v, QString(QChar(0xE4)));
  EXPECT_EQ(doc.ToBytes(), QByteArray("[S]\r\nK=\xe4\r\n"));
  EXPECT_TRUE(doc.Load(dir.filePath(QStringLiteral("none.ini"))));
  EXPECT_TRUE(doc.Lines().isEmpty());
}

TEST(IniDocument, FolderThatCannotHoldFilesFailsTheSave) {
  QTemporaryDir dir;
  const QString notAFolder = dir.filePath(QStringLiteral("plain"));
  WriteBytes(notAFolder, "x");
  TIniDocument doc(QStringList{QStringLiteral("[S]"), QStringLiteral("K=V")});
  EXPECT_FALSE(doc.Save(notAFolder + QStringLiteral("/x.ini")));
  EXPECT_TRUE(doc.Save(dir.filePath(QStringLiteral("x.ini"))));
}

TEST(IniDocument, ReadOnlyFolderFailsAndKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "folder permissions do not bind root";
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("keep.ini"));
  WriteBytes(path, kSample);
  ASSERT_TRUE(QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner));
  TIniDocument doc(QStringList{QStringLiteral("[S]")});
  EXPECT_FALSE(doc.Save(path));
  QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  EXPECT_EQ(ReadBytes(path), kSample);
}

// A write cut short (here by a file size limit) must neither report success
// nor leave half a file behind.
TEST(IniDocument, ShortWriteFailsAndKeepsTheOldFile) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("keep.ini"));
  WriteBytes(path, kSample);
  TIniDocument doc;
  ASSERT_TRUE(doc.Load(path));
  doc.Write(QStringLiteral("Big"), QStringLiteral("Blob"), QString(5000, QLatin1Char('x')));

  rlimit old{};
  getrlimit(RLIMIT_FSIZE, &old);
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = old;
  small.rlim_cur = 1024;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  const bool saved = doc.Save(path);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);

  EXPECT_FALSE(saved);
  EXPECT_EQ(ReadBytes(path), kSample);
}
