#pragma once
// One class of the library in Designer's widget box.

#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QIcon>
#include <QObject>
#include <QSize>

namespace VeltorDesigner {

class TWidgetPlugin : public QObject, public QDesignerCustomWidgetInterface {
  Q_OBJECT
  Q_INTERFACES(QDesignerCustomWidgetInterface)

 public:
  // registeredName is the class's name in TFormLoader's registry.
  TWidgetPlugin(const QString& registeredName, QObject* parent);

  QString name() const override { return FClassName; }
  QString group() const override { return QStringLiteral("Veltor"); }
  QString toolTip() const override;
  QString whatsThis() const override;
  QString includeFile() const override { return FHeader; }
  QIcon icon() const override { return FIcon; }
  bool isContainer() const override { return FContainer; }
  QWidget* createWidget(QWidget* parent) override;
  bool isInitialized() const override { return FInitialized; }
  // Installs the property sheets of library objects (designer/propertysheet.h).
  void initialize(QDesignerFormEditorInterface* core) override;
  QString domXml() const override;

  bool IsComponent() const { return FComponent; }
  QSize DefaultSize() const { return FDefaultSize; }

 private:
  QString FRegisteredName;
  QString FClassName;  // the meta-object's, with its namespace
  QString FHeader;
  bool FComponent = false;
  bool FContainer = false;
  bool FInitialized = false;
  QSize FDefaultSize;
  QIcon FIcon;
  QObject* FGroupFields;  // TGroupFieldForwarder of the controls made
};

}  // namespace VeltorDesigner
