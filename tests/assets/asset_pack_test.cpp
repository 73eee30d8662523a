// The generated asset pack as the demo and its viewers meet it: every file there with its format
// and size, masks black and white, additive images black at their borders, repeat textures and
// tiled pictures without seams, and the same bytes on a second run.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "pack_reader.h"

namespace {

struct Expected {
  std::string name;
  int width, height, bits;
};

std::vector<Expected> everyFile() {
  std::vector<Expected> files = {{"mapocean.png", 512, 512, 24},  {"mapecume2.png", 512, 512, 24},
                                 {"mapnuage.png", 512, 512, 24},  {"mapbrume2.png", 512, 512, 24},
                                 {"mappyra.png", 256, 256, 24},   {"mapsol.png", 512, 512, 24},
                                 {"mapciel.png", 1024, 256, 24},  {"mapocean.bmp", 256, 256, 8},
                                 {"mapecume2.bmp", 256, 256, 24}, {"foretmask11.bmp", 128, 128, 1},
                                 {"maparbre1.png", 256, 256, 24}, {"flare.png", 128, 128, 24},
                                 {"aile.png", 64, 128, 24},       {"flare_mask.png", 64, 64, 24},
                                 {"aile_mask.png", 64, 128, 24},  {"flare2.png", 128, 128, 24},
                                 {"flare3.png", 32, 32, 24},      {"maparbre2.png", 256, 256, 24},
                                 {"greet1.png", 512, 256, 24},    {"greet1mask.png", 512, 256, 24},
                                 {"tamsirel.png", 256, 256, 24}};
  for (int i = 1; i <= 7; ++i)
    files.push_back({"phrase" + std::to_string(i) + ".png", 512, 512, 24});
  for (int g = 1; g <= 3; ++g)
    for (int r = 1; r <= 2; ++r)
      for (int k = 1; k <= 4; ++k)
        files.push_back({"logo" + std::to_string(g * 100 + r * 10 + k) + ".png", 128, 128, 24});
  for (int r = 1; r <= 3; ++r)
    for (int k = 1; k <= 4; ++k)
      files.push_back({"foret" + std::to_string(r * 10 + k) + ".bmp", 128, 128, 24});
  for (int k = 1; k <= 4; ++k)
    files.push_back({"foretmask3" + std::to_string(k) + ".bmp", 128, 128, 1});
  return files;
}

std::string logoTile(int g, int r, int k) {
  return "logo" + std::to_string(g * 100 + r * 10 + k) + ".png";
}
std::string forestTile(int r, int k) { return "foret" + std::to_string(r * 10 + k) + ".bmp"; }

// Mean channel difference between column (or row) `a` of `p` and `b` of `q`.
double lineDifference(const Picture& p, int a, const Picture& q, int b, bool columns) {
  int n = columns ? p.height : p.width;
  double sum = 0;
  for (int i = 0; i < n; ++i)
    for (int c = 0; c < 3; ++c) {
      const uint8_t* x = columns ? p.at(a, i) : p.at(i, a);
      const uint8_t* y = columns ? q.at(b, i) : q.at(i, b);
      sum += std::abs(int(x[c]) - int(y[c]));
    }
  return sum / (3.0 * n);
}

// Across a seam, neighbours differ no more than neighbours inside the pictures do.
void expectContinuous(const Picture& before, const Picture& after, bool columns,
                      const std::string& what) {
  int last = columns ? before.width - 1 : before.height - 1;
  double seam = lineDifference(before, last, after, 0, columns);
  double inside =
      (lineDifference(before, last - 2, before, last - 1, columns) +
       lineDifference(before, last - 1, before, last, columns) +
       lineDifference(after, 0, after, 1, columns) + lineDifference(after, 1, after, 2, columns)) /
      4;
  EXPECT_LE(seam, 2.5 * inside + 4.0) << what;
}

bool allBlack(const Picture& p, int x0, int y0, int x1, int y1) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x)
      if (p.at(x, y)[0] || p.at(x, y)[1] || p.at(x, y)[2]) return false;
  return true;
}

