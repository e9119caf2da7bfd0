#include "text/textdoc.h"

#include <QFile>
#include <QFileInfo>

namespace Veltor {
namespace {

constexpr int kReadChunk = 8192;

int GroupBytes(tsHexSize size) { return size == hsLong ? 4 : size == hsWord ? 2 : 1; }
// Columns one group takes: two digits per byte and a blank.
int GroupWidth(tsHexSize size) { return 2 * GroupBytes(size) + 1; }
int HexAreaWidth(tsHexSize size) { return kHexBytesPerLine / GroupBytes(size) * GroupWidth(size); }

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

const char kHexDigits[] = "0123456789ABCDEF";

}  // namespace

bool TTextDocument::Open(const QString& fileName, QString* error) {
  Close();
  QFile file(fileName);
  // A folder or a file that vanished or cannot be read is reported as not
  // found: the view has nothing to show of it.
  if (!QFileInfo(fileName).isFile() || !file.open(QIODevice::ReadOnly)) {
    if (error) *error = QStringLiteral("File\n%1\n not found").arg(fileName);
    return false;
  }
  if (HexMode)
    ReadHex(file);
  else
    ReadText(file);
  FOpen = true;
  return true;
}

void TTextDocument::Close() {
  FLines.clear();
  FBytesRead = 0;
  FOpen = false;
}

const QByteArray& TTextDocument::Line(int index) const {
  static const QByteArray empty;
  return index >= 0 && index < LineCount() ? FLines[size_t(index)] : empty;
}

void TTextDocument::AddTextLine(QByteArray line) {
  if (ExpandTabs && line.contains('\t')) {
    QByteArray out;
    for (char c : line) {
      if (c == '\t')
        out.append(TabSize - out.size() % qMax(1, TabSize), ' ');
      else
        out.append(c);
    }
    line = out;
  }
  // Long lines continue in further nodes, so nothing of the file is lost.
  for (int from = 0;; from += kMaxTextLine) {
    FLines.push_back(line.mid(from, kMaxTextLine));
    if (from + kMaxTextLine >= line.size()) break;
  }
}

bool TTextDocument::ReadText(QFile& file) {
  QByteArray line;
  char buffer[kReadChunk];
  bool afterCR = false;
  for (;;) {
    const qint64 n = file.read(buffer, kReadChunk);
    if (n <= 0) break;
    for (qint64 i = 0; i < n; ++i) {
      const char c = buffer[i];
      if (c == '\n' && afterCR) {  // the second half of CR LF
        afterCR = false;
        continue;
      }
      afterCR = c == '\r';
      if (c == '\r' || c == '\n') {
        AddTextLine(line);
        line.clear();
      } else {
        line.append(c);
      }
    }
  }
  if (!line.isEmpty()) AddTextLine(line);
  FLines.emplace_back();  // the line after the last line break
  return true;
}

void TTextDocument::ReadHex(QFile& file) {
  // Whole lines of buffer, zero-filled on every open: the last line shows
  // zeros after the file's bytes, never bytes of an earlier file.
  const int lines = (FHexBufLen + kHexBytesPerLine - 1) / kHexBytesPerLine;
  FHexBuf = QByteArray(lines * kHexBytesPerLine, '\0');
  FBytesRead = 0;
  while (FBytesRead < FHexBufLen) {
    const qint64 n = file.read(FHexBuf.data() + FBytesRead, qMin(kReadChunk, FHexBufLen - FBytesRead));
    if (n <= 0) break;
    FBytesRead += int(n);
  }
  BuildHexLines();
}

void TTextDocument::BuildHexLines() {
  FLines.clear();
  const int count = qMax(1, (FBytesRead + kHexBytesPerLine - 1) / kHexBytesPerLine);
  for (int k = 0; k < count; ++k) FLines.push_back(HexLine(FHexBuf, k, FHexOffset, HexSize, NonHexChar));
}

void TTextDocument::SetHexOffset(int v) {
  FHexOffset = qBound(0, v, kMaxHexOffset);
  if (FOpen && HexMode) BuildHexLines();
}

void TTextDocument::SetHexSize(tsHexSize v) {
  HexSize = v;
  if (FOpen && HexMode) BuildHexLines();
}

void TTextDocument::SetHexBufLen(int v) {
  FHexBufLen = qBound(kMinHexBufLen, v, kMaxHexBufLen);
  FHexBuf.clear();
}

QByteArray TTextDocument::HexHeader(tsHexSize size) {
  QByteArray h = "adress ";
  const int g = GroupBytes(size);
  for (int i = 0; i < kHexBytesPerLine; i += g) {
    QByteArray cell;
    cell.append(kHexDigits[i >> 4]).append(kHexDigits[i & 15]);
    h.append(cell.leftJustified(GroupWidth(size), ' '));
  }
  return h.append("ascii");
}

QByteArray TTextDocument::HexLine(const QByteArray& bytes, int k, int offset, tsHexSize size, char nonHex) {
  const int first = k * kHexBytesPerLine;
  QByteArray line = QByteArray::number(first + offset, 16).toUpper().rightJustified(6, '0');
  line.append(' ');
  const int g = GroupBytes(size);
  for (int i = 0; i < kHexBytesPerLine; ++i) {
    const quint8 b = quint8(bytes.at(first + i));
    line.append(kHexDigits[b >> 4]).append(kHexDigits[b & 15]);
    if ((i + 1) % g == 0) line.append(' ');
  }
  for (int i = 0; i < kHexBytesPerLine; ++i) {
    const quint8 b = quint8(bytes.at(first + i));
    line.append(b >= 32 && b <= 127 ? char(b) : nonHex);
  }
  return line;
}

int TTextDocument::AsciiColumn(tsHexSize size) { return kHexAddressWidth + HexAreaWidth(size); }

int TTextDocument::ColumnToByte(int k, int col, tsHexSize size) {
  if (col < kHexAddressWidth) return -1;
  const int d = col - kHexAddressWidth;
  const int area = HexAreaWidth(size);
  const int w = GroupWidth(size);
  int result;
  if (d < area)
    result = (d - d / w) / 2;
  else if (d < area + kHexBytesPerLine)
    result = col - AsciiColumn(size);
  else
    return -1;
  return result > 15 ? -1 : k * kHexBytesPerLine + result;
}

THexColumn TTextDocument::ColumnKind(int col, tsHexSize size) {
  if (ColumnToByte(0, col, size) < 0) return THexColumn::None;
  const int d = col - kHexAddressWidth;
  if (d >= HexAreaWidth(size)) return THexColumn::Ascii;
  return (d - d / GroupWidth(size)) % 2 ? THexColumn::LowNibble : THexColumn::HighNibble;
}

bool TTextDocument::IsDigitColumn(int col, tsHexSize size) {
  const int d = col - kHexAddressWidth;
  return d >= 0 && d < HexAreaWidth(size) && (d + 1) % GroupWidth(size) != 0;
}

bool TTextDocument::OverwriteHex(int k, int col, char ch, int* adr, quint8* value) {
  if (!FOpen || !HexMode || k < 0 || k >= LineCount()) return false;
  const int index = ColumnToByte(k, col, HexSize);
  if (index < 0 || index >= FHexBuf.size()) return false;
  quint8 b = quint8(FHexBuf.at(index));
  const int digit = HexValue(ch);
  switch (ColumnKind(col, HexSize)) {
    case THexColumn::HighNibble:
      if (digit < 0) return false;
      b = quint8((b & 0x0F) | digit << 4);
      break;
    case THexColumn::LowNibble:
      if (digit < 0) return false;
      b = quint8((b & 0xF0) | digit);
      break;
    case THexColumn::Ascii:
      if (quint8(ch) < 32 || quint8(ch) > 126) return false;
      b = quint8(ch);
      break;
    case THexColumn::None: return false;
  }
  FHexBuf[index] = char(b);
  FLines[size_t(k)] = HexLine(FHexBuf, k, FHexOffset, HexSize, NonHexChar);
  if (adr) *adr = index + FHexOffset;
  if (value) *value = b;
  return true;
}

bool TTextDocument::OverwriteText(int line, int col, char ch) {
  if (!FOpen || HexMode || line < 0 || line >= LineCount() || col < 0) return false;
  QByteArray& s = FLines[size_t(line)];
  if (col > s.size() || col >= kMaxTextLine) return false;
  if (col == s.size())
    s.append(ch);
  else
    s[col] = ch;
  return true;
}

}  // namespace Veltor
