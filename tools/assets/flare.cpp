// The final scene's images: the tube's two barks (seamless tiles), the winged flare's halo,
// glows, body mask, wing and wing mask, the spark, and the greetings line with its mask.
// Additive images are black at their borders; masks are pure black and white.
#include <cmath>

#include "noise.h"
#include "pack.h"

namespace {

constexpr float kPi = 3.14159265f;

// A square image from a function of the distance-normalised offset (dx, dy) in -1 .. 1.
template <typename F>
Image radial(int size, F colourAt) {
  Image out(size, size);
  for (int y = 0; y < size; ++y)
    for (int x = 0; x < size; ++x) {
      float dx = (float(x) + 0.5f) / float(size) * 2.0f - 1.0f,
            dy = (float(y) + 0.5f) / float(size) * 2.0f - 1.0f;
      out.set(x, y, colourAt(dx, dy));
    }
  return out;
}

float edgeWindow(float r) { return 1.0f - smoothstep(0.78f, 0.97f, r); }

Rgb halo(float dx, float dy) {
  float r = std::sqrt(dx * dx + dy * dy), angle = std::atan2(dy, dx);
  float core = std::exp(-r * r * 90.0f) * 1.4f + std::exp(-r * r * 18.0f) * 0.55f;
  float glow = std::exp(-r * 4.5f) * 0.5f;
  // Four long rays and four short ones between them, thinning with distance.
  float along4 = std::fabs(std::sin(2.0f * angle)), along8 = std::fabs(std::cos(2.0f * angle));
  float rays = std::exp(-along4 * r * 38.0f) * std::exp(-r * 2.6f) * 0.9f +
               std::exp(-along8 * r * 50.0f) * std::exp(-r * 5.0f) * 0.45f;
  float ring = std::exp(-std::pow((r - 0.58f) * 22.0f, 2.0f)) * 0.12f;
  Rgb c = Rgb{1.0f, 1.0f, 1.0f} * core + Rgb{0.45f, 0.65f, 1.0f} * glow +
          Rgb{0.80f, 0.90f, 1.0f} * rays + Rgb{0.5f, 0.8f, 1.0f} * ring;
  return c * edgeWindow(r);
}

Rgb softGlow(float dx, float dy) {
  float r = std::sqrt(dx * dx + dy * dy);
  return Rgb{1.0f, 0.96f, 0.88f} * (std::exp(-r * r * 4.0f) * edgeWindow(r));
}

Rgb spark(float dx, float dy) {
  float r = std::sqrt(dx * dx + dy * dy);
  return Rgb{1.0f, 1.0f, 1.0f} *
         ((std::exp(-r * r * 14.0f) * 0.8f + std::exp(-r * r * 60.0f) * 0.4f) * edgeWindow(r));
}

Rgb bodyMask(float dx, float dy) {
  return dx * dx + dy * dy < 0.36f * 0.36f ? Rgb{} : Rgb{1.0f, 1.0f, 1.0f};
}

// --- The wing, drawn the right way up in the flare's own units: the root at (0, 0), the quad
// spanning x -0.2 .. 0 and y -0.12 .. 0.23 (0.2 x 0.35 units of the wing quad on a 64 x 128 image).

struct Feather {
  float ax, ay, bx, by, halfWidth;
};

struct Point {
  float x, y;
};

Point leadingEdge(float a) {
  Point root{-0.004f, 0.018f}, tip{-0.168f, 0.205f};
  float nx = 0.75f, ny = 0.66f, bulge = 0.03f * std::sin(kPi * a);
  return {root.x + (tip.x - root.x) * a + nx * bulge, root.y + (tip.y - root.y) * a + ny * bulge};
}

std::vector<Feather> growFeathers() {
  std::vector<Feather> feathers;
  constexpr int kCount = 10;
  for (int i = 0; i < kCount; ++i) {
    float f = float(i) / float(kCount - 1);
    Point a = leadingEdge(0.10f + 0.88f * f);
    float angle = (-108.0f - 112.0f * f) * kPi / 180.0f;
    float length = 0.085f + 0.05f * std::sin(kPi * std::min(1.0f, f * 1.3f));
    float dx = std::cos(angle), dy = std::sin(angle);
    // Shorten until the feather ends inside the quad with a margin.
    while (length > 0.02f &&
           (a.x + dx * length < -0.19f || a.y + dy * length < -0.11f || a.y + dy * length > 0.222f))
      length *= 0.97f;
    feathers.push_back({a.x, a.y, a.x + dx * length, a.y + dy * length, 0.0125f + 0.004f * f});
  }
  return feathers;
}

// Coverage and colour of the wing at one point: the feather on top wins, coverts over all.
bool wingAt(const std::vector<Feather>& feathers, float x, float y, Rgb* colour) {
  bool inside = false;
  for (const Feather& f : feathers) {
    float ex = f.bx - f.ax, ey = f.by - f.ay, len2 = ex * ex + ey * ey;
    float t = std::clamp(((x - f.ax) * ex + (y - f.ay) * ey) / len2, 0.0f, 1.0f);
    float px = f.ax + ex * t - x, py = f.ay + ey * t - y, d = std::sqrt(px * px + py * py);
    float width = f.halfWidth * std::sqrt(std::max(0.0f, 1.0f - t * t * t)) + 0.001f;
    if (d > width) continue;
    float across = d / width;
    float vein = std::exp(-across * across * 40.0f) * 0.35f * (1.0f - t);
    float barbs = 0.85f + 0.15f * std::sin((t * 60.0f + across * 8.0f));
    Rgb tone = mix(Rgb{0.80f, 0.95f, 1.0f}, Rgb{0.42f, 0.36f, 1.0f}, smoothstep(0.1f, 1.0f, t));
    *colour = tone * ((1.0f - 0.45f * across * across) * barbs * (1.0f - 0.35f * t)) +
              Rgb{1, 1, 1} * vein;
    inside = true;
  }
  // Small coverts along the arm, brightest near the body.
  float best = 1e9f, along = 0;
  for (int i = 0; i <= 40; ++i) {
    Point p = leadingEdge(float(i) / 40.0f);
    float d = std::hypot(p.x - x, p.y - y);
    if (d < best) best = d, along = float(i) / 40.0f;
  }
  float coverts = 0.026f * (1.0f - 0.6f * along);
  if (best < coverts) {
    float scales = noise::cellular(101, x * 4.0f, y * 4.0f, 40, 40).f1;
    *colour = mix(Rgb{1.0f, 1.0f, 1.0f}, Rgb{0.65f, 0.85f, 1.0f}, along) *
              (0.8f + 0.25f * smoothstep(0.0f, 0.7f, scales));
    inside = true;
  }
  return inside;
}

// Wing colour (black outside the wing) and its silhouette mask (black on white), both stored
// upside down like every PNG drawn on a quad.
std::pair<Image, Image> makeWing() {
  std::vector<Feather> feathers = growFeathers();
  constexpr int kW = 64, kH = 128, kSub = 4;
  Image colour(kW, kH), mask(kW, kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      Rgb sum;
      int hits = 0;
      for (int s = 0; s < kSub * kSub; ++s) {
        float fx = (float(x) + (float(s % kSub) + 0.5f) / kSub) / kW;
        float fy = (float(y) + (float(s / kSub) + 0.5f) / kSub) / kH;
        Rgb c;
        if (wingAt(feathers, -0.2f + 0.2f * fx, 0.23f - 0.35f * fy, &c)) sum = sum + c, ++hits;
      }
      colour.set(x, y, sum * (1.0f / (kSub * kSub)));
      // The mask's outermost texels stay white: with linear filtering and repeat wrapping the
      // root's black would otherwise bleed into the opposite edge as a dark line.
      const bool border = x == 0 || y == 0 || x == kW - 1 || y == kH - 1;
      mask.set(x, y, hits * 2 >= kSub * kSub && !border ? Rgb{} : Rgb{1, 1, 1});
    }
  // The root, against the body, sinks into the body's glow: the colour is black at every border.
  fadeToBorder(colour, 0.88f, 0.97f, true);
  return {flipRows(colour), flipRows(mask)};
}

// --- Bark: fibres running along the tube (v), deep fissures, and a few winding branches.

Rgb barkBase(float u, float v, uint32_t seed) {
  float wu = 0.04f * noise::fbm(seed, u, v, 3, 2, 3),
        wv = 0.08f * noise::fbm(seed + 1, u, v, 2, 3, 3);
  float ridge = noise::ridged(seed + 2, u + wu, v + wv, 9, 2, 4, 0.55f);
  float fissure = smoothstep(0.35f, 0.75f, ridge);
  float fibre = noise::fbm(seed + 3, u + wu, v, 48, 4, 3) * 0.5f + 0.5f;
  float moss = smoothstep(0.55f, 0.8f, noise::fbm(seed + 4, u, v, 3, 3, 5) * 0.5f + 0.5f) * fissure;
  Rgb bark =
      mix(Rgb{0.22f, 0.14f, 0.08f}, Rgb{0.78f, 0.62f, 0.44f}, fissure * (0.75f + 0.35f * fibre));
  return mix(bark, Rgb{0.50f, 0.62f, 0.30f}, moss * 0.55f);
}

struct Branch {
  float centre, amplitude, width;
  int waves;
  float phase;
};

Rgb barkWithBranches(float u, float v, uint32_t seed, const std::vector<Branch>& branches,
                     Rgb wood) {
  Rgb c = barkBase(u, v, seed);
  for (const Branch& b : branches) {
    float cu = b.centre + b.amplitude * std::sin(2.0f * kPi * (float(b.waves) * v + b.phase));
    float d = u - cu;
    d -= std::round(d);  // wrap across the tile's sides
    float w = b.width * (0.85f + 0.15f * std::sin(2.0f * kPi * (3.0f * v + b.phase)));
    float shadow = 1.0f - 0.55f * std::exp(-std::pow(d / (w * 1.9f), 2.0f));
    c = c * shadow;
    if (std::fabs(d) < w) {
      float across = d / w, round = std::sqrt(1.0f - across * across);
      float grain = 0.85f + 0.15f * noise::fbm(seed + 9, u, v, 64, 8, 2);
      Rgb lit = wood * ((0.35f + 0.75f * round) * grain) +
                Rgb{0.2f, 0.18f, 0.12f} * std::pow(round, 8.0f);
      float edge = clamp01((w - std::fabs(d)) * 256.0f);
      c = mix(c, lit, edge);
    }
  }
  return c;
}

Image barkTile(uint32_t seed, const std::vector<Branch>& branches, Rgb wood) {
  Image out(256, 256);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x)
      out.set(x, y, barkWithBranches(float(x) / 256.0f, float(y) / 256.0f, seed, branches, wood));
  return out;
}

