#pragma once
// The configuration dialog of one serial port: rate, data bits, parity, stop
// bits and flow control.

#include "system/comport_model.h"

#include <QDialog>

class QComboBox;

namespace Veltor {

class TComConfigDialog : public QDialog {
  Q_OBJECT
 public:
  // Edits a copy of config; its combo boxes are named BaudRate, DataBits,
  // Parity, StopBits and FlowControl.
  TComConfigDialog(const QString& portName, const TComConfig& config, QWidget* parent = nullptr);

  // The configuration as the dialog shows it now.
  TComConfig Config() const;

 private:
  enum TFlow { flNone, flXOnOff, flHardware };
  static TFlow FlowOf(const TComConfig& config);

  TComConfig FConfig;
  QComboBox* FBaudRate;
  QComboBox* FDataBits;
  QComboBox* FParity;
  QComboBox* FStopBits;
  QComboBox* FFlow;
};

// Shows the dialog through the modal seam (host/modalui.h); on OK config
// takes what the user chose and the result is true.
bool EditComConfig(QWidget* parent, const QString& portName, TComConfig& config);

}  // namespace Veltor
