// The form loader with controls: registry, stored values through the
// setters, events bound by name, and mistakes reported with file and line.
#include "host/control.h"
#include "host/formloader.h"
#include "test_enums.h"

#include "formtest.h"

#include <gtest/gtest.h>

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Veltor;
using VeltorTest::FormText;
using VeltorTest::LineOf;
using VeltorTest::WarningCatcher;

namespace FormTest {

// What the probes saw, in order: "<object>.<what>", with " loading" added
// while the object was in the csLoading state.
QStringList Events;

// A control with published properties of every kind the loader handles, one
// it keeps unpublished, and the events of a button.
class TLoadProbe : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(Veltor::TestEnums::TPanelBevel Bevel READ Bevel WRITE SetBevel)
  Q_PROPERTY(Veltor::TestEnums::TTastStyle Style READ Style WRITE SetStyle)
  Q_PROPERTY(int Depth MEMBER Depth)
  Q_PROPERTY(bool Lit READ Lit WRITE SetLit)
  Q_PROPERTY(Veltor::TColor ColBgnd MEMBER ColBgnd)
  Q_PROPERTY(QStringList Items MEMBER Items)
  Q_PROPERTY(Veltor::TShiftState Keys MEMBER Keys)
  Q_PROPERTY(Veltor::TestEnums::TTastStyle Hidden MEMBER Hidden DESIGNABLE false)

 public:
  using TCustomControl::TCustomControl;
  TPanelBevel Bevel() const { return FBevel; }
  void SetBevel(TPanelBevel v) {
    Note("Bevel");
    FBevel = v;
  }
  TTastStyle Style() const { return FStyle; }
  void SetStyle(TTastStyle v) {
    Note("Style");
    FStyle = v;
  }
  bool Lit() const { return FLit; }
  void SetLit(bool v) {
    Note("Lit");
    FLit = v;
  }

  int Depth = 1;
  TColor ColBgnd = clBtnFace;
  QStringList Items;
  TShiftState Keys;
  TTastStyle Hidden = tsNone;

 signals:
  void OnClick(QObject* Sender);
  void OnDown(QObject* Sender);
  void OnUp(QObject* Sender);

 protected:
  void Loaded() override { Note("Loaded"); }
  void MouseDown(TMouseButton, TShiftState, int, int) override {
    if (FStyle != tsNone) emit OnDown(this);
  }
  void MouseUp(TMouseButton, TShiftState, int, int) override { emit OnClick(this); }

 private:
  void Note(const char* what) {
    Events << objectName() + '.' + what + (ComponentState().testFlag(csLoading) ? " loading" : "");
  }
  TPanelBevel FBevel = bvRaised;
  TTastStyle FStyle = tsNone;
  bool FLit = false;
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

class FormLoaderTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { TFormLoader::RegisterClass<TLoadProbe>("TLoadProbe"); }
  void SetUp() override { Events.clear(); }

  VeltorTest::FormFiles FFiles;
  TFormLoader& FLoader = FFiles.Loader;
};

TEST_F(FormLoaderTest, RegistryNamesClassesWithoutTheNamespace) {
  EXPECT_EQ(TFormLoader::RegisteredClass("TLoadProbe"), &TLoadProbe::staticMetaObject);
  EXPECT_EQ(TFormLoader::RegisteredClass("QPushButton"), nullptr);
  TFormLoader::RegisterClass<TLoadProbe>("Veltor::TProbeAlias");
  EXPECT_EQ(TFormLoader::RegisteredClass("TProbeAlias"), &TLoadProbe::staticMetaObject);
  EXPECT_EQ(TFormLoader::RegisteredClass("Veltor::TProbeAlias"), &TLoadProbe::staticMetaObject);

  // Registering again is harmless; another class cannot take a used name.
  TFormLoader::RegisterClass<TLoadProbe>("TLoadProbe");
  EXPECT_EQ(TFormLoader::RegisteredClasses().count("TLoadProbe"), 1);
  WarningCatcher warnings;
  TFormLoader::RegisterClass<TCustomControl>("TLoadProbe");
  EXPECT_EQ(TFormLoader::RegisteredClass("TLoadProbe"), &TLoadProbe::staticMetaObject);
  ASSERT_EQ(warnings.Messages.size(), 1);
  EXPECT_TRUE(warnings.Messages[0].contains("TLoadProbe"));

  // The registry makes what it lists.
  QWidget parent;
  QObject* made = TFormLoader::CreateObject("TLoadProbe", &parent);
  EXPECT_TRUE(qobject_cast<TLoadProbe*>(made));
  EXPECT_EQ(made->parent(), &parent);
  EXPECT_EQ(TFormLoader::CreateObject("TNoSuchClass", &parent), nullptr);
  EXPECT_FALSE(TFormLoader::IsComponentClass("TLoadProbe"));
}

