#pragma once
// TRahmen: the bordered, bevelled base control of the library, with an
// optional push-button behaviour. Descendants call TRahmen::Paint first and
// then draw their content inside InnerRect().

#include "foundation/framedcontrol.h"

namespace Veltor {

class TRahmen : public TFramedControl {
  Q_OBJECT
  Q_PROPERTY(bool Status READ Status WRITE SetStatus DESIGNABLE false)

 public:
  explicit TRahmen(QWidget* parent = nullptr);

  // Takes effect only for push-pull buttons, or while loading or designing.
  void SetStatus(bool v);

 protected:
  void Paint() override;
  void DrawPressed(bool pressed) override;
};

}  // namespace Veltor
