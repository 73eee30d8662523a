// Chord table and progression. The ocean moves every two bars (i-VI-III-VII), the beat sections
// every bar; the forest turns to iv and ends on the dominant A so the final scene lands on Dm.

#include "harmony.h"

#include "timeline.h"

namespace {

using enum Chord;

constexpr std::array<Chord, 4> kCycle = {Dm, Bb, F, C};

Chord oceanChord(int bar) {
  if (bar < 24) return kCycle[(bar / 2) % 4];
  constexpr std::array<Chord, 6> kLeadIn = {Dm, Dm, Bb, Bb, C, C};
  return kLeadIn[bar - 24];
}

Chord pyramidChord(int bar) {
  if (bar < kPyramidBar + 16) return kCycle[(bar - kPyramidBar) % 4];
  constexpr std::array<Chord, 4> kTurn = {Bb, C, Dm, Dm};
  return kTurn[bar - kPyramidBar - 16];
}

Chord forestChord(int bar) {
  constexpr std::array<Chord, 10> kBreakdown = {Gm, Gm, Bb, Bb, F, F, C, C, A, A};
  return kBreakdown[bar - kForestBar];
}

Chord finalChord(int bar) {
  if (bar < kEndingBar) return kCycle[(bar - kFinalBar) % 4];
  constexpr std::array<Chord, 6> kCadence = {Bb, Bb, C, C, Dm, Dm};
  return kCadence[bar - kEndingBar < 6 ? bar - kEndingBar : 5];
}

}  // namespace

Chord chordAtBar(int bar) {
  if (bar < kPyramidBar) return oceanChord(bar < 0 ? 0 : bar);
  if (bar < kForestBar) return pyramidChord(bar);
  if (bar < kFinalBar) return forestChord(bar);
  return finalChord(bar);
}

std::array<int, 4> padVoicing(Chord chord) {
  switch (chord) {
    case Dm:
      return {50, 57, 62, 65};
    case Bb:
      return {50, 58, 62, 65};
    case F:
      return {48, 57, 60, 65};
    case C:
      return {48, 55, 60, 64};
    case Gm:
      return {50, 58, 62, 67};
    case A:
      return {49, 57, 61, 64};
  }
  return {50, 57, 62, 65};
}

int bassRoot(Chord chord) {
  switch (chord) {
    case Dm:
      return 38;
    case Bb:
      return 34;
    case F:
      return 41;
    case C:
      return 36;
    case Gm:
      return 43;
    case A:
      return 33;
  }
  return 38;
}

std::array<int, 3> triad(Chord chord) {
  switch (chord) {
    case Dm:
      return {62, 65, 69};
    case Bb:
      return {70, 74, 77};
    case F:
      return {65, 69, 72};
    case C:
      return {72, 76, 79};
    case Gm:
      return {67, 70, 74};
    case A:
      return {69, 73, 76};
  }
  return {62, 65, 69};
}
