// The gate reads the pattern bit of the sixteenth the moment falls in.

#include "instrument_util.h"

#include <cmath>

#include "timeline.h"

float gateTarget(const GatePattern& gate, float seconds) {
  if (seconds < gate.start || seconds >= gate.end) return 1.0f;
  int step = static_cast<int>(std::floor(seconds / kSixteenthSeconds)) % 16;
  bool open = (gate.bits >> (15 - step)) & 1u;
  return open ? 1.0f : 1.0f - gate.depth;
}
