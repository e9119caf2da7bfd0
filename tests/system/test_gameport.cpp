// The game port on SDL virtual joysticks: capture, the events of both
// sticks, and a port without joysticks.
#include "system/gameport.h"
#include "system/system_classes.h"

#include "foundation/tickregistry.h"

#include "formtest.h"
#include "sdltest.h"

#include <gtest/gtest.h>

#include <utility>

using namespace Veltor;
using VeltorTest::VirtualStick;

namespace {

// Every event of a port as one line, in order.
struct EventLog {
  explicit EventLog(TGamePort& port) {
    const auto move = [this](QString s) {
      return [this, s](QObject*, int x, int y, int z, int b) { Lines << Line(s + " move", x, y, z, b); };
    };
    const auto button = [this](QString s) {
      return [this, s](QObject*, int x, int y, int z, int b, int c) {
        Lines << Line(s, x, y, z, b) + " c" + QString::number(c);
      };
    };
    QObject::connect(&port, &TGamePort::OnJoy1Move, move("1"));
    QObject::connect(&port, &TGamePort::OnJoy2Move, move("2"));
    QObject::connect(&port, &TGamePort::OnJoy1ButtonDown, button("1 down"));
    QObject::connect(&port, &TGamePort::OnJoy2ButtonDown, button("2 down"));
    QObject::connect(&port, &TGamePort::OnJoy1ButtonUp, button("1 up"));
    QObject::connect(&port, &TGamePort::OnJoy2ButtonUp, button("2 up"));
  }
  static QString Line(const QString& what, int x, int y, int z, int b) {
    return QStringLiteral("%1 %2,%3,%4 b%5").arg(what).arg(x).arg(y).arg(z).arg(b);
  }
  // The lines since the last call.
  QStringList Take() { return std::exchange(Lines, {}); }
  QStringList Lines;
};

}  // namespace

TEST(GamePort, WithoutJoysticksNothingAnswersAndNothingArrives) {
  VeltorTest::SdlSandbox sandbox;
  TGamePort port;
  EventLog log(port);
  EXPECT_FALSE(port.Enabled());
  EXPECT_EQ(port.UseDevice(), TUseDevice());
  EXPECT_FALSE(port.PortOk());

  port.SetUseDevice(udJoystick1 | udJoystick2);
  EXPECT_EQ(port.UseDevice(), TUseDevice());
  port.SetEnabled(true);
  EXPECT_TRUE(port.Enabled());
  EXPECT_FALSE(port.StickOk1());
  EXPECT_FALSE(port.StickOk2());
  EXPECT_EQ(port.DeviceCount(), 0);
  for (int i = 0; i < 5; ++i) TimerTick();
  EXPECT_TRUE(log.Take().isEmpty());
  // Stored values of the read-only flags change nothing.
  port.setProperty("PortOk", true);
  port.setProperty("StickOk1", true);
  EXPECT_FALSE(port.PortOk());
  EXPECT_FALSE(port.StickOk1());
}

TEST(GamePort, BothSticksReportMovesAndButtonsAsTheirOwnEvents) {
  VeltorTest::SdlSandbox sandbox;
  VirtualStick one, two;
  ASSERT_TRUE(one.Ok() && two.Ok());
  TGamePort port;
  EventLog log(port);
  EXPECT_TRUE(port.PortOk());
  port.SetUseDevice(udJoystick1 | udJoystick2);
  EXPECT_EQ(port.UseDevice(), udJoystick1 | udJoystick2);
  EXPECT_TRUE(port.StickOk1());
  EXPECT_TRUE(port.StickOk2());
  port.SetEnabled(true);
  EXPECT_EQ(port.DeviceCount(), 2);
  EXPECT_TRUE(port.Captured(1) && port.Captured(2));

  one.SetAxis(0, 40000);
  one.SetAxis(1, 1000);
  TimerTick();
  EXPECT_EQ(log.Take(), QStringList{"1 move 40000,1000,0 b0"});
  EXPECT_EQ(port.Stick(1).DX(), 40000);

  two.SetAxis(0, 65535);
  TimerTick();
  two.SetAxis(2, 12345);
  TimerTick();
  EXPECT_EQ(log.Take(), (QStringList{"2 move 65535,0,0 b0", "2 move 65535,0,12345 b0"}));

  two.SetButton(1, true);
  TimerTick();
  two.SetButton(3, true);
  TimerTick();
  two.SetButton(1, false);
  TimerTick();
  EXPECT_EQ(log.Take(),
            (QStringList{"2 down 65535,0,12345 b2 c1", "2 down 65535,0,12345 b10 c3", "2 up 65535,0,12345 b8 c1"}));
  // Stick 1 kept its own position.
  one.SetButton(0, true);
  TimerTick();
  EXPECT_EQ(log.Take(), QStringList{"1 down 40000,1000,0 b1 c0"});

  // Released: changes give no events any more.
  port.SetEnabled(false);
  EXPECT_FALSE(port.Captured(1) || port.Captured(2));
  one.SetButton(0, false);
  two.SetAxis(0, 5);
  for (int i = 0; i < 3; ++i) TimerTick();
  EXPECT_TRUE(log.Take().isEmpty());
  EXPECT_TRUE(port.StickOk1());
}

