#pragma once
// TBufferFill: fills the display's buffer with random data or from any file
// (captures of other tools from a chosen start sample), and saves or restores
// it as a sample file or saves it as a capture.

#include <QDialog>

class QLineEdit;

namespace Tracelo {

class TTracelo;

class TBufferFill : public QDialog {
  Q_OBJECT
 public:
  explicit TBufferFill(TTracelo* main);

  static const QString kOpenFilter;  // all files, then sample files
  static const QString kSaveFilter;

 public slots:
  void on_RandomBtn_clicked();
  void on_FileLoad_clicked();
  void on_RestoreBtn_clicked();
  void on_SaveBtn_clicked();
  void on_BitBtn1_clicked();

 private:
  // Closes the dialog and lets the main window repaint before the work.
  void CloseFirst(int result);
  void ShowError(const QString& text);

  TTracelo* FMain;
  QLineEdit* FStartEdit = nullptr;  // the first sample read from a capture
};

}  // namespace Tracelo
