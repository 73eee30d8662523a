// The final scene's moving values: the breathing tube, the swaying camera, the texture scroll,
// the fog grey and the flare's path time, all derived from the clock. No GL here.
#pragma once

#include <cstdint>

#include "scenes/final/final_camera.h"

namespace finalscene {

struct FinalScene {
  float tunnelPhase[4] = {};   // radians, one per tube radius, advanced per frame
  float tunnelRadius[4] = {};  // corner radii and the grey of the panels' near and far ends
  float cameraPhase[3] = {};   // radians: pitch, yaw and roll swing
  float cameraPitch = 0.0f;    // degrees about x
  float cameraYaw = 0.0f;      // degrees about y
  float cameraRollSwing = 0.0f;
  float cameraRoll = 0.0f;     // degrees, turning slowly
  float textureScroll = 0.0f;  // the tube's texture t offset
  float fogGrey = 0.0f;        // 0..1, fog and clear colour
  // The scene's own time in ms: `elapsed` while it is valid, then counting on in 64 bits where
  // `elapsed` turns negative (24.8 days) and wraps (49.7 days), so the fog cycle and the flight
  // never break.
  int64_t sceneTime = 0;
  int32_t lastElapsed = 0;
};

extern FinalScene finalScene;

// `elapsed` and `frameTime` as the demo clock holds them for this frame.
void animate(FinalScene& scene, int32_t elapsed, int32_t frameTime);
void animateTunnel(FinalScene& scene);
void animateCamera(FinalScene& scene, int32_t frameTime);
// The frame's camera, for the tube and the flare alike.
Camera cameraOf(const FinalScene& scene);
// The time on the keyframe path at which the flare is drawn: 700 ms ahead of the scene.
int32_t flarePathTime(const FinalScene& scene);
// Back to the scene's start: its time 0 (the clock restarts after init). The phases carry on.
void restartSceneTime(FinalScene& scene);

}  // namespace finalscene
