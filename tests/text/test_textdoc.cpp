#include "text/textdoc.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Veltor;

namespace {

class TextDoc : public ::testing::Test {
 protected:
  QString Write(const QByteArray& bytes, const QString& name = QStringLiteral("f.bin")) {
    const QString path = Dir.filePath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
    return path;
  }
  QByteArray Bytes(int n, int start = 0) {
    QByteArray b;
    for (int i = 0; i < n; ++i) b.append(char(start + i));
    return b;
  }
  QTemporaryDir Dir;
  TTextDocument Doc;
};

}  // namespace

TEST_F(TextDoc, HexDumpCoversTheBytesReadWithZerosAfterThem) {
  Doc.HexMode = true;
  ASSERT_TRUE(Doc.Open(Write(QByteArray(40, 'k')), nullptr));
  ASSERT_EQ(Doc.LineCount(), 3);
  EXPECT_EQ(Doc.BytesRead(), 40);
  EXPECT_EQ(Doc.Line(2),
            "000020 6B 6B 6B 6B 6B 6B 6B 6B 00 00 00 00 00 00 00 00 "
            "kkkkkkkk\x85\x85\x85\x85\x85\x85\x85\x85");
}

TEST_F(TextDoc, HexLineFormatPerGrouping) {
  const QByteArray bytes = Bytes(16, 0x7A);  // 7A..89: z { | } ~ DEL, then above 127
  EXPECT_EQ(TTextDocument::HexLine(bytes, 0, 4096, hsByte, '.'),
            "001000 7A 7B 7C 7D 7E 7F 80 81 82 83 84 85 86 87 88 89 z{|}~\x7F..........");
  EXPECT_EQ(TTextDocument::HexLine(bytes, 0, 0, hsWord, '.'),
            "000000 7A7B 7C7D 7E7F 8081 8283 8485 8687 8889 z{|}~\x7F..........");
  EXPECT_EQ(TTextDocument::HexLine(bytes, 0, 0xFFFF0, hsLong, '#'),
            "0FFFF0 7A7B7C7D 7E7F8081 82838485 86878889 z{|}~\x7F##########");
}

TEST_F(TextDoc, CharacterColumnShowsPrintableBytesThroughDel) {
  QByteArray b(16, 'A');
  b[0] = char(31);
  b[1] = char(32);
  b[2] = char(127);
  b[3] = char(128);
  b[4] = char(200);
  const QByteArray line = TTextDocument::HexLine(b, 0, 0, hsByte, '~');
  EXPECT_EQ(line.mid(TTextDocument::AsciiColumn(hsByte), 5), QByteArray("~ \x7F~~"));
}

TEST_F(TextDoc, HeaderNamesTheFirstByteOfEachGroup) {
  EXPECT_EQ(TTextDocument::HexHeader(hsByte), "adress 00 01 02 03 04 05 06 07 08 09 0A 0B 0C 0D 0E 0F ascii");
  EXPECT_EQ(TTextDocument::HexHeader(hsWord), "adress 00   02   04   06   08   0A   0C   0E   ascii");
  EXPECT_EQ(TTextDocument::HexHeader(hsLong), "adress 00       04       08       0C       ascii");
}

TEST_F(TextDoc, ColumnsMapToBytesAndNibbles) {
  struct Row {
    tsHexSize Size;
    int Col, Byte;
    THexColumn Kind;
  };
  const Row rows[] = {
      {hsByte, 6, -1, THexColumn::None},       {hsByte, 7, 0, THexColumn::HighNibble},
      {hsByte, 8, 0, THexColumn::LowNibble},   {hsByte, 10, 1, THexColumn::HighNibble},
      {hsByte, 53, 15, THexColumn::LowNibble}, {hsByte, 55, 0, THexColumn::Ascii},
      {hsByte, 70, 15, THexColumn::Ascii},     {hsByte, 71, -1, THexColumn::None},
      {hsWord, 12, 2, THexColumn::HighNibble}, {hsWord, 13, 2, THexColumn::LowNibble},
      {hsWord, 45, 15, THexColumn::LowNibble}, {hsWord, 47, 0, THexColumn::Ascii},
      {hsWord, 63, -1, THexColumn::None},      {hsLong, 16, 4, THexColumn::HighNibble},
      {hsLong, 14, 3, THexColumn::LowNibble},  {hsLong, 43, 0, THexColumn::Ascii},
      {hsLong, 58, 15, THexColumn::Ascii},     {hsLong, 59, -1, THexColumn::None},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << "size " << r.Size << " col " << r.Col);
    EXPECT_EQ(TTextDocument::ColumnToByte(0, r.Col, r.Size), r.Byte);
    EXPECT_EQ(TTextDocument::ColumnToByte(3, r.Col, r.Size), r.Byte < 0 ? -1 : 48 + r.Byte);
    EXPECT_EQ(TTextDocument::ColumnKind(r.Col, r.Size), r.Kind);
  }
}

