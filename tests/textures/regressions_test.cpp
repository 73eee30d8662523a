// Every file the fuzzers ever crashed on, kept in regressions/, with the result each must now
// give from both decoders (a file may be a BMP, a PNG or neither). Each is read into a buffer of
// exactly its size, so the sanitizers see a read one byte past the end.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>

#include "textures/bmp/dib_decode.h"
#include "textures/png/png_decode.h"

namespace {

struct Expected {
  DibStatus dib;
  bool png;
};

const std::map<std::string, Expected> kKeptFiles = {
    {"lying_offset_and_colours_used.bmp", {DibStatus::Truncated, false}},
    {"png_huge_header_then_nothing.png", {DibStatus::UnknownFormat, false}},
    {"rle4_absolute_run_cut.bmp", {DibStatus::Truncated, false}},
    {"rle8_runs_outside_the_picture.bmp", {DibStatus::Truncated, false}},
    {"top_down_bitfields_cut.bmp", {DibStatus::Truncated, false}},
};

struct ExactBuffer {
  std::unique_ptr<uint8_t[]> bytes;
  size_t size = 0;
};

ExactBuffer readExactly(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  const std::string all{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  ExactBuffer buffer{std::make_unique<uint8_t[]>(all.size()), all.size()};
  std::memcpy(buffer.bytes.get(), all.data(), all.size());
  return buffer;
}

TEST(FuzzRegressions, EveryKeptFileGivesItsResult) {
  int files = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TEXTURES_REGRESSIONS_DIR)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || name == "README.md") continue;
    const auto expected = kKeptFiles.find(name);
    ASSERT_NE(expected, kKeptFiles.end()) << name << ": a new file needs its expected result here";
    const ExactBuffer file = readExactly(entry.path());
    RgbImage* image = nullptr;
    EXPECT_EQ(decodeDib(file.bytes.get(), file.size, &image), expected->second.dib) << name;
    if (image != nullptr) {
      delete[] image->pixels;
      delete image;
    }
    PngPixels pixels;
    EXPECT_EQ(decodePngMemory(file.bytes.get(), file.size, 0, &pixels), expected->second.png)
        << name;
    ++files;
  }
  EXPECT_EQ(files, static_cast<int>(kKeptFiles.size())) << "every file of the table is kept";
}

}  // namespace
