// The forest scene's init and frame. Leaves behind: the model-view matrix selected (identity),
// its 20-degree projection, blending and 2D texturing off, depth test on with GL_LEQUAL, smooth
// shading and the black clear colour.
#include "scenes/forest/forest_scene.h"

#include <GL/gl.h>

#include "core/demo_clock.h"
#include "core/keyframe_path.h"
#include "scenes/forest/forest_layers.h"
#include "scenes/layer_view.h"
#include "scenes/texture_slots.h"
#include "scenes/warm_up.h"

namespace forest {

namespace {

constexpr int32_t kForestDurationMs = 20000;

// Slot order: the tiles row by row, the masks, then the two water textures.
constexpr TextureFile kTextureFiles[] = {
    {"foret11.bmp", GL_NEAREST},     {"foret12.bmp", GL_NEAREST},
    {"foret13.bmp", GL_NEAREST},     {"foret14.bmp", GL_NEAREST},
    {"foret21.bmp", GL_NEAREST},     {"foret22.bmp", GL_NEAREST},
    {"foret23.bmp", GL_NEAREST},     {"foret24.bmp", GL_NEAREST},
    {"foret31.bmp", GL_NEAREST},     {"foret32.bmp", GL_NEAREST},
    {"foret33.bmp", GL_NEAREST},     {"foret34.bmp", GL_NEAREST},
    {"foretmask11.bmp", GL_NEAREST}, {"foretmask31.bmp", GL_NEAREST},
    {"foretmask32.bmp", GL_NEAREST}, {"foretmask33.bmp", GL_NEAREST},
    {"foretmask34.bmp", GL_NEAREST}, {"mapocean.bmp", GL_LINEAR},
    {"mapecume2.bmp", GL_LINEAR},
};

}  // namespace

namespace {

void drawPicture(int32_t elapsed) {
  // The water lies almost flat, from just in front of the eye to 2 units away.
  glPushMatrix();
  glTranslatef(0.0f, 0.0f, -1.0f);
  glRotatef(-87.0f, 1.0f, 0.0f, 0.0f);
  drawWaterLayers(elapsed);
  glPopMatrix();

  // The picture: x -2..2, y -1.5..1.5 at z = -6.6, row 1 at the top.
  glPushMatrix();
  glTranslatef(-2.0f, 1.5f, 0.0f);
  glTranslatef(0.0f, 0.0f, -6.6f);
  drawMaskLayer();
  drawColourLayer();
  glPopMatrix();
}

}  // namespace

int loadTextures() { return ::loadTextures(kTextureFiles, &DemoClock::loadBmpTexture); }

void setUpView() {
  // The forest draws nothing on the path; the table is ready for the scene after it.
  buildSplineBasis();
  setUpLayerView();
}

void prefetch() { prefetchTextures(kTextureFiles, ImageKind::Bmp); }

void warmUp(int) {
  const WarmUp offscreen(setUpLayerView, kTextureFiles);
  drawPicture(0);
}

int init() {
  if (loadTextures() == 0) return 0;
  uploadSceneTextures();
  setUpView();
  return 1;
}

int frame() {
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  drawPicture(demoClock->elapsed);
  endFrameAndUpload();
  return demoClock->elapsed > kForestDurationMs ? 1 : 0;
}

}  // namespace forest
