// Stereo hall reverb of the Schroeder-Moorer kind: damped feedback combs in parallel, then
// allpass diffusers in series, with slightly different line lengths per side for width.
#pragma once

#include "mixer.h"

struct ReverbSettings {
  float preDelaySeconds;
  float feedback;  // tail length: 0.84 gives about 3 s
  float damping;   // 0: bright tail, 1: dull
  float wetGain;
};

// Reads buses.reverbSend and adds the reverberated sound to the dry bus.
void applyReverb(const ReverbSettings& settings, MixBuses& buses);
