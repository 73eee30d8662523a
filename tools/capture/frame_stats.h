// The figures of a list of frame times: median, 99th percentile (nearest rank), maximum, the
// first frame and the stutters (frames over twice the median of their neighbours).
#pragma once

#include <vector>

struct FrameStats {
  double median = 0;
  double p99 = 0;
  double max = 0;
  double first = 0;
  int stutters = 0;
};

// The frames on each side whose median a frame is compared with to count as a stutter.
constexpr int kStutterNeighbours = 4;

FrameStats frameStats(const std::vector<double>& milliseconds);
