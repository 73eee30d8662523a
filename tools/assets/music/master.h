// The master stage: the closing fade, a peak limiter and a soft knee that keep every sample below
// -1.5 dBFS (room for the MP3 encoder's overshoot), then 16-bit interleaved stereo.
#pragma once

#include <cstdint>
#include <vector>

#include "automation.h"
#include "mixer.h"

constexpr float kMasterCeiling = 0.84f;  // -1.5 dBFS

std::vector<int16_t> masterToPcm(const MixBuses& buses, const Curve& masterGain);

// The soft knee alone: linear up to the knee, then bending smoothly towards the ceiling.
float softKnee(float sample);
