// Evaluates the keyframe path from the basis table: three look-ups of one row and a few
// multiplications per coordinate. Past the key table the path loops (see pathPosition).
#include "core/keyframe_path.h"

#include <cmath>

const PathKey flightPath[kFlightPathKeys] = {
    {0, 0.0f, 0.0f, -2.0f},    {0, 0.0f, 0.0f, -3.0f},    {1000, 0.0f, 0.0f, -5.0f},
    {2000, 0.0f, 0.0f, -2.0f}, {3000, 0.0f, 0.0f, -2.0f}, {4000, 0.0f, 0.0f, -3.0f},
    {5000, 0.0f, 0.0f, -1.0f}, {6000, 0.0f, 0.0f, 0.0f},  {7000, 0.0f, 0.0f, -5.0f},
};

const float hermiteMatrix[4][4] = {
    {2.0f, -2.0f, 1.0f, 1.0f},
    {-3.0f, 3.0f, -2.0f, -1.0f},
    {0.0f, 0.0f, 1.0f, 0.0f},
    {1.0f, 0.0f, 0.0f, 0.0f},
};

SplineWeights* splineBasis = nullptr;

void buildSplineBasis() {
  if (splineBasis == nullptr) splineBasis = new SplineWeights[kSplineSteps];
  for (int i = 0; i < kSplineSteps; ++i) {
    const float s = static_cast<float>(i) * 0.001f;
    const double powers[4] = {std::pow(s, 3.0), std::pow(s, 2.0), std::pow(s, 1.0),
                              std::pow(s, 0.0)};
    for (int j = 0; j < 4; ++j) {
      double w = 0.0;
      for (int r = 0; r < 4; ++r) w += powers[r] * hermiteMatrix[r][j];
      splineBasis[i][j] = static_cast<float>(w);
    }
  }
}

float splineValue(float p0, float p1, float p2, float p3, int step) {
  const float* w = splineBasis[step];
  return p1 * w[0] + p2 * w[1] + (p2 - p0) * 0.5f * w[2] + (p3 - p1) * 0.5f * w[3];
}

namespace {

// The four control points of one segment, as PathKey values (only x, y and z are read).
struct Segment {
  PathKey p[4];
  int step;
};

int stepIn(int32_t time, int32_t from, int32_t to) { return ((time - from) * 1000) / (to - from); }

// The loop runs through entries 2 to 6 and back to 2 (entry 8 repeats entry 2's place, which is
// where the loop begins); its neighbours wrap inside that set.
constexpr int kLoopFirst = 2;
constexpr int kLoopKeys = 5;

const PathKey& loopEntry(int n) {
  return flightPath[kLoopFirst + (n - kLoopFirst + kLoopKeys) % kLoopKeys];
}

// The keys as given: segments 1 to 6, entries k - 1 to k + 2.
Segment keyedSegment(int32_t time) {
  int next = 1;
  while (flightPath[next].time <= time) ++next;
  const int k = next - 1;
  return {{flightPath[k - 1], flightPath[k], flightPath[k + 1], flightPath[k + 2]},
          stepIn(time, flightPath[k].time, flightPath[k + 1].time)};
}

// 6000 to 7000 ms: back from the eye to entry 8. The table has no point after it; the outer point
// used makes the arrival tangent the loop's tangent at that place, so the flight goes on smoothly.
Segment returnSegment(int32_t time) {
  const PathKey& from = flightPath[7];
  const PathKey& ahead = loopEntry(kLoopFirst + 1);
  const PathKey& behind = loopEntry(kLoopFirst - 1);
  const PathKey outer = {0, from.x + ahead.x - behind.x, from.y + ahead.y - behind.y,
                         from.z + ahead.z - behind.z};
  return {{flightPath[6], from, flightPath[8], outer}, stepIn(time, from.time, flightPath[8].time)};
}

// From 7000 ms: the closed loop, timed by the keys of 1000 to 6000 ms.
Segment loopSegment(int32_t time) {
  const int32_t loopTime = flightPath[kLoopFirst].time + (time - kPathLoopStartMs) % kPathLoopMs;
  int k = kLoopFirst;
  while (flightPath[k + 1].time <= loopTime) ++k;
  return {{loopEntry(k - 1), loopEntry(k), loopEntry(k + 1), loopEntry(k + 2)},
          stepIn(loopTime, flightPath[k].time, flightPath[k + 1].time)};
}

Segment segmentAt(int32_t time) {
  if (time < flightPath[7].time) return keyedSegment(time);
  if (time < kPathLoopStartMs) return returnSegment(time);
  return loopSegment(time);
}

}  // namespace

void pathPosition(int32_t time, float* x, float* y, float* z) {
  // The path starts at 0 ms; an earlier time would read before the key table.
  const Segment s = segmentAt(time < 0 ? 0 : time);
  *x = splineValue(s.p[0].x, s.p[1].x, s.p[2].x, s.p[3].x, s.step);
  *y = splineValue(s.p[0].y, s.p[1].y, s.p[2].y, s.p[3].y, s.step);
  *z = splineValue(s.p[0].z, s.p[1].z, s.p[2].z, s.p[3].z, s.step);
}

int32_t pathTimeInRange(int64_t time) {
  if (time < kPathLoopStartMs) return static_cast<int32_t>(time);
  return kPathLoopStartMs + static_cast<int32_t>((time - kPathLoopStartMs) % kPathLoopMs);
}