TEST_F(TextDoc, OffsetAndGroupingRebuildTheLines) {
  Doc.HexMode = true;
  ASSERT_TRUE(Doc.Open(Write(Bytes(20)), nullptr));
  Doc.SetHexOffset(4096);
  EXPECT_TRUE(Doc.Line(0).startsWith("001000 00 01"));
  EXPECT_TRUE(Doc.Line(1).startsWith("001010 10 11 12 13 00"));
  Doc.SetHexOffset(2000000);
  EXPECT_EQ(Doc.HexOffset(), kMaxHexOffset);
  Doc.SetHexOffset(-5);
  Doc.SetHexSize(hsWord);
  EXPECT_TRUE(Doc.Line(1).startsWith("000010 1011 1213 0000"));
}

TEST_F(TextDoc, HexReadStopsAtTheBufferLengthAndNeverShowsAnEarlierFile) {
  Doc.HexMode = true;
  Doc.SetHexBufLen(10);  // raised to the least length
  EXPECT_EQ(Doc.HexBufLen(), kMinHexBufLen);
  Doc.SetHexBufLen(2000000);
  EXPECT_EQ(Doc.HexBufLen(), kMaxHexBufLen);
  Doc.SetHexBufLen(255);  // not a whole number of lines
  ASSERT_TRUE(Doc.Open(Write(QByteArray(1000, 'x')), nullptr));
  EXPECT_EQ(Doc.BytesRead(), 255);
  ASSERT_EQ(Doc.LineCount(), 16);
  EXPECT_TRUE(Doc.Line(15).endsWith("xxxxxxxxxxxxxxx\x85"));

  ASSERT_TRUE(Doc.Open(Write("ab", "small.bin"), nullptr));
  ASSERT_EQ(Doc.LineCount(), 1);
  EXPECT_EQ(Doc.Line(0).mid(7, 12), "61 62 00 00 ");
}

TEST_F(TextDoc, EmptyFileGivesOneLineInEitherMode) {
  const QString path = Write(QByteArray());
  ASSERT_TRUE(Doc.Open(path, nullptr));
  EXPECT_EQ(Doc.LineCount(), 1);
  EXPECT_EQ(Doc.Line(0), "");
  Doc.HexMode = true;
  ASSERT_TRUE(Doc.Open(path, nullptr));
  EXPECT_EQ(Doc.LineCount(), 1);
  EXPECT_TRUE(Doc.Line(0).startsWith("000000 00 00"));
}

TEST_F(TextDoc, TextLinesEndAtCrLfLfOrCrAndAnEmptyLineFollows) {
  ASSERT_TRUE(Doc.Open(Write("one\r\ntwo\nthree\rfour"), nullptr));
  ASSERT_EQ(Doc.LineCount(), 5);
  EXPECT_EQ(Doc.Line(0), "one");
  EXPECT_EQ(Doc.Line(1), "two");
  EXPECT_EQ(Doc.Line(2), "three");
  EXPECT_EQ(Doc.Line(3), "four");
  EXPECT_EQ(Doc.Line(4), "");
  EXPECT_EQ(Doc.Line(99), "");
}

TEST_F(TextDoc, CrLfSplitAcrossReadChunksIsOneLineBreak) {
  QByteArray text;
  for (int i = 0; i < 8; ++i) text.append(QByteArray(1022, 'a')).append('\n');
  text.append("1234567\r\nb");  // CR is the last byte of the first 8192
  ASSERT_EQ(text.indexOf('\r'), 8191);
  ASSERT_TRUE(Doc.Open(Write(text), nullptr));
  ASSERT_EQ(Doc.LineCount(), 11);
  EXPECT_EQ(Doc.Line(8), "1234567");
  EXPECT_EQ(Doc.Line(9), "b");
}

