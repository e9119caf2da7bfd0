#include "captures/capture.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <map>

using namespace Tracelo;

namespace {

QString Write(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(bytes);
  return path;
}

std::vector<quint32> ReadAll(const QString& path, TCaptureInfo* info = nullptr) {
  QString error;
  std::unique_ptr<TCaptureSource> source = OpenCapture(path, DetectCaptureFormat(path), &error);
  EXPECT_TRUE(source) << qPrintable(error);
  std::vector<quint32> samples;
  if (!source) return samples;
  if (info) *info = source->Info();
  EXPECT_TRUE(source->ReadWindow(0, int(source->Info().Samples), &samples, &error)) << qPrintable(error);
  return samples;
}

// Eight channels counting up, one step per sample.
TCaptureData Counter(int samples, int channels = 8) {
  TCaptureData data;
  for (int c = 0; c < channels; ++c) data.Names << QStringLiteral("D%1").arg(c);
  const quint32 mask = channels == 32 ? 0xffffffffu : (1u << channels) - 1;
  for (int i = 0; i < samples; ++i) data.Samples.push_back(quint32(i * 2654435761u) & mask);
  return data;
}

QString Tool(const char* name) { return QStandardPaths::findExecutable(QString::fromLatin1(name)); }

// Runs a tool and returns its standard output; fails the test when it fails.
QByteArray RunTool(const QString& program, const QStringList& args, const QString& dir = QString()) {
  QProcess process;
  if (!dir.isEmpty()) process.setWorkingDirectory(dir);
  process.start(program, args);
  EXPECT_TRUE(process.waitForFinished(60000)) << qPrintable(program);
  EXPECT_EQ(process.exitCode(), 0) << qPrintable(program) << " " << qPrintable(args.join(' ')) << ": "
                                   << process.readAllStandardError().constData();
  return process.readAllStandardOutput();
}

// The samples sigrok-cli's "bits" output shows for each channel name, as
// samples again (bit n from the n-th channel listed).
std::vector<quint32> SigrokBits(const QString& file, const char* format) {
  QStringList args{QStringLiteral("-i"), file, QStringLiteral("-O"), QStringLiteral("bits:width=0")};
  if (format) args << QStringLiteral("-I") << QString::fromLatin1(format);
  std::map<QString, QString> bits;
  QStringList order;
  for (const QByteArray& line : RunTool(Tool("sigrok-cli"), args).split('\n')) {
    const int colon = line.indexOf(':');
    const QString name = QString::fromLatin1(line.left(colon));
    if (colon < 1 || line.startsWith("libsigrok") || name.contains(QLatin1Char(' '))) continue;
    if (!bits.count(name)) order << name;
    bits[name] += QString::fromLatin1(line.mid(colon + 1)).remove(QLatin1Char(' '));
  }
  std::vector<quint32> samples;
  for (int c = 0; c < order.size(); ++c) {
    const QString& row = bits[order[c]];
    if (samples.size() < std::size_t(row.size())) samples.resize(std::size_t(row.size()));
    for (int i = 0; i < row.size(); ++i) samples[std::size_t(i)] |= quint32(row[i] == QLatin1Char('1')) << c;
  }
  return samples;
}

}  // namespace

TEST(Captures, FormatIsRecognisedByContentBeforeExtension) {
  QTemporaryDir dir;
  const TCaptureData data = Counter(10);
  const QString vcd = dir.filePath(QStringLiteral("dump.csv"));  // a misleading name
  ASSERT_TRUE(WriteVcd(vcd, data, nullptr));
  EXPECT_EQ(DetectCaptureFormat(vcd), TCaptureFormat::Vcd);
  const QString sr = dir.filePath(QStringLiteral("session.bin"));
  ASSERT_TRUE(WriteSigrok(sr, data, nullptr));
  EXPECT_EQ(DetectCaptureFormat(sr), TCaptureFormat::Sigrok);
  EXPECT_EQ(DetectCaptureFormat(Write(dir, QStringLiteral("plain.txt"), "a,b\n0,1\n1,0\n")), TCaptureFormat::Csv);
  EXPECT_EQ(DetectCaptureFormat(Write(dir, QStringLiteral("raw.bin"), "\x01\x02,\x03")), TCaptureFormat::None);
  EXPECT_EQ(DetectCaptureFormat(Write(dir, QStringLiteral("old.vcd"), "\x22Tracelo|1e-05|0|2|4000@")),
            TCaptureFormat::None);
  EXPECT_EQ(DetectCaptureFormat(Write(dir, QStringLiteral("empty.sr"), "")), TCaptureFormat::Sigrok);
}

