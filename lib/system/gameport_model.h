#pragma once
// What a game port makes of a stick's readings: the stick's last position
// and its change, and the move and button events a new reading gives.

#include "system/sdlservice.h"

#include <vector>

namespace Veltor {

enum class TJoyEventKind { Move, ButtonDown, ButtonUp };

struct TJoyEvent {
  TJoyEventKind Kind = TJoyEventKind::Move;
  int X = 0;
  int Y = 0;
  int Z = 0;
  int Button = 0;         // the buttons held, bit 0 = button 1
  int ButtonChanged = 0;  // 0..3, button events only
};

class TStickTracker {
 public:
  // Takes reading as the known state without any event (on capture).
  void Reset(const TJoyReading& reading);

  // The events from the last known state to now, in this order: an x/y move
  // (reported with the old z), a z move (reported with the new x and y), then
  // one event per button change. The changes the driver queued come first,
  // in their order, so a press and release between two readings gives a
  // down and an up event; buttons that still differ from now are then
  // reported from button 4 down to button 1. Each button event carries the
  // buttons held after its own change.
  std::vector<TJoyEvent> Update(const TJoyReading& now, const std::vector<TJoyButtonChange>& changes);

  const TJoyReading& State() const { return FState; }
  // Change of each axis at the last move (new minus old).
  int DX() const { return FDX; }
  int DY() const { return FDY; }
  int DZ() const { return FDZ; }

 private:
  TJoyEvent Event(TJoyEventKind kind, int changed = 0) const;
  void ChangeButton(int button, bool down, std::vector<TJoyEvent>& events);

  TJoyReading FState;
  int FDX = 0;
  int FDY = 0;
  int FDZ = 0;
};

}  // namespace Veltor
