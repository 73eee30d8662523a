// The keyframe path: the basis table, the positions the keys fix, and the loop that carries the
// flare on past the last key. Counts heap allocations to show the table is made only once.
#include "core/keyframe_path.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <new>

namespace {
int allocations = 0;
}  // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

class KeyframePath : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { buildSplineBasis(); }
};

float zAt(int32_t time) {
  float x = 1.0f, y = 1.0f, z = 1.0f;
  pathPosition(time, &x, &y, &z);
  EXPECT_EQ(x, 0.0f) << time;
  EXPECT_EQ(y, 0.0f) << time;
  return z;
}

TEST_F(KeyframePath, BasisRowsZeroAndHalfAreExact) {
  const float row0[4] = {1.0f, 0.0f, 0.0f, 0.0f};
  const float row500[4] = {0.5f, 0.5f, 0.125f, -0.125f};
  for (int j = 0; j < 4; ++j) {
    EXPECT_EQ(splineBasis[0][j], row0[j]) << j;
    EXPECT_EQ(splineBasis[500][j], row500[j]) << j;
  }
}

TEST_F(KeyframePath, SecondBuildAllocatesNothingAndKeepsValues) {
  SplineWeights* table = splineBasis;
  const float before = splineBasis[731][2];
  const int counted = allocations;
  buildSplineBasis();
  EXPECT_EQ(allocations, counted);
  EXPECT_EQ(splineBasis, table);
  EXPECT_EQ(splineBasis[731][2], before);
}

TEST_F(KeyframePath, PassesThroughKeysAndHalfWayValues) {
  const struct {
    int32_t time;
    float z;
  } cases[] = {{0, -3.0f},     {1000, -5.0f},   {5000, -1.0f},   {500, -4.25f},    {1500, -3.625f},
               {2500, -1.75f}, {3500, -2.625f}, {4500, -2.125f}, {5500, -0.0625f}, {700, -4.736f}};
  for (const auto& c : cases) EXPECT_NEAR(zAt(c.time), c.z, 1e-5f) << c.time;
}

TEST_F(KeyframePath, ANegativeTimeIsTheStart) {
  for (int32_t t : {-1, -999, INT32_MIN}) EXPECT_EQ(zAt(t), -3.0f) << t;
}

TEST_F(KeyframePath, OvershootsTheKeyJustBeforeIt) {
  const float z = zAt(999);
  EXPECT_LT(z, -5.0f);
  EXPECT_GT(z, -5.001f);
}

// The largest step between neighbouring milliseconds anywhere on the keyed path.
float largestStepUpTo6000() {
  float largest = 0.0f;
  for (int32_t t = 1; t < 6000; ++t) largest = std::max(largest, std::fabs(zAt(t) - zAt(t - 1)));
  return largest;
}

TEST_F(KeyframePath, ContinuesWithoutJumpsPastTheKeys) {
  // The return from the eye is the steepest stretch; a jump would be many times this.
  const float bound = largestStepUpTo6000() * 2.0f;
  for (int32_t t = 5990; t < 20000; ++t) {
    ASSERT_LE(std::fabs(zAt(t + 1) - zAt(t)), bound) << t;
  }
}

TEST_F(KeyframePath, TangentsMatchWherePiecesMeet) {
  // 6000: keyed path into the return; 7000: return into the loop; 12000: the loop closing.
  for (int32_t t : {6000, 7000, 12000, 17000}) {
    const float before = zAt(t) - zAt(t - 1);
    const float after = zAt(t + 1) - zAt(t);
    EXPECT_NEAR(after, before, 1e-4f) << t;
  }
}

TEST_F(KeyframePath, StaysInsideTheTubeAndLoopsAfterTheKeys) {
  for (int32_t t = 6000; t < kPathLoopStartMs + kPathLoopMs; ++t) {
    const float z = zAt(t);
    ASSERT_LE(z, 0.0f) << t;
    ASSERT_GT(z, -5.1f) << t;
    if (t >= kPathLoopStartMs) {
      ASSERT_EQ(zAt(t + 3 * kPathLoopMs), z) << t;
    }
  }
}

TEST_F(KeyframePath, ReducedTimesGiveTheSamePlace) {
  for (int64_t t : {0LL, 5999LL, 7000LL, 123456LL, 2147483000LL}) {
    EXPECT_EQ(zAt(pathTimeInRange(t)), zAt(static_cast<int32_t>(t))) << t;
  }
  const int64_t farBeyond32Bits = 9000000000LL;
  EXPECT_LT(pathTimeInRange(farBeyond32Bits), kPathLoopStartMs + kPathLoopMs);
  EXPECT_NEAR(zAt(pathTimeInRange(farBeyond32Bits + 1)), zAt(pathTimeInRange(farBeyond32Bits)),
              0.01f);
}

}  // namespace
