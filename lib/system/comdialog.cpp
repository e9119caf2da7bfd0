#include "system/comdialog.h"

#include "foundation/helpers.h"
#include "host/modalui.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace Veltor {

namespace {

constexpr int kRates[] = {75, 110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200};

QString Text(const char* english, const char* german) { return QString::fromUtf8(EnglishMode() ? english : german); }

QComboBox* Combo(const char* name, const QStringList& items, int current) {
  auto* combo = new QComboBox;
  combo->setObjectName(QString::fromLatin1(name));
  combo->addItems(items);
  combo->setCurrentIndex(current);
  return combo;
}

}  // namespace

TComConfigDialog::TComConfigDialog(const QString& portName, const TComConfig& config, QWidget* parent)
    : QDialog(parent), FConfig(config) {
  setWindowTitle(EnglishMode() ? portName + QStringLiteral(" Properties")
                               : QStringLiteral("Eigenschaften von ") + portName);

  // A rate outside the list (a stored one) is offered as it is.
  FBaudRate = new QComboBox;
  FBaudRate->setObjectName(QStringLiteral("BaudRate"));
  for (int rate : kRates) FBaudRate->addItem(QString::number(rate), rate);
  if (FBaudRate->findData(config.BaudRate) < 0) FBaudRate->addItem(QString::number(config.BaudRate), config.BaudRate);
  FBaudRate->setCurrentIndex(FBaudRate->findData(config.BaudRate));

  FDataBits = Combo("DataBits", {QStringLiteral("5"), QStringLiteral("6"), QStringLiteral("7"), QStringLiteral("8")},
                    qBound(5, config.DataBits, 8) - 5);
  FParity = Combo("Parity",
                  {Text("None", "Keine"), Text("Odd", "Ungerade"), Text("Even", "Gerade"), Text("Mark", "Markierung"),
                   Text("Space", "Leerzeichen")},
                  config.Parity);
  FStopBits = Combo("StopBits", {QStringLiteral("1"), QStringLiteral("1.5"), QStringLiteral("2")}, config.StopBits);
  FFlow = Combo("FlowControl", {Text("None", "Kein"), QStringLiteral("Xon / Xoff"), QStringLiteral("Hardware")},
                FlowOf(config));

  auto* form = new QFormLayout;
  form->addRow(Text("Bits per second:", "Bits pro Sekunde:"), FBaudRate);
  form->addRow(Text("Data bits:", "Datenbits:"), FDataBits);
  form->addRow(Text("Parity:", "Parität:"), FParity);
  form->addRow(Text("Stop bits:", "Stoppbits:"), FStopBits);
  form->addRow(Text("Flow control:", "Flusssteuerung:"), FFlow);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Cancel)->setText(Text("Cancel", "Abbrechen"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(buttons);
}

TComConfigDialog::TFlow TComConfigDialog::FlowOf(const TComConfig& config) {
  if (config.RtsCtsFlow) return flHardware;
  return config.XOnOff() ? flXOnOff : flNone;
}

TComConfig TComConfigDialog::Config() const {
  TComConfig config = FConfig;
  config.BaudRate = FBaudRate->currentData().toInt();
  config.DataBits = FDataBits->currentIndex() + 5;
  config.Parity = TComParity(FParity->currentIndex());
  config.StopBits = TComStopBits(FStopBits->currentIndex());
  // Flow settings the list cannot show (both kinds at once) stay as they
  // were unless the user picks another entry.
  const TFlow flow = TFlow(FFlow->currentIndex());
  if (flow != FlowOf(FConfig)) {
    config.RtsCtsFlow = flow == flHardware;
    config.SetXOnOff(flow == flXOnOff);
  }
  return config;
}

bool EditComConfig(QWidget* parent, const QString& portName, TComConfig& config) {
  TComConfigDialog dialog(portName, config, parent);
  if (ModalUI().Exec(&dialog) != QDialog::Accepted) return false;
  config = dialog.Config();
  return true;
}

}  // namespace Veltor
