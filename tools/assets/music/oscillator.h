// Phase-accumulator oscillator with band-limited edges (PolyBLEP) for saw and pulse waves, so
// high notes do not fold back into audible aliases. Each call returns one sample and advances.
#pragma once

class Oscillator {
 public:
  void setFrequency(float hz);
  void setPhase(float cycles);

  float sine();
  float saw();
  float pulse(float width);  // width: fraction of the cycle spent high

 private:
  float advance();

  float phase = 0.0f;
  float increment = 0.0f;
};
