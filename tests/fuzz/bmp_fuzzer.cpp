// libFuzzer target for the BMP decoder: any bytes as a whole file. A decoded image must have
// the size its record states (the sanitizers check every byte of it is addressable).
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "textures/bmp/dib_decode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  RgbImage* image = nullptr;
  if (decodeDib(data, size, &image) != DibStatus::Ok) {
    if (image != nullptr) std::abort();
    return 0;
  }
  const size_t bytes = static_cast<size_t>(image->width) * static_cast<size_t>(image->height) * 3;
  volatile uint8_t sink = 0;
  for (size_t i = 0; i < bytes; i += 61) sink = sink + image->pixels[i];
  sink = sink + image->pixels[bytes - 1];
  delete[] image->pixels;
  delete image;
  return 0;
}