Rgb birchBark(float u, float v) {
  float tone = noise::fbm(111, u, v, 4, 4, 4) * 0.5f + 0.5f;
  Rgb c = mix(Rgb{0.70f, 0.68f, 0.62f}, Rgb{0.93f, 0.91f, 0.86f}, tone);
  float dash = noise::ridged(112, u, v, 4, 40, 2);
  c = c * (1.0f - 0.55f * smoothstep(0.82f, 0.97f, dash) *
                      smoothstep(0.4f, 0.7f, noise::value(113, u, v, 12, 24)));
  float patch = smoothstep(0.62f, 0.72f, noise::fbm(114, u, v, 5, 3, 5) * 0.5f + 0.5f);
  return mix(c, Rgb{0.10f, 0.09f, 0.08f}, patch * 0.85f);
}

std::pair<Image, Image> makeGreetings(const Fonts& fonts) {
  constexpr int kW = 512, kH = 256;
  const char* line = "greetings to every demo maker";
  int trial = fonts.serif.renderLine(line, 40, 1.0f).width;
  int size = int(40.0f * 0.72f * float(kW) / float(trial));
  Image ink(kW, kH, 1);
  pasteCentred(ink, fonts.serif.renderLine(line, size, float(size) * 0.04f), kW / 2, kH / 2);
  Image glow = blur(ink, 8), cut = dilate(ink, 2.0f);
  Image colour(kW, kH), mask(kW, kH);
  for (int y = 0; y < kH; ++y)
    for (int x = 0; x < kW; ++x) {
      colour.set(x, y,
                 Rgb{1.0f, 0.90f, 0.66f} * ink.grey(x, y) +
                     Rgb{0.6f, 0.3f, 0.1f} * (glow.grey(x, y) * 0.8f));
      mask.set(x, y, cut.grey(x, y) >= 0.5f ? Rgb{} : Rgb{1, 1, 1});
    }
  fadeToBorder(colour, 0.76f, 0.80f, true);
  return {flipRows(colour), flipRows(mask)};
}

