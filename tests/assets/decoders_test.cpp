// Every BMP of the pack through the program's own decoder (loadBmpImage), compared with the
// pixels the files hold; every PNG decodes with libpng as pngBind reads it.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "pack_reader.h"
#include "textures/bmp/bmp_decoder.h"

TEST(AssetPackDecoders, EveryBmpLoadsThroughLoadBmpImage) {
  std::vector<std::string> names = {"mapocean.bmp", "mapecume2.bmp", "foretmask11.bmp"};
  for (int r = 1; r <= 3; ++r)
    for (int k = 1; k <= 4; ++k) names.push_back("foret" + std::to_string(r * 10 + k) + ".bmp");
  for (int k = 1; k <= 4; ++k) names.push_back("foretmask3" + std::to_string(k) + ".bmp");
  for (const std::string& name : names) {
    std::string path = assetPath(name);
    RgbImage* image = loadBmpImage(path.c_str());
    ASSERT_NE(image, nullptr) << name;
    Picture expected = readBmp(path);
    EXPECT_EQ(image->width, expected.width) << name;
    EXPECT_EQ(image->height, expected.height) << name;
    // The decoder keeps the file's order, bottom row first.
    bool same = true;
    size_t row = size_t(expected.width) * 3;
    for (int y = 0; y < expected.height && same; ++y)
      same = std::memcmp(image->pixels + row * size_t(y),
                         &expected.rgb[row * size_t(expected.height - 1 - y)], row) == 0;
    EXPECT_TRUE(same) << name;
    delete[] image->pixels;
    delete image;
  }
}

TEST(AssetPackDecoders, EveryPngDecodes) {
  for (const auto& entry : std::filesystem::directory_iterator(TAMSIREL_ASSETS_DIR))
    if (entry.path().extension() == ".png") {
      EXPECT_TRUE(readPng(entry.path().string()).ok) << entry.path();
    }
}
