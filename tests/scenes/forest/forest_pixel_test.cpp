// The forest scene drawn by llvmpipe with patterned test textures: every pixel is water x mask +
// tile, clamped; the water starts at the stated offsets; the scene ends after 20 seconds.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/demo_clock.h"
#include "gl_feedback.h"
#include "gl_fixture.h"
#include "recording_platform.h"
#include "scenes/forest/forest_layers.h"
#include "scenes/forest/forest_scene.h"

namespace {

using testing_support::makeTexture;
using testing_support::manualMilliseconds;
using testing_support::Rgb;
using testing_support::solidTexture;

// A 2 x 2 texture: `bottomLeft`, `bottomRight`, `topLeft`, `topRight`.
GLuint texture2x2(Rgb bl, Rgb br, Rgb tl, Rgb tr, GLint filter) {
  return makeTexture(2, 2, {bl, br, tl, tr}, filter);
}

constexpr Rgb kBlack = {0, 0, 0};
constexpr Rgb kWhite = {255, 255, 255};

enum class Water { Pattern, Black };
enum class Masks { White, Black, HalfWhite };
enum class Tiles { Black, Pattern };

class ForestPixels : public testing_support::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    demoClock = new DemoClock();
    demoClock->width = kWidth;
    demoClock->height = kHeight;
  }

  void fillSlots(Water water, Masks masks, Tiles tiles) {
    for (int slot = 0; slot < 12; ++slot) {
      demoClock->textures[slot] =
          tiles == Tiles::Black
              ? solidTexture(kBlack, GL_NEAREST)
              : texture2x2({60, 30, 90}, {60, 30, 90}, {200, 200, 200}, {10, 120, 240}, GL_NEAREST);
    }
    for (int slot = 12; slot < 17; ++slot) {
      demoClock->textures[slot] = masks == Masks::White ? solidTexture(kWhite, GL_NEAREST)
                                  : masks == Masks::Black
                                      ? solidTexture(kBlack, GL_NEAREST)
                                      : texture2x2(kWhite, kBlack, kWhite, kBlack, GL_NEAREST);
    }
    for (int slot = 17; slot < 19; ++slot) {
      demoClock->textures[slot] = water == Water::Black
                                      ? solidTexture(kBlack, GL_LINEAR)
                                      : texture2x2({250, 120, 40}, {40, 200, 250}, {90, 250, 90},
                                                   {250, 250, 250}, GL_LINEAR);
    }
  }

  std::vector<uint8_t> drawn(Water water, Masks masks, Tiles tiles) {
    fillSlots(water, masks, tiles);
    forest::setUpView();
    demoClock->elapsed = 4321;
    forest::frame();
    return testing_support::readBackBuffer(kWidth, kHeight);
  }

  testing_support::ScopedPlatform platform;
};

TEST_F(ForestPixels, EachPixelIsWaterTimesMaskPlusTileClamped) {
  const auto water = drawn(Water::Pattern, Masks::White, Tiles::Black);
  const auto removed = drawn(Water::Pattern, Masks::Black, Tiles::Black);
  const auto cut = drawn(Water::Pattern, Masks::HalfWhite, Tiles::Black);
  const auto tiles = drawn(Water::Black, Masks::HalfWhite, Tiles::Pattern);
  const auto full = drawn(Water::Pattern, Masks::HalfWhite, Tiles::Pattern);
  int kept = 0, cutAway = 0, clamped = 0;
  for (size_t i = 0; i < full.size(); ++i) {
    ASSERT_EQ(removed[i], 0) << i;  // black masks remove the water everywhere
    // Through a half-white mask each pixel keeps its water or loses it.
    const bool keeps = std::abs(cut[i] - water[i]) <= 1;
    ASSERT_TRUE(keeps || cut[i] == 0) << i;
    if (water[i] > 20) (keeps ? kept : cutAway) += 1;
    const int sum = cut[i] + tiles[i];
    clamped += sum > 255;
    ASSERT_NEAR(full[i], std::min(sum, 255), 2) << i;
  }
  EXPECT_GT(kept, 100);
  EXPECT_GT(cutAway, 100);
  EXPECT_GT(clamped, 10);
}

// The first (s, t) of each water layer as the frame hands it to GL, under a projection wide
// enough that nothing is clipped.
std::vector<WaterOffset> drawnWaterOffsets() {
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-10, 10, -10, 10, -100, 100);
  const auto polygons = scene_testing::recordPolygons([] { forest::frame(); });
  const size_t perQuad = polygons.front().size() == 3 ? 2 : 1;
  std::vector<WaterOffset> offsets;
  for (int layer = 0; layer < kWaterLayers; ++layer) {
    float u = 1e9f, v = 1e9f;
    for (size_t k = 0; k < perQuad; ++k) {
      for (const auto& vertex : polygons[layer * perQuad + k]) {
        u = std::min(u, vertex.s);
        v = std::min(v, vertex.t);
      }
    }
    offsets.push_back({u, v});
  }
  return offsets;
}

TEST_F(ForestPixels, FirstFrameWaterStartsAtItsPhaseOffsets) {
  fillSlots(Water::Pattern, Masks::White, Tiles::Pattern);
  forest::setUpView();
  demoClock->elapsed = 0;
  const auto offsets = drawnWaterOffsets();
  const WaterOffset expected[] = {{std::cos(2.8f), 0.0f},
                                  {std::cos(0.93f), std::sin(1.76f)},
                                  {std::cos(1.25f), std::sin(2.32f)}};
  for (int layer = 0; layer < kWaterLayers; ++layer) {
    EXPECT_NEAR(offsets[layer].u, expected[layer].u, 1e-5f) << layer;
    EXPECT_NEAR(offsets[layer].v, expected[layer].v, 1e-5f) << layer;
  }
}

TEST_F(ForestPixels, EndsOnTheFirstFrameAfterTwentySeconds) {
  fillSlots(Water::Pattern, Masks::White, Tiles::Pattern);
  forest::setUpView();
  const struct {
    uint32_t at;
    int over;
  } cases[] = {{20000, 0}, {20001, 1}};
  for (const auto& c : cases) {
    manualMilliseconds = demoClock->startTick + c.at;
    EXPECT_EQ(forest::frame(), c.over) << c.at;
  }
}

}  // namespace
