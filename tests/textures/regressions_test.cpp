// Every file the fuzzers ever crashed on, kept in regressions/: each must now decode or be
// refused without a crash, through both decoders (a file may be a BMP, a PNG or neither).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "textures/dib_decode.h"
#include "textures/png_decode.h"

namespace {

std::vector<uint8_t> readAll(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(FuzzRegressions, EveryKeptFileIsHandled) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TEXTURES_REGRESSIONS_DIR)) {
    if (!entry.is_regular_file() || entry.path().filename() == "README.md") continue;
    const std::vector<uint8_t> bytes = readAll(entry.path());
    RgbImage* image = nullptr;
    if (decodeDib(bytes.data(), bytes.size(), &image) == DibStatus::Ok) {
      ASSERT_NE(image, nullptr) << entry.path();
      delete[] image->pixels;
      delete image;
    }
    PngPixels pixels;
    decodePngMemory(bytes.data(), bytes.size(), 0, &pixels);
    ++files;
  }
  EXPECT_GT(files, 0) << "the folder keeps at least the hand-made hostile files";
}

}  // namespace
