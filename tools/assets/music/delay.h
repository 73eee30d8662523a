// Tempo-synced ping-pong echo: the delay send bounces between left and right, each repeat
// darker than the last, and part of the echoes goes on to the reverb.
#pragma once

#include "mixer.h"

struct EchoSettings {
  float delaySeconds;
  float feedback;
  float toneHz;  // lowpass inside the feedback loop
  float reverbShare;
};

// Reads buses.delaySend and adds the echoes to the dry bus and the reverb send.
void applyPingPongDelay(const EchoSettings& settings, MixBuses& buses);
