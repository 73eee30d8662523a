// The forest scene: twelve picture tiles cut by masks over three drifting water layers, for 20
// seconds of its own clock.
#pragma once

namespace forest {

// Starts decoding the scene's images ahead of init.
void prefetch();
// Its one warm-up layer: the water and the picture.
void warmUp(int layer);
int init();
int frame();

// The parts of init, so a test can fill the texture slots itself and set up only the GL.
int loadTextures();
void setUpView();

}  // namespace forest
