#include "aboutbox.h"

#include "forms.h"

#include <QPlainTextEdit>

namespace VeltorDemo {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  QWidget* form = LoadFormInto(QStringLiteral(":/veltordemo/aboutbox.ui"), this, this);
  FHelpMemo = FormChild<QPlainTextEdit>(form, "HelpMemo");
  FHelpMemo->hide();
  adjustSize();
}

bool TAboutBox::HelpShown() const { return !FHelpMemo->isHidden(); }

void TAboutBox::on_InfoBtn_clicked() {
  FHelpMemo->show();
  adjustSize();
}

void TAboutBox::on_OKButton_clicked() {
  FHelpMemo->hide();
  adjustSize();
  accept();
}

}  // namespace VeltorDemo
