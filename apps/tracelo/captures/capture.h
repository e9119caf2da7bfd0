#pragma once
// Captures written by simulators and other logic-analyzer software: value
// change dumps, sigrok sessions and CSV columns of 0/1.
//
// A capture may be far longer than the display's buffer. Opening one reads it
// once to index it (a few checkpoints, never a byte per sample); a window of
// it is then read on demand.

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace Tracelo {

enum class TCaptureFormat { None, Vcd, Sigrok, Csv };

// The most channels a capture gives the display; further signals are skipped.
constexpr int kMaxCaptureChannels = 32;

struct TCaptureInfo {
  TCaptureFormat Format = TCaptureFormat::None;
  QStringList Names;      // one per channel, at most kMaxCaptureChannels
  qint64 Samples = 0;     // the capture's whole length
  double Interval = 0.0;  // seconds between samples; 0 when the file does not say
};

class TCaptureSource {
 public:
  virtual ~TCaptureSource() = default;
  const TCaptureInfo& Info() const { return FInfo; }
  // Samples [start, start + count) cut to the capture's end; bit n of a
  // sample is channel n. False with a reason when the file cannot be read.
  virtual bool ReadWindow(qint64 start, int count, std::vector<quint32>* samples, QString* error) = 0;

 protected:
  TCaptureInfo FInfo;
};

// What the writers take: the buffer, its channel names and its time base.
struct TCaptureData {
  QStringList Names;  // one per channel, 1..32
  double Interval = 1e-6;
  std::vector<quint32> Samples;
};

// The format of a file: by its first bytes, else by its extension; None for
// anything else (sample files and raw data included).
TCaptureFormat DetectCaptureFormat(const QString& fileName);
TCaptureFormat CaptureFormatFromSuffix(const QString& fileName);

// Opens and indexes a capture. On failure returns null and a reason that
// names the file.
std::unique_ptr<TCaptureSource> OpenCapture(const QString& fileName, TCaptureFormat format, QString* error);

// Writes the data in the format; the file is replaced only when complete.
bool WriteCapture(const QString& fileName, TCaptureFormat format, const TCaptureData& data, QString* error);

// Per format, used by the two functions above.
std::unique_ptr<TCaptureSource> OpenVcd(const QString& fileName, QString* error);
std::unique_ptr<TCaptureSource> OpenSigrok(const QString& fileName, QString* error);
std::unique_ptr<TCaptureSource> OpenCsv(const QString& fileName, QString* error);
bool WriteVcd(const QString& fileName, const TCaptureData& data, QString* error);
bool WriteSigrok(const QString& fileName, const TCaptureData& data, QString* error);
bool WriteCsv(const QString& fileName, const TCaptureData& data, QString* error);

// "200 kHz", "1 MHz", "1000000": a rate in Hz, 0 when it does not read.
double ParseRate(const QString& text);
// The rate as sigrok writes it: "200 kHz", "1 MHz", "3 Hz".
QString RateText(double hz);

}  // namespace Tracelo
