#include "host/radiogroup.h"

#include <QGridLayout>
#include <QRadioButton>

#include <algorithm>

namespace Veltor {

TRadioGroup::TRadioGroup(QWidget* parent) : QGroupBox(parent) {
  // The entries share the room below the title evenly; the style's margins
  // and spacing would leave two entries under a title less than their
  // height in the dialogs' small boxes.
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(grid->contentsMargins().left(), 2, grid->contentsMargins().right(), 2);
  grid->setVerticalSpacing(0);
  connect(&FButtons, &QButtonGroup::idClicked, this, [this] { emit OnClick(this); });
}

void TRadioGroup::SetItems(const QStringList& items) {
  FItems = items;
  Rebuild();
}

void TRadioGroup::SetColumns(int columns) {
  FColumns = std::max(1, columns);
  Rebuild();
}

int TRadioGroup::ItemIndex() const { return FButtons.checkedId(); }

void TRadioGroup::SetItemIndex(int index) {
  FPendingIndex = index;
  if (QAbstractButton* b = FButtons.button(index)) {
    b->setChecked(true);
  } else if (QAbstractButton* checked = FButtons.checkedButton()) {
    FButtons.setExclusive(false);
    checked->setChecked(false);
    FButtons.setExclusive(true);
  }
}

// Entries run down the columns: with 8 entries in 4 columns, 0 and 1 share
// the first column.
void TRadioGroup::Rebuild() {
  for (QAbstractButton* b : FButtons.buttons()) {
    FButtons.removeButton(b);
    delete b;
  }
  auto* grid = static_cast<QGridLayout*>(layout());
  const int rows = std::max<int>(1, (int(FItems.size()) + FColumns - 1) / FColumns);
  for (int i = 0; i < FItems.size(); ++i) {
    auto* b = new QRadioButton(FItems.at(i), this);
    b->setObjectName(QStringLiteral("item%1").arg(i));
    FButtons.addButton(b, i);
    grid->addWidget(b, i % rows, i / rows);
  }
  SetItemIndex(FPendingIndex);
}

}  // namespace Veltor