TEST_F(FormLoaderTest, StoredValuesGoThroughTheSettersWhileLoading) {
  const auto form = FFiles.LoadBody(R"(
  <widget class="TLoadProbe" name="P1">
   <property name="geometry"><rect><x>10</x><y>20</y><width>120</width><height>40</height></rect></property>
   <property name="Bevel"><enum>bvLowered</enum></property>
   <property name="Depth"><number>4</number></property>
   <property name="Style"><enum>tsPush</enum></property>
   <property name="Lit"><bool>true</bool></property>
   <property name="Hint"><string>Main switch</string></property>
   <property name="Items"><stringlist><string>Off|0</string><string>On|1</string></stringlist></property>
   <property name="Keys"><set>ssShift|ssCtrl</set></property>
  </widget>
  <widget class="TLoadProbe" name="P2">
   <property name="Style"><enum>tsPushPull</enum></property>
  </widget>)");
  ASSERT_TRUE(form);
  // Every setter ran in the loading state; Loaded() came once per component,
  // after the whole form, in creation order.
  EXPECT_EQ(Events, QStringList({"P1.Bevel loading", "P1.Style loading", "P1.Lit loading", "P2.Style loading",
                                 "P1.Loaded", "P2.Loaded"}));
  auto* p1 = form->findChild<TLoadProbe*>("P1");
  ASSERT_TRUE(p1);
  EXPECT_EQ(p1->ComponentState(), TComponentState());
  EXPECT_EQ(p1->parentWidget(), form.get());
  EXPECT_EQ(p1->geometry(), QRect(10, 20, 120, 40));
  EXPECT_EQ(p1->Bevel(), bvLowered);
  EXPECT_EQ(p1->Depth, 4);
  EXPECT_EQ(p1->Style(), tsPush);
  EXPECT_TRUE(p1->Lit());
  EXPECT_EQ(p1->Hint(), "Main switch");
  EXPECT_EQ(p1->Items, QStringList({"Off|0", "On|1"}));
  EXPECT_EQ(p1->Keys, TShiftState(ssShift | ssCtrl));
  EXPECT_TRUE(p1->dynamicPropertyNames().isEmpty());
}

TEST_F(FormLoaderTest, ColoursAndEnumerationKeysArriveInEverySpelling) {
  const std::pair<const char*, TColor> colours[] = {
      {"<string>clRed</string>", clRed},
      {"<string>$00FF00</string>", clLime},
      {"<string>16711680</string>", clBlue},
      {"<string>clBtnFace</string>", clBtnFace},
      {"<number>255</number>", clRed},
      {"<uInt>2147483663</uInt>", clBtnFace},
      {"<color><red>255</red><green>255</green><blue>0</blue></color>", clYellow}};
  const char* bevels[] = {"bvLowered", "Veltor::bvLowered", "TPanelBevel::bvLowered", "Veltor::TPanelBevel::bvLowered"};
  QString body;
  for (size_t i = 0; i < std::size(colours); ++i) {
    body += QString("<widget class=\"TLoadProbe\" name=\"C%1\"><property name=\"ColBgnd\">%2</property></widget>\n")
                .arg(i)
                .arg(colours[i].first);
  }
  for (size_t i = 0; i < std::size(bevels); ++i) {
    body +=
        QString(
            "<widget class=\"TLoadProbe\" name=\"B%1\"><property name=\"Bevel\"><enum>%2</enum></property></widget>\n")
            .arg(i)
            .arg(bevels[i]);
  }
  const auto form = FFiles.LoadBody(body);
  ASSERT_TRUE(form);
  for (size_t i = 0; i < std::size(colours); ++i) {
    SCOPED_TRACE(colours[i].first);
    EXPECT_EQ(form->findChild<TLoadProbe*>(QString("C%1").arg(i))->ColBgnd.Value(), colours[i].second.Value());
  }
  for (size_t i = 0; i < std::size(bevels); ++i) {
    SCOPED_TRACE(bevels[i]);
    EXPECT_EQ(form->findChild<TLoadProbe*>(QString("B%1").arg(i))->Bevel(), bvLowered);
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
   <item><widget class="Veltor::TLoadProbe" name="Panel">
     <property name="Bevel"><enum>bvLowered</enum></property></widget></item>
   <item><spacer name="verticalSpacer">
     <property name="sizeHint" stdset="0"><size><width>20</width><height>40</height></size></property></spacer></item>
   <item><widget class="QPushButton" name="OkButton">
     <property name="text"><string>OK</string></property>
     <property name="role" stdset="0"><string>accept</string></property></widget></item>
  </layout>
 </widget>
 <customwidgets>
  <customwidget><class>Veltor::TLoadProbe</class><extends>QWidget</extends><header>probe.h</header></customwidget>
 </customwidgets>
 <connections/>
</ui>
)";
  const auto form = FFiles.Load(text);
  ASSERT_TRUE(form);
  EXPECT_TRUE(qobject_cast<QDialog*>(form.get()));
  EXPECT_EQ(form->windowTitle(), "Setup");
  auto* label = form->findChild<QLabel*>("NameLabel");
  auto* button = form->findChild<QPushButton*>("OkButton");
  auto* separator = form->findChild<QFrame*>("Separator");
  auto* panel = form->findChild<TLoadProbe*>("Panel");
  ASSERT_TRUE(label && button && separator && panel);
  EXPECT_EQ(label->buddy(), button);
  EXPECT_EQ(label->alignment(), Qt::AlignRight | Qt::AlignVCenter);
  EXPECT_EQ(separator->frameShape(), QFrame::HLine);
  EXPECT_EQ(panel->Bevel(), bvLowered);
  EXPECT_EQ(button->property("role").toString(), "accept");
}

