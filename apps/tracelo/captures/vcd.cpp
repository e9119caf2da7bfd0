// Value change dumps: read through an index of checkpoints, written with one
// one-bit wire per channel.

#include "captures/capture.h"
#include "captures/scanner.h"

#include <QDateTime>
#include <QFile>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>

namespace Tracelo {

namespace {

const int kMaxToken = 1 << 20;
const qint64 kCheckpointBytes = 1 << 20;

// One bit of a declared variable that became a display channel.
struct TBitChannel {
  int Channel;
  int Bit;  // 0: the value's least significant bit
};

// Where a reader can start again: the state before the time stamp at Offset.
struct TCheckpoint {
  qint64 Time;
  qint64 Offset;
  quint32 State;
};

// The bytes of `text` after its first, without copying them.
QByteArray Rest(const QByteArray& text) { return QByteArray::fromRawData(text.constData() + 1, text.size() - 1); }

// A time stamp's number; false for anything but digits or an overflow.
bool ParseTime(const QByteArray& token, qint64* time) {
  if (token.size() < 2 || token.size() > 19) return false;
  qint64 t = 0;
  for (qsizetype i = 1; i < token.size(); ++i) {
    const char c = token[i];
    if (c < '0' || c > '9') return false;
    t = t * 10 + (c - '0');
  }
  *time = t;
  return true;
}

// The seconds of one "$timescale" unit, 0 for anything else.
double TimescaleSeconds(const QByteArray& text) {
  static const struct {
    const char* Unit;
    double Seconds;
  } kUnits[] = {{"s", 1}, {"ms", 1e-3}, {"us", 1e-6}, {"ns", 1e-9}, {"ps", 1e-12}, {"fs", 1e-15}};
  int digits = 0;
  while (digits < text.size() && text[digits] >= '0' && text[digits] <= '9') ++digits;
  const QByteArray number = text.left(digits);
  const QByteArray unit = text.mid(digits);
  if (number != "1" && number != "10" && number != "100") return 0;
  for (const auto& u : kUnits) {
    if (unit == u.Unit) return number.toInt() * u.Seconds;
  }
  return 0;
}

class TVcdSource : public TCaptureSource {
 public:
  bool Open(const QString& fileName, QString* error);
  bool ReadWindow(qint64 start, int count, std::vector<quint32>* samples, QString* error) override;

 private:
  bool Fail(const QString& reason, QString* error) {
    if (error) *error = QStringLiteral("%1: %2").arg(FFile.fileName(), reason);
    return false;
  }
  bool ReadHeader(TFileScanner& scan, QString* reason);
  bool SkipToEnd(TFileScanner& scan, QByteArray* text = nullptr);
  void Declare(const QList<QByteArray>& var);
  // Applies a value change token (and the identifier after a vector value).
  bool Change(TFileScanner& scan, const QByteArray& token, quint32* state, QString* reason);
  void SetBits(const QByteArray& id, const QByteArray& bits, quint32* state) const;

