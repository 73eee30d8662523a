// The pyramid scene: one GL state set by init for the whole scene (texturing, depth test
// GL_LEQUAL, transparency blending, no culling, white clear colour, a fixed 4:3 projection), in
// which every frame draws pyramid, ground and sky. It leaves that state behind, modelview selected.
#include "scenes/pyramid/pyramid_scene.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include "core/demo_clock.h"
#include "scenes/pyramid/pyramid_drawing.h"
#include "scenes/pyramid/pyramid_motion.h"
#include "scenes/texture_slots.h"
#include "scenes/warm_up.h"
#include "textures/gl/image_prefetch.h"
#include "textures/gl/png_bind.h"

namespace pyramid {

PyramidScene pyramidScene;

namespace {

// The pyramid's picture without mipmaps, the ground and the sky with picked ones.
constexpr ImageRequest kImages[] = {
    {"mappyra.png", ImageKind::Png},
    {"mapsol.png", ImageKind::PngWithLevels},
    {"mapciel.png", ImageKind::PngWithLevels},
};

uint32_t loadTexture(const ImageRequest& image) {
  const int mipmap = image.kind == ImageKind::PngWithLevels ? kPngSimpleMipmaps : kPngNoMipmaps;
  return pngBind(image.fileName, mipmap, kPngSolid, nullptr, GL_REPEAT, GL_LINEAR, GL_LINEAR);
}

void setUpState() {
  glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
  glEnable(GL_DEPTH_TEST);
  glDepthFunc(GL_LEQUAL);
  glEnable(GL_TEXTURE_2D);
  glCullFace(GL_BACK);
  glDisable(GL_CULL_FACE);
}

void setUpProjection() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  // A fixed 4:3 whatever the window's shape: in another shape the picture is stretched.
  gluPerspective(90.0, 1.3333333333333333, 0.1, 100.0);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
}

void setUpBlending() {
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_CULL_FACE);
}

void setGeometry(PyramidScene& scene) {
  scene.pyramidHalfWidth = 2.0f;
  scene.apexHeight = 3.0f;
  scene.pyramidHalfDepth = 2.0f;
  scene.groundHalfWidth = 64.0f;
  scene.groundHalfDepth = 64.0f;
  scene.skyHeight = 16.0f;
}

// The state every frame draws in, as init sets it.
void setUpFrameState() {
  setUpState();
  setUpProjection();
  setUpBlending();
}

// The scene as its first frame finds it, but for its textures and display list.
void setUpScene(PyramidScene& scene) {
  setGeometry(scene);
  scene.orbitAngle = 0.0f;
  scene.zoom = kZoomLow;
  scene.zoomRate = 0.2f;
  scene.lastValidEye = eyePosition(scene);
}

void lookAtOrigin(const Eye& eye) {
  glLoadIdentity();
  gluLookAt(eye.x, eye.y, eye.z, 0.0, 0.0, 0.0, 0.0, 1.0, 0.0);
}

void drawView(PyramidScene& scene) {
  lookAtOrigin(viewEye(scene));
  drawPyramid(scene);
  drawGround(scene);
  drawUpperSky(scene);
  drawLowerSky(scene);
}

}  // namespace

void prefetch() { prefetchImages(kImages); }

// With 1 x 1 stand-ins for the pictures and a display list of its own, dropped after.
void warmUp(int) {
  const WarmUp offscreen(setUpFrameState);
  PyramidScene standIn;
  setUpScene(standIn);
  const unsigned texture = standInTexture(GL_LINEAR);
  standIn.pyramidTexture = standIn.groundTexture = standIn.skyTexture = texture;
  standIn.pyramidList = compilePyramidList(standIn);
  drawView(standIn);
  glDeleteLists(standIn.pyramidList, 1);
}

int init() {
  PyramidScene& scene = pyramidScene;
  setUpFrameState();
  scene.pyramidTexture = loadTexture(kImages[0]);
  // Pictures decoded ahead have gone up in the ocean's frames already (texture_uploads.h).
  scene.groundTexture = loadTexture(kImages[1]);
  scene.skyTexture = loadTexture(kImages[2]);
  glClearColor(1.0f, 1.0f, 1.0f, 0.0f);
  setUpScene(scene);
  scene.pyramidList = compilePyramidList(scene);
  return 1;
}

int frame() {
  PyramidScene& scene = pyramidScene;
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  animate(scene, demoClock->frameTime);
  drawView(scene);
  endFrameAndUpload();
  return demoClock->elapsed > kPyramidDurationMs ? 1 : 0;
}

}  // namespace pyramid
