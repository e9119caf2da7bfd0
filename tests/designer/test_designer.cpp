// The Designer plugin loaded as Designer loads it, compared with the
// libraries' own registry.
#include "formtest.h"
#include "registry.h"
#include "testutil.h"

#include "foundation/panel.h"
#include "host/formloader.h"

#include <QtDesigner/QDesignerComponents>
#include <QtDesigner/QDesignerFormEditorInterface>
#include <QtDesigner/QDesignerPropertySheetExtension>
#include <QtDesigner/QExtensionManager>
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>

#include <QDebug>
#include <QDomDocument>
#include <QFileInfo>
#include <QMetaProperty>
#include <QPluginLoader>

#include <gtest/gtest.h>

#include <map>
#include <memory>

namespace {

using Plugins = std::map<QString, QDesignerCustomWidgetInterface*>;

// The plugin's widgets by class name; the plugin stays loaded for the process.
const Plugins& LoadedPlugins() {
  static Plugins plugins;
  if (plugins.empty()) {
    static QPluginLoader loader(QStringLiteral(VELTOR_DESIGNER_PLUGIN));
    auto* collection = qobject_cast<QDesignerCustomWidgetCollectionInterface*>(loader.instance());
    if (!collection) ADD_FAILURE() << qPrintable(loader.errorString());
    if (collection) {
      for (QDesignerCustomWidgetInterface* widget : collection->customWidgets()) plugins[widget->name()] = widget;
    }
  }
  return plugins;
}

// Every class of the registry: its meta-object's name by registered name.
std::map<QString, QString> RegisteredClasses() {
  VeltorDesigner::RegisterLibraryClasses();
  std::map<QString, QString> classes;
  for (const QString& name : Veltor::TFormLoader::RegisteredClasses())
    classes[name] = QString::fromLatin1(Veltor::TFormLoader::RegisteredClass(name)->className());
  return classes;
}

// A property value as text; the plugin holds its own copy of the libraries,
// so values of library types are compared by what they print, and property
// groups by the values of their fields.
QString Describe(const QVariant& value) {
  if (value.metaType().flags() & QMetaType::IsEnumeration) return QString::number(value.toInt());
  if (value.metaType().flags() & QMetaType::PointerToQObject) {
    const QObject* group = *static_cast<QObject* const*>(value.constData());
    if (!group) return QStringLiteral("null");
    QString fields;
    const QMetaObject* meta = group->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i)
      fields += QStringLiteral("%1=%2 ").arg(QLatin1String(meta->property(i).name()),
                                             Describe(meta->property(i).read(group)));
    return fields;
  }
  QString text;
  QDebug(&text) << value;
  return text;
}

// The pixels of a 22-pixel icon that are not see-through.
int DrawnPixels(const QIcon& icon) {
  const QImage image = icon.pixmap(22, 22).toImage().convertToFormat(QImage::Format_ARGB32);
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) n += qAlpha(image.pixel(x, y)) > 0;
  }
  return n;
}

TEST(DesignerPlugin, OffersEveryRegisteredClassInTheVeltorGroup) {
  const Plugins& plugins = LoadedPlugins();
  const auto classes = RegisteredClasses();
  ASSERT_FALSE(classes.empty());
  EXPECT_EQ(plugins.size(), classes.size());
  for (const auto& [name, className] : classes) {
    SCOPED_TRACE(qPrintable(name));
    const auto found = plugins.find(className);
    ASSERT_NE(found, plugins.end()) << "not offered";
    QDesignerCustomWidgetInterface* plugin = found->second;
    EXPECT_EQ(plugin->group(), QStringLiteral("Veltor"));
    EXPECT_TRUE(plugin->toolTip().contains(name));
    EXPECT_FALSE(plugin->icon().isNull());
    // The control itself, not a hairline of a long one.
    EXPECT_GE(DrawnPixels(plugin->icon()), 22 * 22 / 4);
    // The header that declares the class, as the library installs it.
    EXPECT_EQ(plugin->includeFile(), VeltorDesigner::HeaderOfClass(name));
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral(VELTOR_LIB_DIR "/") + plugin->includeFile()))
        << qPrintable(plugin->includeFile());
    // Panels hold other controls in Designer as they do in forms.
    EXPECT_EQ(plugin->isContainer(),
              Veltor::TFormLoader::RegisteredClass(name)->inherits(&Veltor::TPanel::staticMetaObject));
  }
}

