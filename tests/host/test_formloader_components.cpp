// The form loader with what Designer cannot place by itself: non-visual
// components standing in as widgets, and property groups stored as dotted
// fields of their owner.
#include "host/component.h"
#include "host/control.h"
#include "host/formloader.h"
#include "test_enums.h"

#include "formtest.h"

#include <gtest/gtest.h>

#include <QMetaProperty>

using namespace Veltor;
using VeltorTest::FormText;
using VeltorTest::LineOf;

namespace ComponentTest {

// What the test classes saw, in order: "<object>.<what>", with " loading"
// added while loading.
QStringList Events;

QString LoadingNote(TComponentState state) {
  return state.testFlag(csLoading) ? QStringLiteral(" loading") : QString();
}

// A non-visual component with an event and values of several kinds.
class TTestTicker : public TComponent {
  Q_OBJECT
  Q_PROPERTY(quint16 Period READ Period WRITE SetPeriod)
  Q_PROPERTY(TMode Mode READ Mode WRITE SetMode)
  Q_PROPERTY(QStringList Lines MEMBER Lines)
  Q_PROPERTY(Veltor::TColor Colour MEMBER Colour)
  Q_PROPERTY(QRect Area MEMBER Area)

 public:
  enum TMode { tmStopped, tmTicking };
  Q_ENUM(TMode)

  using TComponent::TComponent;
  quint16 Period() const { return FPeriod; }
  void SetPeriod(quint16 v) {
    Note("Period");
    FPeriod = v;
  }
  TMode Mode() const { return FMode; }
  void SetMode(TMode v) {
    Note("Mode");
    FMode = v;
  }
  void Tick() { emit OnTick(this, 7); }

  QStringList Lines;
  TColor Colour = clBlack;
  QRect Area;
  bool HandlerAtLoaded = false;

 signals:
  void OnTick(QObject* Sender, int Count);

 protected:
  void Loaded() override {
    Note("Loaded");
    HandlerAtLoaded = isSignalConnected(QMetaMethod::fromSignal(&TTestTicker::OnTick));
  }

 private:
  void Note(const char* what) { Events << objectName() + '.' + what + LoadingNote(ComponentState()); }
  quint16 FPeriod = 50;
  TMode FMode = tmStopped;
};

// A group of time fields.
class TTestTime : public TPersistent {
  Q_OBJECT
  Q_PROPERTY(int Hours READ Hours WRITE SetHours)
  Q_PROPERTY(int Minutes READ Minutes WRITE SetMinutes)
  Q_PROPERTY(Veltor::TestEnums::TPanelBevel Frame MEMBER Frame)
  Q_PROPERTY(QString Label MEMBER Label)
  Q_PROPERTY(int Packed READ Packed)
  Q_PROPERTY(int Secret MEMBER Secret DESIGNABLE false)

 public:
  using TPersistent::TPersistent;
  int Hours() const { return FHours; }
  void SetHours(int v);
  int Minutes() const { return FMinutes; }
  void SetMinutes(int v) { FMinutes = v; }
  int Packed() const { return FHours * 100 + FMinutes; }

  TPanelBevel Frame = bvNone;
  QString Label;
  int Secret = 0;

 private:
  int FHours = 0;
  int FMinutes = 0;
};

// A control that owns two groups, publishes them, and keeps one it never made.
class TTestClock : public TCustomControl {
  Q_OBJECT
  Q_PROPERTY(ComponentTest::TTestTime* StartTime READ StartTime)
  Q_PROPERTY(ComponentTest::TTestTime* Alarm READ Alarm)
  Q_PROPERTY(ComponentTest::TTestTime* Spare READ Spare)
  Q_PROPERTY(ComponentTest::TTestTime* Internal READ Alarm DESIGNABLE false)
  Q_PROPERTY(int MaxHours MEMBER MaxHours)

 public:
  explicit TTestClock(QWidget* parent = nullptr) : TCustomControl(parent) {}
  TTestTime* StartTime() { return &FStartTime; }
  TTestTime* Alarm() { return &FAlarm; }
  TTestTime* Spare() { return nullptr; }
  int MaxHours = 24;

 protected:
  void Loaded() override { Events << objectName() + ".Loaded" + LoadingNote(ComponentState()); }

