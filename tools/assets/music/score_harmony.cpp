// Parts that spell the chords: the pad (one held note per voice while the chord lasts), the
// ocean's pulse and its glitter, the arpeggio and the bells.

#include <array>
#include <cmath>

#include "harmony.h"
#include "noise_source.h"
#include "score.h"
#include "timeline.h"

namespace {

constexpr int kPulseBar = 12;  // 24 s: the sea starts streaming faster
constexpr int kPulseSixteenthsBar = 24;
constexpr float kGlitterStart = 27.0f;  // the logo's flicker
constexpr float kGlitterEnd = 38.0f;

void addPulseBar(Score& score, int bar) {
  int root = bassRoot(chordAtBar(bar)) + 12;
  constexpr std::array<int, 4> kShape = {0, 12, 7, 12};
  bool sixteenths = bar >= kPulseSixteenthsBar;
  int steps = sixteenths ? 16 : 8;
  float step = kBarSeconds / steps;
  for (int i = 0; i < steps; ++i) {
    float accent = i % 4 == 0 ? 1.0f : 0.7f;
    score.pulse.push_back(
        {barTime(bar) + i * step, step * 0.6f, static_cast<float>(root + kShape[i % 4]), accent});
  }
}

void addGlitter(Score& score) {
  NoiseSource chance(0x9117e5u);
  for (float t = kGlitterStart; t < kGlitterEnd; t += kSixteenthSeconds) {
    if (chance.uniform() < 0.35f) continue;
    std::array<int, 3> tones = triad(chordAtBar(static_cast<int>(t / kBarSeconds)));
    int tone = tones[chance.nextBits() % 3] + 12 * (1 + static_cast<int>(chance.nextBits() % 2));
    float velocity = 0.3f + 0.4f * chance.uniform();
    score.glitter.push_back({t, 0.05f, static_cast<float>(tone), velocity, chance.white() * 0.8f});
  }
}

void addArpeggioBar(Score& score, int bar) {
  std::array<int, 3> t = triad(chordAtBar(bar));
  const std::array<int, 8> kPath = {t[0], t[1], t[2], t[0] + 12, t[1] + 12, t[0] + 12, t[2], t[1]};
  for (int i = 0; i < 16; ++i) {
    float accent = i % 4 == 0 ? 1.0f : (i % 2 == 0 ? 0.75f : 0.6f);
    float pan = 0.6f * std::sin(kTwoPi * i / 16.0f);
    score.arpeggio.push_back({barTime(bar) + i * kSixteenthSeconds, 0.09f,
                              static_cast<float>(kPath[i % 8]), accent, pan});
  }
}

void addBellBar(Score& score, int bar, float velocity) {
  std::array<int, 3> t = triad(chordAtBar(bar));
  struct Strike {
    float beat;
    int pitch;
  };
  const std::array<Strike, 5> kPattern = {
      {{0.0f, t[2]}, {0.75f, t[1]}, {1.5f, t[0] + 12}, {2.5f, t[2]}, {3.0f, t[0]}}};
  for (size_t i = 0; i < kPattern.size(); ++i) {
    float pan = i % 2 == 0 ? -0.45f : 0.45f;
    score.bell.push_back({barTime(bar, kPattern[i].beat), 0.1f,
                          static_cast<float>(kPattern[i].pitch), velocity, pan});
  }
}

}  // namespace

void addPadChords(Score& score) {
  int bar = 0;
  while (bar < kLastBar) {
    Chord chord = chordAtBar(bar);
    int end = bar + 1;
    while (end < kLastBar && chordAtBar(end) == chord) ++end;
    for (int pitch : padVoicing(chord)) {
      score.pad.push_back(
          {barTime(bar), (end - bar) * kBarSeconds, static_cast<float>(pitch), 1.0f});
    }
    bar = end;
  }
}

void addOceanParts(Score& score) {
  for (int bar = kPulseBar; bar < kPyramidBar; ++bar) addPulseBar(score, bar);
  addGlitter(score);
}

void addArpeggios(Score& score) {
  for (int bar = kPyramidBar; bar < kForestBar; ++bar) addArpeggioBar(score, bar);
  for (int bar = kFinalBar; bar < kEndingBar; ++bar) addArpeggioBar(score, bar);
}

void addBells(Score& score) {
  for (int bar = kForestBar; bar < kFinalBar; ++bar) addBellBar(score, bar, 0.9f);
  for (int bar = kEndingBar; bar < kLastBar; ++bar)
    addBellBar(score, bar, 0.8f - 0.08f * (bar - kEndingBar));
}
