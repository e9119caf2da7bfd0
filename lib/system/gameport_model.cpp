#include "system/gameport_model.h"

namespace Veltor {

namespace {
constexpr int kButtons = 4;
}

void TStickTracker::Reset(const TJoyReading& reading) {
  FState = reading;
  FDX = FDY = FDZ = 0;
}

TJoyEvent TStickTracker::Event(TJoyEventKind kind, int changed) const {
  TJoyEvent event;
  event.Kind = kind;
  event.X = FState.X;
  event.Y = FState.Y;
  event.Z = FState.Z;
  event.Button = FState.Buttons;
  event.ButtonChanged = changed;
  return event;
}

void TStickTracker::ChangeButton(int button, bool down, std::vector<TJoyEvent>& events) {
  const int bit = 1 << button;
  if (bool(FState.Buttons & bit) == down) return;
  FState.Buttons ^= bit;
  events.push_back(Event(down ? TJoyEventKind::ButtonDown : TJoyEventKind::ButtonUp, button));
}

std::vector<TJoyEvent> TStickTracker::Update(const TJoyReading& now, const std::vector<TJoyButtonChange>& changes) {
  std::vector<TJoyEvent> events;
  if (now.X != FState.X || now.Y != FState.Y) {
    FDX = now.X - FState.X;
    FDY = now.Y - FState.Y;
    FDZ = 0;
    FState.X = now.X;
    FState.Y = now.Y;
    events.push_back(Event(TJoyEventKind::Move));
  }
  if (now.Z != FState.Z) {
    FDX = FDY = 0;
    FDZ = now.Z - FState.Z;
    FState.Z = now.Z;
    events.push_back(Event(TJoyEventKind::Move));
  }
  for (const TJoyButtonChange& change : changes) {
    if (change.Button >= 0 && change.Button < kButtons) ChangeButton(change.Button, change.Down, events);
  }
  for (int button = kButtons - 1; button >= 0; --button) {
    ChangeButton(button, now.Buttons & (1 << button), events);
  }
  return events;
}

}  // namespace Veltor
