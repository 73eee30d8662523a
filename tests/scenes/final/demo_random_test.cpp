// The program's own generator gives the classic 15-bit sequence from state 1.
#include "scenes/final/demo_random.h"

#include <gtest/gtest.h>

namespace {

using namespace finalscene;

TEST(DemoRand, GivesTheClassicSequenceFromStateOne) {
  resetDemoRandForTesting();
  const int expected[] = {41, 18467, 6334, 26500, 19169, 15724, 11478, 29358, 26962, 24464};
  for (int value : expected) EXPECT_EQ(demoRand(), value);
}

}  // namespace
