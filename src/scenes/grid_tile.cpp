#include "scenes/grid_tile.h"

#include <GL/gl.h>

void drawGridTile(int i, int j) {
  const float left = static_cast<float>(j);
  const float top = static_cast<float>(-i);
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(left, top - 1.0f, 0.0f);
  glTexCoord2f(1.0f, 0.0f);
  glVertex3f(left + 1.0f, top - 1.0f, 0.0f);
  glTexCoord2f(1.0f, 1.0f);
  glVertex3f(left + 1.0f, top, 0.0f);
  glTexCoord2f(0.0f, 1.0f);
  glVertex3f(left, top, 0.0f);
  glEnd();
}