  QFile FFile;
  std::map<QByteArray, std::vector<TBitChannel>> FIds;
  qint64 FBodyOffset = 0;
  qint64 FStep = 1;  // time units per sample
  std::vector<TCheckpoint> FCheckpoints;
};

bool TVcdSource::SkipToEnd(TFileScanner& scan, QByteArray* text) {
  QByteArray token;
  while (scan.NextToken(&token)) {
    if (token == "$end") return true;
    if (text) {
      // A keyword's text stays short; a huge one is no value change dump.
      if (text->size() > 4096) return false;
      text->append(token);
    }
  }
  return false;
}

void TVcdSource::Declare(const QList<QByteArray>& var) {
  // type size id reference [range]
  if (var.size() < 4) return;
  // Only wires and registers carry bits; reals, strings and events do not.
  const QByteArray type = var[0];
  if (type == "real" || type == "realtime" || type == "string" || type == "event" || type == "parameter") return;
  bool ok = false;
  const qint64 size = var[1].toLongLong(&ok);
  if (!ok || size < 1) return;
  QByteArray name = var[3];
  int msb = int(std::min<qint64>(size, kMaxCaptureChannels) - 1), lsb = 0;
  QByteArray range = var.size() > 4 ? var[4] : QByteArray();
  const int bracket = name.indexOf('[');
  if (range.isEmpty() && bracket > 0) {
    range = name.mid(bracket);
    name = name.left(bracket);
  }
  bool hasRange = false;
  if (range.startsWith('[') && range.endsWith(']')) {
    const QList<QByteArray> ends = range.mid(1, range.size() - 2).split(':');
    bool okMsb = false, okLsb = true;
    msb = ends[0].toInt(&okMsb);
    lsb = ends.size() == 2 ? ends[1].toInt(&okLsb) : msb;
    hasRange = okMsb && okLsb;
    if (!hasRange) msb = int(std::min<qint64>(size, kMaxCaptureChannels) - 1), lsb = 0;
  }
  std::vector<TBitChannel>& bits = FIds[var[2]];
  for (qint64 bit = 0; bit < size && FInfo.Names.size() < kMaxCaptureChannels; ++bit) {
    QString channel = QString::fromLatin1(name);
    if (size > 1 || hasRange) {
      const qint64 index = msb >= lsb ? lsb + bit : lsb - bit;
      channel += QStringLiteral("[%1]").arg(index);
    }
    bits.push_back({int(FInfo.Names.size()), int(bit)});
    FInfo.Names << channel;
  }
  if (bits.empty()) FIds.erase(var[2]);
}

bool TVcdSource::ReadHeader(TFileScanner& scan, QString* reason) {
  QByteArray token;
  double timescale = 1.0;
  bool sawTimescale = false;
  while (scan.NextToken(&token)) {
    if (token == "$enddefinitions") {
      if (!SkipToEnd(scan)) break;
      FInfo.Interval = timescale;
      if (!sawTimescale) FInfo.Interval = 0;
      return true;
    }
    if (token == "$timescale") {
      QByteArray text;
      if (!SkipToEnd(scan, &text)) break;
      timescale = TimescaleSeconds(text);
      if (timescale <= 0) {
        *reason = QStringLiteral("the timescale \"%1\" is not 1, 10 or 100 s, ms, us, ns, ps or fs")
                      .arg(QString::fromLatin1(text.left(40)));
        return false;
      }
      sawTimescale = true;
    } else if (token == "$var") {
      QList<QByteArray> var;
      while (scan.NextToken(&token) && token != "$end") {
        if (var.size() < 5) var << token;
      }
      if (token != "$end") break;
      Declare(var);
    } else if (token.startsWith('$')) {
      if (!SkipToEnd(scan)) break;
    } else {
      *reason = QStringLiteral("\"%1\" in the declarations").arg(QString::fromLatin1(token.left(40)));
      return false;
    }
  }
  *reason = scan.Error().isEmpty() ? QStringLiteral("the declarations do not end") : scan.Error();
  return false;
}

void TVcdSource::SetBits(const QByteArray& id, const QByteArray& bits, quint32* state) const {
  const auto it = FIds.find(id);
  if (it == FIds.end()) return;
  for (const TBitChannel& b : it->second) {
    // Missing leading bits are zeros; x and z read as 0.
    const int at = bits.size() - 1 - b.Bit;
    const bool one = at >= 0 && bits[at] == '1';
    if (one) {
      *state |= 1u << b.Channel;
    } else {
      *state &= ~(1u << b.Channel);
    }
  }
}

bool TVcdSource::Change(TFileScanner& scan, const QByteArray& token, quint32* state, QString* reason) {
  const char kind = token[0];
  if (kind == '0' || kind == '1' || kind == 'x' || kind == 'X' || kind == 'z' || kind == 'Z') {
    SetBits(Rest(token), QByteArray::fromRawData(token.constData(), 1), state);
    return true;
  }
  if (kind == 'b' || kind == 'B' || kind == 'r' || kind == 'R' || kind == 's' || kind == 'S') {
    QByteArray id;
    if (!scan.NextToken(&id)) {
      *reason = scan.Error().isEmpty() ? QStringLiteral("the file ends inside a value change") : scan.Error();
      return false;
    }
    if (kind == 'b' || kind == 'B') SetBits(id, Rest(token), state);
    return true;
  }
  *reason = QStringLiteral("\"%1\" at byte %2 is no value change")
                .arg(QString::fromLatin1(token.left(40)))
                .arg(scan.ItemOffset());
  return false;
}

bool TVcdSource::Open(const QString& fileName, QString* error) {
  FFile.setFileName(fileName);
  FInfo.Format = TCaptureFormat::Vcd;
  if (!FFile.open(QIODevice::ReadOnly)) return Fail(FFile.errorString(), error);
  TFileScanner scan(&FFile, kMaxToken);
  QString reason;
  if (!ReadHeader(scan, &reason)) return Fail(reason, error);
  if (FInfo.Names.isEmpty()) return Fail(QStringLiteral("no signals declared"), error);
  FBodyOffset = scan.Offset();

  // One pass over the changes: the time step, the length and the checkpoints.
  QByteArray token;
  quint32 state = 0;
  qint64 time = 0, step = 0;
  bool changedAtLast = false, sawAny = false;
  qint64 lastCheckpoint = -kCheckpointBytes;
  while (scan.NextToken(&token)) {
    if (token.startsWith('#')) {
      qint64 t = 0;
      if (!ParseTime(token, &t))
        return Fail(QStringLiteral("the time \"%1\" does not read").arg(QString::fromLatin1(token.left(40))), error);
      if (t < time) return Fail(QStringLiteral("the time goes back from %1 to %2").arg(time).arg(t), error);
      if (scan.ItemOffset() - lastCheckpoint >= kCheckpointBytes) {
        FCheckpoints.push_back({t, scan.ItemOffset(), state});
        lastCheckpoint = scan.ItemOffset();
      }
      step = std::gcd(step, t);
      if (t > time) changedAtLast = false;
      time = t;
    } else if (token.startsWith('$')) {
      if (token == "$comment" && !SkipToEnd(scan)) break;
    } else {
      if (!Change(scan, token, &state, &reason)) return Fail(reason, error);
      changedAtLast = true;
      sawAny = true;
    }
  }
  if (!scan.Error().isEmpty()) return Fail(scan.Error(), error);
  FStep = std::max<qint64>(step, 1);
  FInfo.Samples = time / FStep + (changedAtLast || (time == 0 && sawAny) ? 1 : 0);
  if (FInfo.Samples <= 0) return Fail(QStringLiteral("no samples"), error);
  if (FInfo.Interval > 0 && step > 0) FInfo.Interval *= double(step);
  if (FCheckpoints.empty() || FCheckpoints.front().Time > 0) {
    // Changes before the first time stamp belong to time 0; start there.
    FCheckpoints.insert(FCheckpoints.begin(), {0, FBodyOffset, 0});
  }
  return true;
}

bool TVcdSource::ReadWindow(qint64 start, int count, std::vector<quint32>* samples, QString* error) {
  samples->clear();
  if (start < 0 || start >= FInfo.Samples || count <= 0) return true;
  const qint64 end = std::min(FInfo.Samples, start + count);
  samples->reserve(std::size_t(end - start));
  // The last checkpoint at or before the window.
  auto cp = std::upper_bound(FCheckpoints.begin(), FCheckpoints.end(), start * FStep,
                             [](qint64 t, const TCheckpoint& c) { return t < c.Time; });
  if (cp != FCheckpoints.begin()) --cp;
  TFileScanner scan(&FFile, kMaxToken);
  if (!scan.Seek(cp->Offset)) return Fail(scan.Error(), error);
  quint32 state = cp->State;
  qint64 index = start;  // the next sample to fill
  QByteArray token;
  QString reason;
  auto fillTo = [&](qint64 upTo) {
    for (upTo = std::min(upTo, end); index < upTo; ++index) samples->push_back(state);
  };
  while (index < end && scan.NextToken(&token)) {
    if (token.startsWith('#')) {
      qint64 t = 0;
      ParseTime(token, &t);
      fillTo(t / FStep);
    } else if (token.startsWith('$')) {
      if (token == "$comment") SkipToEnd(scan);
    } else if (!Change(scan, token, &state, &reason)) {
      return Fail(reason, error);
    }
  }
  if (!scan.Error().isEmpty()) return Fail(scan.Error(), error);
  fillTo(end);
  return true;
}

// The coarsest "$timescale" that counts the interval in whole units.
void ChooseTimescale(double interval, QByteArray* timescale, qint64* unitsPerSample) {
  static const char* const kUnits[] = {"s", "ms", "us", "ns", "ps", "fs"};
  double seconds = 1.0;
  for (const char* unit : kUnits) {
    for (int magnitude : {100, 10, 1}) {
      const double units = interval / (seconds * magnitude);
      const double whole = std::round(units);
      if (whole >= 1 && std::fabs(units - whole) <= 1e-6 * whole) {
        *timescale = QByteArray::number(magnitude) + ' ' + unit;
        *unitsPerSample = qint64(whole);
        return;
      }
    }
    seconds /= 1000;
  }
  *timescale = "1 fs";
  *unitsPerSample = std::max<qint64>(1, std::llround(interval / 1e-15));
}

}  // namespace

std::unique_ptr<TCaptureSource> OpenVcd(const QString& fileName, QString* error) {
  auto source = std::make_unique<TVcdSource>();
  if (!source->Open(fileName, error)) return nullptr;
  return source;
}

bool WriteVcd(const QString& fileName, const TCaptureData& data, QString* error) {
  QByteArray timescale;
  qint64 step = 1;
  ChooseTimescale(data.Interval > 0 ? data.Interval : 1e-6, &timescale, &step);
  const int channels = data.Names.size();
  auto id = [](int channel) { return QByteArray(1, char('!' + channel)); };

  QByteArray text;
  text += "$date " + QDateTime::currentDateTime().toString(Qt::RFC2822Date).toLatin1() + " $end\n";
  text += "$version Tracelo $end\n";
  text += "$timescale " + timescale + " $end\n";
  text += "$scope module tracelo $end\n";
  for (int c = 0; c < channels; ++c) {
    QByteArray name = data.Names[c].toLatin1().simplified().replace(' ', '_');
    if (name.isEmpty()) name = "D" + QByteArray::number(c);
    text += "$var wire 1 " + id(c) + ' ' + name + " $end\n";
  }
  text += "$upscope $end\n$enddefinitions $end\n";

  QSaveFile file(fileName);
  bool ok = file.open(QIODevice::WriteOnly);
  quint32 previous = 0;
  for (std::size_t i = 0; ok && i < data.Samples.size(); ++i) {
    const quint32 value = data.Samples[i];
    if (i > 0 && value == previous) continue;
    text += '#' + QByteArray::number(qint64(i) * step);
    for (int c = 0; c < channels; ++c) {
      const quint32 bit = 1u << c;
      if (i == 0 || ((value ^ previous) & bit)) text += ' ' + QByteArray(1, value & bit ? '1' : '0') + id(c);
    }
    text += '\n';
    previous = value;
    if (text.size() > (1 << 16)) {
      ok = file.write(text) == text.size();
      text.clear();
    }
  }
  // The end of the last sample.
  text += '#' + QByteArray::number(qint64(data.Samples.size()) * step) + '\n';
  ok = ok && file.write(text) == text.size() && file.commit();
  if (!ok && error) *error = QStringLiteral("%1: %2").arg(fileName, file.errorString());
  return ok;
}

}  // namespace Tracelo
