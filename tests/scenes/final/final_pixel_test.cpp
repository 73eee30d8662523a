// The final scene drawn by llvmpipe with plain test textures: the tube's fog going from black to
// white, the 13 panels, sparks shown only while alive, and the wings that leave out the roll.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>

#include "core/demo_clock.h"
#include "gl_feedback.h"
#include "gl_fixture.h"
#include "recording_platform.h"
#include "scenes/final/final_motion.h"
#include "scenes/final/final_scene.h"
#include "scenes/final/final_tunnel.h"
#include "scenes/final/winged_flare.h"

namespace {

using namespace finalscene;

using testing_support::readPixel;
using testing_support::Rgb;
using testing_support::solidTexture;

class FinalPixels : public testing_support::GlTest {
 protected:
  void SetUp() override {
    GlTest::SetUp();
    demoClock = new DemoClock();
    demoClock->width = kWidth;
    demoClock->height = kHeight;
    // Masks white (they keep what is there), colour textures black (they add nothing): only
    // what a test gives a colour shows.
    const uint8_t greys[10] = {255, 0, 0, 255, 255, 0, 0, 0, 0, 0};
    for (int slot = 0; slot < 10; ++slot) {
      demoClock->textures[slot] = solidTexture({greys[slot], greys[slot], greys[slot]}, GL_LINEAR);
    }
    if (wingedFlare == nullptr) wingedFlare = new WingedFlare();
    finalScene = FinalScene{};
    finalscene::setUpView();
  }

  void drawFrameAt(int32_t elapsed) {
    demoClock->elapsed = elapsed;
    demoClock->frameTime = 0;
    EXPECT_EQ(finalscene::frame(), 0);
  }

  // The darkest and brightest channel over the central box where the tube's far end shows.
  void centreRange(int* darkest, int* brightest) {
    *darkest = 255;
    *brightest = 0;
    for (int y = kHeight / 2 - 10; y <= kHeight / 2 + 10; ++y) {
      for (int x = kWidth / 2 - 10; x <= kWidth / 2 + 10; ++x) {
        const Rgb p = readPixel(x, y);
        *darkest = std::min({*darkest, p.r, p.g, p.b});
        *brightest = std::max({*brightest, p.r, p.g, p.b});
      }
    }
  }

  testing_support::ScopedPlatform platform;
};

// Pitch 0 and yaw 0 while no frame time passes: the camera looks straight down the tube.
void lookDownTheTube() { finalScene.cameraPhase[0] = 1.5707964f; }

TEST_F(FinalPixels, TubeDepthIsBlackAtTheStart) {
  lookDownTheTube();
  drawFrameAt(0);
  int darkest, brightest;
  centreRange(&darkest, &brightest);
  EXPECT_LE(brightest, 8);
  // The near walls at the corners still show some of the white texture through the fog.
  EXPECT_GT(readPixel(0, 0).r, 30);
}

TEST_F(FinalPixels, TubeDepthIsNearWhiteJustBeforeTenSeconds) {
  lookDownTheTube();
  drawFrameAt(9998);  // sets the clear colour the next frame's background shows
  drawFrameAt(9999);
  int darkest, brightest;
  centreRange(&darkest, &brightest);
  EXPECT_GE(darkest, 245);
}

TEST_F(FinalPixels, FirstFrameFlareSitsSevenHundredMillisecondsAlong) {
  drawFrameAt(0);
  EXPECT_EQ(wingedFlare->posX, 0.0f);
  EXPECT_EQ(wingedFlare->posY, 0.0f);
  EXPECT_NEAR(wingedFlare->posZ, -4.736f, 1e-5f);
}

TEST_F(FinalPixels, TubeHasThirteenPanelsTheLastOverTheFirst) {
  animate(finalScene, 0, 0);
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(-1, 1, -1, 1, -20, 20);
  glMatrixMode(GL_MODELVIEW);
  glLoadIdentity();
  const auto polygons = scene_testing::recordPolygons([] { drawTunnel(finalScene); });
  ASSERT_EQ(scene_testing::quadCount(polygons), 13);
  const auto& first = polygons.front();
  const auto& last = polygons[polygons.size() - (polygons.front().size() == 3 ? 2 : 1)];
  for (size_t v = 0; v < first.size(); ++v) {
    EXPECT_NEAR(last[v].x, first[v].x, 1e-3f);
    EXPECT_NEAR(last[v].y, first[v].y, 1e-3f);
  }
}

class SparkPixels : public FinalPixels {
 protected:
  void drawSparks() {
    glMatrixMode(GL_MODELVIEW);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    flare.drawParticles();
  }
  WingedFlare flare;
};

TEST_F(SparkPixels, AreDrawnOnlyWhileAlive) {
  demoClock->textures[6] = solidTexture({255, 255, 255}, GL_LINEAR);
  flare.emitParticle(-0.05f, 0, -0.5f, 0, 0, 0, 0, 0, 0, 2000);
  flare.emitParticle(0.05f, 0, -0.5f, 0, 0, 0, 0, 0, 0, 5000);
  flare.particles[1].life = 0;
  drawSparks();
  const int left = kWidth / 2 - 14;
  const int right = kWidth / 2 + 13;
  EXPECT_GT(readPixel(left, kHeight / 2).g, 100);
  EXPECT_EQ(readPixel(right, kHeight / 2).g, 0);

  flare.tickDelta = 2500;  // past the first spark's life: clamped to 0 and no longer drawn
  flare.moveParticles();
  drawSparks();
  EXPECT_EQ(readPixel(left, kHeight / 2).g, 0);
}

// Centre of mass of one channel over the whole frame.
struct Centre {
  double x, y;
};
Centre channelCentre(int channel, int width, int height) {
  double sum = 0, sx = 0, sy = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const Rgb p = readPixel(x, y);
      const int v = channel == 0 ? p.r : p.g;
      sum += v;
      sx += v * x;
      sy += v * y;
    }
  }
  return {sx / sum, sy / sum};
}

TEST_F(SparkPixels, WingsLeaveOutTheRollWhileTheHaloTurnsWithIt) {
  demoClock->textures[1] = solidTexture({255, 0, 0}, GL_LINEAR);  // halo red
  demoClock->textures[2] = solidTexture({0, 255, 0}, GL_LINEAR);  // wings green
  flare.setPosition(0.3f, 0.0f, -3.0f);
  flare.haloSize = 0.1f;
  flare.glowSize = 0.12f;
  flare.wingAngle = 0.0f;
  Centre halo[2], wings[2];
  for (int turn = 0; turn < 2; ++turn) {
    flare.camera.roll = turn * 90.0f;
    drawSparks();
    flare.drawFlare();
    halo[turn] = channelCentre(0, kWidth, kHeight);
    wings[turn] = channelCentre(1, kWidth, kHeight);
  }
  // Unrolled, the halo sits right of centre; rolled by 90 degrees it is above the centre.
  EXPECT_GT(halo[0].x, kWidth / 2 + 8);
  EXPECT_NEAR(halo[1].x, kWidth / 2, 2.0);
  EXPECT_GT(halo[1].y, kHeight / 2 + 8);
  EXPECT_NEAR(wings[1].x, wings[0].x, 0.5);
  EXPECT_NEAR(wings[1].y, wings[0].y, 0.5);
}

}  // namespace
