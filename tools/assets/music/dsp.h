// Shared numbers and small conversions for the soundtrack's synthesiser: sample rate, pitch,
// loudness and stereo placement. Everything runs in single precision.
#pragma once

#include <cmath>

constexpr float kPi = 3.14159265358979f;
constexpr float kTwoPi = 2.0f * kPi;
constexpr float kSampleRateHz = 44100.0f;

// Equal temperament with A4 (MIDI note 69) at 440 Hz; fractional notes give detuning.
inline float midiToHz(float note) { return 440.0f * std::exp2((note - 69.0f) / 12.0f); }

inline float dbToGain(float db) { return std::pow(10.0f, db / 20.0f); }

inline int secondsToFrames(float seconds) {
  return static_cast<int>(seconds * kSampleRateHz + 0.5f);
}

struct PanGains {
  float left;
  float right;
};

// Equal-power law, so a sound keeps its loudness while it moves; -1 is hard left, +1 hard right.
inline PanGains panGains(float pan) {
  float angle = (pan + 1.0f) * 0.25f * kPi;
  return {std::cos(angle), std::sin(angle)};
}
