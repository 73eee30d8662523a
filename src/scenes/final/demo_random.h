// The program's own random numbers: the classic 15-bit linear congruential generator (multiplier
// 214013, increment 2531011), state 1 at start and never seeded, so every run draws the same
// sparks. Only the winged flare draws from it; the C library's rand is never used.
#pragma once

namespace finalscene {

// The next value, 0 to 32767.
int demoRand();

// Tests only: puts the state back to 1, as at process start.
void resetDemoRandForTesting();

}  // namespace finalscene
