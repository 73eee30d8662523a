// The rhythm section of the pyramid and final scenes: four-on-the-floor kick, off-beat open hats,
// sixteenth closed hats, a clap on two and four, and a rolling bass between the kicks. The forest
// keeps only a soft held bass under its breakdown.

#include <array>

#include "harmony.h"
#include "score.h"
#include "timeline.h"

namespace {

constexpr int kClosedHatsFrom = kPyramidBar + 4;
constexpr int kClapFrom = kPyramidBar + 8;
constexpr int kRollingBassFrom = kPyramidBar + 4;

struct BarRange {
  int first;
  int end;
};

constexpr std::array<BarRange, 2> kBeatSpans = {
    {{kPyramidBar, kForestBar}, {kFinalBar, kEndingBar}}};

void addDrumBar(Score& score, int bar, bool closedHats, bool clap) {
  constexpr std::array<float, 4> kClosedVelocity = {0.5f, 0.22f, 0.0f, 0.3f};
  for (int beat = 0; beat < kBeatsPerBar; ++beat) {
    score.kick.push_back({barTime(bar, beat), 0.1f, 0.0f, 0.95f});
    score.openHat.push_back({barTime(bar, beat + 0.5f), 0.1f, 0.0f, 0.6f, 0.15f});
    if (clap && beat % 2 == 1) score.clap.push_back({barTime(bar, beat), 0.1f, 0.0f, 0.8f});
    for (int sixteenth = 0; closedHats && sixteenth < 4; ++sixteenth) {
      if (kClosedVelocity[sixteenth] == 0.0f) continue;
      score.closedHat.push_back(
          {barTime(bar, beat + sixteenth * 0.25f), 0.05f, 0.0f, kClosedVelocity[sixteenth], -0.3f});
    }
  }
}

void addBassBar(Score& score, int bar, bool rolling) {
  int root = bassRoot(chordAtBar(bar));
  for (int beat = 0; beat < kBeatsPerBar; ++beat) {
    for (int sixteenth = 1; sixteenth < 4; ++sixteenth) {
      if (!rolling && sixteenth != 2) continue;
      bool octave = beat == 3 && sixteenth == 3 && bar % 2 == 1;
      float velocity = sixteenth == 2 ? 1.0f : 0.8f;
      score.bass.push_back({barTime(bar, beat + sixteenth * 0.25f), 0.1f,
                            static_cast<float>(root + (octave ? 12 : 0)), velocity});
    }
  }
}

void addForestBass(Score& score) {
  for (int bar = kForestBar; bar < kFinalBar; bar += 2) {
    score.bass.push_back({barTime(bar), 2.0f * kBarSeconds - 0.2f,
                          static_cast<float>(bassRoot(chordAtBar(bar))), 0.5f});
  }
}

}  // namespace

void addRhythmSection(Score& score) {
  for (const BarRange& span : kBeatSpans) {
    for (int bar = span.first; bar < span.end; ++bar) {
      bool developed = span.first == kFinalBar || bar >= kClosedHatsFrom;
      addDrumBar(score, bar, developed, span.first == kFinalBar || bar >= kClapFrom);
      addBassBar(score, bar, span.first == kFinalBar || bar >= kRollingBassFrom);
    }
  }
  addForestBass(score);
}
