// How a stick's readings become move and button events.
#include "system/gameport_model.h"

#include <gtest/gtest.h>

using namespace Veltor;

namespace {

TJoyReading Reading(int x, int y, int z, int buttons) {
  TJoyReading reading;
  reading.X = x;
  reading.Y = y;
  reading.Z = z;
  reading.Buttons = buttons;
  return reading;
}

// Kind, x, y, z, held, changed as one comparable string.
std::string Describe(const TJoyEvent& e) {
  const char* kind = e.Kind == TJoyEventKind::Move ? "move" : e.Kind == TJoyEventKind::ButtonDown ? "down" : "up";
  return std::string(kind) + " " + std::to_string(e.X) + "," + std::to_string(e.Y) + "," + std::to_string(e.Z) + " b" +
         std::to_string(e.Button) + (e.Kind == TJoyEventKind::Move ? "" : " c" + std::to_string(e.ButtonChanged));
}

std::vector<std::string> Describe(const std::vector<TJoyEvent>& events) {
  std::vector<std::string> out;
  for (const TJoyEvent& e : events) out.push_back(Describe(e));
  return out;
}

using Lines = std::vector<std::string>;

}  // namespace

TEST(StickTracker, MovesReportTheOtherAxesAsStoredAndKeepTheChange) {
  TStickTracker tracker;
  tracker.Reset(Reading(100, 200, 300, 0b0010));
  EXPECT_TRUE(tracker.Update(Reading(100, 200, 300, 0b0010), {}).empty());

  // x/y first, with the old z; then z with the new x and y.
  EXPECT_EQ(Describe(tracker.Update(Reading(150, 180, 350, 0b0010), {})),
            (Lines{"move 150,180,300 b2", "move 150,180,350 b2"}));
  EXPECT_EQ(tracker.DZ(), 50);
  EXPECT_EQ(tracker.DX(), 0);

  EXPECT_EQ(Describe(tracker.Update(Reading(140, 180, 350, 0b0010), {})), (Lines{"move 140,180,350 b2"}));
  EXPECT_EQ(tracker.DX(), -10);
  EXPECT_EQ(tracker.DY(), 0);
  EXPECT_EQ(tracker.DZ(), 0);

  EXPECT_EQ(Describe(tracker.Update(Reading(140, 190, 350, 0b0010), {})), (Lines{"move 140,190,350 b2"}));
  EXPECT_EQ(tracker.DY(), 10);

  EXPECT_EQ(Describe(tracker.Update(Reading(140, 190, 0, 0b0010), {})), (Lines{"move 140,190,0 b2"}));
  EXPECT_EQ(tracker.DZ(), -350);
}

TEST(StickTracker, ButtonsGiveOneEventEachWithTheButtonsHeldAfterIt) {
  TStickTracker tracker;
  tracker.Reset(Reading(1, 2, 3, 0b0010));
  // Buttons 1 and 4 go down and button 2 up in one reading: highest first.
  EXPECT_EQ(Describe(tracker.Update(Reading(1, 2, 3, 0b1001), {})),
            (Lines{"down 1,2,3 b10 c3", "up 1,2,3 b8 c1", "down 1,2,3 b9 c0"}));
  EXPECT_EQ(tracker.State().Buttons, 0b1001);

  // A move in the same reading comes before the buttons, which then carry it.
  EXPECT_EQ(Describe(tracker.Update(Reading(5, 2, 3, 0b0001), {})), (Lines{"move 5,2,3 b9", "up 5,2,3 b1 c3"}));
}

TEST(StickTracker, QueuedChangesComeFirstSoAShortPressIsNotLost) {
  TStickTracker tracker;
  tracker.Reset(Reading(0, 0, 0, 0));
  // Button 3 was pressed and released between two readings.
  EXPECT_EQ(Describe(tracker.Update(Reading(0, 0, 0, 0), {{2, true}, {2, false}})),
            (Lines{"down 0,0,0 b4 c2", "up 0,0,0 b0 c2"}));

  // A change the state already shows is not reported twice; what the queue
  // missed is still made up from the reading.
  tracker.Reset(Reading(0, 0, 0, 0b0001));
  EXPECT_EQ(Describe(tracker.Update(Reading(0, 0, 0, 0b0011), {{0, true}, {1, true}})), (Lines{"down 0,0,0 b3 c1"}));
  EXPECT_EQ(Describe(tracker.Update(Reading(0, 0, 0, 0b0111), {})), (Lines{"down 0,0,0 b7 c2"}));
  // Buttons out of range in the queue are ignored.
  EXPECT_TRUE(tracker.Update(Reading(0, 0, 0, 0b0111), {{4, true}, {-1, false}}).empty());
}
