// Writes the fuzzers' seed corpus: small BMP files of every accepted depth, compression and
// header layout into DIR/bmp, and PNG files of every colour type (one with text chunks) into
// DIR/png.
#include <png.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "bmp_builder.h"
#include "png_writer.h"

namespace {

using bmp_test::BmpSpec;
using bmp_test::Bytes;

Bytes ramp(size_t count, int step) {
  Bytes out(count);
  for (size_t i = 0; i < count; ++i) out[i] = static_cast<uint8_t>(i * step);
  return out;
}

std::vector<bmp_test::Rgb> palette(int entries) {
  std::vector<bmp_test::Rgb> table;
  for (int i = 0; i < entries; ++i) table.push_back({uint8_t(i * 7), uint8_t(255 - i), uint8_t(i)});
  return table;
}

BmpSpec seedShape(uint16_t bits, uint32_t compression, Bytes pixels, int paletteSize = 0) {
  BmpSpec s;
  s.width = 5;
  s.height = 3;
  s.bitCount = bits;
  s.compression = compression;
  s.pixels = std::move(pixels);
  s.palette = palette(paletteSize);
  return s;
}

std::vector<std::pair<std::string, Bytes>> bmpSeeds() {
  const Bytes rle8 = {3, 1, 0, 3, 4, 5, 6, 0, 0, 0, 0, 0, 2, 1, 0, 2, 7, 0, 0, 1};
  const Bytes rle4 = {5, 0x12, 0, 0, 0, 3, 0x45, 0x60, 0, 0, 0, 2, 2, 0, 1, 7, 0, 1};
  BmpSpec core = seedShape(1, 0, ramp(12, 37), 2);
  core.headerSize = 12;
  BmpSpec headerless = seedShape(8, 0, ramp(24, 3), 20);
  headerless.fileHeader = false;
  headerless.colorsUsed = 20;
  BmpSpec fields16 = seedShape(16, 3, ramp(36, 29));
  fields16.masks = {0xF800, 0x07E0, 0x001F};
  BmpSpec fields32 = seedShape(32, 3, ramp(60, 11));
  fields32.masks = {0x00FF0000, 0x0000FF00, 0x000000FF};
  BmpSpec topDown = seedShape(24, 0, ramp(48, 5));
  topDown.height = -3;
  return {
      {"bgr24.bmp", bmp_test::buildBmp(seedShape(24, 0, ramp(48, 5)))},
      {"bgrx32.bmp", bmp_test::buildBmp(seedShape(32, 0, ramp(60, 3)))},
      {"rgb555.bmp", bmp_test::buildBmp(seedShape(16, 0, ramp(36, 41)))},
      {"indexed8.bmp", bmp_test::buildBmp(seedShape(8, 0, ramp(24, 13), 256))},
      {"indexed4.bmp", bmp_test::buildBmp(seedShape(4, 0, ramp(12, 17), 16))},
      {"indexed1.bmp", bmp_test::buildBmp(seedShape(1, 0, ramp(12, 37), 2))},
      {"rle8.bmp", bmp_test::buildBmp(seedShape(8, 1, rle8, 256))},
      {"rle4.bmp", bmp_test::buildBmp(seedShape(4, 2, rle4, 16))},
      {"core1.bmp", bmp_test::buildBmp(core)},
      {"headerless8.bmp", bmp_test::buildBmp(headerless)},
      {"fields16.bmp", bmp_test::buildBmp(fields16)},
      {"fields32.bmp", bmp_test::buildBmp(fields32)},
      {"topdown24.bmp", bmp_test::buildBmp(topDown)},
  };
}

png_test::PngSpec png(int colorType, int bitDepth, int channels, bool interlaced = false) {
  png_test::PngSpec s;
  s.width = 5;
  s.height = 4;
  s.colorType = colorType;
  s.bitDepth = bitDepth;
  s.interlaced = interlaced;
  const size_t rowBytes = (s.width * channels * bitDepth + 7) / 8;
  s.rows = ramp(rowBytes * s.height, 7);
  return s;
}

std::vector<std::pair<std::string, Bytes>> pngSeeds() {
  png_test::PngSpec indexed = png(PNG_COLOR_TYPE_PALETTE, 4, 1);
  indexed.palette = ramp(16 * 3, 17);
  indexed.trns = {0, 128};
  png_test::PngSpec tagged = png(PNG_COLOR_TYPE_RGB, 8, 3);
  tagged.gamma = 1.0;
  png_test::PngSpec texts = png(PNG_COLOR_TYPE_GRAY, 4, 1);
  texts.texts = {{PNG_TEXT_COMPRESSION_NONE, "Title", "ocean"},
                 {PNG_TEXT_COMPRESSION_zTXt, "Comment", "a compressed comment"},
                 {PNG_ITXT_COMPRESSION_NONE, "Software", "tamsirel"}};
  return {
      {"rgb8.png", png_test::encodePng(png(PNG_COLOR_TYPE_RGB, 8, 3))},
      {"rgba16.png", png_test::encodePng(png(PNG_COLOR_TYPE_RGBA, 16, 4))},
      {"grey1.png", png_test::encodePng(png(PNG_COLOR_TYPE_GRAY, 1, 1))},
      {"greyalpha8.png", png_test::encodePng(png(PNG_COLOR_TYPE_GRAY_ALPHA, 8, 2))},
      {"palette4.png", png_test::encodePng(indexed)},
      {"interlaced.png", png_test::encodePng(png(PNG_COLOR_TYPE_RGB, 8, 3, true))},
      {"gamma.png", png_test::encodePng(tagged)},
      {"texts.png", png_test::encodePng(texts)},
  };
}

bool writeAll(const std::filesystem::path& dir,
              const std::vector<std::pair<std::string, Bytes>>& files) {
  std::filesystem::create_directories(dir);
  for (const auto& [name, bytes] : files) {
    if (bytes.empty() || !png_test::writeFile((dir / name).string(), bytes)) return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
    return 2;
  }
  const std::filesystem::path dir = argv[1];
  if (!writeAll(dir / "bmp", bmpSeeds()) || !writeAll(dir / "png", pngSeeds())) {
    std::fprintf(stderr, "cannot write the seed corpus into %s\n", argv[1]);
    return 1;
  }
  return 0;
}
