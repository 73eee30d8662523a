// Order statistics by sorting a copy; the lists are a few hundred values long.
#include "frame_stats.h"

#include <algorithm>
#include <cmath>

namespace {

double median(std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  const size_t n = ms.size();
  return n % 2 == 1 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
}

// The smallest value with at least `fraction` of the list at or below it.
double nearestRank(const std::vector<double>& sorted, double fraction) {
  const size_t rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
  return sorted[std::max<size_t>(rank, 1) - 1];
}

// A frame is a stutter when it takes over twice the median of the frames around it, so a slow
// stretch (a heavier part of the scene) does not count, a lone long frame does.
int countStutters(const std::vector<double>& ms) {
  int stutters = 0;
  const int n = static_cast<int>(ms.size());
  for (int i = 0; i < n; ++i) {
    std::vector<double> around;
    for (int j = std::max(0, i - kStutterNeighbours); j <= std::min(n - 1, i + kStutterNeighbours);
         ++j) {
      if (j != i) around.push_back(ms[j]);
    }
    if (!around.empty() && ms[i] > 2 * median(around)) ++stutters;
  }
  return stutters;
}

}  // namespace

FrameStats frameStats(const std::vector<double>& ms) {
  if (ms.empty()) return {};
  std::vector<double> sorted = ms;
  std::sort(sorted.begin(), sorted.end());
  return {median(sorted), nearestRank(sorted, 0.99), sorted.back(), ms.front(), countStutters(ms)};
}
