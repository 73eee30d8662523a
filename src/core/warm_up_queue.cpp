#include "core/warm_up_queue.h"

void WarmUpQueue::reset(const Scene* scenes) {
  scenes_ = scenes;
  scene_ = scenes == nullptr ? kSceneCount : 0;
  layer_ = 0;
  skipDone();
}

// Moves past scenes with no layer left.
void WarmUpQueue::skipDone() {
  while (scene_ < kSceneCount &&
         (scenes_[scene_].warmUp == nullptr || layer_ >= scenes_[scene_].warmUpLayers)) {
    ++scene_;
    layer_ = 0;
  }
}

bool WarmUpQueue::runNext() {
  if (scene_ >= kSceneCount) return false;
  scenes_[scene_].warmUp(layer_++);
  skipDone();
  return true;
}

bool WarmUpQueue::beforeFrame(int framesOfScene) { return framesOfScene > 0 && runNext(); }

bool WarmUpQueue::beforeInit(int scene) { return scene_ <= scene && runNext(); }
