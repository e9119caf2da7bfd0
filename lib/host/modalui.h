#pragma once
// Everything that would stop and wait for a person (message boxes, beeps, file
// dialogs, modal forms) goes through one replaceable object, so tests and
// headless runs can answer without blocking.

#include <QFlags>
#include <QString>

class QDialog;
class QWidget;

namespace Veltor {

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

enum TMsgDlgBtn {
  mbYes = 0x01,
  mbNo = 0x02,
  mbOK = 0x04,
  mbCancel = 0x08,
  mbAbort = 0x10,
  mbRetry = 0x20,
  mbIgnore = 0x40
};
Q_DECLARE_FLAGS(TMsgDlgButtons, TMsgDlgBtn)

enum TModalResult { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5, mrYes = 6, mrNo = 7 };

class TModalUI {
 public:
  virtual ~TModalUI() = default;
  // A message box with a caption (empty: the application's name).
  virtual TModalResult Message(const QString& caption, const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
  virtual void Beep();
  // Empty result: cancelled. filter lists entries as "name (*.ext);;...";
  // selectedFilter, when given, picks the entry shown first and receives the
  // one the user ended with.
  virtual QString OpenFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                               QString* selectedFilter = nullptr);
  virtual QString SaveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                               QString* selectedFilter = nullptr);
  // Runs a dialog modally; returns its result code.
  virtual int Exec(QDialog* dialog);
};

// The object in charge now; SetModalUI(nullptr) restores the interactive one.
// The caller keeps ownership of what it installs.
TModalUI& ModalUI();
void SetModalUI(TModalUI* ui);

// Shortcuts.
void ShowMessage(const QString& text);
TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons);
void Beep();

}  // namespace Veltor

Q_DECLARE_OPERATORS_FOR_FLAGS(Veltor::TMsgDlgButtons)
