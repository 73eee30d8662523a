// Periodic noises over wrapping lattices, and the generator's random stream.
#include "noise.h"

#include <cmath>

namespace noise {

namespace {

int wrap(int i, int n) { return ((i % n) + n) % n; }
float fade(float t) { return t * t * t * (t * (t * 6.0f - 15.0f) + 10.0f); }
float lerp(float a, float b, float t) { return a + (b - a) * t; }

float gradientAt(uint32_t seed, int ix, int iy, float dx, float dy) {
  // 16 evenly spread unit directions; a table keeps the result independent of libm.
  static const float kDirs[16][2] = {
      {1.0f, 0.0f},  {0.92388f, 0.38268f},   {0.70711f, 0.70711f},   {0.38268f, 0.92388f},
      {0.0f, 1.0f},  {-0.38268f, 0.92388f},  {-0.70711f, 0.70711f},  {-0.92388f, 0.38268f},
      {-1.0f, 0.0f}, {-0.92388f, -0.38268f}, {-0.70711f, -0.70711f}, {-0.38268f, -0.92388f},
      {0.0f, -1.0f}, {0.38268f, -0.92388f},  {0.70711f, -0.70711f},  {0.92388f, -0.38268f}};
  const float* g = kDirs[hash(seed, ix, iy) & 15u];
  return g[0] * dx + g[1] * dy;
}

}  // namespace

uint32_t hash(uint32_t seed, int32_t x, int32_t y) {
  uint32_t h = seed * 0x9E3779B9u ^ uint32_t(x) * 0x85EBCA6Bu ^ uint32_t(y) * 0xC2B2AE35u;
  h ^= h >> 16;
  h *= 0x7FEB352Du;
  h ^= h >> 15;
  h *= 0x846CA68Bu;
  h ^= h >> 16;
  return h;
}

float hashUnit(uint32_t seed, int32_t x, int32_t y) {
  return float(hash(seed, x, y) >> 8) * (1.0f / 16777216.0f);
}

uint64_t Stream::next() {
  uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}
float Stream::unit() { return float(next() >> 40) * (1.0f / 16777216.0f); }
float Stream::range(float lo, float hi) { return lo + (hi - lo) * unit(); }
int Stream::below(int n) { return int(next() % uint64_t(n)); }

float gradient(uint32_t seed, float u, float v, int cellsX, int cellsY) {
  float x = u * float(cellsX), y = v * float(cellsY);
  float fx = std::floor(x), fy = std::floor(y);
  int ix = int(fx), iy = int(fy);
  float dx = x - fx, dy = y - fy;
  int x0 = wrap(ix, cellsX), x1 = wrap(ix + 1, cellsX), y0 = wrap(iy, cellsY),
      y1 = wrap(iy + 1, cellsY);
  float n00 = gradientAt(seed, x0, y0, dx, dy), n10 = gradientAt(seed, x1, y0, dx - 1, dy);
  float n01 = gradientAt(seed, x0, y1, dx, dy - 1), n11 = gradientAt(seed, x1, y1, dx - 1, dy - 1);
  float sx = fade(dx), sy = fade(dy);
  return 1.4142f * lerp(lerp(n00, n10, sx), lerp(n01, n11, sx), sy);
}

float value(uint32_t seed, float u, float v, int cellsX, int cellsY) {
  float x = u * float(cellsX), y = v * float(cellsY);
  float fx = std::floor(x), fy = std::floor(y);
  int ix = int(fx), iy = int(fy);
  int x0 = wrap(ix, cellsX), x1 = wrap(ix + 1, cellsX), y0 = wrap(iy, cellsY),
      y1 = wrap(iy + 1, cellsY);
  float sx = fade(x - fx), sy = fade(y - fy);
  return lerp(lerp(hashUnit(seed, x0, y0), hashUnit(seed, x1, y0), sx),
              lerp(hashUnit(seed, x0, y1), hashUnit(seed, x1, y1), sx), sy);
}

float fbm(uint32_t seed, float u, float v, int cellsX, int cellsY, int octaves, float gain) {
  float sum = 0, amplitude = 1, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    sum += amplitude * gradient(seed + uint32_t(o) * 1013u, u, v, cellsX << o, cellsY << o);
    norm += amplitude;
    amplitude *= gain;
  }
  return sum / norm;
}

float ridged(uint32_t seed, float u, float v, int cellsX, int cellsY, int octaves, float gain) {
  float sum = 0, amplitude = 1, norm = 0;
  for (int o = 0; o < octaves; ++o) {
    float n =
        1.0f - std::fabs(gradient(seed + uint32_t(o) * 7919u, u, v, cellsX << o, cellsY << o));
    sum += amplitude * n * n;
    norm += amplitude;
    amplitude *= gain;
  }
  return sum / norm;
}

Cell cellular(uint32_t seed, float u, float v, int cellsX, int cellsY) {
  float x = u * float(cellsX), y = v * float(cellsY);
  int ix = int(std::floor(x)), iy = int(std::floor(y));
  Cell best{1e9f, 1e9f, 0};
  for (int oy = -1; oy <= 1; ++oy)
    for (int ox = -1; ox <= 1; ++ox) {
      int cx = ix + ox, cy = iy + oy;
      int wx = wrap(cx, cellsX), wy = wrap(cy, cellsY);
      float px = float(cx) + hashUnit(seed, wx, wy),
            py = float(cy) + hashUnit(seed ^ 0xABCDu, wx, wy);
      float d = std::sqrt((px - x) * (px - x) + (py - y) * (py - y));
      if (d < best.f1) {
        best.f2 = best.f1;
        best.f1 = d;
        best.id = hash(seed + 77u, wx, wy);
      } else if (d < best.f2) {
        best.f2 = d;
      }
    }
  return best;
}

}  // namespace noise
