// The ocean scene's drawing steps: sea, sky, phrases and logo grid, each an additive layer bound
// to slots of demoClock->textures. Each step enters and leaves the same GL state: depth test on,
// blending and texturing off, blend function (GL_SRC_ALPHA, GL_ONE). No matrix set-up here.
#pragma once

#include "scenes/ocean/ocean_motion.h"

namespace ocean {

constexpr int kOceanSlot = 0;
constexpr int kFoamSlot = 1;
constexpr int kCloudSlot = 2;
constexpr int kMistSlot = 3;
constexpr int kFirstPhraseSlot = 4;
constexpr int kFirstLogoSlot = 11;
constexpr int kLogoTilesPerGroup = 8;

// Three layers (ocean, two foams) on the base quad, brightest along its near edge.
void drawSea(const OceanScene& scene, int t);
// Two layers (clouds, mist) on the base quad, brightest along its far edge.
void drawSky(const OceanScene& scene, int t);
// The phrase in `slot` as a 2 x 2 quad at (0, y, z), ignoring the modelview matrix in force.
void drawPhrase(int slot, float grey, float z, float y);
// Draws the phrase that starts at `start` if it is inside one of its windows at time t.
void showPhrase(int t, int start, float y, int slot);
// Group g's 4 x 2 tiles as unit quads from (0, 0) rightwards and downwards.
void drawLogoGrid(int g);

}  // namespace ocean
