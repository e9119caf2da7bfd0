#include "portdemos.h"

#include "buttons/ledcheck.h"
#include "foundation/panel.h"
#include "host/modalui.h"
#include "misc/alphabar.h"
#include "misc/fifo.h"
#include "system/comport.h"
#include "system/sysinfo.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace VeltorDemo {

using namespace Veltor;

namespace {

QString PortName(int port) { return QStringLiteral("COM%1").arg(port); }

// A typed character goes out as one byte; one outside Latin-1 as "?".
char ByteOf(QChar c) { return c.unicode() <= 0xff ? char(c.unicode()) : '?'; }

// The LED checks do not grey out by themselves: a disabled one shows a grey
// caption.
void ShowEnabled(TLedCheck* check, bool enabled) {
  check->SetEnabled(enabled);
  check->SetCaptionCol(enabled ? clBlack : clGray);
}

// The form's child <prefix><channel>.
template <typename T>
T* ChannelChild(const TDemoDialog& dialog, const char* prefix, int channel) {
  return dialog.Child<T>(QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(channel).toLatin1().constData());
}

}  // namespace

QStringList ComErrorNames(int mask) {
  static const std::pair<int, const char*> kNames[] = {
      {ceRxOver, "RXOVER"}, {ceOverrun, "OVER"}, {ceRxParity, "PARITY"},
      {ceFrame, "FRAME"},   {ceBreak, "BREAK"},  {ceTxFull, "TXFULL"},
  };
  QStringList names;
  for (const auto& [bit, name] : kNames) {
    if (mask & bit) names << QLatin1String(name);
  }
  return names;
}

// -------------------------------------------------------------- TComPortDemo

TComPortDemo::TComPortDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("comportdemo");
  FComPort = Child<TComPort>("ComPort1");
  for (int c = 1; c <= kChannels; ++c) {
    TChannel& ch = Channel(c);
    for (int p = 1; p <= kPorts; ++p) {
      TLedCheck* check = Child<TLedCheck>(QStringLiteral("Chan%1Com%2").arg(c).arg(p).toLatin1().constData());
      ch.PortChecks[std::size_t(p - 1)] = check;
      connect(check, &TLedCheck::OnClick, this, [this, c, p] { AssignPort(c, p); });
    }
    ch.Setup = ChannelChild<TLedCheck>(*this, "SetupCheck", c);
    ch.XOnOff = ChannelChild<TLedCheck>(*this, "XOnOffCheck", c);
    ch.Events = ChannelChild<TLedCheck>(*this, "EventCheck", c);
    ch.Baud = ChannelChild<QLineEdit>(*this, "BaudEdit", c);
    ch.Send = ChannelChild<TFiFo>(*this, "SendFiFo", c);
    ch.Receive = ChannelChild<TFiFo>(*this, "ReceiveFiFo", c);
    ch.Rx = ChannelChild<QLabel>(*this, "RxLabel", c);
    ch.Tx = ChannelChild<QLabel>(*this, "TxLabel", c);
    ch.XoffHold = ChannelChild<QLabel>(*this, "XoffHoldLabel", c);
    ch.XoffSent = ChannelChild<QLabel>(*this, "XoffSentLabel", c);
    ch.Errors = ChannelChild<QListWidget>(*this, "ErrorList", c);
    connect(ch.Setup, &TLedCheck::OnClick, this, [this, c] { EditConfig(Channel(c)); });
    connect(ch.XOnOff, &TLedCheck::OnClick, this, [this, c] { ApplyXOnOff(Channel(c)); });
    connect(ch.Events, &TLedCheck::OnClick, this, [this, c] { ApplyEvents(Channel(c)); });
    connect(ch.Baud, &QLineEdit::editingFinished, this, [this, c] { ApplyBaudRate(Channel(c)); });
  }
  ShowPorts();
}

int TComPortDemo::ChannelPort(int channel) const { return FChannels[std::size_t(channel - 1)].Port; }

TComPortDemo::TChannel* TComPortDemo::ChannelOf(int port) {
  for (TChannel& ch : FChannels) {
    if (ch.Port == port) return &ch;
  }
  return nullptr;
}

