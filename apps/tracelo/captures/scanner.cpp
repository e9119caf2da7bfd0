#include "captures/scanner.h"

namespace Tracelo {

namespace {

const qint64 kBlockSize = 1 << 20;

bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t' || c == '\f' || c == '\v'; }

}  // namespace

bool TFileScanner::Fill() {
  if (!FError.isEmpty()) return false;
  FBlockStart += FBlock.size();
  FBlock = FFile->read(kBlockSize);
  FPos = 0;
  if (FFile->error() != QFileDevice::NoError) {
    FError = FFile->errorString();
    FBlock.clear();
  }
  return !FBlock.isEmpty();
}

bool TFileScanner::TooLong() {
  FError = QStringLiteral("an item at byte %1 is longer than %2 bytes").arg(FItemOffset).arg(FMaxItem);
  return false;
}

bool TFileScanner::NextToken(QByteArray* token) {
  token->resize(0);  // keeps the buffer for the next token
  // Skip the white space before the token.
  for (;;) {
    if (FPos == FBlock.size() && !Fill()) return false;
    const char* data = FBlock.constData();
    while (FPos < FBlock.size() && IsSpace(data[FPos])) ++FPos;
    if (FPos < FBlock.size()) break;
  }
  FItemOffset = FBlockStart + FPos;
  for (;;) {
    const char* data = FBlock.constData();
    const int begin = FPos;
    while (FPos < FBlock.size() && !IsSpace(data[FPos])) ++FPos;
    token->append(data + begin, FPos - begin);
    if (token->size() > FMaxItem) return TooLong();
    if (FPos < FBlock.size() || !Fill()) return FError.isEmpty();
  }
}

bool TFileScanner::NextLine(QByteArray* line) {
  line->resize(0);
  if (FPos == FBlock.size() && !Fill()) return false;
  FItemOffset = FBlockStart + FPos;
  for (;;) {
    const int end = FBlock.indexOf('\n', FPos);
    const int stop = end < 0 ? FBlock.size() : end;
    line->append(FBlock.constData() + FPos, stop - FPos);
    if (line->size() > FMaxItem) return TooLong();
    if (end >= 0) {
      FPos = end + 1;
      break;
    }
    FPos = FBlock.size();
    if (!Fill()) {
      if (!FError.isEmpty()) return false;
      break;
    }
  }
  if (line->endsWith('\r')) line->chop(1);
  return true;
}

bool TFileScanner::Seek(qint64 offset) {
  if (!FFile->seek(offset)) {
    FError = FFile->errorString();
    return false;
  }
  FBlock.clear();
  FPos = 0;
  FBlockStart = offset;
  return true;
}

}  // namespace Tracelo