TEST_F(FormLoaderTest, EventsAreBoundToTheReceiversSlotsByName) {
  TReceiver receiver;
  WarningCatcher warnings;
  // "Button" is a prefix of "Button_2": the handler must still find Button_2.
  const auto form = FFiles.LoadBody(R"(
  <property name="geometry"><rect><x>0</x><y>0</y><width>300</width><height>40</height></rect></property>
  <widget class="TLoadProbe" name="Button1">
   <property name="geometry"><rect><x>0</x><y>0</y><width>100</width><height>40</height></rect></property>
   <property name="Style"><enum>tsPush</enum></property>
  </widget>
  <widget class="TLoadProbe" name="Button">
   <property name="geometry"><rect><x>100</x><y>0</y><width>100</width><height>40</height></rect></property>
  </widget>
  <widget class="TLoadProbe" name="Button_2">
   <property name="geometry"><rect><x>200</x><y>0</y><width>100</width><height>40</height></rect></property>
  </widget>)",
                                    &receiver);
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
  const auto form = FFiles.LoadBody(R"(<widget class="TLoadProbe" name="Button1"/>)");
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
    const char* culprit;   // marks the expected line, and is in the message unless said is given
    const char* said = nullptr;
  };
  const Row rows[] = {
      {"TNoSuchControl", R"(<property name="Anything"><number>1</number></property>)", "TNoSuchControl"},
      {"TLoadProbe", R"(<property name="Bevell"><enum>bvRaised</enum></property>)", "Bevell"},
      {"QPushButton", R"(<property name="txt"><string>OK</string></property>)", "txt"},
      {"TLoadProbe", R"(<property name="Bevel"><enum>bvSunken</enum></property>)", "bvSunken"},
      {"TLoadProbe", R"(<property name="Bevel"><number>17</number></property>)", "17"},
      {"TLoadProbe", R"(<property name="Bevel"><string>bvRaised</string></property>)", "Bevel"},
      {"TLoadProbe", R"(<property name="Depth"><enum>bvRaised</enum></property>)", "Depth"},
      {"TLoadProbe", R"(<property name="Keys"><set>ssShift|ssHyper</set></property>)", "ssHyper"},
      {"TLoadProbe", R"(<property name="Keys"><set>ssShift|TShiftFlag::ssCtrl</set></property>)", "TShiftFlag::ssCtrl"},
      {"TLoadProbe", R"(<property name="Hidden"><enum>tsPush</enum></property>)", "Hidden"},  // unpublished
      {"TLoadProbe", R"(<property name="ColBgnd"><string>clRedish</string></property>)", "clRedish"},
      {"TLoadProbe", R"(<property name="ColBgnd"><cstring>clAqua</cstring></property>)", "clAqua"},  // no converter
      {"TLoadProbe", R"(<property name="Depth"><number>99999999999</number></property>)", "99999999999"},
      {"TLoadProbe", R"(<property name="Depth"><string>wide</string></property>)", "wide"},
      {"TLoadProbe", R"(<property name="Lit"><bool>yes</bool></property>)", "yes"},
      {"TLoadProbe", R"(<property name="Lit"/>)", "Lit"},
      {"QLabel", R"(<property name="alignment"><set>Qt::AlignRight|Qt::AlignMiddle</set></property>)", "AlignMiddle"},
      {nullptr, R"(<layout class="QDiagonalLayout" name="L1"/>)", "QDiagonalLayout"},
      {nullptr, R"(<widget class="TLoadProbe" name="Fine"/>)", "name=\"Fine\"/>", "\"Fine\" is used twice"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.culprit);
    const QString element =
        row.cls ? QString("<widget class=\"%1\" name=\"W\">\n   %2\n  </widget>").arg(row.cls, row.property)
                : QString(row.property);
    const QString text = FormText("  <widget class=\"TLoadProbe\" name=\"Fine\"></widget>\n  " + element);
    const QString path = FFiles.Write("bad.ui", text);
    QWidget parent;
    EXPECT_FALSE(FLoader.Load(path, &parent));
    const QString error = FLoader.ErrorString();
    EXPECT_TRUE(error.startsWith(QString("%1:%2:").arg(path).arg(LineOf(text, row.culprit)))) << error.toStdString();
    EXPECT_TRUE(error.contains(row.said ? row.said : row.culprit)) << error.toStdString();
    EXPECT_FALSE(error.contains('\n')) << error.toStdString();
    EXPECT_TRUE(parent.children().isEmpty());
  }
}

