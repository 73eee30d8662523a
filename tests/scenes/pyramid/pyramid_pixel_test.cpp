// The pyramid scene drawn by llvmpipe with solid test textures (pyramid red, ground green, sky
// blue): the white background, the ground below the horizon, the lower sky band's 90 % opacity,
// the frame time the first frame uses, the end of the scene and a frame on the vertical axis.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <numbers>
#include <vector>

#include "core/demo_clock.h"
#include "gl_fixture.h"
#include "recording_platform.h"
#include "scenes/pyramid/pyramid_drawing.h"
#include "scenes/pyramid/pyramid_motion.h"
#include "scenes/pyramid/pyramid_scene.h"

namespace {

using pyramid::pyramidScene;
using testing_support::expectNear;
using testing_support::readPixel;
using testing_support::Rgb;
using testing_support::solidTexture;

constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Rgb kWhite{255, 255, 255};

class PyramidPixels : public testing_support::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    if (demoClock == nullptr) demoClock = new DemoClock();
    demoClock->restart();
    demoClock->frameTime = 0;
    ASSERT_EQ(pyramid::init(), 1);  // no asset files here: every texture name is 0
    pyramidScene.pyramidTexture = solidTexture(kRed);
    pyramidScene.groundTexture = solidTexture(kGreen);
    pyramidScene.skyTexture = solidTexture(kBlue);
    // The list binds the texture it was compiled with.
    pyramidScene.pyramidList = pyramid::compilePyramidList(pyramidScene);
  }

  int drawStill() {
    demoClock->frameTime = 0;
    return pyramid::frame();
  }

  testing_support::ScopedPlatform platform_;
};

// The fixture's 64 x 48 is the scene's own 4:3, so screen rows follow the view angles directly:
// from the starting eye (0, 5.1, 5.1) the pyramid fills the centre, the ground inside the
// cylinder lies below row 38, the lower sky band spans rows 39 to 42 and the upper band the rest.
TEST_F(PyramidPixels, FirstViewShowsPyramidGroundAndBothSkyBands) {
  drawStill();
  expectNear(readPixel(32, 24), kRed, 0, "pyramid");
  expectNear(readPixel(32, 2), kGreen, 0, "ground below the eye");
  expectNear(readPixel(32, 36), kGreen, 0, "ground inside the cylinder");
  expectNear(readPixel(32, 46), kBlue, 0, "upper sky band");
}

TEST_F(PyramidPixels, LowerSkyBandLetsATenthOfTheGroundBeyondShowThrough) {
  drawStill();
  expectNear(readPixel(32, 40), {0, 26, 230}, 2, "lower sky band");
}

TEST_F(PyramidPixels, BackgroundIsWhiteWhereNothingIsDrawn) {
  // From far outside the cylinder the upper screen edge looks level, over everything; the lower
  // edge looks steeply down at the ground in front of the cylinder.
  pyramidScene.zoom = 30.0f;
  drawStill();
  expectNear(readPixel(32, 47), kWhite, 0, "top row");
  expectNear(readPixel(32, 10), kGreen, 0, "ground");
}

TEST_F(PyramidPixels, FirstFrameUsesTheFrameTimeLeftFromTheOcean) {
  demoClock->frameTime = 20;
  testing_support::manualMilliseconds = 16;  // the first frame takes 16 ms
  pyramid::frame();
  EXPECT_FLOAT_EQ(pyramidScene.orbitAngle, 0.01f);
  EXPECT_FLOAT_EQ(pyramidScene.zoom, 1.104f);
  EXPECT_EQ(demoClock->frameTime, 16);
  pyramid::frame();
  EXPECT_FLOAT_EQ(pyramidScene.orbitAngle, 0.018f);
}

TEST_F(PyramidPixels, FrameReportsTheEndOnlyAfterFortySeconds) {
  testing_support::manualMilliseconds = 40000;
  EXPECT_EQ(drawStill(), 0);
  testing_support::manualMilliseconds = 40001;
  EXPECT_EQ(drawStill(), 1);
}

TEST_F(PyramidPixels, AFrameWithTheEyeOnTheAxisRepeatsTheLastValidView) {
  drawStill();
  const std::vector<uint8_t> before = testing_support::readBackBuffer(kWidth, kHeight);
  pyramidScene.orbitAngle = std::numbers::pi_v<float>;
  pyramidScene.zoom = 4.0f;
  drawStill();
  EXPECT_EQ(testing_support::readBackBuffer(kWidth, kHeight), before);
}

TEST_F(PyramidPixels, LeavesItsOneStateBehind) {
  drawStill();
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
  EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
  EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));
  GLint value = 0;
  glGetIntegerv(GL_BLEND_DST, &value);
  EXPECT_EQ(value, GL_ONE_MINUS_SRC_ALPHA);
  glGetIntegerv(GL_MATRIX_MODE, &value);
  EXPECT_EQ(value, GL_MODELVIEW);
  GLfloat texture[16];
  glGetFloatv(GL_TEXTURE_MATRIX, texture);
  EXPECT_EQ(texture[0], 1.0f);
  GLfloat colour[4];
  glGetFloatv(GL_CURRENT_COLOR, colour);
  EXPECT_EQ(colour[3], 1.0f);
}

}  // namespace
