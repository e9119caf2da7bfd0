#pragma once
// What the analyzer does with the display's buffer apart from its windows:
// random fill, raw files, and the listing export.

#include "captures/capture.h"

#include <QIODevice>
#include <QRandomGenerator>
#include <QString>

namespace Veltor {
class TLogic;
}

namespace Tracelo {

// Every sample gets h * 65536 + l with h and l uniform in 0..65534, drawn in
// that order; the display keeps the low 8, 16 or 32 bits.
void FillRandom(Veltor::TLogic& display, QRandomGenerator& random);

// Reads any file as raw samples, big-endian, from sample 0 on: as many whole
// samples as the file holds and the buffer takes. A trailing partial sample
// is dropped; samples beyond the file keep their values. Returns false with
// the reason in errorText when the file cannot be read.
bool ReadRawFile(Veltor::TLogic& display, const QString& fileName, QString* errorText);

// Loads a window of a capture (a value change dump, a sigrok session or a CSV
// file) into the display: samples [from, from + what the buffer takes). The
// sample width follows the channel count, the buffer is made as large as the
// window needs, and the channel names and time base are taken over. `shown`
// tells which samples of how many are in the buffer, e.g.
// "samples 0-15999 of 100000000". Returns false with a reason naming the file
// when the capture cannot be read or `from` lies beyond its end; the display is
// then left as it was.
bool LoadCapture(Veltor::TLogic& display, const QString& fileName, TCaptureFormat format, qint64 from, QString* shown,
                 QString* errorText);

// Writes the whole buffer with its channel names and time base.
bool SaveCapture(const Veltor::TLogic& display, const QString& fileName, TCaptureFormat format, QString* errorText);

// One line per sample of the whole buffer: the three pieces of the display's
// text listing, bytes outside 32..126 shown as ".", each line ended by a line
// feed. Returns false when the device refuses the text.
bool WriteListing(const Veltor::TLogic& display, QIODevice& out);

}  // namespace Tracelo
