#include "host/formloader.h"

#include "foundation/foundation_classes.h"
#include "foundation/rahmen.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace Veltor;

namespace FormTest {

// What the probes saw, in order: "<object>.<what>", with " loading" added
// while the object was in the csLoading state.
QStringList Events;

// A frame that publishes its button properties the way descendants do and
// records what the loader does to it.
class TLoadProbe : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(Veltor::FoundationEnums::TTastStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyleNoted)
  Q_PROPERTY(bool Status READ Status WRITE SetStatusNoted)
  Q_PROPERTY(QStringList Items MEMBER Items)
  Q_PROPERTY(Veltor::TShiftState Keys MEMBER Keys)

 public:
  using TRahmen::TRahmen;
  void SetButtonStyleNoted(TTastStyle v) { Note("ButtonStyle"); SetButtonStyle(v); }
  void SetStatusNoted(bool v) { Note("Status"); SetStatus(v); }
  QStringList Items;
  TShiftState Keys;

 protected:
  void Loaded() override { Note("Loaded"); }

 private:
  void Note(const char* what) {
    Events << objectName() + '.' + what + (ComponentState().testFlag(csLoading) ? " loading" : "");
  }
};

// The form class that owns the event handlers, apart from the form itself.
class TReceiver : public QObject {
  Q_OBJECT
 public:
  QStringList Calls;
 public slots:
  void on_Button1_OnClick(QObject* Sender) { Calls << "click " + Sender->objectName(); }
  void on_Button1_OnDown() { Calls << "down"; }
  void on_Button_2_OnClick(QObject* Sender) { Calls << "click " + Sender->objectName(); }
};

// Handlers that fit nothing in the form.
class TStrayReceiver : public QObject {
  Q_OBJECT
 public slots:
  void on_Nobody_OnClick() {}
  void on_Button1_OnPressed() {}
  void on_Button1_OnUp(int) {}
};

// Collects qWarning output while alive.
class WarningCatcher {
 public:
  WarningCatcher() : FPrevious(qInstallMessageHandler(&Handler)) { FCurrent = this; }
  ~WarningCatcher() { qInstallMessageHandler(FPrevious); FCurrent = nullptr; }
  QStringList Messages;

 private:
  static void Handler(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtWarningMsg) FCurrent->Messages << text;
  }
  QtMessageHandler FPrevious;
  static inline WarningCatcher* FCurrent = nullptr;
};

class FormLoaderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterFoundationClasses();
    TFormLoader::RegisterClass<TLoadProbe>("TLoadProbe");
  }
  void SetUp() override { Events.clear(); }

  // A form whose top-level QWidget holds body.
  static QString FormText(const QString& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<ui version=\"4.0\">\n <class>Form</class>\n"
           " <widget class=\"QWidget\" name=\"Form\">\n" + body + "\n </widget>\n</ui>\n";
  }
  QString Write(const QString& name, const QString& text) {
    QFile file(FDir.filePath(name));
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8());
    return file.fileName();
  }
  // The 1-based line of the first occurrence of marker in text.
  static int LineOf(const QString& text, const QString& marker) {
    return int(text.left(text.indexOf(marker)).count('\n')) + 1;
  }
  std::unique_ptr<QWidget> LoadBody(const QString& body, QObject* receiver = nullptr) {
    auto form = FLoader.Load(Write("form.ui", FormText(body)), nullptr, receiver);
    EXPECT_TRUE(form) << FLoader.ErrorString().toStdString();
    return form;
  }

  QTemporaryDir FDir;
  TFormLoader FLoader;
};

