// Writes small PNG files for the tests, the fuzz seeds and the bench through libpng, in any
// colour type and depth, optionally interlaced, with a palette, a tRNS chunk, a gAMA chunk or
// text chunks.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace png_test {

// One text chunk before the image data: tEXt, zTXt or iTXt by `compression` (libpng's
// PNG_TEXT_COMPRESSION_NONE, PNG_TEXT_COMPRESSION_zTXt, PNG_ITXT_COMPRESSION_NONE).
struct PngText {
  int compression = -1;
  std::string key;
  std::string text;
};

struct PngSpec {
  uint32_t width = 1;
  uint32_t height = 1;
  int colorType = 2;  // PNG_COLOR_TYPE_RGB
  int bitDepth = 8;
  bool interlaced = false;
  std::vector<uint8_t> rows;     // height rows of packed samples, top row first
  std::vector<uint8_t> palette;  // R, G, B triples
  std::vector<uint8_t> trns;     // palette alphas, or one grey / RGB 16-bit triple
  double gamma = 0;              // written as gAMA when > 0
  std::vector<PngText> texts;
};

std::vector<uint8_t> encodePng(const PngSpec& shape);
bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace png_test
