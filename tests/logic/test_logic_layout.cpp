// The logic display's layout and geometry hooks, without a widget.
#include "logic/logic_layout.h"

#include <gtest/gtest.h>

using namespace Veltor;

TEST(LogicLayout, PositionBarSpanStaysInTheBar) {
  const TRect bar(10, 5, 110, 9);  // 100 pixels
  struct Row {
    int start, end, count;
    TRect span;
  } rows[] = {
      {0, 499, 1000, TRect(10, 5, 59, 9)},    // the first half
      {500, 501, 1000, TRect(59, 5, 60, 9)},  // one pixel: it grows to the left
      {0, 2, 1000, TRect(10, 5, 11, 9)},      // at the start it grows to the right
      {0, 39, 25, TRect(10, 5, 106, 9)},      // a text page past a short buffer
      {30, 60, 25, TRect(105, 5, 106, 9)},    // a view wholly past it
      {7, 5, 1000, TRect(10, 5, 11, 9)},      // ends the wrong way round
  };
  for (const Row& r : rows) {
    EXPECT_EQ(PositionBarSpan(bar, r.start, r.end, r.count), r.span) << r.start << ".." << r.end << " of " << r.count;
  }
  EXPECT_TRUE(PositionBarSpan(TRect(10, 5, 10, 9), 0, 5, 25).IsEmpty());
  EXPECT_TRUE(PositionBarSpan(TRect(10, 5, 4, 9), 0, 5, 25).IsEmpty());
}
