#pragma once
// Test helper: switches the decimal separator and puts the old format back.

#include "foundation/numformat.h"

class SeparatorScope {
 public:
  explicit SeparatorScope(char sep) : FSaved(Veltor::Formats()) {
    Veltor::Formats().DecimalSeparator = QLatin1Char(sep);
  }
  ~SeparatorScope() { Veltor::Formats() = FSaved; }

 private:
  Veltor::FormatSettings FSaved;
};
