// Integrates the final scene's motion once per frame. Every value that only grows is brought
// back into its cycle once it passes it (phases modulo 2 pi, the roll modulo 360 degrees, the
// scroll modulo the texture's repeat), so single precision keeps its resolution for as long as
// the demo runs: an unbounded float sum stops moving once a step is below half its spacing (the
// breathing phases after some 140 hours at 60 frames a second). The wrap is not free: fmod itself
// is exact, but every later addition rounds differently, so the camera parts from the one that
// unbounded sums would give; after an hour at 60 frames a second by about 15 degrees of pitch
// and 8 of roll. The unbounded sums are the ones that stray: the wrapped values stay within a
// degree or two of the exact products of time and rate over hours.
#include "scenes/final/final_motion.h"

#include <climits>
#include <cmath>

#include "core/keyframe_path.h"

namespace finalscene {

FinalScene finalScene;

namespace {

constexpr double kTwoPi = 6.283185307179586;
constexpr int64_t kFogCycleMs = 10000;
constexpr int32_t kFlareLeadMs = 700;
// `elapsed` this close to its largest value followed by a negative one is its wrap, not a step
// back: no frame lasts 12 days.
constexpr int32_t kElapsedNearWrap = INT32_MAX - (1 << 30);

float wrapped(float value, double period) {
  if (value < period) return value;
  return static_cast<float>(std::fmod(static_cast<double>(value), period));
}

// The scene time is `elapsed` itself for as long as that is valid, so a step back in it (a
// counter that went back) reads as the earlier time it says. Once `elapsed` wraps at 24.8 days
// the time goes on from there in 64 bits by its unsigned steps, which are right across both of
// its wraps.
void advanceSceneTime(FinalScene& scene, int32_t elapsed) {
  const bool wrapping = elapsed < 0 && scene.lastElapsed >= kElapsedNearWrap;
  if (scene.sceneTime > INT32_MAX || wrapping) {
    scene.sceneTime += static_cast<uint32_t>(elapsed) - static_cast<uint32_t>(scene.lastElapsed);
  } else {
    scene.sceneTime = elapsed < 0 ? 0 : elapsed;
  }
  scene.lastElapsed = elapsed;
}

}  // namespace

void animateTunnel(FinalScene& scene) {
  // Per frame, not per millisecond: the breathing follows the frame rate.
  const float steps[4] = {0.005f, 0.0025f, 0.0025f, 0.005f};
  for (int k = 0; k < 4; ++k) {
    scene.tunnelPhase[k] = wrapped(scene.tunnelPhase[k] + steps[k], kTwoPi);
    scene.tunnelRadius[k] = std::cos(scene.tunnelPhase[k]) * 0.16666667f + 0.5f;
  }
}

void animateCamera(FinalScene& scene, int32_t frameTime) {
  const float ms = static_cast<float>(frameTime);
  scene.cameraPhase[0] = wrapped(scene.cameraPhase[0] + ms * 0.0005f, kTwoPi);
  scene.cameraPhase[1] = wrapped(scene.cameraPhase[1] + ms * 0.0008f, kTwoPi);
  scene.cameraPhase[2] = wrapped(scene.cameraPhase[2] + ms * 0.0004f, kTwoPi);
  scene.cameraPitch = std::cos(scene.cameraPhase[0]) * 9.0f;
  scene.cameraYaw = std::sin(scene.cameraPhase[1]) * 10.0f;
  scene.cameraRollSwing = std::cos(scene.cameraPhase[2]) * 21.0f;
  scene.cameraRoll = wrapped(scene.cameraRoll + ms * 0.00015f, 360.0);
}

void animate(FinalScene& scene, int32_t elapsed, int32_t frameTime) {
  animateTunnel(scene);
  // The texture repeats every 1 in t.
  scene.textureScroll =
      wrapped(scene.textureScroll + static_cast<float>(frameTime) * 0.00126f, 1.0);
  animateCamera(scene, frameTime);
  advanceSceneTime(scene, elapsed);
  scene.fogGrey = static_cast<float>(scene.sceneTime % kFogCycleMs) * 0.0001f;
}

Camera cameraOf(const FinalScene& scene) {
  return {-0.025f * scene.cameraPitch, -0.025f * scene.cameraYaw, scene.cameraPitch,
          scene.cameraYaw, scene.cameraRoll + scene.cameraRollSwing};
}

int32_t flarePathTime(const FinalScene& scene) {
  return pathTimeInRange(scene.sceneTime + kFlareLeadMs);
}

void restartSceneTime(FinalScene& scene) {
  scene.sceneTime = 0;
  scene.lastElapsed = 0;
}

}  // namespace finalscene
