// File writers of the asset pack: PNG through libpng (8-bit RGB, no time or text chunk, so the
// bytes depend on the pixels only) and our own BMP writer for the three depths the forest reads.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "image.h"

bool writePng(const std::string& path, const Image& image, std::string* error);
// 24-bit BMP; `image` row 0 is the picture's top row (stored last, as BMP keeps rows bottom up).
bool writeBmp24(const std::string& path, const Image& image, std::string* error);
// 8-bit paletted BMP of `width` x `height` indices (row 0 = top) into a 256-entry table.
bool writeBmp8(const std::string& path, int width, int height, const std::vector<uint8_t>& indices,
               const std::vector<std::array<uint8_t, 3>>& palette, std::string* error);
// 1-bit BMP with the table black, white; a pixel is white when its grey level is at least 0.5.
bool writeBmp1(const std::string& path, const Image& grey, std::string* error);
