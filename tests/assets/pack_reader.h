// Reads the generated pack back for the tests: PNGs through libpng, BMPs through a small parser
// of the three layouts the generator writes (independent of the program's own decoder).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct Picture {
  int width = 0, height = 0;
  int bitsPerPixel = 0;  // BMP: 1, 8 or 24; PNG: 24 for 8-bit RGB
  int paletteSize = 0;   // BMP colour-table entries
  bool ok = false;
  std::vector<uint8_t> rgb;  // row 0 = first PNG row / top BMP row, 3 bytes per pixel
  const uint8_t* at(int x, int y) const { return &rgb[(size_t(y) * width + x) * 3]; }
};

std::string assetPath(const std::string& name);
std::vector<uint8_t> fileBytes(const std::string& path);
Picture readPng(const std::string& path);
Picture readBmp(const std::string& path);
Picture readAsset(const std::string& name);
