// The figures of a list of frame times: median, 99th percentile (nearest rank) and maximum.
#pragma once

#include <vector>

struct FrameStats {
  double median = 0;
  double p99 = 0;
  double max = 0;
};

FrameStats frameStats(std::vector<double> milliseconds);