void TComPortDemo::AssignPort(int channel, int port) {
  TChannel& ch = Channel(channel);
  if (port == ch.Port) {
    ShowPorts();
    return;
  }
  // The other channel's port is refused; this channel keeps its own.
  if (ChannelOf(port)) {
    ShowErrors(ch, {QStringLiteral("Error"), PortName(port) + QStringLiteral(" in use")});
    ShowPorts();
    return;
  }
  if (ch.Port) FComPort->ClosePort(PortName(ch.Port));
  ch.Port = 0;
  if (FComPort->OpenPort(PortName(port))) {
    ch.Port = port;
    ch.Errors->clear();
    ApplyEvents(ch);
  } else {
    ShowErrors(ch, {QStringLiteral("Error"), PortName(port) + QStringLiteral(" not open")});
  }
  ShowPorts();
}

void TComPortDemo::Receive(int port, int count) {
  TChannel* ch = ChannelOf(port);
  if (!ch) return;
  // Reads what the event reported; what arrives meanwhile raises the next
  // event, so a busy line cannot hold the dialog here.
  char c = 0;
  for (int i = 0; i < count && FComPort->ReceiveChar(PortName(port), c); ++i) {
    ch->Receive->SetTextChar(QChar::fromLatin1(c));
  }
  TComStat status;
  const int errors = FComPort->PortErrors(PortName(port), &status);
  if (errors > 0) ShowErrors(*ch, QStringList{QStringLiteral("Error")} + ComErrorNames(errors));
  ShowStatus(*ch, status);
}

void TComPortDemo::Send(int channel) {
  TChannel& ch = Channel(channel);
  if (!ch.Port || !FComPort->SendChar(PortName(ch.Port), ByteOf(ch.Send->TextChar()))) {
    ShowFailure(ch);
    return;
  }
  TComStat status;
  const int errors = FComPort->PortErrors(PortName(ch.Port), &status);
  if (errors > 0) ShowErrors(ch, QStringList{QStringLiteral("Error")} + ComErrorNames(errors));
  ShowStatus(ch, status);
}

void TComPortDemo::ShowFailure(TChannel& ch) {
  QStringList lines{QStringLiteral("Error")};
  TComStat status;
  const int errors = ch.Port ? FComPort->PortErrors(PortName(ch.Port), &status) : -1;
  if (errors < 0) {
    lines << QStringLiteral("not open");
    // The device may have gone while open.
    if (ch.Port && !FComPort->InUse(ch.Port)) {
      ch.Port = 0;
      ShowPorts();
    }
  } else {
    lines << ComErrorNames(errors);
    if (status.CtsHold) lines << QStringLiteral("CtsHold");
    ShowStatus(ch, status);
  }
  ShowErrors(ch, lines);
}

void TComPortDemo::ShowErrors(TChannel& ch, const QStringList& lines) {
  ch.Errors->clear();
  ch.Errors->addItems(lines);
}

void TComPortDemo::ShowStatus(TChannel& ch, const TComStat& status) {
  ch.Rx->setText(QStringLiteral("Rx: %1").arg(status.InQue));
  ch.Tx->setText(QStringLiteral("Tx: %1").arg(status.OutQue));
  // The line discipline handles XON/XOFF itself and does not tell whether
  // output is held or an XOFF went out.
  ch.XoffHold->setText(QStringLiteral("no XOFFHOLD"));
  ch.XoffSent->setText(QStringLiteral("no XOFFSENT"));
}

void TComPortDemo::Reopen(TChannel& ch) {
  if (!ch.Port) return;
  const int port = ch.Port;
  ch.Port = 0;
  FComPort->ClosePort(PortName(port));
  AssignPort(int(&ch - FChannels.data()) + 1, port);
}

void TComPortDemo::EditConfig(TChannel& ch) {
  if (!ch.Port) return;
  FComPort->SetComDialog(ch.Port, true);
  Reopen(ch);
}

