// The final scene's init and frame. Leaves behind: the model-view matrix selected, 2D texturing
// on, smooth shading, depth test on with GL_LEQUAL, blending and fog off, the fog grey as the
// clear colour.
#include "scenes/final/final_scene.h"

#include <GL/gl.h>

#include "core/demo_clock.h"
#include "scenes/layer_view.h"
#include "core/keyframe_path.h"
#include "scenes/final/final_motion.h"
#include "scenes/final/final_tunnel.h"
#include "scenes/final/winged_flare.h"

namespace finalscene {

namespace {

// Slots 7 to 9 are loaded but never drawn.
constexpr const char* kTextureFiles[] = {
    "maparbre1.png", "flare.png",  "aile.png",      "flare_mask.png", "aile_mask.png",
    "flare2.png",    "flare3.png", "maparbre2.png", "greet1.png",     "greet1mask.png",
};

void applyCamera(const FinalScene& scene, float roll) {
  glTranslatef(-0.025f * scene.cameraPitch, -0.025f * scene.cameraYaw, 0.0f);
  glRotatef(scene.cameraPitch, 1.0f, 0.0f, 0.0f);
  glRotatef(scene.cameraYaw, 0.0f, 1.0f, 0.0f);
  glRotatef(roll, 0.0f, 0.0f, 1.0f);
}

void flyFlare(const FinalScene& scene, float roll) {
  float x = 0.0f, y = 0.0f, z = 0.0f;
  pathPosition(flarePathTime(scene), &x, &y, &z);
  wingedFlare->setPosition(x, y, z);
  wingedFlare->update(-0.025f * scene.cameraPitch, -0.025f * scene.cameraYaw, 0.0f,
                      scene.cameraPitch, scene.cameraYaw, roll);
  wingedFlare->draw();
}

}  // namespace

int loadTextures() {
  int slot = 0;
  for (const char* file : kTextureFiles) {
    if (demoClock->loadPngTexture(file, slot, GL_LINEAR) == 0) return 0;
    ++slot;
  }
  return 1;
}

void setUpView() {
  buildSplineBasis();
  setUpLayerView();
  restartSceneTime(finalScene);
}

int init() {
  if (loadTextures() == 0) return 0;
  setUpView();
  return 1;
}

int frame() {
  animate(finalScene, demoClock->elapsed, demoClock->frameTime);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  glPushMatrix();
  glLoadIdentity();
  const float roll = finalScene.cameraRoll + finalScene.cameraRollSwing;
  applyCamera(finalScene, roll);
  applyFog(finalScene);
  drawTunnel(finalScene);
  glDisable(GL_FOG);
  flyFlare(finalScene, roll);
  glPopMatrix();
  demoClock->endFrame();
  return 0;  // the last scene runs until the viewer quits
}

}  // namespace finalscene
