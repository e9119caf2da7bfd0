#pragma once
// What a form in Designer shows for a non-visual component (a timer, a
// serial port): a small tile with its class name's capitals. The form loader
// replaces it by the component.
//
// The tile holds a component of its class and presents the component's
// properties as its own, so Designer's property editor edits them and a
// saved form stores them under the component's name. Designer knows an
// object only through its meta-object, so the tile answers with a chain of
// copies of the component's meta-objects (its class and its bases up to
// TComponent) put on top of the tile's own: the class name is the
// component's, so Designer stores the element under it, and property access
// through those copies is forwarded to the held component. Both the
// virtual qt_metacall and the copies' static metacall functions forward, as
// Qt reaches properties and methods through either.

#include <QPointer>
#include <QWidget>

namespace VeltorDesigner {

// The tile's own meta-object, below the component's in the chain.
class TPlaceholderTile : public QWidget {
  Q_OBJECT

 public:
  using QWidget::QWidget;
};

class TComponentPlaceholder : public TPlaceholderTile {
 public:
  static constexpr int kSide = 32;

  // registeredName: the component's name in TFormLoader's registry.
  TComponentPlaceholder(const QString& registeredName, QWidget* parent);
  QString ComponentClass() const { return QString::fromLatin1(FMetaObject->className()); }
  // The component whose properties the tile shows, owned by the tile.
  QObject* Component() const { return FComponent; }
  QSize sizeHint() const override { return QSize(kSide, kSide); }
  const QMetaObject* metaObject() const override { return FMetaObject; }
  int qt_metacall(QMetaObject::Call call, int id, void** arguments) override;

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QPointer<QObject> FComponent;
  const QMetaObject* FMetaObject = &TPlaceholderTile::staticMetaObject;
};

}  // namespace VeltorDesigner
