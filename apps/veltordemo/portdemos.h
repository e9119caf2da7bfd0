#pragma once
// The demonstration dialogs of the device and text components: TComPortDemo
// (with its help box TComPortHelp), TFifoDemo, TSysInfoDemo and
// TKeyBoardDemo.

#include "demodialog.h"

#include <QStringList>

#include <array>

class QLabel;
class QLineEdit;
class QListWidget;

namespace Veltor {
class TAlphaBar;
class TComPort;
class TFiFo;
class TLedCheck;
class TSysInfo;
struct TComStat;
}  // namespace Veltor

namespace VeltorDemo {

// The names of the line errors in a TComError mask, in bit order.
QStringList ComErrorNames(int mask);

// A two-channel terminal over the serial ports. Each channel takes one of
// COM1..COM4 by its LED checks; what is typed into its send field goes out on
// that port, what arrives is shown in its receive field with the queue
// counts. Ports the machine does not have are shown disabled.
class TComPortDemo : public TDemoDialog {
  Q_OBJECT
 public:
  static constexpr int kChannels = 2;
  static constexpr int kPorts = 4;

  explicit TComPortDemo(QWidget* parent = nullptr);

  // The port 1..4 channel 1..2 has open; 0 for none.
  int ChannelPort(int channel) const;
  // Assigns port 1..4 to channel 1..2 as a click on its LED check does.
  void AssignPort(int channel, int port);

 public slots:
  void on_ComPort1_OnCom1Rx(QObject*, int count) { Receive(1, count); }
  void on_ComPort1_OnCom2Rx(QObject*, int count) { Receive(2, count); }
  void on_ComPort1_OnCom3Rx(QObject*, int count) { Receive(3, count); }
  void on_ComPort1_OnCom4Rx(QObject*, int count) { Receive(4, count); }
  void on_SendFiFo1_OnChange(QObject*) { Send(1); }
  void on_SendFiFo2_OnChange(QObject*) { Send(2); }
  void on_HelpBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  struct TChannel {
    int Port = 0;
    std::array<Veltor::TLedCheck*, kPorts> PortChecks{};
    Veltor::TLedCheck* Setup = nullptr;
    Veltor::TLedCheck* XOnOff = nullptr;
    Veltor::TLedCheck* Events = nullptr;
    QLineEdit* Baud = nullptr;
    Veltor::TFiFo* Send = nullptr;
    Veltor::TFiFo* Receive = nullptr;
    QLabel* Rx = nullptr;
    QLabel* Tx = nullptr;
    QLabel* XoffHold = nullptr;
    QLabel* XoffSent = nullptr;
    QListWidget* Errors = nullptr;
  };

  TChannel& Channel(int channel) { return FChannels[std::size_t(channel - 1)]; }
  // The channel that has port open; nullptr for none.
  TChannel* ChannelOf(int port);
  void Receive(int port, int count);
  void Send(int channel);
  // Closes and opens the channel's port again, so new settings take effect.
  void Reopen(TChannel& ch);
  void EditConfig(TChannel& ch);
  void ApplyBaudRate(TChannel& ch);
  void ApplyXOnOff(TChannel& ch);
  void ApplyEvents(TChannel& ch);
  // Queue counts and hold state of the channel's port.
  void ShowStatus(TChannel& ch, const Veltor::TComStat& status);
  // "Error" and what the port reports, or "not open".
  void ShowErrors(TChannel& ch, const QStringList& lines);
  void ShowFailure(TChannel& ch);
  // Port checks, settings and their hints as the ports' states are now.
  void ShowPorts();

  Veltor::TComPort* FComPort = nullptr;
  std::array<TChannel, kChannels> FChannels;
};

// The short description of the serial port component behind the help button
// of TComPortDemo.
class TComPortHelp : public QDialog {
  Q_OBJECT
 public:
  explicit TComPortHelp(QWidget* parent = nullptr);
};

// Two FIFO read-outs: every character typed into the first is copied into
// the second.
class TFifoDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TFifoDemo(QWidget* parent = nullptr);

 public slots:
  void on_FiFo1_OnChange(QObject* Sender);
  void on_ClearBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  Veltor::TFiFo* FSource = nullptr;
  Veltor::TFiFo* FCopy = nullptr;
};

// The machine's facts in twenty value panels: ten facts and up to ten drives.
class TSysInfoDemo : public TDemoDialog {
  Q_OBJECT
 public:
  static constexpr int kFacts = 10;
  static constexpr int kDrives = 10;

  explicit TSysInfoDemo(QWidget* parent = nullptr);

  // A drive entry "<mount point>|<type>" as a panel shows it.
  static QString DriveText(const QString& entry);
  // Fills the panels from the component's present values.
  void ShowFacts();

 public slots:
  void on_RefreshBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }

 private:
  Veltor::TSysInfo* FSysInfo = nullptr;
};

// Two alphabet bars: a latching index whose active letter is shown, and a
// keyboard whose keys are typed into an edit field.
class TKeyBoardDemo : public TDemoDialog {
  Q_OBJECT
 public:
  explicit TKeyBoardDemo(QWidget* parent = nullptr);

 public slots:
  void on_AlphaBar1_OnValueChange(QObject* Sender);
  void on_AlphaBar2_OnValueChange(QObject* Sender);
  void on_ClearBtn_clicked();
  void on_CloseBtn_clicked() { accept(); }
};

}  // namespace VeltorDemo
