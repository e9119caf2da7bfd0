#pragma once
// The small framework controls the analyzer's dialogs use: the host's group
// of radio buttons, and a one-row grid of the 16 classic colours.

#include "host/color.h"
#include "host/radiogroup.h"

#include <QWidget>

namespace Tracelo {

using Veltor::TRadioGroup;

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
