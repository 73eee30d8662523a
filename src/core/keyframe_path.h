// The flare's keyframe path: a Catmull-Rom spline of cubic Hermite segments through a short
// table of timed keys on the z axis, with the four Hermite weights looked up in a table built
// once. Knows nothing of the clock: the caller passes the time.
#pragma once

#include <cstdint>

struct PathKey {
  int32_t time;  // ms on the caller's time line
  float x;
  float y;
  float z;
};

constexpr int kFlightPathKeys = 9;
constexpr int kSplineSteps = 1000;  // basis rows, one per millisecond of a 1000 ms segment

// Entry 0 only shapes the start tangent; entries 1 to 8 are the keys.
extern const PathKey flightPath[kFlightPathKeys];
// Row r multiplies s^(3-r); columns weigh the start point, end point, start and end tangents.
extern const float hermiteMatrix[4][4];

using SplineWeights = float[4];
// kSplineSteps rows of (w0, w1, w2, w3); nullptr until the first buildSplineBasis, never freed.
extern SplineWeights* splineBasis;

// The keys end at 7000 ms, and the segment from 6000 ms lacks its outer point. Past 6000 ms the
// path flies from the eye back to entry 8 (-5 at 7000 ms), then for ever round a closed loop
// through the places of the keys of 1000 to 5000 ms (-5, -2, -2, -3, -1, back to -5), 1000 ms a
// segment, every neighbour taken from the loop. The tangents match where the pieces meet, so
// the flight stays smooth, finite and inside the tube (z within -5.1 .. 0).
constexpr int32_t kPathLoopStartMs = 7000;
constexpr int32_t kPathLoopMs = 5000;

void buildSplineBasis();
// One coordinate between p1 (step 0) and p2, with p0 and p3 the outer control values.
float splineValue(float p0, float p1, float p2, float p3, int step);
// The position at `time` (ms) on the path; a negative time gives the start.
void pathPosition(int32_t time, float* x, float* y, float* z);
// A time of at most kPathLoopStartMs + kPathLoopMs at which the path is where it is at `time`,
// so a caller whose clock outgrows 32 bits keeps the flare moving.
int32_t pathTimeInRange(int64_t time);
