#pragma once
// Checks a Designer .ui document against the classes it names before anything
// is built from it.

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace Veltor {

// Returns one message per problem, "fileName:line: text"; empty when the form
// can be built as written. Classes are looked up in TFormLoader's registry,
// then among the widgets Qt's form builder can create.
QStringList CheckForm(const QByteArray& ui, const QString& fileName);

}  // namespace Veltor
