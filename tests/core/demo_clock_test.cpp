// The scene timer against a manual millisecond counter: what a scene reads after a restart and
// after each endFrame, across a wrap of the 32-bit counter, and when the swap takes time.
#include <gtest/gtest.h>

#include "core/demo_clock.h"
#include "recording_platform.h"

using testing_support::manualMilliseconds;
using testing_support::ScopedPlatform;

TEST(DemoClock, TheFirstFrameEndMeasuresFromTheConstruction) {
  ScopedPlatform platform;
  manualMilliseconds = 5000;
  DemoClock clock;
  manualMilliseconds = 5016;
  clock.endFrame();
  EXPECT_EQ(clock.elapsed, 16);
  EXPECT_EQ(clock.frameTime, 16) << "a frame time from an unset elapsed would be anything";
}

TEST(DemoClock, ElapsedStaysZeroAfterRestartUntilTheNextFrameEnds) {
  ScopedPlatform platform;
  DemoClock clock;
  manualMilliseconds = 100;
  clock.endFrame();
  manualMilliseconds = 250;
  clock.restart();
  manualMilliseconds = 400;
  EXPECT_EQ(clock.elapsed, 0);
  EXPECT_EQ(clock.frameTime, 100) << "restart keeps the last frame time";
  clock.endFrame();
  EXPECT_EQ(clock.elapsed, 150);
  EXPECT_EQ(clock.frameTime, 150) << "the first frame after a restart lasts all of elapsed";
}

TEST(DemoClock, FrameTimeIsTheGapBetweenTwoFrameEnds) {
  ScopedPlatform platform;
  DemoClock clock;
  const uint32_t ends[] = {16, 33, 50, 83};
  int32_t previous = 0;
  for (uint32_t end : ends) {
    manualMilliseconds = end;
    clock.endFrame();
    EXPECT_EQ(clock.elapsed, static_cast<int32_t>(end));
    EXPECT_EQ(clock.frameTime, static_cast<int32_t>(end) - previous);
    previous = static_cast<int32_t>(end);
  }
}

TEST(DemoClock, IsRightAcrossAWrapOfTheCounter) {
  struct Case {
    uint32_t start, firstEnd, secondEnd;
    int32_t elapsed, frameTime;
  };
  const Case cases[] = {
      {0xFFFFFFF0u, 0xFFFFFFFAu, 0x00000006u, 22, 12},  // wraps between the two frame ends
      {0xFFFFFFFFu, 0x00000000u, 0x00000010u, 17, 16},  // wraps between restart and the first end
      {0x7FFFFFF0u, 0x80000000u, 0x80000020u, 48, 32},  // crosses the sign bit of the counter
  };
  for (const Case& c : cases) {
    ScopedPlatform platform;
    DemoClock clock;
    manualMilliseconds = c.start;
    clock.restart();
    manualMilliseconds = c.firstEnd;
    clock.endFrame();
    manualMilliseconds = c.secondEnd;
    clock.endFrame();
    EXPECT_EQ(clock.elapsed, c.elapsed) << "start " << c.start;
    EXPECT_EQ(clock.frameTime, c.frameTime) << "start " << c.start;
  }
}

TEST(DemoClock, ASwapThatWaitsCountsInTheNextFrame) {
  ScopedPlatform platform;
  platform.table().swapBuffers = [](platform::DeviceContext*) { manualMilliseconds += 10; };
  DemoClock clock;
  manualMilliseconds = 20;
  clock.endFrame();
  EXPECT_EQ(clock.elapsed, 20);
  EXPECT_EQ(manualMilliseconds, 30u) << "the frame was presented once";
  manualMilliseconds = 40;
  clock.endFrame();
  EXPECT_EQ(clock.frameTime, 20);
}
