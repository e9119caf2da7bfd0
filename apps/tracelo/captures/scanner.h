#pragma once
// TFileScanner: reads a text file front to back in large blocks, as
// whitespace-separated tokens or as lines, remembering where each item began
// so a reader can come back to it later. Items longer than a set limit end the
// scan with an error instead of growing without bound.

#include <QByteArray>
#include <QFile>
#include <QString>

namespace Tracelo {

class TFileScanner {
 public:
  TFileScanner(QFile* file, int maxItem) : FFile(file), FMaxItem(maxItem) {}

  // The next token; false at the end of the file or on an error.
  bool NextToken(QByteArray* token);
  // The next line without its line end; false at the end or on an error.
  bool NextLine(QByteArray* line);
  // Where the item last returned starts in the file.
  qint64 ItemOffset() const { return FItemOffset; }
  // Where the next item is looked for.
  qint64 Offset() const { return FBlockStart + FPos; }
  // Goes on reading from `offset`.
  bool Seek(qint64 offset);
  // Empty unless the scan stopped on an error.
  const QString& Error() const { return FError; }

 private:
  bool Fill();  // false at the end of the file
  bool TooLong();

  QFile* FFile;
  int FMaxItem;
  QByteArray FBlock;
  int FPos = 0;
  qint64 FBlockStart = 0;  // file offset of FBlock[0]
  qint64 FItemOffset = 0;
  QString FError;
};

}  // namespace Tracelo
