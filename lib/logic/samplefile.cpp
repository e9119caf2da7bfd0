#include "logic/samplefile.h"

#include "foundation/numformat.h"
#include "host/ansi.h"

#include <algorithm>
#include <cmath>

namespace Veltor {

namespace {

const QByteArray kMagic = QByteArrayLiteral("Tracelo");

// Cuts the next field off rest at separator sep: the separator must be there,
// not first, and something must follow it.
bool NextField(QByteArray& rest, char sep, QByteArray* field) {
  const qsizetype p = rest.indexOf(sep);
  if (p <= 0 || p >= rest.size() - 1) return false;
  *field = rest.left(p);
  rest = rest.mid(p + 1);
  return true;
}

QByteArray ShortString(const QByteArray& text) {
  const QByteArray cut = text.left(255);
  return char(cut.size()) + cut;
}

}  // namespace

QByteArray SampleHeaderText(const TSampleHeader& h) {
  QByteArray text = kMagic;
  text += '|' + FloatToStrGeneral(h.TimeBase).toLatin1();
  text += '|' + FloatToStrGeneral(h.TriggerPos).toLatin1();
  text += '|' + QByteArray::number(h.WidthCode);
  text += '|' + QByteArray::number(h.BufferSize);
  text += '@';
  text += char(26);
  return text;
}

QByteArray EncodeSampleFile(const TSampleHeader& header, const QStringList& names, const QByteArray& buffer) {
  QByteArray out = ShortString(SampleHeaderText(header));
  for (int i = 0; i < kSampleChannels; ++i) {
    const QString name = i < names.size() ? names.at(i) : QString();
    out += ShortString(ToAnsi(name.isEmpty() ? QStringLiteral("Chan %1").arg(i) : name));
  }
  out += buffer;
  return out;
}

bool TSampleFileReader::ReadShortString(QByteArray* out) {
  if (FPos >= FBytes.size()) return false;
  const int n = static_cast<unsigned char>(FBytes.at(FPos));
  if (FPos + 1 + n > FBytes.size()) return false;
  *out = FBytes.mid(FPos + 1, n);
  FPos += 1 + n;
  return true;
}

bool TSampleFileReader::ReadHeader(TSampleHeader* header) {
  QByteArray rest;
  if (!ReadShortString(&rest)) return false;
  QByteArray magic, timeBase, trigger, width, size;
  if (!NextField(rest, '|', &magic) || !NextField(rest, '|', &timeBase) || !NextField(rest, '|', &trigger) ||
      !NextField(rest, '|', &width) || !NextField(rest, '@', &size)) {
    return false;
  }
  if (magic != kMagic) return false;
  TSampleHeader h;
  if (!TryStrToFloat(QString::fromLatin1(timeBase), &h.TimeBase)) return false;
  if (!TryStrToInt(QString::fromLatin1(trigger), &h.TriggerPos)) return false;
  if (!TryStrToInt(QString::fromLatin1(width), &h.WidthCode)) return false;
  if (!TryStrToInt(QString::fromLatin1(size), &h.BufferSize)) return false;
  // Values that would leave the display unusable count as a damaged file.
  if (!std::isfinite(h.TimeBase) || h.TimeBase <= 0) return false;
  if (h.WidthCode < 0 || h.WidthCode > 2) return false;
  *header = h;
  return true;
}

bool TSampleFileReader::ReadNames(QStringList* names) {
  QStringList read;
  for (int i = 0; i < kSampleChannels; ++i) {
    QByteArray name;
    if (!ReadShortString(&name)) return false;
    read.append(FromAnsi(name));
  }
  *names = read;
  return true;
}

QByteArray TSampleFileReader::ReadData(int size) {
  const int n = std::clamp(int(FBytes.size()) - FPos, 0, std::max(0, size));
  const QByteArray data = FBytes.mid(FPos, n);
  FPos += n;
  return data;
}

}  // namespace Veltor
