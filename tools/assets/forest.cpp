// The forest scene's picture: a moonlit forest over a lake, painted back to front at 512 x 384
// and cut into twelve 24-bit BMP tiles, with 1-bit masks white over the lake (the water drawn
// under the tiles shows there), and the scene's own copies of the water as 8- and 24-bit BMPs.
#include <cmath>

#include "noise.h"
#include "ocean.h"
#include "pack.h"

namespace {

constexpr int kWidth = 512, kHeight = 384, kTile = 128;
constexpr float kMoonX = 338.0f, kMoonY = 92.0f, kMoonRadius = 17.0f;

float shoreLine(float x) { return 274.0f + 3.0f * noise::fbm(91, x / kWidth, 0.5f, 6, 1, 3); }

float skyline(uint32_t seed, float x, float base, float amplitude, int cells) {
  return base - amplitude * (noise::fbm(seed, x / kWidth, 0.25f, cells, 1, 4) * 0.5f + 0.5f);
}

struct Tree {
  float x, base, height, halfWidth;
};

// Coverage of a spruce: stacked tiers of drooping branches, ragged needles, a short trunk.
// `side` is -1 .. 1 across the crown (for moonlight on one flank).
float spruce(const Tree& t, float x, float y, uint32_t seed, float* side) {
  float rise = (t.base - y) / t.height;
  if (rise < 0.0f || rise > 1.0f) return 0.0f;
  float tiers = 7.0f + t.height / 18.0f;
  float tier = rise * tiers, frac = tier - std::floor(tier);
  float width = t.halfWidth * (1.0f - rise) * (0.62f + 0.38f * (1.0f - frac)) + 0.8f;
  width *= 0.80f + 0.40f * noise::value(seed, x / 3.0f / kWidth, y / 2.0f / kHeight, 171, 192);
  if (rise < 0.06f) width = std::max(width * 0.25f, t.halfWidth * 0.08f + 0.8f);
  float dx = x - t.x;
  *side = dx / std::max(1.0f, width);
  return clamp01(width - std::fabs(dx) + 0.5f);
}

std::vector<Tree> plantTrees(uint64_t seed, int count, float left, float right, float base,
                             float minH, float maxH, bool keepMoonClear) {
  noise::Stream rng(seed);
  std::vector<Tree> trees;
  for (int i = 0; i < count; ++i) {
    float x = left + (right - left) * (float(i) + rng.range(0.1f, 0.9f)) / float(count);
    float h = rng.range(minH, maxH);
    if (keepMoonClear && std::fabs(x - kMoonX) < 60.0f) h *= 0.55f;
    trees.push_back({x, base + rng.range(-2.0f, 4.0f), h, h * rng.range(0.17f, 0.24f)});
  }
  return trees;
}

Rgb nightSky(int x, int y) {
  float h = float(y) / 280.0f;
  Rgb sky = mix(Rgb{0.008f, 0.014f, 0.045f}, Rgb{0.05f, 0.08f, 0.17f}, h * h);
  float dx = float(x) - kMoonX, dy = float(y) - kMoonY, d = std::sqrt(dx * dx + dy * dy);
  sky = sky +
        Rgb{0.30f, 0.34f, 0.42f} * (0.55f * std::exp(-d / 38.0f) + 0.25f * std::exp(-d / 110.0f));
  if (d < kMoonRadius + 1.0f) {
    float disc = clamp01(kMoonRadius + 0.5f - d);
    float mare = noise::fbm(92, float(x) / 64.0f, float(y) / 64.0f, 4, 4, 3);
    Rgb moon = Rgb{0.96f, 0.95f, 0.86f} * (0.88f - 0.14f * smoothstep(0.0f, 0.6f, mare));
    sky = mix(sky, moon, disc);
  }
  return sky;
}

void addStars(Image& picture) {
  noise::Stream rng(0x57A45u);
  for (int i = 0; i < 420; ++i) {
    float x = rng.range(0, kWidth), y = rng.range(0, 250),
          b = std::pow(rng.unit(), 3.0f) * 0.9f + 0.08f;
    Rgb tint = mix(Rgb{0.75f, 0.82f, 1.0f}, Rgb{1.0f, 0.92f, 0.8f}, rng.unit());
    for (int py = int(y) - 1; py <= int(y) + 1; ++py)
      for (int px = int(x) - 1; px <= int(x) + 1; ++px) {
        if (px < 0 || py < 0 || px >= kWidth || py >= kHeight) continue;
        float d2 = (float(px) + 0.5f - x) * (float(px) + 0.5f - x) +
                   (float(py) + 0.5f - y) * (float(py) + 0.5f - y);
        picture.add(px, py, tint * (b * std::exp(-d2 * 2.2f)));
      }
  }
}

void paintTrees(Image& picture, Image* solid, const std::vector<Tree>& trees, uint32_t seed,
                Rgb colour, Rgb moonlit) {
  for (const Tree& t : trees)
    for (int y = std::max(0, int(t.base - t.height) - 1);
         y <= std::min(kHeight - 1, int(t.base) + 1); ++y)
      for (int x = std::max(0, int(t.x - t.halfWidth) - 2);
           x <= std::min(kWidth - 1, int(t.x + t.halfWidth) + 2); ++x) {
        float side = 0;
        float c = spruce(t, float(x) + 0.5f, float(y) + 0.5f, seed, &side);
        if (c <= 0) continue;
        float lit = smoothstep(0.55f, 1.0f, side) * (t.x < kMoonX ? 1.0f : 0.4f);
        picture.set(x, y, mix(picture.rgb(x, y), colour + moonlit * lit, c));
        if (solid) solid->grey(x, y) = std::max(solid->grey(x, y), c);
      }
}

// Everything above the water, and a map of what stands in front of it (never cut for the lake).
Image paintLand(Image& foreground) {
  Image picture(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) picture.set(x, y, nightSky(x, y));
  addStars(picture);
  for (int x = 0; x < kWidth; ++x) {
    float hills = skyline(93, float(x), 262.0f, 46.0f, 3);
    for (int y = 0; y < kHeight; ++y) {
      float c = clamp01(float(y) + 0.5f - hills);
      float haze = smoothstep(hills, hills + 40.0f, float(y));
      picture.set(
          x, y,
          mix(picture.rgb(x, y), mix(Rgb{0.07f, 0.09f, 0.16f}, Rgb{0.04f, 0.05f, 0.10f}, haze), c));
    }
  }
  paintTrees(picture, nullptr, plantTrees(11, 60, -10, 522, 262, 14, 34, true), 94,
             Rgb{0.045f, 0.06f, 0.11f}, Rgb{0.03f, 0.04f, 0.06f});
  paintTrees(picture, nullptr, plantTrees(12, 26, -20, 532, 277, 50, 150, true), 95,
             Rgb{0.018f, 0.026f, 0.05f}, Rgb{0.10f, 0.13f, 0.20f});
  std::vector<Tree> framing = {
      {30, 400, 400, 72}, {96, 395, 330, 52}, {472, 405, 390, 68}, {428, 398, 250, 40}};
  paintTrees(picture, &foreground, framing, 96, Rgb{0.006f, 0.008f, 0.016f},
             Rgb{0.07f, 0.09f, 0.14f});
  return picture;
}

// The lake part of a tile: a dim, rippled reflection of the shore and the moon's glitter path
// (added onto the drifting water by the scene).
void paintLake(Image& picture, const Image& foreground, Image& lakeMask) {
  Image land = picture;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float shore = shoreLine(float(x));
      if (float(y) < shore || foreground.grey(x, y) > 0.5f) continue;
      float depth = float(y) - shore;
      float wobble = 2.5f * noise::gradient(97, float(x) / 128.0f, float(y) / 24.0f, 4, 16);
      Rgb mirrored = sampleClamped(land, float(x) + wobble, 2.0f * shore - float(y) - 1.0f);
      Rgb tile = mirrored * Rgb{0.22f, 0.28f, 0.40f} * std::exp(-depth / 60.0f);
      float spread = 5.0f + depth * 0.45f, dx = (float(x) - kMoonX) / spread;
      float glint = std::pow(noise::value(98, float(x) / 512.0f, float(y) / 384.0f, 96, 256), 3.0f);
      tile = tile + Rgb{0.85f, 0.86f, 0.78f} * (std::exp(-dx * dx) * glint * 0.9f);
      tile = tile + Rgb{0.10f, 0.12f, 0.16f} * std::exp(-depth / 3.0f);  // a pale line at the shore
      picture.set(x, y, tile);
      lakeMask.grey(x, y) = 1.0f;
    }
}

