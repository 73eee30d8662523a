// The ocean scene, the demo's first 60 seconds: init and frame with the sequencer's scene
// contract. Its motion values are in ocean_motion.h, its drawing steps in ocean_layers.h.
#pragma once

namespace ocean {
// Starts decoding the scene's images ahead of init.
void prefetch();
// Its one warm-up layer: a phrase, the sea and sky faded in and a logo group.
void warmUp(int layer);
int init();
int frame();
}  // namespace ocean