TEST_F(FormLoaderTest, EveryMistakeOfAFormIsListed) {
  const QString text = FormText(R"(
  <widget class="TLoadProbe" name="R1"><property name="Depthh"><number>1</number></property></widget>
  <widget class="TLoadProbe" name="R2"><property name="Bevel"><enum>bvFlat</enum></property></widget>)");
  EXPECT_FALSE(FLoader.Load(FFiles.Write("two.ui", text)));
  const QStringList lines = FLoader.ErrorString().split('\n');
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(
      lines[0].contains(QString(":%1: class TLoadProbe has no property \"Depthh\"").arg(LineOf(text, "Depthh"))));
  EXPECT_TRUE(lines[1].contains(QString(":%1: \"bvFlat\"").arg(LineOf(text, "bvFlat"))));
}

TEST_F(FormLoaderTest, FactoryThatFailsLeavesNothingBehind) {
  TFormLoader::RegisterClass(
      TLoadProbe::staticMetaObject, [](QWidget*) -> QWidget* { return nullptr; }, "TUnbuildable");
  const QString text = FormText(R"(
  <widget class="TLoadProbe" name="Before"/>
  <widget class="TUnbuildable" name="Broken"/>
  <widget class="TLoadProbe" name="After"/>)");
  const QString path = FFiles.Write("unbuildable.ui", text);
  QWidget parent;
  EXPECT_FALSE(FLoader.Load(path, &parent));
  EXPECT_TRUE(
      FLoader.ErrorString().startsWith(QString("%1:%2: object \"Broken\"").arg(path).arg(LineOf(text, "Broken"))))
      << FLoader.ErrorString().toStdString();
  EXPECT_TRUE(parent.children().isEmpty());
  EXPECT_EQ(Events, QStringList());  // gone before their Loaded() could run
}

TEST_F(FormLoaderTest, BrokenFilesAreReported) {
  const QString broken = FormText(R"(
  <widget class="TLoadProbe" name="R1">
   <property name="Depth"><number>2</numbr></property>
  </widget>)");
  const QString brokenPath = FFiles.Write("broken.ui", broken);
  EXPECT_FALSE(FLoader.Load(brokenPath));
  EXPECT_TRUE(
      FLoader.ErrorString().startsWith(QString("%1:%2: malformed XML").arg(brokenPath).arg(LineOf(broken, "</numbr>"))))
      << FLoader.ErrorString().toStdString();

  const QString missing = FFiles.Path("missing.ui");
  EXPECT_FALSE(FLoader.Load(missing));
  EXPECT_TRUE(FLoader.ErrorString().startsWith(missing + ": cannot open the form: no such file"));

  const QString page = FFiles.Write("page.ui", "<html>\n<body/>\n</html>\n");
  EXPECT_FALSE(FLoader.Load(page));
  EXPECT_TRUE(FLoader.ErrorString().startsWith(page + ":1: not a form")) << FLoader.ErrorString().toStdString();

  // A good load clears the last error.
  EXPECT_TRUE(FFiles.LoadBody(R"(<widget class="TLoadProbe" name="R1"/>)"));
  EXPECT_TRUE(FLoader.ErrorString().isEmpty());
}

}  // namespace FormTest

#include "test_formloader.moc"