void addMist(Image& picture) {
  for (int y = 200; y < 300; ++y)
    for (int x = 0; x < kWidth; ++x) {
      float band = std::exp(-std::pow((float(y) - 268.0f) / 12.0f, 2.0f));
      float wisp = noise::fbm(99, float(x) / kWidth, float(y) / kHeight, 5, 4, 4) * 0.5f + 0.5f;
      picture.add(x, y, Rgb{0.10f, 0.12f, 0.17f} * (band * smoothstep(0.35f, 0.8f, wisp)));
    }
}

void addWater(Pack& pack) {
  constexpr int kSide = 256;
  Asset ocean{"mapocean.bmp", "forest", FileKind::Bmp8, Image(kSide, kSide)};
  for (int i = 0; i < 256; ++i) {
    Rgb c = seaColour(float(i) / 255.0f);
    ocean.palette.push_back({toByte(c.r), toByte(c.g), toByte(c.b)});
  }
  ocean.indices.resize(size_t(kSide) * kSide);
  Image foam(kSide, kSide);
  for (int y = 0; y < kSide; ++y)
    for (int x = 0; x < kSide; ++x) {
      float level = 0, froth = 0;
      for (int s = 0; s < 4; ++s) {
        float u = (float(2 * x + s % 2) + 0.5f) / 512.0f,
              v = (float(2 * y + s / 2) + 0.5f) / 512.0f;
        level += seaLevel(u, v) * 0.25f;
        froth += foamLevel(u, v) * 0.25f;
      }
      uint8_t index = toByte(level);
      ocean.indices[size_t(y) * kSide + size_t(x)] = index;
      const auto& p = ocean.palette[index];
      ocean.image.set(x, y, Rgb{float(p[0]) / 255.0f, float(p[1]) / 255.0f, float(p[2]) / 255.0f});
      foam.set(x, y, foamColour(froth));
    }
  pack.files.push_back(std::move(ocean));
  pack.files.push_back({"mapecume2.bmp", "forest", FileKind::Bmp24, std::move(foam)});
}

}  // namespace

void addForestFamily(Pack& pack) {
  Image foreground(kWidth, kHeight, 1), lake(kWidth, kHeight, 1);
  Image picture = paintLand(foreground);
  addMist(picture);
  paintLake(picture, foreground, lake);
  for (int row = 1; row <= 3; ++row)
    for (int column = 1; column <= 4; ++column)
      pack.files.push_back({"foret" + std::to_string(row) + std::to_string(column) + ".bmp",
                            "forest", FileKind::Bmp24,
                            crop(picture, (column - 1) * kTile, (row - 1) * kTile, kTile, kTile)});
  // Rows 1 and 2 share one mask: black, the tiles cover the water completely there.
  pack.files.push_back({"foretmask11.bmp", "forest", FileKind::Bmp1, Image(kTile, kTile, 1)});
  for (int column = 1; column <= 4; ++column)
    pack.files.push_back({"foretmask3" + std::to_string(column) + ".bmp", "forest", FileKind::Bmp1,
                          crop(lake, (column - 1) * kTile, 2 * kTile, kTile, kTile)});
  addWater(pack);
  pack.views.push_back({"forest picture", "forest", FileKind::Png, picture});
  pack.views.push_back({"forest mask", "forest", FileKind::Bmp1, lake});
}
