// State-variable filter in the topology-preserving (trapezoidal) form; coefficients per cutoff
// change, so callers update them at control rate rather than every sample.

#include "filter.h"

#include <algorithm>
#include <cmath>

#include "dsp.h"

void StateVariableFilter::setCutoff(float hz, float resonance) {
  float limited = std::clamp(hz, 10.0f, 0.45f * kSampleRateHz);
  float g = std::tan(kPi * limited / kSampleRateHz);
  damping = 1.0f / std::max(0.1f, resonance);
  a1 = 1.0f / (1.0f + g * (g + damping));
  a2 = g * a1;
  a3 = g * a2;
}

FilterOutputs StateVariableFilter::process(float input) {
  float v3 = input - state2;
  float v1 = a1 * state1 + a2 * v3;
  float v2 = state2 + a2 * state1 + a3 * v3;
  state1 = 2.0f * v1 - state1;
  state2 = 2.0f * v2 - state2;
  return {v2, v1, input - damping * v1 - v2};
}

void OnePoleLowpass::setCutoff(float hz) {
  coefficient = 1.0f - std::exp(-kTwoPi * std::max(1.0f, hz) / kSampleRateHz);
}

float OnePoleLowpass::process(float input) {
  state += coefficient * (input - state);
  return state;
}
