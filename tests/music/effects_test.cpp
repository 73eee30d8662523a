// The echo and the reverb driven by a single click: where the echoes land, and that the hall's
// tail is wide and dies away.

#include <gtest/gtest.h>

#include <cmath>

#include "music/delay.h"
#include "music/reverb.h"

namespace {

double energy(const std::vector<float>& signal, int from, int to) {
  double sum = 0.0;
  for (int i = from; i < to; ++i) sum += signal[i] * signal[i];
  return sum;
}

}  // namespace

TEST(PingPongDelay, EchoesAlternateSidesAndFade) {
  MixBuses buses(44100);
  buses.delaySend[100] = 1.0f;
  applyPingPongDelay({0.1f, 0.5f, 20000.0f, 0.0f}, buses);
  int step = secondsToFrames(0.1f);
  EXPECT_NEAR(buses.left[100 + step], 1.0f, 1e-6f);
  EXPECT_EQ(buses.right[100 + step], 0.0f);
  float second = 0.0f, third = 0.0f;
  for (int i = -3; i <= 3; ++i) second = std::max(second, buses.right[100 + 2 * step + i]);
  for (int i = -6; i <= 6; ++i) third = std::max(third, buses.left[100 + 3 * step + i]);
  EXPECT_GT(second, 0.3f);
  EXPECT_LT(second, 0.55f);
  EXPECT_LT(third, second);
  EXPECT_EQ(buses.left[100 + 2 * step], 0.0f);
}

TEST(Reverb, TailIsStereoAndDecays) {
  MixBuses buses(4 * 44100);
  buses.reverbSend[0] = 1.0f;
  applyReverb({0.02f, 0.85f, 0.35f, 1.0f}, buses);
  double first = energy(buses.left, 0, 44100);
  double fourth = energy(buses.left, 3 * 44100, 4 * 44100);
  EXPECT_GT(first, 0.0);
  EXPECT_LT(fourth, first * 1e-3);
  for (int i = 0; i < secondsToFrames(0.02f); ++i) ASSERT_EQ(buses.left[i], 0.0f);  // pre-delay
  double product = 0.0;
  for (int i = 0; i < 44100; ++i) product += buses.left[i] * buses.right[i];
  double correlation = product / std::sqrt(first * energy(buses.right, 0, 44100));
  EXPECT_LT(correlation, 0.5);  // the sides' different line lengths decorrelate them
}
