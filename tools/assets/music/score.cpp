// The section curves and the assembly of the parts. The curves follow the pictures: the ocean
// fades in from 4 to 16 s, streams faster from 24 s (the filters open), the beat drops at 60 s,
// the forest breaks down at 100 s and the final scene plays out and fades before 200 s.

#include "score.h"

#include "timeline.h"

namespace {

void setCurves(Score& score) {
  score.padControls.level = {{0, 0.18f},  {4, 0.25f},  {16, 1.0f},   {58, 1.0f},
                             {60, 0.75f}, {99, 0.75f}, {101, 0.75f}, {119, 0.8f},
                             {121, 0.7f}, {184, 0.7f}, {186, 1.0f}};
  score.padControls.cutoffHz = {{0, 450},    {16, 900},   {24, 1000},  {59.9f, 3800},
                                {60, 2200},  {100, 2200}, {101, 1500}, {118, 2600},
                                {120, 2600}, {184, 2400}, {197, 700}};
  score.padControls.gate = {27.0f, 38.0f, 0xB6DAu, 0.85f};
  score.swellControls = {0.0f,
                         kPieceSeconds,
                         {{0, 0.12f},
                          {4, 0.16f},
                          {16, 1.0f},
                          {26, 1.0f},
                          {58, 0.55f},
                          {60, 0.15f},
                          {100, 0.15f},
                          {102, 0.55f},
                          {118, 0.55f},
                          {120, 0.12f},
                          {184, 0.12f},
                          {190, 0.7f}},
                         8.0f};
  score.pulseControls = {{{24, 0.35f}, {40, 0.6f}, {59, 1.0f}}, {{24, 250}, {59.5f, 2600}}};
  score.bassControls = {{{0, 1.0f}, {100, 1.0f}, {101, 0.6f}, {120, 1.0f}},
                        {{60, 220}, {99, 650}, {100, 160}, {119, 160}, {120, 380}, {184, 520}}};
  score.arpeggioControls = {{{60, 0.55f}, {76, 0.8f}, {100, 1.0f}, {120, 0.7f}, {184, 0.9f}},
                            {{60, 500}, {99, 3200}, {120, 1300}, {150, 3600}, {184, 3600}}};
  score.masterGain = {{0, 1.0f},    {186, 1.0f},  {189, 0.7f}, {192, 0.42f},
                      {195, 0.16f}, {197, 0.03f}, {198, 0.0f}};
}

void addTransitions(Score& score) {
  score.riser.push_back({52.0f, 8.0f, 0.0f, 0.9f});
  score.riser.push_back({116.0f, 4.0f, 0.0f, 0.7f});
  for (int bar : {kPyramidBar, kFinalBar, kFinalBar + 16, kEndingBar}) {
    score.crash.push_back({barTime(bar), 0.1f, 0.0f, 1.0f});
  }
}

}  // namespace

Score buildScore() {
  Score score;
  setCurves(score);
  addPadChords(score);
  addOceanParts(score);
  addRhythmSection(score);
  addArpeggios(score);
  addBells(score);
  addLeadMelody(score);
  addTransitions(score);
  return score;
}
