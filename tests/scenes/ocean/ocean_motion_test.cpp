// The ocean scene's motion values as functions of the scene time: fade, the accelerating scroll,
// the phrase windows and the logo flicker. No GL.
#include <gtest/gtest.h>

#include "scenes/ocean/ocean_motion.h"

namespace {

using ocean::OceanScene;

TEST(OceanFade, RisesFromFourToSixteenSeconds) {
  struct Case {
    int t;
    float fade;
  };
  const Case cases[] = {
      {0, 0.0f},     {3999, 0.0f},  {4000, 0.0f}, {10000, 0.5f}, {15999, 0.99991667f},
      {16000, 1.0f}, {60000, 1.0f},
  };
  for (const Case& c : cases) {
    OceanScene scene;
    ocean::animate(scene, c.t);
    EXPECT_NEAR(scene.fade, c.fade, 1e-5f) << "t = " << c.t;
  }
}

TEST(OceanScroll, StandsStillUntilTwentyFourSeconds) {
  for (int t : {0, 16000, 24000}) {
    OceanScene scene;
    ocean::animate(scene, t);
    EXPECT_EQ(scene.seaScroll, 0.0f) << "t = " << t;
    EXPECT_EQ(scene.skyScroll, 0.0f) << "t = " << t;
  }
}

TEST(OceanScroll, SpeedKeepsItsLastValueWhereItIsNotRecomputed) {
  OceanScene scene;
  ocean::animate(scene, 30000);
  ocean::animate(scene, 20000);  // an earlier time: no new speed, the old one scrolls
  EXPECT_FLOAT_EQ(scene.scrollSpeed, 0.4f);
  EXPECT_FLOAT_EQ(scene.seaScroll, 0.8f);
}

TEST(OceanScroll, GrowsWithTheSquareOfTheTimePastTwentyFourSeconds) {
  struct Case {
    int t;
    float speed, sea, sky;
  };
  const Case cases[] = {
      {24001, 0.000066667f, 0.00016000667f, 0.000053335556f},
      {39000, 1.0f, 3.9f, 1.3f},
      {60000, 2.4f, 14.4f, 4.8f},
  };
  for (const Case& c : cases) {
    OceanScene scene;
    ocean::animate(scene, c.t);
    EXPECT_NEAR(scene.scrollSpeed, c.speed, 1e-5f) << "t = " << c.t;
    EXPECT_NEAR(scene.seaScroll, c.sea, 1e-4f) << "t = " << c.t;
    EXPECT_NEAR(scene.skyScroll, c.sky, 1e-4f) << "t = " << c.t;
  }
}

TEST(OceanPhrase, WindowsHaveStrictBounds) {
  struct Case {
    int t, start;
    bool visible;
    float grey, z;
  };
  const Case cases[] = {
      {0, 0, false, 0.0f, 0.0f},         {1, 0, true, 1.0f / 3000, -4.0003333f},
      {1500, 0, true, 0.5f, -4.5f},      {2999, 0, true, 0.99966667f, -4.9996667f},
      {3000, 0, false, 0.0f, 0.0f},      {3001, 0, true, 0.99966667f, -5.0003333f},
      {4500, 0, true, 0.5f, -5.5f},      {5999, 0, true, 1.0f / 3000, -5.9996667f},
      {6000, 0, false, 0.0f, 0.0f},      {4999, 5000, false, 0.0f, 0.0f},
      {5000, 5000, false, 0.0f, 0.0f},   {46000, 40000, false, 0.0f, 0.0f},
      {47500, 46000, true, 0.5f, -4.5f},
  };
  for (const Case& c : cases) {
    const ocean::PhraseLook look = ocean::phraseAt(c.t, c.start);
    EXPECT_EQ(look.visible, c.visible) << "t = " << c.t << ", start = " << c.start;
    if (!c.visible) continue;
    EXPECT_NEAR(look.grey, c.grey, 1e-5f) << "t = " << c.t;
    EXPECT_NEAR(look.z, c.z, 1e-5f) << "t = " << c.t;
  }
}

TEST(OceanLogo, FlickersBetweenThreeGroupsEvery150Ms) {
  struct Case {
    int t, group;
  };
  const Case cases[] = {
      {0, -1},    {27000, -1}, {27001, 0}, {27149, 0}, {27150, 1},
      {27300, 2}, {27450, 0},  {37950, 1}, {37999, 1}, {38000, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(ocean::logoGroup(c.t), c.group) << "t = " << c.t;
}

}  // namespace
