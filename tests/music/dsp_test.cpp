// The synthesiser's building blocks measured as signals: noise statistics, oscillator pitch and
// aliasing, filter responses, envelope shape and the master stage's ceiling.

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "music/automation.h"
#include "music/dsp.h"
#include "music/envelope.h"
#include "music/filter.h"
#include "music/master.h"
#include "music/noise_source.h"
#include "music/oscillator.h"

namespace {

// Amplitude of the component at `hz` (Goertzel), for a signal of whole cycles of it.
float amplitudeAt(const std::vector<float>& signal, float hz) {
  float coefficient = 2.0f * std::cos(kTwoPi * hz / kSampleRateHz);
  double s1 = 0.0, s2 = 0.0;
  for (float x : signal) {
    double s0 = x + coefficient * s1 - s2;
    s2 = s1;
    s1 = s0;
  }
  double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
  return static_cast<float>(2.0 * std::sqrt(std::max(0.0, power)) / signal.size());
}

float rms(const std::vector<float>& signal, size_t from) {
  double sum = 0.0;
  for (size_t i = from; i < signal.size(); ++i) sum += signal[i] * signal[i];
  return static_cast<float>(std::sqrt(sum / (signal.size() - from)));
}

std::vector<float> sineThroughLowpass(float hz, float cutoffHz) {
  Oscillator sine;
  sine.setFrequency(hz);
  StateVariableFilter filter;
  filter.setCutoff(cutoffHz, 0.707f);
  std::vector<float> out(44100);
  for (float& sample : out) sample = filter.process(sine.sine()).low;
  return out;
}

}  // namespace

TEST(NoiseSource, RepeatsFromTheSameSeedAndIsCentredAndFlat) {
  NoiseSource first(1234), second(1234), other(1235);
  double sum = 0.0, squares = 0.0;
  int differing = 0;
  for (int i = 0; i < 200000; ++i) {
    float value = first.white();
    ASSERT_EQ(value, second.white());
    ASSERT_GE(value, -1.0f);
    ASSERT_LT(value, 1.0f);
    differing += value != other.white();
    sum += value;
    squares += value * value;
  }
  EXPECT_NEAR(sum / 200000, 0.0, 0.01);
  EXPECT_NEAR(squares / 200000, 1.0 / 3.0, 0.01);  // variance of a uniform distribution on [-1, 1)
  EXPECT_GT(differing, 199000);
}

TEST(NoiseSource, ZeroSeedStillProducesNoise) {
  NoiseSource noise(0);
  EXPECT_NE(noise.nextBits(), noise.nextBits());
}

TEST(Oscillator, SineHasTheRequestedPitch) {
  Oscillator sine;
  sine.setFrequency(440.0f);
  int crossings = 0;
  float previous = sine.sine();
  for (int i = 1; i < 44100; ++i) {
    float value = sine.sine();
    crossings += (previous < 0.0f) != (value < 0.0f);
    previous = value;
  }
  EXPECT_NEAR(crossings, 880, 2);
}

TEST(Oscillator, BandLimitedSawKeepsAliasesFarBelowItsHarmonics) {
  // At 3 kHz the 15th harmonic (45 kHz) folds back to 900 Hz; a naive saw puts it at about
  // -27 dB against the fundamental.
  Oscillator saw;
  saw.setFrequency(3000.0f);
  std::vector<float> signal(44100);
  for (float& sample : signal) sample = saw.saw();
  float fundamental = amplitudeAt(signal, 3000.0f);
  EXPECT_NEAR(fundamental, 2.0f / kPi, 0.05f);
  EXPECT_LT(20.0f * std::log10(amplitudeAt(signal, 900.0f) / fundamental), -40.0f);
}

TEST(Oscillator, PulseWidthSetsTheDutyCycle) {
  Oscillator pulse;
  pulse.setFrequency(100.0f);
  double sum = 0.0;
  for (int i = 0; i < 44100; ++i) sum += pulse.pulse(0.25f);
  EXPECT_NEAR(sum / 44100, -0.5, 0.01);  // a quarter of the time at +1, the rest at -1
}

