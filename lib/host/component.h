#pragma once
// Component state shared by visual controls and non-visual components.

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

// Non-visual component base.
class TComponent : public QObject, public TComponentBase {
  Q_OBJECT
 public:
  explicit TComponent(QObject* owner = nullptr) : QObject(owner) {}
};

}  // namespace Veltor
