// The contract between the sequencer and a scene. `init` loads the scene's resources, sets the GL
// state and projection its frames rely on and returns nonzero on success. `frame` draws one frame,
// calls demoClock->endFrame() exactly once and returns 1 once the scene's time is over.
// `prefetch`, where a scene has one, starts decoding its images ahead of its init, which then
// only uploads them; init behaves the same with or without it, failures included.
#pragma once

struct Scene {
  const char* name;  // "ocean", "pyramid", "forest", "final"
  int (*init)();
  int (*frame)();
  void (*prefetch)() = nullptr;
};

// Runs the scene's prefetch, if it has one.
inline void prefetchScene(const Scene& scene) {
  if (scene.prefetch != nullptr) scene.prefetch();
}

constexpr int kSceneCount = 4;
