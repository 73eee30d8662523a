// The contract between the sequencer and a scene. `init` loads the scene's resources, sets the GL
// state and projection its frames rely on and returns nonzero on success. `frame` draws one frame,
// calls demoClock->endFrame() exactly once and returns 1 once the scene's time is over.
// `prefetch`, where a scene has one, starts decoding its images ahead of its init, which then
// only uploads them; init behaves the same with or without it, failures included.
// `warmUp`, where a scene has one, draws its layer `layer` (0 to warmUpLayers - 1) once where
// nobody sees it, before its init and with the GL state of whatever plays then: llvmpipe builds
// a program the first time it draws with a new state, milliseconds each, and these builds are
// then done before the scene starts. A warm-up changes no pixel a frame shows and no state.
#pragma once

struct Scene {
  const char* name;  // "ocean", "pyramid", "forest", "final"
  int (*init)();
  int (*frame)();
  void (*prefetch)() = nullptr;
  void (*warmUp)(int layer) = nullptr;
  int warmUpLayers = 0;
};

// Runs the scene's prefetch, if it has one.
inline void prefetchScene(const Scene& scene) {
  if (scene.prefetch != nullptr) scene.prefetch();
}

constexpr int kSceneCount = 4;
