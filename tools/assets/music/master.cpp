// Limiter with instant attack and a slow release: it only acts on the loudest hits, so the mix
// keeps its dynamics; the soft knee catches what the limiter lets through.

#include "master.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kLimiterThreshold = 0.72f;
constexpr float kLimiterReleaseSeconds = 0.15f;
constexpr float kKnee = 0.62f;

int16_t toInt16(float sample) {
  float scaled = std::round(sample * 32767.0f);
  return static_cast<int16_t>(std::clamp(scaled, -32767.0f, 32767.0f));
}

}  // namespace

float softKnee(float sample) {
  float magnitude = std::fabs(sample);
  if (magnitude <= kKnee) return sample;
  float room = kMasterCeiling - kKnee;
  float bent = kKnee + room * std::tanh((magnitude - kKnee) / room);
  return std::copysign(bent, sample);
}

std::vector<int16_t> masterToPcm(const MixBuses& buses, const Curve& masterGain) {
  std::vector<int16_t> pcm(static_cast<size_t>(buses.frames) * 2);
  float release = std::exp(-1.0f / (kLimiterReleaseSeconds * kSampleRateHz));
  float envelope = 0.0f;
  float gain = masterGain.at(0.0f);
  for (int frame = 0; frame < buses.frames; ++frame) {
    if (frame % 64 == 0) gain = masterGain.at(static_cast<float>(frame) / kSampleRateHz);
    float left = buses.left[frame] * gain;
    float right = buses.right[frame] * gain;
    float peak = std::max(std::fabs(left), std::fabs(right));
    envelope = std::max(peak, envelope * release);
    float reduction = envelope > kLimiterThreshold ? kLimiterThreshold / envelope : 1.0f;
    pcm[2 * frame] = toInt16(softKnee(left * reduction));
    pcm[2 * frame + 1] = toInt16(softKnee(right * reduction));
  }
  return pcm;
}
