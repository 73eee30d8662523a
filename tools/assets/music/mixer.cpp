// Channel strips: notes that ring past the end of the piece are cut at the last frame.

#include "mixer.h"

MixBuses::MixBuses(int frames)
    : frames(frames),
      left(frames),
      right(frames),
      delaySend(frames),
      reverbSend(frames),
      duck(frames, 1.0f) {}

Channel::Channel(MixBuses& buses, const ChannelStrip& strip)
    : buses(buses),
      gain(dbToGain(strip.gainDb)),
      pan(panGains(strip.pan)),
      delaySend(strip.delaySend),
      reverbSend(strip.reverbSend),
      duckAmount(strip.duckAmount) {}

void Channel::add(int frame, float sample) { addStereo(frame, sample, sample); }

void Channel::addStereo(int frame, float left, float right) {
  if (frame < 0 || frame >= buses.frames) return;
  float level = gain * (1.0f - duckAmount * (1.0f - buses.duck[frame]));
  float l = left * level * pan.left;
  float r = right * level * pan.right;
  buses.left[frame] += l;
  buses.right[frame] += r;
  float mono = 0.5f * (l + r);
  buses.delaySend[frame] += mono * delaySend;
  buses.reverbSend[frame] += mono * reverbSend;
}
