// The pyramid scene's geometry: a four-faced pyramid in a display list, the ground quad and the
// sky cylinder as two quad strips of 20 panels each, sent every frame.
#include "scenes/pyramid/pyramid_drawing.h"

#include <GL/gl.h>

#include <cmath>

namespace pyramid {

namespace {

constexpr float kSkyRadius = 16.0f;
constexpr int kSkyPanels = 20;

void apexFace(const PyramidScene& scene, float x2, float z2, float x3, float z3) {
  glTexCoord2f(0.5f, 0.0f);
  glVertex3f(0.0f, scene.apexHeight, 0.0f);
  glTexCoord2f(0.0f, 1.0f);
  glVertex3f(x2, 0.0f, z2);
  glTexCoord2f(1.0f, 1.0f);
  glVertex3f(x3, 0.0f, z3);
}

// One ring of the cylinder: for each of the 21 angles, a vertex at height `y1` then `y2`. The
// angle step is a rounded tenth of pi, so the last pair stops just short of a full turn.
void skyStrip(float y1, float t1, float y2, float t2) {
  glBegin(GL_QUAD_STRIP);
  for (int i = 0; i <= kSkyPanels; ++i) {
    const float a = static_cast<float>(i) * 0.314159f;
    const float s = static_cast<float>(i) * 0.05f;
    const float x = kSkyRadius * std::sin(a);
    const float z = kSkyRadius * std::cos(a);
    glTexCoord2f(s, t1);
    glVertex3f(x, y1, z);
    glTexCoord2f(s, t2);
    glVertex3f(x, y2, z);
  }
  glEnd();
}

}  // namespace

unsigned compilePyramidList(const PyramidScene& scene) {
  const float w = scene.pyramidHalfWidth;
  const float d = scene.pyramidHalfDepth;
  const unsigned list = glGenLists(1);
  glNewList(list, GL_COMPILE);
  glBindTexture(GL_TEXTURE_2D, scene.pyramidTexture);
  glBegin(GL_TRIANGLES);
  apexFace(scene, w, d, w, -d);
  apexFace(scene, w, d, -w, d);
  apexFace(scene, -w, d, -w, -d);
  apexFace(scene, -w, -d, w, -d);
  glEnd();
  glEndList();
  return list;
}

void drawPyramid(const PyramidScene& scene) {
  glMatrixMode(GL_TEXTURE);
  glScalef(2.0f, 2.0f, 2.0f);
  glCallList(scene.pyramidList);
  glLoadIdentity();
  glMatrixMode(GL_MODELVIEW);
}

void drawGround(const PyramidScene& scene) {
  const float w = scene.groundHalfWidth;
  const float d = scene.groundHalfDepth;
  glBindTexture(GL_TEXTURE_2D, scene.groundTexture);
  glBegin(GL_QUADS);
  glTexCoord2f(10.0f, 10.0f);
  glVertex3f(w, 0.0f, d);
  glTexCoord2f(0.0f, 10.0f);
  glVertex3f(-w, 0.0f, d);
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(-w, 0.0f, -d);
  glTexCoord2f(10.0f, 0.0f);
  glVertex3f(w, 0.0f, -d);
  glEnd();
}

void drawUpperSky(const PyramidScene& scene) {
  glBindTexture(GL_TEXTURE_2D, scene.skyTexture);
  skyStrip(scene.skyHeight, 1.0f, scene.skyHeight * 0.15f, 0.15f);
}

void drawLowerSky(const PyramidScene& scene) {
  glBindTexture(GL_TEXTURE_2D, scene.skyTexture);
  glColor4f(1.0f, 1.0f, 1.0f, 0.9f);
  skyStrip(scene.skyHeight * 0.15f, 0.15f, 0.0f, 0.0f);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

}  // namespace pyramid
