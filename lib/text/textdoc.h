#pragma once
// TTextDocument: what the text view shows. In text mode the lines of a text
// file, in hex mode a dump of the first bytes of any file (address, sixteen
// bytes in hexadecimal, their characters). Lines are 8-bit text; the file is
// only ever read. Overwrite editing changes the lines and the hex buffer in
// memory.

#include "text/texttypes.h"

#include <QByteArray>
#include <QString>

#include <vector>

class QFile;

namespace Veltor {

constexpr int kHexBytesPerLine = 16;
// Columns of the address and its blank in front of each hex line.
constexpr int kHexAddressWidth = 7;
// Longest text line kept in one node; longer lines continue in the next.
constexpr int kMaxTextLine = 1023;
constexpr int kMinHexBufLen = 64;
constexpr int kMaxHexBufLen = 1048575;
constexpr int kMaxHexOffset = 1048575;

// What a column of a hex line edits.
enum class THexColumn { None, HighNibble, LowNibble, Ascii };

class TTextDocument {
 public:
  // Settings; change them through the setters below while a file is open.
  bool HexMode = false;
  tsHexSize HexSize = hsByte;
  char NonHexChar = char(133);
  bool ExpandTabs = true;
  int TabSize = 8;

  // Reads the file: in text mode line by line, in hex mode up to HexBufLen
  // bytes. On failure nothing is open and error holds the message to show.
  bool Open(const QString& fileName, QString* error);
  void Close();
  bool IsOpen() const { return FOpen; }

  int LineCount() const { return int(FLines.size()); }
  // An empty line for indices outside the document.
  const QByteArray& Line(int index) const;
  int LineLength(int index) const { return int(Line(index).size()); }

  // Hex settings; each rebuilds the hex lines of an open dump.
  int HexOffset() const { return FHexOffset; }
  void SetHexOffset(int v);
  void SetHexSize(tsHexSize v);
  int HexBufLen() const { return FHexBufLen; }
  // Kept within 64..1048575. Drops the buffer; the caller reopens.
  void SetHexBufLen(int v);
  int BytesRead() const { return FBytesRead; }
  const QByteArray& HexBuffer() const { return FHexBuf; }

  // The column header of a hex dump in the given grouping.
  static QByteArray HexHeader(tsHexSize size);
  // Line k of a dump of bytes (16 from k x 16; the bytes must be there).
  static QByteArray HexLine(const QByteArray& bytes, int k, int offset, tsHexSize size, char nonHex);
  // Index of the byte a column of hex line k edits, -1 for none.
  static int ColumnToByte(int k, int col, tsHexSize size);
  static THexColumn ColumnKind(int col, tsHexSize size);
  // First column of the character area.
  static int AsciiColumn(tsHexSize size);
  // Whether the column shows a hex digit (not a blank, not the address).
  static bool IsDigitColumn(int col, tsHexSize size);

  // Overwrites the byte under column col of hex line k with a typed
  // character: a hex digit replaces a nibble, any character 32..126 in the
  // character area the whole byte. Returns false (nothing changed) for
  // anything else; on success adr (HexOffset included) and value say what
  // changed.
  bool OverwriteHex(int k, int col, char ch, int* adr, quint8* value);
  // Replaces the character at col of a text line; at the line's end the
  // character is added. False past the end or outside the document.
  bool OverwriteText(int line, int col, char ch);

 private:
  bool ReadText(QFile& file);
  void ReadHex(QFile& file);
  void BuildHexLines();
  void AddTextLine(QByteArray line);

  std::vector<QByteArray> FLines;
  QByteArray FHexBuf;
  int FBytesRead = 0;
  int FHexOffset = 0;
  int FHexBufLen = 255;
  bool FOpen = false;
};

}  // namespace Veltor
