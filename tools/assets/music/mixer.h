// The mix the instruments play into: a stereo dry bus and mono sends to the delay and the reverb,
// as long as the whole piece. A Channel is one instrument's strip: level, pan, sends and an
// optional ducking by the kick.
#pragma once

#include <vector>

#include "dsp.h"

struct MixBuses {
  explicit MixBuses(int frames);

  int frames;
  std::vector<float> left;
  std::vector<float> right;
  std::vector<float> delaySend;
  std::vector<float> reverbSend;
  std::vector<float> duck;  // gain 0..1 per frame, dipping under every kick
};

struct ChannelStrip {
  float gainDb;
  float pan;
  float delaySend;
  float reverbSend;
  float duckAmount;  // 0: ignores the kick, 1: follows the duck curve fully
};

class Channel {
 public:
  Channel(MixBuses& buses, const ChannelStrip& strip);

  void add(int frame, float sample);
  void addStereo(int frame, float left, float right);

 private:
  MixBuses& buses;
  float gain;
  PanGains pan;
  float delaySend;
  float reverbSend;
  float duckAmount;
};