TEST_F(FormLoaderTest, RegistryNamesClassesWithoutTheNamespace) {
  EXPECT_EQ(TFormLoader::RegisteredClass("TRahmen"), &TRahmen::staticMetaObject);
  EXPECT_EQ(TFormLoader::RegisteredClass("Veltor::TRahmen"), &TRahmen::staticMetaObject);
  EXPECT_EQ(TFormLoader::RegisteredClass("QPushButton"), nullptr);

  // Registering again is harmless; another class cannot take a used name.
  RegisterFoundationClasses();
  EXPECT_EQ(TFormLoader::RegisteredClasses().count("TRahmen"), 1);
  WarningCatcher warnings;
  TFormLoader::RegisterClass<TLoadProbe>("TRahmen");
  EXPECT_EQ(TFormLoader::RegisteredClass("TRahmen"), &TRahmen::staticMetaObject);
  ASSERT_EQ(warnings.Messages.size(), 1);
  EXPECT_TRUE(warnings.Messages[0].contains("TRahmen"));
}

TEST_F(FormLoaderTest, StoredValuesGoThroughTheSettersWhileLoading) {
  const auto form = LoadBody(R"(
  <widget class="TLoadProbe" name="P1">
   <property name="geometry"><rect><x>10</x><y>20</y><width>120</width><height>40</height></rect></property>
   <property name="BevelIn"><enum>bvRaised</enum></property>
   <property name="BevWidth"><number>4</number></property>
   <property name="BordLeft"><bool>false</bool></property>
   <property name="ButtonStyle"><enum>tsPush</enum></property>
   <property name="Status"><bool>true</bool></property>
   <property name="Hint"><string>Main switch</string></property>
   <property name="Items"><stringlist><string>Off|0</string><string>On|1</string></stringlist></property>
   <property name="Keys"><set>ssShift|ssCtrl</set></property>
  </widget>
  <widget class="TLoadProbe" name="P2">
   <property name="ButtonStyle"><enum>tsPushPull</enum></property>
  </widget>)");
  ASSERT_TRUE(form);
  // Every setter ran in the loading state; Loaded() came once per component,
  // after the whole form, in creation order.
  EXPECT_EQ(Events, QStringList({"P1.ButtonStyle loading", "P1.Status loading", "P2.ButtonStyle loading",
                                 "P1.Loaded", "P2.Loaded"}));
  auto* p1 = form->findChild<TLoadProbe*>("P1");
  ASSERT_TRUE(p1);
  EXPECT_EQ(p1->ComponentState(), TComponentState());
  EXPECT_EQ(p1->parentWidget(), form.get());
  EXPECT_EQ(p1->geometry(), QRect(10, 20, 120, 40));
  EXPECT_EQ(p1->BevelIn(), bvRaised);
  EXPECT_EQ(p1->BevWidth(), 4);
  EXPECT_FALSE(p1->BordLeft());
  EXPECT_EQ(p1->ButtonStyle(), tsPush);
  EXPECT_EQ(p1->Hint(), "Main switch");
  EXPECT_EQ(p1->Items, QStringList({"Off|0", "On|1"}));
  EXPECT_EQ(p1->Keys, TShiftState(ssShift | ssCtrl));
  EXPECT_TRUE(p1->dynamicPropertyNames().isEmpty());
  // A push button takes a stored Status only while loading; at run time the
  // same call is ignored.
  EXPECT_TRUE(p1->Status());
  p1->SetStatus(false);
  EXPECT_TRUE(p1->Status());
}

