// The contract between the sequencer and a scene. `init` loads the scene's resources, sets the GL
// state and projection its frames rely on and returns nonzero on success. `frame` draws one frame,
// calls demoClock->endFrame() exactly once and returns 1 once the scene's time is over.
#pragma once

struct Scene {
  const char* name;  // "ocean", "pyramid", "forest", "final"
  int (*init)();
  int (*frame)();
};

constexpr int kSceneCount = 4;
