// The scenes' warm-up layers, in playing order, waiting to run, and when they run: the first
// scene's whole before its init, then one layer before each frame that is not a scene's first,
// so no scene change carries one. In the demo they all land in the ocean's first frames, the
// cheapest it draws (a phrase on black). A layer still waiting when its scene is due runs before
// that scene's init. The sequencer and the benchmark both follow it.
#pragma once

#include "core/scene.h"

class WarmUpQueue {
 public:
  // Every layer of the kSceneCount `scenes` waits.
  void reset(const Scene* scenes);
  // The scene whose layer runs next; kSceneCount when none waits.
  int nextScene() const { return scene_; }
  // Before a frame of the scene playing, which has drawn `framesOfScene` frames: runs the next
  // layer unless this is the scene's first frame; true when one ran.
  bool beforeFrame(int framesOfScene);
  // Before the init of `scene`: runs one layer of `scene` or of a scene before it, if one still
  // waits; true when one ran. Called until false.
  bool beforeInit(int scene);

 private:
  bool runNext();
  void skipDone();

  const Scene* scenes_ = nullptr;
  int scene_ = kSceneCount;
  int layer_ = 0;
};
