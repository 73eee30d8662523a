// The ocean scene's four repeat textures: water, foam, clouds, mist. Each is a seamless tile
// built from periodic noise; all but the water are black where nothing shows (additive layers).
#include "ocean.h"

#include <cmath>

#include "noise.h"
#include "pack.h"

namespace {

constexpr int kSize = 512;

// A tile of `size` x `size` from a function of the texture coordinates of each pixel.
template <typename F>
Image tile(int size, F colourAt) {
  Image out(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x)
      out.set(x, y, colourAt(float(x) / float(size), float(y) / float(size)));
  return out;
}

Rgb cloudColour(float u, float v) {
  float wu = 0.06f * noise::fbm(31, u, v, 2, 2, 3), wv = 0.06f * noise::fbm(32, u, v, 2, 2, 3);
  float density = noise::fbm(33, u + wu, v + wv, 3, 3, 6, 0.55f) * 0.5f + 0.5f;
  float cover = smoothstep(0.46f, 0.78f, density);
  float light = noise::fbm(34, u + wu * 2.0f, v + wv * 2.0f, 6, 6, 4) * 0.5f + 0.5f;
  Rgb shadow{0.14f, 0.17f, 0.26f}, lit{0.62f, 0.68f, 0.82f};
  return mix(shadow, lit, clamp01(light * 1.2f * cover)) * cover;
}

Rgb mistColour(float u, float v) {
  float m = noise::fbm(41, u, v, 2, 2, 5, 0.45f) * 0.5f + 0.5f;
  float level = smoothstep(0.30f, 0.85f, m) * 0.34f;
  return Rgb{0.58f, 0.66f, 0.80f} * level;
}

void addTile(Pack& pack, const std::string& name, Image image) {
  pack.files.push_back({name, "ocean", FileKind::Png, std::move(image)});
}

}  // namespace

float seaLevel(float u, float v) {
  float wu = 0.05f * noise::fbm(11, u, v, 2, 2, 3), wv = 0.05f * noise::fbm(12, u, v, 2, 2, 3);
  float swell = noise::fbm(13, u + wu, v + wv, 2, 5, 4);
  float chop = noise::ridged(14, u + 2.0f * wu, v + 2.0f * wv, 3, 10, 4, 0.55f);
  float crest = chop * chop * chop;
  return clamp01(0.40f + 0.24f * swell + 0.42f * crest * (0.6f + 0.4f * swell));
}

Rgb seaColour(float level) {
  static const Rgb kRamp[] = {{0.00f, 0.02f, 0.07f}, {0.01f, 0.07f, 0.22f}, {0.03f, 0.18f, 0.42f},
                              {0.10f, 0.36f, 0.64f}, {0.42f, 0.70f, 0.90f}, {0.90f, 0.97f, 1.00f}};
  float f = clamp01(level) * 5.0f;
  int i = std::min(4, int(f));
  return mix(kRamp[i], kRamp[i + 1], f - float(i));
}

float foamLevel(float u, float v) {
  float warp = 0.05f * noise::fbm(21, u, v, 2, 2, 3);
  float streak = noise::ridged(22, u + warp, v + warp * 0.5f, 3, 14, 3, 0.5f);
  float patches = smoothstep(0.40f, 0.65f, noise::fbm(23, u, v, 3, 4, 3) * 0.5f + 0.5f);
  float fleck = std::pow(noise::value(24, u, v, 128, 128), 24.0f);
  return clamp01(std::pow(streak, 7.0f) * patches * 1.6f + fleck * patches * 0.8f);
}

Rgb foamColour(float level) {
  return mix(Rgb{0.55f, 0.85f, 0.95f}, Rgb{1.0f, 1.0f, 1.0f}, level) * level;
}

void addOceanFamily(Pack& pack) {
  addTile(pack, "mapocean.png",
          tile(kSize, [](float u, float v) { return seaColour(seaLevel(u, v)); }));
  addTile(pack, "mapecume2.png",
          tile(kSize, [](float u, float v) { return foamColour(foamLevel(u, v)); }));
  addTile(pack, "mapnuage.png", tile(kSize, cloudColour));
  addTile(pack, "mapbrume2.png", tile(kSize, mistColour));
}
