// The ocean scene drawn by llvmpipe with solid test textures, so that each layer's additive
// contribution can be read back and checked: black first frame, phrase brightness, sea and sky
// fades, logo tile places, the end of the scene and the GL state it leaves.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "core/demo_clock.h"
#include "gl_fixture.h"
#include "recording_platform.h"
#include "scenes/ocean/ocean_layers.h"
#include "scenes/ocean/ocean_scene.h"

namespace {

using testing_support::expectNear;
using testing_support::makeTexture;
using testing_support::readPixel;
using testing_support::Rgb;
using testing_support::solidTexture;

constexpr int kSlots = 35;
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

void fillSlots(int first, int last, Rgb colour) {
  for (int slot = first; slot <= last; ++slot) {
    demoClock->textures[slot] = solidTexture(colour);
  }
}

// Logo tile slots 11 to 34 each get their own red level, so a pixel names the tile it shows.
Rgb logoTileColour(int slot) { return {10 * (slot - 10), 0, 0}; }

class OceanPixels : public testing_support::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    // One clock for the whole binary: it is never destroyed, as in the demo.
    if (demoClock == nullptr) demoClock = new DemoClock();
    demoClock->restart();
    demoClock->width = kWidth;
    demoClock->height = kHeight;
    demoClock->frameTime = 0;
    ASSERT_EQ(ocean::init(), 1);  // no asset files here: every slot is left empty
    fillSlots(0, kSlots - 1, kBlack);
  }

  // Draws the frame for scene time t and leaves it in the back buffer.
  int drawAt(int t) {
    demoClock->elapsed = t;
    testing_support::manualMilliseconds = static_cast<uint32_t>(t);
    return ocean::frame();
  }

  testing_support::ScopedPlatform platform_;
};

TEST_F(OceanPixels, FirstFrameIsBlack) {
  fillSlots(0, kSlots - 1, kWhite);
  drawAt(0);
  const std::vector<uint8_t> pixels = testing_support::readBackBuffer(kWidth, kHeight);
  int brightest = 0;
  for (uint8_t value : pixels) brightest = std::max<int>(brightest, value);
  EXPECT_EQ(brightest, 0);
}

TEST_F(OceanPixels, PhraseBrightnessFollowsItsTimeOverThreeSeconds) {
  struct Case {
    int t, grey;
  };
  // Before 4 s the sea and sky add nothing even with white textures.
  const Case cases[] = {{750, 64}, {1500, 128}, {2999, 255}, {3000, 0}, {3500, 212}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.t);
    fillSlots(0, kSlots - 1, kWhite);
    drawAt(c.t);
    expectNear(readPixel(kWidth / 2, kHeight / 2), {c.grey, c.grey, c.grey}, 2, "centre");
  }
}

TEST_F(OceanPixels, PhraseShowsTheFileFirstRowAlongItsLowerEdge) {
  demoClock->textures[ocean::kFirstPhraseSlot] = makeTexture(1, 2, {{255, 0, 0}, {0, 0, 255}});
  drawAt(1500);
  // The phrase, centred at height 0.2 and 4.5 units away, splits its rows at screen row 30.
  expectNear(readPixel(kWidth / 2, 20), {128, 0, 0}, 2, "lower half");
  expectNear(readPixel(kWidth / 2, 40), {0, 0, 128}, 2, "upper half");
}

struct FadeCase {
  int t;
  float fade;
};

TEST_F(OceanPixels, SeaBelowAndSkyAboveTheHorizonScaleWithFade) {
  fillSlots(ocean::kOceanSlot, ocean::kFoamSlot, {255, 0, 0});
  fillSlots(ocean::kCloudSlot, ocean::kMistSlot, {0, 0, 255});
  // The bottom row meets the sea 11 % of the way from its near edge, three layers of alpha
  // about 0.31; the top row meets the sky 65 % of the way from its far edge, two of about 0.37.
  // The horizon lies at screen row 27 or 28.
  const FadeCase cases[] = {{10000, 0.5f}, {26000, 1.0f}};
  for (const FadeCase& c : cases) {
    SCOPED_TRACE(c.t);
    drawAt(c.t);
    const int seaBottom = static_cast<int>(237 * c.fade);
    const int skyTop = static_cast<int>(188 * c.fade);
    expectNear(readPixel(kWidth / 2, 0), {seaBottom, 0, 0}, 4, "bottom row");
    expectNear(readPixel(kWidth / 2, kHeight - 1), {0, 0, skyTop}, 4, "top row");
    EXPECT_EQ(readPixel(kWidth / 2, 25).b, 0) << "sea side of the horizon";
    EXPECT_GT(readPixel(kWidth / 2, 25).r, 0) << "sea side of the horizon";
    EXPECT_EQ(readPixel(kWidth / 2, 30).r, 0) << "sky side of the horizon";
    EXPECT_GT(readPixel(kWidth / 2, 30).b, 0) << "sky side of the horizon";
  }
}

TEST_F(OceanPixels, LogoTilesSitInTheirGridPlaces) {
  for (int slot = ocean::kFirstLogoSlot; slot < kSlots; ++slot) {
    demoClock->textures[slot] = solidTexture(logoTileColour(slot));
  }
  struct Case {
    int t, group;
  };
  const Case cases[] = {{27000, -1}, {27001, 0}, {27150, 1}, {27300, 2}, {37999, 1}, {38000, -1}};
  // Tile centres at depth 7 with a 20-degree view; the outer columns are cut by the screen edges.
  const int columnX[4] = {6, 22, 42, 58};
  const int rowY[2] = {34, 14};
  for (const Case& c : cases) {
    drawAt(c.t);
    for (int i = 0; i < 2; ++i) {
      for (int j = 0; j < 4; ++j) {
        SCOPED_TRACE(testing::Message() << "t " << c.t << " row " << i << " column " << j);
        const int slot = ocean::kFirstLogoSlot + ocean::kLogoTilesPerGroup * c.group + 4 * i + j;
        const Rgb expected = c.group < 0 ? kBlack : logoTileColour(slot);
        expectNear(readPixel(columnX[j], rowY[i]), expected, 0, "tile");
      }
    }
  }
}

TEST_F(OceanPixels, FrameReportsTheEndOnlyAfterSixtySeconds) {
  EXPECT_EQ(drawAt(59000), 0);
  testing_support::manualMilliseconds = 60000;
  EXPECT_EQ(ocean::frame(), 0);
  testing_support::manualMilliseconds = 60001;
  EXPECT_EQ(ocean::frame(), 1);
  EXPECT_EQ(demoClock->elapsed, 60001);
}

TEST_F(OceanPixels, LeavesDepthTestOnAndBlendingAndTexturingOff) {
  drawAt(30000);
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  GLint value = 0;
  glGetIntegerv(GL_DEPTH_FUNC, &value);
  EXPECT_EQ(value, GL_LEQUAL);
  glGetIntegerv(GL_BLEND_DST, &value);
  EXPECT_EQ(value, GL_ONE);
  glGetIntegerv(GL_MATRIX_MODE, &value);
  EXPECT_EQ(value, GL_MODELVIEW);
}

}  // namespace
