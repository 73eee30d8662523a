// Draws the forest's layers in immediate mode from texture slots 0 to 18. The water adds three
// drifting textures; the masks then multiply the frame (white keeps the water, black removes
// it); the tiles are added on top, so each pixel is water x mask + tile, clamped.
#include "scenes/forest/forest_layers.h"

#include <GL/gl.h>

#include <cmath>

#include "scenes/blended_layer.h"
#include "scenes/grid_tile.h"
#include "scenes/texture_slots.h"

namespace {

constexpr int kOceanSlot = 17;
constexpr int kFoamSlot = 18;
constexpr int kFirstMaskSlot = 12;
constexpr int kRows = 3;
constexpr int kColumns = 4;

struct WaterLayer {
  int slot;
  float alpha;
  float uRate, uPhase;  // u = cos(T x uRate + uPhase)
  float vRate, vPhase;  // v = sin(T x vRate + vPhase)
};

// The rates are 1/40000, 1/39000, 1/37500, 1/36300 and 1/33500 per ms: about half a radian over
// the scene.
constexpr WaterLayer kWater[kWaterLayers] = {
    {kOceanSlot, 0.6f, 0.000025f, 2.8f, 0.000025f, 0.0f},
    {kFoamSlot, 0.2f, 0.000025641026f, 0.93f, 0.000026666667f, 1.76f},
    {kFoamSlot, 0.2f, 0.000027548209f, 1.25f, 0.000029850746f, 2.32f},
};

// Every forest layer modulates its texture by the vertex colour.
void beginModulatedLayer(GLenum source, GLenum destination) {
  beginLayer(source, destination);
  glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

void waterQuad(WaterOffset o) {
  glBegin(GL_QUADS);
  glTexCoord2f(o.u, o.v);
  glVertex3f(-1.0f, -1.0f, 0.0f);
  glTexCoord2f(o.u + 4.0f, o.v);
  glVertex3f(1.0f, -1.0f, 0.0f);
  glTexCoord2f(o.u + 4.0f, o.v + 4.0f);
  glVertex3f(1.0f, 1.0f, 0.0f);
  glTexCoord2f(o.u, o.v + 4.0f);
  glVertex3f(-1.0f, 1.0f, 0.0f);
  glEnd();
}

// Rows 1 and 2 share one mask; each tile of row 3 has its own.
int maskSlot(int i, int j) {
  return kColumns * i + j < 2 * kColumns ? kFirstMaskSlot : kFirstMaskSlot + 1 + j;
}

void drawTiles(int (*slotOf)(int, int)) {
  glColor3f(1.0f, 1.0f, 1.0f);
  for (int i = 0; i < kRows; ++i) {
    for (int j = 0; j < kColumns; ++j) {
      bindSlot(slotOf(i, j));
      drawGridTile(i, j);
    }
  }
}

}  // namespace

WaterOffset waterOffset(int layer, int32_t elapsed) {
  const WaterLayer& w = kWater[layer];
  const float t = static_cast<float>(elapsed);
  return {std::cos(t * w.uRate + w.uPhase), std::sin(t * w.vRate + w.vPhase)};
}

void drawWaterLayers(int32_t elapsed) {
  beginModulatedLayer(GL_SRC_ALPHA, GL_ONE);
  for (int layer = 0; layer < kWaterLayers; ++layer) {
    bindSlot(kWater[layer].slot);
    glColor4f(0.8f, 0.8f, 0.8f, kWater[layer].alpha);
    waterQuad(waterOffset(layer, elapsed));
  }
  endLayer();
}

void drawMaskLayer() {
  beginModulatedLayer(GL_DST_COLOR, GL_ZERO);
  drawTiles(maskSlot);
  endLayer();
}

void drawColourLayer() {
  beginModulatedLayer(GL_SRC_ALPHA, GL_ONE);
  drawTiles([](int i, int j) { return kColumns * i + j; });
  endLayer();
}
