// The sea's water as a scalar field and its colour ramp, shared by the ocean PNGs and the
// forest's paletted "mapocean.bmp" (which stores the same field through a 256-entry ramp).
#pragma once

#include "image.h"

// Brightness of the water at texture coordinates (u, v), 0 .. 1, seamless over one tile.
float seaLevel(float u, float v);
Rgb seaColour(float level);
// Foam intensity 0 .. 1 at (u, v), seamless.
float foamLevel(float u, float v);
Rgb foamColour(float level);
