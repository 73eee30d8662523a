// Two delay lines crossing their feedback, so the first repeat lands left and the next right.

#include "delay.h"

#include <vector>

#include "filter.h"

void applyPingPongDelay(const EchoSettings& settings, MixBuses& buses) {
  int length = secondsToFrames(settings.delaySeconds);
  std::vector<float> lineLeft(length), lineRight(length);
  OnePoleLowpass toneLeft, toneRight;
  toneLeft.setCutoff(settings.toneHz);
  toneRight.setCutoff(settings.toneHz);
  int position = 0;
  for (int frame = 0; frame < buses.frames; ++frame) {
    float echoLeft = lineLeft[position];
    float echoRight = lineRight[position];
    lineLeft[position] = buses.delaySend[frame] + settings.feedback * toneRight.process(echoRight);
    lineRight[position] = settings.feedback * toneLeft.process(echoLeft);
    buses.left[frame] += echoLeft;
    buses.right[frame] += echoRight;
    buses.reverbSend[frame] += settings.reverbShare * 0.5f * (echoLeft + echoRight);
    if (++position == length) position = 0;
  }
}