// Each writer's file reads back the same, with names and time base, for every
// sample width; a long file is read in windows far from its start.
TEST(Captures, WrittenFilesReadBackInWindows) {
  QTemporaryDir dir;
  for (int channels : {8, 16, 32}) {
    TCaptureData data = Counter(140000, channels);
    data.Names[1] = QStringLiteral("CLK");
    // The top channel rises once and stays: only a reader that carries the
    // state across its checkpoints shows it high late in the file.
    const quint32 top = 1u << (channels - 1);
    for (std::size_t i = 0; i < data.Samples.size(); ++i)
      data.Samples[i] = i < 5 ? data.Samples[i] & ~top : data.Samples[i] | top;
    data.Interval = 2.5e-6;
    for (const char* suffix : {"vcd", "sr", "csv"}) {
      SCOPED_TRACE(QStringLiteral("%1 channels, .%2").arg(channels).arg(QLatin1String(suffix)).toStdString());
      const QString path = dir.filePath(QStringLiteral("c%1.%2").arg(channels).arg(QLatin1String(suffix)));
      QString error;
      ASSERT_TRUE(WriteCapture(path, CaptureFormatFromSuffix(path), data, &error)) << qPrintable(error);
      std::unique_ptr<TCaptureSource> source = OpenCapture(path, DetectCaptureFormat(path), &error);
      ASSERT_TRUE(source) << qPrintable(error);
      EXPECT_EQ(source->Info().Samples, 140000);
      EXPECT_EQ(source->Info().Names, data.Names);
      EXPECT_NEAR(source->Info().Interval, 2.5e-6, 1e-12);
      std::vector<quint32> window;
      for (qint64 start : {0, 65535, 131073, 139990}) {
        ASSERT_TRUE(source->ReadWindow(start, 1000, &window, &error)) << qPrintable(error);
        ASSERT_EQ(window.size(), std::size_t(std::min<qint64>(1000, 140000 - start)));
        EXPECT_TRUE(std::equal(window.begin(), window.end(), data.Samples.begin() + start)) << start;
      }
    }
  }
}

TEST(Captures, VcdVectorsScalarsAndTimeSteps) {
  QTemporaryDir dir;
  // A bus declared msb first, a scalar with x, a real that is skipped; changes
  // every 20 ps; the last stamp only marks the end.
  const QString path = Write(dir, QStringLiteral("sim.vcd"),
                             "$timescale 10ps $end\n$scope module top $end\n"
                             "$var wire 3 % bus [2:0] $end\n$var reg 1 & en $end\n$var real 64 ' v $end\n"
                             "$upscope $end $enddefinitions $end\n"
                             "#0 $dumpvars b101 % x& r0.5 ' $end\n#2 b10 % 1&\n#4 b1 %\n#6 0&\n#8\n");
  TCaptureInfo info;
  const std::vector<quint32> samples = ReadAll(path, &info);
  EXPECT_EQ(info.Names, QStringList({"bus[0]", "bus[1]", "bus[2]", "en"}));
  EXPECT_NEAR(info.Interval, 20e-12, 1e-20);
  // bus in bits 0..2, en in bit 3; the real variable stays 0.
  EXPECT_EQ(samples, std::vector<quint32>({0b0101, 0b1010, 0b1001, 0b0001}));
}

