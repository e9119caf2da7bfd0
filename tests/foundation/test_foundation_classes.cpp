// The foundation's classes in stored forms: the frame control with its
// button properties, and the smart timer as a non-visual component.
#include "foundation/foundation_classes.h"
#include "foundation/rahmen.h"
#include "foundation/smarttimer.h"
#include "foundation/tickregistry.h"
#include "host/formloader.h"

#include "formtest.h"

#include <gtest/gtest.h>

#include <QPointer>

using namespace Veltor;

namespace FoundationFormTest {

// The frame control as descendants publish it.
class TButtonFrame : public TRahmen {
  Q_OBJECT
  Q_PROPERTY(Veltor::FoundationEnums::TTastStyle ButtonStyle READ ButtonStyle WRITE SetButtonStyle)
  Q_PROPERTY(bool Status READ Status WRITE SetStatus)
 public:
  using TRahmen::TRahmen;
};

class TTimerForm : public QObject {
  Q_OBJECT
 public:
  QList<bool> Ticks;
 public slots:
  void on_SmartTimer_TimerEvent(QObject* Sender, bool BlinkHigh) {
    EXPECT_EQ(Sender->objectName(), "SmartTimer");
    Ticks << BlinkHigh;
  }
};

class FoundationClassesTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    RegisterFoundationClasses();
    TFormLoader::RegisterClass<TButtonFrame>("TButtonFrame");
  }
  VeltorTest::FormFiles FFiles;
};

TEST_F(FoundationClassesTest, FrameTakesItsRingsAndAStoredButtonState) {
  const auto form = FFiles.LoadBody(R"(
  <widget class="TRahmen" name="Plain">
   <property name="BevelIn"><enum>bvRaised</enum></property>
   <property name="BevWidth"><number>4</number></property>
   <property name="BordLeft"><bool>false</bool></property>
   <property name="ColBgnd"><string>clAqua</string></property>
  </widget>
  <widget class="TButtonFrame" name="Push">
   <property name="ButtonStyle"><enum>tsPush</enum></property>
   <property name="Status"><bool>true</bool></property>
  </widget>)");
  ASSERT_TRUE(form);
  auto* plain = form->findChild<TRahmen*>("Plain");
  ASSERT_TRUE(plain);
  EXPECT_EQ(plain->BevelIn(), bvRaised);
  EXPECT_EQ(plain->BevWidth(), 4);
  EXPECT_FALSE(plain->BordLeft());
  EXPECT_EQ(plain->ColBgnd(), clAqua);

  // A push button takes a stored Status only while loading; at run time the
  // same call is ignored.
  auto* push = form->findChild<TButtonFrame*>("Push");
  ASSERT_TRUE(push);
  EXPECT_EQ(push->ButtonStyle(), tsPush);
  EXPECT_TRUE(push->Status());
  push->SetStatus(false);
  EXPECT_TRUE(push->Status());

  // The plain frame keeps its button properties to itself.
  const QString text = VeltorTest::FormText(R"(
  <widget class="TRahmen" name="R1">
   <property name="ButtonStyle"><enum>tsPush</enum></property>
  </widget>)");
  EXPECT_FALSE(FFiles.Loader.Load(FFiles.Write("unpublished.ui", text)));
  EXPECT_TRUE(
      FFiles.Loader.ErrorString().contains(QString(":%1: class TRahmen does not publish property \"ButtonStyle\"")
                                               .arg(VeltorTest::LineOf(text, "ButtonStyle"))))
      << FFiles.Loader.ErrorString().toStdString();
}

// The smart timer of a demo form: stored period, mode and cycles, its event
// bound by name, and running on the shared tick once loaded.
TEST_F(FoundationClassesTest, SmartTimerRunsFromAStoredForm) {
  TTimerForm receiver;
  auto form = FFiles.LoadBody(R"(
  <widget class="TRahmen" name="Panel"/>
  <widget class="TSmartTimer" name="SmartTimer">
   <property name="geometry"><rect><x>300</x><y>8</y><width>28</width><height>28</height></rect></property>
   <property name="Time"><number>110</number></property>
   <property name="Cycles"><number>2</number></property>
   <property name="TimerMode"><enum>tmIterate</enum></property>
  </widget>)",
                              &receiver);
  ASSERT_TRUE(form);
  auto* timer = form->findChild<TSmartTimer*>("SmartTimer");
  ASSERT_TRUE(timer);
  EXPECT_EQ(timer->parent(), form.get());
  EXPECT_EQ(timer->Time(), 110);
  EXPECT_EQ(timer->TimerMode(), TSmartTimer::tmIterate);
  EXPECT_GE(timer->TimerId(), 0);

  // 110 ms are two ticks; two cycles, then the timer stops by itself.
  for (int i = 0; i < 8; ++i) TimerTick();
  EXPECT_EQ(receiver.Ticks.size(), 2);
  EXPECT_EQ(timer->TimerMode(), TSmartTimer::tmStopped);
  EXPECT_EQ(timer->Cycles(), 0);

  // The form owns it.
  QPointer<TSmartTimer> watch(timer);
  form.reset();
  EXPECT_TRUE(watch.isNull());
}

}  // namespace FoundationFormTest

#include "test_foundation_classes.moc"
