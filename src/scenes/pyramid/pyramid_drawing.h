// The pyramid scene's drawing steps: the pyramid's display list, the ground and the two bands of
// the sky cylinder. They draw in the state the scene's init sets (texturing, depth test GL_LEQUAL,
// transparency blending) and change only the bound texture and the current colour.
#pragma once

#include "scenes/pyramid/pyramid_motion.h"

namespace pyramid {

// Compiles the four faces, apex first, binding the pyramid texture; returns the list name.
unsigned compilePyramidList(const PyramidScene& scene);
// Calls the list with the texture matrix scaled by 2; leaves that matrix identity and the
// modelview matrix selected.
void drawPyramid(const PyramidScene& scene);
// The ground plane y = 0, its texture repeated ten times each way.
void drawGround(const PyramidScene& scene);
// The cylinder's opaque upper band, from the top rim down to 15 % of the sky height.
void drawUpperSky(const PyramidScene& scene);
// The 90 % opaque lower band down to the ground; leaves the current colour opaque white.
void drawLowerSky(const PyramidScene& scene);

}  // namespace pyramid
