#pragma once
// What a form in Designer shows for a non-visual component (a timer, a
// serial port): a small tile with its class name. The form loader replaces
// it by the component.
//
// Designer stores a widget under its meta-object's class name, so the tile
// answers with a copy of its own meta-object that carries the component's
// class name: a saved form then names the component, as the loader expects.

#include <QByteArray>
#include <QVector>
#include <QWidget>

namespace VeltorDesigner {

// The tile's own meta-object, which the placeholder renames.
class TPlaceholderTile : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

class TComponentPlaceholder : public TPlaceholderTile {
 public:
  static constexpr int kSide = 32;

  TComponentPlaceholder(const QString& className, QWidget* parent);
  QString ComponentClass() const { return FClassName; }
  QSize sizeHint() const override { return QSize(kSide, kSide); }
  const QMetaObject* metaObject() const override { return &FMetaObject; }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QString FClassName;
  QVector<uint> FStrings;  // the meta-object's strings, the class name replaced
  QMetaObject FMetaObject;
};

}  // namespace VeltorDesigner