 private:
  TTestTime FStartTime{this};
  TTestTime FAlarm{this};
};

// Hours above the owner's limit are cut, except while a form loads.
void TTestTime::SetHours(int v) {
  const auto* clock = static_cast<TTestClock*>(parent());
  Events << QStringLiteral("%1.Hours=%2 max %3%4")
                .arg(parent()->objectName())
                .arg(v)
                .arg(clock->MaxHours)
                .arg(LoadingNote(ComponentState()));
  FHours = ComponentState().testFlag(csLoading) ? v : qMin(v, clock->MaxHours);
}

class TTickReceiver : public QObject {
  Q_OBJECT
 public:
  QStringList Calls;
 public slots:
  void on_Ticker1_OnTick(QObject* Sender, int Count) {
    Calls << QStringLiteral("%1 %2").arg(Sender->objectName()).arg(Count);
  }
};

class FormComponentsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    TFormLoader::RegisterClass<TTestTicker>("TTestTicker");
    TFormLoader::RegisterClass<TTestClock>("TTestClock");
  }
  void SetUp() override { Events.clear(); }

  // Loading must fail; returns the one message.
  QString LoadError(const QString& text) {
    const QString path = FFiles.Write("bad.ui", text);
    QWidget parent;
    EXPECT_FALSE(FFiles.Loader.Load(path, &parent));
    EXPECT_TRUE(parent.children().isEmpty());
    const QString error = FFiles.Loader.ErrorString();
    EXPECT_FALSE(error.contains('\n')) << error.toStdString();
    EXPECT_TRUE(error.startsWith(path + ':')) << error.toStdString();
    return error.mid(path.size());
  }

  VeltorTest::FormFiles FFiles;
};

TEST_F(FormComponentsTest, ComponentIsMadeByTheFormWithItsStoredValues) {
  ASSERT_TRUE(TFormLoader::IsComponentClass("TTestTicker"));
  TTickReceiver receiver;
  const auto form = FFiles.LoadBody(R"(
  <layout class="QVBoxLayout" name="Column">
   <item><widget class="TTestClock" name="Clock1"/></item>
   <item><widget class="TTestTicker" name="Ticker1">
    <property name="geometry"><rect><x>400</x><y>10</y><width>28</width><height>28</height></rect></property>
    <property name="Mode"><enum>tmTicking</enum></property>
    <property name="Period"><number>1000</number></property>
    <property name="Lines"><stringlist><string>one</string><string>two</string></stringlist></property>
    <property name="Colour"><string>clRed</string></property>
   </widget></item>
   <item><widget class="QFrame" name="Panel">
    <widget class="TTestTicker" name="Ticker2"/>
   </widget></item>
  </layout>)",
                                    &receiver);
  ASSERT_TRUE(form);
  auto* ticker = form->findChild<TTestTicker*>("Ticker1");
  ASSERT_TRUE(ticker);
  EXPECT_EQ(ticker->parent(), form.get());
  EXPECT_EQ(ticker->Mode(), TTestTicker::tmTicking);
  EXPECT_EQ(ticker->Period(), 1000);
  EXPECT_EQ(ticker->Lines, QStringList({"one", "two"}));
  EXPECT_EQ(ticker->Colour, clRed);
  EXPECT_EQ(ticker->ComponentState(), TComponentState());
  // Setters in the loading state and in document order; Loaded() after the
  // whole form, in creation order, with the handler already bound.
  EXPECT_EQ(Events, QStringList({"Ticker1.Mode loading", "Ticker1.Period loading", "Clock1.Loaded", "Ticker1.Loaded",
                                 "Ticker2.Loaded"}));
  // Owned by the form wherever Designer put it.
  auto* inner = form->findChild<TTestTicker*>("Ticker2");
  ASSERT_TRUE(inner);
  EXPECT_EQ(inner->parent(), form.get());
  EXPECT_TRUE(ticker->HandlerAtLoaded);
  ticker->Tick();
  EXPECT_EQ(receiver.Calls, QStringList({"Ticker1 7"}));

  // The builder's stand-in takes no room and has no name to be found by.
  EXPECT_EQ(form->findChild<QWidget*>("Ticker1"), nullptr);
  const QList<QWidget*> children = form->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  ASSERT_EQ(children.size(), 3);
  QWidget* placeholder = children.at(1);
  EXPECT_TRUE(placeholder->objectName().isEmpty());
  EXPECT_TRUE(placeholder->isHidden());
  EXPECT_EQ(placeholder->maximumSize(), QSize(0, 0));
}

