// The generator's one noise library: seeded integer hashing, a small random stream, and noises
// that repeat over a whole texture. Coordinates u, v are texture units (0..1 is one tile); every
// lattice wraps at an integer period, so a texture built from these tiles seamlessly.
#pragma once

#include <cstdint>

namespace noise {

uint32_t hash(uint32_t seed, int32_t x, int32_t y);
// A hash as a float in [0, 1).
float hashUnit(uint32_t seed, int32_t x, int32_t y);

// A deterministic random stream (splitmix64); our own, so the same on every platform and run.
class Stream {
 public:
  explicit Stream(uint64_t seed) : state_(seed) {}
  uint64_t next();
  float unit();                     // [0, 1)
  float range(float lo, float hi);  // [lo, hi)
  int below(int n);                 // 0 .. n-1

 private:
  uint64_t state_;
};

// Gradient noise at (u, v) with `cellsX` x `cellsY` lattice cells per tile; about -1 .. 1.
float gradient(uint32_t seed, float u, float v, int cellsX, int cellsY);
// Value noise, 0 .. 1, same lattice rules.
float value(uint32_t seed, float u, float v, int cellsX, int cellsY);
// Sum of `octaves` gradient octaves, each twice the cells of the last and `gain` times as strong;
// normalised to about -1 .. 1.
float fbm(uint32_t seed, float u, float v, int cellsX, int cellsY, int octaves, float gain = 0.5f);
// Ridged octaves (1 - |noise|, sharpened): thin crests, 0 .. 1.
float ridged(uint32_t seed, float u, float v, int cellsX, int cellsY, int octaves,
             float gain = 0.5f);

// Periodic cellular noise: one jittered feature point per cell of a `cellsX` x `cellsY` grid.
struct Cell {
  float f1 = 0;     // distance to the nearest point, in cell units
  float f2 = 0;     // distance to the second nearest
  uint32_t id = 0;  // hash of the nearest point's cell, stable across the tile's wrap
};
Cell cellular(uint32_t seed, float u, float v, int cellsX, int cellsY);

}  // namespace noise