void TComPortDemo::ApplyBaudRate(TChannel& ch) {
  if (!ch.Port) return;
  bool ok = false;
  const int rate = ch.Baud->text().trimmed().toInt(&ok);
  const int before = FComPort->BaudRate(ch.Port);
  if (ok) FComPort->SetBaudRate(ch.Port, rate);
  if (FComPort->BaudRate(ch.Port) != before) Reopen(ch);
  // A refused rate shows the one in force again.
  ch.Baud->setText(QString::number(FComPort->BaudRate(ch.Port)));
}

void TComPortDemo::ApplyXOnOff(TChannel& ch) {
  if (!ch.Port) return;
  FComPort->SetXOnOff(ch.Port, ch.XOnOff->Checked());
  Reopen(ch);
}

void TComPortDemo::ApplyEvents(TChannel& ch) {
  if (ch.Port) FComPort->SetEventEna(ch.Port, ch.Events->Checked());
}

void TComPortDemo::ShowPorts() {
  for (int c = 1; c <= kChannels; ++c) {
    TChannel& ch = Channel(c);
    for (int p = 1; p <= kPorts; ++p) {
      TLedCheck* check = ch.PortChecks[std::size_t(p - 1)];
      const bool present = FComPort->Avail(p);
      check->SetChecked(ch.Port == p);
      ShowEnabled(check, present);
      check->SetHint(present ? QStringLiteral("%1 diesem Kanal zuordnen").arg(PortName(p))
                             : QStringLiteral("%1 ist an diesem Rechner nicht vorhanden (%2)")
                                   .arg(PortName(p), QString::fromLocal8Bit(DevicePath(p))));
    }
    const bool open = ch.Port != 0;
    ShowEnabled(ch.Setup, open);
    ShowEnabled(ch.XOnOff, open);
    ch.Baud->setEnabled(open);
    ch.Send->SetEnabled(open);
    if (open) {
      ch.Baud->setText(QString::number(FComPort->BaudRate(ch.Port)));
      ch.XOnOff->SetChecked(FComPort->XOnOff(ch.Port));
    }
  }
  bool any = false;
  for (int p = 1; p <= kPorts; ++p) any = any || FComPort->Avail(p);
  Child<QLabel>("NoPortsLabel")->setVisible(!any);
}

void TComPortDemo::on_HelpBtn_clicked() {
  TComPortHelp help(this);
  ModalUI().Exec(&help);
}

// -------------------------------------------------------------- TComPortHelp

TComPortHelp::TComPortHelp(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("TComPortHelp"));
  setWindowTitle(QStringLiteral("ComPort Info"));
  auto* text = new QLabel(
      QStringLiteral("<p><b>TComPort</b> ist eine nichtvisuelle Komponente für die seriellen Schnittstellen "
                     "COM1 bis COM4: Baudrate und XON/XOFF je Schnittstelle, Öffnen und Schließen über den "
                     "Namen, Senden und Empfangen einzelner Zeichen, DTR und RTS, Leitungsfehler und "
                     "Pufferstände. Ein Empfangsereignis je Schnittstelle meldet wartende Zeichen.</p>"
                     "<p><b>TComPort</b> is a non-visual component for the serial ports COM1 to COM4: baud rate "
                     "and XON/XOFF per port, open and close by name, send and receive single characters, DTR "
                     "and RTS, line errors and queue counts. A receive event per port reports waiting "
                     "characters.</p>"
                     "<p>Unter Linux ist COM<i>n</i> das Gerät aus der Umgebungsvariablen VELTOR_COM<i>n</i>, "
                     "sonst /dev/ttyS<i>n-1</i>. / On Linux, COM<i>n</i> is the device named by VELTOR_COM<i>n</i>, "
                     "else /dev/ttyS<i>n-1</i>.</p>"),
      this);
  text->setObjectName(QStringLiteral("HelpText"));
  text->setWordWrap(true);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text);
  layout->addWidget(buttons);
  resize(440, 260);
}

// ----------------------------------------------------------------- TFifoDemo

TFifoDemo::TFifoDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("fifodemo");
  FSource = Child<TFiFo>("FiFo1");
  FCopy = Child<TFiFo>("FiFo2");
}