// Files made to hurt: each is refused with the file's name and the reason, or
// read within bounds; none crashes or hangs.
TEST(Captures, HostileFilesAreRefusedWithAReason) {
  QTemporaryDir dir;
  QByteArray zip;
  ASSERT_TRUE(WriteSigrok(dir.filePath(QStringLiteral("ok.sr")), Counter(5000), nullptr));
  {
    QFile f(dir.filePath(QStringLiteral("ok.sr")));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    zip = f.readAll();
  }
  const struct {
    const char* Name;
    QByteArray Bytes;
    const char* Reason;
  } cases[] = {
      {"cut.sr", zip.left(zip.size() / 2), ""},
      {"scale.vcd", "$timescale 7 ns $end $var wire 1 ! a $end $enddefinitions $end #0 1!", "timescale"},
      {"back.vcd", "$var wire 1 ! a $end $enddefinitions $end #0 1! #10 0! #5 1!", "back"},
      {"nosignal.vcd", "$timescale 1ns $end $enddefinitions $end #0 #10", "no signals"},
      {"garbage.vcd", "$var wire 1 ! a $end $enddefinitions $end #0 1! hello", "hello"},
      {"open.vcd", "$var wire 1 ! a $end $comment never ends", "declarations"},
      {"two.csv", "a,b\n0,1\n1,2\n", "line 3"},
      {"ragged.csv", "a,b\n0,1\n1\n", "columns"},
  };
  for (const auto& c : cases) {
    const QString path = Write(dir, QString::fromLatin1(c.Name), c.Bytes);
    QString error;
    EXPECT_FALSE(OpenCapture(path, DetectCaptureFormat(path), &error)) << c.Name;
    EXPECT_TRUE(error.startsWith(path)) << qPrintable(error);
    EXPECT_TRUE(error.contains(QLatin1String(c.Reason))) << qPrintable(error);
  }

  // A billion signals declared in one variable: the first 32 bits become channels.
  TCaptureInfo info;
  const QString wide =
      Write(dir, QStringLiteral("wide.vcd"), "$var wire 1000000000 ! w $end $enddefinitions $end #0 b111 ! #1");
  ReadAll(wide, &info);
  EXPECT_EQ(info.Names.size(), 32);
  EXPECT_EQ(info.Names.last(), QStringLiteral("w[31]"));

  // A 2 GB line (a sparse file, so the test costs no disk) ends the scan early.
  const QString huge = dir.filePath(QStringLiteral("huge.csv"));
  {
    QFile f(huge);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("a,b\n0,1,");
    ASSERT_TRUE(f.resize(qint64(2) << 30));
  }
  QString error;
  EXPECT_FALSE(OpenCapture(huge, TCaptureFormat::Csv, &error));
  EXPECT_TRUE(error.contains(QLatin1String("longer than"))) << qPrintable(error);
}

// Random, cut and mutated files of each format: opening and reading never
// crash and never give more samples than asked for.
TEST(Captures, FuzzedFilesNeverCrash) {
  QTemporaryDir dir;
  QRandomGenerator random(1234);
  for (const char* suffix : {"vcd", "sr", "csv"}) {
    const QString good = dir.filePath(QStringLiteral("good.%1").arg(QLatin1String(suffix)));
    ASSERT_TRUE(WriteCapture(good, CaptureFormatFromSuffix(good), Counter(300, 12), nullptr));
    QFile f(good);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray original = f.readAll();
    for (int round = 0; round < 150; ++round) {
      QByteArray bytes = original;
      const int kind = round % 3;
      if (kind == 0) bytes.truncate(int(random.bounded(bytes.size())));
      for (int m = 0; kind == 1 && m < 1 + int(random.bounded(8)); ++m) {
        bytes[int(random.bounded(bytes.size()))] = char(random.bounded(256));
      }
      if (kind == 2) {
        bytes.resize(int(random.bounded(2000)));
        for (char& b : bytes) b = char(random.bounded(256));
        if (round % 2) bytes.prepend(original.left(40));
      }
      const QString path = Write(dir, QStringLiteral("fuzz.%1").arg(QLatin1String(suffix)), bytes);
      QString error;
      std::unique_ptr<TCaptureSource> source = OpenCapture(path, CaptureFormatFromSuffix(path), &error);
      if (!source) {
        EXPECT_FALSE(error.isEmpty());
        continue;
      }
      std::vector<quint32> samples;
      if (source->ReadWindow(0, 64000, &samples, &error)) {
        EXPECT_EQ(qint64(samples.size()), std::min<qint64>(64000, source->Info().Samples));
      }
    }
  }
}

