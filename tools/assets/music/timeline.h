// The piece's grid: 120 beats per minute in 4/4, so a bar lasts 2 s and the pictures' scene
// changes at 60, 100 and 120 s fall on bars 30, 50 and 60.
#pragma once

constexpr float kBeatSeconds = 0.5f;
constexpr int kBeatsPerBar = 4;
constexpr float kBarSeconds = kBeatSeconds * kBeatsPerBar;
constexpr float kSixteenthSeconds = kBeatSeconds / 4.0f;

constexpr int kOceanBar = 0;
constexpr int kPyramidBar = 30;
constexpr int kForestBar = 50;
constexpr int kFinalBar = 60;
constexpr int kEndingBar = 92;  // the beat stops; the last chords and the fade-out
constexpr int kLastBar = 98;    // the music is over; only the reverb tail rings on
constexpr float kPieceSeconds = kLastBar * kBarSeconds + 2.0f;

inline float barTime(int bar, float beat = 0.0f) { return bar * kBarSeconds + beat * kBeatSeconds; }
