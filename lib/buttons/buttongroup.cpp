#include "buttons/buttongroup.h"

// The group message number is the caption button's.
#include "buttons/bevel3d.h"

namespace Veltor {

void NotifyGroupDown(QWidget* button, int groupIndex) {
  if (QWidget* parent = button->parentWidget()) {
    Broadcast(parent, kGroupDownMessage, groupIndex, reinterpret_cast<qintptr>(button));
  }
}

bool IsGroupDown(const TMessage& m, int groupIndex) { return m.Msg == kGroupDownMessage && m.WParam == groupIndex; }

}  // namespace Veltor
