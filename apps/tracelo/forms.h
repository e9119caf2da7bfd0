#pragma once
// Loading the analyzer's stored forms into their windows.

#include <QString>
#include <QWidget>

#include <stdexcept>

namespace Tracelo {

// The analyzer's forms are built into the program: one that does not load is
// a broken build, reported with this.
class TFormError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Names the program. Call once after the application object exists.
void SetUpApplication();

// Registers every class the analyzer's forms use. Call once after the
// application object exists.
void RegisterTraceloClasses();

// Builds the form at path inside host (which takes the form's title and size)
// and binds its events to receiver's on_<object>_<event> slots. Returns the
// form widget, owned by host.
QWidget* LoadFormInto(const QString& path, QWidget* host, QObject* receiver);

// The named child of a loaded form; a missing one is a TFormError.
template <typename T>
T* FormChild(QWidget* form, const char* name) {
  T* child = form->findChild<T*>(QString::fromLatin1(name));
  if (!child) throw TFormError(std::string("form is missing ") + name);
  return child;
}

}  // namespace Tracelo
