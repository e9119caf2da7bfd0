#include "foundation/helpers.h"
#include "logic/logic.h"
#include "logic/samplefile.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <csignal>

using namespace Veltor;

namespace {

QByteArray Short(const QByteArray& s) { return char(s.size()) + s; }

// A sample file built by hand from the format description.
QByteArray HandMadeFile(const QByteArray& header, int names, const QByteArray& data) {
  QByteArray f = Short(header);
  for (int i = 0; i < names; ++i) f += Short("N" + QByteArray::number(i));
  return f + data;
}

QByteArray Header(const QByteArray& body) { return body + '@' + char(26); }

struct Files {
  QTemporaryDir dir;
  QString Path(const QString& name) const { return dir.filePath(name); }
  QString Write(const QString& name, const QByteArray& bytes) const {
    QFile f(Path(name));
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return Path(name);
  }
  static QByteArray Read(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

}  // namespace

TEST(SampleFile, SaveWritesTheFileFormatBytes) {
  Files files;
  TLogic l;
  l.SetBufferSize(100);
  l.SetLogSize(TLogic::Size16);
  l.SetTimeBase(2.5e-7);
  l.SetTriggerPos(12);
  l.SetChanName(3, QStringLiteral("\u00B5C-\u00C4"));
  l.SetSample(0, 0xBEEF);
  const QString path = files.Path("a.trc");
  ASSERT_TRUE(l.SaveToFile(path));
  const QByteArray bytes = Files::Read(path);

  const QByteArray header = QByteArray("Tracelo|2.5E-7|12|1|100@") + char(26);
  ASSERT_EQ(bytes.left(1 + header.size()), Short(header));
  int pos = 1 + header.size();
  for (int i = 0; i < 32; ++i) {
    const QByteArray name = i == 3 ? QByteArray(
                                         "\xB5"
                                         "C-\xC4")
                                   : "Chan " + QByteArray::number(i);
    ASSERT_EQ(bytes.mid(pos, 1 + name.size()), Short(name)) << i;
    pos += 1 + name.size();
  }
  ASSERT_EQ(bytes.size(), pos + 100);
  EXPECT_EQ(quint8(bytes.at(pos)), 0xEF);
  EXPECT_EQ(quint8(bytes.at(pos + 1)), 0xBE);
}

TEST(SampleFile, RoundTripRestoresBufferWidthTimeBaseAndNames) {
  Files files;
  TLogic source;
  source.SetBufferSize(3000);
  source.SetLogSize(TLogic::Size8);
  source.SetTimeBase(2.5e-7);
  for (int i = 0; i < source.BufferCount(); ++i) source.SetSample(i, i * 7);
  source.SetChanName(0, QStringLiteral("Takt \u20AC"));
  source.SetChanName(31, QString(300, QLatin1Char('z')));  // cut to 255
  ASSERT_TRUE(source.SaveToFile(files.Path("r.trc")));

  VeltorTest::ScriptedModalUI ui;
  TLogic target;
  target.PaintNow();
  ASSERT_TRUE(target.LoadFromFile(files.Path("r.trc")));
  EXPECT_TRUE(ui.Messages.isEmpty());
  EXPECT_EQ(target.BufferSize(), 3000);
  EXPECT_EQ(target.LogSize(), TLogic::Size8);
  EXPECT_EQ(target.TimeBase(), 2.5e-7);
  EXPECT_EQ(target.Buffer(), source.Buffer());
  EXPECT_EQ(target.ChannelLabel(0), QStringLiteral("Takt \u20AC"));
  EXPECT_EQ(target.ChannelLabel(31), QString(255, QLatin1Char('z')));
  EXPECT_EQ(target.ChannelLabel(5), QStringLiteral("Chan 5"));  // written out as its label
  EXPECT_EQ(target.ZoomStartPos(), 20);
  EXPECT_EQ(target.ZoomChanLast(), 5);
}

TEST(SampleFile, HandMadeFileLoads) {
  Files files;
  QByteArray data;
  for (int i = 0; i < 400; ++i) data.append(char(i));
  const QString path = files.Write("h.trc", HandMadeFile(Header("Tracelo|0.001|7|0|400"), 32, data));
  TLogic l;
  l.PaintNow();
  ASSERT_TRUE(l.LoadFromFile(path));
  EXPECT_EQ(l.BufferCount(), 400);
  EXPECT_EQ(l.MaxChan(), 7);
  EXPECT_DOUBLE_EQ(l.TimeBase(), 0.001);
  EXPECT_EQ(l.GetSample(399), 399 & 0xFF);
  EXPECT_EQ(l.ChannelLabel(9), QStringLiteral("N9"));
  EXPECT_EQ(l.TriggerPos(), 4);  // read, but not applied
}

TEST(SampleFile, DamagedHeadersAndNamesAreReportedBeforeAnythingIsApplied) {
  Files files;
  const QByteArray data(400, '\x55');
  const struct {
    const char* what;
    QByteArray bytes;
  } cases[] = {
      {"first field", HandMadeFile(Header("Tracelx|0.001|7|0|400"), 32, data)},
      {"short header", Short(Header("Tracelo|0.001|7|0|400")).left(12)},
      {"missing separator", HandMadeFile(Header("Tracelo|0.001|7|0400"), 32, data)},
      {"separator first", HandMadeFile(Header("Tracelo||0.001|7|0|400"), 32, data)},
      {"nothing after @", HandMadeFile("Tracelo|0.001|7|0|400@", 32, data)},
      {"time base text", HandMadeFile(Header("Tracelo|fast|7|0|400"), 32, data)},
      {"zero time base", HandMadeFile(Header("Tracelo|0|7|0|400"), 32, data)},
      {"infinite time base", HandMadeFile(Header("Tracelo|1e999|7|0|400"), 32, data)},
      {"trigger text", HandMadeFile(Header("Tracelo|0.001|x|0|400"), 32, data)},
      {"width code", HandMadeFile(Header("Tracelo|0.001|7|3|400"), 32, data)},
      {"buffer size", HandMadeFile(Header("Tracelo|0.001|7|0|4k"), 32, data)},
      {"short name", HandMadeFile(Header("Tracelo|0.001|7|0|400"), 31,
                                  QByteArray("\x05"
                                             "ab"))},
      {"missing names", HandMadeFile(Header("Tracelo|0.001|7|0|400"), 20, QByteArray())},
      {"empty file", QByteArray()},
  };
  for (const auto& c : cases) {
    VeltorTest::ScriptedModalUI ui;
    TLogic l;
    l.PaintNow();
    const QString path = files.Write(QStringLiteral("bad.trc"), c.bytes);
    QString error;
    EXPECT_FALSE(l.LoadFromFile(path, &error)) << c.what;
    EXPECT_EQ(ui.Messages, QStringList({QStringLiteral("File  bad.trc korrupt!")})) << c.what;
    EXPECT_EQ(ui.Beeps, 1) << c.what;
    EXPECT_TRUE(error.contains(QLatin1String("bad.trc"))) << c.what;
    EXPECT_EQ(l.BufferSize(), 4000) << c.what;
    EXPECT_EQ(l.LogSize(), TLogic::Size32) << c.what;
    EXPECT_DOUBLE_EQ(l.TimeBase(), 1e-5) << c.what;
    EXPECT_EQ(l.ChannelLabel(0), QStringLiteral("Chan 0")) << c.what;
  }
}

TEST(SampleFile, ShortDataIsReportedAfterTheSettingsWereTaken) {
  Files files;
  const QString path = files.Write("s.trc", HandMadeFile(Header("Tracelo|0.002|7|1|400"), 32, QByteArray(150, '\x7F')));
  VeltorTest::ScriptedModalUI ui;
  SetEnglishMode(true);
  TLogic l;
  l.PaintNow();
  EXPECT_FALSE(l.LoadFromFile(path));
  SetEnglishMode(false);
  EXPECT_EQ(ui.Messages, QStringList({QStringLiteral("File  s.trc corrupted!")}));
  EXPECT_EQ(l.BufferSize(), 400);
  EXPECT_EQ(l.LogSize(), TLogic::Size16);
  EXPECT_DOUBLE_EQ(l.TimeBase(), 0.002);
  EXPECT_EQ(l.ChannelLabel(3), QStringLiteral("N3"));
  // The bytes that were there arrived; the rest stayed zero.
  EXPECT_EQ(l.GetSample(74), 0x7F7F);
  EXPECT_EQ(l.GetSample(75), 0);
}

TEST(SampleFile, UnreadableFilesAreErrorsNotReports) {
  Files files;
  VeltorTest::ScriptedModalUI ui;
  TLogic l;
  QString error;
  EXPECT_FALSE(l.LoadFromFile(files.Path("missing.trc"), &error));
  EXPECT_TRUE(error.contains(QLatin1String("missing.trc")));
  EXPECT_TRUE(ui.Messages.isEmpty());
  EXPECT_FALSE(l.SaveToFile(files.Path("no/such/folder/x.trc"), &error));
  EXPECT_FALSE(error.isEmpty());
}

TEST(SampleFile, FailedSaveKeepsTheOldFile) {
  Files files;
  const QString path = files.Write("keep.trc", QByteArray("the user's data"));
  TLogic l;
  // Let the file system refuse anything larger than 1000 bytes.
  struct rlimit old {};
  getrlimit(RLIMIT_FSIZE, &old);
  auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = old;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  QString error;
  const bool saved = l.SaveToFile(path, &error);
  setrlimit(RLIMIT_FSIZE, &old);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(saved);
  EXPECT_FALSE(error.isEmpty());
  EXPECT_EQ(Files::Read(path), QByteArray("the user's data"));
  EXPECT_EQ(QDir(files.dir.path()).entryList(QDir::Files), QStringList({QStringLiteral("keep.trc")}));
}

TEST(SampleFile, RandomAndMutatedFilesNeverCrash) {
  Files files;
  VeltorTest::ScriptedModalUI ui;
  TLogic good;
  good.SetBufferSize(200);
  ASSERT_TRUE(good.SaveToFile(files.Path("seed.trc")));
  const QByteArray seed = Files::Read(files.Path("seed.trc"));

  QRandomGenerator rng(20261207);
  TLogic l;
  l.PaintNow();
  int loaded = 0;
  for (int round = 0; round < 3000; ++round) {
    QByteArray bytes;
    switch (round % 3) {
      case 0:  // pure noise
        bytes.resize(rng.bounded(0, 600));
        for (char& b : bytes) b = char(rng.bounded(256));
        break;
      case 1:  // the seed with a few bytes flipped
        bytes = seed;
        for (int i = 0, n = rng.bounded(1, 6); i < n; ++i)
          bytes[rng.bounded(int(bytes.size()))] = char(rng.bounded(256));
        break;
      default:  // the seed cut short or run long
        bytes = seed.left(rng.bounded(int(seed.size()) + 1));
        if (rng.bounded(2)) bytes += QByteArray(rng.bounded(70000), char(rng.bounded(256)));
        break;
    }
    const QString path = files.Write(QStringLiteral("f.trc"), bytes);
    const int before = ui.Messages.size();
    const bool ok = l.LoadFromFile(path);
    loaded += ok;
    // Either loaded, or reported: never silently half-done.
    EXPECT_NE(ok, ui.Messages.size() > before) << round;
    EXPECT_GE(l.BufferSize(), TLogic::kMinBufferSize);
    EXPECT_LE(l.BufferSize(), TLogic::kMaxBufferSize);
    EXPECT_GT(l.TimeBase(), 0);
    EXPECT_EQ(int(l.Buffer().size()), l.BufferSize());
    l.PaintNow();
  }
  EXPECT_GT(loaded, 0);
}
