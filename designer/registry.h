#pragma once
// Every class of the libraries, as the Designer plugin offers them.

#include <QString>

namespace VeltorDesigner {

// Registers the classes of every library for stored forms (TFormLoader).
void RegisterLibraryClasses();
// The header declaring a class ("TMeter270" -> "meters/meter270.h"), or an
// empty string.
QString HeaderOfClass(const QString& className);

}  // namespace VeltorDesigner