void TFifoDemo::on_FiFo1_OnChange(QObject*) { FCopy->SetTextChar(FSource->TextChar()); }

void TFifoDemo::on_ClearBtn_clicked() {
  FSource->SetText(QString());
  FCopy->SetText(QString());
}

// -------------------------------------------------------------- TSysInfoDemo

TSysInfoDemo::TSysInfoDemo(QWidget* parent) : TDemoDialog(parent) {
  LoadForm("sysinfodemo");
  FSysInfo = Child<TSysInfo>("SysInfo1");
  on_RefreshBtn_clicked();
}

QString TSysInfoDemo::DriveText(const QString& entry) {
  static const char* const kTypes[] = {"Wechselmedium", "Festplatte", "Netzlaufwerk", "CD-ROM", "RAM-Disk"};
  const int bar = int(entry.lastIndexOf(QLatin1Char('|')));
  if (bar < 0) return entry;
  const int type = entry.mid(bar + 1).toInt();
  const QString kind = type >= 2 && type <= 6 ? QLatin1String(kTypes[type - 2]) : QStringLiteral("Typ %1").arg(type);
  return QStringLiteral("%1  (%2)").arg(entry.left(bar), kind);
}

void TSysInfoDemo::ShowFacts() {
  const QString facts[kFacts] = {FSysInfo->NameUser(),   FSysInfo->NameComp(),
                                 FSysInfo->VersWin(),    FSysInfo->CPUtyp(),
                                 FSysInfo->SysMem(),     FSysInfo->SysMemUsed(),
                                 FSysInfo->SysMemFree(), FSysInfo->DiskSize(),
                                 FSysInfo->DiskSpace(),  QString::number(FSysInfo->DriveCount())};
  const std::vector<TPanel*> panels = Numbered<TPanel>(*this, "ValuePanel", kFacts + kDrives);
  // A little room at the left; long mount paths lose their middle.
  const auto show = [](TPanel* panel, const QString& text) {
    const QString shown = QLatin1Char(' ') + text;
    panel->SetCaption(panel->fontMetrics().elidedText(shown, Qt::ElideMiddle, panel->width() - 8));
  };
  for (int i = 0; i < kFacts; ++i) show(panels[std::size_t(i)], facts[i]);
  const QStringList drives = FSysInfo->DriveList();
  for (int i = 0; i < kDrives; ++i) {
    // The last panel says how many more there are when they do not fit.
    QString text = i < drives.size() ? DriveText(drives[i]) : QString();
    if (i == kDrives - 1 && drives.size() > kDrives)
      text = QStringLiteral("... und %1 weitere").arg(drives.size() - kDrives + 1);
    show(panels[std::size_t(kFacts + i)], text);
  }
}

void TSysInfoDemo::on_RefreshBtn_clicked() {
  FSysInfo->SetEvaluate(true);
  FSysInfo->SetCheckDrive(true);
  ShowFacts();
}

// ------------------------------------------------------------- TKeyBoardDemo

TKeyBoardDemo::TKeyBoardDemo(QWidget* parent) : TDemoDialog(parent) { LoadForm("keyboarddemo"); }

void TKeyBoardDemo::on_AlphaBar1_OnValueChange(QObject* Sender) {
  const QString active = qobject_cast<TAlphaBar*>(Sender)->ActiveButtonText();
  Child<QLineEdit>("ActiveEdit")->setText(active.isEmpty() ? QStringLiteral("(keiner)") : active);
}

void TKeyBoardDemo::on_AlphaBar2_OnValueChange(QObject* Sender) {
  const QString key = qobject_cast<TAlphaBar*>(Sender)->ActiveButtonText();
  auto* typed = Child<QLineEdit>("TypedEdit");
  if (key == QStringLiteral("<"))
    typed->backspace();
  else
    typed->insert(key == QStringLiteral("_") ? QStringLiteral(" ") : key);
  Child<QLabel>("LastKeyLabel")->setText(QStringLiteral("Taste: %1").arg(key));
}

void TKeyBoardDemo::on_ClearBtn_clicked() { Child<QLineEdit>("TypedEdit")->clear(); }

}  // namespace VeltorDemo
