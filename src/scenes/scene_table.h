// The demo's four scenes in playing order, handed to the sequencer by the shell and the capture
// tool, so neither core nor the capture tool needs to know a scene by name.
#pragma once

#include "core/scene.h"

extern const Scene kDemoScenes[kSceneCount];