TEST(StateVariableFilter, LowpassPassesBelowAndCutsAboveTheCutoff) {
  EXPECT_NEAR(rms(sineThroughLowpass(100.0f, 1000.0f), 4410), std::sqrt(0.5f), 0.03f);
  float cut = rms(sineThroughLowpass(10000.0f, 1000.0f), 4410) / std::sqrt(0.5f);
  EXPECT_LT(20.0f * std::log10(cut), -35.0f);  // two poles: about 40 dB a decade
}

TEST(StateVariableFilter, OutputsSplitTheInput) {
  StateVariableFilter filter;
  filter.setCutoff(800.0f, 2.0f);
  NoiseSource noise(7);
  for (int i = 0; i < 1000; ++i) {
    float input = noise.white();
    FilterOutputs out = filter.process(input);
    ASSERT_NEAR(out.low + 0.5f * out.band + out.high, input, 1e-5f);  // damping 1/Q
  }
}

TEST(Envelope, RisesHoldsTheSustainAndReleasesToSilence) {
  Envelope envelope({0.01f, 0.1f, 0.5f, 0.2f}, 0.5f);
  std::vector<float> levels;
  for (int i = 0; i < envelope.totalFrames() + 100; ++i) levels.push_back(envelope.next());
  EXPECT_EQ(envelope.totalFrames(), secondsToFrames(0.5f) + secondsToFrames(0.2f));
  EXPECT_NEAR(levels[secondsToFrames(0.01f)], 1.0f, 0.01f);
  EXPECT_NEAR(levels[secondsToFrames(0.45f)], 0.5f, 0.01f);
  EXPECT_LT(levels[envelope.totalFrames() - 1], dbToGain(-70.0f));
  EXPECT_EQ(levels.back(), 0.0f);
  for (float level : levels) ASSERT_LE(level, 1.0f);
}

TEST(Curve, JoinsBreakpointsWithLinesAndHoldsAtTheEnds) {
  Curve curve{{10.0f, 1.0f}, {20.0f, 3.0f}, {30.0f, 3.0f}};
  EXPECT_FLOAT_EQ(curve.at(0.0f), 1.0f);
  EXPECT_FLOAT_EQ(curve.at(15.0f), 2.0f);
  EXPECT_FLOAT_EQ(curve.at(25.0f), 3.0f);
  EXPECT_FLOAT_EQ(curve.at(99.0f), 3.0f);
}

TEST(MasterStage, SoftKneeIsTransparentWhenQuietAndNeverPassesTheCeiling) {
  EXPECT_EQ(softKnee(0.5f), 0.5f);
  EXPECT_EQ(softKnee(-0.3f), -0.3f);
  float previous = 0.0f;
  for (float x = 0.0f; x < 20.0f; x += 0.01f) {
    float y = softKnee(x);
    ASSERT_GE(y, previous);
    ASSERT_LE(y, kMasterCeiling);
    previous = y;
  }
}

TEST(MasterStage, LimitsAnOverloadedMixBelowTheCeilingAndAppliesTheFade) {
  MixBuses buses(44100);
  Oscillator sine;
  sine.setFrequency(60.0f);
  for (int i = 0; i < buses.frames; ++i) buses.left[i] = buses.right[i] = 3.0f * sine.sine();
  std::vector<int16_t> pcm = masterToPcm(buses, Curve{{0.0f, 1.0f}, {0.5f, 1.0f}, {0.6f, 0.0f}});
  int peak = 0;
  for (size_t i = 0; i < pcm.size() / 2; ++i)
    peak = std::max(peak, std::abs(static_cast<int>(pcm[i])));
  EXPECT_LT(peak, static_cast<int>(kMasterCeiling * 32767.0f));
  EXPECT_GT(peak, static_cast<int>(0.6f * 32767.0f));
  for (size_t i = 2 * 30000; i < pcm.size(); ++i) ASSERT_EQ(pcm[i], 0);
}
