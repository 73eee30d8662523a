// The final scene's motion values as the viewer sees them: the tube's breathing, the fog cycle,
// the camera holding still without time, and where the flare starts.
#include "scenes/final/final_motion.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

#include "core/keyframe_path.h"

namespace {

using namespace finalscene;

TEST(FinalMotion, RadiiStartNearTwoThirdsAndStayInRange) {
  FinalScene scene;
  animate(scene, 0, 0);
  EXPECT_NEAR(scene.tunnelRadius[0], std::cos(0.005) / 6 + 0.5, 1e-6);
  EXPECT_NEAR(scene.tunnelRadius[1], std::cos(0.0025) / 6 + 0.5, 1e-6);
  for (int frame = 0; frame < 6000; ++frame) {
    animate(scene, frame * 16, 16);
    for (float r : scene.tunnelRadius) {
      ASSERT_GE(r, 1.0f / 3.0f - 1e-6f);
      ASSERT_LE(r, 2.0f / 3.0f + 1e-6f);
    }
    ASSERT_EQ(scene.tunnelRadius[0], scene.tunnelRadius[3]);
    ASSERT_EQ(scene.tunnelRadius[1], scene.tunnelRadius[2]);
  }
}

TEST(FinalMotion, FogRampsOverTenSecondsAndDropsToBlack) {
  const struct {
    int32_t elapsed;
    float grey;
  } cases[] = {{0, 0.0f}, {5000, 0.5f}, {9999, 0.9999f}, {10000, 0.0f}, {19999, 0.9999f}};
  for (const auto& c : cases) {
    FinalScene scene;
    animate(scene, c.elapsed, 0);
    EXPECT_FLOAT_EQ(scene.fogGrey, c.grey) << c.elapsed;
  }
}

TEST(FinalMotion, FogFollowsElapsedBackAndOnAcrossItsWrap) {
  const struct {
    const char* what;
    int32_t first, second;
    float grey;
  } cases[] = {
      {"a step back", 5000, 4000, 0.4f},
      {"a counter behind the start", 0, -10, 0.0f},
      {"elapsed wrapping 20 ms on", INT32_MAX - 15, INT32_MIN + 4, 0.3652f},
  };
  for (const auto& c : cases) {
    FinalScene scene;
    animate(scene, c.first, 0);
    animate(scene, c.second, 0);
    EXPECT_FLOAT_EQ(scene.fogGrey, c.grey) << c.what;
  }
}

TEST(FinalMotion, NoFrameTimeHoldsCameraAndScrollButTheTubeBreathes) {
  FinalScene scene;
  animate(scene, 0, 40);
  const FinalScene before = scene;
  animate(scene, 40, 0);
  EXPECT_EQ(scene.cameraPitch, before.cameraPitch);
  EXPECT_EQ(scene.cameraYaw, before.cameraYaw);
  EXPECT_EQ(scene.cameraRoll, before.cameraRoll);
  EXPECT_EQ(scene.textureScroll, before.textureScroll);
  EXPECT_NE(scene.tunnelRadius[0], before.tunnelRadius[0]);
}

TEST(FinalMotion, FlareStartsSevenHundredMillisecondsAlongThePath) {
  buildSplineBasis();
  FinalScene scene;
  animate(scene, 0, 0);
  float x, y, z;
  pathPosition(flarePathTime(scene), &x, &y, &z);
  EXPECT_EQ(x, 0.0f);
  EXPECT_EQ(y, 0.0f);
  EXPECT_NEAR(z, -4.736f, 1e-5f);
}

TEST(FinalMotion, BreathingKeepsGoingAfterHundredsOfHoursOfFrames) {
  // 30 million frames is about 140 hours at 60 frames a second: an unbounded phase would have
  // passed 2^17, where a step of 0.005 no longer changes a float.
  FinalScene scene;
  for (int frame = 0; frame < 30000000; ++frame) animateTunnel(scene);
  int changed = 0;
  for (int frame = 0; frame < 100; ++frame) {
    const FinalScene before = scene;
    animateTunnel(scene);
    changed += scene.tunnelRadius[0] != before.tunnelRadius[0] ||
               scene.tunnelRadius[1] != before.tunnelRadius[1];
  }
  EXPECT_EQ(changed, 100);
  for (float phase : scene.tunnelPhase) EXPECT_LT(phase, 6.2831855f);
}

}  // namespace
