#pragma once
// What the dialog tests share: operating a dialog's controls as a user
// would, and tables of "this control, this input, that property".

#include <QDialog>
#include <QVariant>

#include <memory>
#include <vector>

namespace DemoTest {

// A radio group takes the entry's index, a check box the state, an edit the
// text, a spinner, slide, pot, slider or LED check the value (and fires its
// change), a numeric field the number, a scroll bar the position.
void Operate(QObject* control, const QVariant& input);

// Enumerations compare by their number.
QVariant Comparable(const QVariant& actual, const QVariant& expected);

struct HandlerRow {
  const char* Dialog;
  const char* Control;
  QVariant Input;
  const char* Component;
  const char* Property;
  QVariant Expected;
};

using DialogOpener = std::unique_ptr<QDialog> (*)(const char* name);

// Opens each row's dialog afresh (with open, or as the launcher does),
// operates the control and checks the component's property.
void ExpectHandlerRows(const std::vector<HandlerRow>& rows, DialogOpener open = nullptr);

}  // namespace DemoTest
