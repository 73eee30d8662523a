// The pyramid scene's textures: sandstone courses for the faces, rippled sand for the ground
// (both seamless tiles), and the sky panorama round the cylinder (seamless left to right, the
// first row at the horizon).
#include <cmath>

#include "noise.h"
#include "pack.h"

namespace {

constexpr int kStone = 256, kCourse = 32, kCourses = kStone / kCourse;
constexpr float kPi = 3.14159265f;

// Block edges along one course, a row of widths from 36 to 84 pixels that closes on itself.
struct Course {
  int offset = 0;
  std::vector<int> edges;  // first 0, last kStone
};

std::vector<Course> layCourses() {
  noise::Stream rng(0x51A7Eu);
  std::vector<Course> courses(kCourses);
  for (Course& c : courses) {
    std::vector<float> widths;
    float sum = 0;
    while (sum < float(kStone) - 30.0f)
      widths.push_back(rng.range(36.0f, 84.0f)), sum += widths.back();
    c.offset = rng.below(kStone);
    c.edges.push_back(0);
    float at = 0;
    for (float w : widths) at += w, c.edges.push_back(int(std::lround(at * float(kStone) / sum)));
  }
  return courses;
}

Rgb stoneColour(const std::vector<Course>& courses, int x, int y) {
  const Course& course = courses[size_t(y / kCourse)];
  int along = ((x - course.offset) % kStone + kStone) % kStone;
  size_t block = 0;
  while (course.edges[block + 1] <= along) ++block;
  int lx = along - course.edges[block], width = course.edges[block + 1] - course.edges[block];
  int ly = y % kCourse;
  float u = float(x) / kStone, v = float(y) / kStone;
  // Rounded block edges: lit from above, shadowed below, mortar in the joints.
  float edge = float(std::min({lx, width - 1 - lx, ly, kCourse - 1 - ly})) +
               1.2f * noise::fbm(61, u, v, 16, 16, 2);
  float body = smoothstep(1.0f, 4.5f, edge);
  float bevel =
      (ly < 5 ? 0.12f * (1.0f - float(ly) / 5.0f) : 0.0f) - (ly > kCourse - 6 ? 0.16f : 0.0f);
  float tone = 0.86f + 0.22f * noise::hashUnit(62, y / kCourse, int(block));
  float strata = 0.06f * std::sin(v * 2.0f * kPi * 48.0f + 3.0f * noise::fbm(63, u, v, 4, 4, 3));
  float grain = 0.10f * noise::fbm(64, u, v, 32, 32, 3);
  noise::Cell pits = noise::cellular(65, u, v, 24, 24);
  float pit = 0.18f * (1.0f - smoothstep(0.0f, 0.18f, pits.f1)) * float(pits.id % 3 == 0);
  float crack = 0.25f * smoothstep(0.93f, 0.99f, noise::ridged(66, u, v, 6, 6, 2));
  float stain = 0.12f * smoothstep(0.2f, 0.8f, noise::fbm(67, u, v, 3, 3, 4) * 0.5f + 0.5f);
  Rgb sandstone = mix(Rgb{0.86f, 0.68f, 0.44f}, Rgb{0.78f, 0.55f, 0.36f},
                      noise::hashUnit(68, int(block), y / kCourse));
  Rgb stone = sandstone * (tone + strata + grain + bevel - pit - crack - stain);
  Rgb mortar = Rgb{0.42f, 0.34f, 0.24f} * (0.9f + grain);
  return mix(mortar, stone, body);
}

Rgb sandColour(float u, float v) {
  float warp = noise::fbm(71, u, v, 3, 3, 4);
  float phase = 2.0f * kPi * (22.0f * v + 3.0f * u + 1.6f * warp);
  float ripple = std::sin(phase) + 0.35f * std::sin(2.0f * phase);  // steeper lee side
  float drift = noise::fbm(72, u, v, 2, 2, 4) * 0.5f + 0.5f;
  float grain = noise::value(73, u, v, 256, 256) - 0.5f;
  float pebble = std::pow(noise::value(74, u, v, 128, 128), 18.0f);
  Rgb sand = mix(Rgb{0.80f, 0.64f, 0.42f}, Rgb{0.93f, 0.80f, 0.58f}, drift);
  float shade = 1.0f + 0.07f * ripple * (0.5f + drift) + 0.08f * grain - 0.35f * pebble;
  return sand * shade;
}

Rgb skyColour(float u, float h) {
  // h: 0 at the horizon (first row) to 1 at the top rim.
  Rgb haze{0.93f, 0.93f, 0.90f}, middle{0.55f, 0.74f, 0.95f}, zenith{0.10f, 0.28f, 0.68f};
  Rgb sky = h < 0.35f ? mix(haze, middle, smoothstep(0.0f, 0.35f, h))
                      : mix(middle, zenith, smoothstep(0.35f, 1.0f, h));
  float sunU = 0.30f, du = std::fabs(u - sunU);
  du = std::min(du, 1.0f - du) * 6.25f;  // the cylinder is 6.25 times as wide as it is tall
  float dh = h - 0.42f;
  sky = sky + Rgb{1.0f, 0.9f, 0.7f} * (0.30f * std::exp(-(du * du + dh * dh) * 90.0f) +
                                       0.5f * std::exp(-(du * du + dh * dh) * 900.0f));
  // Low heaped clouds near the horizon and thin streaks higher up.
  float heap = noise::fbm(81, u, h, 14, 9, 6, 0.55f) * 0.5f + 0.5f;
  float low = smoothstep(0.52f, 0.72f, heap) * smoothstep(0.02f, 0.12f, h) *
              (1.0f - smoothstep(0.35f, 0.6f, h));
  float lit = clamp01(0.55f + 1.5f * (noise::fbm(82, u, h, 28, 18, 3) * 0.5f) + 0.6f * (h - 0.15f));
  Rgb cloud = mix(Rgb{0.62f, 0.66f, 0.74f}, Rgb{1.0f, 1.0f, 1.0f}, lit);
  sky = mix(sky, cloud, low);
  float streak = noise::fbm(83, u, h, 6, 14, 5) * 0.5f + 0.5f;
  float high = smoothstep(0.55f, 0.8f, streak) * smoothstep(0.45f, 0.7f, h) * 0.55f;
  return mix(sky, Rgb{0.96f, 0.97f, 1.0f}, high);
}

}  // namespace

void addPyramidFamily(Pack& pack) {
  std::vector<Course> courses = layCourses();
  Image stone(kStone, kStone);
  for (int y = 0; y < kStone; ++y)
    for (int x = 0; x < kStone; ++x) stone.set(x, y, stoneColour(courses, x, y));
  pack.files.push_back({"mappyra.png", "pyramid", FileKind::Png, std::move(stone)});

  Image sand(512, 512);
  for (int y = 0; y < 512; ++y)
    for (int x = 0; x < 512; ++x) sand.set(x, y, sandColour(float(x) / 512.0f, float(y) / 512.0f));
  pack.files.push_back({"mapsol.png", "pyramid", FileKind::Png, std::move(sand)});

  Image sky(1024, 256);
  for (int y = 0; y < 256; ++y)
    for (int x = 0; x < 1024; ++x) sky.set(x, y, skyColour(float(x) / 1024.0f, float(y) / 255.0f));
  Asset asset{"mapciel.png", "pyramid", FileKind::Png, std::move(sky)};
  asset.drawnFlipped = true;  // its first row is the horizon: shown the right way up on the sheet
  pack.files.push_back(std::move(asset));
}
