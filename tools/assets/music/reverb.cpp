// Eight combs and four allpasses per side; the lengths are mutually prime so the echoes of the
// combs do not line up into a metallic ring.

#include "reverb.h"

#include <array>
#include <vector>

namespace {

constexpr std::array<int, 8> kCombFrames = {1103, 1171, 1259, 1327, 1409, 1481, 1543, 1613};
constexpr std::array<int, 4> kAllpassFrames = {563, 439, 347, 227};
constexpr int kRightSpread = 29;
constexpr float kInputGain = 0.015f;
constexpr float kAllpassFeedback = 0.5f;

class Comb {
 public:
  explicit Comb(int frames) : line(frames) {}

  float process(float input, float feedback, float damping) {
    float out = line[position];
    filtered = out * (1.0f - damping) + filtered * damping;
    line[position] = input + filtered * feedback;
    if (++position == static_cast<int>(line.size())) position = 0;
    return out;
  }

 private:
  std::vector<float> line;
  int position = 0;
  float filtered = 0.0f;
};

class Allpass {
 public:
  explicit Allpass(int frames) : line(frames) {}

  float process(float input) {
    float delayed = line[position];
    line[position] = input + delayed * kAllpassFeedback;
    if (++position == static_cast<int>(line.size())) position = 0;
    return delayed - input;
  }

 private:
  std::vector<float> line;
  int position = 0;
};

struct ReverbSide {
  explicit ReverbSide(int spread) {
    for (int frames : kCombFrames) combs.emplace_back(frames + spread);
    for (int frames : kAllpassFrames) allpasses.emplace_back(frames + spread);
  }

  float process(float input, const ReverbSettings& settings) {
    float sum = 0.0f;
    for (Comb& comb : combs) sum += comb.process(input, settings.feedback, settings.damping);
    for (Allpass& allpass : allpasses) sum = allpass.process(sum);
    return sum;
  }

  std::vector<Comb> combs;
  std::vector<Allpass> allpasses;
};

}  // namespace

void applyReverb(const ReverbSettings& settings, MixBuses& buses) {
  ReverbSide left(0), right(kRightSpread);
  int preDelay = secondsToFrames(settings.preDelaySeconds);
  for (int frame = 0; frame < buses.frames; ++frame) {
    float input = frame >= preDelay ? buses.reverbSend[frame - preDelay] * kInputGain : 0.0f;
    buses.left[frame] += left.process(input, settings) * settings.wetGain;
    buses.right[frame] += right.process(input, settings) * settings.wetGain;
  }
}