bool onlyBlackAndWhite(const Picture& p) {
  for (size_t i = 0; i < p.rgb.size(); i += 3) {
    bool black = !p.rgb[i] && !p.rgb[i + 1] && !p.rgb[i + 2];
    bool white = p.rgb[i] == 255 && p.rgb[i + 1] == 255 && p.rgb[i + 2] == 255;
    if (!black && !white) return false;
  }
  return true;
}

}  // namespace

TEST(AssetPack, EveryFileIsThereWithItsFormatSizeAndDepth) {
  for (const Expected& e : everyFile()) {
    Picture p = readAsset(e.name);
    ASSERT_TRUE(p.ok) << e.name;
    EXPECT_EQ(p.width, e.width) << e.name;
    EXPECT_EQ(p.height, e.height) << e.name;
    EXPECT_EQ(p.bitsPerPixel, e.bits) << e.name;
    if (e.bits == 1) {
      EXPECT_EQ(p.paletteSize, 2) << e.name;
    }
    if (e.bits == 8) {
      EXPECT_EQ(p.paletteSize, 256) << e.name;
    }
  }
  EXPECT_TRUE(readPng(assetPath("preview.png")).ok);
}

TEST(AssetPack, MasksAreOnlyBlackAndWhite) {
  for (const char* name :
       {"foretmask11.bmp", "foretmask31.bmp", "foretmask32.bmp", "foretmask33.bmp",
        "foretmask34.bmp", "flare_mask.png", "aile_mask.png", "greet1mask.png"})
    EXPECT_TRUE(onlyBlackAndWhite(readAsset(name))) << name;
}

TEST(AssetPack, ForestMasksOpenOnlyOnTheLakeInRowThree) {
  Picture upper = readAsset("foretmask11.bmp");
  EXPECT_TRUE(allBlack(upper, 0, 0, 128, 128));
  for (int k = 1; k <= 4; ++k) {
    Picture m = readAsset("foretmask3" + std::to_string(k) + ".bmp");
    EXPECT_TRUE(allBlack(m, 0, 0, 128, 12)) << k;  // the shore and the land above it
    EXPECT_FALSE(allBlack(m, 0, 64, 128, 128)) << k;
  }
}

TEST(AssetPack, AdditiveImagesAreBlackAtTheirBorders) {
  for (const char* name :
       {"flare.png", "flare2.png", "flare3.png", "aile.png", "greet1.png", "phrase1.png",
        "phrase2.png", "phrase3.png", "phrase4.png", "phrase5.png", "phrase6.png", "phrase7.png"}) {
    Picture p = readAsset(name);
    EXPECT_TRUE(allBlack(p, 0, 0, p.width, 1) && allBlack(p, 0, p.height - 1, p.width, p.height) &&
                allBlack(p, 0, 0, 1, p.height) && allBlack(p, p.width - 1, 0, p.width, p.height))
        << name;
  }
}

TEST(AssetPack, TextStaysInsideTheMiddleEightyPercent) {
  for (int i = 1; i <= 7; ++i) {
    Picture p = readAsset("phrase" + std::to_string(i) + ".png");
    EXPECT_TRUE(allBlack(p, 0, 0, 51, 512) && allBlack(p, 461, 0, 512, 512)) << i;
    EXPECT_FALSE(allBlack(p, 51, 0, 461, 512)) << i;
  }
  for (int g = 1; g <= 3; ++g)
    for (int r = 1; r <= 2; ++r) {
      // 80 % of the 512-pixel word: 51 pixels off each side are black.
      EXPECT_TRUE(allBlack(readAsset(logoTile(g, r, 1)), 0, 0, 51, 128)) << g << r;
      EXPECT_TRUE(allBlack(readAsset(logoTile(g, r, 4)), 128 - 51, 0, 128, 128)) << g << r;
    }
}

