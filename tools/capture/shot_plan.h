// The single frames asked for with --shot: which frame each one is, and how the clock must step
// so that frame exists. A shot (scene, ms) is the frame the scene draws while the clock's
// `elapsed` is ms; elapsed only takes the values the frame ends give it, so the step whose end
// would pass ms is shortened to end on it, and the frame after that step is the shot.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Shot {
  int scene = 0;   // index in the playing order: 0 ocean, 1 pyramid, 2 forest, 3 final
  int32_t ms = 0;  // the scene's `elapsed` while the frame is drawn
  std::string file;
};

class ShotPlan {
 public:
  explicit ShotPlan(std::vector<Shot> shots);

  // The shots the frame about to be drawn in `scene` at `elapsed` makes; they leave the plan.
  std::vector<Shot> takeDue(int scene, int32_t elapsed);
  // `regular` shortened when the frame about to be drawn would end past the next shot's time.
  int64_t stepFor(int scene, int32_t elapsed, int64_t regular) const;
  // The next shot when the run has gone past it: its scene ended before reaching its time, or
  // the clock stands beyond it in its own scene. nullptr while it can still be drawn.
  const Shot* missed(int scene, int32_t elapsed) const;
  bool done() const { return next_ == shots_.size(); }

 private:
  std::vector<Shot> shots_;  // in playing order: by scene, then by time
  size_t next_ = 0;
};
