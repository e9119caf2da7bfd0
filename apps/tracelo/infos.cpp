#include "infos.h"

#include "forms.h"

#include <QLabel>

namespace Tracelo {

TInfos::TInfos(QWidget* parent) : QDialog(parent) {
  QWidget* form = LoadFormInto(QStringLiteral(":/forms/infos.ui"), this, this);
  FDescription = FormChild<QLabel>(form, "Description");
}

bool TInfos::DescriptionShown() const { return !FDescription->isHidden(); }

void TInfos::on_HelpBtn_clicked() {
  FDescription->show();
  adjustSize();
}

void TInfos::on_OKBtn_clicked() {
  FDescription->hide();
  accept();
}

}  // namespace Tracelo
