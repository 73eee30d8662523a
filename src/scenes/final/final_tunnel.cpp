// Draws the tube in immediate mode with the texture in slot 0. Leaves fog on (the frame turns it
// off), blending as it found it (off), the tube's texture bound and the last panel's colour.
#include "scenes/final/final_tunnel.h"

#include <GL/gl.h>

#include <cmath>

#include "scenes/texture_slots.h"

namespace finalscene {

namespace {
constexpr int kTubeSlot = 0;
}  // namespace

void applyFog(const FinalScene& scene) {
  const float grey = scene.fogGrey;
  const GLfloat colour[4] = {grey, grey, grey, 1.0f};
  glEnable(GL_FOG);
  glFogi(GL_FOG_MODE, GL_EXP);
  glFogfv(GL_FOG_COLOR, colour);
  glFogf(GL_FOG_DENSITY, 0.55f);
  glHint(GL_FOG_HINT, GL_DONT_CARE);
  glFogf(GL_FOG_START, 1.0f);
  glFogf(GL_FOG_END, 10.0f);
  // This frame is already cleared: the background shows this grey from the next frame on.
  glClearColor(grey, grey, grey, 1.0f);
}

void drawTunnel(const FinalScene& scene) {
  bindSlot(kTubeSlot);
  // Single-precision steps fall just short of 2 pi after twelve panels, so a 13th panel is drawn
  // over the first.
  float angle = 0.0f;
  for (int i = 0; static_cast<double>(angle) < 6.2831853; ++i) {
    const float next = angle + 0.5235988f;
    drawTunnelPanel(scene, angle, scene.tunnelRadius[i % 4], next, scene.tunnelRadius[(i + 1) % 4]);
    angle = next;
  }
}

// A panel's radius follows its angle (radius1 on its first edge), its grey follows depth
// (radius1 near, radius2 far). The texture runs once across and four times along.
void drawTunnelPanel(const FinalScene& scene, float angle1, float radius1, float angle2,
                     float radius2) {
  const float v = scene.textureScroll;
  const float x1 = radius1 * std::cos(angle1);
  const float y1 = radius1 * std::sin(angle1);
  const float x2 = radius2 * std::cos(angle2);
  const float y2 = radius2 * std::sin(angle2);
  glBegin(GL_QUADS);
  glColor4f(radius1, radius1, radius1, 0.5f);
  glTexCoord2f(0.0f, v);
  glVertex3f(x1, y1, 0.0f);
  glColor4f(radius2, radius2, radius2, 0.5f);
  glTexCoord2f(0.0f, v + 4.0f);
  glVertex3f(x1, y1, -10.0f);
  glColor4f(radius2, radius2, radius2, 0.5f);
  glTexCoord2f(1.0f, v + 4.0f);
  glVertex3f(x2, y2, -10.0f);
  glColor4f(radius1, radius1, radius1, 0.5f);
  glTexCoord2f(1.0f, v);
  glVertex3f(x2, y2, 0.0f);
  glEnd();
}

}  // namespace finalscene
