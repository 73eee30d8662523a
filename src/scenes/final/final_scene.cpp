// Placeholder until the scene is drawn: clears the screen and keeps the scene's duration.
#include "scenes/final/final_scene.h"

#include <GL/gl.h>

#include "core/demo_clock.h"

namespace finalscene {

int init() { return 1; }

int frame() {
  glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  demoClock->endFrame();
  return 0;  // the last scene runs until the viewer quits
}

}  // namespace finalscene
