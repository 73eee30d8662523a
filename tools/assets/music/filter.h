// Filters for the synthesiser: a two-pole state-variable filter (trapezoidal, stable under fast
// cutoff sweeps) giving low, band and high pass at once, and a one-pole smoother/tone control.
#pragma once

struct FilterOutputs {
  float low;
  float band;
  float high;
};

class StateVariableFilter {
 public:
  // resonance is Q: 0.707 is flat, higher values ring at the cutoff.
  void setCutoff(float hz, float resonance);
  FilterOutputs process(float input);

 private:
  float a1 = 0.0f;
  float a2 = 0.0f;
  float a3 = 0.0f;
  float damping = 1.414f;
  float state1 = 0.0f;
  float state2 = 0.0f;
};

class OnePoleLowpass {
 public:
  void setCutoff(float hz);
  float process(float input);

 private:
  float coefficient = 1.0f;
  float state = 0.0f;
};
