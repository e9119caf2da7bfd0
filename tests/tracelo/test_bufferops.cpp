#include "bufferops.h"
#include "democapture.h"
#include "logic/logic.h"

#include "testutil.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

using namespace Veltor;

namespace {

QString WriteFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes) {
  QFile f(dir.filePath(name));
  EXPECT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(bytes);
  return f.fileName();
}

}  // namespace

TEST(RawFile, BytesAssembleBigEndianAndPartialSamplesAreDropped) {
  QTemporaryDir dir;
  QString error;
  {
    TLogic l;
    ASSERT_TRUE(Tracelo::ReadRawFile(l, WriteFile(dir, "a.bin", QByteArray("\x12\x34\x56\x78", 4)), &error));
    EXPECT_EQ(l.GetSample(0), 0x12345678);
  }
  {
    TLogic l;
    l.SetLogSize(TLogic::Size16);
    l.SetSample(2, 0x7777);
    ASSERT_TRUE(Tracelo::ReadRawFile(l, WriteFile(dir, "b.bin", QByteArray("\xAB\xCD\x01\x02\xFF", 5)), &error));
    EXPECT_EQ(l.GetSample(0), 0xABCD);
    EXPECT_EQ(l.GetSample(1), 0x0102);
    EXPECT_EQ(l.GetSample(2), 0x7777);  // the fifth byte is not a sample
  }
  {
    TLogic l;
    l.SetBufferSize(100);
    l.SetLogSize(TLogic::Size8);
    QByteArray longer;
    for (int i = 0; i < 300; ++i) longer.append(char(i));
    ASSERT_TRUE(Tracelo::ReadRawFile(l, WriteFile(dir, "c.bin", longer), &error));
    EXPECT_EQ(l.GetSample(99), 99);
    EXPECT_EQ(l.BufferCount(), 100);
  }
  TLogic l;
  EXPECT_FALSE(Tracelo::ReadRawFile(l, dir.filePath("missing.bin"), &error));
  EXPECT_TRUE(error.contains(QLatin1String("missing.bin")));
}

TEST(RandomFill, NeverProduces65535InAHalf) {
  TLogic l;
  l.SetBufferSize(64000);
  QRandomGenerator random(99);
  Tracelo::FillRandom(l, random);
  int differentHighHalves = 0;
  for (int i = 0; i < l.BufferCount(); ++i) {
    const quint32 v = quint32(l.GetSample(i));
    ASSERT_NE(v >> 16, 0xFFFFu) << i;
    ASSERT_NE(v & 0xFFFF, 0xFFFFu) << i;
    differentHighHalves += (v >> 16) != (quint32(l.GetSample(0)) >> 16);
  }
  EXPECT_GT(differentHighHalves, l.BufferCount() / 2);
}

TEST(Listing, OneLinePerSampleWithPrintableCharacters) {
  TLogic l;
  l.SetBufferSize(100);
  l.SetLogSize(TLogic::Size8);
  l.SetSample(0, 'A');
  l.SetSample(1, 0x0A);
  l.SetSample(2, 0xE4);
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  ASSERT_TRUE(Tracelo::WriteListing(l, out));
  const QList<QByteArray> lines = out.data().split('\n');
  ASSERT_EQ(lines.size(), 101);  // 100 lines, each ended by a line feed
  EXPECT_TRUE(lines.last().isEmpty());
  EXPECT_EQ(lines[0], QByteArray(" 0000:  hex: 41  bin: 01000001  'A'"));
  EXPECT_EQ(lines[1], QByteArray(" 0001:  hex: 0A  bin: 00001010  '.'"));
  EXPECT_EQ(lines[2], QByteArray(" 0002:  hex: E4  bin: 11100100  '.'"));
}

TEST(DemoCapture, LoadsWithNamedChannelsAndTraffic) {
  QTemporaryDir dir;
  const QString path = WriteFile(dir, "demo.trc", Tracelo::DemoCaptureFile());
  VeltorTest::ScriptedModalUI ui;
  TLogic l;
  l.PaintNow();
  ASSERT_TRUE(l.LoadFromFile(path));
  EXPECT_EQ(l.LogSize(), TLogic::Size16);
  EXPECT_EQ(l.BufferCount(), 2000);
  EXPECT_EQ(l.ChannelLabel(4), QStringLiteral("SCK"));
  // The counter counts, and every named signal changes somewhere.
  EXPECT_EQ(l.GetSample(2) & 0xF, 1);
  EXPECT_EQ(l.GetSample(5) & 0xF, 2);
  for (int channel = 4; channel <= 10; ++channel) {
    int edges = 0;
    for (int i = 1; i < l.BufferCount(); ++i) edges += ((l.GetSample(i) ^ l.GetSample(i - 1)) >> channel) & 1;
    EXPECT_GE(edges, 2) << l.ChannelLabel(channel).toStdString();
  }
}