TEST(AssetPack, RepeatTexturesTileSeamlessly) {
  for (const char* name :
       {"mapocean.png", "mapecume2.png", "mapnuage.png", "mapbrume2.png", "mappyra.png",
        "mapsol.png", "maparbre1.png", "maparbre2.png", "mapocean.bmp", "mapecume2.bmp"}) {
    Picture p = readAsset(name);
    expectContinuous(p, p, true, std::string(name) + " left-right");
    expectContinuous(p, p, false, std::string(name) + " top-bottom");
  }
  Picture sky = readAsset("mapciel.png");
  expectContinuous(sky, sky, true, "mapciel.png left-right");
}

// The demo draws each tile with repeat wrapping: a pixel on a tile's edge may read, or blend
// with, the texel at the opposite edge. Black bands there make that read add nothing, at any
// picture size, nearest or linear.
TEST(AssetPack, LogoTilesHoldTheirLettersClearOfTheirEdges) {
  constexpr int kBand = 4;
  for (int g = 1; g <= 3; ++g)
    for (int r = 1; r <= 2; ++r)
      for (int k = 1; k <= 4; ++k) {
        const Picture p = readAsset(logoTile(g, r, k));
        EXPECT_TRUE(allBlack(p, 0, 0, 128, kBand) && allBlack(p, 0, 128 - kBand, 128, 128) &&
                    allBlack(p, 0, 0, kBand, 128) && allBlack(p, 128 - kBand, 0, 128, 128))
            << logoTile(g, r, k);
        EXPECT_FALSE(allBlack(p, kBand, kBand, 128 - kBand, 128 - kBand)) << logoTile(g, r, k);
      }
}

TEST(AssetPack, LogoTilesMeetWithoutASeam) {
  for (int g = 1; g <= 3; ++g)
    for (int r = 1; r <= 2; ++r)
      for (int k = 1; k <= 3; ++k)
        expectContinuous(readAsset(logoTile(g, r, k)), readAsset(logoTile(g, r, k + 1)), true,
                         logoTile(g, r, k) + " | " + logoTile(g, r, k + 1));
  // Each tile is drawn with its first row at the bottom: the upper tile's first row meets the
  // lower tile's last row.
  for (int g = 1; g <= 3; ++g)
    for (int k = 1; k <= 4; ++k)
      expectContinuous(readAsset(logoTile(g, 2, k)), readAsset(logoTile(g, 1, k)), false,
                       logoTile(g, 1, k) + " / " + logoTile(g, 2, k));
}

TEST(AssetPack, ForestTilesFormOnePicture) {
  for (int r = 1; r <= 3; ++r)
    for (int k = 1; k <= 3; ++k)
      expectContinuous(readAsset(forestTile(r, k)), readAsset(forestTile(r, k + 1)), true,
                       forestTile(r, k) + " | " + forestTile(r, k + 1));
  for (int r = 1; r <= 2; ++r)
    for (int k = 1; k <= 4; ++k)
      expectContinuous(readAsset(forestTile(r, k)), readAsset(forestTile(r + 1, k)), false,
                       forestTile(r, k) + " / " + forestTile(r + 1, k));
}

TEST(AssetPack, TwoRunsGiveIdenticalBytes) {
  // A folder of this run's own: two builds' suites may run on one machine at the same time.
  std::filesystem::path again = std::filesystem::temp_directory_path() /
                                ("tamsirel-assets-again-" + std::to_string(getpid()));
  std::filesystem::remove_all(again);
  std::string command =
      std::string("\"") + TAMSIREL_ASSETS_TOOL + "\" \"" + again.string() + "\" > /dev/null";
  ASSERT_EQ(std::system(command.c_str()), 0);
  int compared = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TAMSIREL_ASSETS_DIR)) {
    std::string name = entry.path().filename().string();
    EXPECT_EQ(fileBytes(entry.path().string()), fileBytes((again / name).string())) << name;
    ++compared;
  }
  EXPECT_GE(compared, 70);
  std::filesystem::remove_all(again);
}
