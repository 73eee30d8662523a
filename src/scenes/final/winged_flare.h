// The final scene's flying creature: a glowing body with two flapping wings and a halo, and a
// pool of 100 sparks (a trail behind it and a stream drifting towards the viewer). It keeps its
// own time from the platform counter, not the demo clock. Not here: where it flies (the scene).
#pragma once

#include <cstdint>

#include "scenes/final/final_camera.h"

namespace finalscene {

struct Particle {
  float x, y, z;     // scene units
  float vx, vy, vz;  // units per second
  float ax, ay, az;  // units per second per second
  int32_t life;      // ms left; 0 means the slot is free
  float red, green, blue;
};
static_assert(sizeof(Particle) == 52);

constexpr int kParticleSlots = 100;

class WingedFlare {
 public:
  WingedFlare();

  void setPosition(float x, float y, float z);
  // Advances the flapping and glow, keeps the frame's camera for drawing, emits and moves sparks.
  // Once per frame, after setPosition and before draw.
  void update(const Camera& frameCamera);
  void draw();

  // The steps of update and draw; public so tests can drive them one at a time.
  void emitParticle(float x, float y, float z, float vx, float vy, float vz, float ax, float ay,
                    float az, int32_t life);
  void moveParticles();
  void drawFlare();
  void drawParticles();

  Camera camera;  // the scene's camera of the last update
  float posX, posY, posZ;
  int32_t lastTick = 0;
  int32_t tickDelta;       // ms between the last two updates
  float wingAngle = 0.0f;  // degrees
  float glowSize = 0.0f;
  float haloSize = 0.0f;
  Particle* particles;  // kParticleSlots, owned, never freed

  // The counter read at the last update, unwrapped: it goes on growing where the 32-bit counter
  // wraps, so the flapping and the emission windows run on undisturbed across the wraps.
  int64_t flareTime = 0;
  bool ticking = false;  // false until the first update

 private:
  void advanceTime();
  void emitTrailSpark();
  void emitDriftingSpark();
};

extern WingedFlare* wingedFlare;

}  // namespace finalscene
