#pragma once
// What a form in Designer shows for a non-visual component (a timer, a
// serial port): a small tile with its class name. The form loader replaces
// it by the component.

#include <QWidget>

namespace VeltorDesigner {

class TComponentPlaceholder : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kSide = 32;

  TComponentPlaceholder(const QString& className, QWidget* parent);
  QString ComponentClass() const { return FClassName; }
  QSize sizeHint() const override { return QSize(kSide, kSide); }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString FClassName;
};

}  // namespace VeltorDesigner
