#pragma once
// The pixel counters live in tests/common/testutil.h; these names remain for
// the spinner tests until they use that header directly.

#include "testutil.h"

namespace ButtonTest {

using VeltorTest::CountColour;
using VeltorTest::CountOther;

}  // namespace ButtonTest
