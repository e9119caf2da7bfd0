#pragma once
// What the analyzer does with the display's buffer apart from its windows:
// random fill, raw files, and the listing export.

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

// One line per sample of the whole buffer: the three pieces of the display's
// text listing, bytes outside 32..126 shown as ".", each line ended by a line
// feed. Returns false when the device refuses the text.
bool WriteListing(const Veltor::TLogic& display, QIODevice& out);

}  // namespace Tracelo
