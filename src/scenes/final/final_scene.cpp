// The final scene's init and frame. Leaves behind: the model-view matrix selected, 2D texturing
// on, smooth shading, depth test on with GL_LEQUAL, blending and fog off, the fog grey as the
// clear colour.
#include "scenes/final/final_scene.h"

#include <GL/gl.h>

#include "core/demo_clock.h"
#include "core/keyframe_path.h"
#include "scenes/final/final_motion.h"
#include "scenes/final/final_tunnel.h"
#include "scenes/final/winged_flare.h"
#include "scenes/layer_view.h"
#include "scenes/texture_slots.h"
#include "scenes/warm_up.h"

namespace finalscene {

namespace {

// Slots 7 to 9 are loaded but never drawn.
constexpr TextureFile kTextureFiles[] = {
    {"maparbre1.png", GL_LINEAR},  {"flare.png", GL_LINEAR},     {"aile.png", GL_LINEAR},
    {"flare_mask.png", GL_LINEAR}, {"aile_mask.png", GL_LINEAR}, {"flare2.png", GL_LINEAR},
    {"flare3.png", GL_LINEAR},     {"maparbre2.png", GL_LINEAR}, {"greet1.png", GL_LINEAR},
    {"greet1mask.png", GL_LINEAR},
};

void drawTube(const Camera& camera) {
  applyCamera(camera);
  applyFog(finalScene);
  drawTunnel(finalScene);
  glDisable(GL_FOG);
}

void flyFlare(const FinalScene& scene, const Camera& camera) {
  float x = 0.0f, y = 0.0f, z = 0.0f;
  pathPosition(flarePathTime(scene), &x, &y, &z);
  wingedFlare->setPosition(x, y, z);
  wingedFlare->update(camera);
  wingedFlare->draw();
}

}  // namespace

int loadTextures() { return ::loadTextures(kTextureFiles, &DemoClock::loadPngTexture); }

void setUpView() {
  buildSplineBasis();
  setUpLayerView();
  restartSceneTime(finalScene);
}

void prefetch() { prefetchTextures(kTextureFiles, ImageKind::Png); }

// The tube and the flare as they stand, with no time passing for the flare: its sparks and
// timing start with the scene's first frame.
void warmUp(int layer) {
  const WarmUp offscreen(setUpLayerView, kTextureFiles);
  if (layer == 0) {
    drawTube(cameraOf(finalScene));
  } else {
    wingedFlare->draw();
  }
}

int init() {
  if (loadTextures() == 0) return 0;
  uploadSceneTextures();
  setUpView();
  return 1;
}

int frame() {
  animate(finalScene, demoClock->elapsed, demoClock->frameTime);
  const Camera camera = cameraOf(finalScene);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  glPushMatrix();
  glLoadIdentity();
  drawTube(camera);
  flyFlare(finalScene, camera);
  glPopMatrix();
  endFrameAndUpload();
  return 0;  // the last scene runs until the viewer quits
}

}  // namespace finalscene
