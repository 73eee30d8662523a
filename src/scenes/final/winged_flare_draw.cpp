// Draws the winged flare and its sparks with the final scene's textures (slots 1 to 6). Every
// step sets its own model-view matrix from the stored camera transform between a push and a
// pop, and leaves blending off and the depth test on; the blend function, the bound texture and
// the current colour stay as its last quad set them.
#include <GL/gl.h>

#include "core/demo_clock.h"
#include "scenes/final/winged_flare.h"
#include "scenes/texture_slots.h"

namespace finalscene {

namespace {

constexpr int kHaloSlot = 1;
constexpr int kWingSlot = 2;
constexpr int kBodyMaskSlot = 3;
constexpr int kWingMaskSlot = 4;
constexpr int kGlowSlot = 5;
constexpr int kSparkSlot = 6;

void centredQuad(float half) {
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(-half, -half, 0.0f);
  glTexCoord2f(1.0f, 0.0f);
  glVertex3f(half, -half, 0.0f);
  glTexCoord2f(1.0f, 1.0f);
  glVertex3f(half, half, 0.0f);
  glTexCoord2f(0.0f, 1.0f);
  glVertex3f(-half, half, 0.0f);
  glEnd();
}

// `inner` and `outer` are the x of the edges at texture s = 0 and s = 1; the second wing swaps
// them to mirror the picture.
void wingQuad(float inner, float outer) {
  glBegin(GL_QUADS);
  glTexCoord2f(0.0f, 0.0f);
  glVertex3f(inner, -0.25f, 0.0f);
  glTexCoord2f(1.0f, 0.0f);
  glVertex3f(outer, -0.25f, 0.0f);
  glTexCoord2f(1.0f, 1.0f);
  glVertex3f(outer, 0.1f, 0.0f);
  glTexCoord2f(0.0f, 1.0f);
  glVertex3f(inner, 0.1f, 0.0f);
  glEnd();
}

}  // namespace

void WingedFlare::draw() {
  drawFlare();
  drawParticles();
}

namespace {

// The camera transform from the identity; the wings leave out the roll.
void loadCamera(const WingedFlare& f, Roll roll) {
  glLoadIdentity();
  applyCamera(f.camera, roll);
}

// One wing: cut into the picture through its mask, then added in colour. `side` is -1 for the
// first wing, 1 for the mirrored second one.
void drawWing(const WingedFlare& f, float side) {
  glPushMatrix();
  loadCamera(f, Roll::Left);
  glTranslatef(f.posX, f.posY, f.posZ);
  glRotatef(-side * f.wingAngle, 0.0f, 1.0f, 0.0f);
  glTranslatef(side * 0.1f, 0.13f, 0.0f);
  glBlendFunc(GL_DST_COLOR, GL_ZERO);
  bindSlot(kWingMaskSlot);
  wingQuad(side * 0.1f, -side * 0.1f);
  glBlendFunc(GL_ONE, GL_ONE);
  bindSlot(kWingSlot);
  wingQuad(side * 0.1f, -side * 0.1f);
  glPopMatrix();
}

}  // namespace

void WingedFlare::drawFlare() {
  glPushMatrix();
  loadCamera(*this, Roll::Included);
  glTranslatef(posX, posY, posZ);
  glEnable(GL_BLEND);
  glDisable(GL_DEPTH_TEST);

  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  bindSlot(kGlowSlot);
  glColor4f(0.1f, 0.1f, 0.1f, 1.0f);
  centredQuad(glowSize);

  glBlendFunc(GL_DST_COLOR, GL_ZERO);
  bindSlot(kBodyMaskSlot);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  centredQuad(0.1f);

  drawWing(*this, -1.0f);
  drawWing(*this, 1.0f);

  glBlendFunc(GL_ONE, GL_ONE);
  bindSlot(kHaloSlot);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  centredQuad(haloSize);

  glPopMatrix();
  glEnable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
}

void WingedFlare::drawParticles() {
  glEnable(GL_BLEND);
  glDisable(GL_DEPTH_TEST);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE);
  for (int i = 0; i < kParticleSlots; ++i) {
    const Particle& p = particles[i];
    if (p.life <= 0) continue;
    glPushMatrix();
    loadCamera(*this, Roll::Included);
    glTranslatef(p.x, p.y, p.z);
    bindSlot(kSparkSlot);
    // Sparks fade over their last 2000 ms; above that GL clamps the alpha to 1.
    glColor4f(p.red, p.green, p.blue, static_cast<float>(p.life) * 0.0005f);
    centredQuad(0.01f);
    glPopMatrix();
  }
  glEnable(GL_DEPTH_TEST);
  glDisable(GL_BLEND);
}

}  // namespace finalscene
