#pragma once
// TRadioGroup: the framework's group of radio buttons laid out in columns,
// which dialogs use to pick one value of a list.

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>

namespace Veltor {

// Radio buttons for a list of entries, laid out column by column; the
// selected entry is ItemIndex (-1 for none).
class TRadioGroup : public QGroupBox {
  Q_OBJECT
  Q_PROPERTY(QStringList Items READ Items WRITE SetItems)
  Q_PROPERTY(int Columns READ Columns WRITE SetColumns)
  Q_PROPERTY(int ItemIndex READ ItemIndex WRITE SetItemIndex)

 public:
  explicit TRadioGroup(QWidget* parent = nullptr);

  QStringList Items() const { return FItems; }
  void SetItems(const QStringList& items);
  int Columns() const { return FColumns; }
  void SetColumns(int columns);
  int ItemIndex() const;
  void SetItemIndex(int index);

 signals:
  void OnClick(QObject* Sender);

 private:
  void Rebuild();

  QStringList FItems;
  int FColumns = 1;
  int FPendingIndex = -1;
  QButtonGroup FButtons;
};

}  // namespace Veltor
