// Placeholder until the scene is drawn: clears the screen and keeps the scene's duration.
#include "scenes/ocean/ocean_scene.h"

#include <GL/gl.h>

#include "core/demo_clock.h"

namespace ocean {

int init() { return 1; }

int frame() {
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  demoClock->endFrame();
  return demoClock->elapsed > 60000 ? 1 : 0;
}

}  // namespace ocean
