// The serial port terminal over pseudo-terminals and a fake device, the FIFO
// copy, the system facts and the keyboard bars of the demonstration program.
#include "buttons/ledcheck.h"
#include "demodialog.h"
#include "foundation/panel.h"
#include "foundation/speedbutton.h"
#include "foundation/tickregistry.h"
#include "misc/alphabar.h"
#include "misc/fifo.h"
#include "portdemos.h"
#include "system/comport.h"
#include "system/sysinfo.h"

#include "ptypair.h"
#include "testutil.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QThread>

#include <cerrno>

using namespace Veltor;
using namespace VeltorDemo;
using VeltorTest::PtyPair;

namespace {

// COM1 and COM2 are the slaves of two pseudo-terminals, COM3 and COM4 absent.
class ComPortDemoTest : public ::testing::Test {
 protected:
  ComPortDemoTest() {
    RegisterDemoClasses();
    qputenv("VELTOR_COM1", A.SlavePath());
    qputenv("VELTOR_COM2", B.SlavePath());
    qputenv("VELTOR_COM3", "/nonexistent/port3");
    qputenv("VELTOR_COM4", "/nonexistent/port4");
    Dialog = std::make_unique<TComPortDemo>();
    Port = Dialog->findChild<TComPort*>(QStringLiteral("ComPort1"));
  }
  ~ComPortDemoTest() override {
    Dialog.reset();
    for (const char* name : {"VELTOR_COM1", "VELTOR_COM2", "VELTOR_COM3", "VELTOR_COM4"}) qunsetenv(name);
  }

  template <typename T>
  T* Get(const QString& name) const {
    T* child = Dialog->findChild<T*>(name);
    EXPECT_TRUE(child) << name.toStdString();
    return child;
  }
  void Click(const QString& ledName) {
    auto* led = Get<TLedCheck>(ledName);
    if (led->CheckMode() == lcCheckBox) led->SetChecked(!led->Checked());
    if (led->CheckMode() == lcRadioBtn) led->SetChecked(true);
    emit led->OnClick(led);
  }
  QStringList Errors(int channel) const {
    QStringList lines;
    auto* list = Get<QListWidget>(QStringLiteral("ErrorList%1").arg(channel));
    for (int i = 0; i < list->count(); ++i) lines << list->item(i)->text();
    return lines;
  }
  QString Text(const QString& name) const { return Get<QLabel>(name)->text(); }
  // Ticks until the condition holds: pty bytes travel through a kernel worker.
  static bool TickUntil(const std::function<bool()>& condition) {
    QElapsedTimer clock;
    clock.start();
    while (!condition() && clock.elapsed() < 2000) {
      QThread::msleep(1);
      TimerTick();
    }
    return condition();
  }

