#pragma once
// The launcher's speed buttons, in the order of the bar: each with its short
// hint (the tool tip), its long hint (the status line), the class its glyph
// is rendered from, and the dialog it opens.

#include <QDialog>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

namespace VeltorDemo {

using TDialogFactory = std::function<std::unique_ptr<QDialog>(QWidget* parent)>;

// The factory of a demonstration dialog class.
template <typename T>
TDialogFactory Dialog() {
  return [](QWidget* parent) { return std::make_unique<T>(parent); };
}

struct TLaunchButton {
  const char* Name;
  const char* ShortHint;
  const char* GlyphClass;  // a class of the form registry, or "" for a drawn glyph
  const char* LongHint;    // German
  TDialogFactory OpenDialog;

  // "short|long", as the button's Hint.
  QString Hint() const;
};

// The buttons that do something of their own instead of opening a dialog.
extern const char* const kExitButton;
extern const char* const kAboutButton;
extern const char* const kShadeButton;
// Hides the background while its dialog is open.
extern const char* const kRollFormButton;

const std::vector<TLaunchButton>& LaunchButtons();
// The row of the named button, or nullptr.
const TLaunchButton* FindLaunchButton(const QString& name);
// Whether the button has something to do: its own action or a dialog.
bool CanLaunch(const TLaunchButton& button);

}  // namespace VeltorDemo
