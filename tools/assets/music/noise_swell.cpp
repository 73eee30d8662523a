// The sea: two independent noise streams (left, right) through band-pass filters whose centre
// and loudness rise and fall like waves, out of step between the sides so the surf moves.

#include <cmath>

#include "filter.h"
#include "instrument_util.h"
#include "noise_source.h"

namespace {

struct SurfSide {
  NoiseSource noise;
  StateVariableFilter band;
  StateVariableFilter body;
  float phaseOffset;
};

// 0 at the trough, 1 at the crest; the crest is sharper than the trough, as a breaking wave.
float waveShape(float seconds, float period, float offset) {
  float phase = seconds / period + offset;
  float s = 0.5f - 0.5f * std::cos(kTwoPi * phase);
  return s * s * (0.75f + 0.25f * std::sin(kTwoPi * phase * 0.37f + 5.0f * offset));
}

}  // namespace

void renderNoiseSwell(const SwellControls& controls, Channel& out) {
  SurfSide sides[2] = {{NoiseSource(0x5eaf00du), {}, {}, 0.0f},
                       {NoiseSource(0xb0a7u), {}, {}, 0.31f}};
  int first = secondsToFrames(controls.start);
  int last = secondsToFrames(controls.end);
  float amplitude[2] = {0.0f, 0.0f};
  for (int frame = first; frame < last; ++frame) {
    float seconds = frameSeconds(frame);
    if ((frame - first) % kControlFrames == 0) {
      float level = controls.level.at(seconds);
      for (int s = 0; s < 2; ++s) {
        float wave = waveShape(seconds, controls.periodSeconds, sides[s].phaseOffset);
        sides[s].band.setCutoff(350.0f + 2600.0f * wave, 0.7f);
        sides[s].body.setCutoff(180.0f + 300.0f * wave, 0.6f);
        amplitude[s] = level * (0.15f + 0.85f * wave);
      }
    }
    float value[2];
    for (int s = 0; s < 2; ++s) {
      float white = sides[s].noise.white();
      value[s] = (sides[s].band.process(white).band + 0.6f * sides[s].body.process(white).low) *
                 amplitude[s];
    }
    out.addStereo(frame, value[0], value[1]);
  }
}
