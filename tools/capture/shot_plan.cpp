// Ordering the shots along the run and landing the clock on each of them.
#include "shot_plan.h"

#include <algorithm>

ShotPlan::ShotPlan(std::vector<Shot> shots) : shots_(std::move(shots)) {
  std::stable_sort(shots_.begin(), shots_.end(), [](const Shot& a, const Shot& b) {
    return a.scene != b.scene ? a.scene < b.scene : a.ms < b.ms;
  });
}

std::vector<Shot> ShotPlan::takeDue(int scene, int32_t elapsed) {
  std::vector<Shot> due;
  while (next_ < shots_.size() && shots_[next_].scene == scene && shots_[next_].ms == elapsed) {
    due.push_back(shots_[next_++]);
  }
  return due;
}

int64_t ShotPlan::stepFor(int scene, int32_t elapsed, int64_t regular) const {
  if (done() || shots_[next_].scene != scene) return regular;
  const int64_t untilShot = static_cast<int64_t>(shots_[next_].ms) - elapsed;
  return untilShot > 0 && untilShot < regular ? untilShot : regular;
}

const Shot* ShotPlan::missed(int scene, int32_t elapsed) const {
  if (done()) return nullptr;
  const Shot& shot = shots_[next_];
  const bool passed = shot.scene < scene || (shot.scene == scene && shot.ms < elapsed);
  return passed ? &shot : nullptr;
}
