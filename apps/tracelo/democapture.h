#pragma once
// The built-in sample capture: recognisable traffic on named channels, for
// trying the analyzer without hardware.

#include <QByteArray>

namespace Tracelo {

// A complete sample file: 16-bit samples at 1 us, 2000 samples, with a
// 4-bit counter, an SPI transfer (clock, chip select, data), a serial frame,
// a pulse-width signal and an interrupt line.
QByteArray DemoCaptureFile();

}  // namespace Tracelo
