// The state machine that plays the four scenes in order, one step per idle pass of the message
// loop: a step draws one frame of the current scene, or, when that frame reports the end,
// initialises the next scene and restarts the clock. The very first step warms up the first scene,
// initialises it and starts the music. Once a scene's first frame is drawn, the one after it
// decodes its images ahead; the later scenes warm up a layer before each frame (WarmUpQueue).
#pragma once

#include <cstdint>

#include "core/scene.h"

// 0 nothing started, 1 ocean, 3 pyramid, 6 forest, 7 final; other values are never set.
using SceneState = int32_t;
extern SceneState sceneState;

struct SequencerSetup {
  const Scene* scenes = nullptr;  // kSceneCount scenes in playing order
  int (*startMusic)() = nullptr;  // nonzero when the music has started
};

// The frames a scene draws before the next scene's images start decoding: the first frame
// after a change, which the viewer waits through, has both cores to itself.
constexpr int kFramesBeforeDecodingNext = 1;

// Installs the scenes and the music start; sceneState goes back to 0.
void setupSequencer(const SequencerSetup& setup);
void sequencerStep();
