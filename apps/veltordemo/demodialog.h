#pragma once
// TDemoDialog: the common ground of the demonstration dialogs. Each loads its
// stored form, binds the form's events to its on_<object>_<event> slots and
// offers the few things every dialog does: print a component, close.

#include "forms.h"
#include "foundation/foundationtypes.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <vector>

namespace Veltor {
class TRadioGroup;
}

namespace VeltorDemo {

using Veltor::TRadioGroup;

class TDemoDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TDemoDialog(QWidget* parent) : QDialog(parent) {}

  QWidget* Form() const { return FForm; }

  template <typename T>
  T* Child(const char* name) const {
    return FormChild<T>(FForm, name);
  }

  // Prints a picture of component: on the first printer, or into a PDF file
  // the user names when there is no printer. False when nothing was printed.
  static bool PrintComponent(QWidget* component);

 protected:
  // Loads :/veltordemo/<formName>.ui. Called by the dialog's own constructor:
  // in the base's, the dialog's slots are not known yet.
  void LoadForm(const char* formName);

 private:
  QWidget* FForm = nullptr;
};

// One entry of a fixed list chosen by a radio group's index; an index off
// the list (no entry selected) gives the first entry.
template <typename T, std::size_t N>
T ByIndex(const T (&values)[N], int index) {
  return index >= 0 && std::size_t(index) < N ? values[index] : values[0];
}

// The selected entry of the radio group that sent an event.
int GroupIndexOf(QObject* radioGroup);

// The bevel groups' entries: none, raised, lowered.
inline constexpr Veltor::TPanelBevel kBevelChoices[] = {Veltor::bvNone, Veltor::bvRaised, Veltor::bvLowered};

// The form's children named <prefix>1 .. <prefix>count.
template <typename T>
std::vector<T*> Numbered(const TDemoDialog& dialog, const char* prefix, int count) {
  std::vector<T*> children;
  for (int i = 1; i <= count; ++i) {
    children.push_back(
        dialog.Child<T>(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i).toLatin1().constData()));
  }
  return children;
}

// The demonstration dialog of the class named (with or without its
// namespace), as its launcher button would open it; nullptr for none.
std::unique_ptr<QDialog> CreateDemoDialog(const QString& className, QWidget* parent = nullptr);

// The class names of every dialog the launcher can open.
QStringList DemoDialogNames();

}  // namespace VeltorDemo
