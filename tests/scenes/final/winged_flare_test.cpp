// The winged flare's logic without GL: when it emits sparks and which, how the pool fills, and
// how sparks move and die with the flare's own millisecond intervals.
#include "scenes/final/winged_flare.h"

#include <gtest/gtest.h>

#include "recording_platform.h"
#include "scenes/final/demo_random.h"

namespace {

using namespace finalscene;

using testing_support::manualMilliseconds;

int liveSparks(const WingedFlare& flare) {
  int live = 0;
  for (int i = 0; i < kParticleSlots; ++i) live += flare.particles[i].life > 0 ? 1 : 0;
  return live;
}

class WingedFlareLogic : public ::testing::Test {
 protected:
  void SetUp() override { resetDemoRandForTesting(); }

  void updateAt(uint32_t now) {
    manualMilliseconds = now;
    flare.update(Camera{});
  }

  testing_support::ScopedPlatform platform;
  WingedFlare flare;
};

TEST_F(WingedFlareLogic, EmitsOnlyInsideItsTimerWindows) {
  const struct {
    uint32_t now;
    int sparks;
  } cases[] = {
      {1234503, 2},  // tens digit 0 and (now / 3) % 3 == 0
      {1234500, 1},  // tens digit 0 only
      {1234512, 1},  // (now / 3) % 3 == 0 only
      {1234515, 0},  // neither
      {1234505, 2},  // the last millisecond of a drifting window
      {1234506, 1},  // just after it
  };
  for (const auto& c : cases) {
    WingedFlare fresh;
    manualMilliseconds = c.now;
    fresh.update(Camera{});
    EXPECT_EQ(liveSparks(fresh), c.sparks) << c.now;
  }
}

TEST_F(WingedFlareLogic, BothWindowsEmitTheTrailSparkFirst) {
  flare.setPosition(0.0f, 0.0f, -4.0f);
  updateAt(1234503);
  const Particle& trail = flare.particles[0];
  EXPECT_EQ(trail.life, 41 % 1000 + 1000);
  EXPECT_FLOAT_EQ(trail.vy, 0.1f);    // 18467 % 10 == 7
  EXPECT_FLOAT_EQ(trail.vx, -0.05f);  // 6334 % 10 == 4
  EXPECT_FLOAT_EQ(trail.vz, 2.0f);
  EXPECT_FLOAT_EQ(trail.z, -4.0f);
  EXPECT_FLOAT_EQ(trail.green, 250.0f / 256.0f);  // 26500 % 5 == 0
  const Particle& drifting = flare.particles[1];
  EXPECT_EQ(drifting.life, 19169 % 2000 + 3000);
  EXPECT_FLOAT_EQ(drifting.az, 0.2f);  // 15724 % 10 == 4
  EXPECT_FLOAT_EQ(drifting.vz, 2.2f);  // 26962 % 10 == 2
  EXPECT_TRUE(drifting.z == -6.0f || drifting.z == -7.0f || drifting.z == -8.0f);
}

TEST_F(WingedFlareLogic, FullPoolDropsASparkWithoutDrawingAColour) {
  for (int i = 0; i < kParticleSlots; ++i) {
    flare.emitParticle(0, 0, 0, 0, 0, 0, 0, 0, 0, 500);
  }
  resetDemoRandForTesting();
  flare.emitParticle(1, 1, 1, 0, 0, 0, 0, 0, 0, 900);
  EXPECT_EQ(demoRand(), 41);  // still the first value: nothing was drawn
  for (int i = 0; i < kParticleSlots; ++i) EXPECT_EQ(flare.particles[i].life, 500);
}

TEST_F(WingedFlareLogic, ExpiredSparkIsClampedMovesOnceAndFreesItsSlot) {
  flare.emitParticle(0, 0, 0, 1.0f, 0, 0, 10.0f, 0, 0, 5);
  flare.tickDelta = 100;
  flare.moveParticles();
  const Particle& p = flare.particles[0];
  EXPECT_EQ(p.life, 0);
  EXPECT_FLOAT_EQ(p.x, 0.1f);  // moved with the velocity from before the step
  EXPECT_FLOAT_EQ(p.vx, 2.0f);
  flare.moveParticles();
  EXPECT_FLOAT_EQ(p.x, 0.1f);
  flare.emitParticle(5, 0, 0, 0, 0, 0, 0, 0, 0, 700);
  EXPECT_FLOAT_EQ(flare.particles[0].x, 5.0f);
}

TEST_F(WingedFlareLogic, SameMillisecondFreezesSparks) {
  updateAt(1234416);  // outside both windows
  flare.emitParticle(0, 0, -6, 0.2f, 0.1f, 2.0f, 0.1f, 0.1f, 0.1f, 3000);
  updateAt(1234515);
  const Particle before = flare.particles[0];
  EXPECT_EQ(flare.tickDelta, 99);
  updateAt(1234515);
  EXPECT_EQ(flare.tickDelta, 0);
  const Particle& after = flare.particles[0];
  EXPECT_EQ(after.life, before.life);
  EXPECT_EQ(after.x, before.x);
  EXPECT_EQ(after.z, before.z);
  EXPECT_EQ(after.vz, before.vz);
}

TEST_F(WingedFlareLogic, FirstUpdateCountsAsNoTimePassed) {
  flare.emitParticle(0, 0, -6, 0, 0, 2.0f, 0, 0, 0, 3000);
  updateAt(987654321);
  EXPECT_EQ(flare.tickDelta, 0);
  EXPECT_EQ(flare.particles[0].life, 3000);
  EXPECT_FLOAT_EQ(flare.particles[0].z, -6.0f);
}

TEST_F(WingedFlareLogic, IntervalsAndFlappingRunOnAcrossTheCounterWraps) {
  const struct {
    uint32_t from, to;
  } wraps[] = {{0x7FFFFFF0u, 0x80000010u}, {0xFFFFFFF0u, 0x00000010u}};
  for (const auto& w : wraps) {
    WingedFlare fresh;
    manualMilliseconds = w.from;
    fresh.update(Camera{});
    const int64_t before = fresh.flareTime;
    manualMilliseconds = w.to;
    fresh.update(Camera{});
    EXPECT_EQ(fresh.tickDelta, 32);
    EXPECT_EQ(fresh.flareTime, before + 32);
  }
}

}  // namespace