  VeltorTest::ScriptedModalUI Ui;
  PtyPair A, B;
  std::unique_ptr<TComPortDemo> Dialog;
  TComPort* Port = nullptr;
};

TEST_F(ComPortDemoTest, AbsentPortsAreDisabledWithAHint) {
  for (int channel : {1, 2}) {
    auto* com1 = Get<TLedCheck>(QStringLiteral("Chan%1Com1").arg(channel));
    auto* com3 = Get<TLedCheck>(QStringLiteral("Chan%1Com3").arg(channel));
    EXPECT_TRUE(com1->Enabled());
    EXPECT_FALSE(com3->Enabled());
    EXPECT_EQ(com3->CaptionCol(), clGray);
    EXPECT_TRUE(com3->Hint().contains(QStringLiteral("/nonexistent/port3")));
    // Nothing to send on before a port is chosen.
    EXPECT_FALSE(Get<TFiFo>(QStringLiteral("SendFiFo%1").arg(channel))->Enabled());
  }
  EXPECT_TRUE(Get<QLabel>(QStringLiteral("NoPortsLabel"))->isHidden());
}

TEST_F(ComPortDemoTest, TypedCharactersGoOutAndReceivedOnesAreShown) {
  Click(QStringLiteral("Chan1Com1"));
  ASSERT_EQ(Dialog->ChannelPort(1), 1);
  EXPECT_TRUE(Port->InUse(1));

  QTest::keyClicks(Get<TFiFo>(QStringLiteral("SendFiFo1")), QStringLiteral("Hi"));
  EXPECT_EQ(A.Read(2), QByteArray("Hi"));
  EXPECT_EQ(Text(QStringLiteral("TxLabel1")), QStringLiteral("Tx: 0"));
  EXPECT_TRUE(Errors(1).isEmpty());

  A.Write("ok!");
  auto* receive = Get<TFiFo>(QStringLiteral("ReceiveFiFo1"));
  EXPECT_TRUE(TickUntil([&] { return receive->Text() == QStringLiteral("ok!"); })) << receive->Text().toStdString();
  EXPECT_EQ(Text(QStringLiteral("RxLabel1")), QStringLiteral("Rx: 0"));
  EXPECT_EQ(Text(QStringLiteral("XoffHoldLabel1")), QStringLiteral("no XOFFHOLD"));
  EXPECT_EQ(Text(QStringLiteral("XoffSentLabel1")), QStringLiteral("no XOFFSENT"));
  // The other channel's field stays empty.
  EXPECT_TRUE(Get<TFiFo>(QStringLiteral("ReceiveFiFo2"))->Text().isEmpty());

  // With the receive event off, nothing is read.
  Click(QStringLiteral("EventCheck1"));
  EXPECT_FALSE(Port->EventEna(1));
  A.Write("x");
  EXPECT_TRUE(TickUntil([&] { return Port->RxCount(QStringLiteral("COM1")) == 1; }));
  for (int i = 0; i < 5; ++i) TimerTick();
  EXPECT_EQ(receive->Text(), QStringLiteral("ok!"));
  // The queue counts show what waits unread.
  QTest::keyClicks(Get<TFiFo>(QStringLiteral("SendFiFo1")), QStringLiteral("y"));
  EXPECT_EQ(Text(QStringLiteral("RxLabel1")), QStringLiteral("Rx: 1"));
  EXPECT_EQ(Text(QStringLiteral("TxLabel1")), QStringLiteral("Tx: 0"));
}

TEST_F(ComPortDemoTest, TwoChannelsTalkThroughACable) {
  Click(QStringLiteral("Chan1Com1"));
  Click(QStringLiteral("Chan2Com2"));
  ASSERT_EQ(Dialog->ChannelPort(2), 2);
  // The test is the null-modem cable between the two masters.
  QTest::keyClicks(Get<TFiFo>(QStringLiteral("SendFiFo2")), QStringLiteral("abc"));
  A.Write(B.Read(3));
  auto* receive = Get<TFiFo>(QStringLiteral("ReceiveFiFo1"));
  EXPECT_TRUE(TickUntil([&] { return receive->Text() == QStringLiteral("abc"); }));
  EXPECT_TRUE(Get<TFiFo>(QStringLiteral("ReceiveFiFo2"))->Text().isEmpty());
}

TEST_F(ComPortDemoTest, APortBelongsToOneChannelAtATime) {
  // A channel without a port cannot send.
  Get<TFiFo>(QStringLiteral("SendFiFo2"))->SetTextChar(QLatin1Char('q'));
  Dialog->on_SendFiFo2_OnChange(nullptr);
  EXPECT_EQ(Errors(2), QStringList({"Error", "not open"}));

  // Moving channel 1 from COM1 to COM2 frees COM1.
  Click(QStringLiteral("Chan1Com1"));
  Click(QStringLiteral("Chan1Com2"));
  EXPECT_EQ(Dialog->ChannelPort(1), 2);
  EXPECT_FALSE(Port->InUse(1));
  EXPECT_TRUE(Port->InUse(2));
  EXPECT_FALSE(Get<TLedCheck>(QStringLiteral("Chan1Com1"))->Checked());
  EXPECT_TRUE(Get<TLedCheck>(QStringLiteral("Chan1Com2"))->Checked());

  // Channel 2 takes the free COM1 but not channel 1's COM2, and keeps COM1.
  Click(QStringLiteral("Chan2Com1"));
  EXPECT_TRUE(Errors(2).isEmpty());
  Click(QStringLiteral("Chan2Com2"));
  EXPECT_EQ(Errors(2), QStringList({"Error", "COM2 in use"}));
  EXPECT_EQ(Dialog->ChannelPort(2), 1);
  EXPECT_TRUE(Port->InUse(1));
  EXPECT_FALSE(Get<TLedCheck>(QStringLiteral("Chan2Com2"))->Checked());
  EXPECT_TRUE(Get<TLedCheck>(QStringLiteral("Chan2Com1"))->Checked());
  EXPECT_EQ(Dialog->ChannelPort(1), 2);
}

TEST_F(ComPortDemoTest, SettingsGoToTheChannelsPortAndTakeEffect) {
  Click(QStringLiteral("Chan2Com1"));
  auto* baud = Get<QLineEdit>(QStringLiteral("BaudEdit2"));
  EXPECT_EQ(baud->text(), QStringLiteral("9600"));
  baud->setText(QStringLiteral("19200"));
  emit baud->editingFinished();
  EXPECT_EQ(Port->property("BaudRate1").toInt(), 19200);
  EXPECT_EQ(Port->property("BaudRate2").toInt(), 9600);
  // Reopened with the new rate.
  EXPECT_TRUE(Port->InUse(1));
  EXPECT_EQ(A.SlaveTermios().Speed, 19200u);
  baud->setText(QStringLiteral("50"));
  emit baud->editingFinished();
  EXPECT_EQ(baud->text(), QStringLiteral("19200"));

  Click(QStringLiteral("XOnOffCheck2"));
  EXPECT_TRUE(Port->property("XOnOff1").toBool());
  EXPECT_FALSE(Port->property("XOnOff2").toBool());

  // The configuration dialog of the channel's port.
  Ui.OnExec = [](QDialog* dialog) {
    dialog->findChild<QComboBox*>(QStringLiteral("BaudRate"))->setCurrentText(QStringLiteral("4800"));
    return int(QDialog::Accepted);
  };
  Click(QStringLiteral("SetupCheck2"));
  EXPECT_EQ(Port->BaudRate(1), 4800);
  EXPECT_EQ(baud->text(), QStringLiteral("4800"));
  EXPECT_EQ(A.SlaveTermios().Speed, 4800u);
  EXPECT_EQ(Dialog->ChannelPort(2), 1);
}

TEST_F(ComPortDemoTest, AVanishedDeviceReadsNotOpen) {
  Click(QStringLiteral("Chan1Com1"));
  A.CloseMaster();
  Get<TFiFo>(QStringLiteral("SendFiFo1"))->SetTextChar(QLatin1Char('z'));
  Dialog->on_SendFiFo1_OnChange(nullptr);
  EXPECT_EQ(Errors(1), QStringList({"Error", "not open"}));
  EXPECT_EQ(Dialog->ChannelPort(1), 0);
  EXPECT_FALSE(Get<TLedCheck>(QStringLiteral("Chan1Com1"))->Enabled());
}

TEST_F(ComPortDemoTest, HelpShowsTheComPortInfo) {
  QString caption;
  Ui.OnExec = [&](QDialog* dialog) {
    caption = dialog->windowTitle();
    return int(QDialog::Accepted);
  };
  Get<QPushButton>(QStringLiteral("HelpBtn"))->click();
  EXPECT_EQ(caption, QStringLiteral("ComPort Info"));
}

// A device that takes nothing, with hardware handshake and CTS down.
class StuckDevice : public TSerialDevice {
 public:
  int Open(const QByteArray&) override { return FOpen = true, 3; }
  void Close() override { FOpen = false; }
  bool IsOpen() const override { return FOpen; }
  int Configure(const TTermiosSettings&) override { return 0; }
  int Flush() override { return 0; }
  int Read(char*, int) override { return -EAGAIN; }
  int Write(const char*, int) override { return -EAGAIN; }
  int InQueue() override { return 0; }
  int OutQueue() override { return 0; }
  int SetModemLines(int, bool) override { return 0; }
  int ModemLines() override { return 0; }
  // One frame error after the open.
  int Counters(TLineCounters& counters) override {
    counters.Frame = FCalls++ > 0 ? 1 : 0;
    return 0;
  }