TEST_F(FormLoaderTest, ColoursAndEnumerationKeysArriveInEverySpelling) {
  const std::pair<const char*, TColor> colours[] = {
      {"<string>clRed</string>", clRed},     {"<string>$00FF00</string>", clLime},
      {"<string>16711680</string>", clBlue}, {"<string>clBtnFace</string>", clBtnFace},
      {"<number>255</number>", clRed},       {"<uInt>2147483663</uInt>", clBtnFace},
      {"<color><red>255</red><green>255</green><blue>0</blue></color>", clYellow}};
  const char* bevels[] = {"bvLowered", "Veltor::bvLowered", "TPanelBevel::bvLowered", "Veltor::TPanelBevel::bvLowered"};
  QString body;
  for (size_t i = 0; i < std::size(colours); ++i) {
    body += QString("<widget class=\"TRahmen\" name=\"C%1\"><property name=\"ColBgnd\">%2</property></widget>\n")
                .arg(i).arg(colours[i].first);
  }
  for (size_t i = 0; i < std::size(bevels); ++i) {
    body += QString("<widget class=\"TRahmen\" name=\"B%1\"><property name=\"BevelOut\"><enum>%2</enum></property></widget>\n")
                .arg(i).arg(bevels[i]);
  }
  const auto form = LoadBody(body);
  ASSERT_TRUE(form);
  for (size_t i = 0; i < std::size(colours); ++i) {
    SCOPED_TRACE(colours[i].first);
    EXPECT_EQ(form->findChild<TRahmen*>(QString("C%1").arg(i))->ColBgnd().Value(), colours[i].second.Value());
  }
  for (size_t i = 0; i < std::size(bevels); ++i) {
    SCOPED_TRACE(bevels[i]);
    EXPECT_EQ(form->findChild<TRahmen*>(QString("B%1").arg(i))->BevelOut(), bvLowered);
  }
}

TEST_F(FormLoaderTest, DesignerFormWithQtWidgetsAndLayoutsLoads) {
  const QString text = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <class>SetupDialog</class>
 <widget class="QDialog" name="SetupDialog">
  <property name="windowTitle"><string>Setup</string></property>
  <layout class="QVBoxLayout" name="verticalLayout">
   <property name="leftMargin"><number>2</number></property>
   <item><widget class="QLabel" name="NameLabel">
     <property name="alignment"><set>Qt::AlignRight|Qt::AlignVCenter</set></property>
     <property name="buddy"><cstring>OkButton</cstring></property></widget></item>
   <item><widget class="Line" name="Separator">
     <property name="orientation"><enum>Qt::Horizontal</enum></property></widget></item>
   <item><widget class="Veltor::TRahmen" name="Panel">
     <property name="BevelOut"><enum>bvLowered</enum></property></widget></item>
   <item><spacer name="verticalSpacer">
     <property name="sizeHint" stdset="0"><size><width>20</width><height>40</height></size></property></spacer></item>
   <item><widget class="QPushButton" name="OkButton">
     <property name="text"><string>OK</string></property>
     <property name="role" stdset="0"><string>accept</string></property></widget></item>
  </layout>
 </widget>
 <customwidgets>
  <customwidget><class>Veltor::TRahmen</class><extends>QWidget</extends><header>foundation/rahmen.h</header></customwidget>
 </customwidgets>
 <connections/>
</ui>
)";
  const auto form = FLoader.Load(Write("setup.ui", text));
  ASSERT_TRUE(form) << FLoader.ErrorString().toStdString();
  EXPECT_TRUE(qobject_cast<QDialog*>(form.get()));
  EXPECT_EQ(form->windowTitle(), "Setup");
  auto* label = form->findChild<QLabel*>("NameLabel");
  auto* button = form->findChild<QPushButton*>("OkButton");
  auto* separator = form->findChild<QFrame*>("Separator");
  auto* panel = form->findChild<TRahmen*>("Panel");
  ASSERT_TRUE(label && button && separator && panel);
  EXPECT_EQ(label->buddy(), button);
  EXPECT_EQ(label->alignment(), Qt::AlignRight | Qt::AlignVCenter);
  EXPECT_EQ(separator->frameShape(), QFrame::HLine);
  EXPECT_EQ(panel->BevelOut(), bvLowered);
  EXPECT_EQ(button->property("role").toString(), "accept");
}