TEST_F(TextDoc, LongLinesContinueInFurtherLinesWithNothingLost) {
  QByteArray text(kMaxTextLine, 'a');
  text.append(QByteArray(kMaxTextLine, 'b')).append("c\nd");
  ASSERT_TRUE(Doc.Open(Write(text), nullptr));
  ASSERT_EQ(Doc.LineCount(), 5);
  EXPECT_EQ(Doc.Line(0), QByteArray(kMaxTextLine, 'a'));
  EXPECT_EQ(Doc.Line(1), QByteArray(kMaxTextLine, 'b'));
  EXPECT_EQ(Doc.Line(2), "c");
  EXPECT_EQ(Doc.Line(3), "d");
}

TEST_F(TextDoc, TabsExpandToTheNextTabStop) {
  Doc.TabSize = 4;
  ASSERT_TRUE(Doc.Open(Write("a\tbcde\tf\n"), nullptr));
  EXPECT_EQ(Doc.Line(0), "a   bcde    f");
  Doc.ExpandTabs = false;
  ASSERT_TRUE(Doc.Open(Write("a\tb"), nullptr));
  EXPECT_EQ(Doc.Line(0), "a\tb");
}

TEST_F(TextDoc, MissingFileOrFolderIsRefusedWithTheMessage) {
  QString error;
  const QString missing = Dir.filePath(QStringLiteral("Missing.TXT"));
  EXPECT_FALSE(Doc.Open(missing, &error));
  EXPECT_EQ(error, QStringLiteral("File\n%1\n not found").arg(missing));
  EXPECT_FALSE(Doc.IsOpen());
  EXPECT_EQ(Doc.LineCount(), 0);
  EXPECT_FALSE(Doc.Open(Dir.path(), &error));
  EXPECT_TRUE(error.contains(Dir.path()));
}

TEST_F(TextDoc, OverwriteHexReplacesNibblesAndBytes) {
  Doc.HexMode = true;
  Doc.SetHexOffset(0x100);
  ASSERT_TRUE(Doc.Open(Write(Bytes(32)), nullptr));
  int adr = -1;
  quint8 b = 0;
  EXPECT_TRUE(Doc.OverwriteHex(1, 7 + 3, 'c', &adr, &b));  // byte 17 high nibble
  EXPECT_EQ(adr, 0x100 + 17);
  EXPECT_EQ(b, 0xC1);
  EXPECT_TRUE(Doc.OverwriteHex(1, 7 + 4, 'F', &adr, &b));  // its low nibble
  EXPECT_EQ(b, 0xCF);
  EXPECT_EQ(Doc.Line(1).mid(7, 6), "10 CF ");
  EXPECT_TRUE(Doc.OverwriteHex(0, 55 + 2, 'Z', &adr, &b));  // character area
  EXPECT_EQ(adr, 0x102);
  EXPECT_EQ(quint8(Doc.HexBuffer().at(2)), 'Z');
  EXPECT_EQ(Doc.Line(0).at(57), 'Z');

  EXPECT_FALSE(Doc.OverwriteHex(0, 7, 'g', &adr, &b));  // no hex digit
  EXPECT_FALSE(Doc.OverwriteHex(0, 55, char(200), &adr, &b));
  EXPECT_FALSE(Doc.OverwriteHex(0, 3, '1', &adr, &b));  // the address
  EXPECT_FALSE(Doc.OverwriteHex(5, 7, '1', &adr, &b));  // no such line
  EXPECT_EQ(quint8(Doc.HexBuffer().at(0)), 0);
}

TEST_F(TextDoc, OverwriteTextReplacesOrAppendsAtTheEnd) {
  ASSERT_TRUE(Doc.Open(Write("abc\n"), nullptr));
  EXPECT_TRUE(Doc.OverwriteText(0, 1, 'X'));
  EXPECT_TRUE(Doc.OverwriteText(0, 3, 'd'));
  EXPECT_EQ(Doc.Line(0), "aXcd");
  EXPECT_FALSE(Doc.OverwriteText(0, 9, 'e'));
  EXPECT_FALSE(Doc.OverwriteText(7, 0, 'e'));
}
