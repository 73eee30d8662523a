#include "core/sequencer.h"

#include "core/demo_clock.h"
#include "core/fatal_error.h"
#include "core/warm_up_queue.h"

SceneState sceneState = 0;

namespace {

SequencerSetup installed;
int framesOfScene = 0;  // drawn by the scene playing
WarmUpQueue warmUps;

struct Transition {
  SceneState from;
  int scene;  // index into the scene table of the scene that runs in `from`
  SceneState to;
  const char* nextInitFailure;
};

// Which frame runs in which state, and what the step does when that frame reports the end.
constexpr Transition kTransitions[] = {
    {1, 0, 3, "error init part 3"},
    {3, 1, 6, "error init part 6"},
    {6, 2, 7, "error init part 7"},
};

// The scene after `scene` decodes its images while `scene` plays, from the end of its first
// frame: on two cores the worker would otherwise take one from the rasterizer in the very frame
// that a change waits for.
void prefetchNext(int scene) {
  if (scene + 1 < kSceneCount) prefetchScene(installed.scenes[scene + 1]);
}

void startFirstScene() {
  while (warmUps.beforeInit(0)) {
  }
  if (installed.scenes[0].init() == 0) fatalError("error init part 1");
  if (installed.startMusic() == 0) fatalError("sound init error");
  demoClock->restart();
  sceneState = 1;
  framesOfScene = 0;
}

}  // namespace

void setupSequencer(const SequencerSetup& setup) {
  installed = setup;
  sceneState = 0;
  framesOfScene = 0;
  warmUps.reset(setup.scenes);
}

void sequencerStep() {
  if (sceneState == 0) {
    startFirstScene();
    return;
  }
  if (sceneState == 7) {
    installed.scenes[3].frame();  // the final scene never ends
    return;
  }
  for (const Transition& t : kTransitions) {
    if (sceneState != t.from) continue;
    // Before the frame: what a warm-up draws, the frame's clear wipes.
    warmUps.beforeFrame(framesOfScene);
    const int ended = installed.scenes[t.scene].frame();
    if (++framesOfScene == kFramesBeforeDecodingNext) prefetchNext(t.scene);
    if (ended != 1) return;
    while (warmUps.beforeInit(t.scene + 1)) {
    }
    if (installed.scenes[t.scene + 1].init() == 0) fatalError(t.nextInitFailure);
    sceneState = t.to;
    framesOfScene = 0;
    demoClock->restart();
    return;
  }
}