TEST_F(FormLoaderTest, EventsAreBoundToTheReceiversSlotsByName) {
  TReceiver receiver;
  WarningCatcher warnings;
  // "Button" is a prefix of "Button_2": the handler must still find Button_2.
  const auto form = LoadBody(R"(
  <property name="geometry"><rect><x>0</x><y>0</y><width>300</width><height>40</height></rect></property>
  <widget class="TLoadProbe" name="Button1">
   <property name="geometry"><rect><x>0</x><y>0</y><width>100</width><height>40</height></rect></property>
   <property name="ButtonStyle"><enum>tsPush</enum></property>
  </widget>
  <widget class="TLoadProbe" name="Button">
   <property name="geometry"><rect><x>100</x><y>0</y><width>100</width><height>40</height></rect></property>
  </widget>
  <widget class="TLoadProbe" name="Button_2">
   <property name="geometry"><rect><x>200</x><y>0</y><width>100</width><height>40</height></rect></property>
  </widget>)", &receiver);
  ASSERT_TRUE(form);
  EXPECT_TRUE(warnings.Messages.isEmpty()) << warnings.Messages.join('\n').toStdString();
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

  for (const char* name : {"Button1", "Button", "Button_2"}) {
    QTest::mouseClick(form->findChild<QWidget*>(name), Qt::LeftButton);
  }
  EXPECT_EQ(receiver.Calls, QStringList({"down", "click Button1", "click Button_2"}));
}

TEST_F(FormLoaderTest, HandlersThatFitNothingAreReported) {
  const auto form = LoadBody(R"(<widget class="TLoadProbe" name="Button1"/>)");
  ASSERT_TRUE(form);
  TStrayReceiver receiver;
  WarningCatcher warnings;
  EXPECT_EQ(TFormLoader::ConnectEventsByName(form.get(), &receiver), 0);
  ASSERT_EQ(warnings.Messages.size(), 3) << warnings.Messages.join('\n').toStdString();
  EXPECT_TRUE(warnings.Messages[0].contains("on_Nobody_OnClick()") && warnings.Messages[0].contains("no object"));
  EXPECT_TRUE(warnings.Messages[1].contains("on_Button1_OnPressed()") &&
              warnings.Messages[1].contains("no signal OnPressed"));
  EXPECT_TRUE(warnings.Messages[2].contains("on_Button1_OnUp(int)") && warnings.Messages[2].contains("OnUp(QObject*)"));
}

// Each row is a mistake Qt's builder would let through or stumble over: the
// load fails, names file, line and culprit, and leaves nothing under the parent.
TEST_F(FormLoaderTest, MistakesAreReportedWithFileLineAndName) {
  struct Row {
    const char* cls;       // the widget holding the property; none for a whole element
    const char* property;  // on a line of its own
    const char* culprit;   // must be in the message, and marks the expected line
  };
  const Row rows[] = {
      {"TNoSuchControl", R"(<property name="Anything"><number>1</number></property>)", "TNoSuchControl"},
      {"TRahmen", R"(<property name="BevelOutt"><enum>bvRaised</enum></property>)", "BevelOutt"},
      {"QPushButton", R"(<property name="txt"><string>OK</string></property>)", "txt"},
      {"TRahmen", R"(<property name="BevelOut"><enum>bvSunken</enum></property>)", "bvSunken"},
      {"TRahmen", R"(<property name="BevelOut"><number>17</number></property>)", "17"},
      {"TLoadProbe", R"(<property name="Keys"><set>ssShift|ssHyper</set></property>)", "ssHyper"},
      {"TLoadProbe", R"(<property name="Keys"><set>ssShift|TShiftFlag::ssCtrl</set></property>)", "TShiftFlag::ssCtrl"},
      {"TRahmen", R"(<property name="ButtonStyle"><enum>tsPush</enum></property>)", "ButtonStyle"},  // unpublished
      {"TRahmen", R"(<property name="ColBgnd"><string>clRedish</string></property>)", "clRedish"},
      {"TRahmen", R"(<property name="ColBgnd"><cstring>clAqua</cstring></property>)", "clAqua"},  // no converter
      {"TRahmen", R"(<property name="BevWidth"><number>99999999999</number></property>)", "99999999999"},
      {"TRahmen", R"(<property name="BevWidth"><string>wide</string></property>)", "wide"},
      {"TRahmen", R"(<property name="BordLeft"><bool>yes</bool></property>)", "yes"},
      {nullptr, R"(<layout class="QDiagonalLayout" name="L1"/>)", "QDiagonalLayout"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.culprit);
    const QString element = row.cls ? QString("<widget class=\"%1\" name=\"W\">\n   %2\n  </widget>").arg(row.cls, row.property)
                                    : QString(row.property);
    const QString text = FormText("  <widget class=\"TRahmen\" name=\"Fine\"/>\n  " + element);
    const QString path = Write("bad.ui", text);
    QWidget parent;
    EXPECT_FALSE(FLoader.Load(path, &parent));
    const QString error = FLoader.ErrorString();
    EXPECT_TRUE(error.startsWith(QString("%1:%2:").arg(path).arg(LineOf(text, row.culprit)))) << error.toStdString();
    EXPECT_TRUE(error.contains(row.culprit)) << error.toStdString();
    EXPECT_FALSE(error.contains('\n')) << error.toStdString();
    EXPECT_TRUE(parent.children().isEmpty());
  }
}

