// The serial port component in a stored form: its settings and its receive
// event bound by name.
#include "system/comport.h"
#include "system/system_classes.h"

#include "foundation/tickregistry.h"

#include "formtest.h"
#include "ptypair.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QThread>

using namespace Veltor;

namespace SystemFormTest {

class TPortForm : public QObject {
  Q_OBJECT
 public:
  QList<int> Counts;
 public slots:
  void on_Ports_OnCom1Rx(QObject* Sender, int RxCount) {
    EXPECT_EQ(Sender->objectName(), "Ports");
    Counts << RxCount;
    char c;
    while (qobject_cast<TComPort*>(Sender)->ReceiveChar("COM1", c)) {}
  }
};

TEST(SystemClasses, FormHoldsAPortAndBindsItsReceiveEvent) {
  RegisterSystemClasses();
  VeltorTest::PtyPair pty;
  qputenv("VELTOR_COM1", pty.SlavePath());
  TPortForm receiver;
  VeltorTest::ScriptedModalUI ui;
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TComPort" name="Ports">
   <property name="Com1Dialog"><bool>true</bool></property>
   <property name="BaudRate1"><number>230400</number></property>
   <property name="XOnOff2"><bool>true</bool></property>
   <property name="BufferLen"><number>100</number></property>
   <property name="Event3Ena"><bool>false</bool></property>
  </widget>)",
                                   &receiver);
  ASSERT_TRUE(form);
  auto* port = form->findChild<TComPort*>("Ports");
  ASSERT_TRUE(port);
  // Stored values are taken as they are, and loading shows no dialog.
  EXPECT_EQ(port->BaudRate1(), 230400);
  EXPECT_EQ(port->BufferLen(), 100);
  EXPECT_TRUE(ui.Executed.isEmpty());
  EXPECT_TRUE(port->XOnOff2());
  EXPECT_FALSE(port->Event3Ena());
  EXPECT_TRUE(port->Event1Ena());

  ASSERT_TRUE(port->OpenPort("COM1"));
  pty.Write("hello");
  QElapsedTimer clock;
  clock.start();
  while (receiver.Counts.isEmpty() && clock.elapsed() < 2000) {
    QThread::msleep(2);
    TimerTick();
  }
  ASSERT_EQ(receiver.Counts.size(), 1);
  EXPECT_EQ(receiver.Counts[0], 5);
  TimerTick();
  EXPECT_EQ(receiver.Counts.size(), 1);  // the handler read everything
  qunsetenv("VELTOR_COM1");
}

}  // namespace SystemFormTest

#include "test_system_classes.moc"
