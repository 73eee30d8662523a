// Nearest-pixel resampling and the non-power-of-two capability test.
#include "textures/gl/texture_resample.h"

#include <cstdlib>
#include <cstring>
#include <new>

int32_t nextPowerOfTwo(int32_t side) {
  int32_t p = 1;
  while (p < side) p <<= 1;
  return p;
}

void resampleNearest(const uint8_t* src, int32_t srcWidth, int32_t srcHeight, uint8_t* dst,
                     int32_t dstWidth, int32_t dstHeight) {
  for (int32_t y = 0; y < dstHeight; ++y) {
    const int64_t sy = int64_t{y} * srcHeight / dstHeight;
    const uint8_t* srcRow = src + sy * srcWidth * 3;
    for (int32_t x = 0; x < dstWidth; ++x, dst += 3) {
      const int64_t sx = int64_t{x} * srcWidth / dstWidth;
      std::memcpy(dst, srcRow + sx * 3, 3);
    }
  }
}

bool pickHalvedLevels(const PngPixels& top, std::vector<PngPixels>* levels) {
  levels->clear();
  const PngPixels* above = &top;
  while (above->width > 1 || above->height > 1) {
    PngPixels half;
    half.width = above->width > 1 ? above->width / 2 : 1;
    half.height = above->height > 1 ? above->height / 2 : 1;
    half.rgb.reset(new (std::nothrow) uint8_t[static_cast<size_t>(half.width) * half.height * 3]);
    if (!half.rgb) return false;
    resampleNearest(above->rgb.get(), above->width, above->height, half.rgb.get(), half.width,
                    half.height);
    levels->push_back(std::move(half));
    above = &levels->back();
  }
  return true;
}

bool glTakesAnySide(const char* version, const char* extensions) {
  if (version != nullptr && std::atoi(version) >= 2) return true;
  return extensions != nullptr && std::strstr(extensions, "GL_ARB_texture_non_power_of_two");
}
