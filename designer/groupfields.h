#pragma once
// Group fields that Designer keeps as dynamic properties of a control.
//
// The property sheet (designer/propertysheet.h) offers group fields of the
// types Designer's editor takes as they are. A stored text, picture or
// enumeration field ("Box0.CaptShort") is no entry of the sheet, so Designer
// keeps it as a dynamic property of the control, editable under "Dynamic
// Properties" and saved back unchanged; its preview sets all dotted values
// that way. TGroupFieldForwarder watches a control for such properties and
// writes each value into its group's field, so the control in Designer and
// its preview show what the form will show.

#include <QObject>

namespace VeltorDesigner {

class TGroupFieldForwarder : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace VeltorDesigner
