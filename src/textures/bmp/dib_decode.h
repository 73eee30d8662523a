// Decoding a whole BMP file held in memory into an RgbImage: locating the header, colour table
// and pixel data, checking each against the file's length and the size cap, and converting.
// No message is shown here (the BMP entry points tell the viewer), so a test or a fuzzer can call
// it freely.
#pragma once

#include <cstddef>
#include <cstdint>

#include "textures/bmp/rgb_image.h"

// Larger pictures are refused before anything is allocated: each side at most kMaxDibSide and
// at most kMaxDibPixels pixels in all (192 MiB of output).
constexpr int64_t kMaxDibSide = 16384;
constexpr int64_t kMaxDibPixels = int64_t{1} << 26;

enum class DibStatus {
  Ok,
  UnknownFormat,  // header size neither 12 nor 40
  OutOfMemory,
  Truncated,    // a header, table, mask, offset or pixel run reaches past the end of the file
  Unsupported,  // depth, compression or size the decoder does not take
};

// On Ok, *image is a new record the caller owns (delete[] pixels, then delete the record); its
// height is the picture's row count, positive also for files stored top down.
DibStatus decodeDib(const uint8_t* file, size_t size, RgbImage** image);
