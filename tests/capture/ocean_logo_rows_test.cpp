// The ocean's logo captured from the built pack at the three logo groups: no one-pixel row stands
// out from the rows above and below it along a long run. Such a row is what a logo tile shows
// when a sample a hair past its edge wraps to the opposite edge and that edge is not black. At
// 1440x1080 (the 4:3 picture of a 1080p screen) the grid's lower edge falls on pixel centres; at
// 1777x1333 its middle edge does.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "pack_reader.h"

namespace fs = std::filesystem;

namespace {

// Brighter (or darker) than both neighbours by this much in some channel.
constexpr int kSpikeLevels = 40;
// The sea's streaks and the letters' corners make short runs of such pixels (under 90 along a
// row); a wrapped row covers more than 1100. A tenth of the width lies between.
constexpr int kLongRunPerWidth = 10;

// How far the pixel stands above (or below) both of its vertical neighbours, in its most
// outstanding channel; 0 when it lies between them.
int spike(const Picture& p, int x, int y) {
  int most = 0;
  for (int c = 0; c < 3; ++c) {
    const int above = p.at(x, y - 1)[c], here = p.at(x, y)[c], below = p.at(x, y + 1)[c];
    most = std::max({most, std::min(here - above, here - below),
                     std::min(above - here, below - here)});
  }
  return most;
}

struct StrayRow {
  int row = -1;
  int pixels = 0;
};

StrayRow worstRow(const Picture& p) {
  StrayRow worst;
  for (int y = 1; y + 1 < p.height; ++y) {
    int pixels = 0;
    for (int x = 0; x < p.width; ++x) pixels += spike(p, x, y) > kSpikeLevels ? 1 : 0;
    if (pixels > worst.pixels) worst = {y, pixels};
  }
  return worst;
}

}  // namespace

// A texel of the logo covers three or more rows at these sizes, so any feature one row tall is
// the wrap's, not the picture's.
TEST(OceanLogo, NoOnePixelRowStandsOutWhereTheGridsEdgesMeetPixelCentres) {
  const fs::path dir = fs::temp_directory_path() / ("ocean_logo_rows_" + std::to_string(getpid()));
  fs::remove_all(dir);
  fs::create_directories(dir);
  // Each logo group shows for 150 ms in turn: 30000 ms is group 2, 30150 group 0, 30300 group 1.
  // One frame a second reaches them quickly; every frame is a function of its time alone.
  const int times[] = {30000, 30150, 30300};
  for (const char* size : {"1440x1080", "1777x1333"}) {
    std::string command = std::string(CAPTURE_BINARY) + " --assets '" + CAPTURE_ASSETS +
                          "' --size " + size + " --fps 1";
    for (int t : times)
      command += " --shot ocean:" + std::to_string(t) + ":'" +
                 (dir / (std::to_string(t) + ".png")).string() + "'";
    ASSERT_EQ(std::system((command + " > /dev/null 2>&1").c_str()), 0) << command;
    for (int t : times) {
      const Picture frame = readPng((dir / (std::to_string(t) + ".png")).string());
      ASSERT_TRUE(frame.ok) << size << " at " << t;
      const StrayRow worst = worstRow(frame);
      EXPECT_LT(worst.pixels, frame.width / kLongRunPerWidth)
          << size << " at " << t << " ms: row " << worst.row << " has " << worst.pixels
          << " pixels standing out of its neighbours";
    }
  }
  fs::remove_all(dir);
}
