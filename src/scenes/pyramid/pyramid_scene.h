// The pyramid scene, the demo's 40 seconds after the ocean: init and frame with the sequencer's
// scene contract. Its state and motion are in pyramid_motion.h, its drawing in pyramid_drawing.h.
#pragma once

namespace pyramid {
// Starts decoding the scene's images ahead of init.
void prefetch();
// Its one warm-up layer: pyramid, ground and sky.
void warmUp(int layer);
int init();
int frame();
}  // namespace pyramid
