// The demo's soundtrack, composed and synthesised by our own code: about 3 min 20 s at 120 beats
// per minute, 44.1 kHz stereo, following the four scenes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

constexpr int kSoundtrackRate = 44100;

// Interleaved stereo 16-bit PCM of the whole piece; the same samples on every run.
std::vector<int16_t> renderSoundtrack();

// Renders and encodes "tamsirel.mp3"-style MPEG audio to `path`; false with `error` set on failure.
bool writeSoundtrack(const std::string& path, std::string* error);