TEST_F(FormLoaderTest, EveryMistakeOfAFormIsListed) {
  const QString text = FormText(R"(
  <widget class="TRahmen" name="R1"><property name="BevWidthh"><number>1</number></property></widget>
  <widget class="TRahmen" name="R2"><property name="BevelIn"><enum>bvFlat</enum></property></widget>)");
  EXPECT_FALSE(FLoader.Load(Write("two.ui", text)));
  const QStringList lines = FLoader.ErrorString().split('\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].contains(QString(":%1: class TRahmen has no property \"BevWidthh\"").arg(LineOf(text, "BevWidthh"))));
  EXPECT_TRUE(lines[1].contains(QString(":%1: \"bvFlat\"").arg(LineOf(text, "bvFlat"))));
}

TEST_F(FormLoaderTest, FactoryThatFailsLeavesNothingBehind) {
  TFormLoader::RegisterClass(TLoadProbe::staticMetaObject, [](QWidget*) -> QWidget* { return nullptr; }, "TUnbuildable");
  const QString text = FormText(R"(
  <widget class="TLoadProbe" name="Before"/>
  <widget class="TUnbuildable" name="Broken"/>
  <widget class="TLoadProbe" name="After"/>)");
  const QString path = Write("unbuildable.ui", text);
  QWidget parent;
  EXPECT_FALSE(FLoader.Load(path, &parent));
  EXPECT_TRUE(FLoader.ErrorString().startsWith(QString("%1:%2: object \"Broken\"").arg(path).arg(LineOf(text, "Broken"))))
      << FLoader.ErrorString().toStdString();
  EXPECT_TRUE(parent.children().isEmpty());
  EXPECT_EQ(Events, QStringList());  // gone before their Loaded() could run
}

TEST_F(FormLoaderTest, BrokenFilesAreReported) {
  const QString broken = FormText(R"(
  <widget class="TRahmen" name="R1">
   <property name="BevWidth"><number>2</numbr></property>
  </widget>)");
  const QString brokenPath = Write("broken.ui", broken);
  EXPECT_FALSE(FLoader.Load(brokenPath));
  EXPECT_TRUE(FLoader.ErrorString().startsWith(QString("%1:%2: malformed XML").arg(brokenPath).arg(LineOf(broken, "</numbr>"))))
      << FLoader.ErrorString().toStdString();

  const QString missing = FDir.filePath("missing.ui");
  EXPECT_FALSE(FLoader.Load(missing));
  EXPECT_TRUE(FLoader.ErrorString().startsWith(missing + ": cannot open the form: no such file"));

  const QString page = Write("page.ui", "<html>\n<body/>\n</html>\n");
  EXPECT_FALSE(FLoader.Load(page));
  EXPECT_TRUE(FLoader.ErrorString().startsWith(page + ":1: not a form")) << FLoader.ErrorString().toStdString();

  // A good load clears the last error.
  EXPECT_TRUE(LoadBody(R"(<widget class="TRahmen" name="R1"/>)"));
  EXPECT_TRUE(FLoader.ErrorString().isEmpty());
}

}  // namespace FormTest

#include "test_formloader.moc"