TEST_F(FormComponentsTest, RegistryMakesComponentsOwnedByTheirParent) {
  QWidget owner;
  QObject* made = TFormLoader::CreateObject("TTestTicker", &owner);
  EXPECT_TRUE(qobject_cast<TTestTicker*>(made));
  EXPECT_EQ(made->parent(), &owner);
  EXPECT_FALSE(made->isWidgetType());
}

TEST_F(FormComponentsTest, ComponentMistakesAreReportedWithTheirLine) {
  struct Row {
    const char* element;  // inside the form, after one good control
    const char* marker;   // marks the expected line
    const char* said;     // in the message
  };
  const Row rows[] = {
      {R"(<widget class="TTestTicker" name="T1">
       <property name="Perod"><number>100</number></property></widget>)",
       "Perod", "has no property \"Perod\""},
      {R"(<widget class="TTestTicker" name="T1">
       <property name="Mode"><enum>tmRunning</enum></property></widget>)",
       "tmRunning", "\"tmRunning\" is not a value of TMode"},
      {R"(<widget class="TTestTicker" name="T1">
       <property name="Period"><number>70000</number></property></widget>)",
       "70000", "out of range"},
      {R"(<widget class="TTestTicker" name="T1">
       <property name="Colour"><string>clRedish</string></property></widget>)",
       "clRedish", "not a colour"},
      {R"(<widget class="TTestTicker" name="T1">
       <property name="Area"><rect><x>1</x><y>2</y><width>3</width><height>4</height></rect></property></widget>)",
       "<rect>", "<rect> values cannot be stored"},
      {R"(<widget class="TTestTicker" name="T1">
       <property name="note" stdset="0"><string>x</string></property></widget>)",
       "note", "no dynamic property"},
      {R"(<widget class="TTestTicker" name="T1">
       <widget class="TTestClock" name="Inside"/></widget>)",
       "Inside", "cannot hold widget \"Inside\""},
      {R"(<widget class="TTestTickr" name="T1"/>)", "TTestTickr", "unknown class \"TTestTickr\""},
      {R"(<widget class="TTestTicker"/>)", "TTestTicker\"/>", "has no name"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.said);
    const QString text = FormText(QString("  <widget class=\"TTestClock\" name=\"Good\"/>\n  ") + row.element);
    const QString error = LoadError(text);
    EXPECT_TRUE(error.startsWith(QString(":%1:").arg(LineOf(text, row.marker)))) << error.toStdString();
    EXPECT_TRUE(error.contains(row.said)) << error.toStdString();
  }

  const QString alone = R"(<?xml version="1.0" encoding="UTF-8"?>
<ui version="4.0">
 <widget class="TTestTicker" name="Lonely"/>
</ui>
)";
  EXPECT_TRUE(LoadError(alone).startsWith(":3: non-visual component \"Lonely\" (TTestTicker) cannot be the form"));
}

