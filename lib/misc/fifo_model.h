#pragma once
// The rules of a character FIFO read-out: characters join at the end, the
// oldest leave at the front when the buffer is full, and the field shows as
// much of the end as fits.

#include <QString>

#include <functional>

namespace Veltor {

// A text never grows beyond this by appending.
constexpr int kFifoCapacity = 254;

// text with c appended, its first character dropped when it was full.
QString FifoAppend(const QString& text, QChar c);
// A whole new text as it is kept: one that reaches the capacity loses its
// first character.
QString FifoStore(const QString& text);
// What a room of the given width shows of text: text and a trailing blank
// (the caret cell), less leading characters until it fits.
QString FifoShown(const QString& text, int room, const std::function<int(const QString&)>& width);

}  // namespace Veltor
