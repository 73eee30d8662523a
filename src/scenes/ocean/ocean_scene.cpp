// The ocean scene: loads its 35 textures into slots 0 to 34, then each frame adds phrases, sea,
// sky and logo onto black. Leaves the depth test on (GL_LEQUAL), blending and texturing off,
// blend function (GL_SRC_ALPHA, GL_ONE), the 20-degree projection and the modelview selected.
#include "scenes/ocean/ocean_scene.h"

#include <GL/gl.h>

#include "core/demo_clock.h"
#include "scenes/layer_view.h"
#include "scenes/ocean/ocean_layers.h"
#include "scenes/ocean/ocean_motion.h"
#include "scenes/texture_slots.h"
#include "scenes/warm_up.h"

namespace ocean {

OceanScene oceanScene;

namespace {

// In slot order; "phrase7.png" (slot 10) is loaded but never drawn.
constexpr TextureFile kTextureFiles[] = {
    {"mapocean.png", GL_LINEAR},  {"mapecume2.png", GL_LINEAR}, {"mapnuage.png", GL_LINEAR},
    {"mapbrume2.png", GL_LINEAR}, {"phrase1.png", GL_LINEAR},   {"phrase2.png", GL_LINEAR},
    {"phrase3.png", GL_LINEAR},   {"phrase4.png", GL_LINEAR},   {"phrase5.png", GL_LINEAR},
    {"phrase6.png", GL_LINEAR},   {"phrase7.png", GL_LINEAR},   {"logo111.png", GL_LINEAR},
    {"logo112.png", GL_NEAREST},  {"logo113.png", GL_NEAREST},  {"logo114.png", GL_NEAREST},
    {"logo121.png", GL_NEAREST},  {"logo122.png", GL_NEAREST},  {"logo123.png", GL_NEAREST},
    {"logo124.png", GL_NEAREST},  {"logo211.png", GL_NEAREST},  {"logo212.png", GL_NEAREST},
    {"logo213.png", GL_NEAREST},  {"logo214.png", GL_NEAREST},  {"logo221.png", GL_NEAREST},
    {"logo222.png", GL_NEAREST},  {"logo223.png", GL_NEAREST},  {"logo224.png", GL_NEAREST},
    {"logo311.png", GL_NEAREST},  {"logo312.png", GL_NEAREST},  {"logo313.png", GL_NEAREST},
    {"logo314.png", GL_NEAREST},  {"logo321.png", GL_NEAREST},  {"logo322.png", GL_NEAREST},
    {"logo323.png", GL_NEAREST},  {"logo324.png", GL_NEAREST},
};

struct PhraseCue {
  int start;
  float y;
};

// Phrase n is in slot kFirstPhraseSlot + n.
constexpr PhraseCue kPhraseCues[] = {
    {0, 0.2f}, {5000, -0.1f}, {15000, 0.2f}, {19000, -0.1f}, {40000, 0.0f}, {46000, 0.0f},
};

void drawPhrases(int t) {
  int slot = kFirstPhraseSlot;
  for (const PhraseCue& cue : kPhraseCues) showPhrase(t, cue.start, cue.y, slot++);
}

void drawTiltedSea(const OceanScene& scene, int t) {
  glPushMatrix();
  glTranslatef(0.0f, 0.0f, -1.0f);
  glRotatef(-87.0f, 1.0f, 0.0f, 0.0f);
  drawSea(scene, t);
  glPopMatrix();
}

void drawTiltedSky(const OceanScene& scene, int t) {
  glPushMatrix();
  glTranslatef(0.0f, 0.1055f, -1.0f);
  glRotatef(87.0f, 1.0f, 0.0f, 0.0f);
  drawSky(scene, t);
  glPopMatrix();
}

void drawLogo(int t) {
  glPushMatrix();
  glTranslatef(-2.0f, 1.0f, -7.0f);
  const int group = logoGroup(t);
  if (group >= 0) drawLogoGrid(group);
  glPopMatrix();
}

}  // namespace

void prefetch() { prefetchTextures(kTextureFiles, ImageKind::Png); }

// Every layer the scene will draw: a phrase, the sea and sky faded in, a logo group.
void warmUp(int) {
  const WarmUp offscreen(setUpLayerView, kTextureFiles);
  drawPhrase(kFirstPhraseSlot, 1.0f, -4.0f, 0.0f);
  OceanScene fadedIn;
  fadedIn.fade = 1.0f;
  drawTiltedSea(fadedIn, 0);
  drawTiltedSky(fadedIn, 0);
  glTranslatef(-2.0f, 1.0f, -7.0f);
  drawLogoGrid(0);
}

int init() {
  if (loadTextures(kTextureFiles, &DemoClock::loadPngTexture) == 0) return 0;
  setUpLayerView();
  return 1;
}

int frame() {
  const int t = demoClock->elapsed;
  animate(oceanScene, t);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
  glLoadIdentity();
  drawPhrases(t);
  // With fade 0 every sea and sky vertex has alpha 0, and (alpha x colour + what is there) adds
  // exactly nothing: the layers are left out until the fade begins.
  if (oceanScene.fade > 0.0f) {
    drawTiltedSea(oceanScene, t);
    drawTiltedSky(oceanScene, t);
  }
  drawLogo(t);
  endFrameAndUpload();
  return demoClock->elapsed > kOceanDurationMs ? 1 : 0;
}

}  // namespace ocean
