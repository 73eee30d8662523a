#include "scenes/blended_layer.h"

void beginLayer(GLenum source, GLenum destination) {
  glDisable(GL_DEPTH_TEST);
  glEnable(GL_TEXTURE_2D);
  glEnable(GL_BLEND);
  glBlendFunc(source, destination);
}

void endLayer() {
  glDisable(GL_BLEND);
  glDisable(GL_TEXTURE_2D);
  glEnable(GL_DEPTH_TEST);
}
