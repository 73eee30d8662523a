// ADSR amplitude envelope for one note of known length: linear attack, exponential decay and
// release. The release falls to -80 dB, after which the note is silent and can be dropped.
#pragma once

struct Adsr {
  float attack;   // seconds to full level
  float decay;    // seconds to fall (by 60 dB of the distance) towards the sustain level
  float sustain;  // level held while the gate is open, 0 to 1
  float release;  // seconds from the end of the gate to -80 dB
};

class Envelope {
 public:
  Envelope(const Adsr& shape, float gateSeconds);

  float next();
  int totalFrames() const { return gateFrames + releaseFrames; }

 private:
  Adsr shape;
  int gateFrames;
  int releaseFrames;
  int frame = 0;
  float level = 0.0f;
  float attackStep;
  float decayCoefficient;
  float releaseCoefficient;
};
