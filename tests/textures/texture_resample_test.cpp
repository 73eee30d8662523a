// The pixel picking behind pngBind's mipmaps and power-of-two stretch, and the test of whether
// the GL needs the stretch at all.
#include <gtest/gtest.h>

#include <vector>

#include "textures/gl/texture_resample.h"

namespace {

TEST(NextPowerOfTwo, RoundsUpOnlyWhenNeeded) {
  const int32_t cases[][2] = {{1, 1}, {2, 2}, {3, 4}, {5, 8}, {64, 64}, {65, 128}, {1000, 1024}};
  for (const auto& c : cases) EXPECT_EQ(nextPowerOfTwo(c[0]), c[1]) << c[0];
}

TEST(GlTakesAnySide, FromVersionTwoOrTheExtension) {
  struct Case {
    const char* version;
    const char* extensions;
    bool expected;
  } cases[] = {
      {"1.1 Mesa", "GL_EXT_texture_object", false},
      {"1.4", "GL_EXT_abgr GL_ARB_texture_non_power_of_two GL_EXT_bgra", true},
      {"2.1 Mesa 22.3.6", "", true},
      {"4.5 (Compatibility Profile) Mesa 22.3.6", nullptr, true},
      {nullptr, nullptr, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(glTakesAnySide(c.version, c.extensions), c.expected)
        << (c.version ? c.version : "null");
  }
}

TEST(ResampleNearest, StretchesThreeColumnsToFour) {
  const std::vector<uint8_t> src = {1, 1, 1, 2, 2, 2, 3, 3, 3};
  std::vector<uint8_t> dst(4 * 2 * 3);
  resampleNearest(src.data(), 3, 1, dst.data(), 4, 2);
  const std::vector<uint8_t> row = {1, 1, 1, 1, 1, 1, 2, 2, 2, 3, 3, 3};
  EXPECT_EQ(std::vector<uint8_t>(dst.begin(), dst.begin() + 12), row);
  EXPECT_EQ(std::vector<uint8_t>(dst.begin() + 12, dst.end()), row);
}

TEST(ResampleNearest, HalvingPicksTheTopLeftPixelOfEachPair) {
  const std::vector<uint8_t> src = {10, 10, 10, 20, 20, 20, 30, 30, 30, 40, 40, 40};
  std::vector<uint8_t> dst(3);
  resampleNearest(src.data(), 2, 2, dst.data(), 1, 1);
  EXPECT_EQ(dst, (std::vector<uint8_t>{10, 10, 10}));
}

}  // namespace
