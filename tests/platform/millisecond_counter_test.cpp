// The real millisecond counter moves forward with real time in whole milliseconds.
#include <gtest/gtest.h>

#include <thread>

#include "platform/platform.h"

namespace {

TEST(MillisecondCounter, AdvancesWithRealTime) {
  const uint32_t before = platform::real().milliseconds();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const uint32_t passed = platform::real().milliseconds() - before;
  EXPECT_GE(passed, 19u);
  EXPECT_LT(passed, 5000u);
}

}  // namespace