TEST(DesignerPlugin, CreatesControlsWithTheLibraryDefaults) {
  const Plugins& plugins = LoadedPlugins();
  int controls = 0;
  for (const auto& [name, className] : RegisteredClasses()) {
    if (Veltor::TFormLoader::IsComponentClass(name)) continue;
    SCOPED_TRACE(qPrintable(name));
    ASSERT_TRUE(plugins.count(className));
    QDesignerCustomWidgetInterface* plugin = plugins.at(className);
    std::unique_ptr<QWidget> made(plugin->createWidget(nullptr));
    std::unique_ptr<QObject> reference(Veltor::TFormLoader::CreateObject(name, nullptr));
    ASSERT_TRUE(made && reference);
    ASSERT_EQ(QString::fromLatin1(made->metaObject()->className()), className);
    const QMetaObject* meta = reference->metaObject();
    for (int i = QWidget::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
      const char* property = meta->property(i).name();
      EXPECT_EQ(Describe(made->property(property)), Describe(reference->property(property))) << property;
    }
    // A new control in a form is placed at the size the library gives it.
    QDomDocument dom;
    ASSERT_TRUE(dom.setContent(plugin->domXml()));
    const QDomElement widget = dom.documentElement().firstChildElement(QStringLiteral("widget"));
    EXPECT_EQ(widget.attribute(QStringLiteral("class")), className);
    const QDomElement rect =
        widget.firstChildElement(QStringLiteral("property")).firstChildElement(QStringLiteral("rect"));
    EXPECT_EQ(rect.firstChildElement(QStringLiteral("width")).text().toInt(), made->width());
    EXPECT_EQ(rect.firstChildElement(QStringLiteral("height")).text().toInt(), made->height());
    ++controls;
  }
  EXPECT_GT(controls, 0);
}

TEST(DesignerPlugin, ShowsComponentsAsSmallPlaceholders) {
  const Plugins& plugins = LoadedPlugins();
  int components = 0;
  for (const auto& [name, className] : RegisteredClasses()) {
    if (!Veltor::TFormLoader::IsComponentClass(name)) continue;
    SCOPED_TRACE(qPrintable(name));
    std::unique_ptr<QWidget> placeholder(plugins.at(className)->createWidget(nullptr));
    ASSERT_TRUE(placeholder);
    EXPECT_LE(placeholder->width(), 32);
    EXPECT_LE(placeholder->height(), 32);
    EXPECT_TRUE(placeholder->toolTip().contains(name));
    // Designer saves a widget under its meta-object's class name; the widget's
    // own properties still read through that meta-object.
    const QMetaObject* meta = placeholder->metaObject();
    EXPECT_EQ(QString::fromLatin1(meta->className()), className);
    EXPECT_TRUE(placeholder->inherits("QWidget"));
    const int geometry = meta->indexOfProperty("geometry");
    ASSERT_GE(geometry, 0);
    EXPECT_EQ(meta->property(geometry).read(placeholder.get()).toRect(), placeholder->geometry());
    ++components;
  }
  EXPECT_GT(components, 0);
}

// Designer's own editor core with its default property sheets, the plugin's
// widgets initialised in it as Designer initialises them.
QDesignerFormEditorInterface* DesignerCore() {
  static QDesignerFormEditorInterface* core = nullptr;
  if (!core) {
    core = QDesignerComponents::createFormEditor(nullptr);
    for (const auto& [name, plugin] : LoadedPlugins()) plugin->initialize(core);
  }
  return core;
}

QDesignerPropertySheetExtension* SheetOf(QObject* object) {
  return qt_extension<QDesignerPropertySheetExtension*>(DesignerCore()->extensionManager(), object);
}

bool IsLibraryColor(const QMetaProperty& property) { return qstrcmp(property.typeName(), "Veltor::TColor") == 0; }

