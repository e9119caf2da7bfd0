#pragma once
// Two small framework controls the analyzer's dialogs use: a group of radio
// buttons laid out in columns, and a one-row grid of the 16 classic colours.

#include "host/color.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QStringList>
#include <QWidget>

namespace Tracelo {

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

// The 16 colours in one row; a left click picks the foreground colour.
class TColorGrid : public QWidget {
  Q_OBJECT
  Q_PROPERTY(int ForegroundIndex READ ForegroundIndex WRITE SetForegroundIndex)

 public:
  static constexpr int kCells = 16;
  explicit TColorGrid(QWidget* parent = nullptr);

  static Veltor::TColor CellColor(int index);
  int ForegroundIndex() const { return FForeground; }
  void SetForegroundIndex(int index);
  Veltor::TColor ForegroundColor() const { return CellColor(FForeground); }
  // The cell under a point of the widget, or -1.
  int CellAt(const QPoint& p) const;

 signals:
  void OnClick(QObject* Sender);

 protected:
  void paintEvent(QPaintEvent* e) override;
  void mousePressEvent(QMouseEvent* e) override;

 private:
  QRect CellRect(int index) const;
  int FForeground = 0;
};

}  // namespace Tracelo
