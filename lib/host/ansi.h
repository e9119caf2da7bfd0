#pragma once
// 8-bit Windows-1252 text, as stored in the library's files. Every byte maps
// to one character (the five unassigned bytes keep their own code points), so
// any file name or label read from a file writes back byte for byte.

#include <QByteArray>
#include <QString>

namespace Veltor {

QString FromAnsi(const QByteArray& bytes);
// Characters without a Windows-1252 byte become "?".
QByteArray ToAnsi(const QString& text);

}  // namespace Veltor
