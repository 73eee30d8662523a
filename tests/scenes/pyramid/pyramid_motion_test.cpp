// The pyramid camera's motion over frames: the orbit, the zoom turning back at its bounds, the
// eye held at height 1 near the axis and the view kept when the eye falls on the axis. No GL.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "scenes/pyramid/pyramid_motion.h"

namespace {

using pyramid::PyramidScene;

PyramidScene startedScene() {
  PyramidScene scene;
  scene.zoom = 1.1f;
  scene.zoomRate = 0.2f;
  return scene;
}

TEST(PyramidAnimate, AFrameTimeOfZeroChangesNothing) {
  PyramidScene scene = startedScene();
  scene.orbitAngle = 1.25f;
  scene.zoom = 8.0f;
  pyramid::animate(scene, 0);
  EXPECT_EQ(scene.orbitAngle, 1.25f);
  EXPECT_EQ(scene.zoom, 8.0f);
  EXPECT_EQ(scene.zoomRate, 0.2f);
}

TEST(PyramidAnimate, OrbitsHalfARadianAndZoomsAFifthOfAUnitPerSecond) {
  PyramidScene scene = startedScene();
  pyramid::animate(scene, 1000);
  EXPECT_FLOAT_EQ(scene.orbitAngle, 0.5f);
  EXPECT_FLOAT_EQ(scene.zoom, 1.3f);
}

TEST(PyramidAnimate, ZoomTurnsBackOneStepPastEight) {
  PyramidScene scene = startedScene();
  scene.zoom = 7.999f;
  pyramid::animate(scene, 20);
  EXPECT_FLOAT_EQ(scene.zoom, 8.003f);
  EXPECT_EQ(scene.zoomRate, -0.2f);
  pyramid::animate(scene, 20);
  EXPECT_FLOAT_EQ(scene.zoom, 7.999f);
  EXPECT_EQ(scene.zoomRate, -0.2f);
}

TEST(PyramidAnimate, SteadyFramesOverFortySecondsTurnOnceAndEndNearSixPointNine) {
  PyramidScene scene = startedScene();
  int turnedAt = -1;
  for (int t = 16; t <= 40000; t += 16) {
    pyramid::animate(scene, 16);
    if (turnedAt < 0 && scene.zoomRate < 0) turnedAt = t;
    EXPECT_GE(scene.zoom, 1.1f);
    EXPECT_LE(scene.zoom, 8.0f + 0.0032f);
  }
  EXPECT_NEAR(turnedAt, 34500, 20);
  EXPECT_NEAR(scene.zoom, 6.9f, 0.01f);
  EXPECT_NEAR(scene.orbitAngle, 20.0f, 0.01f);
}

// A long frame can carry the zoom further past a bound than the next short frames bring back;
// the zoom must still head inwards instead of flipping direction every frame outside the range.
TEST(PyramidAnimate, ZoomHeadsBackInAfterALongFrameCarriesItFarPastABound) {
  struct Case {
    float zoom, rate;
    bool high;
  };
  const Case cases[] = {{7.9f, 0.2f, true}, {1.2f, -0.2f, false}};
  for (const Case& c : cases) {
    PyramidScene scene = startedScene();
    scene.zoom = c.zoom;
    scene.zoomRate = c.rate;
    pyramid::animate(scene, 1000);
    for (int frame = 0; frame < 100; ++frame) pyramid::animate(scene, 16);
    if (c.high) {
      EXPECT_LT(scene.zoom, 8.0f);
      EXPECT_LT(scene.zoomRate, 0.0f);
    } else {
      EXPECT_GT(scene.zoom, 1.1f);
      EXPECT_GT(scene.zoomRate, 0.0f);
    }
  }
}

TEST(PyramidEye, LooksDownAtFortyFiveDegreesButNeverFromBelowOne) {
  constexpr float kPi = std::numbers::pi_v<float>;
  struct Case {
    float angle, zoom;
    float x, y, z;
  };
  const Case cases[] = {
      {0.0f, 1.1f, 0.0f, 5.1f, 5.1f}, {kPi / 2, 1.1f, 4.0f, std::sqrt(16.0f + 1.21f), 1.1f},
      {kPi, 4.5f, 0.0f, 1.0f, 0.5f},  {kPi, 3.5f, 0.0f, 1.0f, -0.5f},
      {kPi, 5.0f, 0.0f, 1.0f, 1.0f},  {kPi, 5.5f, 0.0f, 1.5f, 1.5f},
  };
  for (const Case& c : cases) {
    PyramidScene scene = startedScene();
    scene.orbitAngle = c.angle;
    scene.zoom = c.zoom;
    const pyramid::Eye eye = pyramid::eyePosition(scene);
    SCOPED_TRACE(testing::Message() << "angle " << c.angle << " zoom " << c.zoom);
    EXPECT_NEAR(eye.x, c.x, 1e-5f);
    EXPECT_NEAR(eye.y, c.y, 1e-5f);
    EXPECT_NEAR(eye.z, c.z, 1e-5f);
  }
}

TEST(PyramidEye, KeepsTheLastValidViewWhenTheEyeFallsOnTheAxis) {
  PyramidScene scene = startedScene();
  scene.orbitAngle = 0.5f;
  const pyramid::Eye valid = pyramid::viewEye(scene);
  scene.orbitAngle = std::numbers::pi_v<float>;
  scene.zoom = 4.0f;
  const pyramid::Eye kept = pyramid::viewEye(scene);
  EXPECT_EQ(kept.x, valid.x);
  EXPECT_EQ(kept.y, valid.y);
  EXPECT_EQ(kept.z, valid.z);
  scene.zoom = 4.01f;
  EXPECT_NEAR(pyramid::viewEye(scene).z, 0.01f, 1e-5f);
  EXPECT_NEAR(scene.lastValidEye.z, 0.01f, 1e-5f);
}

}  // namespace
