#pragma once
// Loading the demo's stored forms into their windows.

#include <QString>
#include <QWidget>

#include <stdexcept>

namespace VeltorDemo {

// The demo's forms are built into the program: one that does not load is a
// broken build, reported with this.
class TFormError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The application's title, "Veltor Demo".
extern const char* const kApplicationTitle;

// Names the program. Call once after the application object exists.
void SetUpApplication();

// Registers every class of the library for the forms and the glyphs. Call
// once after the application object exists.
void RegisterDemoClasses();

// Builds the form at path inside host (which takes the form's title, size
// and colour) and binds its events to receiver's on_<object>_<event> slots.
// Returns the form widget, owned by host.
QWidget* LoadFormInto(const QString& path, QWidget* host, QObject* receiver);

// The named child of a loaded form; a missing one is a TFormError.
template <typename T>
T* FormChild(QObject* form, const char* name) {
  T* child = form->findChild<T*>(QString::fromLatin1(name));
  if (!child) throw TFormError(std::string("form is missing ") + name);
  return child;
}

}  // namespace VeltorDemo