TEST(GamePort, OnlyTheSticksThatAnswerAreUsedAndShortPressesAreKept) {
  VeltorTest::SdlSandbox sandbox;
  VirtualStick one;
  ASSERT_TRUE(one.Ok());
  TGamePort port;
  EventLog log(port);
  port.SetUseDevice(udJoystick1 | udJoystick2);
  EXPECT_EQ(port.UseDevice(), TUseDevice(udJoystick1));
  EXPECT_TRUE(port.StickOk1());
  EXPECT_FALSE(port.StickOk2());

  // A press and release the driver saw between two polls.
  port.SetEnabled(true);
  one.SetButton(2, true);
  VirtualStick::DriverUpdate();
  one.SetButton(2, false);
  VirtualStick::DriverUpdate();
  TimerTick();
  EXPECT_EQ(log.Take(), (QStringList{"1 down 0,0,0 b4 c2", "1 up 0,0,0 b0 c2"}));
  TimerTick();
  EXPECT_TRUE(log.Take().isEmpty());

  // Enabling with no sticks in use captures nothing but counts the devices.
  TGamePort none;
  none.SetEnabled(true);
  EXPECT_EQ(none.DeviceCount(), 1);
  EXPECT_FALSE(none.Captured(1));
  EXPECT_FALSE(none.StickOk1());

  // At design time enabling only tries the capture.
  TGamePort designed;
  designed.SetComponentState(csDesigning);
  designed.SetUseDevice(udJoystick2);
  EXPECT_EQ(designed.UseDevice(), TUseDevice(udJoystick2));
  designed.SetUseDevice(udJoystick1);
  designed.SetEnabled(true);
  EXPECT_TRUE(designed.StickOk1());
  EXPECT_FALSE(designed.Captured(1));
}

namespace GamePortFormTest {

class TStickForm : public QObject {
  Q_OBJECT
 public:
  QList<int> Buttons;
 public slots:
  void on_Sticks_OnJoy1ButtonDown(QObject*, int, int, int, int Button, int) { Buttons << Button; }
};

TEST(GamePort, AStoredFormEnablesThePortAfterChoosingTheSticks) {
  RegisterSystemClasses();
  VeltorTest::SdlSandbox sandbox;
  VirtualStick one;
  ASSERT_TRUE(one.Ok());
  TStickForm receiver;
  VeltorTest::FormFiles files;
  const auto form = files.LoadBody(R"(
  <widget class="TGamePort" name="Sticks">
   <property name="Enabled"><bool>true</bool></property>
   <property name="UseDevice"><set>udJoystick1</set></property>
  </widget>)",
                                   &receiver);
  ASSERT_TRUE(form);
  auto* port = form->findChild<TGamePort*>("Sticks");
  ASSERT_TRUE(port);
  EXPECT_TRUE(port->Enabled());
  EXPECT_TRUE(port->Captured(1));
  one.SetButton(3, true);
  TimerTick();
  EXPECT_EQ(receiver.Buttons, QList<int>{8});
}

}  // namespace GamePortFormTest

#include "test_gameport.moc"
