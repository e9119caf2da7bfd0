#pragma once
// TAboutBox: the demo's about box, with a German description of the demo
// behind "Info".

#include <QDialog>

class QPlainTextEdit;

namespace VeltorDemo {

class TAboutBox : public QDialog {
  Q_OBJECT
 public:
  explicit TAboutBox(QWidget* parent = nullptr);
  bool HelpShown() const;

 public slots:
  void on_InfoBtn_clicked();
  void on_OKButton_clicked();

 private:
  QPlainTextEdit* FHelpMemo = nullptr;
};

}  // namespace VeltorDemo
