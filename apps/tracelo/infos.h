#pragma once
// The information box: the program's name, and a description behind "Hilfe".

#include <QDialog>

class QLabel;

namespace Tracelo {

class TInfos : public QDialog {
  Q_OBJECT
 public:
  explicit TInfos(QWidget* parent = nullptr);
  bool DescriptionShown() const;

 private slots:
  void on_HelpBtn_clicked();
  void on_OKBtn_clicked();

 private:
  QLabel* FDescription = nullptr;
};

}  // namespace Tracelo
