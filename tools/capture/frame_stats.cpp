// Order statistics by sorting a copy; the lists are a few hundred values long.
#include "frame_stats.h"

#include <algorithm>
#include <cmath>

namespace {

// The smallest value with at least `fraction` of the list at or below it.
double nearestRank(const std::vector<double>& sorted, double fraction) {
  const size_t rank = static_cast<size_t>(std::ceil(fraction * static_cast<double>(sorted.size())));
  return sorted[std::max<size_t>(rank, 1) - 1];
}

}  // namespace

FrameStats frameStats(std::vector<double> ms) {
  if (ms.empty()) return {};
  std::sort(ms.begin(), ms.end());
  const size_t n = ms.size();
  const double median = n % 2 == 1 ? ms[n / 2] : (ms[n / 2 - 1] + ms[n / 2]) / 2;
  return {median, nearestRank(ms, 0.99), ms.back()};
}
