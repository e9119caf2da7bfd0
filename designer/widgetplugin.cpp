#include "widgetplugin.h"

#include "groupfields.h"
#include "placeholder.h"
#include "propertysheet.h"
#include "registry.h"

#include "host/formloader.h"

#include <QtDesigner/QDesignerFormEditorInterface>

#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include <memory>

namespace VeltorDesigner {

namespace {

constexpr int kIconSide = 22;

// The control drawn at its default size, shrunk into an icon. Of a long
// control only the start shows, at most twice as long as it is thick, or
// the icon would be a hairline.
QIcon IconOf(QWidget* widget) {
  const QSize size = widget->size();
  const QPixmap picture = widget->grab(QRect(QPoint(0, 0), size.boundedTo(QSize(2 * size.height(), 2 * size.width()))));
  if (picture.isNull()) return QIcon();
  QPixmap icon(kIconSide, kIconSide);
  icon.fill(Qt::transparent);
  const QPixmap scaled = picture.scaled(icon.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  QPainter(&icon).drawPixmap((kIconSide - scaled.width()) / 2, (kIconSide - scaled.height()) / 2, scaled);
  return QIcon(icon);
}

}  // namespace

TWidgetPlugin::TWidgetPlugin(const QString& registeredName, QObject* parent)
    : QObject(parent), FRegisteredName(registeredName), FGroupFields(new TGroupFieldForwarder(this)) {
  const QMetaObject* meta = Veltor::TFormLoader::RegisteredClass(registeredName);
  FClassName = meta ? QString::fromLatin1(meta->className()) : registeredName;
  FHeader = HeaderOfClass(registeredName);
  FComponent = Veltor::TFormLoader::IsComponentClass(registeredName);
  for (const QMetaObject* m = meta; m; m = m->superClass()) {
    if (qstrcmp(m->className(), "Veltor::TPanel") == 0) FContainer = true;
  }
  // One instance tells the default size and draws the icon.
  std::unique_ptr<QWidget> sample(createWidget(nullptr));
  if (sample) {
    FDefaultSize = sample->size();
    FIcon = IconOf(sample.get());
  }
}

QString TWidgetPlugin::toolTip() const {
  const QString folder = FHeader.section(QLatin1Char('/'), 0, 0);
  return FComponent ? QStringLiteral("%1 (non-visual, %2)").arg(FRegisteredName, folder)
                    : QStringLiteral("%1 (%2)").arg(FRegisteredName, folder);
}

QString TWidgetPlugin::whatsThis() const {
  return FComponent ? QStringLiteral(
                          "%1: a non-visual component of the Veltor library. The form shows a placeholder "
                          "with the component's properties; the form loader creates the component.")
                          .arg(FRegisteredName)
                    : QStringLiteral("%1: a control of the Veltor library (%2).").arg(FRegisteredName, FHeader);
}

void TWidgetPlugin::initialize(QDesignerFormEditorInterface* core) {
  if (core) TPropertySheetFactory::Install(core->extensionManager());
  FInitialized = true;
}

QWidget* TWidgetPlugin::createWidget(QWidget* parent) {
  if (FComponent) return new TComponentPlaceholder(FRegisteredName, parent);
  auto* control = qobject_cast<QWidget*>(Veltor::TFormLoader::CreateObject(FRegisteredName, parent));
  if (control) control->installEventFilter(FGroupFields);
  return control;
}

// A new control is named after its class ("TMeter270" -> "meter270") and
// placed at its default size.
QString TWidgetPlugin::domXml() const {
  QString objectName = FRegisteredName.startsWith(QLatin1Char('T')) ? FRegisteredName.mid(1) : FRegisteredName;
  if (!objectName.isEmpty()) objectName[0] = objectName[0].toLower();
  return QStringLiteral(
             "<ui language=\"c++\">\n"
             " <widget class=\"%1\" name=\"%2\">\n"
             "  <property name=\"geometry\"><rect><x>0</x><y>0</y><width>%3</width><height>%4</height></rect>"
             "</property>\n"
             " </widget>\n"
             "</ui>\n")
      .arg(FClassName, objectName)
      .arg(FDefaultSize.width())
      .arg(FDefaultSize.height());
}

}  // namespace VeltorDesigner