TEST(Captures, SigrokCliCapturesImportToTheSameBits) {
  if (Tool("sigrok-cli").isEmpty()) GTEST_SKIP() << "sigrok-cli is not installed; install it to run this check";
  QTemporaryDir dir;
  const QString sr = dir.filePath(QStringLiteral("demo.sr"));
  RunTool(Tool("sigrok-cli"),
          QStringList{"-d", "demo", "--channels", "D0,D1,D2,D3,D4,D5,D6,D7", "--samples", "3000", "-o", sr});
  RunTool(Tool("sigrok-cli"), QStringList{"-i", sr, "-O", "vcd", "-o", dir.filePath("demo.vcd")});
  RunTool(Tool("sigrok-cli"), QStringList{"-i", sr, "-O", "csv", "-o", dir.filePath("demo.csv")});
  const std::vector<quint32> reference = SigrokBits(sr, nullptr);
  ASSERT_EQ(reference.size(), 3000u);
  for (const char* name : {"demo.sr", "demo.vcd", "demo.csv"}) {
    SCOPED_TRACE(name);
    TCaptureInfo info;
    EXPECT_EQ(ReadAll(dir.filePath(QString::fromLatin1(name)), &info), reference);
    EXPECT_EQ(info.Names.first(), QStringLiteral("D0"));
    EXPECT_EQ(info.Names.size(), 8);
  }
}

TEST(Captures, SigrokCliReadsOurExports) {
  if (Tool("sigrok-cli").isEmpty()) GTEST_SKIP() << "sigrok-cli is not installed; install it to run this check";
  QTemporaryDir dir;
  for (int channels : {8, 16}) {
    const TCaptureData data = Counter(700, channels);
    for (const char* format : {"vcd", "sr", "csv"}) {
      SCOPED_TRACE(QStringLiteral("%1 channels, %2").arg(channels).arg(QLatin1String(format)).toStdString());
      const QString path = dir.filePath(QStringLiteral("out%1.%2").arg(channels).arg(QLatin1String(format)));
      ASSERT_TRUE(WriteCapture(path, CaptureFormatFromSuffix(path), data, nullptr));
      EXPECT_EQ(SigrokBits(path, QByteArray(format) == "sr" ? nullptr : format), data.Samples);
    }
  }
}

// A simulation of ours: a 4-bit counter and a shift register fed by its top bit.
TEST(Captures, IcarusSimulationImportsWithNamesAndEdges) {
  if (Tool("iverilog").isEmpty() || Tool("vvp").isEmpty()) GTEST_SKIP() << "iverilog is not installed";
  QTemporaryDir dir;
  Write(dir, QStringLiteral("bench.v"),
        "`timescale 1ns/1ns\n"
        "module bench;\n"
        "  reg clk = 0; reg [3:0] count = 0; reg [2:0] shift = 0;\n"
        "  always #5 clk = ~clk;\n"
        "  always @(posedge clk) begin count <= count + 1; shift <= {shift[1:0], count[3]}; end\n"
        "  initial begin $dumpfile(\"bench.vcd\"); $dumpvars(0, bench); #400 $finish; end\n"
        "endmodule\n");
  RunTool(Tool("iverilog"), QStringList{"-o", "bench.vvp", "bench.v"}, dir.path());
  RunTool(Tool("vvp"), QStringList{"bench.vvp"}, dir.path());
  TCaptureInfo info;
  const std::vector<quint32> samples = ReadAll(dir.filePath(QStringLiteral("bench.vcd")), &info);
  EXPECT_EQ(info.Names,
            QStringList({"clk", "count[0]", "count[1]", "count[2]", "count[3]", "shift[0]", "shift[1]", "shift[2]"}));
  EXPECT_NEAR(info.Interval, 5e-9, 1e-15);  // half a clock period
  ASSERT_GE(samples.size(), 80u);
  // Every sample is half a period: the clock alternates and the counter counts
  // once per rising edge.
  for (std::size_t i = 1; i < 80; ++i) {
    EXPECT_NE(samples[i] & 1, samples[i - 1] & 1) << i;
    const quint32 count = (samples[i] >> 1) & 15;
    EXPECT_EQ(count, quint32((i + 1) / 2 % 16)) << i;
  }
  // The shift register takes the counter's top bit one clock later.
  EXPECT_EQ((samples[16] >> 5) & 1, 0u);
  EXPECT_EQ((samples[17] >> 5) & 1, 1u);
}