TEST(DesignerPropertySheet, PresentsLibraryColoursAsQColorAndWritesThemBack) {
  const Plugins& plugins = LoadedPlugins();
  int colours = 0;
  for (const auto& [name, className] : RegisteredClasses()) {
    if (Veltor::TFormLoader::IsComponentClass(name)) continue;
    SCOPED_TRACE(qPrintable(name));
    std::unique_ptr<QWidget> control(plugins.at(className)->createWidget(nullptr));
    QDesignerPropertySheetExtension* sheet = SheetOf(control.get());
    ASSERT_TRUE(sheet);
    const QMetaObject* meta = control->metaObject();
    for (int i = 0; i < meta->propertyCount(); ++i) {
      if (!IsLibraryColor(meta->property(i))) continue;
      const int index = sheet->indexOf(QString::fromLatin1(meta->property(i).name()));
      ASSERT_GE(index, 0) << meta->property(i).name();
      EXPECT_EQ(sheet->property(index).metaType(), QMetaType::fromType<QColor>()) << meta->property(i).name();
      ++colours;
    }
  }
  EXPECT_GT(colours, 0);

  std::unique_ptr<QWidget> display(plugins.at(QStringLiteral("Veltor::TDisp7Seg"))->createWidget(nullptr));
  QDesignerPropertySheetExtension* sheet = SheetOf(display.get());
  const int segments = sheet->indexOf(QStringLiteral("ColSegm"));
  sheet->setProperty(segments, QColor(0, 0, 255));
  EXPECT_EQ(display->property("ColSegm").toString(), QStringLiteral("clBlue"));
  EXPECT_EQ(sheet->property(segments).value<QColor>(), QColor(0, 0, 255));
  // A stored form opened in Designer hands colours in as text.
  sheet->setProperty(segments, QStringLiteral("clMaroon"));
  EXPECT_EQ(display->property("ColSegm").toString(), QStringLiteral("clMaroon"));
  // Other objects keep Designer's own sheet.
  QWidget plain;
  EXPECT_NE(QString::fromLatin1(dynamic_cast<QObject*>(SheetOf(&plain))->metaObject()->className()),
            QString::fromLatin1(dynamic_cast<QObject*>(sheet)->metaObject()->className()));
}

// Group fields are offered under the dotted names the form loader reads.
TEST(DesignerPropertySheet, EditsFieldsOfPropertyGroupsUnderDottedNames) {
  std::unique_ptr<QWidget> clock(LoadedPlugins().at(QStringLiteral("Veltor::TCtrlTimer"))->createWidget(nullptr));
  QDesignerPropertySheetExtension* sheet = SheetOf(clock.get());
  const auto* trigger = clock->property("Trigger2").value<QObject*>();
  ASSERT_TRUE(trigger);
  const int minutes = sheet->indexOf(QStringLiteral("Trigger2.ValueMinutes"));
  ASSERT_GE(minutes, 0);
  EXPECT_EQ(sheet->propertyName(minutes), QStringLiteral("Trigger2.ValueMinutes"));
  EXPECT_TRUE(sheet->isVisible(minutes));
  EXPECT_FALSE(sheet->isChanged(minutes));
  sheet->setProperty(minutes, 7);
  sheet->setChanged(minutes, true);
  EXPECT_EQ(trigger->property("ValueMinutes").toInt(), 7);
  EXPECT_EQ(sheet->property(minutes), QVariant(7));
  EXPECT_TRUE(sheet->isChanged(minutes));
  // Every field of an editable type of every group is offered once.
  std::map<QString, int> fields;
  for (int i = 0; i < sheet->count(); ++i) ++fields[sheet->propertyName(i)];
  for (const char* group : {"StartTime", "Trigger1", "Trigger2", "Trigger3"}) {
    for (const char* field : {"Beep", "ValueHours", "ValueMinutes", "ValueSeconds"}) {
      EXPECT_EQ(fields[QStringLiteral("%1.%2").arg(QLatin1String(group), QLatin1String(field))], 1) << group << field;
    }
  }
  // The control's own properties keep their places.
  const int segments = sheet->indexOf(QStringLiteral("ColSegm"));
  ASSERT_GE(segments, 0);
  EXPECT_EQ(sheet->propertyName(segments), QStringLiteral("ColSegm"));
}

// Text, picture and enumeration fields stay dynamic properties in Designer;
// the control still shows them.
TEST(DesignerPropertySheet, PassesDynamicGroupFieldsOnToTheGroup) {
  std::unique_ptr<QWidget> boxes(LoadedPlugins().at(QStringLiteral("Veltor::TBoxLine"))->createWidget(nullptr));
  EXPECT_LT(SheetOf(boxes.get())->indexOf(QStringLiteral("Box1.CaptLong")), 0);
  const QObject* box0 = boxes->property("Box0").value<QObject*>();
  const QString untouched = box0->property("CaptLong").toString();
  boxes->setProperty("Box1.CaptLong", QStringLiteral("Run"));
  EXPECT_EQ(boxes->property("Box1").value<QObject*>()->property("CaptLong").toString(), QStringLiteral("Run"));
  EXPECT_EQ(box0->property("CaptLong").toString(), untouched);

  std::unique_ptr<QWidget> text(LoadedPlugins().at(QStringLiteral("Veltor::TTextScroller"))->createWidget(nullptr));
  const QObject* caret = text->property("Caret").value<QObject*>();
  text->setProperty("Caret.Shape", QStringLiteral("csVertLine"));
  EXPECT_EQ(caret->property("Shape").toInt(), 2);
  text->setProperty("Caret.Nothing", 1);
  text->setProperty("Caret.Shape", QVariant());
  EXPECT_EQ(caret->property("Shape").toInt(), 2);
}

