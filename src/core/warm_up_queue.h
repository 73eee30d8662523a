// The scenes' warm-up layers, in playing order, waiting to run. The sequencer runs the first
// scene's whole before its init, then one layer before each frame that is not a scene's first,
// so no scene change carries one: in the demo they all land in the ocean's first frames, the
// cheapest it draws (a phrase on black). A layer still waiting when its scene is due runs before
// that scene's init.
#pragma once

#include "core/scene.h"

class WarmUpQueue {
 public:
  // Every layer of the kSceneCount `scenes` waits.
  void reset(const Scene* scenes);
  // The scene whose layer runs next; kSceneCount when none waits.
  int nextScene() const { return scene_; }
  // Runs the next layer; false when none waited.
  bool runNext();
  // Runs what still waits of `scene` and of the scenes before it.
  void finish(int scene);

 private:
  void skipDone();

  const Scene* scenes_ = nullptr;
  int scene_ = kSceneCount;
  int layer_ = 0;
};
