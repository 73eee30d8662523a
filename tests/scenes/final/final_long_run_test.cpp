// Sixty simulated days of the final scene's logic on the manual clock, through the 32-bit
// counter's wrap and both wraps of the scene's elapsed time (negative at 24.8 days, back to 0 at
// 49.7): one frame a simulated minute, with 16 ms frames around each wrap.
#include <gtest/gtest.h>

#include <cmath>

#include "core/demo_clock.h"
#include "core/keyframe_path.h"
#include "recording_platform.h"
#include "scenes/final/final_motion.h"
#include "scenes/final/winged_flare.h"

namespace {

using namespace finalscene;

using testing_support::manualMilliseconds;

constexpr uint32_t kSceneStartCounter = 1000000000u;  // the counter itself wraps 38.3 days in
constexpr int64_t kDayMs = 86400000;

class FinalLongRun : public ::testing::Test {
 protected:
  void SetUp() override {
    buildSplineBasis();
    manualMilliseconds = kSceneStartCounter;
    clock.restart();
    flare.update(Camera{});  // so every later interval is a step
  }

  // One frame of the scene's logic, as frame() runs it, `ms` after the previous one.
  void step(uint32_t ms) {
    manualMilliseconds += ms;
    trueTime += ms;
    clock.endFrame();
    const FinalScene before = scene;
    animate(scene, clock.elapsed, clock.frameTime);
    float x, y, z;
    pathPosition(flarePathTime(scene), &x, &y, &z);
    flare.setPosition(x, y, z);
    flare.update(cameraOf(scene));
    check(before, z, ms);
  }

  void check(const FinalScene& before, float z, uint32_t ms) {
    ASSERT_FLOAT_EQ(scene.fogGrey, static_cast<float>(trueTime % 10000) * 0.0001f) << trueTime;
    ASSERT_TRUE(scene.tunnelRadius[0] != before.tunnelRadius[0] ||
                scene.tunnelRadius[1] != before.tunnelRadius[1])
        << trueTime;
    const float values[] = {scene.cameraPitch,     scene.cameraYaw,     scene.cameraRoll,
                            scene.cameraRollSwing, scene.textureScroll, flare.wingAngle,
                            flare.glowSize,        flare.haloSize,      z};
    for (float v : values) ASSERT_TRUE(std::isfinite(v)) << trueTime;
    ASSERT_GE(scene.textureScroll, 0.0f);
    ASSERT_LT(scene.textureScroll, 1.0f);
    ASSERT_LT(scene.cameraRoll, 360.0f);
    ASSERT_LE(z, 0.2f) << trueTime;  // only the keyed path's pass by the eye goes above 0
    ASSERT_GT(z, -5.1f) << trueTime;
    ASSERT_EQ(flare.tickDelta, static_cast<int32_t>(ms)) << trueTime;
  }

  // Minute frames up to shortly before `around` (a scene time in ms), then 16 ms frames past it.
  void runAcross(int64_t around) {
    while (trueTime + 60000 < around - 30000 && !HasFatalFailure()) step(60000);
    while (trueTime < around + 30000 && !HasFatalFailure()) step(16);
  }

  testing_support::ScopedPlatform platform;
  DemoClock clock;
  FinalScene scene;
  WingedFlare flare;
  int64_t trueTime = 0;
};

TEST_F(FinalLongRun, SixtyDaysStayFiniteWithTheFogCycleIntact) {
  // elapsed turns negative, the counter wraps, elapsed comes back round to 0.
  const int64_t wraps[] = {int64_t{1} << 31, (int64_t{1} << 32) - kSceneStartCounter,
                           int64_t{1} << 32};
  for (int64_t wrap : wraps) {
    runAcross(wrap);
    ASSERT_FALSE(HasFatalFailure());
  }
  while (trueTime < 60 * kDayMs && !HasFatalFailure()) step(60000);
  ASSERT_FALSE(HasFatalFailure());
  int emitted = 0;
  for (int ms = 0; ms < 200 && !HasFatalFailure(); ++ms) {
    step(1);
    for (int i = 0; i < kParticleSlots; ++i) emitted += flare.particles[i].life > 0 ? 1 : 0;
  }
  EXPECT_GT(emitted, 0);
}

}  // namespace
