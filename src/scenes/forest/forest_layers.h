// The forest scene's three drawing steps: the water layers, the mask layer and the colour layer.
// Each sets the GL state it needs and leaves blending off, 2D texturing off and the depth test
// on. Not here: the matrices that place them (the scene's frame).
#pragma once

#include <cstdint>

struct WaterOffset {
  float u;
  float v;
};

constexpr int kWaterLayers = 3;

// Where water layer `layer` (0 to 2) has drifted to at `elapsed` ms.
WaterOffset waterOffset(int layer, int32_t elapsed);

void drawWaterLayers(int32_t elapsed);
void drawMaskLayer();
void drawColourLayer();
