// A decoded BMP picture: packed R, G, B bytes, rows without padding, bottom row first. The
// caller owns it: delete[] pixels, then delete the record.
#pragma once

#include <cstdint>

struct RgbImage {
  int32_t width = 0;
  int32_t height = 0;
  uint8_t* pixels = nullptr;
};
