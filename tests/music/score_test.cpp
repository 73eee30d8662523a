// The score checked as music: the key, chord tones under the melody's downbeats, voice leading,
// and the sections falling where the pictures change.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "music/harmony.h"
#include "music/score.h"
#include "music/timeline.h"

namespace {

int pitchClass(float pitch) { return static_cast<int>(std::lround(pitch)) % 12; }

bool inDMinor(float pitch) {
  // D E F G A Bb C, and C# as the leading tone of the dominant A major.
  static const std::set<int> kClasses = {2, 4, 5, 7, 9, 10, 0, 1};
  return kClasses.count(pitchClass(pitch)) == 1;
}

bool any(const NoteList& notes, float from, float to) {
  return std::any_of(notes.begin(), notes.end(),
                     [&](const Note& n) { return n.start >= from && n.start < to; });
}

}  // namespace

TEST(Score, EveryPitchedNoteIsInTheKeyAndInsideThePiece) {
  Score score = buildScore();
  for (const NoteList* part : {&score.pad, &score.pulse, &score.glitter, &score.bass,
                               &score.arpeggio, &score.bell, &score.lead, &score.leadHigh}) {
    ASSERT_FALSE(part->empty());
    for (const Note& note : *part) {
      ASSERT_TRUE(inDMinor(note.pitch)) << "pitch " << note.pitch << " at " << note.start << " s";
      ASSERT_GE(note.start, 0.0f);
      ASSERT_LE(note.start + note.length, kLastBar * kBarSeconds + 1e-3f);
      ASSERT_GT(note.velocity, 0.0f);
      ASSERT_LE(note.velocity, 1.0f);
    }
  }
}

TEST(Score, MelodyDownbeatsAreChordTones) {
  Score score = buildScore();
  int downbeats = 0;
  for (const Note& note : score.lead) {
    float bars = note.start / kBarSeconds;
    if (std::fabs(bars - std::round(bars)) > 1e-4f) continue;
    std::array<int, 3> chord = triad(chordAtBar(static_cast<int>(std::lround(bars))));
    bool chordTone = std::any_of(chord.begin(), chord.end(),
                                 [&](int t) { return t % 12 == pitchClass(note.pitch); });
    EXPECT_TRUE(chordTone) << "lead note " << note.pitch << " at bar " << bars;
    ++downbeats;
  }
  EXPECT_GE(downbeats, 32);
}

TEST(Harmony, PadVoicesMoveByAtMostAMinorThird) {
  for (int bar = 1; bar < kLastBar; ++bar) {
    std::array<int, 4> before = padVoicing(chordAtBar(bar - 1));
    std::array<int, 4> after = padVoicing(chordAtBar(bar));
    for (int voice = 0; voice < 4; ++voice) {
      EXPECT_LE(std::abs(after[voice] - before[voice]), 3) << "bar " << bar << " voice " << voice;
    }
  }
}

TEST(Harmony, TheFinalSceneLandsOnTheTonicAfterTheDominant) {
  EXPECT_EQ(chordAtBar(kFinalBar - 1), Chord::A);
  EXPECT_EQ(chordAtBar(kFinalBar), Chord::Dm);
  EXPECT_EQ(chordAtBar(kPyramidBar), Chord::Dm);
  EXPECT_EQ(chordAtBar(kLastBar - 1), Chord::Dm);
}

TEST(Score, SectionsFollowThePictures) {
  Score score = buildScore();
  EXPECT_FLOAT_EQ(barTime(kPyramidBar), 60.0f);
  EXPECT_FLOAT_EQ(barTime(kForestBar), 100.0f);
  EXPECT_FLOAT_EQ(barTime(kFinalBar), 120.0f);
  // The beat: only in the pyramid and final scenes, from their first downbeat.
  EXPECT_FALSE(any(score.kick, 0.0f, 60.0f));
  EXPECT_EQ(score.kick.front().start, 60.0f);
  EXPECT_FALSE(any(score.kick, 100.0f, 120.0f));
  EXPECT_TRUE(any(score.kick, 120.0f, 120.01f));
  EXPECT_FALSE(any(score.kick, barTime(kEndingBar), 1000.0f));
  // The ocean's build-up and texture change.
  EXPECT_FALSE(any(score.pulse, 0.0f, 24.0f));
  EXPECT_TRUE(any(score.pulse, 24.0f, 24.01f));
  EXPECT_TRUE(any(score.glitter, 27.0f, 28.0f));
  EXPECT_FALSE(any(score.glitter, 38.0f, 1000.0f));
  EXPECT_FALSE(any(score.glitter, 0.0f, 27.0f));
  // The forest's bells, the final scene's lead.
  EXPECT_TRUE(any(score.bell, 100.0f, 100.01f));
  EXPECT_FALSE(any(score.bell, 0.0f, 100.0f));
  EXPECT_FALSE(any(score.lead, 0.0f, 120.0f));
  EXPECT_TRUE(any(score.lead, 120.0f, 120.01f));
  // A chord change on every scene change.
  for (float change : {60.0f, 100.0f, 120.0f})
    EXPECT_TRUE(any(score.pad, change, change + 0.01f)) << change;
}

TEST(Score, EndsWithAFadeBeforeTwoHundredSeconds) {
  Score score = buildScore();
  EXPECT_GE(kPieceSeconds, 190.0f);
  EXPECT_LE(kPieceSeconds, 200.0f);
  EXPECT_EQ(score.masterGain.at(120.0f), 1.0f);
  EXPECT_EQ(score.masterGain.at(kPieceSeconds), 0.0f);
  EXPECT_LT(score.masterGain.at(kPieceSeconds - 3.0f), 0.25f);
}