TEST_F(FormComponentsTest, GroupFieldsGoThroughTheGroupsSettersAfterTheOwnersValues) {
  const auto form = FFiles.LoadBody(R"(
  <widget class="TTestClock" name="Clock1">
   <property name="StartTime.Hours"><number>30</number></property>
   <property name="StartTime.Frame"><enum>bvLowered</enum></property>
   <property name="Alarm.Hours"><number>7</number></property>
   <property name="MaxHours"><number>12</number></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* clock = form->findChild<TTestClock*>("Clock1");
  ASSERT_TRUE(clock);
  // Stored without the run-time cut, after MaxHours although written before it.
  EXPECT_EQ(clock->StartTime()->Hours(), 30);
  EXPECT_EQ(clock->StartTime()->Frame, bvLowered);
  EXPECT_EQ(clock->Alarm()->Hours(), 7);
  EXPECT_EQ(Events, QStringList({"Clock1.Hours=30 max 12 loading", "Clock1.Hours=7 max 12 loading", "Clock1.Loaded"}));
  EXPECT_TRUE(clock->dynamicPropertyNames().isEmpty());
  // Loading is over for the groups too.
  clock->StartTime()->SetHours(30);
  EXPECT_EQ(clock->StartTime()->Hours(), 12);
}

// Every published field of a group, written into a form from one owner and
// read back from the owner the form builds.
TEST_F(FormComponentsTest, GroupFieldsRoundTripThroughAForm) {
  TTestClock source;
  source.StartTime()->SetHours(5);
  source.StartTime()->SetMinutes(45);
  source.StartTime()->Frame = bvRaised;
  source.StartTime()->Label = QStringLiteral("Start <&> \"now\"");
  source.Alarm()->SetHours(23);
  source.Alarm()->SetMinutes(1);

  QString properties;
  int written = 0;
  for (const char* groupName : {"StartTime", "Alarm"}) {
    const QObject* group = source.property(groupName).value<QObject*>();
    ASSERT_TRUE(group);
    const QMetaObject* meta = group->metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
      const QMetaProperty field = meta->property(i);
      if (!field.isWritable() || !field.isDesignable()) continue;
      const QVariant v = field.read(group);
      QString element;
      if (field.isEnumType()) {
        element = QString("<enum>%1</enum>").arg(field.enumerator().valueToKey(v.toInt()));
      } else if (v.metaType() == QMetaType::fromType<QString>()) {
        element = QString("<string>%1</string>").arg(v.toString().toHtmlEscaped());
      } else {
        element = QString("<number>%1</number>").arg(v.toInt());
      }
      properties += QString("   <property name=\"%1.%2\">%3</property>\n").arg(groupName, field.name(), element);
      ++written;
    }
  }
  EXPECT_EQ(written, 8);  // Hours, Minutes, Frame, Label of each; not Packed or Secret
  const auto form = FFiles.LoadBody("  <widget class=\"TTestClock\" name=\"Copy\">\n" + properties + "  </widget>");
  ASSERT_TRUE(form);
  auto* copy = form->findChild<TTestClock*>("Copy");
  ASSERT_TRUE(copy);
  for (TTestTime* (TTestClock::*group)() : {&TTestClock::StartTime, &TTestClock::Alarm}) {
    const TTestTime* a = (source.*group)();
    const TTestTime* b = (copy->*group)();
    EXPECT_EQ(b->Hours(), a->Hours());
    EXPECT_EQ(b->Minutes(), a->Minutes());
    EXPECT_EQ(b->Frame, a->Frame);
    EXPECT_EQ(b->Label, a->Label);
  }
}

TEST_F(FormComponentsTest, GroupMistakesAreReportedWithTheirLine) {
  struct Row {
    const char* property;
    const char* said;
  };
  const Row rows[] = {
      {R"(<property name="StartTime.Hour"><number>1</number></property>)",
       "property group TTestTime has no field \"Hour\""},
      {R"(<property name="StartTme.Hours"><number>1</number></property>)",
       "class TTestClock has no property group \"StartTme\""},
      {R"(<property name="MaxHours.Hours"><number>1</number></property>)",
       "\"MaxHours\" of class TTestClock is not a property group"},
      {R"(<property name="Internal.Hours"><number>1</number></property>)",
       "does not publish property group \"Internal\""},
      {R"(<property name="StartTime.Packed"><number>1</number></property>)",
       "not a published field of property group TTestTime"},
      {R"(<property name="StartTime.Secret"><number>1</number></property>)",
       "not a published field of property group TTestTime"},
      {R"(<property name="StartTime.Frame"><enum>bvSunken</enum></property>)",
       "\"bvSunken\" is not a value of TPanelBevel"},
      {R"(<property name="StartTime.Hours"><string>five</string></property>)", "\"five\" (<string>) cannot be stored"},
      {R"(<property name="StartTime."><number>1</number></property>)", "has no field \"\""},
      {R"(<property name="StartTime"><number>1</number></property>)", "is read-only in class TTestClock"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.said);
    const QString text = FormText(QString("  <widget class=\"TTestClock\" name=\"C1\">\n"
                                          "   <property name=\"MaxHours\"><number>9</number></property>\n"
                                          "   %1\n  </widget>")
                                      .arg(row.property));
    const QString error = LoadError(text);
    EXPECT_TRUE(error.startsWith(QString(":%1:").arg(LineOf(text, row.property)))) << error.toStdString();
    EXPECT_TRUE(error.contains(row.said)) << error.toStdString();
  }
}

// A group the owner publishes but does not have is only found out while
// building; the form is dropped all the same.
TEST_F(FormComponentsTest, MissingGroupFailsTheLoad) {
  const QString text = FormText(R"(
  <widget class="TTestClock" name="C1">
   <property name="Spare.Hours"><number>1</number></property>
  </widget>)");
  const QString error = LoadError(text);
  EXPECT_TRUE(error.startsWith(QString(":%1: ").arg(LineOf(text, "Spare")))) << error.toStdString();
  EXPECT_TRUE(error.contains("group \"Spare\" does not exist")) << error.toStdString();
  EXPECT_EQ(Events, QStringList());
}

}  // namespace ComponentTest

#include "test_formloader_components.moc"
