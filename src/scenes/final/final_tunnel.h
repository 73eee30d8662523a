// The final scene's tube: twelve textured sides from the eye to 10 units deep, swallowed by
// exponential fog. Not here: the camera, set by the caller before drawTunnel.
#pragma once

#include "scenes/final/final_motion.h"

namespace finalscene {

// Fog on in the scene's grey, and the same grey as the clear colour for the next frame.
void applyFog(const FinalScene& scene);
void drawTunnel(const FinalScene& scene);
// One panel: the texture across it once, from s = 0 at its first edge.
void drawTunnelPanel(const FinalScene& scene, float angle1, float radius1, float angle2,
                     float radius2);

}  // namespace finalscene