 private:
  bool FOpen = false;
  int FCalls = 0;
};

TEST_F(ComPortDemoTest, AFullQueueListsTheErrorsAndHolds) {
  Port->SetDeviceFactory([] { return std::make_unique<StuckDevice>(); });
  Port->ProbePorts();
  TComConfig config = Port->PortConfig(3);
  config.RtsCtsFlow = true;
  Port->SetPortConfig(3, config);
  Port->SetBufferLen(MinBufferLen);
  Click(QStringLiteral("Chan1Com3"));
  ASSERT_EQ(Dialog->ChannelPort(1), 3);
  auto* send = Get<TFiFo>(QStringLiteral("SendFiFo1"));
  // A character that waits is no failure, but the error since the open shows.
  send->SetTextChar(QLatin1Char('a'));
  Dialog->on_SendFiFo1_OnChange(nullptr);
  EXPECT_EQ(Errors(1), QStringList({"Error", "FRAME"}));
  for (int i = 1; i < MinBufferLen; ++i) {
    send->SetTextChar(QLatin1Char('a'));
    Dialog->on_SendFiFo1_OnChange(nullptr);
  }
  EXPECT_EQ(Text(QStringLiteral("TxLabel1")), QStringLiteral("Tx: %1").arg(MinBufferLen));
  send->SetTextChar(QLatin1Char('b'));
  Dialog->on_SendFiFo1_OnChange(nullptr);
  EXPECT_EQ(Errors(1), QStringList({"Error", "TXFULL", "CtsHold"}));
}

TEST(ComPortDemo, LineErrorsAreNamedInBitOrder) {
  EXPECT_TRUE(ComErrorNames(0).isEmpty());
  EXPECT_EQ(ComErrorNames(ceRxOver | ceRxParity | ceBreak), QStringList({"RXOVER", "PARITY", "BREAK"}));
  EXPECT_EQ(ComErrorNames(ceOverrun | ceFrame | ceTxFull), QStringList({"OVER", "FRAME", "TXFULL"}));
}

TEST(FifoDemo, TypedCharactersAreCopiedAndClearEmptiesBoth) {
  RegisterDemoClasses();
  TFifoDemo dialog;
  auto* first = dialog.findChild<TFiFo*>(QStringLiteral("FiFo1"));
  auto* second = dialog.findChild<TFiFo*>(QStringLiteral("FiFo2"));
  QTest::keyClicks(first, QStringLiteral("Ab1"));
  EXPECT_EQ(second->Text(), QStringLiteral("Ab1"));
  // The copy is read-only: typing there changes nothing.
  QTest::keyClicks(second, QStringLiteral("z"));
  EXPECT_EQ(second->Text(), QStringLiteral("Ab1"));
  dialog.findChild<QPushButton*>(QStringLiteral("ClearBtn"))->click();
  EXPECT_TRUE(first->Text().isEmpty());
  EXPECT_TRUE(second->Text().isEmpty());
}

TEST(SysInfoDemo, PanelsShowTheFactsAndTheDrives) {
  RegisterDemoClasses();
  TSysInfoDemo dialog;
  TSysSources sources;
  sources.MemInfo = [] { return QStringLiteral("MemTotal: 1000 kB\nMemAvailable: 250 kB\n"); };
  sources.CpuInfo = [] { return QStringLiteral("processor : 0\ncpu family : 6\nflags : cmov\n"); };
  sources.ProductVersion = [] { return QStringLiteral("12"); };
  sources.DebianVersion = [] { return QStringLiteral("12.5"); };
  QString mounts;
  for (int i = 1; i <= 12; ++i) mounts += QStringLiteral("/dev/sd%1 /mnt/d%2 ext4 rw 0 0\n").arg(QChar('a' + i)).arg(i);
  sources.Mounts = [mounts] { return QStringLiteral("overlay / overlay rw 0 0\n") + mounts; };
  sources.CurrentDisk = [] { return TDiskFacts{5'000'000'000ULL, 2'000'000'000ULL}; };
  sources.Owner = [] { return QStringLiteral("Ada"); };
  sources.Organisation = [] { return QStringLiteral("Works"); };
  dialog.findChild<TSysInfo*>()->SetSources(sources);
  dialog.findChild<QPushButton*>(QStringLiteral("RefreshBtn"))->click();

  const std::vector<TPanel*> panels = Numbered<TPanel>(dialog, "ValuePanel", 20);
  QStringList shown;
  for (TPanel* p : panels) shown << p->Caption().trimmed();
  EXPECT_EQ(shown.mid(0, 10),
            QStringList({"Ada", "Works", "12.5", "686", "1024KB", "75%", "256KB", "5000MB", "2000MB", "13"}))
      << shown.join('/').toStdString();
  EXPECT_EQ(shown[10], QStringLiteral("/  (Festplatte)"));
  EXPECT_EQ(shown[18], QStringLiteral("/mnt/d8  (Festplatte)"));
  // Thirteen drives in ten panels: the last tells how many are left out.
  EXPECT_EQ(shown[19], QStringLiteral("... und 4 weitere"));
}

TEST(SysInfoDemo, DriveTypesAreNamed) {
  EXPECT_EQ(TSysInfoDemo::DriveText(QStringLiteral("/media/stick|2")), QStringLiteral("/media/stick  (Wechselmedium)"));
  EXPECT_EQ(TSysInfoDemo::DriveText(QStringLiteral("/run|6")), QStringLiteral("/run  (RAM-Disk)"));
  EXPECT_EQ(TSysInfoDemo::DriveText(QStringLiteral("/a|b|4")), QStringLiteral("/a|b  (Netzlaufwerk)"));
  EXPECT_EQ(TSysInfoDemo::DriveText(QStringLiteral("/x|7")), QStringLiteral("/x  (Typ 7)"));
}

TEST(KeyBoardDemo, TheBarsReportTheirKeys) {
  RegisterDemoClasses();
  TKeyBoardDemo dialog;
  auto* index = dialog.findChild<TAlphaBar*>(QStringLiteral("AlphaBar1"));
  auto* keys = dialog.findChild<TAlphaBar*>(QStringLiteral("AlphaBar2"));
  auto* active = dialog.findChild<QLineEdit*>(QStringLiteral("ActiveEdit"));
  auto* typed = dialog.findChild<QLineEdit*>(QStringLiteral("TypedEdit"));
  dialog.show();

  QTest::mouseClick(index->ButtonOf(QLatin1Char('K')), Qt::LeftButton);
  EXPECT_EQ(active->text(), QStringLiteral("K"));
  // The latching bar lets its letter go on a second click.
  QTest::mouseClick(index->ButtonOf(QLatin1Char('K')), Qt::LeftButton);
  EXPECT_EQ(active->text(), QStringLiteral("(keiner)"));

  for (QChar c : QStringLiteral("HAXL<_Ü")) QTest::mouseClick(keys->ButtonOf(c), Qt::LeftButton);
  EXPECT_EQ(typed->text(), QStringLiteral("HAX Ü"));
  EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("LastKeyLabel"))->text(), QStringLiteral("Taste: Ü"));
  dialog.findChild<QPushButton*>(QStringLiteral("ClearBtn"))->click();
  EXPECT_TRUE(typed->text().isEmpty());
}

}  // namespace
