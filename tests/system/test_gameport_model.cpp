// How a stick's readings become move and button events.
#include "system/gameport_model.h"

#include <gtest/gtest.h>

using namespace Veltor;

namespace {

TJoyReading Reading(int x, int y, int z, int buttons) { return TJoyReading{x, y, z, buttons}; }

// Kind, x, y, z, held buttons and the changed one, as one line per event.
std::vector<std::string> Lines(const std::vector<TJoyEvent>& events) {
  std::vector<std::string> out;
  for (const TJoyEvent& e : events) {
    const char* kind = e.Kind == TJoyEventKind::Move ? "move" : e.Kind == TJoyEventKind::ButtonDown ? "down" : "up";
    out.push_back(std::string(kind) + " " + std::to_string(e.X) + "," + std::to_string(e.Y) + "," +
                  std::to_string(e.Z) + " b" + std::to_string(e.Button) +
                  (e.Kind == TJoyEventKind::Move ? "" : " c" + std::to_string(e.ButtonChanged)));
  }
  return out;
}

using Expected = std::vector<std::string>;

}  // namespace

TEST(StickTracker, MovesReportTheOtherAxesAsStoredAndKeepTheChange) {
  TStickTracker tracker;
  tracker.Reset(Reading(100, 200, 300, 0b0010));
  EXPECT_TRUE(tracker.Update(Reading(100, 200, 300, 0b0010), {}).empty());
  // x/y first, with the old z; then z with the new x and y.
  EXPECT_EQ(Lines(tracker.Update(Reading(150, 180, 350, 0b0010), {})),
            (Expected{"move 150,180,300 b2", "move 150,180,350 b2"}));
  EXPECT_EQ(tracker.DZ(), 50);
  EXPECT_EQ(tracker.DX(), 0);
  EXPECT_EQ(Lines(tracker.Update(Reading(140, 190, 350, 0b0010), {})), Expected{"move 140,190,350 b2"});
  EXPECT_EQ(tracker.DX(), -10);
  EXPECT_EQ(tracker.DY(), 10);
  EXPECT_EQ(tracker.DZ(), 0);
}

TEST(StickTracker, ButtonsGiveOneEventEachWithTheButtonsHeldAfterIt) {
  TStickTracker tracker;
  tracker.Reset(Reading(1, 2, 3, 0b0010));
  // Buttons 1 and 4 go down and button 2 up in one reading: highest first.
  EXPECT_EQ(Lines(tracker.Update(Reading(1, 2, 3, 0b1001), {})),
            (Expected{"down 1,2,3 b10 c3", "up 1,2,3 b8 c1", "down 1,2,3 b9 c0"}));
  // A move in the same reading comes first; the buttons then carry it.
  EXPECT_EQ(Lines(tracker.Update(Reading(5, 2, 3, 0b0001), {})), (Expected{"move 5,2,3 b9", "up 5,2,3 b1 c3"}));
}

TEST(StickTracker, QueuedChangesComeFirstSoAShortPressIsNotLost) {
  TStickTracker tracker;
  tracker.Reset(Reading(0, 0, 0, 0));
  EXPECT_EQ(Lines(tracker.Update(Reading(0, 0, 0, 0), {{2, true}, {2, false}})),
            (Expected{"down 0,0,0 b4 c2", "up 0,0,0 b0 c2"}));
  // A change the state already shows is not reported twice; what the queue
  // missed is made up from the reading; buttons out of range are ignored.
  tracker.Reset(Reading(0, 0, 0, 0b0001));
  EXPECT_EQ(Lines(tracker.Update(Reading(0, 0, 0, 0b0111), {{0, true}, {1, true}, {4, true}})),
            (Expected{"down 0,0,0 b3 c1", "down 0,0,0 b7 c2"}));
}
