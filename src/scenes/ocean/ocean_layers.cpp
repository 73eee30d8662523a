// The ocean scene's additive layers. Every layer adds its texture, scaled by its vertex alpha,
// onto what is already drawn, with the depth test off so the drawing order alone decides.
#include "scenes/ocean/ocean_layers.h"

#include <GL/gl.h>

#include <cmath>

#include "scenes/blended_layer.h"
#include "scenes/grid_tile.h"
#include "scenes/texture_slots.h"

namespace ocean {

namespace {

// The base quad of the sea and sky; the texture spans `repeatU` x 2 from (u, v). The first two
// corners (local y = -1) take `edgeAlpha`, the last two `otherAlpha`.
void baseQuad(float u, float v, float repeatU, float edgeAlpha, float otherAlpha) {
  glBegin(GL_QUADS);
  glColor4f(1.0f, 1.0f, 1.0f, edgeAlpha);
  glTexCoord2f(u, v);
  glVertex3f(-1.0f, -1.0f, 0.0f);
  glTexCoord2f(u + repeatU, v);
  glVertex3f(1.0f, -1.0f, 0.0f);
  glColor4f(1.0f, 1.0f, 1.0f, otherAlpha);
  glTexCoord2f(u + repeatU, v + 2.0f);
  glVertex3f(1.0f, 1.0f, 0.0f);
  glTexCoord2f(u, v + 2.0f);
  glVertex3f(-1.0f, 1.0f, 0.0f);
  glEnd();
}

}  // namespace

void drawSea(const OceanScene& scene, int t) {
  const float ft = static_cast<float>(t);
  const float nearAlpha = 0.33f * scene.fade;
  const float farAlpha = 0.15f * scene.fade;
  beginLayer(GL_SRC_ALPHA, GL_ONE);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  bindSlot(kOceanSlot);
  baseQuad(std::cos(ft * 0.0001f), std::sin(ft * 0.0001f) + scene.seaScroll, 2.0f, nearAlpha,
           farAlpha);
  bindSlot(kFoamSlot);
  baseQuad(std::cos(ft * 0.000052631578f + 0.93f),
           std::sin(ft * 0.000057142857f + 0.76f) + scene.seaScroll, 2.0f, nearAlpha, farAlpha);
  baseQuad(std::cos(ft * 0.000061349696f + 1.25f),
           std::sin(ft * 0.00007407407f + 1.32f) + scene.seaScroll, 2.0f, nearAlpha, farAlpha);
  endLayer();
}

void drawSky(const OceanScene& scene, int t) {
  const float ft = static_cast<float>(t);
  const float farAlpha = 0.5f * scene.fade;
  const float nearAlpha = 0.3f * scene.fade;
  beginLayer(GL_SRC_ALPHA, GL_ONE);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  bindSlot(kCloudSlot);
  baseQuad(0.0f, -scene.skyScroll, 3.0f, farAlpha, nearAlpha);
  glColor4f(1.0f, 1.0f, 1.0f, 0.5f);
  bindSlot(kMistSlot);
  baseQuad(std::cos(ft * 0.000031194435f + 0.457f),
           std::sin(ft * 0.000028935185f + 0.12f) - scene.skyScroll, 3.0f, farAlpha, nearAlpha);
  endLayer();
}

void drawPhrase(int slot, float grey, float z, float y) {
  beginLayer(GL_SRC_ALPHA, GL_ONE);
  glPushMatrix();
  glLoadIdentity();
  glTranslatef(0.0f, y, z);
  bindSlot(slot);
  glColor4f(grey, grey, grey, 1.0f);
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(-1.0f, -1.0f, 0.0f);
  glTexCoord2f(1.0f, 0.0f);
  glVertex3f(1.0f, -1.0f, 0.0f);
  glTexCoord2f(1.0f, 1.0f);
  glVertex3f(1.0f, 1.0f, 0.0f);
  glTexCoord2f(0.0f, 1.0f);
  glVertex3f(-1.0f, 1.0f, 0.0f);
  glEnd();
  glPopMatrix();
  endLayer();
}

void showPhrase(int t, int start, float y, int slot) {
  const PhraseLook look = phraseAt(t, start);
  if (look.visible) drawPhrase(slot, look.grey, look.z, y);
}

void drawLogoGrid(int g) {
  const int first = kFirstLogoSlot + kLogoTilesPerGroup * g;
  beginLayer(GL_SRC_ALPHA, GL_ONE);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
  glColor3f(1.0f, 1.0f, 1.0f);
  for (int i = 0; i < 2; ++i) {
    for (int j = 0; j < 4; ++j) {
      bindSlot(first + 4 * i + j);
      drawGridTile(i, j);
    }
  }
  endLayer();
}

}  // namespace ocean
