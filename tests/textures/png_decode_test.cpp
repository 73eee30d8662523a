// PNG decoding to opaque RGB: every colour type and depth the demo might be given, the gamma
// rule, and missing, foreign, truncated and corrupt files failing without a word on stderr.
#include <gtest/gtest.h>
#include <png.h>
#include <zlib.h>

#include <cstdlib>
#include <string>

#include "png_writer.h"
#include "temp_files.h"
#include "test_environment.h"
#include "textures/png/png_decode.h"

using png_test::PngSpec;
using Bytes = std::vector<uint8_t>;

namespace {

struct Result {
  bool ok = false;
  int32_t width = 0;
  int32_t height = 0;
  Bytes rgb;
};

Result decode(const Bytes& file, double gamma = 0) {
  PngPixels pixels;
  Result r;
  r.ok = decodePngMemory(file.data(), file.size(), gamma, &pixels);
  r.width = pixels.width;
  r.height = pixels.height;
  if (pixels.rgb) r.rgb.assign(pixels.rgb.get(), pixels.rgb.get() + size_t(r.width) * r.height * 3);
  return r;
}

PngSpec png(uint32_t width, uint32_t height, int colorType, int bitDepth, Bytes rows) {
  PngSpec s;
  s.width = width;
  s.height = height;
  s.colorType = colorType;
  s.bitDepth = bitDepth;
  s.rows = std::move(rows);
  return s;
}

PngSpec withPalette(PngSpec s, Bytes palette, Bytes trns) {
  s.palette = std::move(palette);
  s.trns = std::move(trns);
  return s;
}

PngSpec interlaced(PngSpec s) {
  s.interlaced = true;
  return s;
}

struct PngCase {
  const char* name;
  PngSpec shape;
  Bytes rgb;
};

Bytes grey(std::initializer_list<uint8_t> values) {
  Bytes out;
  for (uint8_t v : values) out.insert(out.end(), {v, v, v});
  return out;
}

std::vector<PngCase> pngCases() {
  const Bytes nineRgb = {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14,
                         15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27};
  return {
      {"Rgb8",
       png(2, 1, PNG_COLOR_TYPE_RGB, 8, {10, 20, 30, 40, 50, 60}),
       {10, 20, 30, 40, 50, 60}},
      {"Rgba8DiscardsAlpha", png(1, 1, PNG_COLOR_TYPE_RGBA, 8, {10, 20, 30, 0}), {10, 20, 30}},
      {"Rgb16KeepsTheHighBytes",
       png(1, 1, PNG_COLOR_TYPE_RGB, 16, {0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC}),
       {0x12, 0x56, 0x9A}},
      {"Rgba16", png(1, 1, PNG_COLOR_TYPE_RGBA, 16, {1, 0, 2, 0, 3, 0, 0, 0}), {1, 2, 3}},
      {"Grey1Bit", png(8, 1, PNG_COLOR_TYPE_GRAY, 1, {0xA0}), grey({255, 0, 255, 0, 0, 0, 0, 0})},
      {"Grey8WithTransparentColourStaysOpaque",
       withPalette(png(2, 1, PNG_COLOR_TYPE_GRAY, 8, {77, 78}), {}, {77}), grey({77, 78})},
      {"GreyAlpha8", png(1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {100, 0}), grey({100})},
      {"Grey16", png(1, 1, PNG_COLOR_TYPE_GRAY, 16, {0xAB, 0xCD}), grey({0xAB})},
      {"Palette4BitWithTransparencyStaysOpaque",
       withPalette(png(3, 1, PNG_COLOR_TYPE_PALETTE, 4, {0x12, 0x00}),
                   {9, 9, 9, 200, 100, 50, 1, 2, 3}, {0, 0, 0}),
       {200, 100, 50, 1, 2, 3, 9, 9, 9}},
      {"Palette8",
       withPalette(png(1, 1, PNG_COLOR_TYPE_PALETTE, 8, {1}), {0, 0, 0, 7, 8, 9}, {}),
       {7, 8, 9}},
      {"InterlacedRgb", interlaced(png(3, 3, PNG_COLOR_TYPE_RGB, 8, nineRgb)), nineRgb},
  };
}

class PngDecode : public ::testing::TestWithParam<PngCase> {};

TEST_P(PngDecode, GivesOpaqueRgbTopRowFirst) {
  const Bytes file = png_test::encodePng(GetParam().shape);
  ASSERT_FALSE(file.empty());
  const Result r = decode(file);
  ASSERT_TRUE(r.ok);
  EXPECT_EQ(r.width, int32_t(GetParam().shape.width));
  EXPECT_EQ(r.height, int32_t(GetParam().shape.height));
  EXPECT_EQ(r.rgb, GetParam().rgb);
}

// One row a band, with a gamma that changes every sample: the bytes of the whole read, the
// interlaced picture's passes included.
TEST_P(PngDecode, InBandsOfOneRowGivesTheWholeRead) {
  const Bytes file = png_test::encodePng(GetParam().shape);
  const Result whole = decode(file, 1.0);
  PngBandReader reader;
  ASSERT_TRUE(reader.openMemory(file.data(), file.size(), 1.0));
  uint32_t bands = 0;
  while (!reader.done()) {
    ASSERT_TRUE(reader.readBand(1));
    ++bands;
  }
  EXPECT_GE(bands, GetParam().shape.height);
  PngPixels pixels;
  ASSERT_TRUE(reader.take(&pixels));
  EXPECT_EQ(Bytes(pixels.rgb.get(), pixels.rgb.get() + whole.rgb.size()), whole.rgb);
}

INSTANTIATE_TEST_SUITE_P(ColourTypes, PngDecode, ::testing::ValuesIn(pngCases()),
                         [](const auto& info) { return std::string(info.param.name); });

Bytes threeGreys(double fileGamma = 0) {
  PngSpec s = png(3, 1, PNG_COLOR_TYPE_GRAY, 8, {0, 128, 255});
  s.gamma = fileGamma;
  return png_test::encodePng(s);
}

TEST(PngGamma, FollowsTheViewingGammaRule) {
  struct Case {
    double fileGamma;
    double viewingGamma;
    Bytes expected;
  } cases[] = {
      {0, 0, grey({0, 128, 255})},      // no viewing gamma: as stored
      {0.5, 0, grey({0, 128, 255})},    // even when the file is tagged
      {0, 2.2, grey({0, 128, 255})},    // untagged file on the display it was made for
      {0, 1.0, grey({0, 56, 255})},     // a linear display darkens it
      {1.0, 2.2, grey({0, 186, 255})},  // a linear file brightens
  };
  for (const Case& c : cases) {
    const Result r = decode(threeGreys(c.fileGamma), c.viewingGamma);
    ASSERT_TRUE(r.ok);
    EXPECT_EQ(r.rgb, c.expected) << "file " << c.fileGamma << ", viewing " << c.viewingGamma;
  }
}

TEST(ViewingGammaFromEnvironment, TakesOnlyAPositiveNumber) {
  struct Case {
    const char* value;
    double expected;
  } cases[] = {{nullptr, 0}, {"2.2", 2.2}, {"1", 1},   {"abc", 0},
               {"-1", 0},    {"0", 0},     {"inf", 0}, {"", 0}};
  for (const Case& c : cases) {
    if (c.value == nullptr) {
      testing_support::unsetEnvironment("VIEWING_GAMMA");
    } else {
      testing_support::setEnvironment("VIEWING_GAMMA", c.value);
    }
    EXPECT_DOUBLE_EQ(viewingGammaFromEnvironment(), c.expected) << (c.value ? c.value : "unset");
  }
  testing_support::unsetEnvironment("VIEWING_GAMMA");
}

// Rewrites the IHDR's width and height and its checksum, so only the size is wrong.
Bytes withSize(Bytes file, uint32_t width, uint32_t height) {
  for (int i = 0; i < 4; ++i) {
    file[16 + i] = uint8_t(width >> (24 - 8 * i));
    file[20 + i] = uint8_t(height >> (24 - 8 * i));
  }
  const uint32_t crc = uint32_t(crc32(0, file.data() + 12, 17));
  for (int i = 0; i < 4; ++i) file[29 + i] = uint8_t(crc >> (24 - 8 * i));
  return file;
}

Bytes flipped(Bytes file, size_t at) {
  file[at] ^= 0x5A;
  return file;
}

Bytes prefix(const Bytes& file, size_t length) {
  return Bytes(file.begin(), file.begin() + long(length));
}

TEST(PngDecodeFailure, RefusesBadFilesSilently) {
  const Bytes good = png_test::encodePng(png(4, 4, PNG_COLOR_TYPE_RGB, 8, Bytes(48, 90)));
  const Bytes bmp = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
  const struct {
    const char* name;
    Bytes file;
  } cases[] = {
      {"empty", {}},
      {"a BMP", bmp},
      {"signature only", prefix(good, 8)},
      {"cut in IHDR", prefix(good, 20)},
      {"cut in IDAT", prefix(good, good.size() - 20)},
      {"without IEND", prefix(good, good.size() - 12)},
      {"IDAT checksum wrong", flipped(good, good.size() - 20)},
      {"wider than the cap", withSize(good, 16385, 1)},
      {"more pixels than the cap", withSize(good, 8192, 8193)},
  };
  for (const auto& c : cases) {
    ::testing::internal::CaptureStderr();
    const Result r = decode(c.file);
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << c.name;
    EXPECT_FALSE(r.ok) << c.name;
    EXPECT_EQ(r.width, 0) << c.name;
  }
}

// The header reads well and the first rows too; the band that meets the cut fails, and nothing
// is left to take.
TEST(PngBandReader, AFileCutShortFailsInTheBandThatMeetsTheCut) {
  const Bytes good = png_test::encodePng(png(4, 64, PNG_COLOR_TYPE_RGB, 8, Bytes(4 * 64 * 3, 90)));
  const Bytes cut = prefix(good, good.size() - 20);
  PngBandReader reader;
  ASSERT_TRUE(reader.openMemory(cut.data(), cut.size(), 0));
  bool failed = false;
  while (!failed && !reader.done()) failed = !reader.readBand(4);
  EXPECT_TRUE(failed);
  EXPECT_FALSE(reader.readBand(4)) << "a failed read stays failed";
  PngPixels pixels;
  EXPECT_FALSE(reader.take(&pixels));
  EXPECT_EQ(pixels.rgb, nullptr);
}

TEST(DecodePngFile, ReadsAFileAndRefusesAMissingOne) {
  const std::string path = textures_test::writeTemp(
      "two.png", png_test::encodePng(png(2, 1, PNG_COLOR_TYPE_RGB, 8, {1, 2, 3, 4, 5, 6})));
  PngPixels pixels;
  ASSERT_TRUE(decodePngFile(path.c_str(), 0, &pixels));
  EXPECT_EQ(Bytes(pixels.rgb.get(), pixels.rgb.get() + 6), (Bytes{1, 2, 3, 4, 5, 6}));
  EXPECT_FALSE(decodePngFile("no_such.png", 0, &pixels));
  EXPECT_FALSE(decodePngFile(nullptr, 0, &pixels));
}

}  // namespace
