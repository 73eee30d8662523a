// MP3 encoding of 16-bit stereo PCM with libmp3lame at a constant 192 kbit/s, with the LAME/Info
// tag frame at the start of the file so players know the exact length and the encoder delay.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// `pcm` is interleaved stereo at `rate` Hz; false with `error` set if encoding or writing fails.
bool encodeMp3(const std::vector<int16_t>& pcm, int rate, const std::string& path,
               std::string* error);
