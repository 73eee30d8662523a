// Breakpoint lookup by binary search; instruments ask once per control block, not per sample.

#include "automation.h"

#include <algorithm>

Curve::Curve(std::initializer_list<std::pair<float, float>> points) : points(points) {}

float Curve::at(float seconds) const {
  if (points.empty()) return 0.0f;
  if (seconds <= points.front().first) return points.front().second;
  if (seconds >= points.back().first) return points.back().second;
  auto after =
      std::upper_bound(points.begin(), points.end(), seconds,
                       [](float t, const std::pair<float, float>& p) { return t < p.first; });
  auto before = after - 1;
  float span = after->first - before->first;
  float mix = span > 0.0f ? (seconds - before->first) / span : 1.0f;
  return before->second + (after->second - before->second) * mix;
}
