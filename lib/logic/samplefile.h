#pragma once
// The logic display's sample file: a length-prefixed header
// "Tracelo|timebase|trigger|width|size@" followed by character 26, 32
// length-prefixed channel names, then the raw buffer bytes. Text is 8-bit
// Windows-1252.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Veltor {

struct TSampleHeader {
  double TimeBase = 1e-5;
  int TriggerPos = 0;
  int WidthCode = 2;  // 0, 1, 2 for 8-, 16-, 32-bit samples
  int BufferSize = 4000;
};

constexpr int kSampleChannels = 32;
// The most a sample file can hold: header, names, and the largest buffer.
constexpr int kMaxSampleFileBytes = 1 + 255 + kSampleChannels * (1 + 255) + 64000;

// The header text as written, without its length byte.
QByteArray SampleHeaderText(const TSampleHeader& header);

// The complete file. Names beyond 255 bytes are cut; empty names are written
// as "Chan " and the channel number.
QByteArray EncodeSampleFile(const TSampleHeader& header, const QStringList& names, const QByteArray& buffer);

// Reads a sample file part by part, the way the display applies it. Every
// read is bounded by the bytes present; nothing reads past them.
class TSampleFileReader {
 public:
  explicit TSampleFileReader(QByteArray bytes) : FBytes(std::move(bytes)) {}

  // False for a short header, a missing separator, a first field other than
  // "Tracelo", or a value the display could not use (a time base that is not
  // a finite number above zero, a width code outside 0..2, numbers that do
  // not read).
  bool ReadHeader(TSampleHeader* header);
  // False when a length byte is missing or a name is shorter than announced.
  bool ReadNames(QStringList* names);
  // Up to `size` bytes of data; fewer when the file ends early.
  QByteArray ReadData(int size);

 private:
  bool ReadShortString(QByteArray* out);

  QByteArray FBytes;
  int FPos = 0;
};

}  // namespace Veltor
