// The winged flare's timing, animation and spark pool. The drawing is in winged_flare_draw.cpp.
#include "scenes/final/winged_flare.h"

#include <cmath>

#include "platform/platform.h"
#include "scenes/final/demo_random.h"

namespace finalscene {

WingedFlare* wingedFlare = nullptr;

WingedFlare::WingedFlare() : posX(0.0f), posY(0.0f), posZ(-1.5f), tickDelta(0) {
  particles = new Particle[kParticleSlots];
  for (int i = 0; i < kParticleSlots; ++i) particles[i] = Particle{};
}

void WingedFlare::setPosition(float x, float y, float z) {
  posX = x;
  posY = y;
  posZ = z;
}

// The first update has nothing to measure from, so it counts as no time passed: its sparks start
// where they are emitted. Later intervals are unsigned differences, right across a wrap.
void WingedFlare::advanceTime() {
  const uint32_t counter = platform::milliseconds();
  if (ticking) {
    const uint32_t interval = counter - static_cast<uint32_t>(lastTick);
    tickDelta = static_cast<int32_t>(interval);
    flareTime += interval;
  } else {
    tickDelta = 0;
    flareTime = static_cast<int32_t>(counter);
    ticking = true;
  }
  lastTick = static_cast<int32_t>(counter);
}

void WingedFlare::update(const Camera& frameCamera) {
  advanceTime();
  const double now = static_cast<double>(flareTime);
  const double amplitude = 17.0 * std::sin(now * (1.0 / 1700.0)) + 70.0;
  glowSize = static_cast<float>(std::fabs(std::sin(now * (1.0 / 300.0))) * 0.06666667 + 0.12);
  haloSize = static_cast<float>(std::fabs(std::sin(now * (1.0 / 600.0))) * 0.025 + 0.1);
  wingAngle = static_cast<float>(std::fabs(std::cos(now * (1.0 / 150.0)) * amplitude));
  camera = frameCamera;
  // The tens digit 0: 10 ms out of every 100.
  if ((flareTime / 10) % 10 == 0) emitTrailSpark();
  // 3 ms out of every 9.
  if ((flareTime / 3) % 3 == 0) emitDriftingSpark();
  moveParticles();
}

namespace {
// 0, 0.05, ... 0.45, the step most spark values are drawn in.
float twentieths() { return static_cast<float>(demoRand() % 10) * 0.05f; }
}  // namespace

// The draws come in a fixed order, so each is named before the call.
void WingedFlare::emitTrailSpark() {
  const int32_t life = demoRand() % 1000 + 1000;
  const float vy = twentieths() - 0.25f;
  const float vx = twentieths() - 0.25f;
  emitParticle(posX, posY, posZ, vx, vy, 2.0f, 0.0f, 0.0f, 0.0f, life);
}

void WingedFlare::emitDriftingSpark() {
  const int32_t life = demoRand() % 2000 + 3000;
  const float az = twentieths();
  const float ay = twentieths() - 0.25f;
  const float ax = twentieths() - 0.25f;
  const float vz = static_cast<float>(demoRand() % 10) * 0.1f + 2.0f;
  const float vy = twentieths() - 0.25f;
  const float vx = twentieths() - 0.25f;
  const float z = static_cast<float>(-(demoRand() % 3) - 6);
  const float y = static_cast<float>(demoRand() % 10) * 0.2f - 1.0f;
  const float x = static_cast<float>(demoRand() % 10) * 0.2f - 1.0f;
  emitParticle(x, y, z, vx, vy, vz, ax, ay, az, life);
}

namespace {
constexpr float kSparkColours[5][3] = {
    {150, 250, 250}, {150, 250, 200}, {150, 150, 150}, {200, 150, 250}, {250, 200, 100},
};
}  // namespace

void WingedFlare::emitParticle(float x, float y, float z, float vx, float vy, float vz, float ax,
                               float ay, float az, int32_t life) {
  int slot = 0;
  while (slot < kParticleSlots && particles[slot].life != 0) ++slot;
  if (slot == kParticleSlots) return;
  Particle& p = particles[slot];
  p.x = x;
  p.y = y;
  p.z = z;
  p.vx = vx;
  p.vy = vy;
  p.vz = vz;
  p.ax = ax;
  p.ay = ay;
  p.az = az;
  p.life = life;
  const float* colour = kSparkColours[demoRand() % 5];
  p.red = colour[0] * 0.00390625f;
  p.green = colour[1] * 0.00390625f;
  p.blue = colour[2] * 0.00390625f;
}

void WingedFlare::moveParticles() {
  const int32_t d = tickDelta;
  const float ms = static_cast<float>(d);
  for (int i = 0; i < kParticleSlots; ++i) {
    Particle& p = particles[i];
    if (p.life <= 0) continue;
    p.life -= d;
    // A spark whose life ran out still moves this once; its slot is free from now on.
    if (p.life < 0) p.life = 0;
    p.x += ms * p.vx * 0.001f;
    p.y += ms * p.vy * 0.001f;
    p.z += ms * p.vz * 0.001f;
    p.vx += ms * p.ax * 0.001f;
    p.vy += ms * p.ay * 0.001f;
    p.vz += ms * p.az * 0.001f;
  }
}

}  // namespace finalscene
