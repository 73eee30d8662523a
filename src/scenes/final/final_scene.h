// The final scene: the breathing, fogged tube with the swaying camera and the winged flare on
// the keyframe path. It never ends; the demo stays in it until the viewer quits.
#pragma once

namespace finalscene {

// Starts decoding the scene's images ahead of init.
void prefetch();
// Its two warm-up layers: 0 the fogged tube, 1 the winged flare.
constexpr int kWarmUpLayers = 2;
void warmUp(int layer);
int init();
int frame();

// The parts of init, so a test can fill the texture slots itself and set up only the GL.
int loadTextures();
void setUpView();

}  // namespace finalscene
