// Pixel picking for texture uploads: the halved levels of pngBind's simple mipmaps, and the
// stretch to power-of-two sides for a GL without non-power-of-two textures. Nearest pixel
// only, no averaging. Packed RGB rows in, packed RGB rows out.
#pragma once

#include <cstdint>
#include <vector>

#include "textures/png/png_decode.h"

// The smallest power of two not below `side` (side >= 1, at most 2^30).
int32_t nextPowerOfTwo(int32_t side);

// Fills `dst` (dstWidth x dstHeight) with the source pixel under each destination pixel.
void resampleNearest(const uint8_t* src, int32_t srcWidth, int32_t srcHeight, uint8_t* dst,
                     int32_t dstWidth, int32_t dstHeight);

// pngBind's simple mipmaps: every halved level of `top` down to 1 x 1, each picked from the
// level above, into `levels` (level 1 first). False when memory runs out.
bool pickHalvedLevels(const PngPixels& top, std::vector<PngPixels>* levels);

// Whether a GL of `version` (GL_VERSION) with `extensions` (GL_EXTENSIONS) takes any side.
bool glTakesAnySide(const char* version, const char* extensions);
