#include "scenes/layer_view.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "core/demo_clock.h"

void setUpLayerView() {
  glEnable(GL_TEXTURE_2D);
  glShadeModel(GL_SMOOTH);
  glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
  glClearDepth(1.0);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // A near plane of exactly 0 gives every point the same depth: with GL_LEQUAL against the
  // cleared 1 every fragment passes, so what is drawn later covers what was drawn earlier.
  gluPerspective(20.0, static_cast<double>(demoClock->width) / demoClock->height, 0.0, 700.0);
}
