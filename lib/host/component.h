#pragma once
// Component state shared by visual controls and non-visual components, and
// the base of property groups.

#include "host/types.h"

#include <QObject>

namespace Veltor {

// Mixin carrying the loading/designing state and the Loaded() hook. Controls
// (QWidget) and non-visual components (QObject) both carry it, so a form
// loader can treat them alike.
class TComponentBase {
 public:
  virtual ~TComponentBase() = default;

  TComponentState ComponentState() const { return FComponentState; }
  // Whether a stored form is assigning the properties now.
  bool Loading() const { return FComponentState.testFlag(csLoading); }
  void SetComponentState(TComponentState state) { FComponentState = state; }

  // Marks the start of a stored-form load: setters may skip range checks.
  void BeginLoading() { FComponentState |= csLoading; }
  // Ends a stored-form load and lets the component finish its set-up.
  void EndLoading() {
    FComponentState &= ~TComponentState(csLoading);
    Loaded();
  }

 protected:
  // Called once after a stored form has assigned all properties.
  virtual void Loaded() {}

 private:
  TComponentState FComponentState;
};

// Non-visual component base: timers, ports, files. A stored form creates
// it, owned by the form, from a <widget> element of its class name (see
// host/formloader.h).
class TComponent : public QObject, public TComponentBase {
  Q_OBJECT
 public:
  explicit TComponent(QObject* owner = nullptr) : QObject(owner) {}
};

// A group of published properties edited inside its owner, such as a time
// of a timer control. The owner creates the group as its child, keeps it for
// its whole life and publishes it read-only:
//
//   Q_PROPERTY(Veltor::TMyTime* StartTime READ StartTime)
//
// The group's fields are its own Q_PROPERTYs. A stored form sets them with
// dotted names on the owner, <property name="StartTime.Hours">; the whole
// group is never assigned.
class TPersistent : public QObject {
  Q_OBJECT
 public:
  explicit TPersistent(QObject* owner) : QObject(owner) {}

  // The owner's state: a group is loading while its owner is. A group may
  // sit inside another group.
  TComponentState ComponentState() const {
    if (const auto* owner = dynamic_cast<const TComponentBase*>(parent())) return owner->ComponentState();
    if (const auto* group = qobject_cast<const TPersistent*>(parent())) return group->ComponentState();
    return TComponentState();
  }
  bool Loading() const { return ComponentState().testFlag(csLoading); }
};

}  // namespace Veltor