void add(Pack& pack, const std::string& name, Image image, bool drawnFlipped = false) {
  Asset asset{name, "final", FileKind::Png, std::move(image)};
  asset.drawnFlipped = drawnFlipped;
  pack.files.push_back(std::move(asset));
}

}  // namespace

void addFlareFamily(Pack& pack, const Fonts& fonts) {
  auto [wing, wingMask] = makeWing();
  auto [greet, greetMask] = makeGreetings(fonts);
  std::vector<Branch> limbs = {{0.18f, 0.05f, 0.045f, 1, 0.1f},
                               {0.62f, 0.09f, 0.030f, 2, 0.55f},
                               {0.86f, 0.04f, 0.020f, 3, 0.3f}};
  add(pack, "maparbre1.png", barkTile(121, limbs, Rgb{0.72f, 0.52f, 0.34f}));
  add(pack, "flare.png", radial(128, halo));
  add(pack, "aile.png", std::move(wing), true);
  add(pack, "flare_mask.png", radial(64, bodyMask));
  add(pack, "aile_mask.png", std::move(wingMask), true);
  add(pack, "flare2.png", radial(128, softGlow));
  add(pack, "flare3.png", radial(32, spark));
  Image birch(256, 256);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 256; ++x) birch.set(x, y, birchBark(float(x) / 256.0f, float(y) / 256.0f));
  add(pack, "maparbre2.png", std::move(birch));
  add(pack, "greet1.png", std::move(greet), true);
  add(pack, "greet1mask.png", std::move(greetMask), true);
}