TEST(DesignerPropertySheet, EditsAComponentsPropertiesOnItsTile) {
  const Plugins& plugins = LoadedPlugins();
  for (const auto& [name, className] : RegisteredClasses()) {
    if (!Veltor::TFormLoader::IsComponentClass(name)) continue;
    SCOPED_TRACE(qPrintable(name));
    std::unique_ptr<QWidget> tile(plugins.at(className)->createWidget(nullptr));
    QDesignerPropertySheetExtension* sheet = SheetOf(tile.get());
    ASSERT_TRUE(sheet);
    const QMetaObject* meta = Veltor::TFormLoader::RegisteredClass(name);
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
      EXPECT_GE(sheet->indexOf(QString::fromLatin1(meta->property(i).name())), 0) << meta->property(i).name();
    }
  }

  std::unique_ptr<QWidget> tile(plugins.at(QStringLiteral("Veltor::TSmartTimer"))->createWidget(nullptr));
  QDesignerPropertySheetExtension* sheet = SheetOf(tile.get());
  QObject* timer = nullptr;
  for (QObject* child : tile->children()) {
    if (child->inherits("Veltor::TSmartTimer") && !child->isWidgetType()) timer = child;
  }
  ASSERT_TRUE(timer);
  // The period is a quint16, which Designer has no editor for: it is shown
  // as int and kept in range.
  const int time = sheet->indexOf(QStringLiteral("Time"));
  EXPECT_EQ(sheet->property(time), QVariant(50));
  sheet->setProperty(time, 250);
  EXPECT_EQ(timer->property("Time").toInt(), 250);
  sheet->setProperty(time, 70000);
  EXPECT_EQ(timer->property("Time").toInt(), 65535);
  // Enumerations reach the component as Designer writes them.
  EXPECT_TRUE(tile->setProperty("TimerMode", 2));
  EXPECT_EQ(timer->property("TimerMode").toInt(), 2);
  EXPECT_EQ(tile->property("TimerMode").toInt(), 2);
  EXPECT_EQ(tile->metaObject()->property(tile->metaObject()->indexOfProperty("TimerMode")).enumerator().name(),
            QByteArray("TTimerMode"));
}

// A form as Designer saves it: namespaced class names and a customwidgets
// section naming the headers.
TEST(DesignerForms, LoadAndLookLikeTheControlMadeInCode) {
  VeltorDesigner::RegisterLibraryClasses();
  const QString text = QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>Form</class>
 <widget class="QWidget" name="Form">
  <property name="geometry"><rect><x>0</x><y>0</y><width>240</width><height>220</height></rect></property>
  <widget class="Veltor::TMeter270" name="meter270">
   <property name="geometry"><rect><x>10</x><y>10</y><width>200</width><height>200</height></rect></property>
   <property name="Value"><double>42.000000000000000</double></property>
  </widget>
 </widget>
 <customwidgets>
  <customwidget>
   <class>Veltor::TMeter270</class>
   <extends>QWidget</extends>
   <header>meters/meter270.h</header>
  </customwidget>
 </customwidgets>
 <resources/>
 <connections/>
</ui>
)");
  VeltorTest::FormFiles files;
  std::unique_ptr<QWidget> form = files.Load(text);
  ASSERT_TRUE(form);
  auto* stored = form->findChild<QWidget*>(QStringLiteral("meter270"));
  ASSERT_TRUE(stored);
  std::unique_ptr<QObject> made(Veltor::TFormLoader::CreateObject(QStringLiteral("TMeter270"), nullptr));
  auto* inCode = qobject_cast<QWidget*>(made.get());
  ASSERT_TRUE(inCode);
  inCode->resize(200, 200);
  inCode->setProperty("Value", 42.0);
  EXPECT_EQ(VeltorTest::ImageDifference(stored->grab().toImage(), inCode->grab().toImage()), QString());
}

}  // namespace
