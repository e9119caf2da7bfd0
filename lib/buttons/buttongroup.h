#pragma once
// Radio groups of sibling buttons: a button that goes down tells the other
// controls of its parent, synchronously, and each member of the same group
// releases itself. Only controls of the sender's own class take part, so a
// caption button and an LED button with the same index never meet.

#include "host/control.h"

namespace Veltor {

// Broadcasts "button went down in group groupIndex" to the controls of the
// button's parent. Does nothing without a parent.
void NotifyGroupDown(QWidget* button, int groupIndex);

// Whether m is that message for the given group.
bool IsGroupDown(const TMessage& m, int groupIndex);

// The sender a group message names, when it is a sibling of receiver of
// class T other than receiver itself; nullptr for anything else. The
// message's number is never taken on trust as a pointer.
template <typename T>
T* GroupSender(const QWidget* receiver, const TMessage& m) {
  const QWidget* parent = receiver->parentWidget();
  if (!parent) return nullptr;
  for (QObject* child : parent->children()) {
    auto* sibling = qobject_cast<T*>(child);
    if (sibling && sibling != receiver && reinterpret_cast<qintptr>(sibling) == m.LParam) return sibling;
  }
  return nullptr;
}

}  // namespace Veltor
