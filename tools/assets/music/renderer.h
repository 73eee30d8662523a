// Plays a score through the instruments into the mix buses, then runs the echo and the reverb:
// the whole piece as floating-point stereo before the master stage.
#pragma once

#include "mixer.h"
#include "score.h"

void renderScore(const Score& score, MixBuses& buses);
